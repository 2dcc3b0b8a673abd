#pragma once

#include "SoundOutput.h"

#include <memory>

class WorkerThread;

// Plays the race sounds on a thread of its own. The output is made there
// (loading the audio library and reaching the sound server) and every cue is
// played there, so a missing, busy or hanging sound server holds up nothing
// on the window's thread, and with it nothing of the race clock: at worst
// the sounds stay silent. A cue the thread gets to more than a second after
// it was given is dropped: a sound long after its passing would mislead.
class SoundThread : public SoundOutput
{
public:
    explicit SoundThread(SoundFactory make);
    // Releases the output on its thread and ends the thread; a thread stuck
    // in the sound server is left to end on its own, not waited for.
    ~SoundThread() override;

    void play(RaceCue cue) override;

    // True while a thread left stuck in the sound server (or any other
    // worker thread left stuck in an audio library) has not ended. It holds
    // locks of the audio library that the library's own clean-up at the
    // program's exit waits for, so the program then ends without that
    // clean-up (see main).
    static bool leftRunning();

    SoundThread(const SoundThread &) = delete;
    SoundThread &operator=(const SoundThread &) = delete;

private:
    struct State;
    std::shared_ptr<State> m_state;
    std::unique_ptr<WorkerThread> m_thread;
};
