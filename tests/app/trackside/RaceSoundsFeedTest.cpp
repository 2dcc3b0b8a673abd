#include "LoggedOutputs.h"
#include "RaceFixture.h"
#include "RaceSounds.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

// The race sounds on a race record and its feed alone: the cue each command
// asks for, played behind the command.
namespace {

using Cues = std::vector<RaceCue>;

enum class Do { Start, Lap, Stop, Undo, Reset };

// 3 laps of 200 m: after the second LAP only STOP is left.
const rundaro::RaceSetup k600Metres{{3, 109500, 1.5L, 0, 200, "109,5", "6,58"}, 600, 330};
// One lap: no LAP at all.
const rundaro::RaceSetup k200Metres{{1, 30000, 0, 0, 200, "30,0", "24,00"}, 200, 30};

struct Case
{
    const char *name;
    rundaro::RaceSetup plan;
    bool on;
    std::vector<Do> commands;
    Cues played;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.name;
}

const Case kCases[] = {
    {"EachPassingTheLastLapAndStop",
     k600Metres,
     true,
     {Do::Start, Do::Lap, Do::Lap, Do::Stop, Do::Reset},
     {RaceCue::Passing, RaceCue::Passing, RaceCue::LastLap, RaceCue::Stop}},
    {"ARaceWithoutLapsBeginsWithItsLastLap",
     k200Metres,
     true,
     {Do::Start, Do::Stop},
     {RaceCue::LastLap, RaceCue::Stop}},
    {"UndoIsSilentThePassingAgainIsNot",
     k600Metres,
     true,
     {Do::Start, Do::Lap, Do::Undo, Do::Lap, Do::Lap, Do::Undo},
     {RaceCue::Passing, RaceCue::Passing, RaceCue::Passing, RaceCue::LastLap}},
    {"SwitchedOffNothing", k600Metres, false, {Do::Start, Do::Lap, Do::Lap, Do::Stop}, {}},
};

class RaceSoundsFeedTest : public ::testing::TestWithParam<Case>
{
protected:
    RaceFixture race{GetParam().plan};
    QWidget window;
    QCheckBox *onOff = new QCheckBox(&window);
    std::shared_ptr<SoundLog> log = std::make_shared<SoundLog>();
};

TEST_P(RaceSoundsFeedTest, PlaysTheCueOfEachCommand)
{
    const Case &c = GetParam();
    onOff->setChecked(c.on);
    new RaceSounds(race.feed(), &window, onOff, LoggedSounds(log));
    std::int32_t ms = 0;
    for (Do command : c.commands) {
        const std::size_t before = log->played.size();
        switch (command) {
        case Do::Start: race.start(); break;
        case Do::Lap: race.lap(ms += 20000); break;
        case Do::Stop: race.stop(ms += 20000); break;
        case Do::Undo: ASSERT_TRUE(race.undo()); break;
        case Do::Reset: race.reset(); break;
        }
        // Played behind the command, never within it.
        EXPECT_EQ(log->played.size(), before);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(log->played, c.played);
    // Made once, at the first cue, and never while switched off.
    EXPECT_EQ(log->made, c.on ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Races, RaceSoundsFeedTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

} // namespace
