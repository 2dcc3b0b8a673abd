#include "WorkerThread.h"

#include <QObject>
#include <QThread>

#include <atomic>

namespace {

// How long the window waits at the end for the thread to finish its jobs; a
// healthy thread needs a few milliseconds.
constexpr unsigned long kEndGraceMs = 250;

// Threads left stuck by their WorkerThread.
std::atomic<int> stuckThreadCount{0};

} // namespace

WorkerThread::WorkerThread(const QString &name)
    : m_thread(new QThread)
    , m_worker(new QObject)
{
    m_thread->setObjectName(name);
    m_worker->moveToThread(m_thread);
    m_thread->start(QThread::LowPriority);
}

WorkerThread::~WorkerThread()
{
    // The worker goes on its own thread once the jobs before are done, the
    // thread once it has finished.
    QThread *thread = m_thread;
    post([worker = m_worker, thread] {
        worker->deleteLater();
        thread->quit();
    });
    if (m_thread->wait(kEndGraceMs)) {
        delete m_thread;
        return;
    }
    ++stuckThreadCount;
    QObject::connect(
        m_thread, &QThread::finished, m_thread,
        [thread] {
            --stuckThreadCount;
            thread->deleteLater();
        },
        Qt::QueuedConnection);
}

void WorkerThread::post(std::function<void()> job) const
{
    QMetaObject::invokeMethod(m_worker, std::move(job), Qt::QueuedConnection);
}

bool WorkerThread::leftRunning()
{
    return stuckThreadCount > 0;
}
