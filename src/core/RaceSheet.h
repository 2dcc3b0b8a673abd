#pragma once

#include "RaceRecord.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// The texts of one race as the lap table shows them: its set-up as name and
// value, and the table's rows from the start line on, nine columns each. The
// race file, the export and the printout are made from it; it knows nothing
// of files or paper.
namespace rundaro {

inline constexpr int kRaceColumns = 9;
using RaceRowTexts = std::array<std::string, kRaceColumns>;

struct RaceSheet
{
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
// ends, UTF-8 behind a byte-order mark.
std::string RaceCsv(const RaceSheet &sheet, const RaceRowTexts &headers);

} // namespace rundaro
