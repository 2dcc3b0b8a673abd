#pragma once

#include "SpeechThread.h"

#include <QObject>

#include <memory>
#include <string>

class QAbstractButton;
class RaceFeed;

// The spoken call-outs of a race: after each passing the lap time, the gap
// to the schedule and the laps to go, at the last lap "letzte Runde", at STOP
// the final time; in a pair each skater's, named. The phrase is made when
// the window reports the command, after the tick is read and the passing
// recorded, and handed to the speaker to be said after the race sound;
// speaking happens off the window's thread.
// The speaker (and with it the speech module) is made only when the switch
// is first on; while it is off nothing is said.
class RaceCallOuts : public QObject
{
    Q_OBJECT

public:
    RaceCallOuts(RaceFeed &feed, QAbstractButton *onOff, SpeakerFactory factory, QObject *parent);
    ~RaceCallOuts() override;

    // Calls out another race too (a pair's skater), each call-out beginning
    // with its skater's name ("Anna: …"), or with `letter` while the skater
    // is unnamed ("A: …"). An empty `letter` names nobody, as for a race run
    // alone.
    void follow(RaceFeed &feed, const std::string &letter);

    // True once the speaker has been made (it may still be silent).
    bool isLoaded() const { return m_loaded; }

private:
    Q_DISABLE_COPY(RaceCallOuts)

    void load();
    void say(const std::string &phrase, std::int32_t afterMs);

    QAbstractButton *m_onOff;
    SpeakerFactory m_factory;
    std::unique_ptr<CallOutSpeaker> m_speaker;
    bool m_loaded = false;
};
