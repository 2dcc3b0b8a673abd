// The grid's sort comparisons on arbitrary texts: they must order any set of
// texts consistently, or a sort over them depends on the order in which it
// happens to ask. For every pair the comparison must be antisymmetric, for
// every triple transitive (equal included), and a stable sort with the
// grid's own tie-break must leave every neighbour pair in order.
//
// Input: the first byte picks the style (ssNormal, ssNumeric,
// ssNumericExtended, the same three with case folding); the rest is up to
// 24 texts separated by newlines.

#include "SortCompare.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace SortCompare;

namespace {

constexpr std::size_t kMaxTexts = 24;

int signOf(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

[[noreturn]] void fail(const char *what, const std::vector<const SortKey *> &keys)
{
    std::fprintf(stderr, "%s:", what);
    for (const SortKey *k : keys)
        std::fprintf(stderr, " [%s]", k->Text.c_str());
    std::fprintf(stderr, "\n");
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static constexpr TSortStyle kStyles[] = {ssNormal, ssNumeric, ssNumericExtended};
    const TSortStyle style = kStyles[data[0] % 3];
    const bool fold = (data[0] / 3) % 2 == 1;

    std::vector<SortKey> keys;
    std::string text;
    auto add = [&] {
        if (keys.size() == kMaxTexts)
            return;
        SortKey key;
        key.Text = text;
        if (fold)
            FoldAsciiLower(key.Text);
        if (style == ssNumeric)
            key.Value = TextToFloat(key.Text, ',');
        key.Position = static_cast<int>(keys.size()) + 1;
        keys.push_back(std::move(key));
        text.clear();
    };
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == '\n')
            add();
        else
            text += static_cast<char>(data[i]);
    }
    add();

    auto cmp = [&](const SortKey &a, const SortKey &b) { return signOf(CompareByStyle(a, b, style, {})); };
    for (const SortKey &a : keys) {
        if (cmp(a, a) != 0)
            fail("not equal to itself", {&a});
        for (const SortKey &b : keys) {
            const int ab = cmp(a, b);
            if (ab != -cmp(b, a))
                fail("not antisymmetric", {&a, &b});
            if (ab > 0)
                continue;
            for (const SortKey &c : keys) {
                const int bc = cmp(b, c);
                if (bc > 0)
                    continue;
                const int ac = cmp(a, c);
                if (ac > 0 || (ab < 0 || bc < 0) != (ac < 0))
                    fail("not transitive", {&a, &b, &c});
            }
        }
    }

    for (TSortDirection direction : {sdAscending, sdDescending}) {
        std::vector<SortKey> sorted = keys;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](const SortKey &l, const SortKey &r) { return SortsBefore(l, r, style, direction, {}); });
        for (std::size_t i = 1; i < sorted.size(); ++i) {
            if (SortsBefore(sorted[i], sorted[i - 1], style, direction, {}))
                fail("neighbours out of order", {&sorted[i - 1], &sorted[i]});
        }
        std::vector<int> positions;
        for (const SortKey &k : sorted)
            positions.push_back(k.Position);
        std::sort(positions.begin(), positions.end());
        for (std::size_t i = 0; i < positions.size(); ++i)
            if (positions[i] != static_cast<int>(i) + 1)
                fail("rows lost or doubled", {});
    }
    return 0;
}
