#include "LocaleNumber.h"

#include <QLocale>

namespace rundaro {

QChar LocaleDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

QString FormatFixedText(Real x, int decimals, QChar separator)
{
    // Formatted with a neutral point that is then replaced, so separators
    // outside ASCII work as well.
    QString text = QString::fromStdString(FormatFixed(x, decimals, '.'));
    text.replace(QLatin1Char('.'), separator);
    return text;
}

} // namespace rundaro
