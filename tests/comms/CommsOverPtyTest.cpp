#include "Comms.h"
#include "PosixDevice.h"
#include "ProcStats.h"
#include "Pty.h"
#include "SimulatedDriver.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <sys/ioctl.h>

#include <termios.h>

#include <cerrno>
#include <string>

using namespace rundaro::serial;

namespace {

// The kernel's code for a speed given in bits per second (not in glibc).
constexpr tcflag_t kOtherSpeed = 0010000;

DeviceFactory PathFactory(const std::string &path)
{
    return [path](std::uint8_t) { return OpenPath(path); };
}

template <typename Error> std::string MessageOf(TComPort &port)
{
    try {
        port.Open();
    } catch (const Error &e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(ComPortOverPty, PortsWithoutADevice)
{
    // The platform's own ports; neither number names a device here.
    for (int number : {0, 200}) {
        TComPort port;
        port.SetPort(static_cast<quint8>(number));
        EXPECT_EQ(MessageOf<EComHandle>(port), "Unable to open com port: " + std::to_string(ENOENT));
        EXPECT_FALSE(port.Connected());
    }
    TComPort port;
    port.SetDeviceFactory(PathFactory("/dev/rundaro-no-such-port"));
    EXPECT_EQ(MessageOf<EComHandle>(port), "Unable to open com port: 2");
}

TEST(ComPortOverPty, SecondOpenOfAnOpenPortFails)
{
    Pty pty;
    ASSERT_FALSE(pty.SlaveName().empty());
    TComPort first;
    TComPort second;
    first.SetDeviceFactory(PathFactory(pty.SlaveName()));
    second.SetDeviceFactory(PathFactory(pty.SlaveName()));
    first.SetEvents({TComPort::evRxChar});
    second.SetEvents({TComPort::evRxChar});
    first.Open();
    // The number, and for the user what it means.
    EXPECT_EQ(MessageOf<EComHandle>(second), "Unable to open com port: " + std::to_string(EBUSY));
    try {
        second.Open();
    } catch (const EComHandle &e) {
        EXPECT_EQ(e.Refusal().reason, rundaro::serial::OpenRefusal::Reason::InUse);
    }
    EXPECT_FALSE(second.Connected());
    first.Close();
    second.Open();
    EXPECT_TRUE(second.Connected());
}

TEST(ComPortOverPty, RefusedLineFormat)
{
    Pty pty;
    TComPort port;
    port.SetDeviceFactory(PathFactory(pty.SlaveName()));
    port.SetStopBits(TComPort::sbOne5StopBits); // only with 5 data bits
    EXPECT_EQ(MessageOf<EComState>(port), "Unable to set com state: " + std::to_string(EINVAL));
    EXPECT_FALSE(port.HandleValid());
    EXPECT_TRUE(OpenPath(pty.SlaveName()).device) << "the device was left open";
}

TEST(ComPortOverPty, LineSettingsReadBack)
{
    struct Case
    {
        TBaudRate baud;
        quint8 dataBits;
        TParity parity;
        TStopBits stopBits;
        TFlowControl flow;
        speed_t speed;
        tcflag_t cflags; // size, parity, stop bits, handshake
        tcflag_t iflags; // software flow control
    };
    const Case cases[] = {
        {TComPort::br9600, 5, TComPort::prNone, TComPort::sbOneStopBit, TComPort::fcNone, B9600, CS5, 0},
        {TComPort::br19200, 8, TComPort::prEven, TComPort::sbTwoStopBits, TComPort::fcRtsCts, B19200,
         CS8 | PARENB | CSTOPB | CRTSCTS, 0},
        {TComPort::br76500, 7, TComPort::prOdd, TComPort::sbOneStopBit, TComPort::fcXonXoff, B57600,
         CS7 | PARENB | PARODD, IXON | IXOFF},
        {TComPort::br110, 6, TComPort::prMark, TComPort::sbOneStopBit, TComPort::fcNone, B110,
         CS6 | PARENB | PARODD | CMSPAR, 0},
        {TComPort::br115200, 5, TComPort::prSpace, TComPort::sbOne5StopBits, TComPort::fcNone, B115200,
         CS5 | PARENB | CMSPAR | CSTOPB, 0},
        {TComPort::brUser, 8, TComPort::prNone, TComPort::sbOneStopBit, TComPort::fcNone, kOtherSpeed, CS8, 0},
    };
    // A pseudo-terminal always reads back 8 bits without parity; the rest of
    // the format it keeps.
    constexpr tcflag_t kChecked = PARODD | CMSPAR | CSTOPB | CRTSCTS;
    for (const Case &c : cases) {
        Pty pty;
        // Opened before the port, so the exclusive open does not shut it out.
        const int fd = open(pty.SlaveName().c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(fd, 0);
        TComPort port;
        port.SetDeviceFactory(PathFactory(pty.SlaveName()));
        port.SetEvents({TComPort::evRxChar});
        port.SetBaudRate(c.baud);
        port.SetDataBits(c.dataBits);
        port.SetParity(c.parity);
        port.SetStopBits(c.stopBits);
        port.SetFlowControl(c.flow);
        port.Open();
        termios t = {};
        ASSERT_EQ(tcgetattr(fd, &t), 0);
        SCOPED_TRACE(int(c.baud));
        EXPECT_EQ(t.c_cflag & CBAUD, c.speed);
        EXPECT_EQ(t.c_cflag & kChecked, c.cflags & kChecked);
        EXPECT_EQ(t.c_cflag & (CREAD | CLOCAL), tcflag_t(CREAD | CLOCAL));
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF | INPCK | ICRNL | BRKINT), c.iflags);
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(t.c_cc[VSTART], 0x11);
        EXPECT_EQ(t.c_cc[VSTOP], 0x13);
        EXPECT_EQ(t.c_cc[VMIN], 0);
        port.Close();
        close(fd);
    }
}

// An adapter pulled out while the port waits for DSR, and a driver without
// the modem-line wait: the port closes its descriptor and says why; a
// handler's error in between changes nothing.
// A driver that cannot wait for the modem lines is polled instead (see
// ContactTableTest); only a device that goes ends the watching.
TEST(ComPortOverPty, AdapterThatGoesIsReported)
{
    for (const int error : {EIO}) {
        Pty pty;
        auto driver = std::make_shared<rundaro::serial::SimulatedDriver>();
        const int files = ProcStats::Files();
        TComPort port;
        port.SetDeviceFactory([&](std::uint8_t) { return OpenPath(pty.SlaveName(), driver); });
        port.SetEvents({TComPort::evDSR});
        int dsr = 0;
        int thrown = 0;
        std::uint32_t lost = 0;
        port.OnDSR = [&](QObject *) {
            ++dsr;
            throw std::runtime_error("handler failed");
        };
        port.OnException = [&](QObject *, const std::exception_ptr &) { ++thrown; };
        port.OnLost = [&](QObject *, std::uint32_t number) { lost = number; };
        port.Open();
        {
            for (int edge = 1; edge <= 2; ++edge) {
                driver->AwaitWaiting(); // a wait sees only changes made after it has begun
                driver->Drive(edge == 1 ? TIOCM_DSR : 0);
                while (dsr < edge)
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            }
            driver->AwaitWaiting();
            driver->Unplug(EIO);
        }
        while (lost == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        EXPECT_EQ(lost, std::uint32_t(error));
        EXPECT_EQ(thrown, dsr);
        EXPECT_FALSE(port.Connected());
        EXPECT_FALSE(port.HandleValid());
        EXPECT_EQ(ProcStats::Files(), files) << "the descriptor was kept";
    }
}

// The contact takes its voltage from DTR: a device whose DTR stays off
// cannot be used, and says so as a refused configuration.
TEST(ComPortOverPty, DtrThatDoesNotTakeIsRefused)
{
    Pty pty;
    auto driver = std::make_shared<rundaro::serial::SimulatedDriver>();
    driver->StickDtrOff(true);
    TComPort port;
    port.SetDeviceFactory([&](std::uint8_t) { return OpenPath(pty.SlaveName(), driver); });
    port.SetEvents({TComPort::evDSR});
    EXPECT_EQ(MessageOf<EComState>(port), "Unable to set com state: " + std::to_string(EIO));
    EXPECT_FALSE(port.HandleValid());
    driver->StickDtrOff(false);
    port.Open();
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(driver->OutputLines(), TIOCM_DTR); // RTS off
}
