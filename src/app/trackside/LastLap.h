#pragma once

#include "RaceRecord.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

namespace rundaro {
struct LastLapFigures;
}

// The lap the last passing closed, as the displays show it for a while
// after the passing: its time in seconds with two decimals, as in the lap
// table, green when run in its target time or faster, red when slower, none
// without a target.
struct LastLap
{
    QString text;
    std::optional<QColor> colour;
    std::int32_t remainingMs = 0; // until it is no longer shown
};

// The last lap while it is fresh, `now` being the tick counter: from its
// passing for rundaro::kLastLapShownMs. None before the first passing, after
// it, or once the race is reset.
std::optional<LastLap> FreshLastLap(const rundaro::RaceRecord &race, std::uint32_t now);

// The same figures as the displays show them.
LastLap LastLapShown(const rundaro::LastLapFigures &figures);
