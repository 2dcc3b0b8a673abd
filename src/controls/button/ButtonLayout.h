#pragma once

#include "ButtonTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the glyph and the caption go on a button face.
struct GlyphTextLayout
{
    QPoint GlyphPos;
    QRect TextBounds;
};

// Lays out a glyph of `glyphSize` and a caption of `textSize` in `client`.
// Along the layout axis `margin` is the gap from the face edge to the glyph
// and `spacing` the gap between glyph and caption; -1 centres the pair
// (margin) or spreads it evenly (spacing). Across the axis both are centred.
GlyphTextLayout CalcButtonLayout(const QRect &client, QSize glyphSize, QSize textSize, TButtonLayout layout, int margin,
                                 int spacing);
