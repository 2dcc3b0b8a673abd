#pragma once

#include <cstdint>
#include <string>

// The number conventions every display text and every plan figure follows.
// Real arithmetic is done in long double (80-bit extended on x86-64).
namespace rundaro {

using Real = long double;

// Nearest integer, a half going to the even neighbour (Round(2.5) == 2).
// NaN and values beyond the 64-bit range give INT64_MIN, the x87 "integer
// indefinite" value, instead of undefined behaviour.
std::int64_t Round(Real x);

// Integer division truncating toward zero and the remainder with the sign of
// the dividend. A zero divisor throws std::domain_error.
std::int64_t Div(std::int64_t a, std::int64_t b);
std::int64_t Mod(std::int64_t a, std::int64_t b);

// Fixed-point text with `decimals` digits after `separator` (none and no
// separator for 0 decimals), at least one digit before it, a leading '-' for
// negatives and no thousands separators. x is first reduced to 18 significant
// digits; the kept digits are then rounded half away from zero. A value that
// rounds to zero carries no minus sign. More than 18 digits before the
// separator switch to exponent form ("1,23456789012345678E+20").
// `decimals` is limited to 0..18.
std::string FormatFixed(Real x, int decimals, char separator);

// Plain decimal text with a leading '-' for negatives.
std::string IntToStr(std::int64_t v);

} // namespace rundaro
