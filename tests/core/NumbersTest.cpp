#include "Numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>

using namespace rundaro;

TEST(Round, HalvesGoToTheEvenNeighbour)
{
    struct Case
    {
        Real x;
        std::int64_t expected;
    };
    const Case cases[] = {
        {1.5L, 2},
        {2.5L, 2},
        {-0.5L, 0},
        {-1.5L, -2},
        {-2.5L, -2},
        {0.5L, 0},
        {0.4999999L, 0},
        {2.5000001L, 3},
        {21900.0L, 21900},
        {21827.24252L, 21827},
        {4294967296.5L, 4294967296LL},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Round(c.x), c.expected) << static_cast<double>(c.x);
}

TEST(Round, OutOfRangeGivesTheIndefiniteValue)
{
    constexpr auto indefinite = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(Round(1e30L), indefinite);
    EXPECT_EQ(Round(-1e30L), indefinite);
    EXPECT_EQ(Round(std::numeric_limits<Real>::quiet_NaN()), indefinite);
    EXPECT_EQ(Round(std::numeric_limits<Real>::infinity()), indefinite);
}

TEST(DivMod, TruncateTowardZeroWithTheDividendsSign)
{
    EXPECT_EQ(Div(3190, 200), 15);
    EXPECT_EQ(Mod(3190, 200), 190);
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(Mod(-7, 2), -1);
    EXPECT_EQ(Div(7, -2), -3);
    EXPECT_EQ(Mod(7, -2), 1);
    EXPECT_EQ(Mod(359, 60), 59);
    EXPECT_EQ(Div(std::numeric_limits<std::int64_t>::min(), -1), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Mod(std::numeric_limits<std::int64_t>::min(), -1), 0);
    EXPECT_THROW(Div(1, 0), std::domain_error);
    EXPECT_THROW(Mod(1, 0), std::domain_error);
}

TEST(FormatFixed, MillisecondsRoundAsTheirCountWould)
{
    // A plain printf rounds the binary value of 21.945 (just below the half)
    // down to 21.94; the 18-digit pre-rounding makes it an exact half.
    EXPECT_EQ(FormatFixed(21945 / 1000.0L, 2, ','), "21,95");
    EXPECT_EQ(FormatFixed(21950 / 1000.0L, 1, ','), "22,0");
    EXPECT_EQ(FormatFixed(21900 / 1000.0L, 1, ','), "21,9");
    EXPECT_EQ(FormatFixed(20531 / 1000.0L, 1, ','), "20,5");
    EXPECT_EQ(FormatFixed(static_cast<double>(21.945), 2, ','), "21,95");
    for (int ms = 0; ms < 100000; ms += 5) {
        // Every whole-millisecond half rounds away from zero at two decimals.
        if (ms % 10 != 5)
            continue;
        const std::int64_t hundredths = (ms + 5) / 10;
        char expected[32];
        std::snprintf(expected, sizeof expected, "%lld,%02lld", static_cast<long long>(hundredths / 100),
                      static_cast<long long>(hundredths % 100));
        ASSERT_EQ(FormatFixed(ms / 1000.0L, 2, ','), expected) << ms;
    }
}

TEST(FormatFixed, HalvesAwayFromZeroAndNoNegativeZero)
{
    struct Case
    {
        Real x;
        int decimals;
        const char *expected;
    };
    const Case cases[] = {
        {1.25L, 1, "1,3"},        {-1.25L, 1, "-1,3"},
        {0.25L, 1, "0,3"},        {2.5L, 0, "3"},
        {-2.5L, 0, "-3"},         {0.0L, 1, "0,0"},
        {-0.0L, 2, "0,00"},       {-0.04L, 1, "0,0"},
        {-0.05L, 1, "-0,1"},      {9.95L, 1, "10,0"},
        {999.96L, 1, "1000,0"},   {1e-20L, 1, "0,0"},
        {0.001L, 2, "0,00"},      {0.005L, 2, "0,01"},
        {32.7272727L, 1, "32,7"}, {32.8767123L, 2, "32,88"},
        {-21.9L, 1, "-21,9"},     {123456789.0L, 0, "123456789"},
        {1.5L, 0, "2"},           {45.0L, 1, "45,0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.decimals, ','), c.expected) << static_cast<double>(c.x);
}

TEST(FormatFixed, SeparatorDecimalsLimitAndSpecialValues)
{
    EXPECT_EQ(FormatFixed(1.5L, 1, '.'), "1.5");
    EXPECT_EQ(FormatFixed(1.5L, 30, ','), "1,500000000000000000");
    EXPECT_EQ(FormatFixed(1.5L, -3, ','), "2");
    EXPECT_EQ(FormatFixed(1e20L, 1, ','), "1,00000000000000000E+20");
    EXPECT_EQ(FormatFixed(-123456789012345678901.0L, 1, ','), "-1,23456789012345679E+20");
    EXPECT_EQ(FormatFixed(std::numeric_limits<Real>::quiet_NaN(), 1, ','), "NAN");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<Real>::infinity(), 1, ','), "-INF");
}

TEST(IntToStr, PlainDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-15), "-15");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}
