#include "RaceRecord.h"
#include "RaceBoard.h"
#include "RaceSheet.h"

#include <gtest/gtest.h>

using namespace rundaro;

namespace {

// The initial plan (15 laps of 200 m, 5:30) and a 5000 m on a 400 m track
// (200 m, then 12 laps; 7:00), both with 1,5 s allowance.
const RaceSetup kInitial{{15, 21900, 1.5L, 0, 200, "21,9", "32,88"}, 3000, 330};
const RaceSetup k5000{{12, 33480, 1.5L, 200, 400, "33,5", "43,01"}, 5000, 420};

// Started just before the tick counter wraps, so every race crosses it.
constexpr std::uint32_t kStart = 0xFFFFFFFFu - 20000;

} // namespace

// A race's passings read back as the race clock reckons them, row by row,
// across the counter's wrap, and are taken back one by one to the start.
TEST(RaceRecord, PassingsRowsLimitAndUndoWithAndWithoutExtraMetres)
{
    struct Case
    {
        const char *name;
        const RaceSetup *setup;
        std::int64_t lapLimit;
        int firstRow;
        std::string firstSpeed; // over the first segment's own metres, 18,24 s
        std::string average; // after the three passings, at 85,20 s
    };
    const Case cases[] = {
        {"3000 m on 200 m", &kInitial, 14, 2, "39,5", "25,4"},
        {"5000 m on 400 m", &k5000, 12, 1, "39,5", "42,3"},
    };
    for (const Case &c : cases) {
        RaceRecord race;
        race.Start(*c.setup, kStart, 1700000000000);
        for (std::uint32_t ms : {18240u, 51720u, 85200u})
            race.AddPassing(kStart + ms);
        EXPECT_EQ(race.LapLimit(), c.lapLimit) << c.name;
        EXPECT_EQ(race.Row(0), c.firstRow) << c.name;
        EXPECT_EQ(race.RaceMs(2), 85200) << c.name;
        EXPECT_EQ(race.LapMs(1), 33480) << c.name;

        const RaceSheet sheet = MakeRaceSheet(race, "07.12.2026", "10:00:00", ",");
        ASSERT_EQ(sheet.rows.size(), std::size_t(c.setup->plan.laps + 1)) << c.name;
        const RaceRowTexts &first = sheet.rows[std::size_t(c.firstRow - 1)];
        EXPECT_EQ(first[5], "18,24") << c.name;
        EXPECT_EQ(first[8], c.firstSpeed) << c.name;
        EXPECT_EQ(sheet.rows[std::size_t(c.firstRow + 1)][6], "85,20") << c.name;
        EXPECT_EQ(AverageSpeedText(c.setup->plan, race.Passings(), race.RaceMs(2), ','), c.average) << c.name;
        EXPECT_EQ(sheet.setup.at(9), (std::pair<std::string, std::string>{"Status", "läuft"})) << c.name;

        race.AddPassing(kStart + 90000, true);
        EXPECT_TRUE(race.IsStopped());
        // Four passings: stopped long before the distance.
        EXPECT_EQ(MakeRaceSheet(race, "", "", ",").setup.at(9).second, "abgebrochen") << c.name;
        int undone = 0;
        while (race.UndoPassing())
            ++undone;
        EXPECT_EQ(undone, 4) << c.name;
        EXPECT_FALSE(race.IsStopped());
        EXPECT_TRUE(race.IsOpen());
        EXPECT_EQ(race.Passings(), 0);
    }
}

// What the race display shows: the schedule's laps to go and gap while the
// race runs, the STOP's figures once it is stopped (whenever it is asked),
// and without a target lap time the laps that follow the passings.
TEST(RaceRecord, BoardShowsTheRunningRaceAndTheStoppedOneAtItsStop)
{
    RaceSetup noTarget = k5000;
    noTarget.plan.targetLapMs = 0;
    struct Case
    {
        const char *name;
        const RaceSetup *setup;
        bool stop;
        std::uint32_t askedAt; // ms after START
        RaceBoard board;
    };
    // Passings at 18,24 s and 51,72 s, as the 5000 m's schedule has them
    // due; at 100 s one whole lap is due and, with no passing at 85,2 s,
    // the skater is 14 s behind.
    const Case cases[] = {
        {"running", &k5000, false, 100000, {100000, 11, -14}},
        {"stopped", &k5000, true, 900000, {51720, 12, 0}},
        {"no target", &noTarget, false, 60000, {60000, 11, std::nullopt}},
    };
    for (const Case &c : cases) {
        RaceRecord race;
        race.Start(*c.setup, kStart);
        race.AddPassing(kStart + 18240);
        race.AddPassing(kStart + 51720, c.stop);
        const RaceBoard board = BoardOf(race, kStart + c.askedAt);
        EXPECT_EQ(board.timeMs, c.board.timeMs) << c.name;
        EXPECT_EQ(board.lapsToGo, c.board.lapsToGo) << c.name;
        EXPECT_EQ(board.aheadBehind, c.board.aheadBehind) << c.name;
    }
}
