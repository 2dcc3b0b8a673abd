#include "SoundEffects.h"

#include "SoundMixer.h"
#include "SoundPlugin.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>

namespace {

// The samples of a WAV file of 16-bit PCM, and their format; empty when the
// file is not one.
QByteArray readWave(const QString &path, QAudioFormat &format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wave = file.readAll();
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return {};
    QByteArray samples;
    bool pcm16 = false;
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const auto size = qsizetype(qFromLittleEndian<quint32>(wave.constData() + at + 4));
        const qsizetype body = at + 8;
        if (size < 0 || body + size > wave.size())
            break;
        if (id == "fmt " && size >= 16) {
            const char *f = wave.constData() + body;
            pcm16 = qFromLittleEndian<quint16>(f) == 1 && qFromLittleEndian<quint16>(f + 14) == 16;
            format.setChannelCount(qFromLittleEndian<quint16>(f + 2));
            format.setSampleRate(int(qFromLittleEndian<quint32>(f + 4)));
            format.setSampleFormat(QAudioFormat::Int16);
        } else if (id == "data") {
            samples = wave.mid(body, size);
        }
        at = body + size + (size & 1);
    }
    return pcm16 ? samples : QByteArray();
}

} // namespace

SoundEffects::SoundEffects()
    : m_mixer(std::make_unique<SoundMixer>())
{
    const char *files[] = {"passing", "lastlap", "stop"};
    static_assert(std::size(files) == std::tuple_size_v<decltype(m_samples)>);
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        QAudioFormat format;
        m_samples[i] = readWave(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(files[i])), format);
        if (!m_format.isValid())
            m_format = format;
        else if (format != m_format)
            m_samples[i].clear(); // the stream has one format; the sounds are made alike
    }
    if (!m_format.isValid())
        return;
    m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), m_format);
    m_sink->start(m_mixer.get());
}

SoundEffects::~SoundEffects()
{
    // The stream stops reading before its source goes.
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
}

void SoundEffects::play(RaceCue cue)
{
    if (m_sink)
        m_mixer->start(m_samples[std::size_t(cue)]);
}

std::unique_ptr<SoundOutput> SoundPlugin::createOutput()
{
    return std::make_unique<SoundEffects>();
}
