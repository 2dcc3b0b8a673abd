#include "StockGlyphs.h"

#include <QPainter>

namespace StockGlyphs {

QColor PaletteColor(char code)
{
    switch (code) {
    case '.': return QColor::fromRgb(kTransparent);
    case 'k': return QColor(0, 0, 0);
    case 'w': return QColor(255, 255, 255);
    case 'g': return QColor(128, 128, 128);
    case 's': return QColor(192, 192, 192);
    case 'r': return QColor(128, 0, 0);
    case 'R': return QColor(255, 0, 0);
    case 'e': return QColor(0, 128, 0);
    case 'G': return QColor(0, 255, 0);
    case 'n': return QColor(0, 0, 128);
    case 'B': return QColor(0, 0, 255);
    case 'Y': return QColor(255, 255, 0);
    case 't': return QColor(0, 128, 128);
    case 'C': return QColor(0, 255, 255);
    case 'p': return QColor(128, 0, 128);
    case 'M': return QColor(255, 0, 255);
    default: return {};
    }
}

QImage Picture(const StockPicture &picture)
{
    QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            image.setPixel(x, y, PaletteColor(picture.Rows[y][x]).rgb());
    return image;
}

QImage DisabledPicture(const QImage &up)
{
    constexpr QRgb white = 0xffffffff;
    constexpr QRgb grey = 0xff808080;
    QImage out(up.size(), QImage::Format_RGB32);
    out.fill(kTransparent);
    // White marks are the lit parts of a picture; they stay open so that,
    // for example, the cross on the abort disc still shows when disabled.
    const auto hasPixel = [&up](int x, int y) {
        if (x < 0 || y < 0 || x >= up.width() || y >= up.height())
            return false;
        const QRgb c = up.pixel(x, y);
        return c != kTransparent && c != white;
    };
    for (int y = 0; y < up.height(); ++y)
        for (int x = 0; x < up.width(); ++x) {
            if (hasPixel(x, y))
                out.setPixel(x, y, grey);
            else if (hasPixel(x - 1, y - 1))
                out.setPixel(x, y, white);
        }
    return out;
}

QImage MakeBitmap(TBitBtnWithColorKind kind)
{
    const StockPicture &picture = kStockPictures[static_cast<std::size_t>(kind)];
    if (!picture.Rows)
        return {};
    const QImage up = Picture(picture);
    QImage bitmap(2 * picture.Width, picture.Height, QImage::Format_RGB32);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, up);
    painter.drawImage(picture.Width, 0, DisabledPicture(up));
    return bitmap;
}

const QImage &Bitmap(TBitBtnWithColorKind kind)
{
    static std::array<QImage, kStockPictures.size()> bitmaps;
    QImage &bitmap = bitmaps[static_cast<std::size_t>(kind)];
    if (bitmap.isNull())
        bitmap = MakeBitmap(kind);
    return bitmap;
}

} // namespace StockGlyphs
