#include "ButtonPainting.h"

#include "SystemColors.h"

#include <QFontMetrics>
#include <QPainter>

namespace ButtonPainting {

void FillFramedRect(QPainter &painter, const QRect &rect, const QColor &outline, const QColor &fill)
{
    if (rect.isEmpty())
        return;
    painter.fillRect(rect, outline);
    const QRect inside = rect.adjusted(1, 1, -1, -1);
    if (!inside.isEmpty())
        painter.fillRect(inside, fill);
}

void FrameRect(QPainter &painter, const QRect &rect, const QColor &outline)
{
    if (rect.isEmpty())
        return;
    const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
    painter.fillRect(l, t, w, 1, outline);
    painter.fillRect(l, t + h - 1, w, 1, outline);
    painter.fillRect(l, t, 1, h, outline);
    painter.fillRect(l + w - 1, t, 1, h, outline);
}

namespace {

// One ring: top and left in `lit`, bottom and right in `dark`; the dark
// lines run the full length so the top-right and bottom-left corners are dark.
void DrawRing(QPainter &painter, const QRect &rect, const QColor &lit, const QColor &dark)
{
    const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
    painter.fillRect(l, t, w - 1, 1, lit);
    painter.fillRect(l, t, 1, h - 1, lit);
    painter.fillRect(l, t + h - 1, w, 1, dark);
    painter.fillRect(l + w - 1, t, 1, h, dark);
}

} // namespace

QRect DrawRaisedEdge(QPainter &painter, const QRect &rect)
{
    QRect r = rect;
    if (r.width() < 1 || r.height() < 1)
        return r;
    DrawRing(painter, r, SystemColors::Light3D(), SystemColors::DkShadow3D());
    r.adjust(1, 1, -1, -1);
    if (r.width() < 1 || r.height() < 1)
        return r;
    DrawRing(painter, r, SystemColors::BtnHighlight(), SystemColors::BtnShadow());
    return r.adjusted(1, 1, -1, -1);
}

void DrawFocusDots(QPainter &painter, const QRect &rect, const QColor &face)
{
    if (rect.isEmpty())
        return;
    const QColor dot(255 - face.red(), 255 - face.green(), 255 - face.blue());
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    // The pattern is anchored at the corner, so dots sit where (x - l) + (y - t)
    // is even on all four sides.
    for (int x = l; x <= r; x += 2)
        painter.fillRect(x, t, 1, 1, dot);
    for (int x = l + ((b - t) & 1); x <= r; x += 2)
        painter.fillRect(x, b, 1, 1, dot);
    for (int y = t; y <= b; y += 2)
        painter.fillRect(l, y, 1, 1, dot);
    for (int y = t + ((r - l) & 1); y <= b; y += 2)
        painter.fillRect(r, y, 1, 1, dot);
}

QFont CaptionFont(QFont font)
{
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QSize MeasureCaption(const QFont &font, const QString &caption)
{
    if (caption.isEmpty())
        return {0, 0};
    return QFontMetrics(font).size(Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
}

void DrawCaption(QPainter &painter, const QRect &rect, const QString &caption, const QColor &color, int alignment)
{
    if (caption.isEmpty() || rect.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(color);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(rect, alignment | Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
    painter.restore();
}

} // namespace ButtonPainting
