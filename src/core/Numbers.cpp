#include "Numbers.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace rundaro {

std::int64_t Round(Real x)
{
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr Real limit = 9223372036854775808.0L;
    if (!(x > -limit - 0.5L && x < limit))
        return std::numeric_limits<std::int64_t>::min();
    const Real r = std::nearbyint(x); // default rounding mode: halves to even
    if (r >= limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(r);
}

std::int64_t Div(std::int64_t a, std::int64_t b)
{
    if (b == 0)
        throw std::domain_error("Division by zero");
    if (b == -1)
        return static_cast<std::int64_t>(0u - static_cast<std::uint64_t>(a)); // wraps like the CPU for INT64_MIN
    return a / b;
}

std::int64_t Mod(std::int64_t a, std::int64_t b)
{
    if (b == 0)
        throw std::domain_error("Division by zero");
    if (b == -1)
        return 0;
    return a % b;
}

namespace {

constexpr int kSignificant = 18;

// Increments a string of decimal digits by one in its last place; returns
// true when the carry runs out of the front ("999" -> "000", true).
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

std::string exponentForm(bool negative, const std::string &digits, int exponent, char separator)
{
    std::string out = negative ? "-" : "";
    out += digits.front();
    out += separator;
    out.append(digits, 1, std::string::npos);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%+03d", exponent);
    return out + exp;
}

} // namespace

std::string FormatFixed(Real x, int decimals, char separator)
{
    decimals = std::clamp(decimals, 0, 18);
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";

    const bool negative = std::signbit(x);
    // 18 significant digits, correctly rounded from the exact binary value.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", kSignificant - 1, std::fabs(x));
    std::string digits;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;

    if (digits.find_first_not_of('0') == std::string::npos) {
        std::string out = "0";
        if (decimals > 0)
            out += separator + std::string(static_cast<size_t>(decimals), '0');
        return out;
    }
    if (exponent >= kSignificant)
        return exponentForm(negative, digits, exponent, separator);

    // Lay the digits out as an integer part and a fraction part.
    std::string intPart, fracPart;
    if (exponent >= 0) {
        intPart = digits.substr(0, static_cast<size_t>(exponent) + 1);
        fracPart = digits.substr(static_cast<size_t>(exponent) + 1);
    } else {
        intPart = "0";
        fracPart = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }

    const bool roundUp
        = fracPart.size() > static_cast<size_t>(decimals) && fracPart[static_cast<size_t>(decimals)] >= '5';
    fracPart.resize(static_cast<size_t>(decimals), '0');
    if (roundUp) {
        std::string all = intPart + fracPart;
        if (incrementDigits(all))
            all.insert(all.begin(), '1');
        intPart = all.substr(0, all.size() - fracPart.size());
        fracPart = all.substr(all.size() - fracPart.size());
    }

    const bool isZero
        = intPart.find_first_not_of('0') == std::string::npos && fracPart.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !isZero) ? "-" : "";
    out += intPart;
    if (decimals > 0) {
        out += separator;
        out += fracPart;
    }
    return out;
}

std::string IntToStr(std::int64_t v)
{
    return std::to_string(v);
}

} // namespace rundaro
