#pragma once

#include "FakeClock.h"
#include "RaceFeed.h"
#include "RaceRecord.h"
#include "TickCount.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstdint>
#include <string>

// 3000 m on the 200 m track: 15 laps of 21,9 s in 5:30 after a start
// allowance of 1,5 s, the plan a new program starts with.
inline const rundaro::RaceSetup k3000Metres{{15, 21900, 1.5L, 0, 200, "21,9", "32,88"}, 3000, 330};

// A race without the window: a race record, the feed over it, and the race's
// commands given as the window gives them (the tick read, the record
// changed, then the feed's signal), on a clock the test moves by hand. What
// follows the race (the race file, the full screen, the sounds, the
// comparison) the test makes on `feed()`, after this fixture, so that it
// goes first.
class RaceFixture
{
public:
    // The clock's reading before the first START.
    static constexpr std::uint32_t kFirstTick = 100000;

    explicit RaceFixture(const rundaro::RaceSetup &plan = k3000Metres)
        : m_clock(kFirstTick)
        , m_plan(plan)
    {
    }

    RaceFeed &feed() { return m_feed; }
    const rundaro::RaceRecord &race() const { return m_record; }

    // The plan in force, as the window's editors change it between races.
    void setPlan(const rundaro::RaceSetup &plan)
    {
        m_plan = plan;
        emit m_feed.planChanged();
    }
    // The calendar time of the next START, which names the race's file.
    void setStartedAt(const QDateTime &when) { m_startedAt = when; }
    void setNextSkater(const std::string &name) { m_feed.setNextSkater(name); }

    // Moves the clock to `ms` after the last START (before any: after the
    // first tick).
    void at(std::int32_t ms)
    {
        m_clock.set((m_record.HasRace() ? m_record.StartTick() : kFirstTick) + std::uint32_t(ms));
    }

    // START now, with the plan in force and the next skater's name.
    void start()
    {
        m_record.SetSkater(m_feed.nextSkater());
        m_record.Start(m_plan, rundaro::GetTickCount(), m_startedAt.toMSecsSinceEpoch());
        emit m_feed.raceStarted();
    }
    // A LAP at `ms` after START.
    void lap(std::int32_t ms)
    {
        at(ms);
        m_record.AddPassing(rundaro::GetTickCount());
        emit m_feed.passingRecorded(m_record.Passings() - 1);
    }
    // The STOP at `ms` after START: its passing, then the race stopped.
    void stop(std::int32_t ms)
    {
        at(ms);
        m_record.AddPassing(rundaro::GetTickCount(), true);
        emit m_feed.passingRecorded(m_record.Passings() - 1);
        emit m_feed.raceStopped();
    }
    // Takes the last passing back (the STOP too); false, and no signal,
    // when there is none.
    bool undo()
    {
        if (!m_record.IsOpen() || m_record.Passings() == 0)
            return false;
        const int index = m_record.Passings() - 1;
        m_record.UndoPassing();
        emit m_feed.passingUndone(index);
        return true;
    }
    void reset()
    {
        m_record.Close();
        emit m_feed.raceReset();
    }

private:
    FakeClock m_clock;
    rundaro::RaceRecord m_record;
    rundaro::RaceSetup m_plan;
    QDateTime m_startedAt{QDate(2024, 5, 1), QTime(14, 3, 7)};
    RaceFeed m_feed{m_record, [this] { return m_plan; }};
};
