#include "GlyphImages.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb O = 0xff808000; // transparent olive
constexpr QRgb W = 0xffffffff;
constexpr QRgb G = 0xff808080;
constexpr QRgb R = 0xffff0000;
constexpr QRgb B = 0xff0000ff;

const GlyphColors kColors{QColor(0, 128, 0), QColor(250, 250, 250), QColor(90, 90, 90)};
constexpr QRgb Face = 0xff008000;
constexpr QRgb Hi = 0xfffafafa;
constexpr QRgb Sh = 0xff5a5a5a;

QImage bitmapOf(int width, int height, std::initializer_list<QRgb> pixels)
{
    QImage image(width, height, QImage::Format_RGB32);
    auto it = pixels.begin();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, *it++);
    return image;
}

std::vector<QRgb> pixelsOf(const QImage &image)
{
    std::vector<QRgb> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.push_back(image.pixel(x, y));
    return out;
}

// Two 3 x 2 pictures: up (red and blue marks) and disabled (white and grey).
const QImage kTwoPictures = bitmapOf(6, 2,
                                     {
                                         R,
                                         O,
                                         B,
                                         W,
                                         O,
                                         G,
                                         O,
                                         R,
                                         O,
                                         G,
                                         B,
                                         O,
                                     });

TEST(GlyphImages, DownUsesTheUpPictureBelowThreePictures)
{
    EXPECT_EQ(ImageState(bsDown, 1), bsUp);
    EXPECT_EQ(ImageState(bsDown, 2), bsUp);
    EXPECT_EQ(ImageState(bsDown, 3), bsDown);
    EXPECT_EQ(ImageState(bsDisabled, 1), bsDisabled);
}

TEST(GlyphImages, UpPutsTheFaceUnderTransparentPixels)
{
    const QImage up = BuildStateImage(kTwoPictures, 2, bsUp, O, kColors);
    EXPECT_EQ(pixelsOf(up), (std::vector<QRgb>{R, Face, B, Face, R, Face}));
}

TEST(GlyphImages, ExclusiveLeavesTransparentPixelsSeeThrough)
{
    // Only two pictures: the exclusive state falls back to the first one.
    const QImage image = BuildStateImage(kTwoPictures, 2, bsExclusive, O, kColors);
    EXPECT_EQ(pixelsOf(image), (std::vector<QRgb>{R, 0, B, 0, R, 0}));
}

TEST(GlyphImages, DisabledPictureMapsWhiteGreyAndTransparent)
{
    const QImage image = BuildStateImage(kTwoPictures, 2, bsDisabled, O, kColors);
    EXPECT_EQ(pixelsOf(image), (std::vector<QRgb>{Hi, Face, Sh, Sh, B, Face}));
}

TEST(GlyphImages, DisabledWithoutItsOwnPictureEmbossesTheSilhouette)
{
    const QImage one = bitmapOf(3, 3,
                                {
                                    R,
                                    O,
                                    O,
                                    O,
                                    O,
                                    O,
                                    O,
                                    O,
                                    B,
                                });
    const QImage image = BuildStateImage(one, 1, bsDisabled, O, kColors);
    // Shadow in place, highlight one pixel right and down (cut at the edge).
    EXPECT_EQ(pixelsOf(image),
              (std::vector<QRgb>{
                  Sh,
                  Face,
                  Face,
                  Face,
                  Hi,
                  Face,
                  Face,
                  Face,
                  Sh,
              }));
}

TEST(GlyphImages, PixelsWithoutAlphaCountAsTransparent)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0x00000000);
    image.setPixel(1, 0, R);
    const QImage up = BuildStateImage(image, 1, bsUp, O, kColors);
    EXPECT_EQ(pixelsOf(up), (std::vector<QRgb>{Face, R}));
}

} // namespace
