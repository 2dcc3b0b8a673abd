#include "Comms.h"
#include "InterruptedRaces.h"
#include "ModalCloser.h"
#include "PosixDevice.h"
#include "ProcStats.h"
#include "Pty.h"
#include "SimulatedDriver.h"
#include "SortGrid.h"
#include "TestOutput.h"
#include "TriggerFixture.h"
#include "TriggerStatus.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTime>

#include <sys/ioctl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
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
    // The program's threads once the search of the races folder at start
    // has ended.
    int threadsAtRest() const
    {
        if (auto *search = form->findChild<InterruptedRaces *>())
            search->waitForSearch();
        return ProcStats::Threads();
    }

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

// A USB-serial adapter on port 33 (ttyUSB0) of the test's device folder: a
// link there to a pseudo-terminal, with modem lines from the driver
// stand-in. Each open of the port is counted; `refuse` makes the next ones
// fail as a node whose permissions udev has not set yet.
class UsbAdapterTest : public DeviceFaultTest
{
protected:
    static constexpr std::uint8_t kPort = 33;

    void SetUp() override
    {
        env.ports = {kPort};
        env.storeValues({{"Port", kPort}, {"Alg", 0}});
        services = env.services();
        // The wall clock the time of a lost line is read from.
        services.Now = [] { return QDateTime(QDate(2026, 3, 14), QTime(10, 16, 55)); };
        node = env.devices() + "/ttyUSB0";
        services.DeviceFactory = [this](std::uint8_t) {
            ++opens;
            if (refuse)
                return rundaro::serial::OpenResult{nullptr, EACCES};
            return OpenPath(node, driver);
        };
    }
    void plugIn()
    {
        pty = std::make_unique<Pty>();
        ASSERT_EQ(symlink(pty->SlaveName().c_str(), node.c_str()), 0);
    }
    void startWindow() { form = std::make_unique<TFormMain>(services); }

    // The contact sets the lines once the port waits for them (a
    // modem-line wait sees only changes made after it has begun); returns
    // when ComPortDSR has seen them.
    void contact(int lines)
    {
        driver->AwaitWaiting();
        driver->Drive(lines);
        const std::uint32_t status = (lines & TIOCM_DSR) ? kMsDsr : 0;
        ASSERT_TRUE(PumpUntil([&] { return form->LastModemStatus() == status; }));
    }
    // Pumps until the window has tried to open the port `n` times in all.
    void awaitOpens(int n)
    {
        ASSERT_TRUE(PumpUntil([&] { return opens >= n; })) << opens.load();
    }

    TriggerStatus::State state() const { return child<TriggerStatus>("")->state(); }
    // Pictures of the "Inline" and "Configuration" tabs for a person to look at.
    void savePictures(const QString &state)
    {
        form->Timer1Timer(); // the race time on the digits
        auto *tabs = child<QTabWidget>("PageControl1");
        for (const int tab : {0, 2}) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            saveTestPng(form.get(),
                        QStringLiteral("trigger_%1_%2")
                            .arg(state, tab == 0 ? QStringLiteral("inline") : QStringLiteral("configuration")));
        }
        tabs->setCurrentIndex(0);
    }
    QString text(const char *label) const { return child<QLabel>(label)->text(); }
    QColor face(const char *label) const { return child<QLabel>(label)->palette().color(QPalette::Window); }

    MainServices services;
    std::string node;
    std::shared_ptr<rundaro::serial::SimulatedDriver> driver = std::make_shared<rundaro::serial::SimulatedDriver>();
    std::unique_ptr<Pty> pty;
    // Counted and read on the thread that opens a lost port again.
    std::atomic<int> opens{0};
    std::atomic<bool> refuse{false};
};

void DeviceFaultTest::simulatedLineGoesAway(bool dropped)
{
    {
        env.ports = {1};
        env.storeValues({{"Port", 1}, {"Alg", 0}});
        start();
        ASSERT_TRUE(comPort()->Connected());
        const int threads = threadsAtRest();

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
        ASSERT_TRUE(PumpUntil([&] { return env.line->Snapshot().waiting == 1; }));
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
        line(0);
        at(63000);
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
        MainServices services = env.services();
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

namespace {

// The adapter is pulled out mid-race: the loss shows at once, the
// descriptor is closed, the race goes on from the keyboard; plugged in
// again (after a few false starts) the port reopens by itself without
// taking a lap, and the next contact takes one.
TEST_F(UsbAdapterTest, PulledOutMidRaceAndPluggedInAgain)
{
    plugIn();
    startWindow();
    ASSERT_TRUE(comPort()->Connected());
    EXPECT_EQ(state(), TriggerStatus::State::Ready);
    EXPECT_EQ(text("LabTrigger"), QStringLiteral("Kontakt bereit\nttyUSB0"));
    EXPECT_EQ(text("LabPortState"), QStringLiteral("Bereit: /dev/ttyUSB0"));
    const QColor ready = face("LabTrigger");

    contact(TIOCM_DSR); // START
    endLockout();
    contact(0);
    at(20000);
    contact(TIOCM_DSR);
    ASSERT_EQ(form->LapCount(), 1);
    endLockout();

    driver->AwaitWaiting();
    std::filesystem::remove(node);
    driver->Unplug(EIO);
    ASSERT_TRUE(PumpUntil([&] { return !comPort()->Connected(); }));
    EXPECT_EQ(state(), TriggerStatus::State::Lost);
    EXPECT_FALSE(comPort()->HandleValid());
    EXPECT_TRUE(OpenPath(pty->SlaveName()).device) << "the descriptor was kept";
    EXPECT_EQ(text("LabTrigger"), QStringLiteral("GETRENNT\nttyUSB0\nseit 10:16:55"));
    // The unplug's EIO, or the latest try's ENOENT once the node's removal
    // has been seen.
    EXPECT_TRUE(text("LabPortState").contains(QStringLiteral("/dev/ttyUSB0 ist weg (Fehler 5)"))
                || text("LabPortState").contains(QStringLiteral("/dev/ttyUSB0 ist nicht da (Fehler 2)")))
        << text("LabPortState").toStdString();
    EXPECT_NE(face("LabTrigger"), ready);
    savePictures(QStringLiteral("lost"));
    const QDateTime since = child<TriggerStatus>("")->lostSince();

    at(41000);
    command("mLAP");
    EXPECT_EQ(form->LapCount(), 2);
    EXPECT_TRUE(child<QTimer>("Timer1")->isActive());

    // The node comes and goes a few times before it can be opened.
    refuse = true;
    for (int round = 0; round < 3; ++round) {
        plugIn();
        awaitOpens(opens + 1);
        std::filesystem::remove(node);
        awaitOpens(opens + 1);
    }
    driver->Plug();
    driver->Drive(TIOCM_DSR); // the contact happens to be closed
    plugIn();
    awaitOpens(opens + 1);
    EXPECT_EQ(state(), TriggerStatus::State::Lost);
    EXPECT_EQ(child<TriggerStatus>("")->lostSince(), since);
    refuse = false;
    // udev sets the node's permissions.
    const timespec now[2] = {{0, UTIME_NOW}, {0, UTIME_NOW}};
    ASSERT_EQ(utimensat(AT_FDCWD, node.c_str(), now, AT_SYMLINK_NOFOLLOW), 0);
    ASSERT_TRUE(PumpUntil([&] { return comPort()->Connected(); }));
    EXPECT_EQ(state(), TriggerStatus::State::Ready);
    EXPECT_EQ(face("LabTrigger"), ready);
    savePictures(QStringLiteral("ready"));
    EXPECT_EQ(comPort()->Port(), kPort);
    EXPECT_EQ(comPort()->Tag(), 0);
    EXPECT_EQ(form->LapCount(), 2);
    EXPECT_EQ(form->LastModemStatus(), kMsDsr);

    contact(0);
    at(63000);
    contact(TIOCM_DSR);
    EXPECT_EQ(form->LapCount(), 3);
    expectLapRow(4, 41000, 63000);
}

// A DSR handler that fails is shown on the trigger's label, not in a box;
// the port keeps watching and the next contact laps.
TEST_F(UsbAdapterTest, FailingHandlerIsShownAndTheLineStaysWatched)
{
    plugIn();
    startWindow();
    contact(TIOCM_DSR); // START
    endLockout();
    ModalCloser boxes;
    const TNotifyEvent handler = comPort()->OnDSR;
    comPort()->OnDSR = [handler](QObject *sender) {
        handler(sender);
        throw rundaro::Exception("Grid full");
    };
    contact(0);
    EXPECT_TRUE(text("LabTrigger").startsWith(QStringLiteral("Kontakt-Fehler")));
    EXPECT_TRUE(text("LabPortState").endsWith(QStringLiteral("Fehler beim Auslösen: Grid full")));
    EXPECT_EQ(boxes.count(), 0);
    comPort()->OnDSR = handler;
    at(30000);
    contact(TIOCM_DSR);
    EXPECT_EQ(form->LapCount(), 1);
    EXPECT_TRUE(comPort()->Connected());
}

} // namespace
