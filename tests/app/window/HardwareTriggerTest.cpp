#include "ModalCloser.h"
#include "PortReopener.h"
#include "PortScan.h"
#include "TriggerFixture.h"

#include <QLabel>
#include <QStringList>

#include <sys/inotify.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>

#include <vector>

namespace {

using rundaro::serial::PortDisplayName;

class HardwareTriggerTest : public TriggerFixture
{
protected:
    // Port 1 present, stored and opened at start with polarity `alg`.
    void startOnPort1(std::uint32_t alg)
    {
        env.ports = {1};
        env.storeValues({{"Port", 1}, {"Alg", alg}});
        start();
        ASSERT_TRUE(comPort()->Connected());
    }
    bool running() const { return !enabled("bStart") && enabled("bStop"); }
    // The reconnect timer's second has come; returns when its try has
    // opened the port or failed (it opens off the window's thread).
    void reconnectTry()
    {
        // Only the tries the test makes: none from the timer meanwhile.
        child<QTimer>("TimerReconnect")->setInterval(3600 * 1000);
        form->TimerReconnectTimer();
        auto *reopener = form->findChild<PortReopener *>();
        ASSERT_NE(reopener, nullptr);
        ASSERT_TRUE(PumpUntil([&] { return !reopener->isBusy(); }));
    }

    // DSR changes `changes` times between two reports; returns when
    // ComPortDSR has run for them (the worker waits again).
    void pulse(int changes, bool levelChanged)
    {
        ASSERT_TRUE(PumpUntil([&] { return env.line->Snapshot().waiting == 1; }));
        const std::uint64_t started = env.line->Snapshot().waitsStarted;
        env.line->PulseDsr(changes, levelChanged);
        ASSERT_TRUE(PumpUntil([&] { return env.line->Snapshot().waitsStarted > started; }));
    }
};

TEST_F(HardwareTriggerTest, ComPortCarriesItsDesignSettings)
{
    start();
    TComPort *port = comPort();
    EXPECT_EQ(port->BaudRate(), TComPort::br9600);
    EXPECT_EQ(port->BaudRateUser(), 28800);
    EXPECT_EQ(port->Port(), 0);
    EXPECT_EQ(port->DataBits(), 5);
    EXPECT_EQ(port->Parity(), TComPort::prNone);
    EXPECT_EQ(port->StopBits(), TComPort::sbOneStopBit);
    EXPECT_EQ(port->FlowControl(), TComPort::fcNone);
    EXPECT_TRUE(port->EnableDTR());
    EXPECT_EQ(port->Events(), TEvents({TComPort::evDSR}));
    EXPECT_EQ(port->WriteBufSize(), 64);
    EXPECT_EQ(port->ReadBufSize(), 64);
    EXPECT_FALSE(port->Connected());
    EXPECT_EQ(lockout()->interval(), 1000);
    EXPECT_FALSE(lockout()->isActive());
    EXPECT_EQ(form->LastModemStatus(), 0x55555555u);
}

TEST_F(HardwareTriggerTest, ScanListsThePortsFoundInIncreasingNumber)
{
    env.ports = {4, 1, 3, 40};
    start();
    const QStringList expected{QStringLiteral("None"), QString::fromStdString(PortDisplayName(1)),
                               QString::fromStdString(PortDisplayName(3)), QString::fromStdString(PortDisplayName(4)),
                               QString::fromStdString(PortDisplayName(40))};
    QStringList items;
    QList<int> numbers;
    for (int i = 0; i < cbPort()->count(); ++i) {
        items << cbPort()->itemText(i);
        numbers << cbPort()->itemData(i).toInt();
    }
    EXPECT_EQ(items, expected);
    EXPECT_EQ(numbers, (QList<int>{0, 1, 3, 4, 40}));
    EXPECT_EQ(form->PortMask(), 40u << 16 | 0x000Du);
}

TEST_F(HardwareTriggerTest, NoPortFoundListsOnlyNone)
{
    start();
    EXPECT_EQ(cbPort()->count(), 1);
    EXPECT_EQ(cbPort()->currentText(), QStringLiteral("None"));
    EXPECT_EQ(form->PortMask(), 0u);
}

TEST_F(HardwareTriggerTest, FirstChangeAfterStartCounts)
{
    startOnPort1(0);
    line(kMsDsr);
    EXPECT_TRUE(running());
    EXPECT_EQ(form->StartTick(), clock.value());
    EXPECT_TRUE(lockout()->isActive());
}

TEST_F(HardwareTriggerTest, PolarityDecidesWhichChangeTriggers)
{
    struct Step
    {
        std::uint32_t status;
        bool triggers;
    };
    struct Case
    {
        std::uint32_t alg;
        std::vector<Step> steps;
    };
    // "On/Off": DSR going on triggers; "Off/On": DSR going off. The line
    // starts with DSR off.
    const Case cases[] = {
        {0, {{kMsDsr, true}, {kMsCts, false}, {kMsCts | kMsDsr, true}}},
        {1, {{kMsCts | kMsDsr, false}, {kMsCts, true}, {kMsDsr, false}, {0, true}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.alg);
        startOnPort1(c.alg);
        for (const Step &step : c.steps) {
            clock.advance(2000);
            line(step.status);
            EXPECT_EQ(lockout()->isActive(), step.triggers) << step.status;
            if (lockout()->isActive())
                lockoutEnds();
        }
        // Started, then one lap.
        EXPECT_TRUE(running());
        EXPECT_EQ(form->LapCount(), 1);
        exit();
        env.line = rundaro::serial::SimulatedLine::Create();
    }
}

TEST_F(HardwareTriggerTest, LockoutSwallowsAChange300MsLaterButNotOne1000MsLater)
{
    startOnPort1(0);
    line(kMsDsr);
    ASSERT_TRUE(running());
    clock.advance(150);
    line(0);
    clock.advance(150);
    line(kMsDsr); // a matching change 300 ms after the trigger
    EXPECT_EQ(form->LapCount(), 0);
    // Consumed, not deferred: the lockout's end takes no lap.
    clock.advance(680);
    lockoutEnds();
    EXPECT_EQ(form->LapCount(), 0);
    line(0);
    clock.advance(20); // the contact stood open long enough
    line(kMsDsr);
    EXPECT_EQ(form->LapCount(), 1);
    EXPECT_EQ(form->LapMark(), 1000); // the race time of the lap
    EXPECT_TRUE(lockout()->isActive());
}

// The lockout is measured on the race clock from the trigger: a matching
// change 999 ms later is ignored, one at 1000 ms acts, whether the lockout
// timer has fired early or not yet.
TEST_F(HardwareTriggerTest, LockoutLastsExactly1000MsOnTheRaceClock)
{
    struct Case
    {
        std::uint32_t after;
        bool timerFired;
        int laps;
    };
    const Case cases[] = {{999, true, 0}, {999, false, 0}, {1000, false, 1}, {1000, true, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.after << (c.timerFired ? " fired" : " not fired"));
        startOnPort1(0);
        line(kMsDsr); // START
        line(0);
        clock.set(form->StartTick() + c.after);
        if (c.timerFired)
            form->TimerGesperrtTimer();
        line(kMsDsr);
        EXPECT_EQ(form->LapCount(), c.laps);
        if (c.laps == 1) {
            EXPECT_EQ(form->LapMark(), std::int32_t(c.after));
        }
        exit();
        env.line = rundaro::serial::SimulatedLine::Create();
    }
}

// A contact that closed and opened again between two reports may leave the
// level as it was; the driver's count of changes tells (odd: the level
// changed, even: a pulse and back), whatever the level read says. DSR has
// stood on for 2 s before each pulse: for "Off/On" the pulse is a closing
// contact and takes a lap, for "On/Off" it is a held contact that chatters
// and takes none. Without a count only the level read decides.
TEST_F(HardwareTriggerTest, DsrPulseBetweenTwoReportsTakesOneLap)
{
    struct Case
    {
        std::uint32_t alg;
        int changes;
        bool levelChanged;
        bool counted;
        int laps;
    };
    const Case cases[] = {
        {0, 2, false, true, 0},  {0, 2, true, true, 0}, // the level read is off: the count says on
        {0, 3, true, true, 0},   {0, 3, false, true, 0}, {0, 1, true, true, 0}, // an edge to off
        {1, 2, false, true, 1},  {1, 3, true, true, 1}, // off now, which triggers anyway: once
        {0, 2, false, false, 0}, {0, 3, true, false, 0}, {1, 3, true, false, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "Alg " << c.alg << ", " << c.changes << " changes"
                                        << (c.levelChanged ? ", level changed" : ", level unchanged")
                                        << (c.counted ? "" : ", no count"));
        startOnPort1(c.alg);
        env.line->KeepCounters(c.counted);
        child<QAction>("mStart")->trigger();
        line(kMsDsr);
        clock.advance(2000);
        const int before = form->LapCount();
        pulse(c.changes, c.levelChanged);
        EXPECT_EQ(form->LapCount() - before, c.laps);
        exit();
        env.line = rundaro::serial::SimulatedLine::Create();
    }
}

// One lap per contact ("On/Off"), however it bounces: each step is one
// report of the port, `changes` DSR changes counted since the one before
// (1: an edge, 2: a pulse and back), the level read then, `after` ms after
// the previous step. No lockout hides what the contact rule does.
TEST_F(HardwareTriggerTest, OneLapPerContactHoweverItBounces)
{
    struct Step
    {
        std::uint32_t after;
        int changes;
        bool levelChanged;
    };
    struct Case
    {
        const char *name;
        std::vector<Step> steps;
        int laps;
    };
    const Case cases[] = {
        // Closed (a lap), held 1.5 s, opened with 1 ms of chatter.
        {"bounce on release", {{100, 1, true}, {1500, 1, true}, {1, 1, true}, {1, 1, true}}, 1},
        {"bounce on release in one report", {{100, 1, true}, {1500, 3, true}}, 1},
        // Closed with 10 ms of bounce, held, opened, closed again 1.5 s later.
        {"bounce on closing", {{100, 1, true}, {5, 1, true}, {5, 1, true}, {1500, 1, true}, {1500, 1, true}}, 2},
        // A short pulse whose two edges come in two reports, the level read
        // already back each time.
        {"split pulse", {{100, 1, false}, {1, 1, false}}, 1},
        {"pulse in one report", {{100, 2, false}}, 1},
        // Open for less than 20 ms between two closings: a short break away
        // from the chosen level, which counts at its end once the line has
        // stood closed again.
        {"open briefly", {{100, 1, true}, {1500, 1, true}, {19, 1, true}}, 2},
        {"open long enough", {{100, 1, true}, {1500, 1, true}, {20, 1, true}}, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        env.ports = {1};
        env.storeValues({{"Port", 1}, {"Alg", 0}, {"Len", 4000}, {"LenDop", 0}, {"LenKrug", 400}});
        start();
        lockout()->setInterval(0);
        child<QAction>("mStart")->trigger();
        for (const Step &step : c.steps) {
            clock.advance(step.after);
            pulse(step.changes, step.levelChanged);
        }
        // The line stands still: the port's follow-up reading ends the burst.
        clock.advance(25);
        const std::uint64_t timedOut = env.line->Snapshot().waitsTimedOut;
        env.line->AwaitLimitedWait();
        env.line->ExpireWaits();
        ASSERT_TRUE(PumpUntil([&] { return env.line->Snapshot().waitsTimedOut > timedOut; }));
        awaitWatching();
        EXPECT_EQ(form->LapCount(), c.laps);
        exit();
        env.line = rundaro::serial::SimulatedLine::Create();
    }
}

TEST_F(HardwareTriggerTest, TriggerAfterStopTakesNoActionButLocksOut)
{
    startOnPort1(1);
    child<QAction>("mStart")->trigger();
    child<QAction>("mStop")->trigger();
    const std::uint32_t stopped = form->StopTick();
    clock.advance(5000);
    line(kMsDsr);
    clock.advance(20);
    line(0);
    EXPECT_EQ(form->StopTick(), stopped);
    EXPECT_FALSE(enabled("bStart"));
    EXPECT_TRUE(enabled("bReset"));
    EXPECT_TRUE(lockout()->isActive());
}

TEST_F(HardwareTriggerTest, TriggersStartLapAndStopAWholeRace)
{
    env.ports = {1};
    // 600 m in laps of 200 m: START, two LAPs, STOP.
    env.storeValues({{"Port", 1},
                     {"Alg", 0},
                     {"Left", 0},
                     {"Top", 0},
                     {"Width", 708},
                     {"Height", 483},
                     {"Len", 600},
                     {"LenDop", 0},
                     {"LenKrug", 200}});
    start();
    const std::uint32_t t0 = clock.value();
    line(kMsDsr);
    EXPECT_EQ(form->StartTick(), t0);
    for (int lap = 1; lap <= 2; ++lap) {
        line(0);
        clock.advance(30000);
        lockoutEnds();
        line(kMsDsr);
        EXPECT_EQ(form->LapCount(), lap);
    }
    EXPECT_FALSE(enabled("bLAP"));
    EXPECT_TRUE(enabled("bStop"));
    line(0);
    clock.advance(29000);
    lockoutEnds();
    line(kMsDsr);
    EXPECT_EQ(form->StopTick(), t0 + 89000);
    EXPECT_FALSE(enabled("bStop"));
    EXPECT_TRUE(enabled("bReset"));
}

TEST_F(HardwareTriggerTest, PolarityFiveNeverTriggers)
{
    startOnPort1(5);
    EXPECT_EQ(cbAlg()->currentIndex(), -1);
    EXPECT_TRUE(cbAlg()->isEnabled());
    line(kMsDsr);
    line(0);
    line(kMsDsr);
    EXPECT_TRUE(enabled("bStart"));
    EXPECT_FALSE(lockout()->isActive());
}

// The list follows the devices: made anew when the user opens it and when a
// port's device node comes or goes. Each port keeps its number, the chosen
// entry stays chosen, and the port this window has open stays listed; a
// stored port missing from the list at start shows as chosen once listed.
TEST_F(HardwareTriggerTest, PortListFollowsTheDevices)
{
    env.ports = {1};
    env.storeValues({{"Port", 3}, {"Alg", 0}});
    start();
    ASSERT_TRUE(comPort()->Connected());
    const auto numbers = [&] {
        QList<int> found;
        for (int i = 0; i < cbPort()->count(); ++i)
            found << cbPort()->itemData(i).toInt();
        return found;
    };
    EXPECT_EQ(numbers(), (QList<int>{0, 1}));
    EXPECT_EQ(cbPort()->currentIndex(), -1);
    cbPort()->showPopup();
    EXPECT_EQ(numbers(), (QList<int>{0, 1, 3}));
    EXPECT_EQ(cbPort()->currentData().toInt(), 3);
    EXPECT_TRUE(cbAlg()->isEnabled());
    cbPort()->hidePopup();

    env.ports = {33}; // port 1 gone, an adapter plugged in; port 3 is ours
    cbPort()->showPopup();
    EXPECT_EQ(numbers(), (QList<int>{0, 3, 33}));
    EXPECT_EQ(cbPort()->currentData().toInt(), 3);
    EXPECT_EQ(cbPort()->itemText(2), QString::fromStdString(PortDisplayName(33)));
    cbPort()->hidePopup();

    env.ports = {33, 34};
    std::ofstream(env.devices() + "/ttyUSB1").put('\n');
    ASSERT_TRUE(PumpUntil([&] { return cbPort()->count() == 4; }));
    EXPECT_EQ(numbers(), (QList<int>{0, 3, 33, 34}));
    EXPECT_EQ(form->PortMask(), (34u << 16) | 0x4u);
    EXPECT_TRUE(comPort()->Connected());
}

TEST_F(HardwareTriggerTest, ChoosingNoneClosesThePort)
{
    startOnPort1(0);
    pick(cbPort(), 0);
    EXPECT_FALSE(comPort()->Connected());
    EXPECT_EQ(env.line->Snapshot().openDevices, 0);
    EXPECT_EQ(comPort()->Port(), 0);
    EXPECT_FALSE(cbAlg()->isEnabled());
    exit();
    EXPECT_EQ(env.stored("Port"), 0u);
}

TEST_F(HardwareTriggerTest, ChoosingAPortOpensItWithThePolarityShown)
{
    env.ports = {2, 5};
    start();
    pick(cbAlg(), 1); // alone changes nothing
    EXPECT_EQ(comPort()->Tag(), 0);
    EXPECT_FALSE(comPort()->Connected());
    pick(cbPort(), 2);
    EXPECT_TRUE(cbAlg()->isEnabled());
    EXPECT_TRUE(comPort()->Connected());
    EXPECT_EQ(comPort()->Port(), 5);
    EXPECT_EQ(env.line->Snapshot().port, 5);
    EXPECT_EQ(comPort()->Tag(), 1);
    line(kMsDsr);
    EXPECT_FALSE(running());
    clock.advance(20);
    line(0);
    EXPECT_TRUE(running());
}

TEST_F(HardwareTriggerTest, PortThatCannotBeOpenedIsReportedAndStaysChosen)
{
    env.ports = {2};
    start();
    env.line->FailOpen(16);
    {
        ModalCloser closer;
        pick(cbPort(), 1);
        // In words, with what to do; the number for whoever asks further.
        ASSERT_EQ(closer.texts().size(), 1);
        EXPECT_TRUE(closer.texts()[0].contains(QStringLiteral("anderen Programm benutzt (Fehler 16)")))
            << closer.texts()[0].toStdString();
    }
    EXPECT_FALSE(comPort()->Connected());
    EXPECT_EQ(cbPort()->currentIndex(), 1);
    EXPECT_EQ(comPort()->Port(), 2);
    exit();
    EXPECT_EQ(env.stored("Port"), 2u);
}

} // namespace

namespace {

// A port lost in the middle of a race is tried again once a second (the
// reconnect timer is driven by hand here) until it opens, showing the latest
// error meanwhile; only the adapter that was opened comes back by itself,
// another device at the same node waits for the user to choose the port.
TEST_F(HardwareTriggerTest, LostPortIsRetriedUntilItsOwnAdapterOpens)
{
    struct Case
    {
        const char *name;
        std::function<void(TestServices &)> block; // what keeps the port from coming back
        QString shown; // on the Configuration tab meanwhile
        std::function<void(TestServices &)> unblock; // what lets it
        bool byTheUser; // taken only by choosing the port
    };
    const Case cases[] = {
        {"busy, then free", [](TestServices &e) { e.line->FailOpen(16); }, QStringLiteral("(Fehler 16)"),
         [](TestServices &e) { e.line->FailOpen(0); }, false},
        {"another device at the node", [](TestServices &e) { e.identities[1] = "2341:0043:B"; },
         QStringLiteral("anderes Gerät"), [](TestServices &e) { e.identities[1] = "0403:6001:A"; }, false},
        {"another device, chosen", [](TestServices &e) { e.identities[1] = "2341:0043:B"; },
         QStringLiteral("anderes Gerät"), [](TestServices &) {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        env.identities[1] = "0403:6001:A";
        startOnPort1(0);
        auto *reconnect = child<QTimer>("TimerReconnect");
        EXPECT_FALSE(reconnect->isActive());
        env.line->AwaitWaitsStarted(1);
        env.line->DropCompletions(5); // the adapter goes
        ASSERT_TRUE(PumpUntil([&] { return !comPort()->Connected(); }));
        env.line->DropCompletions(0);
        EXPECT_TRUE(reconnect->isActive());
        c.block(env);
        const int opened = env.line->Snapshot().devicesOpened;
        for (int second = 0; second < 3; ++second) {
            reconnectTry();
            EXPECT_FALSE(comPort()->Connected());
        }
        EXPECT_TRUE(child<QLabel>("LabPortState")->text().contains(c.shown))
            << child<QLabel>("LabPortState")->text().toStdString();
        // Another device is never opened, not even to look.
        if (!env.identities[1].empty() && env.identities[1] != "0403:6001:A") {
            EXPECT_EQ(env.line->Snapshot().devicesOpened, opened);
        }
        c.unblock(env);
        if (c.byTheUser)
            pick(cbPort(), 1);
        else
            reconnectTry();
        EXPECT_TRUE(comPort()->Connected());
        EXPECT_FALSE(reconnect->isActive());
        exit();
        env.line = rundaro::serial::SimulatedLine::Create();
    }
}

// A port that cannot be opened says what happened and what to do, in the
// same words at start (beside "Hardware:", no message), at every try to
// reopen it and when the user chooses it (a message, and beside
// "Hardware:"); the reopening finds the reason by itself.
TEST_F(HardwareTriggerTest, EveryOpenFailureSaysWhatToDoWhereverItHappens)
{
    using rundaro::serial::OpenRefusal;
    struct Case
    {
        const char *name;
        std::uint32_t error;
        OpenRefusal refusal;
        QString advice; // what the text must hold
    };
    OpenRefusal stale;
    stale.reason = OpenRefusal::Reason::StaleLock;
    stale.path = "/run/lock/LCK..ttyS0";
    stale.user = "anna";
    stale.pid = 4711;
    const Case cases[] = {
        {"not in the group dialout", 13, {}, QStringLiteral("sudo adduser \"$USER\" dialout")},
        {"another user's stale lock", 1, stale, QStringLiteral("Benutzer anna blockiert")},
        {"another user's stale lock, its command", 1, stale, QStringLiteral("sudo rm /run/lock/LCK..ttyS0")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<rundaro::serial::OpenResult> refused;
        MainServices services = env.services();
        services.DeviceFactory = [&refused, open = services.DeviceFactory](std::uint8_t port) {
            if (refused)
                return rundaro::serial::OpenResult{nullptr, refused->error, refused->refusal};
            return open(port);
        };
        refused.emplace(nullptr, c.error, c.refusal);
        env.ports = {1};
        env.storeValues({{"Port", 1}, {"Alg", 0}});
        {
            ModalCloser closer;
            form = std::make_unique<TFormMain>(services);
            child<QTimer>("TimerReconnect")->setInterval(3600 * 1000);
            EXPECT_TRUE(closer.texts().isEmpty());
        }
        const auto shown = [this] { return child<QLabel>("LabPortState")->text(); };
        EXPECT_TRUE(shown().contains(c.advice)) << "at start: " << shown().toStdString();
        EXPECT_FALSE(shown().contains(QStringLiteral("Unable")));

        refused.emplace(nullptr, 2, OpenRefusal{});
        reconnectTry();
        EXPECT_FALSE(shown().contains(c.advice)) << shown().toStdString();
        refused.emplace(nullptr, c.error, c.refusal);
        reconnectTry();
        EXPECT_TRUE(shown().contains(c.advice)) << "at a reopening: " << shown().toStdString();

        {
            ModalCloser closer;
            pick(cbPort(), 1);
            ASSERT_EQ(closer.texts().size(), 1);
            EXPECT_TRUE(closer.texts()[0].contains(c.advice)) << closer.texts()[0].toStdString();
        }
        EXPECT_TRUE(shown().contains(c.advice)) << "after the choice: " << shown().toStdString();
        refused.reset();
        reconnectTry();
        EXPECT_TRUE(comPort()->Connected());
        exit();
        env.line = rundaro::serial::SimulatedLine::Create();
    }
}

// Listing the ports opens none of them: the platform's own list, over a
// sysfs folder and a device folder of the test's own, whose every open
// inotify counts, through a start, list refreshes, a device node's change
// and a race. Only the chosen port is opened, through the device factory.
TEST_F(HardwareTriggerTest, NoOtherPortIsOpenedAtStartRefreshOrRace)
{
    const std::string sysfs = env.dir.path().toStdString() + "/sys/class/tty";
    std::filesystem::create_directories(env.devices());
    for (const char *name : {"ttyS0", "ttyUSB0", "ttyUSB1"}) {
        std::filesystem::create_directories(sysfs + "/" + name + "/device");
        std::ofstream(env.devices() + "/" + name).put('\n');
    }
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(watch, env.devices().c_str(), IN_OPEN), 0);
    const auto opens = [watch] {
        int count = 0;
        alignas(inotify_event) char events[4096];
        for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;) {
            for (char *at = events; at < events + n;
                 at += sizeof(inotify_event) + reinterpret_cast<inotify_event *>(at)->len)
                ++count;
        }
        return count;
    };
    env.storeValues({{"Port", 33}, {"Alg", 0}});
    MainServices services = env.services();
    services.ListPorts = nullptr; // the platform's, over the folders above
    services.PortIdentity = nullptr;
    services.SysfsFolder = sysfs;
    form = std::make_unique<TFormMain>(services);
    ASSERT_TRUE(comPort()->Connected());
    EXPECT_EQ(cbPort()->count(), 4); // None, ttyS0, ttyUSB0, ttyUSB1
    EXPECT_EQ(opens(), 0) << "at start";
    cbPort()->showPopup();
    cbPort()->hidePopup();
    std::filesystem::create_directories(sysfs + "/ttyUSB2/device");
    std::ofstream(env.devices() + "/ttyUSB2").put('\n');
    EXPECT_EQ(opens(), 1); // this test's own, which made the node
    ASSERT_TRUE(PumpUntil([&] { return cbPort()->count() == 5; }));
    EXPECT_EQ(opens(), 0) << "at a refresh";
    line(kMsDsr); // START
    clock.advance(30000);
    line(0);
    cbPort()->showPopup();
    cbPort()->hidePopup();
    clock.advance(30000);
    line(kMsDsr);
    EXPECT_EQ(form->LapCount(), 1);
    EXPECT_EQ(opens(), 0) << "during the race";
    EXPECT_EQ(env.line->Snapshot().devicesOpened, 1);
    close(watch);
}

} // namespace

namespace {

// A clock that tells when a thread other than the main thread read it: the
// port's worker stamping a report.
std::atomic<std::uint32_t> g_now{0};
std::atomic<int> g_workerReads{0};
std::thread::id g_mainThread;

std::uint32_t readNoticingWorker()
{
    const std::uint32_t now = g_now.load();
    if (std::this_thread::get_id() != g_mainThread)
        ++g_workerReads; // after the read: the test moves the clock on then
    return now;
}

// The contact's time is the tick the port's worker read when the edge was
// reported, however late the main thread handles it; a keyboard LAP handled
// in between, later than the contact, raises the contact's time to its own,
// so that no lap is negative. START at 50000 from the keyboard.
TEST_F(HardwareTriggerTest, ContactTimeIsTheWorkersStampNeverBeforeTheLatestPassing)
{
    struct Case
    {
        const char *name;
        std::uint32_t edge;
        std::uint32_t keyboardLap;
        std::uint32_t handled;
        std::vector<std::int32_t> marks;
    };
    const Case cases[] = {
        {"main thread busy 50 ms", 60000, 0, 60050, {10000}},
        {"keyboard lap handled first", 60000, 60020, 60030, {10020, 10020}},
    };
    g_mainThread = std::this_thread::get_id();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        env.storeValues({{"Len", 4000}, {"LenDop", 0}, {"LenKrug", 400}});
        g_now = 50000;
        rundaro::SetTickSource(&readNoticingWorker);
        startOnPort1(0);
        child<QAction>("mStart")->trigger();
        ASSERT_TRUE(PumpUntil([&] { return env.line->Snapshot().waiting == 1; }));
        g_now = c.edge;
        const int reads = g_workerReads;
        env.line->SetModemStatus(kMsDsr);
        while (g_workerReads == reads) {
            // the worker stamps the edge; the main thread handles nothing
        }
        if (c.keyboardLap != 0) {
            g_now = c.keyboardLap;
            child<QAction>("mLAP")->trigger();
        }
        g_now = c.handled;
        ASSERT_TRUE(PumpUntil([&] { return form->LastModemStatus() == kMsDsr; }));
        std::vector<std::int32_t> marks;
        for (int i = 0; i < form->Race().Passings(); ++i)
            marks.push_back(std::int32_t(form->Race().PassingTick(i) - form->StartTick()));
        EXPECT_EQ(marks, c.marks);
        exit();
        env.line = rundaro::serial::SimulatedLine::Create();
    }
}

// A light barrier whose output closes while the beam is broken, used with
// "Off/On": each passing is a short pulse of DSR on, and counts at its end,
// once the line has stood off again for 20 ms (the port's follow-up
// reading). Breaks that keep coming so make the state line say once that
// the other polarity would time their start. One contact long after the
// last one (25 and 49 days, the tick near its wrap) counts like any other.
TEST_F(HardwareTriggerTest, ShortBreaksWithOffOnTakeEveryLapAndHintThePolarity)
{
    env.storeValues({{"Len", 4000}, {"LenDop", 0}, {"LenKrug", 400}});
    startOnPort1(1);
    const auto settle = [&] {
        env.line->AwaitLimitedWait();
        env.line->ExpireWaits();
    };
    const std::uint32_t breaks[] = {5, 8, 12, 15, 19, 22, 30};
    std::vector<std::int32_t> expected;
    std::uint32_t first = 0;
    for (const std::uint32_t ms : breaks) {
        clock.advance(2000);
        line(kMsDsr);
        clock.advance(ms);
        const std::uint32_t end = clock.value();
        line(0);
        if (ms < 20) {
            clock.advance(25);
            settle();
        }
        if (first == 0) {
            ASSERT_TRUE(PumpUntil([&] { return running(); }));
            first = end;
            EXPECT_EQ(form->StartTick(), end);
        } else {
            expected.push_back(std::int32_t(end - first));
            ASSERT_TRUE(PumpUntil([&] { return form->Race().Passings() == int(expected.size()); }));
        }
        lockoutEnds();
    }
    std::vector<std::int32_t> marks;
    for (int i = 0; i < form->Race().Passings(); ++i)
        marks.push_back(std::int32_t(form->Race().PassingTick(i) - form->StartTick()));
    EXPECT_EQ(marks, expected);
    EXPECT_TRUE(child<QLabel>("LabPortState")->text().contains(QStringLiteral("Polarität prüfen")));

    for (const std::uint32_t days : {25u, 49u}) {
        SCOPED_TRACE(days);
        const int before = form->Race().Passings();
        clock.advance(days * 24u * 3600u * 1000u);
        line(kMsDsr);
        line(0);
        clock.advance(25);
        settle();
        ASSERT_TRUE(PumpUntil([&] { return form->Race().Passings() == before + 1; }));
        form->TimerGesperrtTimer();
    }
}

} // namespace
