#include "Schedule.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rundaro;

// Initial plan: 15 laps of 200 m, target lap 21900 ms, allowance 1,5 s.
const PlanFigures kInitial{15, 21900, 1.5L, 0, 200, "21,9", "32,88"};

PlanFigures withoutTarget(PlanFigures plan)
{
    plan.targetLapMs = 0;
    return plan;
}

TEST(Schedule, LapsDueChangeHalfALapAfterEachPassing)
{
    EXPECT_EQ(LapsDue(0, kInitial), 0);
    EXPECT_EQ(LapsDue(34349, kInitial), 0);
    EXPECT_EQ(LapsDue(34350, kInitial), 1);
    EXPECT_EQ(LapsDue(319049, kInitial), 13);
    EXPECT_EQ(LapsDue(319050, kInitial), 14);
    EXPECT_EQ(LapsDue(400000, kInitial), 17); // past the schedule: laps to go below zero
    EXPECT_EQ(LapsDue(123456, withoutTarget(kInitial)), 0);
}

TEST(Schedule, AheadBehindCountsDownToEachPassing)
{
    struct Case
    {
        std::int32_t t;
        std::int32_t shown;
    };
    const Case cases[] = {
        {0, 2},     {500, 2},   {501, 1},     {1499, 1},   {1500, 0},  {2500, 0},   {2501, -1},
        {3499, -1}, {3500, -2}, {12949, -11}, {12950, 11}, {23400, 0}, {34850, 11},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AheadBehindSeconds(c.t, kInitial), c.shown) << c.t;
    EXPECT_EQ(AheadBehindSeconds(1000, withoutTarget(kInitial)), std::nullopt);
}

// Half a lap added to a race time within half a lap of 2^31 ms wrapped
// around in 32 bits, and the longest race showed +15 where +10 was due.
TEST(Schedule, AheadBehindInTheLastHalfLapOfTheLongestRace)
{
    struct Case
    {
        std::int32_t t;
        std::int32_t shown;
    };
    const Case cases[] = {
        {2147472696, 0},
        {2147472697, 0},
        {2147478647, -6},
        {2147483647, 10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AheadBehindSeconds(c.t, kInitial), c.shown) << c.t;
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

// Races that start with a part lap: the extra metres' share of the target
// lap is in every line of the schedule, so the last line is the target time
// and a skater exactly on pace is never ahead or behind at a line.
TEST(Schedule, PartLapRacesEndAtTheTargetTimeAndReadZeroOnPace)
{
    struct Race
    {
        const char *name;
        PlanFigures plan;
        std::int64_t targetMs;
        std::int64_t lastMs;
    };
    const Race races[] = {
        {"500 m on 400 m", {1, 31200, 1.0L, 100, 400, "", ""}, 40000, 40000},
        {"1000 m on 400 m", {2, 31400, 1.5L, 200, 400, "", ""}, 80000, 80000},
        {"1500 m on 400 m", {3, 32933, 1.5L, 300, 400, "", ""}, 125000, 124998},
        {"5000 m on 400 m", {12, 33480, 1.5L, 200, 400, "", ""}, 420000, 420000},
        {"500 m on 200 m", {2, 16400, 1.0L, 100, 200, "", ""}, 42000, 42000},
    };
    for (const Race &race : races) {
        const PlanFigures &plan = race.plan;
        const std::int32_t half = plan.targetLapMs / 2;
        EXPECT_EQ(PlanTargetMs(plan, plan.laps), race.lastMs) << race.name;
        EXPECT_NEAR(double(race.lastMs), double(race.targetMs), 5.0) << race.name;
        EXPECT_EQ(LapsDue(0, plan), 0) << race.name;
        for (std::int64_t line = 0; line <= plan.laps; ++line) {
            const auto at = std::int32_t(PlanTargetMs(plan, line));
            EXPECT_EQ(AheadBehindSeconds(at, plan), 0) << race.name << ", line " << line;
            EXPECT_EQ(LapsDue(at + half, plan), line) << race.name << ", line " << line;
            EXPECT_EQ(LapsDue(at + half - 1, plan), std::max<std::int64_t>(line - 1, 0)) << race.name;
        }
    }
}

// The 5000 m (12 laps of 400 m and 200 m, 7:00, allowance 1,5 s): the 200 m
// are due at 18,24 s, each lap 33,48 s later.
TEST(Schedule, SegmentsAreReckonedOverTheirOwnLengthAndTarget)
{
    const PlanFigures race{12, 33480, 1.5L, 200, 400, "33,5", "43,01"};
    struct Case
    {
        const PlanFigures *plan;
        std::int64_t line;
        std::int64_t metres;
        std::int64_t targetMs;
    };
    const Case cases[] = {
        {&race, 0, 200, 18240}, // the part lap, timed from START
        {&race, 1, 400, 33480},     {&race, 12, 400, 33480},
        {&kInitial, 1, 200, 23400}, // the first whole lap carries the allowance
        {&kInitial, 2, 200, 21900},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(SegmentMetres(*c.plan, c.line), c.metres) << c.line;
        EXPECT_EQ(SegmentTargetMs(*c.plan, c.line), c.targetMs) << c.line;
    }
    EXPECT_EQ(MetresCovered(race, 0), 0);
    EXPECT_EQ(MetresCovered(race, 5), 1800);
    EXPECT_EQ(MetresCovered(kInitial, 5), 1000);
}
