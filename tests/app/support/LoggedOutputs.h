#pragma once

#include "SoundOutput.h"
#include "SpeechThread.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The race sounds a test hears: how often the output was made and which
// cues it played, in order. No audio device is ever touched.
struct SoundLog
{
    int made = 0;
    std::vector<RaceCue> played;
};

class LoggedSound : public SoundOutput
{
public:
    explicit LoggedSound(std::shared_ptr<SoundLog> log)
        : m_log(std::move(log))
    {
    }
    void play(RaceCue cue) override { m_log->played.push_back(cue); }

private:
    std::shared_ptr<SoundLog> m_log;
};

// The call-outs a test hears: how often the speaker was made and what it
// was given to say, with the wait for the race sound before it.
struct SpeechLog
{
    int made = 0;
    std::vector<std::pair<std::string, std::int32_t>> said;
};

class LoggedSpeaker : public CallOutSpeaker
{
public:
    explicit LoggedSpeaker(std::shared_ptr<SpeechLog> log)
        : m_log(std::move(log))
    {
    }
    void say(const std::string &phrase, std::int32_t afterMs) override { m_log->said.emplace_back(phrase, afterMs); }

private:
    std::shared_ptr<SpeechLog> m_log;
};

// Factories that make a logged output and count how often they were asked.
inline SoundFactory LoggedSounds(std::shared_ptr<SoundLog> log)
{
    return [log = std::move(log)]() -> std::unique_ptr<SoundOutput> {
        ++log->made;
        return std::make_unique<LoggedSound>(log);
    };
}

inline SpeakerFactory LoggedSpeech(std::shared_ptr<SpeechLog> log)
{
    return [log = std::move(log)]() -> std::unique_ptr<CallOutSpeaker> {
        ++log->made;
        return std::make_unique<LoggedSpeaker>(log);
    };
}
