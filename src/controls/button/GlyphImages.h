#pragma once

#include "ButtonTypes.h"

#include <QColor>
#include <QImage>

// Colours a state image is built with.
struct GlyphColors
{
    QColor Face; // the button's Color
    QColor Highlight; // lit part of a disabled glyph
    QColor Shadow; // shaded part of a disabled glyph
};

// The state whose image is shown for `state`: a bitmap without its own down
// picture shows the up picture when pressed.
TButtonState ImageState(TButtonState state, int numGlyphs);

// Builds the image of `state` from a glyph bitmap holding `numGlyphs`
// pictures side by side (up, disabled, down, exclusive), on the button's face:
// - up and down: the picture with its transparent pixels in the face colour;
// - exclusive: the picture with its transparent pixels see-through;
// - disabled from a one-picture bitmap: the picture's silhouette embossed on
//   the face, highlight one pixel right and down, shadow in place;
// - disabled from its own picture: white pixels in the highlight, grey
//   (128, 128, 128) in the shadow and transparent pixels in the face colour.
// A state without its own picture uses the first one.
QImage BuildStateImage(const QImage &bitmap, int numGlyphs, TButtonState state, QRgb transparent,
                       const GlyphColors &colors);
