#include "SoundMixer.h"

#include <QMutexLocker>

#include <algorithm>
#include <cstring>

SoundMixer::SoundMixer()
{
    open(QIODevice::ReadOnly);
}

void SoundMixer::start(const QByteArray &samples)
{
    if (samples.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    m_voices.push_back({samples, 0});
}

int SoundMixer::playing() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_voices.size());
}

qint64 SoundMixer::bytesAvailable() const
{
    // Silence without end.
    return (qint64(1) << 30) + QIODevice::bytesAvailable();
}

qint64 SoundMixer::readData(char *data, qint64 maxSize)
{
    const qint64 size = maxSize & ~qint64(1); // whole samples
    std::memset(data, 0, std::size_t(size));
    QMutexLocker lock(&m_mutex);
    auto *out = reinterpret_cast<qint16 *>(data);
    for (Voice &voice : m_voices) {
        const qint64 bytes = std::min(size, qint64(voice.samples.size()) - voice.at) & ~qint64(1);
        const auto *in = reinterpret_cast<const qint16 *>(voice.samples.constData() + voice.at);
        for (qint64 i = 0; i < bytes / 2; ++i)
            out[i] = qint16(std::clamp(int(out[i]) + int(in[i]), -32768, 32767));
        voice.at += bytes;
    }
    std::erase_if(m_voices, [](const Voice &voice) { return voice.at + 1 >= voice.samples.size(); });
    return size;
}

qint64 SoundMixer::writeData(const char *, qint64)
{
    return -1;
}
