#pragma once

#include "RaceFileRead.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A race against another of the same distance and lap length, line by line:
// both pass the same lines in the same order (the extra metres first, when
// there are any, then each whole lap), so their passings pair by index.
namespace rundaro {

struct LineComparison
{
    std::int64_t line = 0; // schedule line: 0 for the extra metres
    std::int32_t raceMs = 0;
    std::int32_t referenceMs = 0;
    // The reference's race time less this race's, in seconds rounded to
    // hundredths: positive ahead, negative behind.
    double aheadSeconds = 0;
};

bool Comparable(const RaceSetup &a, const RaceSetup &b);

// One entry per passing of `raceMs` that the reference also has.
std::vector<LineComparison> CompareRaces(const PlanFigures &plan, const std::vector<std::int32_t> &raceMs,
                                         const std::vector<std::int32_t> &referenceMs);

// The race times of a record's passings.
std::vector<std::int32_t> RaceTimesOf(const RaceRecord &race);

// The index in `races` of the skater's fastest finished race comparable to
// `setup` ("Bestzeit"); empty when there is none. Unnamed races count for an
// unnamed skater.
std::optional<std::size_t> BestRace(const std::vector<const StoredRace *> &races, const std::string &skater,
                                    const RaceSetup &setup);

// "+1,25" / "-0,40" / "0,00": seconds ahead with two decimals.
std::string AheadText(double aheadSeconds, char separator);

} // namespace rundaro
