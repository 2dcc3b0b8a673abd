#include "FullScreenLayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTimeHeightShare = 0.52;
constexpr double kTimeWidthShare = 0.84;
// Of the time panel's height, for the trigger's state under the target lap.
constexpr double kTriggerShare = 0.3;
// Screens narrower than this (16:10, 4:3, 5:4, portrait) get two rows: on
// them the wide arrangement leaves the digits less than a third of the
// height and the target lap too small to read from afar.
constexpr double kTwoRowsBelowRatio = 1.65;
// In two rows: the most of the height the time may take, and the trigger's
// state's share of the room below it.
constexpr double kNarrowTimeHeightShare = 0.6;
constexpr double kNarrowTriggerShare = 0.25;

int scaled(int v, double scale)
{
    return int(std::lround(v * scale));
}

} // namespace

bool IsWideScreen(const QSize &screen)
{
    return screen.height() <= 0 || double(screen.width()) / screen.height() >= kTwoRowsBelowRatio;
}

int ScaleTimeBand(FullScreenLayout &l, int width, double maxHeight)
{
    l.scale = std::min(maxHeight / FullScreenLayout::kTimePanel.height(),
                       width * kTimeWidthShare / FullScreenLayout::kTimePanel.width());
    return scaled(FullScreenLayout::kTimePanel.height(), l.scale);
}

void PlaceTimeBand(FullScreenLayout &l, int top, int width)
{
    const int timeWidth = scaled(FullScreenLayout::kTimePanel.width(), l.scale);
    const int timeHeight = scaled(FullScreenLayout::kTimePanel.height(), l.scale);
    l.time = QRect(0, top, timeWidth, timeHeight);
    const int triggerHeight = int(std::lround(timeHeight * kTriggerShare));
    l.targetLap = QRect(timeWidth, top, width - timeWidth, timeHeight - triggerHeight);
    l.trigger = QRect(timeWidth, top + timeHeight - triggerHeight, width - timeWidth, triggerHeight);
    PlaceTimeDigits(l, l.time.topLeft());
}

void PlaceTimeDigits(FullScreenLayout &l, QPoint origin)
{
    for (std::size_t i = 0; i < std::size(kTimeDigits); ++i)
        l.digits[i] = QRect(origin.x() + scaled(kTimeDigits[i].left, l.scale), origin.y() + scaled(kDigitTop, l.scale),
                            scaled(kDigitWidth, l.scale), scaled(kDigitHeight, l.scale));
    for (std::size_t i = 0; i < std::size(kTimeLabels); ++i) {
        const TimeLabelEntry &e = kTimeLabels[i];
        l.labels[i] = QRect(origin.x() + scaled(e.left, l.scale), origin.y() + scaled(e.top, l.scale),
                            scaled(e.width, l.scale), scaled(e.height, l.scale));
    }
    l.thickness = std::max(1, scaled(5, l.scale));
    l.separation = std::max(1, scaled(1, l.scale));
}

namespace {

// Wide screens: the window's arrangement, scaled.
FullScreenLayout layoutWide(int w, int h)
{
    FullScreenLayout l;
    const int top = h - ScaleTimeBand(l, w, h * kTimeHeightShare);
    const int lapsWidth = (w / 10) * 4;
    l.lapsToGo = QRect(0, 0, lapsWidth, top);
    l.aheadBehind = QRect(lapsWidth, 0, w - lapsWidth, top);
    PlaceTimeBand(l, top, w);
    return l;
}

// Narrower screens: the time across the whole width, the numbers below it,
// side by side where the room below is wide enough for three, else the laps
// to go and the ahead/behind seconds in one row and the target lap under them.
FullScreenLayout layoutNarrow(int w, int h)
{
    FullScreenLayout l;
    l.scale = std::min(double(w) / FullScreenLayout::kTimePanel.width(),
                       h * kNarrowTimeHeightShare / FullScreenLayout::kTimePanel.height());
    const int timeHeight = scaled(FullScreenLayout::kTimePanel.height(), l.scale);
    l.time = QRect(0, 0, w, timeHeight);
    const int left = (w - scaled(FullScreenLayout::kTimePanel.width(), l.scale)) / 2;
    PlaceTimeDigits(l, QPoint(left, 0));

    const int below = h - timeHeight;
    if (w >= below * 2) {
        const int lapsWidth = w * 25 / 100;
        const int aheadWidth = w * 40 / 100;
        const int targetLeft = lapsWidth + aheadWidth;
        const int triggerHeight = int(std::lround(below * kNarrowTriggerShare));
        l.lapsToGo = QRect(0, timeHeight, lapsWidth, below);
        l.aheadBehind = QRect(lapsWidth, timeHeight, aheadWidth, below);
        l.targetLap = QRect(targetLeft, timeHeight, w - targetLeft, below - triggerHeight);
        l.trigger = QRect(targetLeft, h - triggerHeight, w - targetLeft, triggerHeight);
    } else {
        const int lapsWidth = (w / 10) * 4;
        const int rowHeight = below / 2;
        const int triggerHeight = int(std::lround((below - rowHeight) * kNarrowTriggerShare));
        l.lapsToGo = QRect(0, timeHeight, lapsWidth, rowHeight);
        l.aheadBehind = QRect(lapsWidth, timeHeight, w - lapsWidth, rowHeight);
        l.targetLap = QRect(0, timeHeight + rowHeight, w, below - rowHeight - triggerHeight);
        l.trigger = QRect(0, h - triggerHeight, w, triggerHeight);
    }
    return l;
}

} // namespace

FullScreenLayout LayoutFullScreen(const QSize &screen)
{
    const int w = screen.width();
    const int h = screen.height();
    return IsWideScreen(screen) ? layoutWide(w, h) : layoutNarrow(w, h);
}
