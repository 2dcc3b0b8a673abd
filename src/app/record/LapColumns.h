#pragma once

// The lap table's columns: target schedule (0 to 4), measured results (5 to 8).
struct LapColumnEntry
{
    int width;
    const char16_t *header;
};

inline constexpr LapColumnEntry kLapColumns[] = {
    {66, u"Runden"},   {80, u"Zeit"},         {80, u"Sollzeit"},   {90, u"in Min:Sek"}, {80, u"km/h"},
    {80, u"RealZeit"}, {80, u"RealSollzeit"}, {90, u"in Min:Sek"}, {80, u"km/h"},
};

// The first of the measured columns, which START empties.
inline constexpr int kFirstResultColumn = 5;
// The column of the measured lap time, coloured against the target.
inline constexpr int kLapTimeColumn = 5;
