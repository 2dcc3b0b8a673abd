#pragma once

#include "GridTypes.h"

#include <QString>

#include <functional>

// Text placement inside a cell: pure arithmetic, kept apart from painting.
namespace CellLayout {

// Horizontal text offset in a cell of width W (halves truncate toward zero).
constexpr int HorzOffset(TAlignment alignment, int W, int textWidth)
{
    switch (alignment) {
    case taRightJustify: return W - textWidth - 2;
    case taCenter: return (W - textWidth) / 2;
    case taLeftJustify: break;
    }
    return 2;
}

// Vertical text offset in a cell of height H.
constexpr int VertOffset(TVertAlignment alignment, int H, int textHeight)
{
    switch (alignment) {
    case taBottomJustify: return H - textHeight - 3;
    case taMiddle: return (H - textHeight) / 2;
    case taTopJustify: break;
    }
    return 2;
}

// A header text shortened to `avail` pixels: its tail becomes two full
// stops, and characters go until it fits or 3 are left. Texts of fewer than
// two characters are left as they are.
QString ShortenHeader(const QString &text, int avail, const std::function<int(const QString &)> &width);

} // namespace CellLayout
