#pragma once

#include "ButtonTypes.h"
#include "StockGlyphData.h"

#include <QColor>
#include <QImage>

// The glyph bitmaps of the stock button kinds, drawn from the pixel pictures
// in StockGlyphData.h: an up picture and a disabled picture side by side on
// the olive transparent colour.
namespace StockGlyphs {

// Olive: the colour that stands for "no pixel" in every glyph bitmap.
inline constexpr QRgb kTransparent = 0xff808000;

// Colour of a picture character; an invalid colour for an unknown one.
QColor PaletteColor(char code);

// The up picture as an image.
QImage Picture(const StockPicture &picture);

// The engraved disabled look of `up`: grey where `up` has a mark (a pixel
// neither transparent nor white), white one pixel right and down of a mark
// where there is none, transparent elsewhere.
QImage DisabledPicture(const QImage &up);

// Up and disabled picture side by side; a null image for bkCustom.
QImage MakeBitmap(TBitBtnWithColorKind kind);

// The bitmap of `kind`, made on first use and shared by every button.
const QImage &Bitmap(TBitBtnWithColorKind kind);

} // namespace StockGlyphs
