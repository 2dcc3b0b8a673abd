#include "SoundThread.h"

#include "TickCount.h"

#include <QObject>
#include <QThread>

#include <atomic>

namespace {

// How old a cue may be when its turn comes.
constexpr std::int32_t kCueLifetimeMs = 1000;
// How long the window waits at its end for the thread to let go of the
// output; a healthy thread needs a few milliseconds.
constexpr unsigned long kEndGraceMs = 250;

// Threads left in the sound server by their SoundThread.
std::atomic<int> leftRunning{0};

} // namespace

// Touched only on the sound thread once the thread runs.
struct SoundThread::State
{
    SoundFactory make;
    std::unique_ptr<SoundOutput> output;
};

SoundThread::SoundThread(SoundFactory make)
    : m_state(std::make_shared<State>())
    , m_thread(new QThread)
    , m_worker(new QObject)
{
    m_state->make = std::move(make);
    m_thread->setObjectName(QStringLiteral("RaceSounds"));
    m_worker->moveToThread(m_thread);
    m_thread->start(QThread::LowPriority);
    QMetaObject::invokeMethod(m_worker, [state = m_state] {
        if (state->make)
            state->output = state->make();
    }, Qt::QueuedConnection);
}

SoundThread::~SoundThread()
{
    // The output and the worker go on their own thread, the worker once the
    // thread has finished.
    QThread *thread = m_thread;
    QMetaObject::invokeMethod(m_worker, [state = m_state, worker = m_worker, thread] {
        state->output.reset();
        worker->deleteLater();
        thread->quit();
    }, Qt::QueuedConnection);
    if (m_thread->wait(kEndGraceMs)) {
        delete m_thread;
        return;
    }
    // Still in the sound server: the thread goes when it comes back.
    ++leftRunning;
    QObject::connect(m_thread, &QThread::finished, m_thread, [thread] {
        --leftRunning;
        thread->deleteLater();
    }, Qt::QueuedConnection);
}

bool SoundThread::LeftRunning()
{
    return leftRunning > 0;
}

void SoundThread::Play(RaceCue cue)
{
    const std::uint32_t given = rundaro::GetTickCount();
    QMetaObject::invokeMethod(m_worker, [state = m_state, cue, given] {
        if (state->output && rundaro::TickDiff(rundaro::GetTickCount(), given) <= kCueLifetimeMs)
            state->output->Play(cue);
    }, Qt::QueuedConnection);
}
