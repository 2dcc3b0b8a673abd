#include "DayResults.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace rundaro {

namespace {

std::string dayKey(const std::string &date)
{
    // "dd.MM.yyyy" -> "yyyyMMdd"
    if (date.size() != 10 || date[2] != '.' || date[5] != '.')
        return {};
    return date.substr(6, 4) + date.substr(3, 2) + date.substr(0, 2);
}

bool countsForBest(const StoredRace &race)
{
    return race.Finished() && !race.skater.empty() && !race.raceMs.empty();
}

} // namespace

std::string RaceTimeKey(const StoredRace &race)
{
    std::string key = dayKey(race.date);
    if (key.empty())
        return key;
    for (char c : race.start)
        if (c != ':')
            key += c;
    return key;
}

std::vector<std::string> RaceDays(const std::vector<const StoredRace *> &races)
{
    std::map<std::string, std::string, std::greater<>> days; // by "yyyyMMdd", newest first
    for (const StoredRace *race : races) {
        const std::string key = dayKey(race->date);
        if (!key.empty())
            days.emplace(key, race->date);
    }
    std::vector<std::string> out;
    out.reserve(days.size());
    for (const auto &[key, date] : days)
        out.push_back(date);
    return out;
}

std::vector<DayResult> DayResults(const std::vector<const StoredRace *> &races, const std::string &date)
{
    std::vector<DayResult> results;
    std::vector<std::string> keys(races.size());
    for (std::size_t i = 0; i < races.size(); ++i) {
        keys[i] = RaceTimeKey(*races[i]);
        if (races[i]->date == date) {
            DayResult result;
            result.race = i;
            results.push_back(result);
        }
    }
    if (results.empty())
        return results;

    // Only the skaters and distances of the day matter for their bests.
    using Group = std::pair<std::string, std::int64_t>;
    std::set<Group> wanted;
    for (const DayResult &result : results)
        wanted.emplace(races[result.race]->skater, races[result.race]->setup.trackLength);
    std::map<Group, std::vector<std::size_t>> finished;
    for (std::size_t i = 0; i < races.size(); ++i) {
        const StoredRace &race = *races[i];
        if (!countsForBest(race) || keys[i].empty())
            continue;
        const Group group{race.skater, race.setup.trackLength};
        if (wanted.count(group))
            finished[group].push_back(i);
    }

    // Each group's finished races in the order they ran: a race sets a
    // personal best when it beats every one before it; the day's best is
    // the fastest of the day (the earliest of equal times).
    std::vector<bool> personalBest(races.size(), false);
    std::map<Group, std::size_t> dayBest;
    for (auto &[group, members] : finished) {
        std::stable_sort(members.begin(), members.end(),
                         [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
        std::int32_t best = 0;
        bool any = false;
        for (std::size_t i : members) {
            const std::int32_t ms = races[i]->FinalMs();
            if (!any || ms < best) {
                personalBest[i] = true;
                best = ms;
                any = true;
            }
            if (races[i]->date == date) {
                const auto found = dayBest.find(group);
                if (found == dayBest.end() || ms < races[found->second]->FinalMs())
                    dayBest[group] = i;
            }
        }
    }

    for (DayResult &result : results) {
        const StoredRace &race = *races[result.race];
        result.personalBest = personalBest[result.race];
        const auto found = dayBest.find({race.skater, race.setup.trackLength});
        if (found != dayBest.end()) {
            result.dayBestMs = races[found->second]->FinalMs();
            result.dayBest = found->second == result.race;
        }
    }
    // Newest first; races of the same second in the order given.
    std::stable_sort(results.begin(), results.end(),
                     [&keys](const DayResult &a, const DayResult &b) { return keys[a.race] > keys[b.race]; });
    return results;
}

} // namespace rundaro
