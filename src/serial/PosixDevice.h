#pragma once

#include "LineDriver.h"
#include "PortLock.h"
#include "SerialDevice.h"

#include <memory>
#include <string>

namespace rundaro::serial {

// Opens the terminal device at `path` with the POSIX backend (termios). Port
// numbers reach it through OpenPort; tests use it directly with a
// pseudo-terminal. The modem-line calls go to `driver`, by default the
// kernel (LineDriver::Kernel); a stand-in (SimulatedDriver) gives a
// pseudo-terminal modem lines.
//
// No sharing: the device gets TIOCEXCL and an exclusive flock, so a second
// open fails with EBUSY also for a process that may override TIOCEXCL. With
// `safety` (OpenPort gives the system's), the active console is never
// opened, and a port that another process holds open (its descriptors in
// the process folder) or has locked fails with EBUSY before it is opened,
// with a detail for the user saying so; while the device is open this
// process holds its UUCP lock. On opening, the driver
// is asked for low-latency mode (best effort).
//
// Waiting, without time limit and without polling:
//  - Modem lines alone (the lap trigger's case): the waiting thread itself
//    blocks in the driver's modem-line wait (TIOCMIWAIT), so a change wakes
//    that one thread. CancelWait ends the wait with a signal sent to that
//    thread (BlockingCall).
//  - Received data, breaks or errors, with or without modem lines: one
//    poll() on three descriptors: an eventfd that CancelWait writes (checked
//    first, so a cancel wins), an edge-triggered epoll on the device, and an
//    eventfd written by a modem watcher thread (ModemWatcher) blocked in the
//    modem-line wait.
// Which lines changed is told by the driver's interrupt counters
// (TIOCGICOUNT), or by the line levels where there are none; a change made
// while no wait was in progress is reported by the next wait at once.
//
// A modem-line wait that fails (a device that has gone: EIO, ENODEV, ENXIO;
// a driver without the wait: ENOTTY, EINVAL) ends WaitEvents with Failed and
// the driver's error number.
//
// EV_TXEMPTY and EV_RXFLAG cannot be reported here: SetMask keeps the other
// bits and returns false with EINVAL. Pseudo-terminals have no modem lines of
// their own: with the kernel's calls a wait for modem events on one fails,
// and ModemStatus fails.
OpenResult OpenPath(const std::string &path, std::shared_ptr<LineDriver> driver = nullptr,
                    const PortSafety &safety = {});

// True when the device at `path` is a serial port that can be opened now
// without sharing; it is closed again at once. The console and a port that
// a live process has locked are not opened at all and not present; a stale
// lock is passed over and left for the open to replace.
bool ProbePath(const std::string &path, const PortSafety &safety);

} // namespace rundaro::serial
