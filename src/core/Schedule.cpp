#include "Schedule.h"

#include <algorithm>

namespace rundaro {

TimeParts SplitRaceTime(std::int32_t raceMs)
{
    const std::int32_t cs = raceMs / 10;
    return {(cs / 6000) % 60, (cs / 100) % 60, cs % 100};
}

std::int64_t ExtraMs(const PlanFigures &plan)
{
    if (plan.extraMetres <= 0 || plan.lapLength <= 0)
        return 0;
    // 64-bit product: long laps with many extra metres overflow 32 bits.
    return Div(plan.extraMetres * plan.targetLapMs, plan.lapLength);
}

std::int64_t PlanTargetMs(const PlanFigures &plan, std::int64_t lap)
{
    return Round(plan.allowanceSeconds * 1000) + ExtraMs(plan) + lap * plan.targetLapMs;
}

std::int64_t FirstPassingLine(const PlanFigures &plan)
{
    return plan.extraMetres != 0 ? 0 : 1;
}

std::int64_t SegmentTargetMs(const PlanFigures &plan, std::int64_t lap)
{
    return lap == FirstPassingLine(plan) ? PlanTargetMs(plan, lap) : plan.targetLapMs;
}

std::int64_t SegmentMetres(const PlanFigures &plan, std::int64_t lap)
{
    return lap == 0 && plan.extraMetres != 0 ? plan.extraMetres : plan.lapLength;
}

std::int64_t MetresCovered(const PlanFigures &plan, std::int64_t passings)
{
    if (passings <= 0)
        return 0;
    if (plan.extraMetres != 0)
        return plan.extraMetres + (passings - 1) * plan.lapLength;
    return passings * plan.lapLength;
}

std::int32_t LapsDue(std::int32_t raceMs, const PlanFigures &plan)
{
    const std::int32_t lapMs = plan.targetLapMs;
    if (lapMs <= 0)
        return 0;
    // Before the first passing is half a lap overdue the count would go
    // below 0 when the allowance and the extra metres take more than half a
    // lap: the panel never shows more laps than the race has.
    const std::int64_t sinceHalfLap = std::int64_t(raceMs) - PlanTargetMs(plan, 0) - lapMs / 2;
    return static_cast<std::int32_t>(std::max<std::int64_t>(0, Div(sinceHalfLap, lapMs)));
}

std::int32_t LapsRun(std::int32_t passings, std::int64_t extraMetres)
{
    return std::max(0, passings - (extraMetres != 0 ? 1 : 0));
}

std::optional<std::int32_t> AheadBehindSeconds(std::int32_t raceMs, const PlanFigures &plan)
{
    const std::int32_t lapMs = plan.targetLapMs;
    if (lapMs <= 0)
        return std::nullopt;
    const std::int32_t half = lapMs / 2;
    const std::int64_t shift = PlanTargetMs(plan, 0) + 500;
    // In 64 bits: half a lap added to a race time near 2^31 ms must not
    // wrap, or the last half lap of the longest race shows a countdown to
    // no passing at all.
    const std::int64_t r = Mod(std::int64_t(half) + raceMs - shift, lapMs);
    const std::int64_t ms = half - r;
    return static_cast<std::int32_t>(Round(Real(ms) / 1000));
}

std::string AheadBehindText(std::int32_t seconds)
{
    return (seconds > 0 ? "+" : "") + IntToStr(seconds);
}

} // namespace rundaro
