#include "Comms.h"
#include "PosixDevice.h"
#include "ProcStats.h"
#include "Pty.h"
#include "SortGrid.h"
#include "TriggerFixture.h"

#include <QTest>

#include <memory>
#include <string>

using namespace rundaro::serial;

namespace {

// The lap trigger's device going away in the middle of a race. The port's
// worker must end without spinning, the race must go on from the keyboard,
// and choosing the port again in the Configuration tab must open it once
// the device is back.
class DeviceFaultTest : public TriggerFixture
{
protected:
    static bool threadsBackTo(int count)
    {
        return QTest::qWaitFor([count] { return ProcStats::Threads() == count; }, 5000);
    }

    // CPU time the other threads use while the main thread serves its event
    // loop for one second, in percent of that second: a worker spinning on a
    // dead device would use about all of it.
    static long otherThreadsCpuPercentOverOneSecond()
    {
        const long before = ProcStats::OtherThreadsCpuTicks();
        QTest::qWait(1000);
        const long used = ProcStats::OtherThreadsCpuTicks() - before;
        return used * 100 / ProcStats::TicksPerSecond();
    }

    // The keyboard's commands: the menu items their shortcuts click.
    void command(const char *item) { child<QAction>(item)->trigger(); }
    void at(std::int32_t ms) { clock.set(form->StartTick() + std::uint32_t(ms)); }
    void endLockout()
    {
        if (lockout()->isActive())
            lockoutEnds();
    }

    // Lap times of row `row` closed at race time `ms`, `previous` the passing before.
    void expectLapRow(int row, std::int32_t previous, std::int32_t ms)
    {
        const auto *grid = child<TSortGrid>("SortGrid1");
        const std::int32_t lap = ms - previous;
        EXPECT_EQ(grid->Cells(5, row), QString::asprintf("%d,%02d", lap / 1000, lap % 1000 / 10)) << row;
        EXPECT_EQ(grid->Cells(6, row), QString::asprintf("%d,%02d", ms / 1000, ms % 1000 / 10)) << row;
    }

    // Port 1 at the Configuration tab: None, then the port again.
    void choosePortAgain()
    {
        pick(cbPort(), 0);
        EXPECT_FALSE(comPort()->Connected());
        pick(cbPort(), 1);
    }

    void simulatedLineGoesAway(bool dropped);
    void pseudoTerminalHangsUp(TEvents events);
};

void DeviceFaultTest::simulatedLineGoesAway(bool dropped)
{
    {
        env.ports = {1};
        env.storeValues({{"Port", 1}, {"Alg", 0}});
        start();
        ASSERT_TRUE(comPort()->Connected());
        const int threads = ProcStats::Threads();

        line(kMsDsr); // START
        ASSERT_FALSE(enabled("bStart"));
        endLockout();
        line(0);
        at(20000);
        line(kMsDsr);
        EXPECT_EQ(form->LapCount(), 1);
        expectLapRow(2, 0, 20000);
        endLockout();

        // The device goes: every wait in progress completes failed, or its
        // last change completes it and no further wait can be started. The
        // worker is in its wait first, so that the last change is its own.
        ASSERT_TRUE(pumpUntil([&] { return env.line->Snapshot().waiting == 1; }));
        if (dropped) {
            env.line->DropCompletions(1167);
        } else {
            env.line->FailWaits(1167);
            line(0);
        }
        ASSERT_TRUE(threadsBackTo(threads - 1)) << "the worker did not end";
        EXPECT_LT(otherThreadsCpuPercentOverOneSecond(), 25);
        EXPECT_EQ(form->LapCount(), 1);

        // The race goes on from the keyboard.
        at(41000);
        command("mLAP");
        EXPECT_EQ(form->LapCount(), 2);
        expectLapRow(3, 20000, 41000);

        // The device is back.
        env.line->DropCompletions(0);
        env.line->FailWaits(0);
        choosePortAgain();
        ASSERT_TRUE(comPort()->Connected());
        EXPECT_EQ(ProcStats::Threads(), threads);
        at(63000);
        line(0);
        line(kMsDsr);
        EXPECT_EQ(form->LapCount(), 3);
        expectLapRow(4, 41000, 63000);

        at(90000);
        command("mStop");
        EXPECT_TRUE(enabled("bReset"));
        exit();
        EXPECT_EQ(env.line->Snapshot().openDevices, 0);
        EXPECT_TRUE(threadsBackTo(threads - 1));
    }
}

void DeviceFaultTest::pseudoTerminalHangsUp(TEvents events)
{
    {
        env.ports = {1};
        env.storeValues({{"Port", 1}, {"Alg", 0}});
        auto pty = std::make_unique<Pty>();
        std::string device = pty->SlaveName();
        ASSERT_FALSE(device.empty());
        TFormMainServices services = env.services();
        services.DeviceFactory = [&device](std::uint8_t) { return OpenPath(device); };
        const int threads = ProcStats::Threads();
        form = std::make_unique<TFormMain>(services);
        ASSERT_TRUE(comPort()->Connected());
        if (!(comPort()->Events() == events)) {
            comPort()->SetEvents(events);
            comPort()->Open();
        }
        // A pseudo-terminal has no modem lines: a worker watching DSR may end
        // on its own before the hang-up, so its threads are not counted here.

        command("mStart");
        at(15000);
        command("mLAP");
        ASSERT_EQ(form->LapCount(), 1);

        // The far side hangs up.
        pty->CloseMaster();
        EXPECT_TRUE(threadsBackTo(threads)) << "the worker did not end";
        EXPECT_LT(otherThreadsCpuPercentOverOneSecond(), 25);

        at(37000);
        command("mLAP");
        EXPECT_EQ(form->LapCount(), 2);
        expectLapRow(3, 15000, 37000);

        // A device appears again.
        pty = std::make_unique<Pty>();
        device = pty->SlaveName();
        choosePortAgain();
        EXPECT_TRUE(comPort()->Connected());
        at(60000);
        command("mStop");
        exit();
        EXPECT_TRUE(threadsBackTo(threads));
    }
}

TEST_F(DeviceFaultTest, SimulatedLineWhoseWaitsCompleteFailed)
{
    simulatedLineGoesAway(true);
}

TEST_F(DeviceFaultTest, SimulatedLineOnWhichNoWaitCanStart)
{
    simulatedLineGoesAway(false);
}

TEST_F(DeviceFaultTest, PseudoTerminalHangsUpWhileDsrIsWatched)
{
    pseudoTerminalHangsUp({TComPort::evDSR});
}

TEST_F(DeviceFaultTest, PseudoTerminalHangsUpWhileEveryEventIsWatched)
{
    pseudoTerminalHangsUp(TEvents::All());
}

} // namespace
