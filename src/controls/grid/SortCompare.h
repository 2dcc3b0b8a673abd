#pragma once

#include "SortStyles.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The comparisons by which the grid orders its rows, free of any toolkit so
// that they can be checked on their own. Texts are UTF-8, so that comparing
// them byte by byte orders them by character code.
namespace SortCompare {

// One data row's key in a sorting pass.
struct SortKey
{
    std::string Text; // folded to lower case unless case-sensitive
    std::optional<double> Value; // the converted text, for the styles that convert
    int Position = 0; // the row's position before the pass
};

// The owner's comparison for ssCustom: negative, zero or positive.
using TCustomCompare = std::function<int(const std::string &, const std::string &)>;

// Folds the letters A-Z to a-z and leaves every other byte alone.
void FoldAsciiLower(std::string &text);

// Byte order as unsigned values; a prefix comes before the longer text.
int TextOrder(std::string_view a, std::string_view b);

// A floating-point number with the given decimal separator: blanks around
// it, an optional sign, digits with at most one separator, an optional
// exponent. No thousands separators; nothing else.
std::optional<double> TextToFloat(std::string_view text, char decimalSeparator);

// A 32-bit integer: an optional sign and decimal digits, nothing else.
std::optional<std::int32_t> TextToInt(std::string_view text);

// Compares texts by the numbers in them: each text is read as runs of
// digits and runs of other characters (signs included, so "-9" comes before
// "-10"); runs are compared in turn, numbers by value and other runs by text
// order, and a text whose runs end first comes first. Texts of the same
// runs go by text order. An empty text comes first.
int NumericExtended(std::string_view a, std::string_view b);

// The comparison of one style, before the tie-break and the direction. The
// styles that convert put empty texts first, then the converted texts by
// value, then the rest in text order.
int CompareByStyle(const SortKey &l, const SortKey &r, TSortStyle style, const TCustomCompare &custom);

// Whether l sorts before r: the style's comparison, reversed for
// sdDescending; equal keys keep their positions in either direction.
bool SortsBefore(const SortKey &l, const SortKey &r, TSortStyle style, TSortDirection direction,
                 const TCustomCompare &custom);

} // namespace SortCompare
