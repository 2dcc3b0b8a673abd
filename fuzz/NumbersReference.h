#pragma once

#include <cstdint>
#include <string>

// An independent model of the number conventions, used by the fuzzers to
// check FormatFixed and Round. It works on the exact decimal expansion of the
// 80-bit binary value, computed with big-integer arithmetic, and never calls
// printf or the floating-point unit.
namespace rundaro::fuzz {

// An x87 80-bit extended value taken apart.
struct Extended
{
    enum class Kind { Zero, Finite, Infinite, NaN, NonCanonical };
    Kind kind = Kind::Zero;
    bool negative = false;
    std::uint64_t mantissa = 0; // |value| == mantissa * 2^exponent2
    int exponent2 = 0;
};

// Decodes the ten bytes of a long double (little-endian x86 layout).
// Unnormals, pseudo-denormals, pseudo-infinities and pseudo-NaNs, which no
// arithmetic produces, come back as NonCanonical.
Extended Decode(const unsigned char bytes[10]);

// The exact decimal digits of mantissa * 2^exponent2: returns the digits
// (no leading zeros, "0" for zero) and sets `scale` to the number of them
// that lie after the decimal point.
std::string ExactDecimal(std::uint64_t mantissa, int exponent2, int &scale);

// What FormatFixed must return for the value: rounded to 18 significant
// digits halves to even, then to `decimals` (clamped to 0..18) halves away
// from zero; exponent form from 10^18 on; no sign on a zero result.
std::string ReferenceFormatFixed(const Extended &value, int decimals, char separator);

// What Round must return: the nearest integer halves to even, INT64_MIN for
// NaN, infinities and everything outside the 64-bit range.
std::int64_t ReferenceRound(const Extended &value);

} // namespace rundaro::fuzz
