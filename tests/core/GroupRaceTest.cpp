#include "GroupRace.h"
#include "LaneContacts.h"
#include "RaceFileRead.h"
#include "RaceSheet.h"
#include "RaceStatus.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace rundaro;

namespace {

// 1000 m on a 400 m track: 200 m, then 2 laps (1:20, 30 s a lap), 1,5 s
// allowance; three passings, the third at the finish line.
const RaceSetup k1000{{2, 30000, 1.5L, 200, 400, "30,0", "48,00"}, 1000, 80};

// Started just before the tick counter wraps, so every race crosses it.
constexpr std::uint32_t kStart = 0xFFFFFFFFu - 20000;

using P = GroupRace::Passing;

} // namespace

// A pair on one clock: A finishes at the third line, B is stopped by the
// STOP for whoever still runs; each race is a race record of its own that
// the one-skater board reads as ever.
TEST(GroupRace, OneSkaterFinishesBeforeTheOtherStopTakesTheRest)
{
    GroupRace pair;
    ASSERT_EQ(pair.Skaters(), 2);
    EXPECT_EQ(pair.AddPassing(0, kStart + 100), P::Refused); // before START
    pair.Start(k1000, kStart);
    EXPECT_EQ(pair.FinishPassings(), 3);

    EXPECT_EQ(pair.AddPassing(0, kStart + 19000), P::Lap);
    EXPECT_EQ(pair.AddPassing(1, kStart + 19500), P::Lap);
    EXPECT_EQ(pair.AddPassing(0, kStart + 49000), P::Lap);
    // A contact stamped before the key B's passing was just taken with
    // is raised to it: no lap is negative.
    EXPECT_EQ(pair.AddPassing(1, kStart + 50500), P::Lap);
    EXPECT_EQ(pair.AddPassing(0, kStart + 79990), P::Finish);
    EXPECT_EQ(pair.AddPassing(0, kStart + 85000), P::Refused); // A has finished
    EXPECT_FALSE(pair.IsRunning(0));
    EXPECT_TRUE(pair.IsRunning(1));
    EXPECT_EQ(pair.TimeMs(kStart + 81000), 81000); // B still runs: the clock runs

    const std::vector<RaceBoard> running = BoardsOf(pair, kStart + 81000);
    EXPECT_EQ(running[0].timeMs, 79990); // A's final time, fixed
    EXPECT_EQ(running[1].timeMs, 81000);

    EXPECT_EQ(pair.StopRunning(kStart + 82345), std::vector<int>{1});
    EXPECT_EQ(pair.StopRunning(kStart + 90000), std::vector<int>{});
    EXPECT_FALSE(pair.AnyRunning());
    EXPECT_EQ(pair.TimeMs(kStart + 95000), 82340); // the later final time, to hundredths

    const RaceRecord &a = pair.Race(0);
    const RaceRecord &b = pair.Race(1);
    EXPECT_EQ(a.StartTick(), b.StartTick());
    EXPECT_EQ(a.RaceMs(2), 79990);
    EXPECT_TRUE(a.IsStopped());
    EXPECT_EQ(b.Passings(), 3);
    EXPECT_EQ(b.LapMs(1), 31000);
    EXPECT_EQ(b.RaceMs(2), 82340);
    EXPECT_EQ(JudgedRaceStatus(kStatusFinished, 2, 200, a.Passings()), kStatusFinished);
}

// Each skater's own board on the common clock: the laps still to run,
// counted at the skater's passings (0 at the finish, also while the other
// runs on), and from the first passing the gap at the skater's last line
// (the 200 m line due at 16.5 s, the next at 46.5 s); before it the running
// countdown, the same for both.
TEST(GroupRace, EachSkatersBoardIsItsOwn)
{
    struct Case
    {
        std::vector<std::int32_t> passings; // after START
        std::int32_t stop; // STOP for whoever runs; 0: none
        std::int64_t lapsToGo;
        std::optional<std::int32_t> gap; // empty: the countdown's
    };
    const Case cases[] = {
        {{}, 0, 2, std::nullopt},
        {{15300, 44200}, 0, 1, 2}, // 2.3 s ahead at the second line
        {{17800}, 0, 2, -1}, // 1.3 s behind at the first
        {{15300, 44200, 74200}, 0, 0, 2}, // finished
        {{15800}, 30000, 2, 1}, // stopped short: the STOP passed no line
    };
    constexpr std::uint32_t kNow = kStart + 50000;
    for (const Case &c : cases) {
        GroupRace pair;
        pair.Start(k1000, kStart);
        for (std::int32_t ms : c.passings)
            pair.AddPassing(0, kStart + std::uint32_t(ms));
        if (c.stop)
            pair.StopRunning(kStart + std::uint32_t(c.stop));
        const RaceBoard board = SkaterBoardOf(pair.Race(0), kNow);
        EXPECT_EQ(board.lapsToGo, c.lapsToGo) << c.passings.size();
        EXPECT_EQ(board.aheadBehind, c.gap ? c.gap : BoardOf(pair.Race(0), kNow).aheadBehind) << c.passings.size();
    }
}

// Undo takes back the latest passing of the skater named only, a finish
// too, down to the start line; after RESET nothing more.
TEST(GroupRace, UndoPerSkaterBackToTheStartLine)
{
    GroupRace pair;
    pair.SetSkater(1, "Bea");
    pair.Start(k1000, kStart);
    for (std::uint32_t ms : {20000u, 50000u, 80000u})
        pair.AddPassing(0, kStart + ms);
    pair.AddPassing(1, kStart + 21000);

    struct Step
    {
        int skater;
        bool undone;
        int passingsA;
        int passingsB;
        bool aRunning;
    };
    const Step steps[] = {
        {0, true, 2, 1, true}, // A's finish taken back: A runs again
        {1, true, 2, 0, true}, // B back at the start line
        {1, false, 2, 0, true}, // nothing left of B
        {0, true, 1, 0, true},
    };
    for (const Step &s : steps) {
        EXPECT_EQ(pair.UndoPassing(s.skater), s.undone);
        EXPECT_EQ(pair.Race(0).Passings(), s.passingsA);
        EXPECT_EQ(pair.Race(1).Passings(), s.passingsB);
        EXPECT_EQ(pair.IsRunning(0), s.aRunning);
    }
    EXPECT_EQ(pair.Race(1).Skater(), "Bea");
    pair.Close();
    EXPECT_FALSE(pair.UndoPassing(0));
    EXPECT_EQ(pair.AddPassing(1, kStart + 90000), P::Refused);
    EXPECT_EQ(pair.TimeMs(kStart + 90000), 20000); // the last passing left
}

// Per-lane contacts: each passing goes to the skater in that lane at that
// passing, the lanes alternating every lap; A starts inner, B outer, and
// the first passing's lane follows where the crossing lies.
TEST(LaneContacts, PassingsGoToTheSkaterInTheLane)
{
    struct Case
    {
        const char *name;
        RaceSetup setup;
        bool crossingFirst;
        // A's lanes at the line, passing by passing ('i' inner, 'o' outer).
        std::string lanesOfA;
    };
    const Case cases[] = {
        {"500 m", {{1, 30000, 1.5L, 100, 400, "", ""}, 500, 40}, false, "io"},
        {"500 m, crossing first", {{1, 30000, 1.5L, 100, 400, "", ""}, 500, 40}, true, "oi"},
        {"1000 m", k1000, false, "ioi"},
        {"1000 m, crossing first", k1000, true, "oio"},
        {"1500 m", {{3, 30000, 1.5L, 300, 400, "", ""}, 1500, 120}, false, "ioio"},
        {"1500 m, crossing first", {{3, 30000, 1.5L, 300, 400, "", ""}, 1500, 120}, true, "oioi"},
    };
    const auto lane = [](char c) { return c == 'i' ? Lane::Inner : Lane::Outer; };
    const auto other = [](Lane l) { return l == Lane::Inner ? Lane::Outer : Lane::Inner; };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const LaneContacts lanes(c.crossingFirst);
        GroupRace pair;
        pair.Start(c.setup, kStart);
        std::uint32_t ms = 10000;
        for (std::size_t i = 0; i < c.lanesOfA.size(); ++i) {
            const Lane laneA = lane(c.lanesOfA[i]);
            // A leads in the first half, B in the second: the contact of
            // the one behind comes when the leader has passed already.
            const bool aFirst = i < c.lanesOfA.size() / 2;
            const int leader = aFirst ? 0 : 1;
            for (const int skater : {leader, 1 - leader}) {
                const Lane contact = skater == 0 ? laneA : other(laneA);
                EXPECT_EQ(lanes.SkaterIn(contact, pair), std::optional<int>(skater)) << "passing " << i;
                pair.AddPassing(skater, kStart + (ms += 500));
                // A second contact of the leader's passing belongs to no one.
                if (skater == leader) {
                    EXPECT_EQ(lanes.SkaterIn(contact, pair), std::nullopt) << "passing " << i;
                }
            }
            ms += 29000;
        }
        EXPECT_FALSE(pair.AnyRunning());
        EXPECT_EQ(lanes.SkaterIn(Lane::Inner, pair), std::nullopt); // both finished
    }
}

// Each skater's race file names the lane the skater started in, on the line
// after the name; a race run alone has no such line, so its file reads as
// before. The reader gives the lane back.
TEST(GroupRace, EachSkatersFileNamesTheStartLane)
{
    GroupRace pair;
    pair.SetStartLane(0, std::string(LaneName(LaneContacts::StartLane(0))));
    pair.SetStartLane(1, std::string(LaneName(LaneContacts::StartLane(1))));
    pair.Start(k1000, kStart);
    RaceRecord alone;
    alone.Start(k1000, kStart);
    struct Case
    {
        const RaceRecord &race;
        std::string lane;
    };
    for (const Case &c : {Case{pair.Race(0), "innen"}, Case{pair.Race(1), "außen"}, Case{alone, ""}}) {
        SCOPED_TRACE(c.lane);
        const RaceSheet sheet = MakeRaceSheet(c.race, "08.12.2026", "10:00:00", ",");
        std::vector<std::string> keys;
        for (const auto &[key, value] : sheet.setup)
            keys.push_back(key);
        EXPECT_EQ(keys.back(), c.lane.empty() ? "Läufer" : "Startbahn");
        const RaceFileReading read = ReadRaceFile(RaceCsv(sheet));
        ASSERT_EQ(read.fault, RaceFileFault::None);
        EXPECT_EQ(read.race.startLane, c.lane);
    }
}
