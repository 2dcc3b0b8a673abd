#include "Colors.h"
#include "FlEdit.h"
#include "LineBoard.h"
#include "MainWindowFixture.h"
#include "ModalCloser.h"
#include "SpinEdit.h"

#include <QCheckBox>
#include <QSignalSpy>

#include <span>

namespace {

class RaceClockTest : public MainWindowFixture
{
protected:
    enum class State { Idle, Running, FinalLap, Stopped };

    // Enabled states, face colours, menu items, editors and timer of one
    // clock state, all checked together.
    void expectState(State state)
    {
        struct Row
        {
            bool start, lap, stop, reset;
            QColor startFace, lapFace, stopFace, resetFace;
        };
        const QColor face = Colors::clBtnFace();
        Row row{};
        switch (state) {
        case State::Idle: row = {true, false, false, false, Colors::clGreen(), face, face, face}; break;
        case State::Running: row = {false, true, true, false, face, Colors::clYellow(), Colors::clRed(), face}; break;
        case State::FinalLap: row = {false, false, true, false, face, face, Colors::clRed(), face}; break;
        case State::Stopped: row = {false, false, false, true, face, face, face, Colors::clBlack()}; break;
        }
        const bool running = state == State::Running || state == State::FinalLap;
        struct Command
        {
            const char *button;
            const char *item;
            bool enabled;
            QColor colour;
        };
        const Command commands[] = {{"bStart", "mStart", row.start, row.startFace},
                                    {"bLAP", "mLAP", row.lap, row.lapFace},
                                    {"bStop", "mStop", row.stop, row.stopFace},
                                    {"bReset", "mReset", row.reset, row.resetFace}};
        for (const Command &c : commands) {
            EXPECT_EQ(button(c.button)->isEnabled(), c.enabled) << c.button;
            EXPECT_EQ(item(c.item)->isEnabled(), c.enabled) << c.item;
            EXPECT_EQ(button(c.button)->Color(), c.colour) << c.button;
        }
        for (QWidget *control : child("PanelControl")->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            EXPECT_EQ(control->isEnabled(), state == State::Idle) << control->objectName().toStdString();
        EXPECT_EQ(timer()->isActive(), running);
    }
    void expectFocus(const char *name) { EXPECT_EQ(QApplication::focusWidget(), child(name)) << name; }

    TSpinEdit *spin(const char *name) const { return child<TSpinEdit>(name); }
};

} // namespace

TEST_F(RaceClockTest, AWholeRaceByTheFocusedButtonsWalksTheStateTable)
{
    EXPECT_EQ(timer()->interval(), 10);
    EXPECT_EQ(timer()->timerType(), Qt::PreciseTimer);
    expectState(State::Idle);
    EXPECT_EQ(digits(), QStringLiteral("00.00,00"));

    button("bStart")->setFocus();
    press(Qt::Key_Space);
    expectState(State::Running);
    expectFocus("bLAP");
    EXPECT_EQ(form.StartTick(), kStart);
    EXPECT_EQ(form.LapCount(), 0);

    // Fifteen laps without extra metres: fourteen LAPs, the last one leaves STOP.
    for (int lap = 1; lap <= 14; ++lap) {
        at(lap * 21900);
        press(Qt::Key_Return);
        EXPECT_EQ(form.LapCount(), lap);
        if (lap < 14) {
            expectState(State::Running);
            expectFocus("bLAP");
        }
    }
    expectState(State::FinalLap);
    expectFocus("bStop");

    at(15 * 21900 + 123);
    press(Qt::Key_Space);
    expectState(State::Stopped);
    expectFocus("bReset");
    EXPECT_EQ(form.LapCount(), 15);
    EXPECT_EQ(cell(6, 16), QStringLiteral("328,62"));

    press(Qt::Key_Return);
    expectState(State::Idle);
    expectFocus("bStart");
    EXPECT_EQ(digits(), QStringLiteral("00.00,00"));
    EXPECT_EQ(panel("PanelKrugov")->caption(), QStringLiteral("15"));
    EXPECT_EQ(panel("PanelPlusMin")->caption(), QStringLiteral("+2"));
    EXPECT_EQ(panel("PanelPlusMin")->fontColor(), Colors::clLime());
    // RESET leaves the results; the next START empties them.
    EXPECT_EQ(cell(6, 16), QStringLiteral("328,62"));
    press(Qt::Key_Space);
    for (int row = 1; row < grid()->RowCount(); ++row)
        EXPECT_EQ(results(row), QStringList({QString(), QString(), QString(), QString()})) << row;
    EXPECT_EQ(cell(0, 0), QStringLiteral("Runden")); // the header stays
}

TEST_F(RaceClockTest, MenuShortcutsActWhereverTheFocusIs)
{
    child("seTime")->setFocus();
    ctrl(Qt::Key_S);
    expectState(State::Running);
    // From the lap table on the other tab.
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    grid()->setFocus();
    at(23456);
    ctrl(Qt::Key_L);
    EXPECT_EQ(form.LapCount(), 1);
    EXPECT_EQ(cell(5, 2), QStringLiteral("23,45"));
    at(30000);
    ctrl(Qt::Key_P);
    expectState(State::Stopped);
    ctrl(Qt::Key_0);
    expectState(State::Idle);
}

TEST_F(RaceClockTest, MnemonicsClickAtTheKeyPress)
{
    press(Qt::Key_S, Qt::AltModifier);
    expectState(State::Running);
    at(1000);
    press(Qt::Key_L, Qt::AltModifier);
    // Timed at the key press, with no pressed look delaying the click.
    EXPECT_EQ(cell(5, 2), QStringLiteral("1,00"));
    at(2000);
    press(Qt::Key_P, Qt::AltModifier);
    expectState(State::Stopped);
    press(Qt::Key_0, Qt::AltModifier);
    expectState(State::Idle);
    // A disabled button's mnemonic does nothing.
    press(Qt::Key_P, Qt::AltModifier);
    expectState(State::Idle);
}

TEST_F(RaceClockTest, CtrlLWhileLapIsDisabledDoesNothing)
{
    QSignalSpy showLap(item("showLAP"), &QAction::triggered);
    ASSERT_TRUE(item("showLAP")->isEnabled());
    ctrl(Qt::Key_L); // Idle
    expectState(State::Idle);
    EXPECT_EQ(showLap.count(), 0);

    spin("seKrugov")->setValue(2);
    ctrl(Qt::Key_S);
    ctrl(Qt::Key_L); // the one LAP of two laps
    expectState(State::FinalLap);
    ctrl(Qt::Key_L);
    expectState(State::FinalLap);
    EXPECT_EQ(form.LapCount(), 1);
    EXPECT_EQ(showLap.count(), 0);
}

TEST_F(RaceClockTest, HeldKeysGiveOneCommand)
{
    ctrl(Qt::Key_S);
    expectFocus("bLAP");
    press(Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    EXPECT_EQ(form.LapCount(), 1);
}

TEST_F(RaceClockTest, NoMenuItemRegistersAShortcutOfItsOwn)
{
    for (const char *name :
         {"mStart", "mLAP", "mStop", "mReset", "Hilfe1", "Drucker1", "Beenden1", "mHilfe", "showLAP", "mUndo"})
        EXPECT_TRUE(item(name)->shortcut().isEmpty()) << name << ": Qt would find Ctrl+L ambiguous";
}

TEST_F(RaceClockTest, LapsToGoCountDownHalfALapAfterEachScheduledPassing)
{
    struct Step
    {
        std::int32_t ms;
        int lapsToGo;
    };
    const Step steps[] = {
        {34349, 15},
        {34350, 14},
        {319049, 2},
        {319050, 1},
        {1500 + 17 * 21900 + 10950, -2}, // past the schedule the count goes below zero
    };
    ctrl(Qt::Key_S);
    EXPECT_EQ(form.LapsDue(), 0);
    for (const Step &s : steps) {
        tickAt(s.ms);
        EXPECT_EQ(panel("PanelKrugov")->caption(), QString::number(s.lapsToGo)) << s.ms;
        EXPECT_EQ(form.LapsDue(), 15 - s.lapsToGo) << s.ms;
    }
}

TEST_F(RaceClockTest, AheadBehindCountsDownToEachScheduledPassing)
{
    struct Step
    {
        std::int32_t ms;
        const char *text;
        bool lime;
    };
    const Step steps[] = {
        {10, "+2", true},    {500, "+2", true},     {501, "+1", true},    {1499, "+1", true},
        {1500, "0", false},  {2500, "0", false},    {2501, "-1", false},  {3499, "-1", false},
        {3500, "-2", false}, {12949, "-11", false}, {12950, "+11", true}, {23400, "0", false},
    };
    ctrl(Qt::Key_S);
    for (const Step &s : steps) {
        tickAt(s.ms);
        EXPECT_EQ(panel("PanelPlusMin")->caption(), QLatin1String(s.text)) << s.ms;
        EXPECT_EQ(panel("PanelPlusMin")->fontColor(), s.lime ? Colors::clLime() : Colors::clRed()) << s.ms;
        EXPECT_EQ(form.PlusMinShown(), QString::fromLatin1(s.text).toInt()) << s.ms;
    }
}

TEST_F(RaceClockTest, TheFirstTickOfARaceShowsItsOwnAheadBehindValue)
{
    ctrl(Qt::Key_S);
    tickAt(20900); // 3 s before the first scheduled passing
    ASSERT_EQ(panel("PanelPlusMin")->caption(), QStringLiteral("+3"));
    ctrl(Qt::Key_P);
    ctrl(Qt::Key_0);
    child<TSpinFloatEdit>("seDopTime")->setValue(2.5L);
    ASSERT_EQ(panel("PanelPlusMin")->caption(), QStringLiteral("+2")); // the allowance, rounded
    ctrl(Qt::Key_S);
    tickAt(10); // 2,99 s before the allowance ends
    EXPECT_EQ(panel("PanelPlusMin")->caption(), QStringLiteral("+3"));
    EXPECT_EQ(panel("PanelPlusMin")->fontColor(), Colors::clLime());
}

TEST_F(RaceClockTest, EachLapGoesIntoItsRowOfTheLapTable)
{
    ctrl(Qt::Key_S);
    at(23456);
    ctrl(Qt::Key_L);
    EXPECT_EQ(results(2),
              QStringList({QStringLiteral("23,45"), QStringLiteral("23,45"), QStringLiteral("0:23,45"),
                           QStringLiteral("30,7")}));
    EXPECT_EQ(results(1), QStringList({QString(), QString(), QString(), QString()}));
    at(45000);
    ctrl(Qt::Key_L);
    EXPECT_EQ(results(3),
              QStringList({QStringLiteral("21,55"), QStringLiteral("45,00"), QStringLiteral("0:45,00"),
                           QStringLiteral("33,4")}));
    EXPECT_EQ(editText("eSpeedSredn"), QStringLiteral("32,0"));
    EXPECT_EQ(form.LapMark(), 45000);
    EXPECT_EQ(form.PrevLapMark(), 23456);
}

TEST_F(RaceClockTest, WithExtraMetresTheFirstLapClosesTheStartLine)
{
    spin("seLengthDop")->setValue(100);
    ctrl(Qt::Key_S);
    at(10000);
    ctrl(Qt::Key_L);
    EXPECT_EQ(cell(6, 1), QStringLiteral("10,00"));
    EXPECT_EQ(cell(6, 2), QString());
    // One LAP more than without extra metres: fifteen before only STOP is left.
    for (int lap = 2; lap <= 14; ++lap)
        ctrl(Qt::Key_L);
    expectState(State::Running);
    ctrl(Qt::Key_L);
    expectState(State::FinalLap);
    at(340000);
    ctrl(Qt::Key_P);
    EXPECT_EQ(cell(6, 16), QStringLiteral("340,00"));
}

TEST_F(RaceClockTest, ARaceOfOneLapHasNoLap)
{
    spin("seKrugov")->setValue(1);
    ASSERT_EQ(spin("seLength")->value(), 200);
    ctrl(Qt::Key_S);
    expectState(State::FinalLap);
    expectFocus("bStop");
    EXPECT_EQ(button("bLAP")->Color(), Colors::clBtnFace());
    at(25000);
    press(Qt::Key_Space);
    expectState(State::Stopped);
    EXPECT_EQ(results(2),
              QStringList({QStringLiteral("25,00"), QStringLiteral("25,00"), QStringLiteral("0:25,00"),
                           QStringLiteral("28,8")}));
    EXPECT_EQ(editText("eSpeedSredn"), QStringLiteral("28,8"));
}

TEST_F(RaceClockTest, STOPShowsTheTimeReadAtSTOP)
{
    ctrl(Qt::Key_S);
    tickAt(59990);
    EXPECT_EQ(digits(), QStringLiteral("00.59,99"));
    at(60004);
    ctrl(Qt::Key_P);
    EXPECT_EQ(digits(), QStringLiteral("01.00,00"));
    EXPECT_EQ(form.StopTick(), kStart + 60004);
    // The panels keep what the last tick showed.
    EXPECT_EQ(panel("PanelKrugov")->caption(), QStringLiteral("13"));
}

TEST_F(RaceClockTest, MinutesWrapOnTheDigitsButNotInTheTable)
{
    ctrl(Qt::Key_S);
    tickAt(61 * 60000 + 5000);
    EXPECT_EQ(digits(), QStringLiteral("01.05,00"));
    ctrl(Qt::Key_P);
    EXPECT_EQ(cell(7, 2), QStringLiteral("61:05,00"));
}

TEST_F(RaceClockTest, ARaceAcrossTheWrapOfTheTickCounterIsTimedCorrectly)
{
    clock.set(0xFFFFFFFFu - 10000);
    ctrl(Qt::Key_S);
    tickAt(5000);
    EXPECT_EQ(digits(), QStringLiteral("00.05,00"));
    at(23456); // the counter has wrapped meanwhile
    ASSERT_LT(clock.value(), 20000u);
    ctrl(Qt::Key_L);
    EXPECT_EQ(results(2),
              QStringList({QStringLiteral("23,45"), QStringLiteral("23,45"), QStringLiteral("0:23,45"),
                           QStringLiteral("30,7")}));
    tickAt(34350);
    EXPECT_EQ(digits(), QStringLiteral("00.34,35"));
    EXPECT_EQ(panel("PanelKrugov")->caption(), QStringLiteral("14"));
}

TEST_F(RaceClockTest, TimesOfZeroAndNoTargetLapShowNothingMeaninglessAndRaiseNothing)
{
    ModalCloser closer;
    child<TSpinEdit>("seTime")->setValue(1); // the allowance takes the whole target time
    ASSERT_EQ(form.TargetLapMs(), 0);
    ctrl(Qt::Key_S);
    ctrl(Qt::Key_L); // within the same step of the tick counter as START
    EXPECT_EQ(results(2),
              QStringList({QStringLiteral("0,00"), QStringLiteral("0,00"), QStringLiteral("0:00,00"), QString()}));
    EXPECT_EQ(editText("eSpeedSredn"), QString());
    ctrl(Qt::Key_L); // a lap of 0 ms
    EXPECT_EQ(cell(8, 3), QString());

    for (std::int32_t ms : {5010, 40000, 400000}) {
        tickAt(ms);
        // Without a schedule the laps to go follow the two passings, and
        // there is nothing to be ahead of or behind.
        EXPECT_EQ(panel("PanelKrugov")->caption(), QStringLiteral("13")) << ms;
        EXPECT_EQ(panel("PanelPlusMin")->caption(), QString(QChar(0x2013))) << ms;
    }
    EXPECT_EQ(digits(), QStringLiteral("06.40,00"));
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(closer.count(), 0);
}

TEST_F(RaceClockTest, ScreenReadersHearTheRunningTimeOnceASecond)
{
    auto *display = child("PanelTimer");
    ctrl(Qt::Key_S);
    tickAt(65430);
    EXPECT_EQ(display->accessibleName(), QStringLiteral("Laufzeit 1 Min. 5 Sek."));
    EXPECT_FALSE(button("bLAP")->accessibleName().isEmpty());
    EXPECT_FALSE(child("PanelKrugov")->accessibleDescription().isEmpty());
}

TEST_F(RaceClockTest, UndoTakesBackThePassingsOneByOneInEveryState)
{
    spin("seLength")->setValue(600); // three laps: two LAPs, then STOP
    const QStringList empty(4, QString());
    EXPECT_FALSE(item("mUndo")->isEnabled());
    ctrl(Qt::Key_S);
    EXPECT_FALSE(item("mUndo")->isEnabled());
    const QString averageBefore = editText("eSpeedSredn");
    at(20000);
    ctrl(Qt::Key_L);
    at(41000);
    ctrl(Qt::Key_L);
    const QString averageAfterTwo = editText("eSpeedSredn");
    at(60000);
    ctrl(Qt::Key_P);
    expectState(State::Stopped);
    EXPECT_TRUE(item("mUndo")->isEnabled());

    // STOP taken back: the last lap runs again, timed from the same START.
    ctrl(Qt::Key_Z);
    expectState(State::FinalLap);
    expectFocus("bStop");
    EXPECT_EQ(results(4), empty);
    EXPECT_EQ(form.LapCount(), 2);
    EXPECT_EQ(editText("eSpeedSredn"), averageAfterTwo);
    tickAt(70000);
    EXPECT_EQ(digits(), QStringLiteral("01.10,00"));

    // The last LAP taken back: LAP is due again.
    ctrl(Qt::Key_Z);
    expectState(State::Running);
    expectFocus("bLAP");
    EXPECT_EQ(results(3), empty);
    EXPECT_EQ(form.LapMark(), 20000);
    EXPECT_EQ(form.PrevLapMark(), 0);
    // The next LAP is timed from the passing before the one taken back.
    at(45000);
    ctrl(Qt::Key_L);
    EXPECT_EQ(results(3).join(u' '), QStringLiteral("25,00 45,00 0:45,00 28,8"));

    // Back to the start line; then there is nothing left to take back.
    ctrl(Qt::Key_Z);
    ctrl(Qt::Key_Z);
    expectState(State::Running);
    EXPECT_EQ(results(2), empty);
    EXPECT_EQ(form.LapCount(), 0);
    EXPECT_EQ(editText("eSpeedSredn"), averageBefore);
    EXPECT_FALSE(item("mUndo")->isEnabled());
    ctrl(Qt::Key_Z);
    expectState(State::Running);
    at(50000);
    ctrl(Qt::Key_L);
    EXPECT_EQ(results(2).join(u' '), QStringLiteral("50,00 50,00 0:50,00 14,4"));

    // RESET ends what can be taken back.
    ctrl(Qt::Key_P);
    ctrl(Qt::Key_0);
    EXPECT_FALSE(item("mUndo")->isEnabled());
    ctrl(Qt::Key_Z);
    expectState(State::Idle);
}

// "Tafel an der Linie" on: from the first passing PanelPlusMin holds the gap
// at the last line until the next passing, and pTimeOneKrug shows the last
// lap, coloured as in the lap table, for 10 s on the race's tick (also after
// STOP, when no race tick comes); off: the panels are the race clock's.
TEST_F(RaceClockTest, TheBoardAtTheLineHoldsTheGapAndShowsTheLastLap)
{
    enum class Do { Tick, Lap, Stop, Wake, Reset };
    struct Step
    {
        Do what;
        std::int32_t ms;
        const char *plusMin;
        const char *target;
        QColor targetColour;
    };
    const QColor blue = Colors::clBlue();
    const QColor green = Colors::clGreen();
    const QColor red = Colors::clRed();
    // The initial plan is due at the line at 23,40 s, 45,30 s and 67,20 s.
    // clang-format off
    const Step on[] = {
        {Do::Tick,     10, "+2",  "21,9",  blue},  // the countdown before the first line
        {Do::Lap,   21000, "+2",  "21,00", green}, // 2,4 s early
        {Do::Tick,  25000, "+2",  "21,00", green}, // held; the countdown reads -1
        {Do::Tick,  30999, "+2",  "21,00", green},
        {Do::Tick,  31000, "+2",  "21,9",  blue},
        {Do::Lap,   47000, "-2",  "26,00", red},   // 1,7 s late
        {Do::Stop,  50000, "+17", "3,00",  green}, // 17,2 s before the third line
        {Do::Wake,  59999, "+17", "3,00",  green},
        {Do::Wake,  60000, "+17", "21,9",  blue},
        {Do::Reset, 60000, "+2",  "21,9",  blue},
    };
    const Step off[] = {
        {Do::Tick,     10, "+2", "21,9", blue},
        {Do::Lap,   21000, "+2", "21,9", blue},
        {Do::Tick,  25000, "-1", "21,9", blue},
        {Do::Tick,  31000, "-7", "21,9", blue},
        {Do::Lap,   47000, "-7", "21,9", blue},
        {Do::Stop,  50000, "-7", "21,9", blue},
        {Do::Wake,  59999, "-7", "21,9", blue},
        {Do::Reset, 60000, "+2", "21,9", blue},
    };
    // clang-format on
    auto *choice = child<QCheckBox>("cbBoard");
    EXPECT_FALSE(choice->isChecked());
    auto *board = form.findChild<LineBoard *>();
    ASSERT_NE(board, nullptr);
    for (const bool chosen : {true, false}) {
        choice->setChecked(chosen);
        ctrl(Qt::Key_S);
        for (const Step &s : chosen ? std::span<const Step>(on) : std::span<const Step>(off)) {
            switch (s.what) {
            case Do::Tick: tickAt(s.ms); break;
            case Do::Lap:
                at(s.ms);
                ctrl(Qt::Key_L);
                break;
            case Do::Stop:
                at(s.ms);
                ctrl(Qt::Key_P);
                break;
            case Do::Wake:
                at(s.ms);
                board->refresh();
                break;
            case Do::Reset: ctrl(Qt::Key_0); break;
            }
            EXPECT_EQ(panel("PanelPlusMin")->caption(), QLatin1String(s.plusMin)) << chosen << " " << s.ms;
            EXPECT_EQ(panel("pTimeOneKrug")->caption(), QLatin1String(s.target)) << chosen << " " << s.ms;
            EXPECT_EQ(panel("pTimeOneKrug")->fontColor(), s.targetColour) << chosen << " " << s.ms;
            // A lap time, a digit longer than the target lap, fits between
            // the bevels; the target lap has the panel's own font.
            const Panel *target = panel("pTimeOneKrug");
            if (QLatin1String(s.target) == QLatin1String("21,9"))
                EXPECT_EQ(target->font(), target->parentWidget()->font()) << chosen << " " << s.ms;
            else
                EXPECT_LE(QFontMetrics(target->font(), target).horizontalAdvance(target->caption()),
                          target->contentsRect().width())
                    << s.ms;
            // The lap table's plan never takes the last lap for the target.
            form.FillPlan();
            EXPECT_EQ(cell(1, 2), QStringLiteral("21,9")) << chosen << " " << s.ms;
        }
    }
}
