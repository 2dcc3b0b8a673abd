#include "RaceComparison.h"

#include "Schedule.h"

#include <algorithm>

namespace rundaro {

bool Comparable(const RaceSetup &a, const RaceSetup &b)
{
    return a.trackLength == b.trackLength && a.plan.lapLength == b.plan.lapLength
        && a.plan.extraMetres == b.plan.extraMetres;
}

std::vector<LineComparison> CompareRaces(const PlanFigures &plan, const std::vector<std::int32_t> &raceMs,
                                         const std::vector<std::int32_t> &referenceMs)
{
    std::vector<LineComparison> lines;
    const std::size_t count = std::min(raceMs.size(), referenceMs.size());
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        LineComparison line;
        line.line = FirstPassingLine(plan) + std::int64_t(i);
        line.raceMs = raceMs[i];
        line.referenceMs = referenceMs[i];
        // Hundredths, halves away from zero, as the lap table rounds.
        const std::int64_t diff = std::int64_t(referenceMs[i]) - raceMs[i];
        const std::int64_t hundredths = (diff >= 0 ? diff + 5 : diff - 5) / 10;
        line.aheadSeconds = double(hundredths) / 100;
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::int32_t> RaceTimesOf(const RaceRecord &race)
{
    std::vector<std::int32_t> times;
    times.reserve(std::size_t(race.Passings()));
    for (int i = 0; i < race.Passings(); ++i)
        times.push_back(race.RaceMs(i));
    return times;
}

std::optional<std::size_t> BestRace(const std::vector<const StoredRace *> &races, const std::string &skater,
                                    const RaceSetup &setup)
{
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < races.size(); ++i) {
        const StoredRace &race = *races[i];
        if (!race.Finished() || race.skater != skater || !Comparable(race.setup, setup) || race.raceMs.empty())
            continue;
        if (!best || race.FinalMs() < races[*best]->FinalMs())
            best = i;
    }
    return best;
}

std::string AheadText(double aheadSeconds, char separator)
{
    const std::string digits = FormatFixed(Real(aheadSeconds), 2, separator);
    return aheadSeconds > 0 && digits != FormatFixed(0, 2, separator) ? '+' + digits : digits;
}

} // namespace rundaro
