#include "SoundThread.h"

#include "TickCount.h"
#include "WorkerThread.h"

namespace {

// How old a cue may be when its turn comes.
constexpr std::int32_t kCueLifetimeMs = 1000;

} // namespace

// Touched only on the sound thread once the thread runs.
struct SoundThread::State
{
    SoundFactory make;
    std::unique_ptr<SoundOutput> output;
};

SoundThread::SoundThread(SoundFactory make)
    : m_state(std::make_shared<State>())
    , m_thread(std::make_unique<WorkerThread>(QStringLiteral("RaceSounds")))
{
    m_state->make = std::move(make);
    m_thread->post([state = m_state] {
        if (state->make)
            state->output = state->make();
    });
}

SoundThread::~SoundThread()
{
    // The output goes on its own thread, before the thread ends.
    m_thread->post([state = m_state] { state->output.reset(); });
}

bool SoundThread::leftRunning()
{
    return WorkerThread::leftRunning();
}

void SoundThread::play(RaceCue cue)
{
    const std::uint32_t given = rundaro::GetTickCount();
    m_thread->post([state = m_state, cue, given] {
        if (state->output && rundaro::TickDiff(rundaro::GetTickCount(), given) <= kCueLifetimeMs)
            state->output->play(cue);
    });
}
