#include "PosixDevice.h"
#include "ProcStats.h"
#include "Pty.h"
#include "SimulatedDriver.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <future>
#include <string>

using namespace rundaro::serial;

namespace {

// Opens the pty's slave in raw mode, as the port component configures it.
OpenResult OpenRaw(const Pty &pty)
{
    OpenResult opened = OpenPath(pty.SlaveName());
    if (opened.device)
        opened.device->SetState({28, 9600, DCB_BINARY, 0, 1, 8, NOPARITY, ONESTOPBIT});
    return opened;
}

} // namespace

TEST(PortDeviceName, OneFixedTable)
{
    const std::pair<int, const char *> cases[] = {
        {1, "/dev/ttyS0"},
        {12, "/dev/ttyS11"},
        {32, "/dev/ttyS31"},
        {33, "/dev/ttyUSB0"},
        {64, "/dev/ttyUSB31"},
        {65, "/dev/ttyACM0"},
        {96, "/dev/ttyACM31"},
        {0, ""},
        {97, ""},
        {255, ""},
    };
    for (const auto &[port, name] : cases)
        EXPECT_EQ(PortDeviceName(static_cast<std::uint8_t>(port)), name) << port;
}

TEST(PosixDevice, NumbersWithoutADeviceFailAsAbsent)
{
    for (int port : {0, 97, 255}) {
        const OpenResult result = OpenPort(static_cast<std::uint8_t>(port));
        EXPECT_FALSE(result.device);
        EXPECT_EQ(result.error, std::uint32_t(ENOENT));
    }
}

TEST(PosixDevice, NumbersWithoutADeviceAreNotPresent)
{
    for (int port : {0, 97, 255})
        EXPECT_FALSE(ProbePort(static_cast<std::uint8_t>(port)));
}

TEST(PosixDevice, OpenFailuresCarryTheErrorNumber)
{
    EXPECT_EQ(OpenPath("/dev/rundaro-no-such-port").error, std::uint32_t(ENOENT));
    EXPECT_EQ(OpenPath("/dev/null").error, std::uint32_t(ENOTTY));
}

TEST(PosixDevice, SecondOpenFailsUntilTheFirstIsClosed)
{
    Pty pty;
    ASSERT_FALSE(pty.SlaveName().empty());
    OpenResult first = OpenPath(pty.SlaveName());
    ASSERT_TRUE(first.device) << first.error;
    const OpenResult second = OpenPath(pty.SlaveName());
    EXPECT_FALSE(second.device);
    EXPECT_EQ(second.error, std::uint32_t(EBUSY));
    first.device.reset();
    EXPECT_TRUE(OpenPath(pty.SlaveName()).device);
}

TEST(PosixDevice, RefusesWhatItCannotReportButKeepsTheRest)
{
    Pty pty;
    OpenResult opened = OpenRaw(pty);
    ASSERT_TRUE(opened.device);
    EXPECT_FALSE(opened.device->SetMask(EV_RXCHAR | EV_TXEMPTY | EV_RXFLAG));
    EXPECT_EQ(opened.device->LastError(), std::uint32_t(EINVAL));
    ASSERT_EQ(write(pty.Master(), "x", 1), 1);
    std::uint32_t events = 0;
    EXPECT_EQ(opened.device->WaitEvents(events), WaitResult::Events);
    EXPECT_EQ(events, EV_RXCHAR);
}

TEST(PosixDevice, ModemWaitOnADeviceWithoutModemLinesFails)
{
    Pty pty;
    OpenResult opened = OpenRaw(pty);
    ASSERT_TRUE(opened.device);
    EXPECT_TRUE(opened.device->SetMask(EV_DSR));
    std::uint32_t events = 0;
    EXPECT_EQ(opened.device->WaitEvents(events), WaitResult::Failed);
    EXPECT_NE(opened.device->LastError(), 0u);
    std::uint32_t status = 0;
    EXPECT_FALSE(opened.device->ModemStatus(status));
}

TEST(PosixDevice, EmptyMaskCannotBeWaitedFor)
{
    Pty pty;
    OpenResult opened = OpenRaw(pty);
    ASSERT_TRUE(opened.device);
    opened.device->SetMask(0);
    std::uint32_t events = 0;
    EXPECT_EQ(opened.device->WaitEvents(events), WaitResult::Failed);
    EXPECT_EQ(opened.device->LastError(), std::uint32_t(EINVAL));
}

TEST(PosixDevice, CancelEndsABlockedWaitAndEveryLaterOne)
{
    Pty pty;
    OpenResult opened = OpenRaw(pty);
    ASSERT_TRUE(opened.device);
    opened.device->SetMask(EV_RXCHAR);
    Device &device = *opened.device;
    auto waiting = std::async(std::launch::async, [&device] {
        std::uint32_t events = 0;
        return device.WaitEvents(events);
    });
    device.CancelWait();
    EXPECT_EQ(waiting.get(), WaitResult::Cancelled);
    // Data that is ready does not beat the cancel.
    ASSERT_EQ(write(pty.Master(), "x", 1), 1);
    std::uint32_t events = 0;
    EXPECT_EQ(device.WaitEvents(events), WaitResult::Cancelled);
}

TEST(PosixDevice, HangUpEndsTheWait)
{
    Pty pty;
    OpenResult opened = OpenRaw(pty);
    ASSERT_TRUE(opened.device);
    opened.device->SetMask(EV_RXCHAR);
    pty.CloseMaster();
    std::uint32_t events = 0;
    EXPECT_EQ(opened.device->WaitEvents(events), WaitResult::Failed);
    EXPECT_EQ(opened.device->LastError(), std::uint32_t(EIO));
}

TEST(PosixDevice, InQueueCountAndPurge)
{
    Pty pty;
    OpenResult opened = OpenRaw(pty);
    ASSERT_TRUE(opened.device);
    opened.device->SetMask(EV_RXCHAR);
    ASSERT_EQ(write(pty.Master(), "abc", 3), 3);
    std::uint32_t events = 0;
    ASSERT_EQ(opened.device->WaitEvents(events), WaitResult::Events); // data has arrived
    std::uint32_t errors = 1;
    std::uint32_t inQue = 0;
    ASSERT_TRUE(opened.device->ClearErrors(errors, inQue));
    EXPECT_EQ(errors, 0u);
    EXPECT_EQ(inQue, 3u);
    ASSERT_TRUE(opened.device->Purge(PURGE_RXABORT | PURGE_RXCLEAR));
    ASSERT_TRUE(opened.device->ClearErrors(errors, inQue));
    EXPECT_EQ(inQue, 0u);
}

namespace {

// A pseudo-terminal with modem lines from the driver stand-in, opened for
// DSR changes alone, as the lap trigger opens its port.
struct DsrDevice
{
    DsrDevice()
    {
        opened = OpenPath(pty.SlaveName(), driver);
        if (opened.device)
            opened.device->SetMask(EV_DSR);
    }
    Device &device() { return *opened.device; }
    std::future<WaitResult> waitInBackground(std::uint32_t &events)
    {
        const std::uint64_t started = driver->WaitsStarted() + 1;
        auto result = std::async(std::launch::async, [this, &events] { return device().WaitEvents(events); });
        driver->AwaitWaitsStarted(started);
        return result;
    }

    Pty pty;
    std::shared_ptr<SimulatedDriver> driver = std::make_shared<SimulatedDriver>();
    OpenResult opened;
};

} // namespace

TEST(PosixDevice, ModemLinesAloneAreWaitedForWithoutAThreadOfTheirOwn)
{
    const int threads = ProcStats::Threads();
    DsrDevice dsr;
    ASSERT_TRUE(dsr.opened.device) << dsr.opened.error;
    EXPECT_EQ(ProcStats::Threads(), threads);
    std::uint32_t events = 0;
    auto waiting = dsr.waitInBackground(events);
    EXPECT_EQ(ProcStats::Threads(), threads + 1); // the waiting thread alone
    dsr.driver->Drive(TIOCM_CTS); // not asked for: the wait goes on
    dsr.driver->Drive(TIOCM_CTS | TIOCM_DSR);
    EXPECT_EQ(waiting.get(), WaitResult::Events);
    EXPECT_EQ(events, EV_DSR);
    std::uint32_t status = 0;
    ASSERT_TRUE(dsr.device().ModemStatus(status));
    EXPECT_EQ(status, MS_CTS_ON | MS_DSR_ON);
    // A change made while no wait was in progress is reported at once.
    dsr.driver->Drive(TIOCM_CTS);
    events = 0;
    EXPECT_EQ(dsr.device().WaitEvents(events), WaitResult::Events);
    EXPECT_EQ(events, EV_DSR);
}

TEST(PosixDevice, OneThreadWaitEndsWhenTheDeviceGoesAndPollsWithoutAWait)
{
    for (const int error : {EIO, ENODEV, ENXIO}) {
        DsrDevice dsr;
        ASSERT_TRUE(dsr.opened.device);
        std::uint32_t events = 0;
        auto waiting = dsr.waitInBackground(events);
        dsr.driver->Unplug(error);
        EXPECT_EQ(waiting.get(), WaitResult::Failed) << error;
        EXPECT_EQ(dsr.device().LastError(), std::uint32_t(error));
    }
    // A driver without the wait (ENOTTY, EINVAL): the lines are polled, and
    // a change is reported as with the wait; a time limit still ends it.
    for (const int error : {ENOTTY, EINVAL}) {
        DsrDevice dsr;
        dsr.driver->RemoveWait(error);
        dsr.driver->KeepCounters(false);
        std::uint32_t events = 0;
        bool pending = true;
        EXPECT_EQ(dsr.device().WaitEventsFor(events, 0, pending), WaitResult::TimedOut) << error;
        auto waiting = std::async(std::launch::async, [&] { return dsr.device().WaitEvents(events); });
        dsr.driver->AwaitLineReads(dsr.driver->LineReads() + 3);
        EXPECT_EQ(dsr.device().PollIntervalMs(), 2) << error;
        dsr.driver->Drive(TIOCM_DSR);
        EXPECT_EQ(waiting.get(), WaitResult::Events) << error;
        EXPECT_EQ(events, EV_DSR);
    }
}

// The cancel's signal may come just before the wait has begun; it is sent
// again until the wait has ended, so each round ends.
TEST(PosixDevice, CancelEndsTheOneThreadWaitAndEveryLaterOne)
{
    for (int round = 0; round < 50; ++round) {
        DsrDevice dsr;
        ASSERT_TRUE(dsr.opened.device);
        std::uint32_t events = 0;
        auto waiting = dsr.waitInBackground(events);
        dsr.device().CancelWait();
        EXPECT_EQ(waiting.get(), WaitResult::Cancelled);
        EXPECT_EQ(dsr.driver->Waiting(), 0);
        dsr.driver->Drive(TIOCM_DSR); // a change that is ready does not beat the cancel
        EXPECT_EQ(dsr.device().WaitEvents(events), WaitResult::Cancelled);
    }
}

TEST(PosixDevice, AsksForLowLatencyAndCountsDsrChanges)
{
    DsrDevice dsr;
    ASSERT_TRUE(dsr.opened.device);
    EXPECT_TRUE(dsr.driver->LowLatency());
    std::uint32_t first = 0;
    std::uint32_t later = 0;
    ASSERT_TRUE(dsr.device().DsrChangeCount(first));
    dsr.driver->PulseDsr(3);
    ASSERT_TRUE(dsr.device().DsrChangeCount(later));
    EXPECT_EQ(later - first, 3u);
    dsr.opened.device.reset();
    EXPECT_FALSE(dsr.driver->LowLatency()) << "the mode outlived the port";

    // A driver that refuses low latency and keeps no counts still opens.
    Pty pty;
    auto plain = std::make_shared<SimulatedDriver>();
    plain->RefuseLowLatency(true);
    plain->KeepCounters(false);
    const OpenResult opened = OpenPath(pty.SlaveName(), plain);
    ASSERT_TRUE(opened.device) << opened.error;
    EXPECT_FALSE(plain->LowLatency());
    EXPECT_FALSE(opened.device->DsrChangeCount(later));
}
