#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// Small whole-pixel drawing helpers for owner-drawn button faces. Rectangles
// are taken pixel for pixel: a QRect's left/top/width/height cover exactly
// the pixels drawn; nothing is anti-aliased.
namespace ButtonPainting {

// A rectangle with a one-pixel outline in `outline` and its inside in `fill`.
void FillFramedRect(QPainter &painter, const QRect &rect, const QColor &outline, const QColor &fill);

// A hollow one-pixel outline.
void FrameRect(QPainter &painter, const QRect &rect, const QColor &outline);

// The raised two-pixel edge of a button around `rect`: the outer ring lit top
// and left and dark bottom and right, the inner ring likewise in the softer
// highlight and shadow. Returns the rectangle inside the edge.
QRect DrawRaisedEdge(QPainter &painter, const QRect &rect);

// The dotted focus rectangle: every other pixel of the outline of `rect`,
// starting at its top-left corner, in the inverse of `face` so that it shows
// on any face colour.
void DrawFocusDots(QPainter &painter, const QRect &rect, const QColor &face);

// The font captions are drawn in: `font` without anti-aliasing, so that a
// caption's pixels are exactly its colour.
QFont CaptionFont(QFont font);

// Size of a one-line caption in `font`; "&" marks the mnemonic and "&&"
// stands for one "&". An empty caption measures (0, 0).
QSize MeasureCaption(const QFont &font, const QString &caption);

// Draws a one-line caption inside `rect`, clipped to it, transparently.
// `alignment` is a combination of Qt::Alignment flags; the mnemonic character
// is underlined.
void DrawCaption(QPainter &painter, const QRect &rect, const QString &caption, const QColor &color, int alignment);

} // namespace ButtonPainting
