#pragma once

#include "SpeechEngine.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class WorkerThread;

// What the call-outs are given to: says a phrase once `afterMs` have passed
// (the race sound before it has ended), or not at all when that is more
// than a second late.
class CallOutSpeaker
{
public:
    virtual ~CallOutSpeaker() = default;
    virtual void say(const std::string &phrase, std::int32_t afterMs) = 0;
};

// Makes the speaker when the call-outs are first switched on; may return
// null (no speech).
using SpeakerFactory = std::function<std::unique_ptr<CallOutSpeaker>()>;

// Speaks on a thread of its own: the engine is made there (loading its
// library) and every phrase is rendered and started there, so the window's
// thread, and with it the race clock, never waits for speech. A phrase the
// thread gets to more than a second after it was due is dropped: a lap time
// said long after its passing would mislead.
class SpeechThread : public CallOutSpeaker
{
public:
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;
    explicit SpeechThread(EngineFactory make);
    // Releases the engine on its thread and ends the thread; a thread stuck
    // in the audio library is left to end on its own, not waited for.
    ~SpeechThread() override;

    void say(const std::string &phrase, std::int32_t afterMs) override;

    SpeechThread(const SpeechThread &) = delete;
    SpeechThread &operator=(const SpeechThread &) = delete;

private:
    struct State;
    std::shared_ptr<State> m_state;
    std::unique_ptr<WorkerThread> m_thread;
};
