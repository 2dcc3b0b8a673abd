#pragma once

#include "SerialDevice.h"

#include <string>

namespace rundaro::serial {

// Opens the terminal device at `path` with the POSIX backend (termios). Port
// numbers reach it through OpenPort; tests use it directly with a
// pseudo-terminal.
//
// No sharing: the device gets TIOCEXCL and an exclusive flock, so a second
// open fails with EBUSY also for a process that may override TIOCEXCL.
//
// Waiting: the worker's wait is one poll() on three descriptors, without time
// limit: an eventfd that CancelWait writes (checked first, so a cancel wins),
// an edge-triggered epoll on the device for received data, breaks and errors
// (told apart by the driver's interrupt counters), and an eventfd written by a
// modem watcher thread (ModemWatcher) blocked in TIOCMIWAIT on CTS, DSR, RI
// and DCD, so a quiet line costs nothing. Which lines changed is told by the
// driver's interrupt counters (TIOCGICOUNT), or by the line levels where
// there are none.
//
// EV_TXEMPTY and EV_RXFLAG cannot be reported here: SetMask keeps the other
// bits and returns false with EINVAL. Pseudo-terminals have no modem lines:
// a wait for modem events on one fails with the driver's error number, and
// ModemStatus fails.
OpenResult OpenPath(const std::string &path);

} // namespace rundaro::serial
