#pragma once

#include "RaceRecord.h"

#include <QObject>

#include <functional>
#include <string>

// What everything that follows a race sees of it: the race record, the plan
// in force and the race's signals (started, a passing recorded or taken
// back, stopped, reset). The race file, the sounds, the chart, the export,
// the printout and the full-screen display take this and never the window;
// the window feeds it. It computes nothing: the record holds the facts.
class RaceFeed : public QObject
{
    Q_OBJECT

public:
    using PlanSource = std::function<rundaro::RaceSetup()>;

    // `record` must outlive the feed; `plan` gives the set-up the editors
    // hold now (the schedule before a race is started).
    RaceFeed(const rundaro::RaceRecord &record, PlanSource plan, QObject *parent = nullptr);

    const rundaro::RaceRecord &race() const { return m_record; }
    rundaro::RaceSetup planInForce() const { return m_plan(); }
    // The skater's name the next START gives its race ("Läufer" as typed
    // while no race runs); the record holds the name of its own race.
    const std::string &nextSkater() const { return m_nextSkater; }
    void setNextSkater(const std::string &name);

signals:
    void raceStarted();
    // `index`: the passing's place in the record (0 for the first).
    void passingRecorded(int index);
    void passingUndone(int index);
    void raceStopped();
    void raceReset();
    // The skater's name of the race changed.
    void skaterChanged();
    // The name for the next race changed.
    void nextSkaterChanged();
    // A plan editor changed the plan in force.
    void planChanged();

private:
    Q_DISABLE_COPY(RaceFeed)

    const rundaro::RaceRecord &m_record;
    PlanSource m_plan;
    std::string m_nextSkater;
};
