#include "Comms.h"
#include "MainWindowFixture.h"
#include "PosixDevice.h"
#include "ProcStats.h"
#include "Pty.h"
#include "SimulatedLine.h"

#include <QTest>

#include <memory>

using namespace rundaro::serial;

namespace {

// The lap trigger's device going away in the middle of a race. The port's
// worker must end without spinning, the race must go on from the keyboard,
// and the port must open again once the device is back.
class DeviceFaultTest : public MainWindowFixture
{
protected:
    // The hardware trigger as the window wires it: DSR changing to "on"
    // clicks the menu item of whichever of START, LAP and STOP comes next.
    void wireTrigger()
    {
        dsr = 0;
        port.OnDSR = [this](QObject *) {
            const std::uint32_t now = port.ModemStatus() & MS_DSR_ON;
            if (now == dsr)
                return;
            dsr = now;
            if (!now)
                return;
            for (const char *name : {"mStart", "mLAP", "mStop"}) {
                if (QAction *action = item(name); action->isEnabled()) {
                    action->trigger();
                    return;
                }
            }
        };
    }

    static bool threadsBackTo(int count)
    {
        return QTest::qWaitFor([count] { return ProcStats::Threads() == count; }, 5000);
    }

    // CPU time the other threads use while the main thread serves its event
    // loop for one second: a worker spinning on a dead device would use
    // about all of it.
    static long otherThreadsCpuPercentOverOneSecond()
    {
        const long before = ProcStats::OtherThreadsCpuTicks();
        QTest::qWait(1000);
        const long used = ProcStats::OtherThreadsCpuTicks() - before;
        return used * 100 / ProcStats::TicksPerSecond();
    }

    // The lap closed at race time `ms`, `previous` the passing before it.
    void expectLapRow(int row, std::int32_t previous, std::int32_t ms)
    {
        const std::int32_t lap = ms - previous;
        EXPECT_EQ(cell(5, row), QString::asprintf("%d,%02d", lap / 1000, lap % 1000 / 10)) << row;
        EXPECT_EQ(cell(6, row), QString::asprintf("%d,%02d", ms / 1000, ms % 1000 / 10)) << row;
    }

    // Sets DSR and waits until the trigger has seen it.
    void setDsr(SimulatedLine &line, bool on)
    {
        line.SetModemStatus(on ? MS_DSR_ON : 0);
        ASSERT_TRUE(QTest::qWaitFor([this, on] { return (dsr != 0) == on; }, 5000));
    }

    TComPort port;
    std::uint32_t dsr = 0;
};

TEST_F(DeviceFaultTest, SimulatedLineGoesAwayMidRace)
{
    for (const bool dropped : {true, false}) {
        SCOPED_TRACE(dropped ? "waits complete failed" : "no wait can be started");
        if (button("bReset")->isEnabled())
            ctrl(Qt::Key_0);
        auto line = SimulatedLine::Create();
        port.SetDeviceFactory(line->Factory());
        port.SetEvents({TComPort::evDSR});
        wireTrigger();
        const int threads = ProcStats::Threads();
        port.Open();
        ASSERT_EQ(ProcStats::Threads(), threads + 1);

        setDsr(*line, true);
        EXPECT_FALSE(button("bStart")->isEnabled());
        setDsr(*line, false);
        at(20000);
        setDsr(*line, true);
        EXPECT_EQ(form.LapCount(), 1);
        expectLapRow(2, 0, 20000);

        // The device goes: every wait in progress completes failed, or its
        // last edge completes it and no further wait can be started.
        if (dropped) {
            line->DropCompletions(1167);
        } else {
            line->FailWaits(1167);
            line->SetModemStatus(0);
        }
        ASSERT_TRUE(threadsBackTo(threads)) << "the worker did not end";
        EXPECT_LT(otherThreadsCpuPercentOverOneSecond(), 25);
        EXPECT_TRUE(port.Connected());
        EXPECT_EQ(form.LapCount(), 1);

        // The race goes on from the keyboard.
        at(41000);
        ctrl(Qt::Key_L);
        EXPECT_EQ(form.LapCount(), 2);
        expectLapRow(3, 20000, 41000);

        // The device is back: the port opens again and triggers laps.
        line->DropCompletions(0);
        line->FailWaits(0);
        port.Open();
        EXPECT_TRUE(port.Connected());
        EXPECT_EQ(ProcStats::Threads(), threads + 1);
        at(63000);
        wireTrigger(); // a new connection starts from DSR off
        line->SetModemStatus(0);
        setDsr(*line, true);
        EXPECT_EQ(form.LapCount(), 3);
        expectLapRow(4, 41000, 63000);

        at(90000);
        ctrl(Qt::Key_P);
        EXPECT_FALSE(button("bStop")->isEnabled());
        port.Close();
        EXPECT_EQ(line->Snapshot().openDevices, 0);
        EXPECT_TRUE(threadsBackTo(threads));
    }
}

TEST_F(DeviceFaultTest, PseudoTerminalHangsUpMidRace)
{
    for (const TEvents events : {TEvents{TComPort::evDSR}, TEvents::All()}) {
        SCOPED_TRACE(events.Bits());
        if (button("bReset")->isEnabled())
            ctrl(Qt::Key_0);
        auto pty = std::make_unique<Pty>();
        ASSERT_FALSE(pty->SlaveName().empty());
        const std::string slave = pty->SlaveName();
        port.SetDeviceFactory([&slave](std::uint8_t) { return OpenPath(slave); });
        port.SetEvents(events);
        wireTrigger();
        const int threads = ProcStats::Threads();
        port.Open();
        ASSERT_TRUE(port.Connected());
        ASSERT_GT(ProcStats::Threads(), threads); // the worker, and a line watcher for DSR

        ctrl(Qt::Key_S);
        at(15000);
        ctrl(Qt::Key_L);
        ASSERT_EQ(form.LapCount(), 1);

        // The far side hangs up.
        pty->CloseMaster();
        EXPECT_TRUE(threadsBackTo(threads)) << "the worker did not end";
        EXPECT_LT(otherThreadsCpuPercentOverOneSecond(), 25);

        at(37000);
        ctrl(Qt::Key_L);
        EXPECT_EQ(form.LapCount(), 2);
        expectLapRow(3, 15000, 37000);

        // A new device appears: the port opens on it again.
        pty = std::make_unique<Pty>();
        const std::string again = pty->SlaveName();
        port.SetDeviceFactory([&again](std::uint8_t) { return OpenPath(again); });
        port.Open();
        EXPECT_TRUE(port.Connected());
        at(60000);
        ctrl(Qt::Key_P);
        port.Close();
        EXPECT_TRUE(threadsBackTo(threads));
        EXPECT_FALSE(port.Connected());
    }
}

} // namespace
