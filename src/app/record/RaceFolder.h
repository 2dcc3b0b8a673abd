#pragma once

#include <QString>
#include <QStringList>

// The race files (*.csv) in `folder`, sorted by name (a race's start), the
// newest last or, with `newestFirst`, first. The names are matched here and
// not by a name filter: Qt's wildcard match builds a regular expression
// whose per-thread JIT stack the Windows build's runtime fails to free when
// a thread that is not Qt's own ends, and the callers run on threads of
// their own.
QStringList RaceFileNames(const QString &folder, bool newestFirst);
