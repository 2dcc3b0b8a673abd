#pragma once

#include "Schedule.h"

#include <cstdint>
#include <string>

// The texts of the lap table: one measured lap (right half) and one line of
// the target schedule (left half). The table keeps only these texts.
namespace rundaro {

// "m:ss,hh" for a time in ms, rounded to hundredths half away from zero
// (75430 -> "1:15,43", 5430 -> "0:05,43", 59996 -> "1:00,00").
std::string MinSecText(std::int64_t ms, char separator);

// km/h over `metres` run in `ms`; empty for a time of 0 ms, which has no
// meaningful speed (two passings within one step of the millisecond counter).
std::string SpeedText(Real metres, std::int64_t ms, int decimals, char separator);

// Columns 5 to 8 of the row a passing closes.
struct LapResultTexts
{
    std::string lapTime; // "RealZeit": lap time in s, two decimals
    std::string raceTime; // "RealSollzeit": race time in s, two decimals
    std::string minSec; // "in Min:Sek"
    std::string speed; // "km/h" over the segment's own length, one decimal
};

// `metres`: the length of the segment the passing closes (the extra metres
// or a whole lap).
LapResultTexts LapResult(std::int32_t raceMs, std::int32_t lapMs, std::int64_t metres, char separator);

// The average speed since the start over the metres actually covered in
// `passings` passings.
std::string AverageSpeedText(const PlanFigures &plan, std::int64_t passings, std::int32_t raceMs, char separator);

// Columns 0 to 4 of the schedule line after `lap` whole laps (0: the start
// line, which carries the allowance and the time of the extra metres).
struct PlanRowTexts
{
    std::string lapsToGo;
    std::string segmentTime;
    std::string targetTime;
    std::string minSec;
    std::string speed;
};

PlanRowTexts PlanRow(const PlanFigures &plan, std::int64_t lap, char separator);

} // namespace rundaro
