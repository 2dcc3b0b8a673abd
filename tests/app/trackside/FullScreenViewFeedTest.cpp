#include "FullScreenView.h"
#include "RaceFixture.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

// The full-screen view on a race record and its feed alone: what it shows
// after each command and at the race tick.
namespace {

enum class Do { Nothing, Start, Tick, Lap, Stop, Undo, Reset };

struct Step
{
    Do what;
    std::int32_t ms; // after START: the passing's, or the tick's
    const char *lapsToGo; // null: not looked at
    const char *aheadBehind;
    const char *targetLap;
    const char *lastLap; // beside the target lap; empty: none
};

TEST(FullScreenViewFeed, ShowsTheRaceAtEachLineAndTick)
{
    RaceFixture race;
    QWidget window;
    // The race tick: never left to run, its expiry is given by hand.
    QTimer tick;
    tick.start(3600 * 1000);
    FullScreenView view(&window, {&race.feed(), nullptr, &tick, nullptr, nullptr});
    view.enter();
    ASSERT_TRUE(view.isActive());

    // 3000 m: 15 laps of 21,9 s after 1,5 s, the first line due at 23,4 s.
    // clang-format off
    const Step steps[] = {
        {Do::Nothing,     0, "15", "+2", "21,9", ""},      // the plan, before START
        {Do::Start,       0, "15", "+2", "21,9", ""},      // the start line due at 1,5 s
        {Do::Tick,    10000, "15", "-8", "21,9", ""},
        {Do::Lap,     21000, "15", "+3", "21,9", "21,00"}, // the last lap beside the target
        {Do::Tick,    30999, "15", "-7", "21,9", "21,00"},
        {Do::Tick,    31000, "15", "-7", "21,9", ""},      // ten seconds on: gone
        {Do::Lap,     46000, "14", "0",  "21,9", "25,00"}, // the second line due at 45,3 s
        {Do::Undo,    46000, nullptr, nullptr, nullptr, nullptr}, // followed at the next tick
        {Do::Tick,    47000, "14", "-1", "21,9", ""},
        {Do::Lap,     48000, "14", "-2", "21,9", "27,00"},
        {Do::Stop,    70000, "13", "-2", "21,9", "22,00"}, // the STOP's moment stays
        {Do::Tick,    75000, "13", "-2", "21,9", "22,00"},
        {Do::Reset,       0, "15", "+2", "21,9", ""},      // the plan again
    };
    // clang-format on
    for (const Step &step : steps) {
        switch (step.what) {
        case Do::Nothing: break;
        case Do::Start: race.start(); break;
        case Do::Tick: {
            race.at(step.ms);
            QTimerEvent expiry(tick.timerId());
            QCoreApplication::sendEvent(&tick, &expiry);
            break;
        }
        case Do::Lap: race.lap(step.ms); break;
        case Do::Stop: race.stop(step.ms); break;
        case Do::Undo: ASSERT_TRUE(race.undo()); break;
        case Do::Reset: race.reset(); break;
        }
        if (!step.lapsToGo)
            continue;
        const QStringList shown{view.lapsToGoShown(), view.aheadBehindShown(), view.targetLapShown(),
                                view.lastLapShown()};
        const QStringList expected{QString::fromLatin1(step.lapsToGo), QString::fromLatin1(step.aheadBehind),
                                   QString::fromLatin1(step.targetLap), QString::fromLatin1(step.lastLap)};
        EXPECT_EQ(shown.join(u'|').toStdString(), expected.join(u'|').toStdString()) << "at " << step.ms << " ms";
    }
    view.leave();
    EXPECT_FALSE(view.isActive());
}

} // namespace
