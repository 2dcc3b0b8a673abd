#include "PlaySoundEffects.h"
#include "SoundPlugin.h"

#include <QFile>

// windows.h first: mmsystem.h builds on its types.
#include <windows.h>

#include <mmsystem.h>

PlaySoundEffects::PlaySoundEffects()
{
    const char *files[] = {"passing", "lastlap", "stop"};
    static_assert(std::size(files) == std::tuple_size_v<decltype(m_waves)>);
    for (std::size_t i = 0; i < m_waves.size(); ++i) {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(files[i])));
        if (file.open(QIODevice::ReadOnly))
            m_waves[i] = file.readAll();
    }
}

PlaySoundEffects::~PlaySoundEffects()
{
    // The sound still playing reads from this object's memory.
    PlaySoundW(nullptr, nullptr, 0);
}

void PlaySoundEffects::play(RaceCue cue)
{
    const QByteArray &wave = m_waves[std::size_t(cue)];
    if (!wave.isEmpty())
        PlaySoundW(reinterpret_cast<LPCWSTR>(wave.constData()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

std::unique_ptr<SoundOutput> SoundPlugin::createOutput()
{
    return std::make_unique<PlaySoundEffects>();
}
