#pragma once

#include <linux/serial.h>

#include <memory>

namespace rundaro::serial {

// The terminal driver's modem-line calls on an open descriptor: the lowest
// level of the POSIX backend, and the one place where it blocks for the
// lines. By default the kernel answers (Kernel); tests and benchmarks hand
// OpenPath a stand-in (SimulatedDriver), for example behind a
// pseudo-terminal, which has no modem lines.
//
// Each call returns 0, or -1 with errno set, as ioctl() does.
class LineDriver
{
public:
    virtual ~LineDriver() = default;

    // Blocks until one of `lines` (TIOCM_CTS, TIOCM_DSR, TIOCM_RNG,
    // TIOCM_CD) changes after the call has started (TIOCMIWAIT). A signal
    // ends it with EINTR; a device that has gone, with EIO, ENODEV or ENXIO.
    virtual int WaitLines(int fd, int lines) = 0;
    // The levels of the modem lines, TIOCM_* bits (TIOCMGET).
    virtual int GetLines(int fd, int &lines) = 0;
    // Switches the output lines in `lines` on or off (TIOCMBIS, TIOCMBIC).
    virtual int SetLines(int fd, int lines, bool on) = 0;
    // The driver's interrupt counters (TIOCGICOUNT); fails on a driver that
    // keeps none.
    virtual int GetCounters(int fd, serial_icounter_struct &count) = 0;
    // Switches low-latency mode on or off: with it on, the driver passes on
    // what it receives and every modem-line change at once
    // (ASYNC_LOW_LATENCY through TIOCGSERIAL/TIOCSSERIAL). `changed` tells
    // whether this call switched it; fails on a driver that refuses or does
    // not know the request.
    virtual int SetLowLatency(int fd, bool on, bool &changed) = 0;

    // The kernel's own calls; one object serves every descriptor.
    static std::shared_ptr<LineDriver> Kernel();
};

} // namespace rundaro::serial
