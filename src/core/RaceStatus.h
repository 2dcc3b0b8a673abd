#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The status a race file carries in its `Status` set-up line, and the few
// reads and edits of a race file's text that need no more than that line and
// its neighbours: finding a set-up value in the file's head, setting the
// status while every other byte stays as it was, counting the passings in
// the rows. Nothing here touches a file.
namespace rundaro {

inline constexpr std::string_view kStatusRunning = "läuft";
// A race that ran its whole distance.
inline constexpr std::string_view kStatusFinished = "beendet";
// A race stopped before its last line (a fall, a false start).
inline constexpr std::string_view kStatusAborted = "abgebrochen";
// A race whose program ended (or died) while it ran.
inline constexpr std::string_view kStatusInterrupted = "unterbrochen";

// The passings a race of `laps` laps with `extraMetres` extra metres has when
// it ran its whole distance: its last passing is at the schedule's last line.
std::int64_t WholeRacePassings(std::int64_t laps, std::int64_t extraMetres);

// The status of a race judged by its passings: a stopped race (`written` is
// "beendet" or "abgebrochen") is "beendet" only when its passings reach the
// last line, otherwise "abgebrochen"; any other status stays as written. The
// same judgement serves the race being written and a file read back, so that
// files written "beendet" for a stopped race read as stopped.
std::string_view JudgedRaceStatus(std::string_view written, std::int64_t laps, std::int64_t extraMetres,
                                  std::int64_t passings);

// The value of the set-up line `name` ("name;value") in `text`, which may be
// only the file's head; nothing when the set-up lines end, or the text does,
// before such a line is complete.
std::optional<std::string> RaceSetUpValue(std::string_view text, std::string_view name);

// Replaces the value of the `Status` set-up line; false, and `text` as it
// was, when there is no such line.
bool SetRaceStatus(std::string &text, std::string_view status);

// The passings written in a race file's rows: the rows whose race time
// (LapColumn::RaceTime) is filled.
int RacePassings(std::string_view text);

} // namespace rundaro
