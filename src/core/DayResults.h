#pragma once

#include "RaceFileRead.h"

#include <cstdint>
#include <string>
#include <vector>

// The results of one day from saved races: the day's races newest first,
// each with its skater's best of the day at its distance and whether it set
// a new personal best. A best is only ever a race that ran its whole
// distance (`StoredRace::Finished`); a race of an unnamed skater is listed
// but is nobody's best.
namespace rundaro {

struct DayResult
{
    std::size_t race = 0; // index into the races given
    // The skater's best of the day at the race's distance; 0 when none.
    std::int32_t dayBestMs = 0;
    // This race is that best (the first of equal times).
    bool dayBest = false;
    // Faster than every earlier finished race of the skater at the distance
    // (a first finished race at a distance sets one too).
    bool personalBest = false;
};

// "yyyyMMddHHmmss" of a race's date ("dd.MM.yyyy") and start ("HH:mm:ss"),
// which sorts as the races ran; empty when the date does not read.
std::string RaceTimeKey(const StoredRace &race);

// The days that have races, as written ("dd.MM.yyyy"), newest first.
std::vector<std::string> RaceDays(const std::vector<const StoredRace *> &races);

// The results of `date` ("dd.MM.yyyy") among `races` (all saved races, in
// any order: the earlier days count for the personal bests).
std::vector<DayResult> DayResults(const std::vector<const StoredRace *> &races, const std::string &date);

} // namespace rundaro
