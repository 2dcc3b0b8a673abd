#pragma once

#include "Numbers.h"

#include <optional>
#include <string_view>

namespace rundaro {

// Reads a decimal number as typed into an editor: leading spaces, an optional
// sign, digits with an optional `separator` and fraction (at least one digit
// or the separator; the separator alone reads as 0), an optional exponent
// "e"/"E" with optional sign and optional digits ("1e" reads as 1), trailing
// spaces, end of text. Anything else, and a value too large for Real, gives
// nothing. An exponent too small for Real reads as 0.
std::optional<Real> ParseFloatText(std::u16string_view text, char16_t separator);

} // namespace rundaro
