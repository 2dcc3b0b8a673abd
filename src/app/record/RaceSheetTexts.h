#pragma once

#include "RaceSheet.h"
#include "WholeFileWrite.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A race's sheet in this program's texts: the start as a German date and
// time of day, numbers with the locale's decimal separator, the lap table's
// column headers (German in every language: the race file's format).

// START's calendar time in local time.
QDateTime RaceStartTime(const rundaro::RaceRecord &race);
rundaro::RaceSheet RaceSheetOf(const rundaro::RaceRecord &race);
// The column headers as the race file writes them.
rundaro::RaceRowTexts LapTableHeaders();
// The race as the bytes of its CSV file.
QByteArray RaceCsvOf(const rundaro::RaceRecord &race);
// Writes the race's CSV to `path` as WriteWholeFile does.
bool WriteRaceCsv(const rundaro::RaceRecord &race, const QString &path, QString &error);
// "YYYY-MM-DD_HH-MM-SS" of the start in local time: a race file's name.
QString RaceFileBaseName(const rundaro::RaceRecord &race);
// "Läufer: …   Endzeit: …   Durchschnitt: … km/h   Beste Runde: … s" of a
// race with passings ("Zeit" before STOP); the name is left out for an
// unnamed skater, the best lap before the first whole lap.
QString RaceSummaryText(const rundaro::RaceRecord &race);
