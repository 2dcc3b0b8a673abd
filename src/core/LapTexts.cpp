#include "LapTexts.h"

namespace rundaro {

std::string MinSecText(std::int64_t ms, char separator)
{
    // Round to hundredths first, so that 59996 ms reads 1:00,00 and never 0:60,00.
    const std::int64_t magnitude = ms < 0 ? -ms : ms;
    const std::int64_t cs = (magnitude + 5) / 10;
    std::string seconds = FormatFixed(Real(cs % 6000) / 100, 2, separator);
    if (seconds.size() < 5)
        seconds.insert(seconds.begin(), '0');
    const bool negative = ms < 0 && cs != 0;
    return (negative ? "-" : "") + IntToStr(cs / 6000) + ":" + seconds;
}

std::string SpeedText(Real metres, std::int64_t ms, int decimals, char separator)
{
    if (ms == 0)
        return {};
    return FormatFixed((metres / 1000) / (Real(ms) / 1000 / 3600), decimals, separator);
}

LapResultTexts LapResult(std::int32_t raceMs, std::int32_t lapMs, std::int64_t metres, char separator)
{
    return {
        FormatFixed(Real(lapMs) / 1000, 2, separator),
        FormatFixed(Real(raceMs) / 1000, 2, separator),
        MinSecText(raceMs, separator),
        SpeedText(Real(metres), lapMs, 1, separator),
    };
}

std::string AverageSpeedText(const PlanFigures &plan, std::int64_t passings, std::int32_t raceMs, char separator)
{
    return SpeedText(Real(MetresCovered(plan, passings)), raceMs, 1, separator);
}

PlanRowTexts PlanRow(const PlanFigures &plan, std::int64_t lap, char separator)
{
    PlanRowTexts row;
    row.lapsToGo = IntToStr(plan.laps - lap);
    row.segmentTime = lap == 0 ? FormatFixed(plan.allowanceSeconds, 1, separator) : plan.lapTimeText;
    // With extra metres the start line shows their target time instead.
    if (lap == 0 && plan.extraMetres > 0 && plan.lapLength > 0)
        row.segmentTime = FormatFixed(Real(ExtraMs(plan)) / 1000, 1, separator);
    const std::int64_t target = PlanTargetMs(plan, lap);
    row.targetTime = FormatFixed(Real(target) / 1000, 2, separator);
    row.minSec = MinSecText(target, separator);
    row.speed = plan.lapSpeedText;
    return row;
}

} // namespace rundaro
