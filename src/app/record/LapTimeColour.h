#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

// Whether a measured segment time as the lap table shows it (`text`, in the
// locale's number format) was on target against that segment's target time:
// run in the target time or faster. None without a target, or for a text
// that is no number (the empty cell of a lap not yet run).
std::optional<bool> LapTimeOnTarget(const QString &text, std::int64_t targetMs);

// The colour of that verdict from the race palette: green on target, red
// over it, none where there is no verdict.
std::optional<QColor> LapTimeColour(const QString &text, std::int64_t targetMs);
