#pragma once

#include "SoundOutput.h"

#include <QObject>

// The sound module's entry point; the module's output is the one its build
// plays the sounds with (Qt Multimedia, or on Windows without it PlaySound).
class SoundPlugin : public QObject, public SoundModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RundaroSoundModule_iid)
    Q_INTERFACES(SoundModule)

public:
    std::unique_ptr<SoundOutput> createOutput() override;
};
