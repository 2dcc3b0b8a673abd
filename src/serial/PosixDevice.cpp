#include "PosixDevice.h"

#include "BlockingCall.h"
#include "ModemWatcher.h"
#include "PortLock.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <signal.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace rundaro::serial {

namespace {

constexpr std::uint32_t kModemEvents = EV_CTS | EV_DSR | EV_RING | EV_RLSD;
constexpr std::uint32_t kReceiveEvents = EV_RXCHAR | EV_BREAK | EV_ERR;
constexpr std::uint32_t kSupportedEvents = kModemEvents | kReceiveEvents;
constexpr int kModemLines = TIOCM_CTS | TIOCM_DSR | TIOCM_RNG | TIOCM_CD;

struct PortRange
{
    std::uint8_t first;
    std::uint8_t last;
    const char *prefix;
};

// Port number to device: one fixed table.
constexpr PortRange kPortRanges[] = {
    {1, 32, "/dev/ttyS"},
    {33, 64, "/dev/ttyUSB"},
    {65, 96, "/dev/ttyACM"},
};

struct Counters
{
    serial_icounter_struct count = {};
    bool valid = false;
};

Counters ReadCounters(LineDriver &driver, int fd)
{
    Counters c;
    c.valid = driver.GetCounters(fd, c.count) == 0;
    return c;
}

// Each modem input line: its driver bit, its status word bit, its event.
struct ModemLine
{
    int line;
    std::uint32_t status;
    std::uint32_t event;
};
constexpr ModemLine kModemLineBits[] = {
    {TIOCM_CTS, MS_CTS_ON, EV_CTS},
    {TIOCM_DSR, MS_DSR_ON, EV_DSR},
    {TIOCM_RNG, MS_RING_ON, EV_RING},
    {TIOCM_CD, MS_RLSD_ON, EV_RLSD},
};

// The modem lines whose changes make up the events of `mask`.
int LinesOf(std::uint32_t mask)
{
    int lines = 0;
    for (const ModemLine &bits : kModemLineBits)
        lines |= (mask & bits.event) ? bits.line : 0;
    return lines;
}

// The events of changes to `lines`.
std::uint32_t EventsOf(int lines)
{
    std::uint32_t events = 0;
    for (const ModemLine &bits : kModemLineBits)
        events |= (lines & bits.line) ? bits.event : 0;
    return events;
}

std::uint32_t ToModemStatus(int lines)
{
    std::uint32_t status = 0;
    for (const ModemLine &bits : kModemLineBits)
        status |= (lines & bits.line) ? bits.status : 0;
    return status;
}

// Lines polled this often where the driver cannot wait for them.
constexpr std::int32_t kPollMs = 2;

// A wait's time limit on the monotonic clock; none for a negative limit.
class Deadline
{
public:
    explicit Deadline(std::int32_t timeoutMs)
        : m_limited(timeoutMs >= 0)
        , m_end(m_limited ? Now() + timeoutMs * 1000000LL : 0)
    {
    }
    bool Limited() const { return m_limited; }
    bool Passed() const { return m_limited && Now() >= m_end; }
    // For poll(): -1 without a limit.
    int RemainingMs() const
    {
        if (!m_limited)
            return -1;
        const long long left = m_end - Now();
        return left <= 0 ? 0 : static_cast<int>((left + 999999) / 1000000);
    }
    long long End() const { return m_end; }

private:
    static long long Now()
    {
        timespec now = {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return now.tv_sec * 1000000000LL + now.tv_nsec;
    }
    bool m_limited;
    long long m_end;
};

// Sends the wake signal to the calling thread when a deadline passes, and
// again every millisecond after it: a signal that comes just before the
// thread enters its blocking call is lost, the next one is not.
class WakeTimer
{
public:
    explicit WakeTimer(const Deadline &deadline)
    {
        if (!deadline.Limited())
            return;
        sigevent event = {};
        event.sigev_notify = SIGEV_THREAD_ID;
        event.sigev_signo = BlockingCall::WakeSignal();
        event._sigev_un._tid = static_cast<pid_t>(syscall(SYS_gettid));
        if (timer_create(CLOCK_MONOTONIC, &event, &m_timer) != 0)
            return;
        m_armed = true;
        itimerspec when = {};
        when.it_value.tv_sec = static_cast<time_t>(deadline.End() / 1000000000LL);
        when.it_value.tv_nsec = static_cast<long>(deadline.End() % 1000000000LL);
        when.it_interval.tv_nsec = 1000000;
        timer_settime(m_timer, TIMER_ABSTIME, &when, nullptr);
    }
    ~WakeTimer()
    {
        if (m_armed)
            timer_delete(m_timer);
    }
    WakeTimer(const WakeTimer &) = delete;
    WakeTimer &operator=(const WakeTimer &) = delete;

private:
    timer_t m_timer{};
    bool m_armed = false;
};

class PosixDevice final : public Device
{
public:
    PosixDevice(int fd, int cancelFd, int modemFd, int epollFd, std::shared_ptr<LineDriver> driver,
                std::unique_ptr<PortLock> lock)
        : m_fd(fd)
        , m_cancelFd(cancelFd)
        , m_modemFd(modemFd)
        , m_epollFd(epollFd)
        , m_driver(std::move(driver))
        , m_lock(std::move(lock))
    {
        m_errorBase = ReadCounters(*m_driver, fd);
        // Modem-line changes and data at once rather than when a USB
        // adapter's latency timer runs out; a driver that refuses is no error.
        m_driver->SetLowLatency(fd, true, m_lowLatencySet);
    }

    ~PosixDevice() override
    {
        m_watcher.reset();
        // The port is left to the next program as it was found.
        bool changed = false;
        if (m_lowLatencySet)
            m_driver->SetLowLatency(m_fd, false, changed);
        ioctl(m_fd, TIOCNXCL); // the flag would outlive us on a shared tty
        close(m_epollFd);
        close(m_modemFd);
        close(m_cancelFd);
        close(m_fd); // also releases the flock; the UUCP lock goes after it
    }

    bool SetState(const DeviceControlBlock &dcb) override
    {
        termios2 t = {};
        if (ioctl(m_fd, TCGETS2, &t) != 0)
            return Fail(errno);
        static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
        if (dcb.ByteSize < 5 || dcb.ByteSize > 8)
            return Fail(EINVAL);
        // The stop bit combinations the line drivers refuse elsewhere too:
        // one and a half only with 5 data bits, two never with 5.
        if (dcb.StopBits > TWOSTOPBITS || (dcb.StopBits == ONE5STOPBITS && dcb.ByteSize != 5)
            || (dcb.StopBits == TWOSTOPBITS && dcb.ByteSize == 5))
            return Fail(EINVAL);
        if (dcb.BaudRate == 0 || dcb.BaudRate > 4000000)
            return Fail(EINVAL);

        t.c_iflag = 0; // parity is not checked; breaks read as NUL
        if (dcb.Flags & DCB_OUTX)
            t.c_iflag |= IXON;
        if (dcb.Flags & DCB_INX)
            t.c_iflag |= IXOFF;
        t.c_oflag = 0;
        t.c_lflag = 0;
        t.c_cflag = CREAD | CLOCAL | HUPCL | kSizes[dcb.ByteSize - 5];
        switch (dcb.Parity) {
        case NOPARITY: break;
        case ODDPARITY: t.c_cflag |= PARENB | PARODD; break;
        case EVENPARITY: t.c_cflag |= PARENB; break;
        case MARKPARITY: t.c_cflag |= PARENB | CMSPAR | PARODD; break;
        case SPACEPARITY: t.c_cflag |= PARENB | CMSPAR; break;
        default: return Fail(EINVAL);
        }
        if (dcb.StopBits != ONESTOPBIT)
            t.c_cflag |= CSTOPB;
        if (dcb.Flags & DCB_RTS_CONTROL_HANDSHAKE)
            t.c_cflag |= CRTSCTS;
        SetSpeed(t, dcb.BaudRate);
        t.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
        t.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
        t.c_cc[VMIN] = 0;
        t.c_cc[VTIME] = 0;
        if (ioctl(m_fd, TCSETS2, &t) != 0)
            return Fail(errno);

        // A device without modem control lines (a pseudo-terminal) still
        // takes the line format, so these two are best effort.
        m_driver->SetLines(m_fd, TIOCM_DTR, dcb.Flags & DCB_DTR_CONTROL_ENABLE);
        if (!(dcb.Flags & DCB_RTS_CONTROL_HANDSHAKE))
            m_driver->SetLines(m_fd, TIOCM_RTS, dcb.Flags & DCB_RTS_CONTROL_ENABLE);
        // A contact takes its voltage from DTR: where the device has modem
        // lines, DTR must read back on.
        int lines = 0;
        if ((dcb.Flags & DCB_DTR_CONTROL_ENABLE) && m_driver->GetLines(m_fd, lines) == 0 && !(lines & TIOCM_DTR))
            return Fail(EIO);
        return true;
    }

    // Nothing is read through this layer; the record is kept for the caller.
    bool GetTimeouts(CommTimeouts &timeouts) override
    {
        timeouts = m_timeouts;
        return true;
    }

    bool SetTimeouts(const CommTimeouts &timeouts) override
    {
        m_timeouts = timeouts;
        return true;
    }

    // The tty layer's queues have fixed sizes; the request is only checked.
    bool SetupQueues(std::int32_t receiveSize, std::int32_t transmitSize) override
    {
        if (receiveSize < 0 || transmitSize < 0)
            return Fail(EINVAL);
        return true;
    }

    bool SetMask(std::uint32_t mask) override
    {
        m_mask = mask & kSupportedEvents;
        m_seen = ReadCounters(*m_driver, m_fd);
        m_seenLinesValid = m_driver->GetLines(m_fd, m_seenLines) == 0;
        // Modem lines alone are waited for by the waiting thread itself; a
        // watcher thread is needed only beside the wait for received data.
        const bool both = (m_mask & kModemEvents) && (m_mask & kReceiveEvents);
        if (both && !m_watcher)
            StartModemWatcher();
        else if (!both)
            m_watcher.reset();
        epoll_event ev = {};
        ev.events = EPOLLIN | EPOLLET;
        if ((m_mask & kReceiveEvents) && !m_receiveWatched)
            m_receiveWatched = epoll_ctl(m_epollFd, EPOLL_CTL_ADD, m_fd, &ev) == 0;
        if (mask & ~kSupportedEvents)
            return Fail(EINVAL);
        return true;
    }

    WaitResult WaitEvents(std::uint32_t &events) override
    {
        bool pending = false;
        return WaitEventsFor(events, -1, pending);
    }

    WaitResult WaitEventsFor(std::uint32_t &events, std::int32_t timeoutMs, bool &pending) override
    {
        pending = false;
        const std::uint32_t mask = m_mask;
        if (m_call.Interrupted())
            return WaitResult::Cancelled;
        if (mask == 0)
            return Failed(EINVAL);
        const Deadline deadline(timeoutMs);
        if ((mask & ~kModemEvents) == 0)
            return WaitModemLines(mask, events, deadline, pending);
        for (;;) {
            pollfd fds[3] = {{m_cancelFd, POLLIN, 0}, {m_modemFd, POLLIN, 0}, {m_epollFd, POLLIN, 0}};
            const int polled = poll(fds, 3, deadline.RemainingMs());
            if (polled < 0) {
                if (errno == EINTR)
                    continue;
                return Failed(static_cast<std::uint32_t>(errno));
            }
            if (polled == 0)
                return WaitResult::TimedOut;
            if (fds[0].revents)
                return WaitResult::Cancelled;
            std::uint32_t found = 0;
            if (fds[1].revents) {
                std::uint64_t count;
                [[maybe_unused]] const ssize_t n = read(m_modemFd, &count, sizeof count);
                if (m_watcher && m_watcher->Error() != 0)
                    return Failed(m_watcher->Error());
                found |= ModemChanges();
            }
            if (fds[2].revents) {
                epoll_event ev = {};
                if (epoll_wait(m_epollFd, &ev, 1, 0) == 1) {
                    if (ev.events & (EPOLLHUP | EPOLLERR))
                        return Failed(EIO);
                    found |= ReceiveChanges();
                }
            }
            found &= mask;
            if (found != 0) {
                events = found;
                return WaitResult::Events;
            }
        }
    }

    void CancelWait() override
    {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = write(m_cancelFd, &one, sizeof one);
        m_call.Interrupt();
    }

    bool ModemStatus(std::uint32_t &status) override
    {
        int lines = 0;
        if (m_driver->GetLines(m_fd, lines) != 0)
            return Fail(errno);
        status = ToModemStatus(lines);
        return true;
    }

    bool DsrChangeCount(std::uint32_t &count) override
    {
        serial_icounter_struct now = {};
        if (m_driver->GetCounters(m_fd, now) != 0)
            return Fail(errno);
        count = static_cast<std::uint32_t>(now.dsr);
        return true;
    }

    bool CtsChangeCount(std::uint32_t &count) override
    {
        serial_icounter_struct now = {};
        if (m_driver->GetCounters(m_fd, now) != 0)
            return Fail(errno);
        count = static_cast<std::uint32_t>(now.cts);
        return true;
    }

    bool ClearErrors(std::uint32_t &errors, std::uint32_t &inQue) override
    {
        int count = 0;
        if (ioctl(m_fd, TIOCINQ, &count) != 0)
            return Fail(errno);
        inQue = static_cast<std::uint32_t>(count);
        errors = 0;
        const Counters now = ReadCounters(*m_driver, m_fd);
        if (now.valid && m_errorBase.valid) {
            const auto &a = now.count;
            const auto &b = m_errorBase.count;
            if (a.buf_overrun != b.buf_overrun)
                errors |= CE_RXOVER;
            if (a.overrun != b.overrun)
                errors |= CE_OVERRUN;
            if (a.parity != b.parity)
                errors |= CE_RXPARITY;
            if (a.frame != b.frame)
                errors |= CE_FRAME;
            if (a.brk != b.brk)
                errors |= CE_BREAK;
        }
        m_errorBase = now;
        return true;
    }

    bool Purge(std::uint32_t flags) override
    {
        const bool rx = flags & PURGE_RXCLEAR;
        const bool tx = flags & PURGE_TXCLEAR;
        if (!rx && !tx)
            return true; // nothing is pending that could be aborted
        if (ioctl(m_fd, TCFLSH, rx && tx ? TCIOFLUSH : rx ? TCIFLUSH : TCOFLUSH) != 0)
            return Fail(errno);
        return true;
    }

    std::uint32_t LastError() const override { return m_lastError; }

    std::int32_t PollIntervalMs() const override { return m_pollMs; }

private:
    // The one-thread wait: the calling thread blocks in the driver's
    // modem-line wait. That wait sees only changes after it has started, so
    // a change since the last report is reported first, without waiting.
    // A time limit ends the wait with the same signal as a cancel, sent by a
    // timer to this thread. Where the driver has no such wait (ENOTTY,
    // EINVAL: CP210x and others), the lines are polled every kPollMs from
    // then on.
    WaitResult WaitModemLines(std::uint32_t mask, std::uint32_t &events, const Deadline &deadline, bool &pending)
    {
        if (BlockingCall::WakeSignal() == 0)
            return Failed(ENOSYS); // it could never be cancelled
        const int lines = LinesOf(mask);
        for (bool first = true;; first = false) {
            if (!m_call.Enter())
                return WaitResult::Cancelled;
            // The counters are read as late as can be, just before the wait:
            // a change between the two is found by the next reading (a time
            // limit's, or the next change's).
            std::uint32_t found = ModemChanges() & mask;
            if (found != 0) {
                m_call.Leave();
                events = found;
                pending = first;
                return WaitResult::Events;
            }
            if (deadline.Passed()) {
                m_call.Leave();
                return WaitResult::TimedOut;
            }
            if (m_pollMs > 0) {
                m_call.Leave();
                // Woken early by a cancel (the eventfd), never by a signal.
                pollfd cancel = {m_cancelFd, POLLIN, 0};
                const int remaining = deadline.RemainingMs();
                const int interval = m_pollMs;
                poll(&cancel, 1, remaining < 0 || remaining > interval ? interval : remaining);
                continue;
            }
            const WakeTimer timer(deadline);
            const int result = m_driver->WaitLines(m_fd, lines);
            const int error = errno;
            m_call.Leave();
            if (result == 0) {
                // A change woke the wait. Without counters a pulse and back
                // leaves the levels as they were: still a change.
                found = ModemChanges() & mask;
                if (found == 0 && !m_seen.valid)
                    found = EventsOf(lines) & mask;
                if (found != 0) {
                    events = found;
                    return WaitResult::Events;
                }
                continue;
            }
            // No wait, but lines that can be read: they are polled. A device
            // without modem lines at all (a pseudo-terminal) cannot be.
            int levels = 0;
            if ((error == ENOTTY || error == EINVAL) && m_driver->GetLines(m_fd, levels) == 0) {
                m_pollMs = kPollMs;
                continue;
            }
            if (error != EINTR)
                return Failed(static_cast<std::uint32_t>(error));
        }
    }

    // The watcher's own copy of the counters tells it whether a line changed
    // while it was not inside the wait.
    void StartModemWatcher()
    {
        const int fd = m_fd;
        LineDriver &driver = *m_driver;
        auto changed = [fd, &driver, last = ReadCounters(driver, fd)]() mutable {
            const Counters now = ReadCounters(driver, fd);
            if (!now.valid || !last.valid)
                return false;
            const bool differs = now.count.cts != last.count.cts || now.count.dsr != last.count.dsr
                || now.count.rng != last.count.rng || now.count.dcd != last.count.dcd;
            last = now;
            return differs;
        };
        m_watcher = std::make_unique<ModemWatcher>(
            m_modemFd, [fd, &driver] { return driver.WaitLines(fd, kModemLines); }, std::move(changed));
    }

    static void SetSpeed(termios2 &t, std::uint32_t baud)
    {
        static constexpr std::pair<std::uint32_t, speed_t> kStandard[] = {
            {110, B110},   {300, B300},     {600, B600},     {1200, B1200},   {2400, B2400},     {4800, B4800},
            {9600, B9600}, {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
        };
        speed_t code = BOTHER;
        for (const auto &[rate, c] : kStandard) {
            if (rate == baud)
                code = c;
        }
        t.c_cflag = (t.c_cflag & ~CBAUD) | code;
        t.c_ispeed = baud;
        t.c_ospeed = baud;
    }

    // Which modem lines changed since the last report.
    std::uint32_t ModemChanges()
    {
        std::uint32_t found = 0;
        const Counters now = ReadCounters(*m_driver, m_fd);
        if (now.valid && m_seen.valid) {
            if (now.count.cts != m_seen.count.cts)
                found |= EV_CTS;
            if (now.count.dsr != m_seen.count.dsr)
                found |= EV_DSR;
            if (now.count.rng != m_seen.count.rng)
                found |= EV_RING;
            if (now.count.dcd != m_seen.count.dcd)
                found |= EV_RLSD;
            m_seen.count.cts = now.count.cts;
            m_seen.count.dsr = now.count.dsr;
            m_seen.count.rng = now.count.rng;
            m_seen.count.dcd = now.count.dcd;
            return found;
        }
        // Without interrupt counters, compare the line levels.
        int lines = 0;
        if (m_driver->GetLines(m_fd, lines) == 0) {
            found = EventsOf(m_seenLinesValid ? lines ^ m_seenLines : kModemLines);
            m_seenLines = lines;
            m_seenLinesValid = true;
        }
        return found;
    }

    // What arrived since the last report: characters, breaks, errors.
    std::uint32_t ReceiveChanges()
    {
        const Counters now = ReadCounters(*m_driver, m_fd);
        if (!now.valid || !m_seen.valid)
            return EV_RXCHAR; // no counters (a pseudo-terminal): new data
        std::uint32_t found = 0;
        if (now.count.rx != m_seen.count.rx)
            found |= EV_RXCHAR;
        if (now.count.brk != m_seen.count.brk)
            found |= EV_BREAK;
        if (now.count.frame != m_seen.count.frame || now.count.overrun != m_seen.count.overrun
            || now.count.parity != m_seen.count.parity || now.count.buf_overrun != m_seen.count.buf_overrun)
            found |= EV_ERR;
        m_seen.count.rx = now.count.rx;
        m_seen.count.brk = now.count.brk;
        m_seen.count.frame = now.count.frame;
        m_seen.count.overrun = now.count.overrun;
        m_seen.count.parity = now.count.parity;
        m_seen.count.buf_overrun = now.count.buf_overrun;
        return found;
    }

    bool Fail(int error)
    {
        m_lastError = static_cast<std::uint32_t>(error);
        return false;
    }

    WaitResult Failed(std::uint32_t error)
    {
        m_lastError = error;
        return WaitResult::Failed;
    }

    const int m_fd;
    const int m_cancelFd;
    const int m_modemFd;
    const int m_epollFd;
    const std::shared_ptr<LineDriver> m_driver;
    const std::unique_ptr<PortLock> m_lock;
    bool m_lowLatencySet = false; // low-latency mode switched on by this open
    BlockingCall m_call; // the one-thread wait, and its cancel
    std::atomic<std::uint32_t> m_lastError{0};
    std::atomic<std::uint32_t> m_mask{0};
    Counters m_seen;
    Counters m_errorBase;
    int m_seenLines = 0;
    bool m_seenLinesValid = false;
    bool m_receiveWatched = false;
    std::atomic<std::int32_t> m_pollMs{0}; // polling the lines: the driver has no wait
    CommTimeouts m_timeouts;
    std::unique_ptr<ModemWatcher> m_watcher;
};

OpenResult Failure(int error, int fd = -1, OpenRefusal::Reason reason = OpenRefusal::Reason::None)
{
    if (fd >= 0)
        close(fd);
    OpenRefusal refusal;
    refusal.reason = reason;
    return {nullptr, static_cast<std::uint32_t>(error), std::move(refusal)};
}

constexpr OpenRefusal::Reason kHeldElsewhere = OpenRefusal::Reason::InUse;
constexpr OpenRefusal::Reason kNoReason = OpenRefusal::Reason::None;

// The device's own name: what the console file and the lock files use.
std::string DeviceName(const std::string &path)
{
    return path.substr(path.find_last_of('/') + 1);
}

bool IsConsole(const std::string &path, const PortSafety &safety)
{
    const std::string name = DeviceName(path);
    for (const std::string &console : ActiveConsoles(safety.consoleFile)) {
        if (console == name)
            return true;
    }
    return false;
}

} // namespace

OpenResult OpenPath(const std::string &path, std::shared_ptr<LineDriver> driver, const PortSafety &safety)
{
    if (IsConsole(path, safety))
        return Failure(EBUSY, -1, OpenRefusal::Reason::Console);
    // A port that another program holds open, with or without a lock, is
    // left alone before anything happens to it: opening it would already
    // raise its DTR and RTS, and setting its line would change that
    // program's speed and format.
    struct stat node = {};
    if (!safety.processFolder.empty() && stat(path.c_str(), &node) == 0 && S_ISCHR(node.st_mode)) {
        const PortHolder holder = FindPortHolder(safety.processFolder, node);
        if (holder.pid != 0) {
            OpenRefusal refusal;
            refusal.reason = OpenRefusal::Reason::HeldOpen;
            refusal.program = holder.name;
            refusal.pid = holder.pid;
            return {nullptr, EBUSY, std::move(refusal)};
        }
    }
    std::uint32_t lockError = 0;
    OpenRefusal lockRefusal;
    std::unique_ptr<PortLock> lock = PortLock::Acquire(safety.lockFolder, DeviceName(path), lockError, &lockRefusal);
    if (!lock)
        return {nullptr, lockError, std::move(lockRefusal)};
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure(errno, -1, errno == EBUSY ? kHeldElsewhere : kNoReason);
    if (!isatty(fd))
        return Failure(ENOTTY, fd);
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Failure(EBUSY, fd, kHeldElsewhere) : Failure(errno, fd);
    if (ioctl(fd, TIOCEXCL) != 0)
        return Failure(errno, fd);
    const int cancelFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    const int modemFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    const int epollFd = epoll_create1(EPOLL_CLOEXEC);
    if (cancelFd < 0 || modemFd < 0 || epollFd < 0) {
        const int error = errno;
        for (int extra : {cancelFd, modemFd, epollFd}) {
            if (extra >= 0)
                close(extra);
        }
        ioctl(fd, TIOCNXCL);
        return Failure(error, fd);
    }
    if (!driver)
        driver = LineDriver::Kernel();
    return {std::make_unique<PosixDevice>(fd, cancelFd, modemFd, epollFd, std::move(driver), std::move(lock)), 0};
}

std::string PortDeviceName(std::uint8_t port)
{
    for (const PortRange &range : kPortRanges) {
        if (port >= range.first && port <= range.last)
            return range.prefix + std::to_string(port - range.first);
    }
    return {};
}

bool ProbePath(const std::string &path, const PortSafety &safety)
{
    // Neither the console nor a port that another program has locked is
    // opened, not even to look.
    if (IsConsole(path, safety))
        return false;
    const LockState lock = ReadLock(safety.lockFolder, DeviceName(path));
    if (lock == LockState::Live || lock == LockState::Unreadable)
        return false;
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool present = isatty(fd) && flock(fd, LOCK_EX | LOCK_NB) == 0;
    // The serial driver makes a node for every possible UART; only one whose
    // chip was detected is a port.
    serial_struct info = {};
    if (present && ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN)
        present = false;
    close(fd);
    return present;
}

OpenResult OpenPort(std::uint8_t port)
{
    const std::string name = PortDeviceName(port);
    if (name.empty())
        return {nullptr, ENOENT};
    return OpenPath(name, nullptr, PortSafety::System());
}

} // namespace rundaro::serial
