#include "PairScreenLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The most of the height the band takes: for one skater the time takes 52 %
// (wide) and 60 % (narrower); with a row per skater the rows' numbers would
// stand lower than the time's digits at that.
constexpr double kWideBandShare = 0.4;
constexpr double kNarrowBandShare = 0.36;
// Of a row's width beside the letter: the name with the last lap under it,
// then the laps to go; the seconds ahead or behind take the rest.
constexpr int kNamePercent = 32;
constexpr int kLapsPercent = 26;
// The letter's box: at most this share of the row's height wide, and of its width.
constexpr double kLetterOfHeight = 0.6;
constexpr int kLetterPercent = 12;
// The last lap goes under the name in rows at least this share of the
// screen's height; the name then keeps the upper part.
constexpr double kLastLapRowShare = 0.1;
constexpr double kNameShare = 0.4;

SkaterRowLayout layoutRow(const QRect &row, int gap, bool withLastLap)
{
    SkaterRowLayout r;
    r.row = row;
    const QRect cells = row.adjusted(0, 0, 0, -gap);
    if (gap > 0)
        r.gap = QRect(row.left(), cells.bottom() + 1, row.width(), gap);
    const int letterWidth = std::min(int(cells.height() * kLetterOfHeight), cells.width() * kLetterPercent / 100);
    const int rest = cells.width() - letterWidth;
    const int nameWidth = rest * kNamePercent / 100;
    const int lapsWidth = rest * kLapsPercent / 100;
    int x = cells.left();
    r.letter = QRect(x, cells.top(), letterWidth, cells.height());
    x += letterWidth;
    r.name = QRect(x, cells.top(), nameWidth, cells.height());
    if (withLastLap) {
        const int nameHeight = int(std::lround(cells.height() * kNameShare));
        r.lastLap = r.name.adjusted(0, nameHeight, 0, 0);
        r.name.setHeight(nameHeight);
    }
    x += nameWidth;
    r.lapsToGo = QRect(x, cells.top(), lapsWidth, cells.height());
    x += lapsWidth;
    r.aheadBehind = QRect(x, cells.top(), cells.right() + 1 - x, cells.height());
    return r;
}

} // namespace

PairScreenLayout LayoutPairScreen(const QSize &screen, int skaters)
{
    PairScreenLayout l;
    const int w = screen.width();
    const int h = screen.height();
    const bool wide = IsWideScreen(screen);
    const int band = ScaleTimeBand(l.common, w, h * (wide ? kWideBandShare : kNarrowBandShare));
    PlaceTimeBand(l.common, wide ? h - band : 0, w);

    const int top = wide ? 0 : band;
    const int bottom = wide ? h - band : h;
    const int rows = std::max(1, skaters);
    const int gap = std::max(2, h / 120);
    const bool withLastLap = (bottom - top) / rows >= kLastLapRowShare * h;
    for (int i = 0; i < rows; ++i) {
        const int y0 = top + (bottom - top) * i / rows;
        const int y1 = top + (bottom - top) * (i + 1) / rows;
        l.rows.push_back(layoutRow(QRect(0, y0, w, y1 - y0), y1 == h ? 0 : gap, withLastLap));
    }
    return l;
}
