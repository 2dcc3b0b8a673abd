#include "SortGrid.h"

#include "GridPixels.h"
#include "ModalCloser.h"
#include "TestOutput.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLocale>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

const QColor clGreen(0, 128, 0);
const QColor clRed(255, 0, 0);

class SortGridPaintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setUpLapGrid(grid);
        grid.resize(760, 420);
        grid.show();
    }

    QColor sys(QPalette::ColorRole role) const { return grid.palette().color(QPalette::Active, role); }
    int textWidth(const QString &text) const { return QFontMetrics(grid.font()).horizontalAdvance(text); }

    // The cell's interior (its one-pixel rim may carry edges) as painted and
    // as expected.
    void expectCellText(int col, int row, const QColor &background, const QColor &color, const QString &text, int dx,
                        const char *what)
    {
        const QRect rect = grid.CellRect(col, row);
        ASSERT_FALSE(rect.isEmpty()) << what;
        const QImage painted = grabCells(grid).copy(rect.adjusted(1, 1, -1, -1));
        const QImage expected = expectedCell(rect.size(), background, grid.font(), color, text, dx, 2)
                                    .copy(QRect(1, 1, rect.width() - 2, rect.height() - 2));
        EXPECT_EQ(painted, expected) << what;
        EXPECT_GT(inkPixels(painted, painted.rect(), background), 0) << what;
    }

    ModalCloser closer;
    TSortGrid grid;
};

TEST_F(SortGridPaintTest, LapTablePicture)
{
    grid.SetRowCount(21);
    const double target = 21.9;
    for (int r = 1; r <= 20; ++r) {
        grid.SetCells(0, r, QString::number(20 - r));
        grid.SetCells(1, r, QStringLiteral("21,9"));
        grid.SetCells(2, r, QLocale().toString(1.5 + (r - 1) * 21.9, 'f', 2));
        if (r >= 2 && r <= 12)
            grid.SetCells(5, r, QLocale().toString(r % 3 == 0 ? 22.35 : 21.48, 'f', 2));
    }
    grid.OnGetCellFormat
        = [&](QObject *, int Col, int Row, TGridDrawState, TFormatOptions &fo, bool &, bool &, bool &) {
              fo.AlignmentHorz = taRightJustify;
              if (Col != 5 || Row == 0)
                  return;
              bool ok = false;
              const double value = QLocale().toDouble(grid.Cells(Col, Row), &ok);
              if (ok)
                  fo.Font->Color = target >= value ? clGreen : clRed;
          };
    grid.resize(800, 470);
    const QString path = saveTestPng(&grid, QStringLiteral("sortgrid_laptable"));
    EXPECT_FALSE(path.isEmpty());

    // Column 5 carries the event's colours, row 1 the selection's.
    const QImage image = grabCells(grid);
    const QRect green = grid.CellRect(5, 2);
    const QRect red = grid.CellRect(5, 3);
    EXPECT_GT(inkPixels(image, green, sys(QPalette::Base)), 0);
    bool sawGreen = false, sawRed = false;
    for (int y = green.top(); y <= green.bottom(); ++y)
        for (int x = green.left(); x <= green.right(); ++x)
            sawGreen |= image.pixelColor(x, y) == clGreen;
    for (int y = red.top(); y <= red.bottom(); ++y)
        for (int x = red.left(); x <= red.right(); ++x)
            sawRed |= image.pixelColor(x, y) == clRed;
    EXPECT_TRUE(sawGreen);
    EXPECT_TRUE(sawRed);
}

TEST_F(SortGridPaintTest, HeaderShortening)
{
    const QString header = QStringLiteral("Runden");
    const int full = textWidth(header);
    const QColor face = sys(QPalette::Button);
    const QColor text = sys(QPalette::Text);

    grid.SetColWidths(0, full + 1); // exactly the available width
    expectCellText(0, 0, face, text, header, 2, "fits");

    grid.SetColWidths(0, full); // one pixel over
    ASSERT_LE(textWidth(QStringLiteral("Rund..")), full - 1);
    expectCellText(0, 0, face, text, QStringLiteral("Rund.."), 2, "one pixel over");

    grid.SetColWidths(0, textWidth(QStringLiteral("R..")));
    expectCellText(0, 0, face, text, QStringLiteral("R.."), 2, "never below 3 characters");
    EXPECT_EQ(grid.Cells(0, 0), header);
}

TEST_F(SortGridPaintTest, SortColumnHeaderLeavesRoomForTheArrow)
{
    grid.SortOptions().CanSort = true;
    const QString header = QStringLiteral("Runden");
    const int full = textWidth(header);
    grid.SetColWidths(0, full + 12);
    const QRect rect = grid.CellRect(0, 0);
    const QImage painted = grabCells(grid).copy(rect);
    // The text starts 10 pixels further right; the arrow sits left of it.
    const QImage expected
        = expectedCell(rect.size(), sys(QPalette::Button), grid.font(), sys(QPalette::Text), header, 12, 2);
    const QRect textArea(12, 1, rect.width() - 13, rect.height() - 2);
    EXPECT_EQ(painted.copy(textArea), expected.copy(textArea));
    EXPECT_EQ(painted.pixelColor(6, grid.RowHeights(0) / 2 - 4 + 4), QColor(0, 0, 0));
}

TEST_F(SortGridPaintTest, AlignmentOffsets)
{
    TAlignment alignment = taLeftJustify;
    grid.OnGetCellFormat = [&](QObject *, int, int, TGridDrawState, TFormatOptions &fo, bool &, bool &, bool &) {
        fo.AlignmentHorz = alignment;
    };
    const QString word = QStringLiteral("Sollzeit");
    grid.SetCells(1, 2, word);
    const int tw = textWidth(word);
    const QColor base = sys(QPalette::Base);
    const QColor ink = sys(QPalette::Text);

    alignment = taCenter;
    grid.SetColWidths(1, tw + 7);
    expectCellText(1, 2, base, ink, word, 3, "centre, 7 to spare");
    grid.SetColWidths(1, tw - 7);
    expectCellText(1, 2, base, ink, word, -3, "centre, 7 too wide");

    alignment = taRightJustify;
    grid.SetColWidths(1, tw + 20);
    expectCellText(1, 2, base, ink, word, 18, "right");
    grid.SetColWidths(1, tw - 7);
    expectCellText(1, 2, base, ink, word, -9, "right, too wide");
}

class SelectedBand : public SortGridPaintTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(SelectedBand, IsHighlightedOverTheEventsColours)
{
    const bool focused = GetParam();
    grid.OnGetCellFormat = [](QObject *, int, int, TGridDrawState, TFormatOptions &fo, bool &, bool &, bool &) {
        fo.Brush->Color = clGreen;
        fo.Font->Color = clRed;
    };
    grid.SetCells(3, 1, QStringLiteral("X"));
    if (focused) {
        grid.activateWindow();
        grid.setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(grid.hasFocus());
    } else {
        grid.clearFocus();
        ASSERT_FALSE(grid.hasFocus());
    }
    grid.MoveToCell(2, 3, true);
    const QImage image = grabCells(grid);
    for (int c = 0; c < 9; ++c) {
        const QRect selected = grid.CellRect(c, 3);
        const QRect other = grid.CellRect(c, 4);
        EXPECT_EQ(image.pixelColor(selected.center()), sys(QPalette::Highlight)) << c;
        EXPECT_EQ(image.pixelColor(other.center()), clGreen) << c;
    }
    const QRect header = grid.CellRect(4, 0);
    EXPECT_EQ(image.pixelColor(header.right() - 2, header.center().y()), clGreen);
}

INSTANTIATE_TEST_SUITE_P(Focus, SelectedBand, ::testing::Values(false, true));

TEST_F(SortGridPaintTest, ReplacedFontIsCopiedIntoTheCanvas)
{
    CanvasFont blue(grid.font(), QColor(0, 0, 255));
    grid.OnGetCellFormat = [&](QObject *, int, int Row, TGridDrawState, TFormatOptions &fo, bool &, bool &, bool &) {
        if (Row == 2)
            fo.Font = &blue;
    };
    grid.SetCells(1, 2, QStringLiteral("Zeit"));
    expectCellText(1, 2, sys(QPalette::Base), QColor(0, 0, 255), QStringLiteral("Zeit"), 2, "blue font");
}

TEST_F(SortGridPaintTest, TextsBeyondTheRowCountShowAgain)
{
    grid.SetCells(2, 19, QStringLiteral("später"));
    grid.SetRowCount(10);
    EXPECT_TRUE(grid.CellRect(2, 19).isEmpty());
    grid.SetRowCount(21);
    grid.SetTopRow(10);
    const QRect rect = grid.CellRect(2, 19);
    ASSERT_FALSE(rect.isEmpty());
    expectCellText(2, 19, sys(QPalette::Base), sys(QPalette::Text), QStringLiteral("später"), 2, "row 19");
}

TEST_F(SortGridPaintTest, HiddenRowsAreBlankedAndNotFormatted)
{
    for (int r = 1; r < 17; ++r)
        grid.SetCells(0, r, QStringLiteral("88"));
    std::set<int> queried;
    grid.OnGetCellFormat = [&](QObject *, int, int Row, TGridDrawState, TFormatOptions &, bool &, bool &, bool &) {
        queried.insert(Row);
    };
    grid.SetHideRows(true);
    const QImage image = grabCells(grid);
    // Data rows empty, grid lines included; the header as usual. The
    // current cell keeps the selection's brush for its blank.
    const QRect row1 = grid.CellRect(1, 1);
    const QRect data(row1.left(), row1.top(), image.width() - row1.left(), image.height() - row1.top());
    EXPECT_EQ(inkPixels(image, data, sys(QPalette::Base)), 0);
    const QRect below(0, grid.CellRect(0, 2).top(), image.width(), image.height() - grid.CellRect(0, 2).top());
    EXPECT_EQ(inkPixels(image, below, sys(QPalette::Base)), 0);
    EXPECT_GT(inkPixels(image, grid.CellRect(0, 0), sys(QPalette::Button)), 0);
    EXPECT_EQ(queried, std::set<int>{0});
}

TEST_F(SortGridPaintTest, DataRowsArePaintedEmptyUnderTheUpdateLock)
{
    for (int r = 1; r < 17; ++r)
        grid.SetCells(3, r, QStringLiteral("77"));
    grid.MoveToCell(5, 4, false);
    grid.BeginUpdate();
    const QImage image = grabCells(grid);
    grid.EndUpdate();
    // Only the current cell's blank carries the selection's brush (with the
    // lines right of and below it); every other data cell is empty.
    const int top = grid.CellRect(0, 1).top();
    const QRect current = grid.CellRect(5, 4).adjusted(0, 0, 1, 1);
    const QColor base = sys(QPalette::Base);
    EXPECT_EQ(inkPixels(image, QRect(0, top, image.width(), image.height() - top), base),
              inkPixels(image, current, base));
    EXPECT_GT(inkPixels(image, grid.CellRect(3, 0), sys(QPalette::Button)), 0);
    const QImage after = grabCells(grid);
    EXPECT_GT(inkPixels(after, grid.CellRect(3, 5), sys(QPalette::Base)), 0);
}

TEST_F(SortGridPaintTest, AutoSizeColumnMeasuresWithTheEventsFont)
{
    QFont large = grid.font();
    large.setPixelSize(30);
    CanvasFont big(large, QColor(0, 0, 0));
    grid.OnGetCellFormat = [&](QObject *, int, int Row, TGridDrawState, TFormatOptions &fo, bool &, bool &, bool &) {
        if (Row == 16)
            fo.Font = &big;
    };
    grid.SetCells(2, 16, QStringLiteral("1234"));
    grid.SetCells(2, 5, QStringLiteral("123456789012"));
    grid.AutoSizeColumn(2, false);
    // Each row measured with the font its query left; "X" with the last one.
    const QFontMetrics normal(grid.font());
    const QFontMetrics bigMetrics(large);
    EXPECT_EQ(grid.ColWidths(2),
              bigMetrics.horizontalAdvance(QStringLiteral("X"))
                  + std::max(bigMetrics.horizontalAdvance(QStringLiteral("1234")),
                             normal.horizontalAdvance(QStringLiteral("123456789012"))));

    grid.SetColWidths(4, -1);
    grid.AutoSizeColumn(4, false);
    EXPECT_EQ(grid.ColWidths(4), -1);
    grid.SetCells(4, 0, QString());
    grid.AutoSizeColumn(4, true);
    EXPECT_EQ(grid.ColWidths(4), bigMetrics.horizontalAdvance(QStringLiteral("xx")));
    EXPECT_THROW(grid.AutoSizeColumn(9, true), rundaro::EInvalidOperation);
}

TEST_F(SortGridPaintTest, GridLineColours)
{
    const QImage image = grabCells(grid);
    const QRect header = grid.CellRect(1, 0);
    const QRect data = grid.CellRect(1, 2);
    EXPECT_EQ(image.pixelColor(header.right() + 1, header.center().y()), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(header.center().x(), header.bottom() + 1), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(data.right() + 1, data.center().y()), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(data.center().x(), data.bottom() + 1), QColor(192, 192, 192));

    grid.SetColor(QColor(192, 192, 192));
    const QImage silver = grabCells(grid);
    EXPECT_EQ(silver.pixelColor(data.right() + 1, data.center().y()), QColor(128, 128, 128));

    grid.SetOptions(grid.Options() & ~TGridOptions(goVertLine));
    const QImage noLines = grabCells(grid);
    EXPECT_EQ(noLines.pixelColor(data.right() + 1, data.center().y()), QColor(192, 192, 192));
}

TEST_F(SortGridPaintTest, AreaBeyondTheCellsHasTheGridColour)
{
    grid.SetRowCount(3);
    grid.SetColor(QColor(10, 20, 30));
    const QImage image = grabCells(grid);
    const QRect last = grid.CellRect(0, 2);
    EXPECT_EQ(image.pixelColor(5, last.bottom() + 10), QColor(10, 20, 30));
}

TEST_F(SortGridPaintTest, BevelAndCheckBox)
{
    grid.OnGetCellFormat
        = [](QObject *, int Col, int Row, TGridDrawState, TFormatOptions &fo, bool &cb, bool &, bool &) {
              if (Row == 4 && Col == 1) {
                  fo.BevelStyle = cbLowered;
                  fo.TopLeftColor = QColor(1, 2, 3);
                  fo.BottomRightColor = QColor(4, 5, 6);
              }
              if (Row == 5 && Col == 1)
                  cb = true;
          };
    grid.SetCells(1, 5, QStringLiteral("true"));
    const QImage image = grabCells(grid);
    const QRect bevel = grid.CellRect(1, 4);
    EXPECT_EQ(image.pixelColor(bevel.left(), bevel.center().y()), QColor(1, 2, 3));
    EXPECT_EQ(image.pixelColor(bevel.center().x(), bevel.top()), QColor(1, 2, 3));
    EXPECT_EQ(image.pixelColor(bevel.right(), bevel.center().y()), QColor(4, 5, 6));
    EXPECT_EQ(image.pixelColor(bevel.center().x(), bevel.bottom()), QColor(4, 5, 6));

    // A check box hides the text and shows the box, grey rim first.
    const QRect check = grid.CellRect(1, 5);
    const int x = check.left() + (check.width() - 10) / 2;
    const int y = check.top() + grid.RowHeights(5) / 2 - 5;
    EXPECT_EQ(image.pixelColor(x, y), QColor(128, 128, 128));
    EXPECT_EQ(inkPixels(image, QRect(check.left() + 1, check.top() + 1, x - check.left() - 2, check.height() - 2),
                        sys(QPalette::Base)),
              0);
}

TEST_F(SortGridPaintTest, DrawCellEventComesLast)
{
    grid.OnDrawCell = [&](QObject *, int ACol, int ARow, const QRect &rect, TGridDrawState state) {
        if (ACol == 2 && ARow == 6) {
            EXPECT_FALSE(state.testFlag(gdFixed));
            static_cast<void>(rect);
        }
    };
    int calls = 0;
    grid.OnDrawCell = [&](QObject *, int ACol, int ARow, const QRect &, TGridDrawState state) {
        ++calls;
        EXPECT_EQ(state.testFlag(gdFixed), ARow == 0) << ACol << "," << ARow;
    };
    grabCells(grid);
    EXPECT_GE(calls, 9 * 17);
}

TEST_F(SortGridPaintTest, WritingACellRepaintsOnlyThatCell)
{
    QApplication::processEvents();
    std::vector<std::pair<int, int>> drawn;
    grid.OnDrawCell
        = [&](QObject *, int ACol, int ARow, const QRect &, TGridDrawState) { drawn.emplace_back(ACol, ARow); };
    grid.SetCells(4, 6, QStringLiteral("12,34"));
    QApplication::processEvents();
    EXPECT_EQ(drawn, (std::vector<std::pair<int, int>>{{4, 6}}));
}

// ---- the last-column stretch ----------------------------------------------

TEST_F(SortGridPaintTest, LastColumnFillsTheOuterWidth)
{
    grid.resize(900, 420);
    const int sum = 66 + 80 + 80 + 90 + 80 + 80 + 80 + 90;
    EXPECT_EQ(grid.VisibleColCount(), 9);
    EXPECT_EQ(grid.ColWidths(8), 900 - sum - (9 + 3));
}

TEST_F(SortGridPaintTest, PartlyVisibleLastColumnIsNotStretched)
{
    grid.SetColWidths(8, 400);
    grid.resize(700, 420);
    EXPECT_LT(grid.VisibleColCount(), 9);
    EXPECT_EQ(grid.ColWidths(8), 400);
}

TEST_F(SortGridPaintTest, FillOfZeroOrLessKeepsTheWidth)
{
    TSortGrid narrow;
    narrow.SetScrollBars(ssNone);
    narrow.SetColCount(2);
    narrow.SetColWidths(0, 100);
    narrow.SetColWidths(1, 0);
    const int frame = 2 * narrow.frameWidth();
    // The view holds both columns; the outer width leaves Fill at -2.
    narrow.resize(101 + frame, 100);
    narrow.show();
    ASSERT_EQ(narrow.VisibleColCount(), 2);
    EXPECT_EQ(narrow.ColWidths(1), 0);
}

} // namespace
