#include "RaceCallOuts.h"

#include "CallOuts.h"
#include "RaceFeed.h"

#include <QAbstractButton>

namespace {

// How long each race sound lasts, so that speech begins after it: the
// passing's beep, the last lap's bell, the finish's two-tone.
constexpr std::int32_t kAfterPassingMs = 150;
constexpr std::int32_t kAfterLastLapMs = 1100;
constexpr std::int32_t kAfterStopMs = 1000;

} // namespace

RaceCallOuts::RaceCallOuts(RaceFeed &feed, QAbstractButton *onOff, SpeakerFactory factory, QObject *parent)
    : QObject(parent)
    , m_onOff(onOff)
    , m_factory(std::move(factory))
{
    follow(feed, {});
    // Made as soon as switched on, so the engine is ready at the next passing.
    connect(onOff, &QAbstractButton::toggled, this, [this](bool on) {
        if (on)
            load();
    });
}

RaceCallOuts::~RaceCallOuts() = default;

void RaceCallOuts::follow(RaceFeed &feed, const std::string &letter)
{
    const rundaro::RaceRecord &race = feed.race();
    // Whose call-out it is, asked at each one: a name typed during the race
    // counts from then on.
    auto named = [&race, letter](std::string phrase) {
        if (letter.empty())
            return phrase;
        return (race.Skater().empty() ? letter : race.Skater()) + ": " + phrase;
    };
    connect(&feed, &RaceFeed::passingRecorded, this, [this, &race, named](int index) {
        // The STOP's passing is called out with raceStopped.
        if (race.IsStopped() || !m_onOff->isChecked())
            return;
        say(named(rundaro::PassingCallOut(race, index)),
            race.Passings() == race.LapLimit() ? kAfterLastLapMs : kAfterPassingMs);
    });
    connect(&feed, &RaceFeed::raceStopped, this, [this, &race, named] {
        if (m_onOff->isChecked() && race.Passings() > 0)
            say(named(rundaro::StopCallOut(race)), kAfterStopMs);
    });
}

void RaceCallOuts::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_factory)
        m_speaker = m_factory();
}

void RaceCallOuts::say(const std::string &phrase, std::int32_t afterMs)
{
    load();
    if (m_speaker)
        m_speaker->say(phrase, afterMs);
}
