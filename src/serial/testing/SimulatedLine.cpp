#include "SimulatedLine.h"

#include <algorithm>

namespace rundaro::serial {

class SimulatedLine::LineDevice final : public Device
{
public:
    explicit LineDevice(std::shared_ptr<SimulatedLine> line)
        : m_line(std::move(line))
    {
    }

    ~LineDevice() override
    {
        std::lock_guard lock(m_line->m_mutex);
        --m_line->m_state.openDevices;
        m_line->m_pending = 0;
        m_line->m_state.mask = 0;
        m_line->m_changed.notify_all();
    }

    bool SetState(const DeviceControlBlock &dcb) override
    {
        std::lock_guard lock(m_line->m_mutex);
        if (Refused(Call::SetState))
            return false;
        m_line->m_state.dcb = dcb;
        return true;
    }

    bool GetTimeouts(CommTimeouts &timeouts) override
    {
        std::lock_guard lock(m_line->m_mutex);
        if (Refused(Call::GetTimeouts))
            return false;
        timeouts = m_line->m_state.timeouts;
        return true;
    }

    bool SetTimeouts(const CommTimeouts &timeouts) override
    {
        std::lock_guard lock(m_line->m_mutex);
        if (Refused(Call::SetTimeouts))
            return false;
        m_line->m_state.timeouts = timeouts;
        return true;
    }

    bool SetupQueues(std::int32_t receiveSize, std::int32_t transmitSize) override
    {
        std::lock_guard lock(m_line->m_mutex);
        if (Refused(Call::SetupQueues))
            return false;
        m_line->m_state.receiveQueue = receiveSize;
        m_line->m_state.transmitQueue = transmitSize;
        return true;
    }

    bool SetMask(std::uint32_t mask) override
    {
        std::lock_guard lock(m_line->m_mutex);
        m_line->m_state.mask = mask;
        m_line->m_pending &= mask;
        return true;
    }

    WaitResult WaitEvents(std::uint32_t &events) override
    {
        bool pending = false;
        return WaitEventsFor(events, -1, pending);
    }

    WaitResult WaitEventsFor(std::uint32_t &events, std::int32_t timeoutMs, bool &pending) override
    {
        std::unique_lock lock(m_line->m_mutex);
        pending = m_line->m_pending != 0;
        SimulatedLine &line = *m_line;
        if (m_cancelled)
            return WaitResult::Cancelled;
        if (line.m_failWaits != 0 || line.m_state.mask == 0) {
            m_lastError = line.m_failWaits != 0 ? line.m_failWaits : kErrorNoEvents;
            ++line.m_state.waitsFailed;
            line.m_changed.notify_all();
            return WaitResult::Failed;
        }
        ++line.m_state.waitsStarted;
        line.m_state.mostWaiting = std::max(line.m_state.mostWaiting, ++line.m_state.waiting);
        line.m_changed.notify_all();
        // The time limit is the test's: it passes when ExpireWaits says so.
        const std::uint64_t expiry = line.m_expiries;
        const bool limited = timeoutMs >= 0;
        if (limited)
            ++line.m_state.limitedWaiting;
        line.m_changed.notify_all();
        line.m_changed.wait(lock, [&] {
            return m_cancelled || line.m_pending != 0 || line.m_dropCompletions != 0
                || (limited && line.m_expiries != expiry);
        });
        --line.m_state.waiting;
        if (limited)
            --line.m_state.limitedWaiting;
        if (m_cancelled)
            return WaitResult::Cancelled;
        if (line.m_pending == 0 && line.m_dropCompletions == 0) {
            ++line.m_state.waitsTimedOut;
            line.m_changed.notify_all();
            return WaitResult::TimedOut;
        }
        ++line.m_state.waitsCompleted;
        line.m_changed.notify_all();
        if (line.m_dropCompletions != 0) {
            m_lastError = line.m_dropCompletions;
            return WaitResult::Dropped;
        }
        events = line.m_pending;
        line.m_pending = 0;
        return WaitResult::Events;
    }

    void CancelWait() override
    {
        std::lock_guard lock(m_line->m_mutex);
        m_cancelled = true;
        m_line->m_changed.notify_all();
    }

    bool ModemStatus(std::uint32_t &status) override
    {
        std::lock_guard lock(m_line->m_mutex);
        if (Refused(Call::ModemStatus))
            return false;
        status = m_line->m_modem;
        return true;
    }

    bool DsrChangeCount(std::uint32_t &count) override
    {
        std::lock_guard lock(m_line->m_mutex);
        count = m_line->m_dsrCount;
        return m_line->m_counters;
    }

    bool CtsChangeCount(std::uint32_t &count) override
    {
        std::lock_guard lock(m_line->m_mutex);
        count = m_line->m_ctsCount;
        return m_line->m_counters;
    }

    bool ClearErrors(std::uint32_t &errors, std::uint32_t &inQue) override
    {
        std::lock_guard lock(m_line->m_mutex);
        errors = m_line->m_errors;
        m_line->m_errors = 0;
        inQue = m_line->m_inQue;
        return true;
    }

    bool Purge(std::uint32_t flags) override
    {
        std::lock_guard lock(m_line->m_mutex);
        m_line->m_state.purges.push_back(flags);
        m_line->m_changed.notify_all();
        if (flags & PURGE_RXCLEAR)
            m_line->m_inQue = 0;
        return true;
    }

    std::uint32_t LastError() const override
    {
        std::lock_guard lock(m_line->m_mutex);
        return m_lastError;
    }

private:
    // Called with the line's lock held.
    bool Refused(Call call)
    {
        const std::uint32_t error = m_line->Failure(call);
        if (error != 0)
            m_lastError = error;
        return error != 0;
    }

    std::shared_ptr<SimulatedLine> m_line;
    bool m_cancelled = false;
    std::uint32_t m_lastError = 0;
};

std::shared_ptr<SimulatedLine> SimulatedLine::Create()
{
    return std::shared_ptr<SimulatedLine>(new SimulatedLine);
}

DeviceFactory SimulatedLine::Factory()
{
    return [line = shared_from_this()](std::uint8_t port) { return line->Open(port); };
}

OpenResult SimulatedLine::Open(std::uint8_t port)
{
    std::lock_guard lock(m_mutex);
    m_state.port = port;
    if (m_failOpen != 0)
        return {nullptr, m_failOpen};
    if (m_state.openDevices > 0)
        return {nullptr, kErrorBusy};
    ++m_state.openDevices;
    ++m_state.devicesOpened;
    m_pending = 0;
    m_state.mask = 0;
    return {std::make_unique<LineDevice>(shared_from_this()), 0};
}

void SimulatedLine::SetModemStatus(std::uint32_t status)
{
    static constexpr std::pair<std::uint32_t, std::uint32_t> kLineEvents[]
        = {{MS_CTS_ON, EV_CTS}, {MS_DSR_ON, EV_DSR}, {MS_RING_ON, EV_RING}, {MS_RLSD_ON, EV_RLSD}};
    std::lock_guard lock(m_mutex);
    const std::uint32_t changed = status ^ m_modem;
    m_modem = status;
    for (const auto &[line, event] : kLineEvents) {
        if (changed & line)
            m_pending |= event & m_state.mask;
    }
    if (changed & MS_DSR_ON)
        ++m_dsrCount;
    if (changed & MS_CTS_ON)
        ++m_ctsCount;
    m_changed.notify_all();
}

void SimulatedLine::PulseDsr(int changes, bool levelChanged)
{
    std::lock_guard lock(m_mutex);
    Pulse(MS_DSR_ON, EV_DSR, m_dsrCount, changes, levelChanged);
}

void SimulatedLine::PulseCts(int changes, bool levelChanged)
{
    std::lock_guard lock(m_mutex);
    Pulse(MS_CTS_ON, EV_CTS, m_ctsCount, changes, levelChanged);
}

void SimulatedLine::Pulse(std::uint32_t status, std::uint32_t event, std::uint32_t &count, int changes,
                          bool levelChanged)
{
    count += static_cast<std::uint32_t>(changes);
    if (levelChanged)
        m_modem ^= status;
    m_pending |= event & m_state.mask;
    m_changed.notify_all();
}

void SimulatedLine::ExpireWaits()
{
    std::lock_guard lock(m_mutex);
    ++m_expiries;
    m_changed.notify_all();
}

void SimulatedLine::AwaitLimitedWait() const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_state.limitedWaiting > 0; });
}

void SimulatedLine::KeepCounters(bool keep)
{
    std::lock_guard lock(m_mutex);
    m_counters = keep;
}

void SimulatedLine::RaiseEvents(std::uint32_t bits)
{
    std::lock_guard lock(m_mutex);
    m_pending |= bits & m_state.mask;
    m_changed.notify_all();
}

void SimulatedLine::SetInQue(std::uint32_t count)
{
    std::lock_guard lock(m_mutex);
    m_inQue = count;
}

void SimulatedLine::AddErrors(std::uint32_t errors)
{
    std::lock_guard lock(m_mutex);
    m_errors |= errors;
}

void SimulatedLine::FailOpen(std::uint32_t error)
{
    std::lock_guard lock(m_mutex);
    m_failOpen = error;
}

void SimulatedLine::FailCall(Call call, std::uint32_t error)
{
    std::lock_guard lock(m_mutex);
    m_failCall[static_cast<int>(call)] = error;
}

void SimulatedLine::FailWaits(std::uint32_t error)
{
    std::lock_guard lock(m_mutex);
    m_failWaits = error;
}

void SimulatedLine::DropCompletions(std::uint32_t error)
{
    std::lock_guard lock(m_mutex);
    m_dropCompletions = error;
    m_changed.notify_all();
}

SimulatedLine::State SimulatedLine::Snapshot() const
{
    std::lock_guard lock(m_mutex);
    return m_state;
}

void SimulatedLine::AwaitWaitsStarted(std::uint64_t n) const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_state.waitsStarted >= n; });
}

void SimulatedLine::AwaitWaitsCompleted(std::uint64_t n) const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_state.waitsCompleted >= n; });
}

void SimulatedLine::AwaitPurges(std::size_t n) const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_state.purges.size() >= n; });
}

std::uint32_t SimulatedLine::Failure(Call call) const
{
    return m_failCall[static_cast<int>(call)];
}

} // namespace rundaro::serial
