#include "EspeakEngine.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <espeak-ng/speak_lib.h>

#include <mutex>

namespace {

std::mutex engineLock;
int sampleRate = 0; // 0: not started yet, -1: the library cannot start

// The library hands the samples over in pieces; the phrase's buffer rides
// along in each event.
int collect(short *wav, int count, espeak_EVENT *events)
{
    if (wav && count > 0 && events && events->user_data) {
        auto *out = static_cast<std::vector<std::int16_t> *>(events->user_data);
        out->insert(out->end(), wav, wav + count);
    }
    return 0; // go on
}

bool startLocked()
{
    if (sampleRate == 0) {
        sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (sampleRate <= 0)
            sampleRate = -1;
        else
            espeak_SetSynthCallback(&collect);
    }
    return sampleRate > 0;
}

} // namespace

bool EspeakEngine::Start()
{
    const std::lock_guard<std::mutex> hold(engineLock);
    return startLocked();
}

EspeakEngine::EspeakEngine(std::string voice)
    : m_voice(std::move(voice))
{
}

EspeakEngine::~EspeakEngine()
{
    if (m_sink)
        m_sink->stop();
}

SpeechSamples EspeakEngine::render(const std::string &phrase)
{
    SpeechSamples out;
    const std::lock_guard<std::mutex> hold(engineLock);
    if (!startLocked() || espeak_SetVoiceByName(m_voice.c_str()) != EE_OK)
        return out;
    out.rate = sampleRate;
    espeak_Synth(phrase.c_str(), phrase.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &out.samples);
    espeak_Synchronize();
    return out;
}

void EspeakEngine::speak(const std::string &phrase)
{
    const SpeechSamples speech = render(phrase);
    if (speech.samples.empty())
        return;
    if (m_sink)
        m_sink->stop();
    QAudioFormat format;
    format.setSampleRate(speech.rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return;
    m_pcm = std::make_unique<QBuffer>();
    m_pcm->setData(reinterpret_cast<const char *>(speech.samples.data()),
                   qsizetype(speech.samples.size() * sizeof(std::int16_t)));
    m_pcm->open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(m_pcm.get());
}

std::unique_ptr<SpeechEngine> SpeechPlugin::createEngine(const std::string &language)
{
    if (!EspeakEngine::Start())
        return nullptr;
    return std::make_unique<EspeakEngine>(language);
}
