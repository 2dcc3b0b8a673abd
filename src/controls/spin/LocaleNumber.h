#pragma once

#include "Numbers.h"

#include <QChar>
#include <QString>

// Fixed-point texts in the user's locale: the number conventions of
// rundaro::FormatFixed with the locale's decimal separator.
namespace rundaro {

// The decimal separator of the default locale (a comma in German).
QChar LocaleDecimalSeparator();

// FormatFixed(x, decimals) written with `separator`.
QString FormatFixedText(Real x, int decimals, QChar separator = LocaleDecimalSeparator());

} // namespace rundaro
