#include "Schedule.h"

#include <algorithm>

namespace rundaro {

TimeParts SplitRaceTime(std::int32_t raceMs)
{
    const std::int32_t cs = raceMs / 10;
    return {(cs / 6000) % 60, (cs / 100) % 60, cs % 100};
}

std::int32_t LapsDue(std::int32_t raceMs, std::int32_t targetLapMs, Real allowanceSeconds)
{
    if (targetLapMs <= 0)
        return 0;
    const std::int32_t half = targetLapMs / 2;
    const std::int64_t sinceHalfLap = Round(Real(raceMs) - allowanceSeconds * 1000 - half);
    return static_cast<std::int32_t>(Div(sinceHalfLap, targetLapMs));
}

std::int32_t LapsRun(std::int32_t passings, std::int64_t extraMetres)
{
    return std::max(0, passings - (extraMetres != 0 ? 1 : 0));
}

std::optional<std::int32_t> AheadBehindSeconds(std::int32_t raceMs, std::int32_t targetLapMs,
                                               Real allowanceSeconds)
{
    if (targetLapMs <= 0)
        return std::nullopt;
    const std::int32_t half = targetLapMs / 2;
    const std::int64_t shift = Round(allowanceSeconds * 1000 + 500);
    // In 64 bits: half a lap added to a race time near 2^31 ms must not
    // wrap, or the last half lap of the longest race shows a countdown to
    // no passing at all.
    const std::int64_t r = Mod(std::int64_t(half) + raceMs - shift, targetLapMs);
    const std::int64_t ms = half - r;
    return static_cast<std::int32_t>(Round(Real(ms) / 1000));
}

std::string AheadBehindText(std::int32_t seconds)
{
    return (seconds > 0 ? "+" : "") + IntToStr(seconds);
}

} // namespace rundaro
