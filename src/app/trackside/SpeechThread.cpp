#include "SpeechThread.h"

#include "TickCount.h"
#include "WorkerThread.h"

#include <QTimer>

#include <algorithm>

namespace {

// How late a phrase may be when its turn comes.
constexpr std::int32_t kPhraseLifetimeMs = 1000;

} // namespace

// Touched only on the speech thread once the thread runs.
struct SpeechThread::State
{
    EngineFactory make;
    std::unique_ptr<SpeechEngine> engine;
};

SpeechThread::SpeechThread(EngineFactory make)
    : m_state(std::make_shared<State>())
    , m_thread(std::make_unique<WorkerThread>(QStringLiteral("CallOuts")))
{
    m_state->make = std::move(make);
    m_thread->post([state = m_state] {
        if (state->make)
            state->engine = state->make();
    });
}

SpeechThread::~SpeechThread()
{
    // The engine goes on its own thread, before the thread ends.
    m_thread->post([state = m_state] { state->engine.reset(); });
}

void SpeechThread::say(const std::string &phrase, std::int32_t afterMs)
{
    const std::uint32_t due = rundaro::GetTickCount() + std::uint32_t(std::max(0, afterMs));
    m_thread->post([state = m_state, context = m_thread->context(), phrase, due] {
        const auto speak = [state, phrase, due] {
            if (state->engine && rundaro::TickDiff(rundaro::GetTickCount(), due) <= kPhraseLifetimeMs)
                state->engine->speak(phrase);
        };
        const std::int32_t wait = rundaro::TickDiff(due, rundaro::GetTickCount());
        if (wait > 0)
            QTimer::singleShot(wait, context, speak);
        else
            speak();
    });
}
