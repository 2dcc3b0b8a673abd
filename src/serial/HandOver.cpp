#include "HandOver.h"

namespace rundaro::serial {

HandOver::HandOver(std::function<void()> wake)
    : m_wake(std::move(wake))
{
}

void HandOver::Run(const std::function<void()> &job)
{
    Request request{&job, nullptr, false};
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(&request);
        m_changed.notify_all();
    }
    m_wake();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return request.done; });
    if (request.error)
        std::rethrow_exception(request.error);
}

void HandOver::WorkerEnded(bool wakeOwner)
{
    {
        std::lock_guard lock(m_mutex);
        m_ended = true;
        m_changed.notify_all();
    }
    if (wakeOwner)
        m_wake();
}

bool HandOver::Ended()
{
    std::lock_guard lock(m_mutex);
    return m_ended;
}

int HandOver::RunPending()
{
    std::unique_lock lock(m_mutex);
    int ran = 0;
    while (!m_queue.empty()) {
        RunFront(lock);
        ++ran;
    }
    return ran;
}

void HandOver::ServeUntilEnded()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_ended || !m_queue.empty(); });
        if (!m_queue.empty())
            RunFront(lock);
        else
            return;
    }
}

void HandOver::RunFront(std::unique_lock<std::mutex> &lock)
{
    Request *request = m_queue.front();
    m_queue.pop_front();
    lock.unlock();
    std::exception_ptr error;
    try {
        (*request->job)();
    } catch (...) {
        error = std::current_exception();
    }
    lock.lock();
    request->error = error;
    request->done = true;
    m_changed.notify_all();
}

} // namespace rundaro::serial
