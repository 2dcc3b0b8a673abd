#pragma once

#include "LapTexts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rundaro {

class RaceRecord;

// What the lap chart shows, reckoned from the plan and the race record: one
// column per line of the schedule that a passing closes (the extra metres,
// when there are any, then each whole lap), the measured lap times with the
// lap table's colouring, the target lap time and how far ahead of (+) or
// behind (-) the schedule each passing was. It draws nothing.
struct LapChartData
{
    struct Column
    {
        std::int64_t lap = 0; // schedule line: 0 for the extra metres
        std::optional<double> lapSeconds; // measured, rounded to hundredths as the table shows it
        std::optional<bool> onTarget; // empty without a target lap time
        std::optional<double> aheadSeconds; // target race time less measured race time
        std::optional<double> referenceAheadSeconds; // a reference race's time less measured race time
    };
    std::vector<Column> columns;
    std::optional<double> targetLapSeconds; // empty without a target lap time
    // The legend's names of the two lines of gaps: this race's against the
    // schedule and the second one's; empty: the chart's own names (the
    // schedule's gap, a compared race). A pair names its two skaters.
    std::string aheadName;
    std::string referenceName;
};

// A segment is on target, as the lap table colours it, when its time rounded
// to hundredths is at most its target time (SegmentOnTarget on the time the
// table shows); empty without a target.
std::optional<bool> LapOnTarget(std::int32_t lapMs, std::int64_t targetMs);

// The chart of `race`, or only the schedule of `plan` when `race` is null.
LapChartData ChartOfRace(const PlanFigures &plan, const RaceRecord *race);

} // namespace rundaro
