#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

// The colour of a measured segment time as the lap table shows it (`text`,
// in the locale's number format) against that segment's target time: green
// when run in the target time or faster, red when slower. None without a
// target, or for a text that is no number (the empty cell of a lap not yet
// run).
std::optional<QColor> LapTimeColour(const QString &text, std::int64_t targetMs);
