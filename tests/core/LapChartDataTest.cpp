#include "LapChartData.h"
#include "RaceRecord.h"

#include <gtest/gtest.h>

using namespace rundaro;

TEST(LapChartData, LapsAreOnTargetAsTheLapTableColoursThem)
{
    // The table compares the lap as shown, to hundredths, with the target.
    struct Case
    {
        std::int32_t lap;
        std::int32_t target;
        std::optional<bool> on;
    };
    const Case cases[] = {
        {21900, 21900, true},  {21904, 21900, true}, {21905, 21900, false},
        {21910, 21900, false}, {15000, 21900, true}, {21900, 0, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LapOnTarget(c.lap, c.target), c.on) << c.lap << " against " << c.target;
}

TEST(LapChartData, ColumnsFollowTheScheduleLinesAPassingCloses)
{
    // Lap length 400, 1 lap, extra 100 m, target lap 31200 ms, allowance 1,0 s:
    // the extra metres are due at 8,80 s and the lap at 40,00 s.
    PlanFigures plan;
    plan.laps = 1;
    plan.targetLapMs = 31200;
    plan.allowanceSeconds = 1;
    plan.extraMetres = 100;
    plan.lapLength = 400;
    const LapChartData schedule = ChartOfRace(plan, nullptr);
    ASSERT_EQ(schedule.columns.size(), 2u);
    EXPECT_EQ(schedule.columns[0].lap, 0);
    EXPECT_FALSE(schedule.columns[0].lapSeconds);
    EXPECT_EQ(schedule.targetLapSeconds, 31.2);

    RaceRecord race;
    race.Start({plan, 500, 40}, 4294960000u); // across the tick counter's wrap
    race.AddPassing(4294960000u + 9000);
    const LapChartData data = ChartOfRace(plan, &race);
    EXPECT_EQ(data.columns[0].lapSeconds, 9.0);
    EXPECT_EQ(data.columns[0].onTarget, false); // 9,00 s against its own 8,80 s
    EXPECT_DOUBLE_EQ(*data.columns[0].aheadSeconds, -0.2);
    EXPECT_FALSE(data.columns[1].lapSeconds);

    race.AddPassing(4294960000u + 40000, true);
    const LapChartData done = ChartOfRace(plan, &race);
    EXPECT_EQ(done.columns[1].lapSeconds, 31.0);
    EXPECT_EQ(done.columns[1].onTarget, true);
    EXPECT_DOUBLE_EQ(*done.columns[1].aheadSeconds, 0.0);
}
