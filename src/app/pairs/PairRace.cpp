#include "PairRace.h"

#include "LaneContacts.h"
#include "RaceFeed.h"
#include "TickCount.h"

using rundaro::GroupRace;

PairRace::PairRace(const PlanSource &plan, QObject *parent)
    : QObject(parent)
{
    for (int skater = 0; skater < kSkaters; ++skater) {
        m_feeds[std::size_t(skater)] = new RaceFeed(m_group.Race(skater), plan, this);
        m_group.SetStartLane(skater, std::string(rundaro::LaneName(rundaro::LaneContacts::StartLane(skater))));
    }
}

const std::string &PairRace::skaterName(int skater) const
{
    const rundaro::RaceRecord &race = m_group.Race(skater);
    return race.IsOpen() ? race.Skater() : feed(skater).nextSkater();
}

void PairRace::nameSkater(int skater, const std::string &name)
{
    RaceFeed &skaterFeed = feed(skater);
    skaterFeed.setNextSkater(name);
    // A finished race keeps its name: the next skater's name is not its.
    if (m_group.IsRunning(skater) && m_group.Race(skater).Skater() != name) {
        m_group.SetSkater(skater, name);
        emit skaterFeed.skaterChanged();
    }
    emit changed();
}

void PairRace::start(const rundaro::RaceSetup &setup, std::uint32_t tick, std::int64_t startedAt)
{
    for (int skater = 0; skater < kSkaters; ++skater)
        m_group.SetSkater(skater, feed(skater).nextSkater());
    m_group.Start(setup, tick, startedAt);
    for (RaceFeed *skaterFeed : m_feeds)
        emit skaterFeed->raceStarted();
    emit changed();
}

GroupRace::Passing PairRace::pass(int skater, std::uint32_t tick)
{
    const GroupRace::Passing passing = m_group.AddPassing(skater, tick);
    if (passing == GroupRace::Passing::Refused)
        return passing;
    RaceFeed &skaterFeed = feed(skater);
    emit skaterFeed.passingRecorded(m_group.Race(skater).Passings() - 1);
    if (passing == GroupRace::Passing::Finish)
        emit skaterFeed.raceStopped();
    emit changed();
    return passing;
}

void PairRace::stopRunning(std::uint32_t tick)
{
    for (int skater : m_group.StopRunning(tick)) {
        RaceFeed &skaterFeed = feed(skater);
        emit skaterFeed.passingRecorded(m_group.Race(skater).Passings() - 1);
        emit skaterFeed.raceStopped();
    }
    emit changed();
}

bool PairRace::undo(int skater)
{
    if (!m_group.UndoPassing(skater))
        return false;
    emit feed(skater).passingUndone(m_group.Race(skater).Passings());
    emit changed();
    return true;
}

void PairRace::reset()
{
    m_group.Close();
    for (RaceFeed *skaterFeed : m_feeds)
        emit skaterFeed->raceReset();
    emit changed();
}

std::uint32_t PairRace::lastPassingTick() const
{
    std::uint32_t latest = m_group.StartTick();
    for (int skater = 0; skater < kSkaters; ++skater) {
        const rundaro::RaceRecord &race = m_group.Race(skater);
        if (race.Passings() > 0 && rundaro::TickDiff(race.PassingTick(race.Passings() - 1), latest) > 0)
            latest = race.PassingTick(race.Passings() - 1);
    }
    return latest;
}
