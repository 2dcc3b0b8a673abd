#pragma once

#include <QString>

#include <functional>

class QObject;
class QThread;

// A thread of its own, at low priority, for work that must never hold up the
// window's thread and with it the race clock (the race sounds, the
// call-outs). Jobs run on it one after another in the order given. At its
// end the thread is waited for a moment at most: one stuck in an audio
// library is left to end on its own.
class WorkerThread
{
public:
    explicit WorkerThread(const QString &name);
    ~WorkerThread();

    // Queues `job`; returns at once.
    void post(std::function<void()> job) const;
    // The object living on the thread, for timers that fire there.
    QObject *context() const { return m_worker; }

    // True while a thread left stuck has not ended. It may hold locks of an
    // audio library that the library's own clean-up at the program's exit
    // waits for, so the program then ends without that clean-up (see main).
    static bool leftRunning();

    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

private:
    QThread *m_thread;
    QObject *m_worker;
};
