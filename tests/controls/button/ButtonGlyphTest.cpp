#include "ButtonGlyph.h"
#include "ButtonWithColor.h"
#include "GlyphCache.h"
#include "GlyphList.h"
#include "StockGlyphs.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr QRgb kOlive = 0xff808000;

QImage grabbed(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int countOf(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

TEST(ButtonGlyph, StateImagesAreBuiltOnceAndDroppedOnChange)
{
    TBitBtnWithColor button;
    button.resize(109, 30);
    button.SetKind(bkOK);
    const TButtonGlyph &glyph = button.ButtonGlyph();
    EXPECT_EQ(glyph.ImageIndex(bsUp), -1);

    grabbed(button);
    const int up = glyph.ImageIndex(bsUp);
    ASSERT_NE(up, -1);
    const TGlyphList *list = glyph.List();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Count(), 1);
    grabbed(button);
    EXPECT_EQ(glyph.ImageIndex(bsUp), up);
    EXPECT_EQ(list->Count(), 1);

    // Two pictures: pressed shows the up image; disabled gets its own.
    button.setDown(true);
    grabbed(button);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(glyph.ImageIndex(bsDown), up);
    button.setDown(false);
    button.SetEnabled(false);
    grabbed(button);
    EXPECT_NE(glyph.ImageIndex(bsDisabled), -1);
    button.SetEnabled(true);

    const std::function<void()> changes[] = {
        [&] { button.SetColor(QColor(255, 0, 0)); },
        [&] { button.SetNumGlyphs(1); },
        [&] { button.SetGlyph(StockGlyphs::Bitmap(bkCancel)); },
    };
    for (const auto &change : changes) {
        grabbed(button);
        ASSERT_NE(glyph.ImageIndex(bsUp), -1);
        change();
        EXPECT_EQ(glyph.ImageIndex(bsUp), -1);
        EXPECT_EQ(glyph.ImageIndex(bsDisabled), -1);
    }
}

TEST(ButtonGlyph, ShowingTheButtonBuildsTheImageOfItsState)
{
    TBitBtnWithColor up;
    up.SetKind(bkOK);
    up.show();
    EXPECT_NE(up.ButtonGlyph().ImageIndex(bsUp), -1);

    TBitBtnWithColor disabled;
    disabled.SetKind(bkOK);
    disabled.SetEnabled(false);
    disabled.show();
    EXPECT_EQ(disabled.ButtonGlyph().ImageIndex(bsUp), -1);
    EXPECT_NE(disabled.ButtonGlyph().ImageIndex(bsDisabled), -1);
}

TEST(ButtonGlyph, GlyphIsDrawnOnColorWithoutItsTransparentColour)
{
    TBitBtnWithColor button;
    button.resize(109, 30);
    button.SetKind(bkOK);
    button.SetColor(QColor(255, 255, 0));
    const QImage up = grabbed(button);
    EXPECT_EQ(countOf(up, kOlive), 0);
    EXPECT_GT(countOf(up, 0xff008000), 20); // the check mark's green

    // Disabled: the disabled picture's grey and white become the shadow and
    // highlight colours; the caption is embossed in fixed white and grey.
    button.SetEnabled(false);
    const QImage disabled = grabbed(button);
    EXPECT_EQ(countOf(disabled, kOlive), 0);
    EXPECT_EQ(countOf(disabled, 0xff008000), 0);
}

TEST(ButtonGlyph, ButtonsWithGlyphsOfOneSizeShareAList)
{
    auto a = std::make_unique<TBitBtnWithColor>();
    auto b = std::make_unique<TBitBtnWithColor>();
    auto c = std::make_unique<TBitBtnWithColor>();
    a->SetKind(bkOK);
    b->SetKind(bkNo);
    QImage small(32, 16, QImage::Format_RGB32);
    small.fill(Qt::blue);
    c->SetGlyph(small);
    for (auto *button : {a.get(), b.get(), c.get()})
        grabbed(*button);

    ASSERT_NE(TButtonGlyph::Cache(), nullptr);
    EXPECT_EQ(a->ButtonGlyph().List(), b->ButtonGlyph().List());
    EXPECT_NE(a->ButtonGlyph().List(), c->ButtonGlyph().List());
    EXPECT_EQ(TButtonGlyph::Cache()->Count(), 2);
    EXPECT_EQ(a->ButtonGlyph().List()->Count(), 2);

    c.reset();
    EXPECT_EQ(TButtonGlyph::Cache()->Count(), 1);
    a.reset();
    EXPECT_EQ(b->ButtonGlyph().List()->Count(), 1);
    b.reset();
    EXPECT_EQ(TButtonGlyph::Cache(), nullptr);
}

TEST(ButtonGlyph, LayoutPutsTheGlyphBesideTheCaption)
{
    TBitBtnWithColor button;
    button.resize(120, 40);
    button.SetKind(bkOK);
    button.SetColor(QColor(255, 255, 255));
    const auto glyphBox = [&] {
        const QImage image = grabbed(button);
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == 0xff008000)
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    button.SetMargin(10);
    const QRect left = glyphBox();
    button.SetLayout(blGlyphRight);
    const QRect right = glyphBox();
    button.SetLayout(blGlyphTop);
    button.resize(60, 80);
    const QRect top = glyphBox();
    ASSERT_FALSE(left.isEmpty());
    // Face starts at (3, 3); margin 10; the check mark sits 2 to 16 in x.
    EXPECT_EQ(left.left(), 3 + 10 + 2);
    EXPECT_EQ(right.right(), 120 - 3 - 10 - 18 + 16);
    EXPECT_EQ(top.top(), 3 + 10 + 3);
}

} // namespace
