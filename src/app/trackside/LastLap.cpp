#include "LastLap.h"

#include "DisplayTexts.h"
#include "LapTimeColour.h"
#include "RaceBoard.h"

std::optional<LastLap> FreshLastLap(const rundaro::RaceRecord &race, std::uint32_t now)
{
    const std::optional<rundaro::LastLapFigures> figures = rundaro::LastLapAt(race, now);
    if (!figures)
        return std::nullopt;
    return LastLapShown(*figures);
}

LastLap LastLapShown(const rundaro::LastLapFigures &figures)
{
    LastLap lap{LocaleNumberText(figures.text), std::nullopt, figures.remainingMs};
    // Coloured as the lap table colours the same text.
    lap.colour = LapTimeColour(lap.text, figures.targetMs);
    return lap;
}
