#include "FullScreenLayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTimeHeightShare = 0.52;
constexpr double kTimeWidthShare = 0.84;
// Of the time panel's height, for the trigger's state under the target lap.
constexpr double kTriggerShare = 0.3;

int scaled(int v, double scale)
{
    return int(std::lround(v * scale));
}

} // namespace

FullScreenLayout LayoutFullScreen(const QSize &screen)
{
    FullScreenLayout l;
    const int w = screen.width();
    const int h = screen.height();
    l.scale = std::min(h * kTimeHeightShare / FullScreenLayout::kTimePanel.height(), w * kTimeWidthShare / FullScreenLayout::kTimePanel.width());
    const int timeWidth = scaled(FullScreenLayout::kTimePanel.width(), l.scale);
    const int timeHeight = scaled(FullScreenLayout::kTimePanel.height(), l.scale);
    const int top = h - timeHeight;
    const int lapsWidth = (w / 10) * 4;
    l.lapsToGo = QRect(0, 0, lapsWidth, top);
    l.aheadBehind = QRect(lapsWidth, 0, w - lapsWidth, top);
    l.time = QRect(0, top, timeWidth, timeHeight);
    const int triggerHeight = int(std::lround(timeHeight * kTriggerShare));
    l.targetLap = QRect(timeWidth, top, w - timeWidth, timeHeight - triggerHeight);
    l.trigger = QRect(timeWidth, h - triggerHeight, w - timeWidth, triggerHeight);
    for (std::size_t i = 0; i < std::size(kTimeDigits); ++i)
        l.digits[i] = QRect(l.time.left() + scaled(kTimeDigits[i].left, l.scale), top + scaled(kDigitTop, l.scale),
                            scaled(kDigitWidth, l.scale), scaled(kDigitHeight, l.scale));
    for (std::size_t i = 0; i < std::size(kTimeLabels); ++i) {
        const TimeLabelEntry &e = kTimeLabels[i];
        l.labels[i] = QRect(l.time.left() + scaled(e.left, l.scale), top + scaled(e.top, l.scale),
                            scaled(e.width, l.scale), scaled(e.height, l.scale));
    }
    l.thickness = std::max(1, scaled(5, l.scale));
    l.separation = std::max(1, scaled(1, l.scale));
    return l;
}
