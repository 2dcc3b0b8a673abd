#include "ButtonLayout.h"

GlyphTextLayout CalcButtonLayout(const QRect &client, QSize glyphSize, QSize textSize, TButtonLayout layout, int margin,
                                 int spacing)
{
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    const int clientW = client.width();
    const int clientH = client.height();
    QPoint glyph;
    QPoint text;

    if (horizontal) {
        glyph.setY((clientH - glyphSize.height() + 1) / 2);
        text.setY((clientH - textSize.height() + 1) / 2);
    } else {
        glyph.setX((clientW - glyphSize.width() + 1) / 2);
        text.setX((clientW - textSize.width() + 1) / 2);
    }

    if (textSize.width() == 0 || glyphSize.width() == 0)
        spacing = 0;

    const int clientAxis = horizontal ? clientW : clientH;
    const int glyphAxis = horizontal ? glyphSize.width() : glyphSize.height();
    const int textAxis = horizontal ? textSize.width() : textSize.height();
    if (margin == -1) {
        if (spacing == -1) {
            margin = (clientAxis - (glyphAxis + textAxis)) / 3;
            spacing = margin;
        } else {
            margin = (clientAxis - (glyphAxis + spacing + textAxis) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientAxis - (margin + glyphAxis) - textAxis) / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        glyph.setX(margin);
        text.setX(glyph.x() + glyphSize.width() + spacing);
        break;
    case blGlyphRight:
        glyph.setX(clientW - margin - glyphSize.width());
        text.setX(glyph.x() - spacing - textSize.width());
        break;
    case blGlyphTop:
        glyph.setY(margin);
        text.setY(glyph.y() + glyphSize.height() + spacing);
        break;
    case blGlyphBottom:
        glyph.setY(clientH - margin - glyphSize.height());
        text.setY(glyph.y() - spacing - textSize.height());
        break;
    }

    return {glyph + client.topLeft(), QRect(text + client.topLeft(), textSize)};
}
