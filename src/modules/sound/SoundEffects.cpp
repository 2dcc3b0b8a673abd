#include "SoundEffects.h"
#include "SoundPlugin.h"

#include <QUrl>

SoundEffects::SoundEffects()
{
    const char *files[] = {"passing", "lastlap", "stop"};
    static_assert(std::size(files) == std::tuple_size_v<decltype(m_effects)>);
    for (std::size_t i = 0; i < m_effects.size(); ++i)
        m_effects[i].setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(QLatin1String(files[i]))));
}

void SoundEffects::play(RaceCue cue)
{
    m_effects[std::size_t(cue)].play();
}

std::unique_ptr<SoundOutput> SoundPlugin::createOutput()
{
    return std::make_unique<SoundEffects>();
}
