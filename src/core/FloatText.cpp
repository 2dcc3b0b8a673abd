#include "FloatText.h"

#include <charconv>
#include <string>
#include <system_error>

namespace rundaro {

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<Real> ParseFloatText(std::u16string_view text, char16_t separator)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto peek = [&]() -> char16_t { return i < n ? text[i] : u'\0'; };

    while (peek() == u' ')
        ++i;

    // The number is rebuilt in the neutral form std::from_chars reads, so the
    // process locale never matters.
    std::string number;
    if (peek() == u'+' || peek() == u'-') {
        if (peek() == u'-')
            number += '-';
        ++i;
    }

    std::string intDigits, fracDigits;
    while (isDigit(peek()))
        intDigits += static_cast<char>(text[i++]);
    bool hasSeparator = false;
    if (i < n && text[i] == separator) {
        hasSeparator = true;
        ++i;
        while (isDigit(peek()))
            fracDigits += static_cast<char>(text[i++]);
    }
    if (intDigits.empty() && !hasSeparator)
        return std::nullopt;
    number += intDigits.empty() ? std::string("0") : intDigits;
    if (!fracDigits.empty())
        number += '.' + fracDigits;

    bool negativeExponent = false;
    if (peek() == u'e' || peek() == u'E') {
        ++i;
        std::string exponent;
        if (peek() == u'+' || peek() == u'-') {
            negativeExponent = peek() == u'-';
            exponent += negativeExponent ? '-' : '+';
            ++i;
        }
        std::string expDigits;
        while (isDigit(peek()))
            expDigits += static_cast<char>(text[i++]);
        if (!expDigits.empty())
            number += 'e' + exponent + expDigits;
        else
            negativeExponent = false;
    }

    while (peek() == u' ')
        ++i;
    if (i != n)
        return std::nullopt;

    Real value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range)
        return negativeExponent ? std::optional<Real>(0) : std::nullopt;
    if (ec != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

} // namespace rundaro
