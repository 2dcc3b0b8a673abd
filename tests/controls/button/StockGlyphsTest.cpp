#include "StockGlyphs.h"
#include "StockKinds.h"

#include <QMetaEnum>

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(StockKinds, TableIsIndexedByKind)
{
    for (std::size_t i = 0; i < kStockKinds.size(); ++i)
        EXPECT_EQ(std::size_t(kStockKinds[i].Kind), i);
    const QMetaEnum kinds = QMetaEnum::fromType<TBitBtnWithColorKind>();
    EXPECT_EQ(std::size_t(kinds.keyCount()), kStockKinds.size());
    EXPECT_EQ(kStockPictures.size(), kStockKinds.size());
}

TEST(StockKinds, ModalResultsDefaultAndCancel)
{
    struct Expected
    {
        TBitBtnWithColorKind kind;
        int modalResult;
        bool isDefault;
        bool isCancel;
    };
    const Expected expected[] = {
        {bkCustom, 0, false, false}, {bkOK, 1, true, false},     {bkCancel, 2, false, true},
        {bkHelp, 0, false, false},   {bkYes, 6, true, false},    {bkNo, 7, false, true},
        {bkClose, 0, false, false},  {bkAbort, 3, false, false}, {bkRetry, 4, false, false},
        {bkIgnore, 5, false, false}, {bkAll, 8, false, false},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(int(e.kind));
        EXPECT_EQ(StockKind(e.kind).ModalResult, e.modalResult);
        EXPECT_EQ(StockKind(e.kind).Default, e.isDefault);
        EXPECT_EQ(StockKind(e.kind).Cancel, e.isCancel);
        EXPECT_EQ(std::strlen(StockKind(e.kind).Caption) == 0, e.kind == bkCustom);
    }
    EXPECT_EQ(QString::fromUtf8(StockKind(bkClose).Caption), QStringLiteral("&Schlie\u00dfen"));
}

TEST(StockPictures, RowsFitAndUseOnlyPaletteCharacters)
{
    for (std::size_t i = 1; i < kStockPictures.size(); ++i) {
        const StockPicture &p = kStockPictures[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(p.Width, 18);
        EXPECT_EQ(p.Height, TBitBtnWithColorKind(i) == bkAll ? 19 : 18);
        for (int y = 0; y < p.Height; ++y) {
            ASSERT_EQ(std::strlen(p.Rows[y]), std::size_t(p.Width)) << "row " << y;
            for (int x = 0; x < p.Width; ++x)
                EXPECT_TRUE(StockGlyphs::PaletteColor(p.Rows[y][x]).isValid()) << x << "," << y;
        }
        // A glyph takes its bottom-left pixel as the transparent colour.
        EXPECT_EQ(p.Rows[p.Height - 1][0], '.');
    }
}

TEST(StockGlyphs, BitmapHoldsUpAndDisabledPictureSideBySide)
{
    EXPECT_TRUE(StockGlyphs::Bitmap(bkCustom).isNull());
    const QImage &ok = StockGlyphs::Bitmap(bkOK);
    ASSERT_EQ(ok.size(), QSize(36, 18));
    EXPECT_EQ(StockGlyphs::Bitmap(bkAll).size(), QSize(36, 19));
    EXPECT_EQ(&StockGlyphs::Bitmap(bkOK), &ok); // made once, shared

    EXPECT_EQ(ok.copy(0, 0, 18, 18), StockGlyphs::Picture(kStockPictures[bkOK]));
}

TEST(StockGlyphs, DisabledPictureIsEngravedAndKeepsWhiteMarksOpen)
{
    // The abort picture: a red disc with a white cross.
    const QImage &abort = StockGlyphs::Bitmap(bkAbort);
    const QImage up = abort.copy(0, 0, 18, 18);
    const QImage disabled = abort.copy(18, 0, 18, 18);
    const auto mark = [&up](int x, int y) {
        const QRgb c = up.pixel(x, y);
        return c != StockGlyphs::kTransparent && c != 0xffffffffu;
    };
    int whiteInside = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            const QRgb c = disabled.pixel(x, y);
            if (mark(x, y))
                EXPECT_EQ(c, 0xff808080u) << x << "," << y;
            else if (x > 0 && y > 0 && mark(x - 1, y - 1))
                EXPECT_EQ(c, 0xffffffffu) << x << "," << y;
            else
                EXPECT_EQ(c, StockGlyphs::kTransparent) << x << "," << y;
            whiteInside += up.pixel(x, y) == 0xffffffffu && c != 0xff808080u;
        }
    EXPECT_GT(whiteInside, 10);
}

} // namespace
