#include "GlyphList.h"
#include "GlyphCache.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage filled(QRgb colour)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

TEST(GlyphList, FreedSlotsAreReusedLowestFirst)
{
    TGlyphList list(4, 4);
    EXPECT_EQ(list.Add(filled(0xff000001)), 0);
    EXPECT_EQ(list.Add(filled(0xff000002)), 1);
    EXPECT_EQ(list.Add(filled(0xff000003)), 2);
    list.Delete(1);
    list.Delete(0);
    list.Delete(7); // not in use: ignored
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Add(filled(0xff000004)), 0);
    EXPECT_EQ(list.Add(filled(0xff000005)), 1);
    EXPECT_EQ(list.Add(filled(0xff000006)), 3);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Capacity(), 4);
    EXPECT_EQ(list.Image(1).pixel(0, 0), 0xff000005u);
    EXPECT_EQ(list.Image(2).pixel(0, 0), 0xff000003u);
}

TEST(GlyphList, DrawsTransparentPixelsOnTheBackgroundOrLeavesThem)
{
    TGlyphList list(2, 1);
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0xffff0000);
    image.setPixel(1, 0, 0x00000000);
    const int index = list.Add(image);

    QImage target(4, 1, QImage::Format_RGB32);
    target.fill(0xff0000ff);
    QPainter painter(&target);
    list.Draw(painter, index, {0, 0});
    list.Draw(painter, index, {2, 0}, QColor(0, 255, 0));
    painter.end();
    EXPECT_EQ(target.pixel(0, 0), 0xffff0000u);
    EXPECT_EQ(target.pixel(1, 0), 0xff0000ffu);
    EXPECT_EQ(target.pixel(2, 0), 0xffff0000u);
    EXPECT_EQ(target.pixel(3, 0), 0xff00ff00u);
}

TEST(GlyphCache, OneListPerSizeFreedWithItsLastUser)
{
    TGlyphCache cache;
    TGlyphList *a = cache.GetList(18, 18);
    TGlyphList *b = cache.GetList(18, 18);
    TGlyphList *c = cache.GetList(16, 16);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(a->Users(), 2);
    EXPECT_EQ(cache.Count(), 2);

    cache.ReturnList(a);
    EXPECT_EQ(cache.Count(), 2);
    cache.ReturnList(b);
    EXPECT_EQ(cache.Count(), 1);
    cache.ReturnList(c);
    EXPECT_TRUE(cache.Empty());
    cache.ReturnList(nullptr);
}

} // namespace
