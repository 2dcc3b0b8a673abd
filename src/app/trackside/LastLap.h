#pragma once

#include "RaceRecord.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

// The lap the last passing closed, as the full-screen display shows it
// beside the target lap for a while after the passing: its time in seconds
// with two decimals, as in the lap table, green when run in its target time
// or faster, red when slower, none without a target.
struct LastLap
{
    QString text;
    std::optional<QColor> colour;
    std::int32_t remainingMs = 0; // until it is no longer shown
};

inline constexpr std::int32_t kLastLapShownMs = 10000;

// The last lap while it is fresh, `now` being the tick counter: from its
// passing for kLastLapShownMs. None before the first passing, after it, or
// once the race is reset.
std::optional<LastLap> FreshLastLap(const rundaro::RaceRecord &race, std::uint32_t now);
