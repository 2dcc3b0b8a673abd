#pragma once

#include "LineDriver.h"

#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace rundaro::serial {

// Stands in for a serial driver's modem lines, for tests and benchmarks: the
// far end's lines (CTS, DSR, RI, DCD) are set from any thread, each change
// counted as the kernel counts it; a wait blocks like TIOCMIWAIT (it sees
// only changes made after it started, and a signal ends it with EINTR); the
// output lines DTR and RTS are kept as set. The device can be unplugged
// (every wait in progress and every later call fails, with EIO by default),
// plugged in again, or made a driver without the wait or without counters.
// One stand-in serves every descriptor handed to it: it is one adapter.
class SimulatedDriver final : public LineDriver
{
public:
    SimulatedDriver() = default;
    SimulatedDriver(const SimulatedDriver &) = delete;
    SimulatedDriver &operator=(const SimulatedDriver &) = delete;

    // The far end sets its lines (TIOCM_CTS | TIOCM_DSR | TIOCM_RNG |
    // TIOCM_CD); each line whose level changes counts one change.
    void Drive(int levels);
    // DSR changes `changes` times in a row, faster than anyone reads it: it
    // ends at the level that many changes leave.
    void PulseDsr(int changes);
    void Unplug(int error = EIO);
    void Plug();
    // A driver without the modem-line wait: every wait fails at once with
    // `error` (0 gives the wait back).
    void RemoveWait(int error);
    // A driver that keeps no interrupt counters.
    void KeepCounters(bool keep);
    // A UART whose change latch merges fast changes: the driver counts one
    // change for a PulseDsr of any number.
    void MergeFastChanges(bool merge);
    // A driver that refuses low-latency mode.
    void RefuseLowLatency(bool refuse);
    // A device whose DTR stays off whatever is asked (a broken adapter).
    void StickDtrOff(bool stick);
    // Whether low-latency mode is on.
    bool LowLatency() const;

    // DTR and RTS as last set.
    int OutputLines() const;
    std::uint64_t WaitsStarted() const;
    // Blocks until `n` waits have started; a test keeps step without sleeping.
    void AwaitWaitsStarted(std::uint64_t n) const;
    // Reads of the line levels so far; blocks until there have been `n`
    // (a poller keeps step so).
    std::uint64_t LineReads() const;
    void AwaitLineReads(std::uint64_t n) const;
    // Threads inside a wait now.
    int Waiting() const;
    // Blocks until a thread is inside a wait.
    void AwaitWaiting() const;

    int WaitLines(int fd, int lines) override;
    int GetLines(int fd, int &lines) override;
    int SetLines(int fd, int lines, bool on) override;
    int GetCounters(int fd, serial_icounter_struct &count) override;
    int SetLowLatency(int fd, bool on, bool &changed) override;

private:
    // Called with the lock held: every blocked wait looks again.
    void WakeWaiters();
    int Fail(int error) const;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    int m_levels = 0;
    int m_outputs = 0;
    serial_icounter_struct m_count = {};
    bool m_counters = true;
    bool m_merge = false;
    bool m_refuseLowLatency = false;
    bool m_lowLatency = false;
    bool m_dtrStuck = false;
    int m_unplugged = 0;
    int m_noWait = 0;
    std::uint64_t m_waitsStarted = 0;
    std::uint64_t m_lineReads = 0;
    int m_waiting = 0;
    std::vector<int> m_waiterFds; // one eventfd per wait in progress
};

} // namespace rundaro::serial
