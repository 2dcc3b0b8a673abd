#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class RaceResultsModel;

// The results of the day as CSV for a spreadsheet set to German: fields
// separated by ';', times in seconds with a decimal comma ("328,60"), so
// that the spreadsheet reads them as numbers and can sort and subtract
// them, distances in whole metres. UTF-8 with a byte order mark and CRLF
// line ends, as the race files; headings and status words German, as there.
// Removed races are left out.
QByteArray RaceResultsCsv(const RaceResultsModel &model);

// "328,60": a race time in seconds, cut off to hundredths.
QString SecondsText(std::int32_t ms);
