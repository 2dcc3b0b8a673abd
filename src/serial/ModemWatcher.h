#pragma once

#include "BlockingCall.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

namespace rundaro::serial {

// Runs a blocking wait for modem-line changes (TIOCMIWAIT) on a thread of its
// own and writes the eventfd `notifyFd` after each change, and once more when
// the wait fails for good (Error then tells why). The serial device polls
// that eventfd together with its other descriptors, so nothing is polled in
// time.
//
// The blocking call is ended on destruction through a BlockingCall: a
// real-time signal sent to the watcher thread alone. The watcher thread
// blocks every other signal, so none meant for the host program is taken by
// it.
//
// The port's worker uses it only when it waits for received data and modem
// lines at once; a worker that waits for modem lines alone makes the wait
// itself.
class ModemWatcher
{
public:
    // Blocks until a line changes (returns 0) or fails (-1 and errno).
    using BlockingWait = std::function<int()>;
    // Called before each wait: true when lines changed since the last call,
    // which a wait that starts now would miss.
    using ChangedSince = std::function<bool()>;

    ModemWatcher(int notifyFd, BlockingWait wait, ChangedSince changed);
    ~ModemWatcher();
    ModemWatcher(const ModemWatcher &) = delete;
    ModemWatcher &operator=(const ModemWatcher &) = delete;

    // The error number that ended the watcher, or 0 while it watches.
    std::uint32_t Error() const { return m_error; }

    // The signal that interrupts the wait; 0 when every one was taken.
    static int WakeSignal();

private:
    void Run();
    void Notify();

    const int m_notifyFd;
    BlockingWait m_wait;
    ChangedSince m_changed;
    std::atomic<std::uint32_t> m_error{0};
    BlockingCall m_call;
    std::thread m_thread;
};

} // namespace rundaro::serial
