#pragma once

#include <QString>

#include <optional>

// Conversions of cell texts by the user's regional settings (the default
// QLocale): its decimal separator and its date and time formats.
namespace LocaleConvert {

// A floating-point number with the locale's decimal separator.
std::optional<double> ToFloat(const QString &text);
// A date, optionally followed by a time of day, as days (with the time as
// the fraction) since the start of the Julian calendar.
std::optional<double> ToDateTime(const QString &text);
// A time of day as the fraction of a day.
std::optional<double> ToTime(const QString &text);

} // namespace LocaleConvert
