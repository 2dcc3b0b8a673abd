#include "GroupRace.h"
#include "LoggedOutputs.h"
#include "RaceCallOuts.h"
#include "RaceFixture.h"

#include <QCheckBox>

#include <gtest/gtest.h>

// The spoken call-outs on a race record and its feed alone: the sentence
// made at each passing, and how long it waits for the race sound.
namespace {

enum class Do { Start, Lap, Stop, Undo, Reset, SwitchOff };

struct Step
{
    Do what;
    std::int32_t ms; // of a LAP or the STOP, after START
    const char *said; // null: nothing
    std::int32_t afterMs;
};

TEST(RaceCallOutsFeed, SayThePassingAtItsLineAndTheFinalTimeAtStop)
{
    // 3 laps of 200 m in 330 s after 1,5 s: 109,5 s a lap.
    RaceFixture race({{3, 109500, 1.5L, 0, 200, "109,5", "6,58"}, 600, 330});
    QCheckBox onOff;
    auto log = std::make_shared<SpeechLog>();
    RaceCallOuts callOuts(race.feed(), &onOff, LoggedSpeech(log), nullptr);
    onOff.setChecked(true);
    EXPECT_EQ(log->made, 1) << "made when switched on, ready for the first passing";

    // clang-format off
    const Step steps[] = {
        {Do::Start,         0, nullptr, 0},
        {Do::Lap,       20000, "20,0 \u2014 einundneunzig Komma null voraus \u2014 noch zwei Runden", 150},
        {Do::Lap,       42000, "22,0 \u2014 einhundertachtundsiebzig Komma fünf voraus \u2014 letzte Runde", 1100},
        {Do::Undo,          0, nullptr, 0},
        {Do::Lap,       43000, "23,0 \u2014 einhundertsiebenundsiebzig Komma fünf voraus \u2014 letzte Runde", 1100},
        {Do::Stop,      65449, "Endzeit eine Minute 5,4", 1000},
        {Do::Reset,         0, nullptr, 0},
        {Do::SwitchOff,     0, nullptr, 0},
        {Do::Start,         0, nullptr, 0},
        {Do::Lap,       20000, nullptr, 0},
        {Do::Stop,      40000, nullptr, 0},
    };
    // clang-format on
    for (const Step &step : steps) {
        const std::size_t before = log->said.size();
        switch (step.what) {
        case Do::Start: race.start(); break;
        case Do::Lap: race.lap(step.ms); break;
        case Do::Stop: race.stop(step.ms); break;
        case Do::Undo: ASSERT_TRUE(race.undo()); break;
        case Do::Reset: race.reset(); break;
        case Do::SwitchOff: onOff.setChecked(false); break;
        }
        if (!step.said) {
            EXPECT_EQ(log->said.size(), before) << "at " << step.ms << " ms";
            continue;
        }
        ASSERT_EQ(log->said.size(), before + 1) << "at " << step.ms << " ms";
        EXPECT_EQ(log->said.back().first, step.said);
        EXPECT_EQ(log->said.back().second, step.afterMs);
    }
    EXPECT_EQ(log->made, 1);
}

// A pair as the window drives it: each skater's race in one group on one
// clock, each with a feed of its own; the window's feed stays silent.
TEST(RaceCallOutsFeed, InAPairEachCallOutNamesItsSkater)
{
    const rundaro::RaceSetup plan{{3, 109500, 1.5L, 0, 200, "109,5", "6,58"}, 600, 330};
    rundaro::RaceRecord alone;
    RaceFeed windowFeed(alone, [plan] { return plan; });
    rundaro::GroupRace pair(2);
    RaceFeed a(pair.Race(0), [plan] { return plan; });
    RaceFeed b(pair.Race(1), [plan] { return plan; });
    QCheckBox onOff;
    auto log = std::make_shared<SpeechLog>();
    RaceCallOuts callOuts(windowFeed, &onOff, LoggedSpeech(log), nullptr);
    callOuts.follow(a, "A");
    callOuts.follow(b, "B");
    onOff.setChecked(true);

    constexpr std::uint32_t kStart = 5000;
    pair.SetSkater(0, "Anna");
    pair.Start(plan, kStart);
    struct Pass
    {
        int skater;
        const char *name; // the skater named before this passing; null: as before
        std::int32_t ms;
        const char *said;
        std::int32_t afterMs;
    };
    // clang-format off
    const Pass passes[] = {
        {0, nullptr, 20000, "Anna: 20,0 \u2014 einundneunzig Komma null voraus \u2014 noch zwei Runden", 150},
        {1, nullptr, 21000, "B: 21,0 \u2014 neunzig Komma null voraus \u2014 noch zwei Runden", 150},
        {0, nullptr, 42000, "Anna: 22,0 \u2014 einhundertachtundsiebzig Komma fünf voraus \u2014 letzte Runde", 1100},
        // B named during the race: named from the next call-out on.
        {1, "Berta", 44000, "Berta: 23,0 \u2014 einhundertsechsundsiebzig Komma fünf voraus \u2014 letzte Runde", 1100},
        {0, nullptr, 65449, "Anna: Endzeit eine Minute 5,4", 1000},
        {1, nullptr, 70000, "Berta: Endzeit eine Minute 10,0", 1000},
    };
    // clang-format on
    for (const Pass &pass : passes) {
        if (pass.name)
            pair.SetSkater(pass.skater, pass.name);
        const std::size_t before = log->said.size();
        RaceFeed &feed = pass.skater == 0 ? a : b;
        // As the pair gives a passing: the record, then its feed's signals.
        const auto passing = pair.AddPassing(pass.skater, kStart + std::uint32_t(pass.ms));
        emit feed.passingRecorded(feed.race().Passings() - 1);
        if (passing == rundaro::GroupRace::Passing::Finish)
            emit feed.raceStopped();
        ASSERT_EQ(log->said.size(), before + 1) << "at " << pass.ms << " ms";
        EXPECT_EQ(log->said.back().first, pass.said);
        EXPECT_EQ(log->said.back().second, pass.afterMs);
    }
}

} // namespace
