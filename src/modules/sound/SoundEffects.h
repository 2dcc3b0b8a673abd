#pragma once

#include "SoundOutput.h"

#include <QObject>
#include <QSoundEffect>

#include <array>

// The race sounds as Qt Multimedia sound effects, loaded from the module's
// own resources when the output is made. Playing starts a sound and returns;
// without a usable audio device the effects stay silent.
class SoundEffects : public SoundOutput
{
public:
    SoundEffects();
    void play(RaceCue cue) override;

private:
    std::array<QSoundEffect, 3> m_effects;
};
