#pragma once

#include "Numbers.h"

#include <cstdint>
#include <optional>

// The target schedule of a running race: the skater is due at the line at
// the start allowance plus each whole target lap. Everything is recomputed
// from the race time on every tick, so late ticks never drift.
namespace rundaro {

struct TimeParts
{
    std::int32_t minutes = 0;   // 0..59, wrapping after an hour
    std::int32_t seconds = 0;   // 0..59
    std::int32_t hundredths = 0; // 0..99
};

// Splits a race time in ms into what the seven-segment digits show.
TimeParts SplitRaceTime(std::int32_t raceMs);

// Scheduled passings that lie at least half a target lap in the past.
// Without a target lap time (0 ms or less) nothing is ever due.
std::int32_t LapsDue(std::int32_t raceMs, std::int32_t targetLapMs, Real allowanceSeconds);

// Whole laps behind the skater after `passings` passings, for a race without
// a schedule: with extra metres the first passing ends them, not a lap.
std::int32_t LapsRun(std::int32_t passings, std::int64_t extraMetres);

// Whole seconds until the skater is due at the line (negative: behind),
// counting down to the nearest scheduled passing. Empty without a positive
// target lap time: there is no schedule to be ahead of or behind.
std::optional<std::int32_t> AheadBehindSeconds(std::int32_t raceMs, std::int32_t targetLapMs,
                                               Real allowanceSeconds);

// The caption of the ahead/behind panel: "+3", "0", "-2".
std::string AheadBehindText(std::int32_t seconds);

} // namespace rundaro
