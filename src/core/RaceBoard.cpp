#include "RaceBoard.h"

#include "LapTexts.h"
#include "Schedule.h"
#include "TickCount.h"

namespace rundaro {

RaceBoard BoardAt(const PlanFigures &plan, std::int32_t raceMs, int passings)
{
    const std::int32_t due = plan.targetLapMs > 0 ? LapsDue(raceMs, plan) : LapsRun(passings, plan.extraMetres);
    return {raceMs, plan.laps - due, AheadBehindSeconds(raceMs, plan), std::nullopt};
}

RaceBoard BoardOf(const RaceRecord &race, std::uint32_t now)
{
    const int passings = race.Passings();
    const std::int32_t t = race.IsStopped() ? race.RaceMs(passings - 1) : TickDiff(now, race.StartTick());
    return BoardAt(race.Setup().plan, t, passings);
}

std::optional<std::int32_t> GapAtLine(const RaceRecord &race, int i)
{
    const PlanFigures &plan = race.Setup().plan;
    if (plan.targetLapMs <= 0 || i < 0 || i >= race.Passings())
        return std::nullopt;
    // The line's target race time less the passing's, as the chart and the
    // call-outs reckon the gap, in whole seconds.
    const std::int64_t line = FirstPassingLine(plan) + i;
    const std::int64_t ms = PlanTargetMs(plan, line) - race.RaceMs(i);
    return static_cast<std::int32_t>(Round(Real(ms) / 1000));
}

std::optional<LastLapFigures> LastLapAt(const RaceRecord &race, std::uint32_t now)
{
    if (!race.IsOpen() || race.Passings() == 0)
        return std::nullopt;
    const int last = race.Passings() - 1;
    const std::int32_t age = TickDiff(now, race.PassingTick(last));
    if (age < 0 || age >= kLastLapShownMs)
        return std::nullopt;
    const PlanFigures &plan = race.Setup().plan;
    const std::int64_t line = FirstPassingLine(plan) + last;
    // The lap table's lap time text alone: this runs at every tick while
    // the lap is shown, once for each skater.
    const std::string lapTime = FormatFixed(Real(race.LapMs(last)) / 1000, 2, '.');
    return LastLapFigures{lapTime, plan.targetLapMs > 0 ? SegmentTargetMs(plan, line) : 0, kLastLapShownMs - age};
}

RaceBoard BoardAtLine(const RaceRecord &race, std::uint32_t now)
{
    RaceBoard board = BoardOf(race, now);
    if (race.Passings() > 0)
        board.aheadBehind = GapAtLine(race, race.Passings() - 1);
    board.lastLap = LastLapAt(race, now);
    return board;
}

} // namespace rundaro
