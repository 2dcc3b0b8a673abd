#pragma once

#include <pthread.h>

#include <condition_variable>
#include <mutex>

namespace rundaro::serial {

// One thread's blocking system call (a modem-line wait) that another thread
// can end. The call is made between Enter and Leave; Interrupt sends the
// thread inside a signal whose handler does nothing and is installed without
// SA_RESTART, so the call returns EINTR. A signal that arrives just before
// the call starts is lost, so Interrupt repeats it until the thread has left.
// Once interrupted, a BlockingCall stays interrupted: Enter refuses.
class BlockingCall
{
public:
    BlockingCall() = default;
    BlockingCall(const BlockingCall &) = delete;
    BlockingCall &operator=(const BlockingCall &) = delete;

    // The calling thread is about to block; false when Interrupt was
    // called, and the call must then not be made.
    bool Enter();
    // The call has returned.
    void Leave();
    // From any other thread: refuses every later Enter and returns once no
    // thread is inside a call.
    void Interrupt();
    bool Interrupted() const;

    // The signal that interrupts: the first real-time signal found at its
    // default disposition, taken once per process; 0 when none was free.
    static int WakeSignal();

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_left;
    bool m_interrupted = false;
    bool m_inside = false;
    pthread_t m_thread{};
};

} // namespace rundaro::serial
