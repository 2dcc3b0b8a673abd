#include "LastLap.h"

#include "DisplayTexts.h"
#include "LapTexts.h"
#include "LapTimeColour.h"
#include "Schedule.h"
#include "TickCount.h"

std::optional<LastLap> FreshLastLap(const rundaro::RaceRecord &race, std::uint32_t now)
{
    if (!race.IsOpen() || race.Passings() == 0)
        return std::nullopt;
    const int last = race.Passings() - 1;
    const std::int32_t age = rundaro::TickDiff(now, race.PassingTick(last));
    if (age < 0 || age >= kLastLapShownMs)
        return std::nullopt;
    const rundaro::PlanFigures &plan = race.Setup().plan;
    const std::int64_t line = rundaro::FirstPassingLine(plan) + last;
    const rundaro::LapResultTexts texts
        = rundaro::LapResult(race.RaceMs(last), race.LapMs(last), rundaro::SegmentMetres(plan, line), '.');
    LastLap lap{LocaleNumberText(texts.lapTime), std::nullopt, kLastLapShownMs - age};
    if (plan.targetLapMs > 0)
        lap.colour = LapTimeColour(lap.text, rundaro::SegmentTargetMs(plan, line));
    return lap;
}
