#pragma once

#include "SoundOutput.h"

#include <QAudioFormat>
#include <QByteArray>

#include <array>
#include <memory>

class QAudioSink;
class SoundMixer;

// The race sounds played through one Qt Multimedia audio stream that stays
// open while the output lives, loaded from the module's own resources when
// the output is made. The stream plays silence between the sounds; a sound
// is mixed into it from the next block the server asks for, so every cue is
// heard whole, also one given while another still plays. (Qt 6.4's
// QSoundEffect starts and stops a stream per sound on PulseAudio, and drops
// or cuts short sounds: the 80 ms passing beep mostly went unheard.)
// Without a usable audio device nothing is heard and nothing is reported.
// Made, played and destroyed on one thread, whose event loop runs.
class SoundEffects : public SoundOutput
{
public:
    SoundEffects();
    ~SoundEffects() override;
    void play(RaceCue cue) override;

private:
    std::array<QByteArray, 3> m_samples; // 16-bit samples in m_format
    QAudioFormat m_format;
    std::unique_ptr<SoundMixer> m_mixer;
    std::unique_ptr<QAudioSink> m_sink;
};
