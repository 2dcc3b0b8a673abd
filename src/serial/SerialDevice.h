#pragma once

#include "OpenRefusal.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The serial device layer: what the port component needs of an open serial
// device, with one backend per platform (Win32 communication functions,
// POSIX termios) and a simulated line for tests and benchmarks. It knows
// nothing of Qt, of the component's settings or of its events; it opens,
// configures, waits and reports.
namespace rundaro::serial {

// Port event bits, as the waits report them.
inline constexpr std::uint32_t EV_RXCHAR = 0x0001;
inline constexpr std::uint32_t EV_RXFLAG = 0x0002;
inline constexpr std::uint32_t EV_TXEMPTY = 0x0004;
inline constexpr std::uint32_t EV_CTS = 0x0008;
inline constexpr std::uint32_t EV_DSR = 0x0010;
inline constexpr std::uint32_t EV_RLSD = 0x0020;
inline constexpr std::uint32_t EV_BREAK = 0x0040;
inline constexpr std::uint32_t EV_ERR = 0x0080;
inline constexpr std::uint32_t EV_RING = 0x0100;

// Modem status word bits.
inline constexpr std::uint32_t MS_CTS_ON = 0x0010;
inline constexpr std::uint32_t MS_DSR_ON = 0x0020;
inline constexpr std::uint32_t MS_RING_ON = 0x0040;
inline constexpr std::uint32_t MS_RLSD_ON = 0x0080;

// Error bits reported when the error state is cleared.
inline constexpr std::uint32_t CE_RXOVER = 0x0001;
inline constexpr std::uint32_t CE_OVERRUN = 0x0002;
inline constexpr std::uint32_t CE_RXPARITY = 0x0004;
inline constexpr std::uint32_t CE_FRAME = 0x0008;
inline constexpr std::uint32_t CE_BREAK = 0x0010;

// Purge flags.
inline constexpr std::uint32_t PURGE_TXABORT = 0x0001;
inline constexpr std::uint32_t PURGE_RXABORT = 0x0002;
inline constexpr std::uint32_t PURGE_TXCLEAR = 0x0004;
inline constexpr std::uint32_t PURGE_RXCLEAR = 0x0008;

// Flag word of the device control block.
inline constexpr std::uint32_t DCB_BINARY = 0x0001;
inline constexpr std::uint32_t DCB_PARITY = 0x0002;
inline constexpr std::uint32_t DCB_OUTX_CTS_FLOW = 0x0004;
inline constexpr std::uint32_t DCB_DTR_CONTROL_ENABLE = 0x0010;
inline constexpr std::uint32_t DCB_OUTX = 0x0100;
inline constexpr std::uint32_t DCB_INX = 0x0200;
// RTS switched on while open (a second contact takes its voltage from it).
inline constexpr std::uint32_t DCB_RTS_CONTROL_ENABLE = 0x1000;
inline constexpr std::uint32_t DCB_RTS_CONTROL_HANDSHAKE = 0x2000;

inline constexpr std::uint8_t NOPARITY = 0, ODDPARITY = 1, EVENPARITY = 2, MARKPARITY = 3, SPACEPARITY = 4;
inline constexpr std::uint8_t ONESTOPBIT = 0, ONE5STOPBITS = 1, TWOSTOPBITS = 2;

// The line state: speed, character format, handshake and flow control.
struct DeviceControlBlock
{
    std::uint32_t DCBlength = 28;
    std::uint32_t BaudRate = 0;
    std::uint32_t Flags = 0;
    std::uint16_t XonLim = 0;
    std::uint16_t XoffLim = 0;
    std::uint8_t ByteSize = 0;
    std::uint8_t Parity = NOPARITY;
    std::uint8_t StopBits = ONESTOPBIT;
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;

    bool operator==(const DeviceControlBlock &) const = default;
};

struct CommTimeouts
{
    std::uint32_t ReadIntervalTimeout = 0;
    std::uint32_t ReadTotalTimeoutMultiplier = 0;
    std::uint32_t ReadTotalTimeoutConstant = 0;
    std::uint32_t WriteTotalTimeoutMultiplier = 0;
    std::uint32_t WriteTotalTimeoutConstant = 0;

    bool operator==(const CommTimeouts &) const = default;
};

// How a wait for port events ended.
enum class WaitResult {
    Events, // a wait completed and reported the event bits
    Cancelled, // CancelWait was called (before or during the wait)
    Dropped, // a wait completed but reports failure; waiting again may work
    Failed, // no wait could be started or waited for (see LastError)
    TimedOut, // WaitEventsFor's time limit passed without an event
};

// One open serial device. Every call but WaitEvents and CancelWait is made on
// the owner's thread; WaitEvents runs on one worker thread at a time, and
// CancelWait may be called from any thread. ModemStatus and the change
// counts (DsrChangeCount, CtsChangeCount) are also called by the worker
// right after a wait returned, while the owner's thread may be making its
// own calls. Calls returning bool report
// failure as false with the reason in LastError.
class Device
{
public:
    virtual ~Device() = default;
    Device(const Device &) = delete;
    Device &operator=(const Device &) = delete;

    virtual bool SetState(const DeviceControlBlock &dcb) = 0;
    virtual bool GetTimeouts(CommTimeouts &timeouts) = 0;
    virtual bool SetTimeouts(const CommTimeouts &timeouts) = 0;
    virtual bool SetupQueues(std::int32_t receiveSize, std::int32_t transmitSize) = 0;
    // Selects the events that waits report. A backend that cannot report some
    // of the bits keeps the others and returns false (LastError says why).
    virtual bool SetMask(std::uint32_t mask) = 0;
    // Waits without time limit for an enabled event; `events` receives the
    // bits reported. Events that occur between two waits are kept for the
    // next one. A cancelled device stays cancelled: each later wait returns
    // Cancelled at once.
    virtual WaitResult WaitEvents(std::uint32_t &events) = 0;
    // WaitEvents with a time limit in milliseconds (negative: none), after
    // which it returns TimedOut. `pending` tells whether the events were
    // there before the wait began (kept from between two waits): they then
    // happened some time before, not as the wait returned. A backend without
    // a time limit waits as WaitEvents does.
    virtual WaitResult WaitEventsFor(std::uint32_t &events, std::int32_t /*timeoutMs*/, bool &pending)
    {
        pending = false;
        return WaitEvents(events);
    }
    // Milliseconds between two looks at the modem lines where the driver
    // cannot wait for them and the backend polls instead; 0 when it waits.
    virtual std::int32_t PollIntervalMs() const { return 0; }
    virtual void CancelWait() = 0;
    virtual bool ModemStatus(std::uint32_t &status) = 0;
    // The number of DSR changes the driver has counted since the device was
    // opened (it wraps). False where the driver keeps no such count: a DSR
    // change is then told only by the line's level.
    virtual bool DsrChangeCount(std::uint32_t & /*count*/) { return false; }
    // The same for CTS, the second contact's line.
    virtual bool CtsChangeCount(std::uint32_t & /*count*/) { return false; }
    // Clears the error state; returns the error bits and the number of bytes
    // waiting in the receive queue.
    virtual bool ClearErrors(std::uint32_t &errors, std::uint32_t &inQue) = 0;
    virtual bool Purge(std::uint32_t flags) = 0;
    // The error number of the last failed call, as the system reports it.
    virtual std::uint32_t LastError() const = 0;

protected:
    Device() = default;
};

struct OpenResult
{
    OpenResult() = default;
    OpenResult(std::unique_ptr<Device> opened, std::uint32_t failure, OpenRefusal why = {})
        : device(std::move(opened))
        , error(failure)
        , refusal(std::move(why))
    {
    }

    std::unique_ptr<Device> device; // null when the open failed
    std::uint32_t error = 0; // the system's error number then
    // What the user needs to know beyond the number: who holds the port,
    // what frees it; mostly Reason::None.
    OpenRefusal refusal;
};

// Opens port number `port` for reading and writing, without sharing. The
// component gets its devices through such a factory, so that tests can hand
// it a simulated line or a pseudo-terminal.
using DeviceFactory = std::function<OpenResult(std::uint8_t port)>;

// The device name of port number `port` on this platform; empty when the
// number names no device here. See OpenPort.
std::string PortDeviceName(std::uint8_t port);

// True when port number `port` is among the system's serial ports now
// (ListPorts); nothing is opened.
bool ProbePort(std::uint8_t port);

// Opens port number `port` with the platform's backend.
//  Windows: "COM" and the number, with the "\\.\" prefix above 9.
//  Linux:   1-32 /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31, 65-96 /dev/ttyACM0-31;
//           0 and 97-255 name no device and fail with ENOENT. The console
//           and a port locked or held open by another program fail with
//           EBUSY (OpenResult::refusal says which); the port's UUCP lock in
//           /run/lock is held while it is open.
OpenResult OpenPort(std::uint8_t port);

} // namespace rundaro::serial
