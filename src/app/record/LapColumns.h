#pragma once

#include <QCoreApplication>
#include <QString>

// The lap table's columns: target schedule (0 to 4), measured results (5 to 8).
// The headers are German in the race files, translated on screen and paper.
struct LapColumnEntry
{
    int width;
    const char *header;
};

inline constexpr LapColumnEntry kLapColumns[] = {
    {66, QT_TRANSLATE_NOOP("LapColumns", "Runden")},       {80, QT_TRANSLATE_NOOP("LapColumns", "Zeit")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "Sollzeit")},     {90, QT_TRANSLATE_NOOP("LapColumns", "in Min:Sek")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "km/h")},         {80, QT_TRANSLATE_NOOP("LapColumns", "RealZeit")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "RealSollzeit")}, {90, QT_TRANSLATE_NOOP("LapColumns", "in Min:Sek")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "km/h")},
};

// A column's header in the program's language.
inline QString LapColumnHeader(const LapColumnEntry &column)
{
    return QCoreApplication::translate("LapColumns", column.header);
}

// The first of the measured columns, which START empties.
inline constexpr int kFirstResultColumn = 5;
// The column of the measured lap time, coloured against the target.
inline constexpr int kLapTimeColumn = 5;
