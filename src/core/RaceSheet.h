#pragma once

#include "RaceRecord.h"
#include "RaceSheetSchema.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// The texts of one race as the lap table shows them: its set-up as name and
// value, and the table's rows from the start line on, one text per column
// (RaceSheetSchema.h). The race file, the export and the printout are made
// from it; it knows nothing of files or paper.
namespace rundaro {

inline constexpr int kRaceColumns = kLapColumnCount;
using RaceRowTexts = std::array<std::string, kRaceColumns>;

inline std::string &Cell(RaceRowTexts &row, LapColumn column)
{
    return row[ColumnIndex(column)];
}
inline const std::string &Cell(const RaceRowTexts &row, LapColumn column)
{
    return row[ColumnIndex(column)];
}

struct RaceSheet
{
    // One line per set-up key, in the order of kSetUpKeyTable.
    std::vector<std::pair<std::string, std::string>> setup;
    // Rows 1 .. laps + 1 of the lap table: the target side from the set-up
    // at START, the measured side where a passing has closed the row.
    std::vector<RaceRowTexts> rows;
};

// `date` and `startTime`: START's calendar date and time of day as shown;
// `separator`: the decimal separator the number texts are written with.
RaceSheet MakeRaceSheet(const RaceRecord &race, const std::string &date, const std::string &startTime,
                        const std::string &separator);

// The sheet as CSV: one "name;value" line per set-up value, an empty line,
// the column headers, then one line per row; ';' between fields, CRLF line
// ends, UTF-8 behind a byte-order mark. Without `headers`, the race file's.
std::string RaceCsv(const RaceSheet &sheet, const RaceRowTexts &headers);
std::string RaceCsv(const RaceSheet &sheet);

// The columns' headers as the race file writes them.
RaceRowTexts LapColumnHeaders();

} // namespace rundaro
