#pragma once

#include "RaceRecord.h"

#include <cstdint>
#include <string>

// What is said aloud after a passing, for a skater who cannot read a screen
// at speed: the lap time to the tenth, the gap to the schedule at this line
// to the tenth, and the laps still to go as the passings count them ("23,4 —
// zwei Komma eins voraus — noch fünf Runden"); at the last lap "letzte
// Runde"; at STOP the final time. German, in UTF-8; the numbers the speech
// engine reads well stay figures, the gap and the counts are words.
namespace rundaro {

// German words for 0 to 999 ("einundzwanzig"); larger numbers as figures.
std::string NumberWords(std::int64_t n);

// After passing `i` (0-based, not the STOP). The gap is the line's target
// race time less the passing's race time: ahead ("voraus") when positive,
// behind ("zurück") when negative; without a target lap time there is none.
std::string PassingCallOut(const RaceRecord &race, int i);

// After the STOP: "Endzeit" and the race time to the tenth.
std::string StopCallOut(const RaceRecord &race);

} // namespace rundaro
