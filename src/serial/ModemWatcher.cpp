#include "ModemWatcher.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace rundaro::serial {

int ModemWatcher::WakeSignal()
{
    return BlockingCall::WakeSignal();
}

ModemWatcher::ModemWatcher(int notifyFd, BlockingWait wait, ChangedSince changed)
    : m_notifyFd(notifyFd)
    , m_wait(std::move(wait))
    , m_changed(std::move(changed))
{
    if (WakeSignal() == 0) {
        m_error = ENOSYS;
        Notify();
        return;
    }
    // The thread starts with every signal blocked; BlockingCall lets the
    // wake signal through.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    m_thread = std::thread([this] { Run(); });
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

ModemWatcher::~ModemWatcher()
{
    if (!m_thread.joinable())
        return;
    m_call.Interrupt();
    m_thread.join();
}

void ModemWatcher::Run()
{
    while (!m_call.Interrupted()) {
        if (m_changed()) {
            Notify();
            continue;
        }
        if (!m_call.Enter())
            return;
        const int result = m_wait();
        const int error = errno;
        m_call.Leave();
        if (result == 0) {
            m_changed(); // the change reported now is not news at the next check
            Notify();
        } else if (error != EINTR) {
            m_error = static_cast<std::uint32_t>(error);
            Notify();
            return;
        }
    }
}

void ModemWatcher::Notify()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = write(m_notifyFd, &one, sizeof one);
}

} // namespace rundaro::serial
