#pragma once

#include <QColor>
#include <QString>

// The colours and signs in which every view shows how a race went against its
// schedule, so that the lap table, the stored races, the chart, the displays,
// the board at the line, the comparison page and the printout agree and a
// colour changes here and nowhere else.
namespace RacePalette {

// clang-format off
// A measured lap run in its target time or faster, and one run slower
// (the verdict is rundaro::SegmentOnTarget's).
inline QColor onTarget() { return QColor(0, 128, 0); }
inline QColor overTarget() { return QColor(255, 0, 0); }
// The large ahead/behind panels, on black: ahead of the schedule, behind it.
inline QColor aheadPanel() { return QColor(0, 255, 0); }
inline QColor behindPanel() { return QColor(255, 0, 0); }
// A gap written on white, as in the comparison table: ahead, behind.
inline QColor aheadText() { return QColor(0, 128, 0); }
inline QColor behindText() { return QColor(255, 0, 0); }
// clang-format on

inline QColor lapColour(bool onTarget)
{
    return onTarget ? RacePalette::onTarget() : overTarget();
}

// The sign that says the same as a lap's colour where the colour may be lost
// (a printer without colour): plus on target, a minus sign over it.
inline QString lapSign(bool onTarget)
{
    return onTarget ? QStringLiteral("+") : QStringLiteral("\u2212");
}

inline QColor gapPanelColour(bool ahead)
{
    return ahead ? aheadPanel() : behindPanel();
}

inline QColor gapTextColour(bool ahead)
{
    return ahead ? aheadText() : behindText();
}

} // namespace RacePalette
