#include "SortCompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace SortCompare;

namespace {

int signOf(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

SortKey key(std::string text, int position, std::optional<double> value = std::nullopt)
{
    return SortKey{std::move(text), value, position};
}

} // namespace

TEST(SortCompareTest, TextOrderIsUnsignedBytesWithPrefixFirst)
{
    EXPECT_LT(TextOrder("10", "9"), 0);
    EXPECT_LT(TextOrder("ab", "abc"), 0);
    EXPECT_GT(TextOrder("b", "abc"), 0);
    EXPECT_EQ(TextOrder("abc", "abc"), 0);
    EXPECT_LT(TextOrder("z", "\xc3\xa4"), 0); // a byte above 127 sorts after ASCII
    EXPECT_LT(TextOrder("", "a"), 0);
}

TEST(SortCompareTest, FoldingTouchesOnlyAToZ)
{
    std::string text = "ABC xyz \xc3\x84\xc3\x96 [Z]";
    FoldAsciiLower(text);
    EXPECT_EQ(text, "abc xyz \xc3\x84\xc3\x96 [z]");
}

TEST(SortCompareTest, TextToFloatWithTheGivenSeparator)
{
    struct Case
    {
        const char *text;
        char separator;
        std::optional<double> expected;
    } const cases[] = {
        {"1,5", ',', 1.5},
        {" 2 ", ',', 2.0},
        {"-,5", ',', -0.5},
        {"+3", ',', 3.0},
        {"1e3", ',', 1000.0},
        {"1,5E-1", ',', 0.15},
        {"1.5", '.', 1.5},
        {"1.5", ',', std::nullopt},
        {"", ',', std::nullopt},
        {",", ',', std::nullopt},
        {"1,5e", ',', std::nullopt},
        {"abc", ',', std::nullopt},
        {"1 000", ',', std::nullopt},
        {"1e400", ',', std::nullopt},
        {"1,2,3", ',', std::nullopt},
        {"--1", ',', std::nullopt},
    };
    for (const Case &c : cases) {
        const auto value = TextToFloat(c.text, c.separator);
        ASSERT_EQ(value.has_value(), c.expected.has_value()) << c.text;
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *c.expected) << c.text;
        }
    }
}

TEST(SortCompareTest, TextToIntTakesSignAndDigitsOnly)
{
    EXPECT_EQ(TextToInt("12"), 12);
    EXPECT_EQ(TextToInt("-3"), -3);
    EXPECT_EQ(TextToInt("+4"), 4);
    EXPECT_EQ(TextToInt("007"), 7);
    EXPECT_FALSE(TextToInt("+-4"));
    EXPECT_FALSE(TextToInt(""));
    EXPECT_FALSE(TextToInt("-"));
    EXPECT_FALSE(TextToInt("1a"));
    EXPECT_FALSE(TextToInt(" 1"));
    EXPECT_FALSE(TextToInt("2147483648"));
    EXPECT_EQ(TextToInt("2147483647"), 2147483647);
}

TEST(SortCompareTest, NumericExtendedOrder)
{
    struct Case
    {
        const char *a, *b;
        int expected;
    } const cases[] = {
        {"item2", "item10", -1},
        {"item10", "item2", 1},
        {"a2b", "a10b", -1},
        {"v1.9", "v1.10", -1},
        {"10", "9", 1},
        {"-5", "3", -1},
        {"abc", "abd", -1},
        {"ab", "abc", -1},
        {"", "x", -1},
        {"x", "", 1},
        {"", "", 0},
        {"x01", "x1", -1},
        {"x1", "x01", 1},
        {"same", "same", 0},
        {"x-1", "x-2", -1},
        {"-9", "-10", -1},
        {"1-2", "1-10", -1},
        {"a99999999999", "a100000000000", -1},
        {"1,5", "1.5", -1},
        {"+2", "+10", -1},
        {"-1", "1", -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(signOf(NumericExtended(c.a, c.b)), c.expected) << c.a << " / " << c.b;
}

TEST(SortCompareTest, NumericExtendedIsAntisymmetric)
{
    const std::vector<std::string> texts{"",  "a",  "a1",  "a01", "a10", "b2",  "item2", "item10", "x-1",
                                         "1", "01", "abc", "ab",  "2a",  "10a", "1.5",   "1,5"};
    for (const auto &a : texts)
        for (const auto &b : texts)
            EXPECT_EQ(signOf(NumericExtended(a, b)), -signOf(NumericExtended(b, a))) << a << " / " << b;
}

// Comparing only what two texts do not share ordered "a" before "b", "b"
// before "1b" and "1b" before "a", and made "ab" equal to both "abc" and
// "abd"; a sort over such texts depended on the order it asked in.
TEST(SortCompareTest, NumericExtendedOrdersEveryTripleConsistently)
{
    const std::vector<std::string> texts{"",  "a",  "b",  "1b",  "ab", "abc", "abd", "a1", "a01", "a10", "b2",
                                         "-", "-1", "-a", "x-1", "1",  "01",  "10a", "2a", "1.5", "1,5", "9b"};
    for (const auto &a : texts)
        for (const auto &b : texts)
            for (const auto &c : texts)
                if (NumericExtended(a, b) <= 0 && NumericExtended(b, c) <= 0) {
                    EXPECT_LE(NumericExtended(a, c), 0) << a << " / " << b << " / " << c;
                }
    EXPECT_LT(NumericExtended("a", "b"), 0);
    EXPECT_LT(NumericExtended("1b", "a"), 0);
    EXPECT_LT(NumericExtended("1b", "b"), 0);
}

// Value order for some keys and text order for others made a cycle: 2 before
// 10 by value, 10 before "1a" and "1a" before 2 by text.
TEST(SortCompareTest, ConvertingStylesPutConvertedTextsFirst)
{
    const SortKey two = key("2", 1, 2.0);
    const SortKey ten = key("10", 2, 10.0);
    const SortKey word = key("1a", 3);
    const SortKey bang = key("!", 4);
    for (TSortStyle style : {ssNumeric, ssDateTime, ssTime}) {
        EXPECT_LT(CompareByStyle(two, ten, style, {}), 0);
        EXPECT_LT(CompareByStyle(ten, word, style, {}), 0);
        EXPECT_LT(CompareByStyle(two, word, style, {}), 0);
        EXPECT_GT(CompareByStyle(bang, ten, style, {}), 0);
        EXPECT_LT(CompareByStyle(bang, word, style, {}), 0);
    }
}

TEST(SortCompareTest, ConvertingStylesFallBackToTextOrder)
{
    const SortKey nine = key("9", 1, 9.0);
    const SortKey ten = key("10", 2, 10.0);
    const SortKey word = key("x", 3);
    EXPECT_LT(CompareByStyle(nine, ten, ssNumeric, {}), 0);
    EXPECT_GT(CompareByStyle(nine, ten, ssNormal, {}), 0);
    EXPECT_GT(CompareByStyle(nine, ten, ssAutomatic, {}), 0);
    EXPECT_LT(CompareByStyle(ten, word, ssNumeric, {}), 0);
    EXPECT_LT(CompareByStyle(nine, ten, ssDateTime, {}), 0);
    EXPECT_LT(CompareByStyle(nine, ten, ssTime, {}), 0);
    EXPECT_LT(CompareByStyle(nine, ten, ssNumericExtended, {}), 0);
}

TEST(SortCompareTest, CustomComparisonDecides)
{
    const TCustomCompare byLength = [](const std::string &a, const std::string &b) {
        return static_cast<int>(a.size()) - static_cast<int>(b.size());
    };
    EXPECT_LT(CompareByStyle(key("zz", 1), key("aaa", 2), ssCustom, byLength), 0);
    EXPECT_EQ(CompareByStyle(key("zz", 1), key("aa", 2), ssCustom, byLength), 0);
    EXPECT_GT(CompareByStyle(key("zz", 1), key("aa", 2), ssCustom, {}), 0); // none given: text order
}

TEST(SortCompareTest, TiesKeepPositionsInBothDirections)
{
    const SortKey first = key("same", 1);
    const SortKey second = key("same", 2);
    for (TSortDirection d : {sdAscending, sdDescending}) {
        EXPECT_TRUE(SortsBefore(first, second, ssNormal, d, {}));
        EXPECT_FALSE(SortsBefore(second, first, ssNormal, d, {}));
    }
    EXPECT_TRUE(SortsBefore(key("a", 2), key("b", 1), ssNormal, sdAscending, {}));
    EXPECT_TRUE(SortsBefore(key("b", 2), key("a", 1), ssNormal, sdDescending, {}));
}

TEST(SortCompareTest, StableSortWithTheComparison)
{
    std::vector<SortKey> keys{key("item10", 1), key("item2", 2), key("item1", 3), key("item2", 4)};
    std::stable_sort(keys.begin(), keys.end(), [](const SortKey &l, const SortKey &r) {
        return SortsBefore(l, r, ssNumericExtended, sdAscending, {});
    });
    std::vector<int> positions;
    for (const auto &k : keys)
        positions.push_back(k.Position);
    EXPECT_EQ(positions, (std::vector<int>{3, 2, 4, 1}));
}
