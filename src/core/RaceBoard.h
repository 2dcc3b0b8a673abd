#pragma once

#include "RaceRecord.h"

#include <cstdint>
#include <optional>

// What the race display shows of a race at one moment, from the race record
// alone: the running time, the laps still to go and the seconds ahead of or
// behind the schedule. The window's display and the full-screen display both
// show these figures, so they cannot disagree.
namespace rundaro {

struct RaceBoard
{
    std::int32_t timeMs = 0;
    std::int64_t lapsToGo = 0;
    // Empty without a schedule (no target lap time).
    std::optional<std::int32_t> aheadBehind;
};

// The figures `raceMs` after START of a race run with `plan` that has had
// `passings` passings: the laps to go follow the schedule, or the passings
// when there is none.
RaceBoard BoardAt(const PlanFigures &plan, std::int32_t raceMs, int passings);

// The figures of an open race at tick `now`; a stopped race shows its STOP.
RaceBoard BoardOf(const RaceRecord &race, std::uint32_t now);

} // namespace rundaro
