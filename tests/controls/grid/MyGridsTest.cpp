#include "MyGrids.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(MyGridsTest, DefaultsAtCreation)
{
    TMyStringGrid grid;
    EXPECT_EQ(grid.property("ColCount").toInt(), 5);
    EXPECT_EQ(grid.property("RowCount").toInt(), 5);
    EXPECT_EQ(grid.property("FixedCols").toInt(), 1);
    EXPECT_EQ(grid.property("FixedRows").toInt(), 1);
    EXPECT_EQ(grid.property("DefaultColWidth").toInt(), 64);
    EXPECT_EQ(grid.property("DefaultRowHeight").toInt(), 24);
    EXPECT_EQ(grid.property("GridLineWidth").toInt(), 1);
    EXPECT_EQ(grid.Options(), DefaultGridOptions);
    EXPECT_TRUE(grid.DefaultDrawing());
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(grid.LeftCol(), 1);
    EXPECT_EQ(grid.Color(), grid.palette().color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(grid.FixedColor(), grid.palette().color(QPalette::Active, QPalette::Button));
}

TEST(MyGridsTest, ColWidthsExistOnlyOnceOneWidthIsSet)
{
    TMyStringGrid grid;
    grid.SetDefaultColWidth(30);
    EXPECT_FALSE(grid.HasColWidths());
    EXPECT_TRUE(grid.ColWidthsList().isEmpty());
    EXPECT_EQ(grid.ColWidths(2), 30);
    EXPECT_EQ(grid.ColWidths(99), 30);

    grid.SetColWidths(2, 50);
    EXPECT_TRUE(grid.HasColWidths());
    EXPECT_EQ(grid.ColWidthsList(), (QList<int>{30, 30, 50, 30, 30}));
    grid.SetColCount(7);
    EXPECT_EQ(grid.ColWidthsList(), (QList<int>{30, 30, 50, 30, 30, 30, 30}));
    EXPECT_EQ(grid.ColWidths(7), 30);

    grid.SetDefaultColWidth(40); // discards the array
    EXPECT_FALSE(grid.HasColWidths());
    EXPECT_EQ(grid.ColWidths(2), 40);
}

TEST(MyGridsTest, HiddenColumnTakesNoSpace)
{
    TMyStringGrid grid;
    grid.resize(600, 300);
    grid.SetFixedCols(0);
    grid.SetDefaultColWidth(50);
    const int before = grid.CellRect(2, 1).left();
    grid.SetColWidths(1, -1);
    EXPECT_TRUE(grid.CellRect(1, 1).isEmpty());
    EXPECT_EQ(grid.CellRect(2, 1).left(), before - 51);
}

TEST(MyGridsTest, MouseCoordFindsTheCellUnderAPoint)
{
    TMyStringGrid grid;
    grid.resize(400, 300);
    grid.show();
    const QRect cell = grid.CellRect(2, 3);
    EXPECT_EQ(grid.MouseCoord(cell.left(), cell.top()), (GridCoord{2, 3}));
    EXPECT_EQ(grid.MouseCoord(cell.right() + 1, cell.bottom() + 1), (GridCoord{2, 3})); // its grid lines
    EXPECT_EQ(grid.MouseCoord(cell.right() + 2, cell.top()), (GridCoord{3, 3}));
    grid.SetRowCount(30);
    grid.SetTopRow(2);
    ASSERT_EQ(grid.TopRow(), 2);
    EXPECT_EQ(grid.MouseCoord(1, 1), (GridCoord{0, 0}));
    EXPECT_EQ(grid.MouseCoord(1, 26), (GridCoord{0, 2})); // just below the fixed row
    EXPECT_EQ(grid.MouseCoord(399, 299), (GridCoord{-1, -1}));
}

TEST(MyGridsTest, CellsBeyondTheCountsStay)
{
    TMyStringGrid grid;
    grid.SetCells(8, 30, QStringLiteral("far"));
    EXPECT_EQ(grid.Cells(8, 30), QStringLiteral("far"));
    grid.SetRowCount(2);
    grid.SetRowCount(40);
    grid.SetColCount(9);
    EXPECT_EQ(grid.Cells(8, 30), QStringLiteral("far"));
    EXPECT_EQ(grid.Cells(7, 30), QString());
    EXPECT_EQ(grid.Objects(8, 30), nullptr);
}

TEST(MyGridsTest, CellsIsInvokable)
{
    TMyStringGrid grid;
    QMetaObject::invokeMethod(&grid, "SetCells", Q_ARG(int, 1), Q_ARG(int, 2), Q_ARG(QString, QStringLiteral("x")));
    QString text;
    QMetaObject::invokeMethod(&grid, "Cells", Q_RETURN_ARG(QString, text), Q_ARG(int, 1), Q_ARG(int, 2));
    EXPECT_EQ(text, QStringLiteral("x"));
}

TEST(MyGridsTest, RowAndColumnViewsReadAndWriteCells)
{
    TMyStringGrid grid;
    grid.Rows(2).Put(3, QStringLiteral("r"));
    EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("r"));
    EXPECT_EQ(grid.Cols(3).Get(2), QStringLiteral("r"));
    EXPECT_EQ(grid.Rows(2).Count(), grid.ColCount());
    grid.Cols(0).Assign(QStringList{QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("b"));
}

TEST(MyGridsTest, StoreMemoryGrowsWithCellsWrittenNotWithGridSize)
{
    TMyStringGrid small;
    small.SetCells(1, 1, QStringLiteral("x"));
    const std::size_t smallOne = small.StoreMemoryBytes();

    TMyStringGrid huge;
    huge.SetColCount(1000);
    huge.SetRowCount(100000);
    EXPECT_EQ(huge.StoreMemoryBytes(), 0u);
    huge.SetCells(999, 99999, QStringLiteral("x"));
    const std::size_t hugeOne = huge.StoreMemoryBytes();
    // Larger sections for a large grid, but nothing near its 10^8 cells.
    EXPECT_LT(hugeOne, 20 * smallOne);
    EXPECT_LT(hugeOne, 16u * 1024u);

    for (int i = 0; i < 200; ++i)
        huge.SetCells(i * 7, i * 400, QStringLiteral("x"));
    const std::size_t huge201 = huge.StoreMemoryBytes();
    EXPECT_GT(huge201, 50 * smallOne);
    EXPECT_LT(huge201, 300u * hugeOne);
    EXPECT_EQ(huge.StoredRowCount(), 201);
}

TEST(MyGridsTest, DeleteAndMoveRowCarryTheTexts)
{
    TMyStringGrid grid;
    for (int r = 0; r < 5; ++r)
        grid.SetCells(0, r, QString::number(r));
    grid.DeleteRow(1);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("2"));
    EXPECT_EQ(grid.Cells(0, 3), QStringLiteral("4"));
    EXPECT_EQ(grid.Cells(0, 4), QStringLiteral("1")); // kept beyond the count
    grid.MoveColumn(0, 2);
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("2"));
}

struct ErrorCase
{
    const char *name;
    std::function<void(TMyStringGrid &)> misuse;
    const char *message;
};

TEST(MyGridsTest, MisuseRaisesTheFixedMessages)
{
    const ErrorCase cases[] = {
        {"ColWidths beyond the count", [](TMyStringGrid &g) { g.SetColWidths(5, 10); }, "Grid index out of range"},
        {"RowHeights beyond the count", [](TMyStringGrid &g) { g.SetRowHeights(5, 10); }, "Grid index out of range"},
        {"FixedCols below 0", [](TMyStringGrid &g) { g.SetFixedCols(-1); }, "Grid index out of range"},
        {"FixedRows below 0", [](TMyStringGrid &g) { g.SetFixedRows(-1); }, "Grid index out of range"},
        {"FixedCols at the count", [](TMyStringGrid &g) { g.SetFixedCols(5); },
         "Fixed column count must be less than column count"},
        {"FixedRows at the count", [](TMyStringGrid &g) { g.SetFixedRows(5); },
         "Fixed row count must be less than row count"},
        {"deleting the last row",
         [](TMyStringGrid &g) {
             g.SetRowCount(1);
             g.DeleteRow(0);
         },
         "Too many rows or columns deleted"},
        {"deleting the last column",
         [](TMyStringGrid &g) {
             g.SetColCount(1);
             g.DeleteColumn(0);
         },
         "Too many rows or columns deleted"},
        {"inserting into a row view", [](TMyStringGrid &g) { g.Rows(1).Insert(0, QString()); },
         "Cannot insert or delete rows from grid"},
        {"deleting from a column view", [](TMyStringGrid &g) { g.Cols(1).Delete(0); },
         "Cannot insert or delete rows from grid"},
        {"current cell outside the grid", [](TMyStringGrid &g) { g.SetRow(9); }, "Grid index out of range"},
    };
    for (const ErrorCase &c : cases) {
        TMyStringGrid grid;
        const QList<int> widthsBefore = grid.ColWidthsList();
        try {
            c.misuse(grid);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const rundaro::EInvalidOperation &e) {
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
        EXPECT_EQ(grid.ColWidthsList(), widthsBefore) << c.name;
    }
}

TEST(MyGridsTest, NegativeCellIndexIsAListError)
{
    TMyStringGrid grid;
    try {
        grid.Cells(-2, 0);
        FAIL() << "no error";
    } catch (const EListError &e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-2)");
    }
    EXPECT_THROW(grid.SetCells(0, -1, QStringLiteral("x")), EListError);
}

TEST(MyGridsTest, CountsBelowOneAreOneAndFixedCountsFollow)
{
    TMyStringGrid grid;
    grid.SetRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
    grid.SetColCount(-4);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);
}

} // namespace
