#pragma once

#include "SerialDevice.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace rundaro::serial {

// A serial line in memory: the device whose modem lines, received data and
// errors a test or a benchmark sets from any thread. Its devices wait and
// cancel like the real backends (events that arrive between two waits are
// kept; a cancel wins over events that are ready at the same time) and, like
// them, cannot be opened twice at once. Each refused call and each kind of
// failing wait can be provoked, and what the port component did to the
// device can be read back.
class SimulatedLine : public std::enable_shared_from_this<SimulatedLine>
{
public:
    // Error number of the second open while a device is open (access denied).
    static constexpr std::uint32_t kErrorBusy = 5;
    // Error number of a wait on an empty event mask (invalid parameter).
    static constexpr std::uint32_t kErrorNoEvents = 87;

    enum class Call { SetState, GetTimeouts, SetTimeouts, SetupQueues, ModemStatus };

    static std::shared_ptr<SimulatedLine> Create();

    // A factory opening this line for any port number.
    DeviceFactory Factory();
    OpenResult Open(std::uint8_t port);

    // The far end of the line.
    void SetModemStatus(std::uint32_t status); // raises CTS/DSR/RING/RLSD for changed bits
    // DSR changes `changes` times between two reports: counted and reported
    // as one DSR event; the level then read has changed or not. The two may
    // disagree on a real line too, where the level is read a moment before
    // the count.
    void PulseDsr(int changes, bool levelChanged);
    // The same on CTS, the second contact's line.
    void PulseCts(int changes, bool levelChanged);
    // Ends every wait with a time limit that is in progress now: its time
    // has passed (TimedOut). A wait's time limit passes only so: the line's
    // time is the test's, as the race clock is.
    void ExpireWaits();
    // Blocks until a wait with a time limit is in progress.
    void AwaitLimitedWait() const;
    // Whether devices count DSR and CTS changes (they do by default).
    void KeepCounters(bool keep);
    void RaiseEvents(std::uint32_t bits); // only bits in the device's mask are kept
    void SetInQue(std::uint32_t count);
    void AddErrors(std::uint32_t errors);

    // Failures. An error of 0 switches the failure off again.
    void FailOpen(std::uint32_t error);
    void FailCall(Call call, std::uint32_t error);
    void FailWaits(std::uint32_t error); // no wait can be started
    void DropCompletions(std::uint32_t error); // every wait completes at once, failed

    // What the component did; each read is a consistent snapshot.
    struct State
    {
        std::uint8_t port = 0;
        int openDevices = 0;
        int devicesOpened = 0;
        DeviceControlBlock dcb;
        CommTimeouts timeouts;
        std::int32_t receiveQueue = 0;
        std::int32_t transmitQueue = 0;
        std::uint32_t mask = 0;
        std::vector<std::uint32_t> purges;
        std::uint64_t waitsStarted = 0;
        std::uint64_t waitsCompleted = 0;
        std::uint64_t waitsFailed = 0;
        int waiting = 0; // threads inside a wait now
        int mostWaiting = 0; // most threads ever inside a wait at once
        int limitedWaiting = 0; // of them, waits with a time limit
        std::uint64_t waitsTimedOut = 0;
    };
    State Snapshot() const;

    // Block until the count has reached `n`: tests keep step with the worker
    // without sleeping.
    void AwaitWaitsStarted(std::uint64_t n) const;
    void AwaitWaitsCompleted(std::uint64_t n) const;
    // A worker purges the receive side as its last step.
    void AwaitPurges(std::size_t n) const;

private:
    class LineDevice;
    friend class LineDevice;
    SimulatedLine() = default;
    // Called with the lock held.
    void Pulse(std::uint32_t status, std::uint32_t event, std::uint32_t &count, int changes, bool levelChanged);
    std::uint32_t Failure(Call call) const;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    State m_state;
    std::uint32_t m_modem = 0;
    std::uint32_t m_dsrCount = 0;
    std::uint32_t m_ctsCount = 0;
    bool m_counters = true;
    std::uint32_t m_pending = 0;
    std::uint32_t m_errors = 0;
    std::uint32_t m_inQue = 0;
    std::uint32_t m_failOpen = 0;
    std::uint32_t m_failCall[5] = {};
    std::uint32_t m_failWaits = 0;
    std::uint32_t m_dropCompletions = 0;
    std::uint64_t m_expiries = 0;
};

} // namespace rundaro::serial
