#include "DayResults.h"

#include <gtest/gtest.h>

using namespace rundaro;

namespace {

StoredRace race(const char *date, const char *start, const char *skater, std::int64_t metres, const char *status,
                std::int32_t finalMs)
{
    StoredRace r;
    r.date = date;
    r.start = start;
    r.skater = skater;
    r.setup.trackLength = metres;
    r.status = status;
    r.raceMs = {finalMs / 2, finalMs};
    return r;
}

} // namespace

// The day's races newest first; a best of the day and a personal best only
// ever from races that ran their whole distance, and from a named skater;
// earlier days count for the personal best, later ones do not.
TEST(DayResults, BestsComeFromFinishedRacesOnly)
{
    const std::vector<StoredRace> races = {
        race("07.05.2024", "10:00:00", "Anna", 3000, "beendet", 330000), // 0
        race("08.05.2024", "09:00:00", "Anna", 3000, "beendet", 332000), // 1
        race("08.05.2024", "10:00:00", "Anna", 3000, "abgebrochen", 60000), // 2: a fall
        race("08.05.2024", "11:00:00", "Anna", 3000, "beendet", 329000), // 3
        race("08.05.2024", "12:00:00", "Anna", 3000, "unterbrochen", 200000), // 4
        race("08.05.2024", "10:30:00", "Jan", 5000, "beendet", 420000), // 5
        race("08.05.2024", "10:45:00", "", 3000, "beendet", 300000), // 6: unnamed
        race("09.05.2024", "10:00:00", "Anna", 3000, "beendet", 300000), // 7: the next day
        race("08.05.2024", "13:00:00", "Anna", 1500, "läuft", 100000), // 8
        race("08.05.2024", "14:00:00", "Anna", 3000, "beendet", 329000), // 9: only equal
        race("15.01.2023", "10:00:00", "Anna", 3000, "beendet", 340000), // 10
    };
    std::vector<const StoredRace *> all;
    for (const StoredRace &r : races)
        all.push_back(&r);

    struct Expected
    {
        std::size_t race;
        std::int32_t dayBestMs;
        bool dayBest;
        bool personalBest;
    };
    const Expected expected[] = {
        {9, 329000, false, false}, {8, 0, false, false},    {4, 329000, false, false}, {3, 329000, true, true},
        {6, 0, false, false},      {5, 420000, true, true}, {2, 329000, false, false}, {1, 329000, false, false},
    };
    const std::vector<DayResult> results = DayResults(all, "08.05.2024");
    ASSERT_EQ(results.size(), std::size(expected));
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i].race, expected[i].race) << i;
        EXPECT_EQ(results[i].dayBestMs, expected[i].dayBestMs) << i;
        EXPECT_EQ(results[i].dayBest, expected[i].dayBest) << i;
        EXPECT_EQ(results[i].personalBest, expected[i].personalBest) << i;
    }
    EXPECT_EQ(RaceDays(all), (std::vector<std::string>{"09.05.2024", "08.05.2024", "07.05.2024", "15.01.2023"}));
    EXPECT_TRUE(DayResults(all, "01.01.2020").empty());
}
