#include "ChartLayout.h"

#include <gtest/gtest.h>

// The lap chart's geometry, reckoned without painting.
namespace {

struct ScaleCase
{
    double low, high;
    ChartScale expected;
};

class NiceScale : public testing::TestWithParam<ScaleCase>
{
};

TEST_P(NiceScale, RoundsOutwardsToAtMostFiveSteps)
{
    const ScaleCase &c = GetParam();
    const ChartScale scale = niceScale(c.low, c.high);
    EXPECT_NEAR(scale.low, c.expected.low, 1e-9);
    EXPECT_NEAR(scale.high, c.expected.high, 1e-9);
    EXPECT_NEAR(scale.step, c.expected.step, 1e-9);
    EXPECT_LE(scale.ticks(), 6);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scales, NiceScale, testing::Values(
    ScaleCase{ 0, 26, {  0,  30, 10}},   // a target lap of 21,9 s with room above
    ScaleCase{-2,  2, { -2,   2,  1}},   // the least ahead/behind scale
    ScaleCase{-3,  3, { -4,   4,  2}},   // 1 s steps would need six
    ScaleCase{ 0,  1, {  0,   1,  0.2}},
    ScaleCase{ 0, 100, { 0, 100, 20}},
    ScaleCase{ 5,  5, {  5,   6,  0.2}}));   // an empty range still makes a scale
// clang-format on

TEST(ChartLayout, PlacesBarsLinesAndPointsInThePlot)
{
    rundaro::LapChartData data;
    data.targetLapSeconds = 20;
    data.columns = {{0, 10.0, true, 0.5, {}}, {1, 25.0, false, -4.5, -1.0}, {2, {}, {}, {}, {}}, {3, {}, {}, {}, {}}};
    const ChartLayout layout = layOutChart(data, QRectF(10, 20, 400, 300));
    // 25 s with room above: 0 to 30 s; 4,5 s with room: -10 to +10 s.
    EXPECT_EQ(layout.seconds, (ChartScale{0, 30, 10}));
    EXPECT_EQ(layout.ahead, (ChartScale{-10, 10, 5}));
    ASSERT_EQ(layout.bars.size(), 2u); // the unmeasured laps have none
    EXPECT_EQ(layout.bars[0].kind, ChartLayout::BarKind::OnTarget);
    EXPECT_EQ(layout.bars[0].rect, QRectF(25, 220, 70, 100));
    EXPECT_EQ(layout.bars[1].kind, ChartLayout::BarKind::OverTarget);
    EXPECT_EQ(layout.bars[1].rect, QRectF(125, 70, 70, 250));
    EXPECT_EQ(layout.targetY, 120);
    EXPECT_EQ(layout.aheadLine, QPolygonF({QPointF(60, 162.5), QPointF(160, 237.5)}));
    EXPECT_EQ(layout.referenceLine, QPolygonF({QPointF(160, 185)}));

    // Without a target every bar is of one kind and there is no target line.
    data.targetLapSeconds.reset();
    for (auto &column : data.columns)
        column.onTarget.reset();
    const ChartLayout plain = layOutChart(data, QRectF(10, 20, 400, 300));
    ASSERT_EQ(plain.bars.size(), 2u);
    EXPECT_EQ(plain.bars[0].kind, ChartLayout::BarKind::NoTarget);
    EXPECT_FALSE(plain.targetY);
}

} // namespace
