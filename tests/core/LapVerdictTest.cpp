#include "LapVerdict.h"

#include <gtest/gtest.h>

using namespace rundaro;

TEST(LapVerdict, OnTargetWhenRunInTheTargetTimeOrFaster)
{
    struct Case
    {
        double seconds;
        std::int64_t targetMs;
        std::optional<bool> onTarget;
    };
    const Case cases[] = {
        {21.90, 21900, true}, {21.91, 21900, false},      {21.89, 21900, true},     {31.2, 31200, true},
        {0.0, 1, true},       {3600.001, 3600000, false}, {21.90, 0, std::nullopt}, {1.0, -500, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SegmentOnTarget(c.seconds, c.targetMs), c.onTarget)
            << c.seconds << " s against " << c.targetMs << " ms";
}
