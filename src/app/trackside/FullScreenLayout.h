#pragma once

#include "TimeDisplayLayout.h"

#include <QRect>
#include <QSize>

#include <array>

// Where the full-screen display puts its panels on a screen. On wide screens
// (1.65 : 1 and wider): the laps to go and the ahead/behind seconds above,
// side by side 40 : 60 as on the window; below them the window's black time
// panel, scaled evenly so that digits and captions keep their shapes, and
// beside it the target lap time. The time panel is 52 % of the screen's
// height (its digits then stand at 36 %) unless the screen is too narrow for
// that, in which case it takes 84 % of the width. Under the target lap time,
// the hardware trigger's state. On narrower screens the time panel spans the
// whole width at the top and the numbers share the room below. The panels
// tile the screen without gaps.
struct FullScreenLayout
{
    // The window's time panel that the time display scales.
    static constexpr QSize kTimePanel{369, 130};

    QRect lapsToGo;
    QRect aheadBehind;
    QRect time;
    QRect targetLap;
    QRect trigger;
    double scale = 1; // of the time panel
    std::array<QRect, std::size(kTimeDigits)> digits;
    std::array<QRect, std::size(kTimeLabels)> labels;
    int thickness = 5;
    int separation = 1;
};

FullScreenLayout LayoutFullScreen(const QSize &screen);

// The parts of that arrangement that other arrangements of the display
// (a pair's) build on.
// Whether `screen` takes the wide arrangement (1.65 : 1 and wider).
bool IsWideScreen(const QSize &screen);
// Scales the time panel evenly to at most `maxHeight` high and 84 % of
// `width` wide (the layout's scale); returns its height.
int ScaleTimeBand(FullScreenLayout &layout, int width, double maxHeight);
// The wide arrangement's band at the layout's scale, its top at `top`: the
// time panel at the left, beside it the target lap over the trigger's state,
// to `width`.
void PlaceTimeBand(FullScreenLayout &layout, int top, int width);
// The time panel's digits and labels at `origin` with the layout's scale.
void PlaceTimeDigits(FullScreenLayout &layout, QPoint origin);
