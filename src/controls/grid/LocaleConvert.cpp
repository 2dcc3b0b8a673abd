#include "LocaleConvert.h"

#include "SortCompare.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace LocaleConvert {

namespace {

constexpr double msPerDay = 86400000.0;

// One piece of a date or time format: a field (a run of one pattern letter,
// or an am/pm mark) or literal text as it stands in the format, quotes kept.
struct FormatPiece
{
    QString text;
    bool field = false;
    QChar letter() const { return field ? text.front() : QChar(); }
    bool isSpace() const { return !field && !text.isEmpty() && text.trimmed().isEmpty(); }
};
using FormatPieces = QList<FormatPiece>;

bool isPatternLetter(QChar c)
{
    return QStringView(u"dMyhHmszapAPt").contains(c);
}

FormatPieces splitFormat(const QString &format)
{
    FormatPieces pieces;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype end = i + 1;
        if (c == QLatin1Char('\'')) {
            // Quoted text, '' standing for a quote.
            while (end < format.size()) {
                if (format[end] == QLatin1Char('\'')) {
                    if (end + 1 < format.size() && format[end + 1] == QLatin1Char('\'')) {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
        } else if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
            if (end < format.size() && (format[end] == QLatin1Char('p') || format[end] == QLatin1Char('P')))
                ++end;
        } else if (isPatternLetter(c)) {
            while (end < format.size() && format[end] == c)
                ++end;
        } else {
            while (end < format.size() && !isPatternLetter(format[end]) && format[end] != QLatin1Char('\''))
                ++end;
        }
        pieces.append(FormatPiece{format.mid(i, end - i), isPatternLetter(c)});
        i = end;
    }
    return pieces;
}

QString joinFormat(const FormatPieces &pieces)
{
    QString format;
    for (const FormatPiece &p : pieces)
        format += p.text;
    return format;
}

// Removes the fields of one kind together with the blank that parts them
// from the rest ("h:mm AP" becomes "h:mm", "HH:mm:ss t" "HH:mm:ss").
void removeFields(FormatPieces &pieces, QStringView letters)
{
    for (qsizetype i = 0; i < pieces.size();) {
        if (!pieces[i].field || !letters.contains(pieces[i].letter())) {
            ++i;
            continue;
        }
        pieces.removeAt(i);
        if (i > 0 && pieces[i - 1].isSpace()) {
            pieces.removeAt(--i);
        } else if (i < pieces.size() && pieces[i].isSpace()) {
            pieces.removeAt(i);
        }
    }
}

// One or two digits for days, months, hours, minutes and seconds, so that
// "1.2.2024" and "9:05" read as well as "01.02.2024" and "09:05".
void loosen(FormatPieces &pieces)
{
    for (FormatPiece &p : pieces) {
        const QChar l = p.letter();
        const bool number = QStringView(u"hHms").contains(l)
            || ((l == QLatin1Char('d') || l == QLatin1Char('M')) && p.text.size() <= 2);
        if (p.field && number)
            p.text = QString(l);
    }
}

bool hasField(const FormatPieces &pieces, QChar letter)
{
    return std::any_of(pieces.cbegin(), pieces.cend(), [letter](const FormatPiece &p) { return p.letter() == letter; });
}

// The locale's short and long time formats without the time zone, the long
// one also with the milliseconds after the decimal separator; in a locale
// that writes am and pm, also the same formats with 24 hours.
QStringList makeTimeFormats(const QLocale &locale)
{
    QList<FormatPieces> variants;
    for (const QString &f : {locale.timeFormat(QLocale::ShortFormat), locale.timeFormat(QLocale::LongFormat)}) {
        FormatPieces pieces = splitFormat(f);
        removeFields(pieces, u"t");
        loosen(pieces);
        variants << pieces;
        const auto seconds = std::find_if(pieces.begin(), pieces.end(),
                                          [](const FormatPiece &p) { return p.letter() == QLatin1Char('s'); });
        if (seconds != pieces.end()) {
            const FormatPiece separator{QLatin1Char('\'') + locale.decimalPoint() + QLatin1Char('\''), false};
            const auto at = pieces.insert(seconds + 1, separator);
            pieces.insert(at + 1, FormatPiece{QStringLiteral("z"), true});
            variants << pieces;
        }
    }
    QStringList formats;
    for (const FormatPieces &v : variants)
        formats << joinFormat(v);
    for (FormatPieces v : variants) {
        if (!hasField(v, QLatin1Char('a')) && !hasField(v, QLatin1Char('A')))
            continue;
        removeFields(v, u"aA");
        for (FormatPiece &p : v)
            if (p.letter() == QLatin1Char('h'))
                p.text = QStringLiteral("H");
        formats << joinFormat(v);
    }
    formats.removeDuplicates();
    return formats;
}

// A date format and whether its year has two digits.
struct DateFormat
{
    QString format;
    bool shortYear = false;
};

// The locale's short date format, with two-digit and four-digit years.
QList<DateFormat> makeDateFormats(const QLocale &locale)
{
    FormatPieces pieces = splitFormat(locale.dateFormat(QLocale::ShortFormat));
    loosen(pieces);
    QList<DateFormat> formats;
    for (const QString &year : {QStringLiteral("yyyy"), QStringLiteral("yy")}) {
        for (FormatPiece &p : pieces)
            if (p.letter() == QLatin1Char('y'))
                p.text = year;
        formats << DateFormat{joinFormat(pieces), year.size() == 2};
    }
    return formats;
}

// The formats of the locale in force, made again only when it changes. The
// format that read the last text is tried first, as a column's texts are
// mostly written alike.
struct LocaleFormats
{
    QLocale locale;
    QList<DateFormat> dates;
    QStringList times;
    qsizetype lastDate = 0;
    qsizetype lastTime = 0;
};

// Tries the formats from the one that read the last text on, wrapping.
template <typename List, typename Parse>
auto parseWith(const List &formats, qsizetype &last, Parse parse) -> decltype(parse(formats.front()))
{
    for (qsizetype n = 0; n < formats.size(); ++n) {
        const qsizetype i = (last + n) % formats.size();
        if (auto result = parse(formats[i])) {
            last = i;
            return result;
        }
    }
    return std::nullopt;
}

LocaleFormats &currentFormats()
{
    thread_local std::optional<LocaleFormats> formats;
    const QLocale locale;
    if (!formats || !(formats->locale == locale))
        formats = LocaleFormats{locale, makeDateFormats(locale), makeTimeFormats(locale)};
    return *formats;
}

std::optional<QTime> parseTime(const QString &text)
{
    LocaleFormats &f = currentFormats();
    return parseWith(f.times, f.lastTime, [&](const QString &format) -> std::optional<QTime> {
        const QTime time = f.locale.toTime(text, format);
        return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
    });
}

std::optional<QDate> parseDate(const QString &text)
{
    LocaleFormats &f = currentFormats();
    return parseWith(f.dates, f.lastDate, [&](const DateFormat &format) -> std::optional<QDate> {
        const QDate date = f.locale.toDate(text, format.format);
        if (!date.isValid())
            return std::nullopt;
        // A two-digit year lies between 1950 and 2049.
        return format.shortYear && date.year() < 1950 ? date.addYears(100) : date;
    });
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
    if (const auto date = parseDate(trimmed))
        return static_cast<double>(date->toJulianDay());
    // A date, a blank and a time; the date itself may hold blanks.
    for (qsizetype space = trimmed.indexOf(QLatin1Char(' ')); space >= 0;
         space = trimmed.indexOf(QLatin1Char(' '), space + 1)) {
        const auto date = parseDate(trimmed.left(space));
        if (!date)
            continue;
        if (const auto time = parseTime(trimmed.mid(space + 1).trimmed()))
            return static_cast<double>(date->toJulianDay()) + time->msecsSinceStartOfDay() / msPerDay;
    }
    return std::nullopt;
}

std::optional<double> ToTime(const QString &text)
{
    const auto time = parseTime(text.trimmed());
    if (!time)
        return std::nullopt;
    return time->msecsSinceStartOfDay() / msPerDay;
}

} // namespace LocaleConvert
