#pragma once

#include <QtPlugin>

#include <functional>
#include <memory>

// The three sounds of a race, and what plays them. An output that cannot
// reach an audio device simply stays silent: nothing waits for it and
// nothing is reported.
enum class RaceCue { Passing, LastLap, Stop };

class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Starts the cue and returns at once.
    virtual void play(RaceCue cue) = 0;
};

// Makes the output when sound is first needed; may return null (no sound).
using SoundFactory = std::function<std::unique_ptr<SoundOutput>()>;

// The sound module's entry point: the program loads the module, with its
// audio libraries, only after the window's first frame.
class SoundModule
{
public:
    virtual ~SoundModule() = default;
    virtual std::unique_ptr<SoundOutput> createOutput() = 0;
};

#define RundaroSoundModule_iid "de.rundaro.SoundModule/1.0"
Q_DECLARE_INTERFACE(SoundModule, RundaroSoundModule_iid)
