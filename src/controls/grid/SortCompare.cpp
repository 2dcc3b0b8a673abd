#include "SortCompare.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace SortCompare {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int compareValues(double l, double r)
{
    return l < r ? -1 : (r < l ? 1 : 0);
}

} // namespace

void FoldAsciiLower(std::string &text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
}

int TextOrder(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::optional<double> TextToFloat(std::string_view text, char decimalSeparator)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);

    // Rewritten with a full stop so that the conversion does not depend on
    // the C library's locale.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    int digits = 0;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            plain += c;
            ++digits;
        } else if (c == decimalSeparator && !separator) {
            plain += '.';
            separator = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        int expDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++expDigits)
            plain += text[i];
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> TextToInt(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || !isDigit(text.front()))
            return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void ReduceForNumericExtended(std::string_view a, std::string_view b, std::string &ra, std::string &rb)
{
    ra.clear();
    rb.clear();
    // Characters both texts share at the same place go, digits excepted; at
    // the last place of the shorter text the rest of each is kept whole.
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == b[i] && !isDigit(a[i]))
            continue;
        if (i + 1 == n) {
            ra.append(a.substr(i));
            rb.append(b.substr(i));
        } else {
            ra += a[i];
            rb += b[i];
        }
    }
    // Shared trailing non-digits go as well.
    const std::size_t m = std::min(ra.size(), rb.size());
    for (std::size_t k = 0; k < m; ++k) {
        if (k >= ra.size() || k >= rb.size())
            break;
        const char ca = ra[ra.size() - 1 - k];
        const char cb = rb[rb.size() - 1 - k];
        if (ca == cb && !isDigit(ca)) {
            ra.pop_back();
            rb.pop_back();
        }
    }
}

int NumericExtended(std::string_view a, std::string_view b)
{
    // An empty text comes first; two empty texts are equal.
    if (a.empty() || b.empty())
        return a.empty() && b.empty() ? 0 : (a.empty() ? -1 : 1);
    std::string ra;
    std::string rb;
    ReduceForNumericExtended(a, b, ra, rb);
    if (ra == rb)
        return 0;
    const auto na = TextToInt(ra);
    const auto nb = TextToInt(rb);
    if (na && nb && *na != *nb)
        return *na < *nb ? -1 : 1;
    // Different texts of the same number ("01", "1") go by text order, so
    // that the order does not depend on which text is asked first.
    return TextOrder(ra, rb);
}

int CompareByStyle(const TSortKey &l, const TSortKey &r, TSortStyle style, const TCustomCompare &custom)
{
    switch (style) {
    case ssNumeric:
    case ssDateTime:
    case ssTime:
        if (l.Value && r.Value)
            return compareValues(*l.Value, *r.Value);
        return TextOrder(l.Text, r.Text);
    case ssNumericExtended:
        return NumericExtended(l.Text, r.Text);
    case ssCustom:
        return custom ? custom(l.Text, r.Text) : TextOrder(l.Text, r.Text);
    case ssAutomatic:
    case ssNormal:
        break;
    }
    return TextOrder(l.Text, r.Text);
}

bool SortsBefore(const TSortKey &l, const TSortKey &r, TSortStyle style, TSortDirection direction,
                 const TCustomCompare &custom)
{
    int result = CompareByStyle(l, r, style, custom);
    if (result == 0)
        return l.Position < r.Position;
    if (direction == sdDescending)
        result = -result;
    return result < 0;
}

} // namespace SortCompare
