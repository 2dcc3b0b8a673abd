#include "RaceComparison.h"

#include <gtest/gtest.h>

using namespace rundaro;

namespace {

// 5000 m on a 400 m track: 200 extra metres, then 12 laps.
const RaceSetup k5000{{12, 33480, 1.5L, 200, 400, "33.5", "43.01"}, 5000, 420};

StoredRace race(const std::string &skater, const std::string &status, std::vector<std::int32_t> ms,
                std::int64_t trackLength = 5000)
{
    StoredRace r;
    r.setup = k5000;
    r.setup.trackLength = trackLength;
    r.skater = skater;
    r.status = status;
    r.raceMs = std::move(ms);
    return r;
}

} // namespace

// The passings pair from the end of the extra metres on; the difference is
// the reference's time less the race's, to the hundredth.
TEST(RaceComparison, DifferencesAtEveryLineWithExtraMetres)
{
    const std::vector<std::int32_t> today{18240, 51720, 85205};
    const std::vector<std::int32_t> best{18000, 52000, 85000, 118000};
    const std::vector<LineComparison> lines = CompareRaces(k5000.plan, today, best);
    struct Expected
    {
        std::int64_t line;
        double ahead;
        const char *text;
    };
    const Expected expected[] = {{0, -0.24, "-0,24"}, {1, 0.28, "+0,28"}, {2, -0.21, "-0,21"}};
    ASSERT_EQ(lines.size(), std::size(expected));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].line, expected[i].line) << i;
        EXPECT_DOUBLE_EQ(lines[i].aheadSeconds, expected[i].ahead) << i;
        EXPECT_EQ(AheadText(lines[i].aheadSeconds, ','), expected[i].text) << i;
    }
    EXPECT_EQ(AheadText(0.0, ','), "0,00");
}

// The best is the skater's fastest finished race of the same distance and lap length.
TEST(RaceComparison, BestRaceOfTheSkater)
{
    const StoredRace races[] = {
        race("Anna", "beendet", {18000, 420000}),      race("Anna", "beendet", {18000, 410000}),
        race("Anna", "unterbrochen", {18000, 300000}), race("Anna", "beendet", {18000, 200000}, 3000),
        race("Jan", "beendet", {18000, 400000}),       race("", "beendet", {18000, 405000}),
        race("Anna", "abgebrochen", {18000, 60000}), // a fall: stopped, never her best
    };
    std::vector<const StoredRace *> all;
    for (const StoredRace &r : races)
        all.push_back(&r);
    EXPECT_EQ(BestRace(all, "Anna", k5000), std::optional<std::size_t>(1));
    EXPECT_EQ(BestRace(all, "Jan", k5000), std::optional<std::size_t>(4));
    EXPECT_EQ(BestRace(all, "", k5000), std::optional<std::size_t>(5));
    EXPECT_EQ(BestRace(all, "Eva", k5000), std::nullopt);
}
