#pragma once

#include "Numbers.h"

#include <cstdint>
#include <optional>
#include <string>

// The target schedule of a race: the skater is due at the line after the
// extra metres at the start allowance plus their share of the target lap,
// and at each whole target lap after that. Everything is recomputed from the
// race time on every tick, so late ticks never drift.
namespace rundaro {

// What the target schedule is computed from.
struct PlanFigures
{
    std::int64_t laps = 0; // whole laps
    std::int32_t targetLapMs = 0; // target time of one whole lap
    Real allowanceSeconds = 0; // start allowance
    std::int64_t extraMetres = 0; // before the first whole lap
    std::int64_t lapLength = 0; // metres
    std::string lapTimeText; // the target lap time as shown ("21,9")
    std::string lapSpeedText; // the target lap speed as shown ("32,88")
};

struct TimeParts
{
    std::int32_t minutes = 0; // 0..59, wrapping after an hour
    std::int32_t seconds = 0; // 0..59
    std::int32_t hundredths = 0; // 0..99
};

// Splits a race time in ms into what the seven-segment digits show.
TimeParts SplitRaceTime(std::int32_t raceMs);

// The target time of the extra metres: their share of the target lap; 0
// without them.
std::int64_t ExtraMs(const PlanFigures &plan);

// The target race time in ms at the schedule line after `lap` whole laps:
// the allowance, the extra metres' time and the whole laps. Line 0 is the
// start line: the allowance alone, or the end of the extra metres.
std::int64_t PlanTargetMs(const PlanFigures &plan, std::int64_t lap);

// The schedule line the first passing reaches: the end of the extra metres
// (0) when there are any, else the end of the first whole lap (1).
std::int64_t FirstPassingLine(const PlanFigures &plan);

// The target time of the segment that ends at line `lap`, as a passing there
// measures it: the first passing is timed from START, so its target is the
// target race time at its line; every later one is a whole target lap.
std::int64_t SegmentTargetMs(const PlanFigures &plan, std::int64_t lap);

// The length of the segment that ends at line `lap`: the extra metres for
// line 0, a whole lap otherwise.
std::int64_t SegmentMetres(const PlanFigures &plan, std::int64_t lap);

// The metres behind the skater after `passings` passings.
std::int64_t MetresCovered(const PlanFigures &plan, std::int64_t passings);

// Scheduled passings that lie at least half a target lap in the past, never
// below 0. Without a target lap time (0 ms or less) nothing is ever due.
std::int32_t LapsDue(std::int32_t raceMs, const PlanFigures &plan);

// Whole laps behind the skater after `passings` passings, for a race without
// a schedule: with extra metres the first passing ends them, not a lap.
std::int32_t LapsRun(std::int32_t passings, std::int64_t extraMetres);

// Whole seconds until the skater is due at the line (negative: behind),
// counting down to the nearest scheduled passing. Empty without a positive
// target lap time: there is no schedule to be ahead of or behind.
std::optional<std::int32_t> AheadBehindSeconds(std::int32_t raceMs, const PlanFigures &plan);

// The caption of the ahead/behind panel: "+3", "0", "-2".
std::string AheadBehindText(std::int32_t seconds);

} // namespace rundaro
