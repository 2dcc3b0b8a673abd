#include "LapChartData.h"

#include "LapVerdict.h"
#include "RaceRecord.h"

namespace rundaro {

namespace {

// Hundredths of a second, halves away from zero, as "%1.2f" shows them.
std::int64_t Hundredths(std::int64_t ms)
{
    return ms >= 0 ? (ms + 5) / 10 : -((-ms + 5) / 10);
}

} // namespace

std::optional<bool> LapOnTarget(std::int32_t lapMs, std::int64_t targetMs)
{
    // The lap as the table shows it, to hundredths, against the table's rule.
    return SegmentOnTarget(double(Hundredths(lapMs)) / 100, targetMs);
}

LapChartData ChartOfRace(const PlanFigures &plan, const RaceRecord *race)
{
    LapChartData data;
    if (plan.targetLapMs > 0)
        data.targetLapSeconds = double(plan.targetLapMs) / 1000;
    for (std::int64_t lap = FirstPassingLine(plan); lap <= plan.laps; ++lap)
        data.columns.push_back({lap, {}, {}, {}, {}});
    if (!race)
        return data;
    const int passings = std::min(race->Passings(), int(data.columns.size()));
    for (int i = 0; i < passings; ++i) {
        LapChartData::Column &column = data.columns[std::size_t(i)];
        column.lapSeconds = double(Hundredths(race->LapMs(i))) / 100;
        // Without a target lap there is no schedule to be measured against.
        if (plan.targetLapMs > 0) {
            column.onTarget = LapOnTarget(race->LapMs(i), SegmentTargetMs(plan, column.lap));
            column.aheadSeconds = double(PlanTargetMs(plan, column.lap) - race->RaceMs(i)) / 1000;
        }
    }
    return data;
}

} // namespace rundaro
