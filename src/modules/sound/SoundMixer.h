#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QMutex>

#include <vector>

// The audio stream's source: silence, with each sound started by `start`
// added in from the next read on, 16-bit samples summed and clipped. Never
// at its end, so the stream never runs dry and never stops.
class SoundMixer : public QIODevice
{
public:
    SoundMixer();
    // `samples`: 16-bit samples in the stream's format.
    void start(const QByteArray &samples);
    // Sounds started and not yet read whole.
    int playing() const;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    struct Voice
    {
        QByteArray samples;
        qint64 at = 0; // bytes read so far
    };
    mutable QMutex m_mutex; // the stream may read on a thread of its own
    std::vector<Voice> m_voices;
};
