#pragma once

#include "ButtonTypes.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <array>
#include <functional>

class QFont;
class QPainter;
class TGlyphCache;
class TGlyphList;

// The glyph of a button: the bitmap as assigned, the number of pictures in
// it and one image per button state, built on the button's face colour the
// first time the state is drawn and kept in a shared image list until the
// bitmap, the picture count or the face colour changes. It also lays out and
// draws glyph and caption together. It knows nothing about the button's
// edge, focus or behaviour.
class TButtonGlyph
{
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph &) = delete;
    TButtonGlyph &operator=(const TButtonGlyph &) = delete;

    const QImage &Glyph() const { return m_bitmap; }
    // Copies `bitmap`, takes its bottom-left pixel as the transparent colour
    // and, when its width is a whole multiple of its height, the picture
    // count from the two (1 when that is not 1 to 4).
    void SetGlyph(const QImage &bitmap);

    int NumGlyphs() const { return m_numGlyphs; }
    // Values above 4 count as 4; values below 1 are ignored.
    void SetNumGlyphs(int value);

    QColor TransparentColor() const { return m_transparentColor; }

    // Drops every state image (they were built on the old face colour or
    // from the old bitmap).
    void Invalidate();

    // The image-list slot of the image for `state` on `face`, built now if
    // needed; -1 without a bitmap.
    int CreateButtonGlyph(TButtonState state, const QColor &face);

    // Slot of the image already built for `state`, or -1.
    int ImageIndex(TButtonState state) const;
    const TGlyphList *List() const { return m_list; }
    // Width of one picture and the bitmap's height; (0, 0) without a bitmap.
    QSize GlyphSize() const;

    // Lays out glyph and caption in `client` and draws them for `state`;
    // returns the caption's rectangle.
    QRect Draw(QPainter &painter, const QRect &client, const QFont &font, const QString &caption,
               const QColor &fontColor, TButtonLayout layout, int margin, int spacing, TButtonState state,
               const QColor &face);

    // Called after the bitmap or the picture count changed.
    std::function<void()> OnChange;

    // The image lists shared by all glyphs; null while no glyph exists.
    static const TGlyphCache *Cache();

private:
    void changed();
    void drawGlyph(QPainter &painter, QPoint pos, TButtonState state, const QColor &face);

    QImage m_bitmap;
    QColor m_transparentColor{128, 128, 0};
    int m_numGlyphs = 1;
    std::array<int, 4> m_indexes{-1, -1, -1, -1};
    TGlyphList *m_list = nullptr;
};
