#pragma once

#include "SpeechEngine.h"

#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;

// Speech through eSpeak NG's library, offline: each phrase is rendered to
// samples and played through Qt Multimedia's audio output, on the thread
// that owns the engine (it needs that thread's event loop while playing).
// The library keeps one state per process, so every engine shares it under
// a lock.
class EspeakEngine : public SpeechEngine
{
public:
    explicit EspeakEngine(std::string voice);
    ~EspeakEngine() override;
    void speak(const std::string &phrase) override;
    SpeechSamples render(const std::string &phrase) override;

    // True once the library has started with its data.
    static bool Start();

private:
    std::string m_voice;
    std::unique_ptr<QBuffer> m_pcm;
    std::unique_ptr<QAudioSink> m_sink;
};

class SpeechPlugin : public QObject, public SpeechModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RundaroSpeechModule_iid)
    Q_INTERFACES(SpeechModule)

public:
    std::unique_ptr<SpeechEngine> createEngine(const std::string &language) override;
};
