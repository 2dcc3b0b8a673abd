#include "RaceBoard.h"

#include "Schedule.h"
#include "TickCount.h"

namespace rundaro {

RaceBoard BoardAt(const PlanFigures &plan, std::int32_t raceMs, int passings)
{
    const std::int32_t due = plan.targetLapMs > 0 ? LapsDue(raceMs, plan) : LapsRun(passings, plan.extraMetres);
    return {raceMs, plan.laps - due, AheadBehindSeconds(raceMs, plan)};
}

RaceBoard BoardOf(const RaceRecord &race, std::uint32_t now)
{
    const int passings = race.Passings();
    const std::int32_t t = race.IsStopped() ? race.RaceMs(passings - 1) : TickDiff(now, race.StartTick());
    return BoardAt(race.Setup().plan, t, passings);
}

} // namespace rundaro
