// TComPort's Open with arbitrary property values on the simulated line, and
// with any one of the device's calls refused: Open either succeeds with the
// device configured exactly as the properties say (compared with a device
// control block, time-outs, queue sizes and event mask derived here from the
// properties alone) or raises EComHandle or EComState with the message and
// error number of the refused call, leaving no device open. Close then
// leaves no device open either, with DSR edges pending or dispatched.
//
// Input: baud ordinal, BaudRateUser (4 bytes), Port, Parity, StopBits,
// FlowControl, DataBits, Events (2 bytes), EnableDTR, WriteBufSize and
// ReadBufSize (4 bytes each), which call is refused (0 none, 1 the open,
// 2-5 the four configuring calls), its error number (4 bytes), the number of
// DSR edges raised while open, whether Open is called twice.

#include "Comms.h"
#include "FuzzApplication.h"
#include "SimulatedLine.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace rundaro::serial;

namespace {

constexpr std::size_t kInputSize = 28;

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

template <class T> T at(const std::uint8_t *data, std::size_t offset)
{
    T v;
    std::memcpy(&v, data + offset, sizeof v);
    return v;
}

// The line speed of each baud-rate ordinal, brUser aside.
constexpr std::uint32_t kSpeeds[15]
    = {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};

struct Expected
{
    DeviceControlBlock dcb;
    std::uint32_t mask = 0;
};

Expected derive(std::uint8_t baud, std::int32_t user, std::uint8_t parity, std::uint8_t stopBits, std::uint8_t flow,
                std::uint8_t dataBits, std::uint16_t events, bool dtr, std::int32_t writeBuf)
{
    Expected e;
    e.dcb.DCBlength = 28;
    e.dcb.BaudRate = baud == 15 ? static_cast<std::uint32_t>(user) : kSpeeds[baud];
    e.dcb.Flags = 0x0001 | (dtr ? 0x0010 : 0) | (flow == 1 ? 0x0004 | 0x2000 : 0) | (flow == 2 ? 0x0300 : 0);
    e.dcb.XonLim = static_cast<std::uint16_t>(writeBuf / 4);
    e.dcb.XoffLim = 1;
    e.dcb.ByteSize = dataBits < 5 ? 5 : (dataBits > 8 ? 8 : dataBits);
    e.dcb.Parity = parity;
    e.dcb.StopBits = stopBits;
    e.dcb.XonChar = 0x11;
    e.dcb.XoffChar = 0x13;
    // evRxChar, evTxEmpty, evRxFlag, evRing, evBreak, evCTS, evDSR, evError, evRLSD
    constexpr std::uint32_t kBits[9] = {0x0001, 0x0004, 0x0002, 0x0100, 0x0040, 0x0008, 0x0010, 0x0080, 0x0020};
    for (int i = 0; i < 9; ++i)
        if (events & (1u << i))
            e.mask |= kBits[i];
    return e;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    rundaro::fuzz::FuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < kInputSize)
        return 0;
    const std::uint8_t baud = data[0] % 16;
    const auto user = at<std::int32_t>(data, 1);
    const std::uint8_t port = data[5];
    const std::uint8_t parity = data[6] % 5;
    const std::uint8_t stopBits = data[7] % 3;
    const std::uint8_t flow = data[8] % 3;
    const std::uint8_t dataBits = data[9];
    const auto events = at<std::uint16_t>(data, 10);
    const bool dtr = data[12] & 1;
    const auto writeBuf = at<std::int32_t>(data, 13);
    const auto readBuf = at<std::int32_t>(data, 17);
    const int refused = data[21] % 6;
    const std::uint32_t error = at<std::uint32_t>(data, 22) | 1; // 0 would switch the failure off
    const int edges = data[26] % 16;
    const bool twice = data[27] & 1;

    auto line = SimulatedLine::Create();
    TComPort port_;
    port_.SetDeviceFactory(line->Factory());
    port_.SetBaudRate(static_cast<TBaudRate>(baud));
    port_.SetBaudRateUser(user);
    port_.SetPort(port);
    port_.SetParity(static_cast<TParity>(parity));
    port_.SetStopBits(static_cast<TStopBits>(stopBits));
    port_.SetFlowControl(static_cast<TFlowControl>(flow));
    port_.SetDataBits(dataBits);
    port_.SetEvents(TEvents::FromBits(events));
    port_.SetEnableDTR(dtr);
    port_.SetWriteBufSize(writeBuf);
    port_.SetReadBufSize(readBuf);
    int dsr = 0;
    port_.OnDSR = [&](QObject *) { ++dsr; };

    if (refused == 1)
        line->FailOpen(error);
    else if (refused > 1)
        line->FailCall(static_cast<SimulatedLine::Call>(refused - 2), error);

    const Expected expected = derive(baud, user, parity, stopBits, flow, dataBits, events, dtr, writeBuf);
    for (int round = 0; round < (twice ? 2 : 1); ++round) {
        std::string raised;
        try {
            port_.Open();
        } catch (const EComHandle &e) {
            raised = std::string("EComHandle ") + e.what();
        } catch (const EComState &e) {
            raised = std::string("EComState ") + e.what();
        } catch (...) {
            fail("Open raised something else");
        }
        const SimulatedLine::State s = line->Snapshot();
        if (refused == 0) {
            if (!raised.empty())
                fail("Open failed: " + raised);
            if (!port_.Connected() || s.openDevices != 1 || s.port != port)
                fail("not connected to the device of the port");
            if (!(s.dcb == expected.dcb))
                fail("device control block differs");
            const CommTimeouts t = s.timeouts;
            if (t.ReadIntervalTimeout != 0xFFFFFFFF || t.ReadTotalTimeoutMultiplier != 0
                || t.ReadTotalTimeoutConstant != 0 || t.WriteTotalTimeoutMultiplier != 1000
                || t.WriteTotalTimeoutConstant != 1500)
                fail("time-outs differ");
            if (s.receiveQueue != readBuf || s.transmitQueue != writeBuf)
                fail("queue sizes differ");
            if (s.mask != expected.mask)
                fail("event mask differs");
        } else {
            const std::string want = refused == 1 ? "EComHandle Unable to open com port: " + std::to_string(error)
                                                  : "EComState Unable to set com state: " + std::to_string(error);
            if (raised != want)
                fail("raised \"" + raised + "\" instead of \"" + want + "\"");
            if (port_.Connected() || s.openDevices != 0)
                fail("a failed Open left the device open");
        }
    }

    for (int k = 0; k < edges; ++k)
        line->SetModemStatus((k % 2 == 0) ? MS_DSR_ON : 0);
    if (edges > 0 && (data[27] & 2))
        QCoreApplication::processEvents();
    port_.Close();
    QCoreApplication::sendPostedEvents();
    if (line->Snapshot().openDevices != 0 || port_.Connected())
        fail("Close left the device open");
    if (dsr > edges)
        fail("more DSR events than edges");
    return 0;
}
