#include "LapTexts.h"

#include <gtest/gtest.h>

using namespace rundaro;

namespace {

const PlanFigures kInitial{15, 21900, 1.5L, 0, 200, "21,9", "32,88"};

} // namespace

TEST(LapTexts, MeasuredLaps)
{
    const LapResultTexts first = LapResult(23456, 23456, 200, ',');
    EXPECT_EQ(first.lapTime, "23,46");
    EXPECT_EQ(first.raceTime, "23,46");
    EXPECT_EQ(first.minSec, "0:23,46");
    EXPECT_EQ(first.speed, "30,7");
    const LapResultTexts second = LapResult(45000, 21544, 200, ',');
    EXPECT_EQ(second.lapTime, "21,54");
    EXPECT_EQ(second.raceTime, "45,00");
    EXPECT_EQ(second.minSec, "0:45,00");
    EXPECT_EQ(second.speed, "33,4");
    EXPECT_EQ(AverageSpeedText(kInitial, 2, 45000, ','), "32,0");
    EXPECT_EQ(LapResult(3665000, 60000, 400, ',').minSec, "61:05,00");
}

// 5000 m as 200 m and 12 laps of 400 m: the 200 m in 18,24 s, 1800 m
// (the 200 m and four laps) in 140,02 s.
TEST(LapTexts, APartLapIsReckonedOverItsOwnMetres)
{
    const PlanFigures race{12, 33480, 1.5L, 200, 400, "33,5", "43,01"};
    EXPECT_EQ(LapResult(18240, 18240, SegmentMetres(race, 0), ',').speed, "39,5");
    EXPECT_EQ(AverageSpeedText(race, 5, 140020, ','), "46,3");
}

TEST(LapTexts, ZeroTimesHaveNoSpeed)
{
    EXPECT_EQ(LapResult(5000, 0, 200, ',').speed, "");
    EXPECT_EQ(AverageSpeedText(kInitial, 1, 0, ','), "");
}

TEST(LapTexts, MinSecRoundsBeforeSplitting)
{
    EXPECT_EQ(MinSecText(75430, ','), "1:15,43");
    EXPECT_EQ(MinSecText(5430, ','), "0:05,43");
    EXPECT_EQ(MinSecText(59996, ','), "1:00,00");
    EXPECT_EQ(MinSecText(59994, ','), "0:59,99");
    EXPECT_EQ(MinSecText(0, ','), "0:00,00");
    EXPECT_EQ(MinSecText(-5430, ','), "-0:05,43");
}

TEST(LapTexts, InitialPlanRows)
{
    const PlanFigures &plan = kInitial;
    const PlanRowTexts start = PlanRow(plan, 0, ',');
    EXPECT_EQ(start.lapsToGo, "15");
    EXPECT_EQ(start.segmentTime, "1,5");
    EXPECT_EQ(start.targetTime, "1,50");
    EXPECT_EQ(start.minSec, "0:01,50");
    EXPECT_EQ(start.speed, "32,88");
    const PlanRowTexts first = PlanRow(plan, 1, ',');
    EXPECT_EQ(first.lapsToGo, "14");
    EXPECT_EQ(first.segmentTime, "21,9");
    EXPECT_EQ(first.targetTime, "23,40");
    EXPECT_EQ(first.minSec, "0:23,40");
    const PlanRowTexts last = PlanRow(plan, 15, ',');
    EXPECT_EQ(last.lapsToGo, "0");
    EXPECT_EQ(last.targetTime, "330,00");
    EXPECT_EQ(last.minSec, "5:30,00");
}

TEST(LapTexts, ExtraMetresOnTheStartLine)
{
    const PlanFigures plan{1, 31200, 1.0L, 100, 400, "31,2", "46,15"};
    const PlanRowTexts start = PlanRow(plan, 0, ',');
    EXPECT_EQ(start.lapsToGo, "1");
    EXPECT_EQ(start.segmentTime, "7,8");
    EXPECT_EQ(start.targetTime, "8,80");
    EXPECT_EQ(start.minSec, "0:08,80");
    const PlanRowTexts lap = PlanRow(plan, 1, ',');
    EXPECT_EQ(lap.segmentTime, "31,2");
    EXPECT_EQ(lap.targetTime, "40,00"); // the extra metres' time carried on
    EXPECT_EQ(lap.minSec, "0:40,00");
    // 9999 extra metres on a 10 km lap: the product needs 64 bits.
    const PlanFigures longLap{1, 5000000, 0.0L, 9999, 10000, "5000,0", "7,20"};
    EXPECT_EQ(PlanRow(longLap, 0, ',').segmentTime, "4999,5");
}
