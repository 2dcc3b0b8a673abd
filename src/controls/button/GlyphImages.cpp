#include "GlyphImages.h"

TButtonState ImageState(TButtonState state, int numGlyphs)
{
    return state == bsDown && numGlyphs < 3 ? bsUp : state;
}

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kGrey = 0xff808080;

QRgb opaque(QRgb c)
{
    return c | 0xff000000u;
}

// A see-through pixel of an image with alpha counts as transparent too.
bool isTransparent(QRgb c, QRgb transparent)
{
    return qAlpha(c) == 0 || opaque(c) == transparent;
}

QImage picture(const QImage &bitmap, int numGlyphs, TButtonState state)
{
    const int width = bitmap.width() / numGlyphs;
    const int index = int(state) < numGlyphs ? int(state) : 0;
    return bitmap.copy(index * width, 0, width, bitmap.height()).convertToFormat(QImage::Format_ARGB32);
}

// Replaces every pixel for which `map` gives a colour.
template <typename Map> void recolour(QImage &image, Map map)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = map(line[x]);
    }
}

QImage embossedSilhouette(const QImage &source, QRgb transparent, const GlyphColors &colors)
{
    QImage out(source.size(), QImage::Format_ARGB32);
    out.fill(colors.Face);
    const QRgb highlight = colors.Highlight.rgb();
    const QRgb shadow = colors.Shadow.rgb();
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (!isTransparent(source.pixel(x, y), transparent) && x + 1 < out.width() && y + 1 < out.height())
                out.setPixel(x + 1, y + 1, highlight);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (!isTransparent(source.pixel(x, y), transparent))
                out.setPixel(x, y, shadow);
    return out;
}

} // namespace

QImage BuildStateImage(const QImage &bitmap, int numGlyphs, TButtonState state, QRgb transparent,
                       const GlyphColors &colors)
{
    if (bitmap.isNull() || numGlyphs < 1)
        return {};
    transparent = opaque(transparent);
    const QRgb face = colors.Face.rgb();
    QImage image = picture(bitmap, numGlyphs, state);
    switch (state) {
    case bsUp:
    case bsDown: recolour(image, [&](QRgb c) { return isTransparent(c, transparent) ? face : opaque(c); }); break;
    case bsExclusive:
        recolour(image, [&](QRgb c) { return isTransparent(c, transparent) ? QRgb(0) : opaque(c); });
        break;
    case bsDisabled:
        if (numGlyphs == 1)
            return embossedSilhouette(image, transparent, colors);
        recolour(image, [&](QRgb c) {
            if (isTransparent(c, transparent))
                return face;
            c = opaque(c);
            if (c == kWhite)
                return colors.Highlight.rgb();
            if (c == kGrey)
                return colors.Shadow.rgb();
            return c;
        });
        break;
    }
    return image;
}
