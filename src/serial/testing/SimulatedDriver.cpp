#include "SimulatedDriver.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace rundaro::serial {

namespace {

constexpr int kInputLines = TIOCM_CTS | TIOCM_DSR | TIOCM_RNG | TIOCM_CD;
constexpr int kOutputLines = TIOCM_DTR | TIOCM_RTS;

bool Differs(const serial_icounter_struct &a, const serial_icounter_struct &b, int lines)
{
    return ((lines & TIOCM_CTS) && a.cts != b.cts) || ((lines & TIOCM_DSR) && a.dsr != b.dsr)
        || ((lines & TIOCM_RNG) && a.rng != b.rng) || ((lines & TIOCM_CD) && a.dcd != b.dcd);
}

} // namespace

void SimulatedDriver::Drive(int levels)
{
    std::lock_guard lock(m_mutex);
    const int changed = (levels ^ m_levels) & kInputLines;
    m_levels = levels & kInputLines;
    m_count.cts += (changed & TIOCM_CTS) ? 1 : 0;
    m_count.dsr += (changed & TIOCM_DSR) ? 1 : 0;
    m_count.rng += (changed & TIOCM_RNG) ? 1 : 0;
    m_count.dcd += (changed & TIOCM_CD) ? 1 : 0;
    WakeWaiters();
}

void SimulatedDriver::PulseDsr(int changes)
{
    std::lock_guard lock(m_mutex);
    m_count.dsr += m_merge ? std::min(changes, 1) : changes;
    if (changes % 2 != 0)
        m_levels ^= TIOCM_DSR;
    WakeWaiters();
}

void SimulatedDriver::MergeFastChanges(bool merge)
{
    std::lock_guard lock(m_mutex);
    m_merge = merge;
}

void SimulatedDriver::RefuseLowLatency(bool refuse)
{
    std::lock_guard lock(m_mutex);
    m_refuseLowLatency = refuse;
}

void SimulatedDriver::StickDtrOff(bool stick)
{
    std::lock_guard lock(m_mutex);
    m_dtrStuck = stick;
    if (stick)
        m_outputs &= ~TIOCM_DTR;
}

bool SimulatedDriver::LowLatency() const
{
    std::lock_guard lock(m_mutex);
    return m_lowLatency;
}

void SimulatedDriver::Unplug(int error)
{
    std::lock_guard lock(m_mutex);
    m_unplugged = error;
    WakeWaiters();
}

void SimulatedDriver::Plug()
{
    std::lock_guard lock(m_mutex);
    m_unplugged = 0;
}

void SimulatedDriver::RemoveWait(int error)
{
    std::lock_guard lock(m_mutex);
    m_noWait = error;
}

void SimulatedDriver::KeepCounters(bool keep)
{
    std::lock_guard lock(m_mutex);
    m_counters = keep;
}

int SimulatedDriver::OutputLines() const
{
    std::lock_guard lock(m_mutex);
    return m_outputs;
}

std::uint64_t SimulatedDriver::WaitsStarted() const
{
    std::lock_guard lock(m_mutex);
    return m_waitsStarted;
}

void SimulatedDriver::AwaitWaitsStarted(std::uint64_t n) const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_waitsStarted >= n; });
}

int SimulatedDriver::Waiting() const
{
    std::lock_guard lock(m_mutex);
    return m_waiting;
}

void SimulatedDriver::AwaitWaiting() const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_waiting > 0; });
}

int SimulatedDriver::WaitLines(int /*fd*/, int lines)
{
    std::unique_lock lock(m_mutex);
    if (m_unplugged != 0)
        return Fail(m_unplugged);
    if (m_noWait != 0)
        return Fail(m_noWait);
    const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake < 0)
        return -1;
    m_waiterFds.push_back(wake);
    const serial_icounter_struct start = m_count;
    ++m_waitsStarted;
    ++m_waiting;
    m_changed.notify_all();
    int result = 0;
    int error = 0;
    for (;;) {
        if (m_unplugged != 0) {
            result = -1;
            error = m_unplugged;
            break;
        }
        if (Differs(start, m_count, lines))
            break;
        lock.unlock();
        pollfd p = {wake, POLLIN, 0};
        const int polled = poll(&p, 1, -1);
        error = errno;
        lock.lock();
        if (polled < 0 && error == EINTR) {
            result = -1;
            break;
        }
        std::uint64_t drained;
        [[maybe_unused]] const ssize_t n = read(wake, &drained, sizeof drained);
    }
    m_waiterFds.erase(std::find(m_waiterFds.begin(), m_waiterFds.end(), wake));
    close(wake);
    --m_waiting;
    m_changed.notify_all();
    errno = error;
    return result;
}

std::uint64_t SimulatedDriver::LineReads() const
{
    std::lock_guard lock(m_mutex);
    return m_lineReads;
}

void SimulatedDriver::AwaitLineReads(std::uint64_t n) const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_lineReads >= n; });
}

int SimulatedDriver::GetLines(int /*fd*/, int &lines)
{
    std::lock_guard lock(m_mutex);
    ++m_lineReads;
    m_changed.notify_all();
    if (m_unplugged != 0)
        return Fail(m_unplugged);
    lines = m_levels | m_outputs;
    return 0;
}

int SimulatedDriver::SetLines(int /*fd*/, int lines, bool on)
{
    std::lock_guard lock(m_mutex);
    if (m_unplugged != 0)
        return Fail(m_unplugged);
    lines &= kOutputLines;
    m_outputs = on ? (m_outputs | lines) : (m_outputs & ~lines);
    if (m_dtrStuck)
        m_outputs &= ~TIOCM_DTR;
    return 0;
}

int SimulatedDriver::SetLowLatency(int /*fd*/, bool on, bool &changed)
{
    std::lock_guard lock(m_mutex);
    changed = false;
    if (m_unplugged != 0)
        return Fail(m_unplugged);
    if (m_refuseLowLatency)
        return Fail(EINVAL);
    changed = m_lowLatency != on;
    m_lowLatency = on;
    return 0;
}

int SimulatedDriver::GetCounters(int /*fd*/, serial_icounter_struct &count)
{
    std::lock_guard lock(m_mutex);
    if (m_unplugged != 0)
        return Fail(m_unplugged);
    if (!m_counters)
        return Fail(EINVAL);
    count = m_count;
    return 0;
}

void SimulatedDriver::WakeWaiters()
{
    const std::uint64_t one = 1;
    for (const int fd : m_waiterFds)
        [[maybe_unused]] const ssize_t n = write(fd, &one, sizeof one);
}

int SimulatedDriver::Fail(int error) const
{
    errno = error;
    return -1;
}

} // namespace rundaro::serial
