#pragma once

#include "RaceRecord.h"

#include <cstdint>
#include <optional>
#include <string>

// What the race display shows of a race at one moment, from the race record
// alone: the running time, the laps still to go and the seconds ahead of or
// behind the schedule. The window's display and the full-screen display both
// show these figures, so they cannot disagree.
namespace rundaro {

// How long the lap a passing closed is shown after that passing.
inline constexpr std::int32_t kLastLapShownMs = 10000;

// The lap the last passing closed, while it is shown.
struct LastLapFigures
{
    std::string text; // its time as the lap table shows it, with a '.'
    std::int64_t targetMs = 0; // the target time of its segment; 0 without a target
    std::int32_t remainingMs = 0; // until it is no longer shown
};

struct RaceBoard
{
    std::int32_t timeMs = 0;
    std::int64_t lapsToGo = 0;
    // Empty without a schedule (no target lap time).
    std::optional<std::int32_t> aheadBehind;
    // The board at the line only: the last lap, for a while after its passing.
    std::optional<LastLapFigures> lastLap;
};

// The figures `raceMs` after START of a race run with `plan` that has had
// `passings` passings: the laps to go follow the schedule, or the passings
// when there is none.
RaceBoard BoardAt(const PlanFigures &plan, std::int32_t raceMs, int passings);

// The figures of an open race at tick `now`; a stopped race shows its STOP.
RaceBoard BoardOf(const RaceRecord &race, std::uint32_t now);

// Whole seconds by which passing `i` came to its line before (+) or after
// (-) the schedule: the line's target race time less the passing's race
// time, rounded. Empty without a schedule.
std::optional<std::int32_t> GapAtLine(const RaceRecord &race, int i);

// The last passing's lap from that passing for kLastLapShownMs of the tick
// counter, `now` being the tick counter. None before the first passing, after
// that time, or once the race is reset.
std::optional<LastLapFigures> LastLapAt(const RaceRecord &race, std::uint32_t now);

// The board at the line: BoardOf's figures, but from the first passing on
// the gap at the last line passed, held until the next passing, in place of
// the running countdown; and the last lap while it is shown.
RaceBoard BoardAtLine(const RaceRecord &race, std::uint32_t now);

} // namespace rundaro
