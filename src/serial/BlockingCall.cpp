#include "BlockingCall.h"

#include <signal.h>

#include <chrono>

namespace rundaro::serial {

namespace {

void NoOp(int) { }

// A thread may have been started with every signal blocked; the wake signal
// must reach it while it is inside a call.
void LetWakeSignalThrough(int wake)
{
    thread_local bool done = false;
    if (done)
        return;
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, wake);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    done = true;
}

} // namespace

int BlockingCall::WakeSignal()
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
            action.sa_flags = 0; // no SA_RESTART: the call must return EINTR
            if (sigaction(sig, &action, nullptr) == 0)
                return sig;
        }
        return 0;
    }();
    return signal;
}

bool BlockingCall::Enter()
{
    const int wake = WakeSignal();
    if (wake != 0)
        LetWakeSignalThrough(wake);
    std::lock_guard lock(m_mutex);
    if (m_interrupted)
        return false;
    m_inside = true;
    m_thread = pthread_self();
    return true;
}

void BlockingCall::Leave()
{
    std::lock_guard lock(m_mutex);
    m_inside = false;
    m_left.notify_all();
}

void BlockingCall::Interrupt()
{
    std::unique_lock lock(m_mutex);
    m_interrupted = true;
    const int wake = WakeSignal();
    // Usually the first signal ends the call. One sent just before the call
    // began is lost, so it is sent again every 100 µs: Close then waits
    // hardly longer than the thread takes to reach its call, where a pause
    // that grew could add up to its whole length. The calls made here all
    // end on the first signal that reaches them.
    while (m_inside && wake != 0) {
        pthread_kill(m_thread, wake);
        m_left.wait_for(lock, std::chrono::microseconds(100));
    }
}

bool BlockingCall::Interrupted() const
{
    std::lock_guard lock(m_mutex);
    return m_interrupted;
}

} // namespace rundaro::serial
