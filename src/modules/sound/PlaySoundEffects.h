#pragma once

#include "SoundOutput.h"

#include <QByteArray>

#include <array>

// The race sounds played with Windows' own PlaySound, from the WAV files in
// the module's resources, for a build without Qt Multimedia. Playing starts
// a sound and returns; a new sound cuts off the one still playing. Without
// an audio device nothing is heard and nothing is reported.
class PlaySoundEffects : public SoundOutput
{
public:
    PlaySoundEffects();
    ~PlaySoundEffects() override;
    void play(RaceCue cue) override;

private:
    std::array<QByteArray, 3> m_waves;
};
