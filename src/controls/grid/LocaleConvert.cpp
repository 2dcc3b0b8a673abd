#include "LocaleConvert.h"

#include "SortCompare.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace LocaleConvert {

namespace {

constexpr double msPerDay = 86400000.0;

// The locale's short date format, also with one-digit days and months and
// four-digit years, so that "1.2.2024" reads as well as "01.02.24".
QStringList dateFormats()
{
    const QString shortFormat = QLocale().dateFormat(QLocale::ShortFormat);
    QString loose = shortFormat;
    loose.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
    QStringList formats;
    for (const QString &f : {shortFormat, loose}) {
        if (!f.contains(QLatin1String("yyyy"))) {
            QString longYear = f;
            formats << longYear.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        }
        formats << f;
    }
    formats.removeDuplicates();
    return formats;
}

const QStringList &timeFormats()
{
    static const QStringList formats{QStringLiteral("H:mm:ss.zzz"), QStringLiteral("H:mm:ss"),
                                     QStringLiteral("H:mm")};
    return formats;
}

std::optional<QTime> parseTime(const QString &text)
{
    for (const QString &f : timeFormats()) {
        const QTime time = QTime::fromString(text, f);
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

std::optional<QDate> parseDate(const QString &text)
{
    for (const QString &f : dateFormats()) {
        const QDate date = QDate::fromString(text, f);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

} // namespace

std::optional<double> ToFloat(const QString &text)
{
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80)
        return SortCompare::TextToFloat(text.toStdString(), point[0].toLatin1());
    // A separator outside ASCII (Arabic's U+066B) is read as a '.', and a '.'
    // of the text, which is no separator there, as a character that makes
    // the conversion fail.
    QString ascii = text;
    ascii.replace(QLatin1Char('.'), QChar(0x7f)).replace(point, QStringLiteral("."));
    return SortCompare::TextToFloat(ascii.toStdString(), '.');
}

std::optional<double> ToDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
    const auto date = parseDate(space < 0 ? trimmed : trimmed.left(space));
    if (!date)
        return std::nullopt;
    double value = static_cast<double>(date->toJulianDay());
    if (space >= 0) {
        const auto time = parseTime(trimmed.mid(space + 1).trimmed());
        if (!time)
            return std::nullopt;
        value += time->msecsSinceStartOfDay() / msPerDay;
    }
    return value;
}

std::optional<double> ToTime(const QString &text)
{
    const auto time = parseTime(text.trimmed());
    if (!time)
        return std::nullopt;
    return time->msecsSinceStartOfDay() / msPerDay;
}

} // namespace LocaleConvert
