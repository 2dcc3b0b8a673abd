#pragma once

#include "RaceRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reads a race file back: the set-up lines give the race's plan, date,
// start, status and skater, the rows with a measured side give the race
// time of every passing. Both decimal separators and both line ends are
// read. A newer program's file, with set-up lines or columns this program
// does not know, is read for what it knows. What it cannot read it names, so
// that a list of files can show why.
namespace rundaro {

struct StoredRace
{
    RaceSetup setup;
    std::string date; // "dd.MM.yyyy" as written
    std::string start; // "HH:mm:ss"
    // "läuft", "beendet", "abgebrochen" or "unterbrochen"; a stopped race
    // is judged by its passings, whatever the file says.
    std::string status;
    std::string skater; // empty: unnamed (also files without the line)
    std::string startLane; // a pair's skater: "innen" or "außen"; else empty
    std::vector<std::int32_t> raceMs; // race time at each passing, in order

    // Ran its whole distance.
    bool Finished() const { return status == "beendet"; }
    // Ended by STOP, at its last line or before it.
    bool Stopped() const { return Finished() || status == "abgebrochen"; }
    // The race time of the last passing; 0 without any.
    std::int32_t FinalMs() const { return raceMs.empty() ? 0 : raceMs.back(); }
};

enum class RaceFileFault {
    None,
    NotCsv, // not a race file at all
    Truncated, // ends before its table does
    MissingSetup, // a set-up line is missing (detail: its name)
    BadValue, // a value that does not read (detail: its name or row)
    // A passing's time that no race of this program has (detail: its row of
    // the table, counted from 1):
    BadTime, // not a number, or not a finite one
    NegativeTime,
    TimeTooLarge, // beyond the race clock's range (kMaxStoredRaceMs)
    TimeOutOfOrder, // before the passing above it
    LapDoesNotFit, // the lap time is not the difference of the race times
};

// The race clock counts in a signed 32-bit number of milliseconds.
inline constexpr std::int64_t kMaxStoredRaceMs = 0x7FFFFFFF;

struct RaceFileReading
{
    StoredRace race;
    RaceFileFault fault = RaceFileFault::None;
    std::string detail;

    bool ok() const { return fault == RaceFileFault::None; }
};

RaceFileReading ReadRaceFile(std::string_view bytes);

// The race as a record the lap table, the chart and the printout follow:
// started at tick 0, a passing at each race time, stopped when it was.
// `startedAt`: its START in ms since 1970 (UTC), which names its file.
RaceRecord RecordOf(const StoredRace &race, std::int64_t startedAt = 0);

// The target lap time a set-up gives, as the plan editors derive it; 0 when
// it gives none.
std::int32_t TargetLapMsOf(std::int64_t trackLength, std::int64_t lapLength, std::int64_t targetSeconds,
                           Real allowanceSeconds);

} // namespace rundaro
