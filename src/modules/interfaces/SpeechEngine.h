#pragma once

#include <QtPlugin>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A phrase as the engine renders it: mono 16-bit samples at `rate` per second.
struct SpeechSamples
{
    int rate = 0;
    std::vector<std::int16_t> samples;
};

// A speech engine with one language's voice. Speaking starts the phrase and
// returns; a phrase still being spoken is cut short by the next. Without a
// usable audio device the engine stays silent: nothing waits for it.
class SpeechEngine
{
public:
    virtual ~SpeechEngine() = default;
    virtual void speak(const std::string &phrase) = 0;
    // The phrase as samples, not played.
    virtual SpeechSamples render(const std::string &phrase) = 0;
};

// The speech module's entry point: the program loads the module, with the
// engine's library, only when the call-outs are switched on.
class SpeechModule
{
public:
    virtual ~SpeechModule() = default;
    // `language`: "de", "en", "nl"; null when the engine cannot start.
    virtual std::unique_ptr<SpeechEngine> createEngine(const std::string &language) = 0;
};

#define RundaroSpeechModule_iid "de.rundaro.SpeechModule/1.0"
Q_DECLARE_INTERFACE(SpeechModule, RundaroSpeechModule_iid)
