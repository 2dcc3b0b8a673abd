#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>

namespace rundaro::serial {

// Synchronous hand-over of work from one worker thread to the owner thread.
// The worker queues a job under the lock, asks the owner to wake up, and
// blocks until the owner has run the job; an exception the job throws is
// carried back and thrown again on the worker. The owner runs queued jobs
// from its event loop (RunPending), and also while it waits for the worker to
// end (ServeUntilEnded), so that stopping a worker that is blocked in a
// hand-over cannot deadlock.
class HandOver
{
public:
    // `wake` is called on the worker, without the lock held, after each job
    // is queued; it must make the owner call RunPending soon.
    explicit HandOver(std::function<void()> wake);
    HandOver(const HandOver &) = delete;
    HandOver &operator=(const HandOver &) = delete;

    // Worker: runs `job` on the owner thread and returns when it has run.
    void Run(const std::function<void()> &job);
    // Worker: the last thing it does before it ends. With `wakeOwner` the
    // owner is woken once more, to notice the end.
    void WorkerEnded(bool wakeOwner = false);
    // Owner: true once the worker has ended.
    bool Ended();

    // Owner: runs the jobs queued now. Returns how many ran.
    int RunPending();
    // Owner: runs jobs as they come until the worker has ended.
    void ServeUntilEnded();

private:
    struct Request
    {
        const std::function<void()> *job;
        std::exception_ptr error;
        bool done = false;
    };

    // Runs the first queued request; called and returns with `lock` held.
    void RunFront(std::unique_lock<std::mutex> &lock);

    std::function<void()> m_wake;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Request *> m_queue;
    bool m_ended = false;
};

} // namespace rundaro::serial
