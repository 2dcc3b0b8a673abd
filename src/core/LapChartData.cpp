#include "LapChartData.h"

#include "RaceRecord.h"

namespace rundaro {

namespace {

// Hundredths of a second, halves away from zero, as "%1.2f" shows them.
std::int64_t Hundredths(std::int64_t ms)
{
    return ms >= 0 ? (ms + 5) / 10 : -((-ms + 5) / 10);
}

} // namespace

std::optional<bool> LapOnTarget(std::int32_t lapMs, std::int32_t targetLapMs)
{
    if (targetLapMs <= 0)
        return std::nullopt;
    return std::int64_t(targetLapMs) >= Hundredths(lapMs) * 10;
}

LapChartData ChartOfRace(const PlanFigures &plan, const RaceRecord *race)
{
    LapChartData data;
    const bool extra = plan.extraMetres != 0;
    if (plan.targetLapMs > 0)
        data.targetLapSeconds = double(plan.targetLapMs) / 1000;
    const std::int64_t first = extra ? 0 : 1;
    for (std::int64_t lap = first; lap <= plan.laps; ++lap)
        data.columns.push_back({lap, {}, {}, {}});
    if (!race)
        return data;
    const int passings = std::min(race->Passings(), int(data.columns.size()));
    for (int i = 0; i < passings; ++i) {
        LapChartData::Column &column = data.columns[std::size_t(i)];
        column.lapSeconds = double(Hundredths(race->LapMs(i))) / 100;
        column.onTarget = LapOnTarget(race->LapMs(i), plan.targetLapMs);
        if (plan.targetLapMs > 0)
            column.aheadSeconds = double(PlanTargetMs(plan, column.lap) - race->RaceMs(i)) / 1000;
    }
    return data;
}

} // namespace rundaro
