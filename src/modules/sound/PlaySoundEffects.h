#pragma once

#include "SoundOutput.h"

#include <QByteArray>
#include <QObject>

#include <array>

// The race sounds played with Windows' own PlaySound, from the WAV files in
// the module's resources, for a build without Qt Multimedia. Playing starts
// a sound and returns; a new sound cuts off the one still playing. Without
// an audio device nothing is heard and nothing is reported.
class TPlaySoundEffects : public SoundOutput
{
public:
    TPlaySoundEffects();
    ~TPlaySoundEffects() override;
    void Play(RaceCue cue) override;

private:
    std::array<QByteArray, 3> m_waves;
};

class TSoundPlugin : public QObject, public SoundModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RundaroSoundModule_iid)
    Q_INTERFACES(SoundModule)

public:
    std::unique_ptr<SoundOutput> CreateOutput() override;
};
