#include "ModemWatcher.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <mutex>

using rundaro::serial::ModemWatcher;

namespace {

// Stands in for a device: the watcher's wait is a blocking read of a pipe, so
// a byte written is a line change and closing the write end a failure.
class FakeLines
{
public:
    FakeLines()
    {
        EXPECT_EQ(pipe(m_pipe), 0);
        m_notify = eventfd(0, EFD_CLOEXEC);
    }
    ~FakeLines()
    {
        close(m_pipe[0]);
        if (m_pipe[1] >= 0)
            close(m_pipe[1]);
        close(m_notify);
    }

    ModemWatcher::BlockingWait Wait()
    {
        return [this] {
            {
                std::lock_guard lock(m_mutex);
                ++m_waits;
                m_changed.notify_all();
            }
            char c;
            const ssize_t n = read(m_pipe[0], &c, 1);
            const int error = n == 0 ? EIO : errno;
            {
                std::lock_guard lock(m_mutex);
                m_lastError = n == 1 ? 0 : error;
            }
            errno = error;
            return n == 1 ? 0 : -1;
        };
    }

    void Change() { ASSERT_EQ(write(m_pipe[1], "c", 1), 1); }
    void Unplug()
    {
        close(m_pipe[1]);
        m_pipe[1] = -1;
    }
    void AwaitWaits(int n)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_waits >= n; });
    }
    int LastError()
    {
        std::lock_guard lock(m_mutex);
        return m_lastError;
    }
    // Blocks until the watcher has notified; returns how often.
    std::uint64_t AwaitNotification()
    {
        pollfd fd = {m_notify, POLLIN, 0};
        EXPECT_EQ(poll(&fd, 1, -1), 1);
        std::uint64_t count = 0;
        EXPECT_EQ(read(m_notify, &count, sizeof count), ssize_t(sizeof count));
        return count;
    }
    int NotifyFd() const { return m_notify; }

private:
    int m_pipe[2] = {-1, -1};
    int m_notify = -1;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_waits = 0;
    int m_lastError = -1;
};

const ModemWatcher::ChangedSince kNothingMissed = [] { return false; };

} // namespace

TEST(ModemWatcher, EachChangeIsNotified)
{
    FakeLines lines;
    ModemWatcher watcher(lines.NotifyFd(), lines.Wait(), kNothingMissed);
    lines.Change();
    EXPECT_GE(lines.AwaitNotification(), 1u);
    lines.AwaitWaits(2);
    lines.Change();
    EXPECT_GE(lines.AwaitNotification(), 1u);
    EXPECT_EQ(watcher.Error(), 0u);
}

TEST(ModemWatcher, DestructionInterruptsABlockedWait)
{
    FakeLines lines;
    {
        ModemWatcher watcher(lines.NotifyFd(), lines.Wait(), kNothingMissed);
        lines.AwaitWaits(1);
    }
    // The thread is gone; its wait ended with EINTR, not with data.
    EXPECT_EQ(lines.LastError(), EINTR);
}

TEST(ModemWatcher, FailingWaitEndsItWithTheError)
{
    FakeLines lines;
    ModemWatcher watcher(lines.NotifyFd(), lines.Wait(), kNothingMissed);
    lines.AwaitWaits(1);
    lines.Unplug();
    EXPECT_EQ(lines.AwaitNotification(), 1u);
    EXPECT_EQ(watcher.Error(), std::uint32_t(EIO));
}

TEST(ModemWatcher, ChangeBetweenWaitsIsNotMissed)
{
    FakeLines lines;
    std::atomic<int> checks{0};
    ModemWatcher watcher(lines.NotifyFd(), lines.Wait(), [&checks] { return ++checks == 1; });
    EXPECT_EQ(lines.AwaitNotification(), 1u); // before any wait
    lines.AwaitWaits(1);
}

TEST(ModemWatcher, LeavesTheHostsSignalHandlingAlone)
{
    struct sigaction before = {};
    ASSERT_EQ(sigaction(SIGINT, nullptr, &before), 0);
    sigset_t maskBefore;
    pthread_sigmask(SIG_SETMASK, nullptr, &maskBefore);
    {
        FakeLines lines;
        ModemWatcher watcher(lines.NotifyFd(), lines.Wait(), kNothingMissed);
        lines.AwaitWaits(1);
    }
    struct sigaction after = {};
    ASSERT_EQ(sigaction(SIGINT, nullptr, &after), 0);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    sigset_t maskAfter;
    pthread_sigmask(SIG_SETMASK, nullptr, &maskAfter);
    for (int sig = 1; sig < SIGRTMAX; ++sig)
        EXPECT_EQ(sigismember(&maskAfter, sig), sigismember(&maskBefore, sig)) << sig;

    const int wake = ModemWatcher::WakeSignal();
    ASSERT_GE(wake, SIGRTMIN);
    struct sigaction action = {};
    ASSERT_EQ(sigaction(wake, nullptr, &action), 0);
    EXPECT_EQ(action.sa_flags & SA_RESTART, 0);
    EXPECT_NE(action.sa_handler, SIG_DFL); // a stray wake signal ends nothing
    EXPECT_EQ(raise(wake), 0);
}
