#include "LapTimeColour.h"

#include "LapVerdict.h"
#include "RacePalette.h"

#include <QLocale>

std::optional<bool> LapTimeOnTarget(const QString &text, std::int64_t targetMs)
{
    if (targetMs <= 0)
        return std::nullopt;
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double lapSeconds = locale.toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return rundaro::SegmentOnTarget(lapSeconds, targetMs);
}

std::optional<QColor> LapTimeColour(const QString &text, std::int64_t targetMs)
{
    if (const std::optional<bool> onTarget = LapTimeOnTarget(text, targetMs))
        return RacePalette::lapColour(*onTarget);
    return std::nullopt;
}
