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

// The group of a key in the styles that convert: empty, converted, other.
int convertingRank(const SortKey &key)
{
    if (key.Text.empty())
        return 0;
    return key.Value ? 1 : 2;
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

namespace {

// One piece of a text as NumericExtended sees it: a run of digits or a run
// of other characters. Signs are characters like any other, so "-9" comes
// before "-10" as "item9" comes before "item10".
struct Piece
{
    bool number = false;
    std::string_view text; // the digits without leading zeros, or the characters
};

// The next piece of `text` from `at`, which it moves past the piece.
Piece nextPiece(std::string_view text, std::size_t &at)
{
    Piece piece;
    const std::size_t start = at;
    if (isDigit(text[at])) {
        piece.number = true;
        while (at < text.size() && text[at] == '0')
            ++at;
        const std::size_t digits = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        piece.text = text.substr(digits, at - digits);
        return piece;
    }
    while (at < text.size() && !isDigit(text[at]))
        ++at;
    piece.text = text.substr(start, at - start);
    return piece;
}

// Magnitudes given as digits without leading zeros, of any length.
int compareMagnitudes(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return TextOrder(a, b);
}

// The place of a piece among pieces of the other kind: a number stands where
// its first character does in byte order, every digit counting as '0'.
int pieceClass(const Piece &p)
{
    if (p.number)
        return 2 * '0';
    return 2 * static_cast<unsigned char>(p.text.front()) + 1;
}

int comparePieces(const Piece &a, const Piece &b)
{
    if (a.number && b.number)
        return compareMagnitudes(a.text, b.text);
    if (a.number != b.number)
        return pieceClass(a) < pieceClass(b) ? -1 : 1;
    return TextOrder(a.text, b.text);
}

} // namespace

int NumericExtended(std::string_view a, std::string_view b)
{
    // An empty text comes first; two empty texts are equal.
    if (a.empty() || b.empty())
        return a.empty() && b.empty() ? 0 : (a.empty() ? -1 : 1);
    // Piece by piece: numbers by their value, other runs by text order, a
    // text that ends first before the longer one. This orders any set of
    // texts consistently, which a comparison of what two texts do not share
    // cannot: it would put "a" before "b", "b" before "1b" and "1b" before "a".
    std::size_t ia = 0;
    std::size_t ib = 0;
    while (ia < a.size() && ib < b.size()) {
        const int order = comparePieces(nextPiece(a, ia), nextPiece(b, ib));
        if (order != 0)
            return order;
    }
    if (ia < a.size() || ib < b.size())
        return ia < a.size() ? 1 : -1;
    // Different texts of the same numbers ("01", "1") go by text order, so
    // that the order does not depend on which text is asked first.
    return TextOrder(a, b);
}

int CompareByStyle(const SortKey &l, const SortKey &r, TSortStyle style, const TCustomCompare &custom)
{
    switch (style) {
    case ssNumeric:
    case ssDateTime:
    case ssTime: {
        // Empty texts first, then the texts that convert, by value, then the
        // rest in text order. Mixing value and text order pair by pair could
        // put 2 before 10, 10 before "1a" and "1a" before 2.
        const int lr = convertingRank(l);
        const int rr = convertingRank(r);
        if (lr != rr)
            return lr < rr ? -1 : 1;
        if (lr == 1)
            return compareValues(*l.Value, *r.Value);
        return TextOrder(l.Text, r.Text);
    }
    case ssNumericExtended: return NumericExtended(l.Text, r.Text);
    case ssCustom: return custom ? custom(l.Text, r.Text) : TextOrder(l.Text, r.Text);
    case ssAutomatic:
    case ssNormal: break;
    }
    return TextOrder(l.Text, r.Text);
}

bool SortsBefore(const SortKey &l, const SortKey &r, TSortStyle style, TSortDirection direction,
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
