// The Windows backend under the port component's own logic (ComPortCore),
// on a COM port device. Under Wine (tools/ci-wine) the port named in
// RUNDARO_TEST_COM is a pseudo-terminal, and no other COM port exists;
// without that variable the tests are skipped.
#include "Win32Device.h"
#include "ComPortCore.h"
#include "PortScan.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <string>
#include <thread>

using namespace rundaro::serial;
using Clock = std::chrono::steady_clock;

namespace {

// A hang is what these bounds catch; nothing here takes nearly that long.
constexpr auto kHang = std::chrono::seconds(10);

// The trigger's line: 9600 baud, 5 data bits, no parity, one stop bit, no
// flow control, DTR on, 64-byte queues, DSR changes only.
LineSettings triggerLine()
{
    LineSettings s;
    s.dataBits = 5;
    s.writeBufSize = 64;
    s.readBufSize = 64;
    return s;
}

// A port whose reports are counted. No port event can arrive here (the
// lines never change), so no hand-over ever needs serving.
struct CountedPort
{
    int opened = 0;
    int closed = 0;
    int lost = 0;
    ComPortCore core{[] {},
                     {nullptr, nullptr, [this] { ++opened; }, [this] { ++closed; }, [this](std::uint32_t) { ++lost; }}};
};

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
    CountedPort counted;
    counted.core.Open(port, triggerLine(), EV_DSR);
    ASSERT_TRUE(counted.core.Connected());
    EXPECT_EQ(counted.opened, 1);

    const HANDLE handle = Win32Handle(*counted.core.Handle());
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

    DWORD mask = 0;
    ASSERT_TRUE(GetCommMask(handle, &mask));
    EXPECT_EQ(mask, DWORD(EV_DSR));
}

TEST_F(Win32DeviceTest, AnAbsentPortGivesTheOpenErrorAndItsNumber)
{
    CountedPort counted;
    try {
        counted.core.Open(static_cast<std::uint8_t>(port + 1), triggerLine(), EV_DSR);
        FAIL() << "an absent port opened";
    } catch (const EComHandle &e) {
        EXPECT_STREQ(e.what(), "Unable to open com port: 2"); // ERROR_FILE_NOT_FOUND
    }
    EXPECT_FALSE(counted.core.Connected());
    EXPECT_EQ(counted.core.Handle(), nullptr);
    EXPECT_EQ(counted.opened, 0);
}

// Close while the worker's wait is pending returns, and releases the port's
// handle (Wine lets a COM port be opened twice, so opening it again alone
// would not show that). The port lives on a thread of its own, so that a
// Close that hangs ends the test program with a message instead of hanging.
TEST_F(Win32DeviceTest, CloseDuringAPendingWaitReturnsAndReleasesThePort)
{
    struct Outcome
    {
        bool pending = false;
        double closeMs = 0;
        int closed = 0;
    };
    std::promise<Outcome> done;
    std::future<Outcome> outcome = done.get_future();
    std::thread owner([&, port = port] {
        try {
            Outcome o;
            auto counted = std::make_unique<CountedPort>();
            counted->core.Open(port, triggerLine(), EV_DSR);
            for (const auto end = Clock::now() + kHang; !o.pending && Clock::now() < end; Sleep(1))
                o.pending = Win32WaitPending(*counted->core.Handle());
            const auto start = Clock::now();
            counted->core.Close();
            o.closeMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            o.closed = counted->closed;
            done.set_value(o);
        } catch (...) {
            done.set_exception(std::current_exception());
        }
    });
    if (outcome.wait_for(kHang + kHang) != std::future_status::ready) {
        // Blocked for good: a process with such a thread may not end either.
        std::fprintf(stderr, "Close did not return within %d s\n", int((kHang + kHang).count()));
        std::fflush(nullptr);
        _exit(1);
    }
    owner.join();
    const Outcome o = outcome.get();
    ASSERT_TRUE(o.pending);
    std::printf("Close during a pending wait took %.1f ms\n", o.closeMs);
    RecordProperty("close_ms", std::to_string(o.closeMs));
    EXPECT_EQ(o.closed, 1);

    // The port is released when it opens again: a COM port opens only once
    // at a time. (The old handle's value proves nothing, since the system
    // may have given it to another object meanwhile.)
    CountedPort again;
    again.core.Open(port, triggerLine(), EV_DSR);
    EXPECT_TRUE(again.core.Connected());
}

// Wine writes its ports into the system's list when its device manager
// starts, before tests/wine/run maps the test's port: the entry a serial
// driver makes on Windows is made here, under the sandbox only.
void ListMappedPortUnderWine(std::uint8_t port)
{
    if (!std::getenv("RUNDARO_WINE_SANDBOX"))
        return;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return;
    const std::string name = "COM" + std::to_string(port);
    RegSetValueExA(key, "\\Device\\RundaroTest", 0, REG_SZ, reinterpret_cast<const BYTE *>(name.c_str()),
                   DWORD(name.size() + 1));
    RegCloseKey(key);
}

// The list comes from the system's list of serial ports, without opening
// any; ports above 16 are in it too.
TEST_F(Win32DeviceTest, TheScanListsTheMappedPortAndNothingElse)
{
    ListMappedPortUnderWine(port);
    EXPECT_EQ(HighestScannedPort(), 255);
    const PortScanResult scan = ScanPorts();
    EXPECT_EQ(scan.ports, std::vector<std::uint8_t>{port});
    if (port <= 16) {
        EXPECT_EQ(scan.mask, (1u << (port - 1)) | (std::uint32_t(port) << 16));
    }
}
