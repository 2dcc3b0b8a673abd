#include "GroupRace.h"

#include "RaceStatus.h"
#include "TickCount.h"

#include <algorithm>

namespace rundaro {

namespace {

// Passings stay in order, so that no lap is negative.
std::uint32_t NotBeforeLast(const RaceRecord &race, std::uint32_t tick)
{
    const std::uint32_t last = race.Passings() > 0 ? race.PassingTick(race.Passings() - 1) : race.StartTick();
    return TickDiff(tick, last) < 0 ? last : tick;
}

} // namespace

GroupRace::GroupRace(int skaters)
    : m_races(std::size_t(std::max(skaters, 1)))
{
}

void GroupRace::SetSkater(int skater, std::string name)
{
    m_races[std::size_t(skater)].SetSkater(std::move(name));
}

void GroupRace::SetStartLane(int skater, std::string lane)
{
    m_races[std::size_t(skater)].SetStartLane(std::move(lane));
}

void GroupRace::Start(const RaceSetup &setup, std::uint32_t startTick, std::int64_t startedAt)
{
    for (RaceRecord &race : m_races)
        race.Start(setup, startTick, startedAt);
}

GroupRace::Passing GroupRace::AddPassing(int skater, std::uint32_t tick)
{
    if (skater < 0 || skater >= Skaters() || !IsRunning(skater))
        return Passing::Refused;
    RaceRecord &race = m_races[std::size_t(skater)];
    const bool last = race.Passings() + 1 >= FinishPassings();
    race.AddPassing(NotBeforeLast(race, tick), last);
    return last ? Passing::Finish : Passing::Lap;
}

std::vector<int> GroupRace::StopRunning(std::uint32_t tick)
{
    std::vector<int> stopped;
    for (int skater = 0; skater < Skaters(); ++skater) {
        if (!IsRunning(skater))
            continue;
        RaceRecord &race = m_races[std::size_t(skater)];
        race.AddPassing(NotBeforeLast(race, tick), true);
        stopped.push_back(skater);
    }
    return stopped;
}

bool GroupRace::UndoPassing(int skater)
{
    if (skater < 0 || skater >= Skaters() || !IsOpen())
        return false;
    return m_races[std::size_t(skater)].UndoPassing();
}

void GroupRace::Close()
{
    for (RaceRecord &race : m_races)
        race.Close();
}

bool GroupRace::IsRunning(int skater) const
{
    const RaceRecord &race = Race(skater);
    return race.IsOpen() && !race.IsStopped();
}

bool GroupRace::AnyRunning() const
{
    for (int skater = 0; skater < Skaters(); ++skater) {
        if (IsRunning(skater))
            return true;
    }
    return false;
}

std::int64_t GroupRace::FinishPassings() const
{
    const PlanFigures &plan = m_races.front().Setup().plan;
    // A plan without laps still ends at its first passing.
    return std::max<std::int64_t>(1, WholeRacePassings(plan.laps, plan.extraMetres));
}

std::int32_t GroupRace::TimeMs(std::uint32_t now) const
{
    if (AnyRunning())
        return TickDiff(now, StartTick());
    std::int32_t latest = 0;
    for (const RaceRecord &race : m_races) {
        if (race.Passings() > 0)
            latest = std::max(latest, race.RaceMs(race.Passings() - 1));
    }
    return latest;
}

RaceBoard SkaterBoardOf(const RaceRecord &race, std::uint32_t now)
{
    RaceBoard board = BoardOf(race, now);
    const PlanFigures &plan = race.Setup().plan;
    // A STOP before the last line (a fall, a skater stopped while the other
    // runs on) passed no line: the lines passed are the ones before it.
    const std::int64_t wholeRace = WholeRacePassings(plan.laps, plan.extraMetres);
    const bool stoppedShort = race.IsStopped() && race.Passings() < wholeRace;
    const int lines = race.Passings() - (stoppedShort ? 1 : 0);
    // The whole laps still to run: the first line of a race with extra
    // metres closes only those metres.
    const std::int64_t lapsRun = std::max<std::int64_t>(0, lines - (plan.extraMetres != 0 ? 1 : 0));
    board.lapsToGo = std::max<std::int64_t>(0, plan.laps - lapsRun);
    // From the first line on, the skater's own gap at the last line passed.
    if (lines > 0)
        board.aheadBehind = GapAtLine(race, lines - 1);
    return board;
}

std::vector<RaceBoard> BoardsOf(const GroupRace &group, std::uint32_t now)
{
    std::vector<RaceBoard> boards;
    boards.reserve(std::size_t(group.Skaters()));
    for (int skater = 0; skater < group.Skaters(); ++skater)
        boards.push_back(BoardOf(group.Race(skater), now));
    return boards;
}

std::vector<RaceBoard> BoardsAtLine(const GroupRace &group, std::uint32_t now)
{
    std::vector<RaceBoard> boards;
    boards.reserve(std::size_t(group.Skaters()));
    for (int skater = 0; skater < group.Skaters(); ++skater)
        boards.push_back(BoardAtLine(group.Race(skater), now));
    return boards;
}

} // namespace rundaro
