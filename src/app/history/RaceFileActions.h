#pragma once

#include <QString>

// What the results of the day do to a saved race's file. Nothing is ever
// deleted: a removed race is moved into the folder `gelöscht` beside the
// races folder, and moved back to be restored; a name is corrected by
// writing the file anew, whole or not at all, with every other byte kept.
// Each returns false with `error` set when the file stays as it was.

// The folder removed races go to, beside `racesFolder`.
QString RemovedRacesFolder(const QString &racesFolder);

// Moves the race file `path` into `folder` under its own name (or "-2",
// "-3", … before ".csv" when that name is taken there); `movedTo` is its new
// path.
bool MoveRaceFile(const QString &path, const QString &folder, QString &movedTo, QString &error);

// Sets the skater's name in the race file `path`.
bool CorrectRaceSkater(const QString &path, const QString &name, QString &error);
