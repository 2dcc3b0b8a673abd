#include "ModemWatcher.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace rundaro::serial {

namespace {

void NoOp(int) {}

} // namespace

int ModemWatcher::WakeSignal()
{
    static const int signal = [] {
        for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig) {
            struct sigaction old = {};
            if (sigaction(sig, nullptr, &old) != 0)
                continue;
            if ((old.sa_flags & SA_SIGINFO) || old.sa_handler != SIG_DFL)
                continue;
            struct sigaction action = {};
            action.sa_handler = NoOp;
            sigemptyset(&action.sa_mask);
            action.sa_flags = 0; // no SA_RESTART: the wait must return EINTR
            if (sigaction(sig, &action, nullptr) == 0)
                return sig;
        }
        return 0;
    }();
    return signal;
}

ModemWatcher::ModemWatcher(int notifyFd, BlockingWait wait, ChangedSince changed)
    : m_notifyFd(notifyFd), m_wait(std::move(wait)), m_changed(std::move(changed))
{
    const int wake = WakeSignal();
    if (wake == 0) {
        m_error = ENOSYS;
        m_exited = true;
        Notify();
        return;
    }
    // The thread starts with every signal blocked and then lets through only
    // the wake signal.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    m_thread = std::thread([this, wake] { Run(wake); });
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

ModemWatcher::~ModemWatcher()
{
    if (!m_thread.joinable())
        return;
    m_stop = true;
    // A signal that arrives just before the thread enters the wait is lost,
    // so it is repeated until the thread has gone.
    std::unique_lock lock(m_mutex);
    while (!m_exited) {
        pthread_kill(m_thread.native_handle(), WakeSignal());
        m_done.wait_for(lock, std::chrono::milliseconds(2));
    }
    lock.unlock();
    m_thread.join();
}

void ModemWatcher::Run(int wake)
{
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, wake);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    while (!m_stop) {
        if (m_changed()) {
            Notify();
            continue;
        }
        if (m_wait() == 0) {
            m_changed(); // the change reported now is not news at the next check
            Notify();
        } else if (errno != EINTR) {
            m_error = static_cast<std::uint32_t>(errno);
            Notify();
            break;
        }
    }
    std::lock_guard lock(m_mutex);
    m_exited = true;
    m_done.notify_all();
}

void ModemWatcher::Notify()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = write(m_notifyFd, &one, sizeof one);
}

} // namespace rundaro::serial
