// The Windows backend on a COM port device. Under Wine (tools/ci-wine)
// the port named in RUNDARO_TEST_COM is a pseudo-terminal, and no other COM
// port exists; without that variable the tests are skipped.
#include "LineSettings.h"
#include "PortScan.h"
#include "Win32Device.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>

using namespace rundaro::serial;
using Clock = std::chrono::steady_clock;

namespace {

// A hang is what these bounds catch; nothing here takes nearly that long.
constexpr auto kHang = std::chrono::seconds(10);

bool waitUntil(const std::function<bool()> &condition)
{
    for (const auto end = Clock::now() + kHang; Clock::now() < end;) {
        if (condition())
            return true;
        Sleep(1);
    }
    return condition();
}

// The trigger's line: 9600 baud, 5 data bits, no parity, one stop bit, no
// flow control, DTR on, 64-byte queues.
LineSettings triggerLine()
{
    LineSettings s;
    s.dataBits = 5;
    s.writeBufSize = 64;
    s.readBufSize = 64;
    return s;
}

class Win32DeviceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char *named = std::getenv("RUNDARO_TEST_COM");
        if (!named)
            GTEST_SKIP() << "no port named in RUNDARO_TEST_COM";
        port = static_cast<std::uint8_t>(std::atoi(named));
        ASSERT_GT(port, 0);
    }

    std::uint8_t port = 0;
};

} // namespace

TEST_F(Win32DeviceTest, OpensWithTheTriggersLineSettings)
{
    OpenResult opened = OpenPort(port);
    ASSERT_TRUE(opened.device) << "error " << opened.error;
    ASSERT_TRUE(ApplySettings(*opened.device, triggerLine())) << opened.device->LastError();

    const HANDLE handle = Win32Handle(*opened.device);
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(handle, &dcb));
    // The data bits are not read back: a pseudo-terminal always keeps 8.
    EXPECT_EQ(dcb.BaudRate, 9600u);
    EXPECT_EQ(dcb.Parity, NOPARITY);
    EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
    EXPECT_EQ(dcb.fDtrControl, DWORD(DTR_CONTROL_ENABLE));
    EXPECT_EQ(dcb.fRtsControl, DWORD(RTS_CONTROL_DISABLE));
    EXPECT_FALSE(dcb.fOutxCtsFlow || dcb.fOutxDsrFlow || dcb.fOutX || dcb.fInX);

    COMMTIMEOUTS timeouts = {};
    ASSERT_TRUE(GetCommTimeouts(handle, &timeouts));
    EXPECT_EQ(timeouts.ReadIntervalTimeout, MAXDWORD);
    EXPECT_EQ(timeouts.ReadTotalTimeoutConstant, 0u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutMultiplier, 1000u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 1500u);
}

TEST_F(Win32DeviceTest, AnAbsentPortGivesTheSystemsErrorNumber)
{
    const OpenResult absent = OpenPort(static_cast<std::uint8_t>(port + 1));
    EXPECT_FALSE(absent.device);
    EXPECT_EQ(absent.error, DWORD(ERROR_FILE_NOT_FOUND));
}

// The worker's wait is pending when the device is closed: the wait ends and
// the port's handle is released. (Wine lets a COM port be opened twice, so
// opening it again alone would not show that.)
TEST_F(Win32DeviceTest, ClosingDuringAPendingWaitReturnsAndReleasesThePort)
{
    HANDLE handle = nullptr;
    double closeMs = 0;
    {
        OpenResult opened = OpenPort(port);
        ASSERT_TRUE(opened.device) << "error " << opened.error;
        std::unique_ptr<Device> device = std::move(opened.device);
        ASSERT_TRUE(ApplySettings(*device, triggerLine()));
        device->SetMask(EV_DSR);
        handle = Win32Handle(*device);

        std::promise<WaitResult> ended;
        std::future<WaitResult> result = ended.get_future();
        std::thread worker([&] {
            std::uint32_t events = 0;
            ended.set_value(device->WaitEvents(events));
        });
        const bool pending = waitUntil([&] { return Win32WaitPending(*device); });

        const auto start = Clock::now();
        device->CancelWait();
        if (result.wait_for(kHang) != std::future_status::ready) {
            worker.detach(); // blocked for good: leave it its device
            (void)device.release();
            FAIL() << "the wait did not end within " << kHang.count() << " s";
        }
        worker.join();
        device.reset();
        closeMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        ASSERT_TRUE(pending);
        EXPECT_EQ(result.get(), WaitResult::Cancelled);
    }
    std::printf("Close during a pending wait took %.1f ms\n", closeMs);
    RecordProperty("close_ms", std::to_string(closeMs));
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(handle, &flags));
    EXPECT_TRUE(OpenPort(port).device);
}

TEST_F(Win32DeviceTest, TheScanListsTheMappedPortAndNothingElse)
{
    const PortScanResult scan = ScanPorts();
    EXPECT_EQ(scan.ports, std::vector<std::uint8_t>{port});
    if (port <= 16) {
        EXPECT_EQ(scan.mask, (1u << (port - 1)) | (std::uint32_t(port) << 16));
    }
}
