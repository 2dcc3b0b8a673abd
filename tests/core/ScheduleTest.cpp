#include "Schedule.h"

#include <gtest/gtest.h>

using namespace rundaro;

// Initial plan: 15 laps, target lap 21900 ms, allowance 1,5 s.
constexpr std::int32_t kLap = 21900;
constexpr Real kAllowance = 1.5L;

TEST(Schedule, LapsDueChangeHalfALapAfterEachPassing)
{
    EXPECT_EQ(LapsDue(0, kLap, kAllowance), 0);
    EXPECT_EQ(LapsDue(34349, kLap, kAllowance), 0);
    EXPECT_EQ(LapsDue(34350, kLap, kAllowance), 1);
    EXPECT_EQ(LapsDue(319049, kLap, kAllowance), 13);
    EXPECT_EQ(LapsDue(319050, kLap, kAllowance), 14);
    EXPECT_EQ(LapsDue(400000, kLap, kAllowance), 17); // past the schedule: laps to go below zero
    EXPECT_EQ(LapsDue(123456, 0, kAllowance), 0);
}

TEST(Schedule, AheadBehindCountsDownToEachPassing)
{
    struct Case { std::int32_t t; std::int32_t shown; };
    const Case cases[] = {
        {0, 2}, {500, 2}, {501, 1}, {1499, 1}, {1500, 0}, {2500, 0}, {2501, -1},
        {3499, -1}, {3500, -2}, {12949, -11}, {12950, 11}, {23400, 0}, {34850, 11},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AheadBehindSeconds(c.t, kLap, kAllowance), c.shown) << c.t;
    EXPECT_EQ(AheadBehindSeconds(1000, 0, kAllowance), std::nullopt);
}

// Half a lap added to a race time within half a lap of 2^31 ms wrapped
// around in 32 bits, and the longest race showed +15 where +10 was due.
TEST(Schedule, AheadBehindInTheLastHalfLapOfTheLongestRace)
{
    struct Case { std::int32_t t; std::int32_t shown; };
    const Case cases[] = {
        {2147472696, 0}, {2147472697, 0}, {2147478647, -6}, {2147483647, 10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AheadBehindSeconds(c.t, kLap, kAllowance), c.shown) << c.t;
}

TEST(Schedule, AheadBehindText)
{
    EXPECT_EQ(AheadBehindText(3), "+3");
    EXPECT_EQ(AheadBehindText(0), "0");
    EXPECT_EQ(AheadBehindText(-2), "-2");
}

TEST(Schedule, SplitRaceTimeWrapsMinutesAtTheHour)
{
    const TimeParts a = SplitRaceTime(61 * 60000 + 5000);
    EXPECT_EQ(a.minutes, 1);
    EXPECT_EQ(a.seconds, 5);
    EXPECT_EQ(a.hundredths, 0);
    const TimeParts b = SplitRaceTime(23459);
    EXPECT_EQ(b.minutes, 0);
    EXPECT_EQ(b.seconds, 23);
    EXPECT_EQ(b.hundredths, 45); // the display truncates
}
