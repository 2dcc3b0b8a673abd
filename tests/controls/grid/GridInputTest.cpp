#include "SortGrid.h"

#include "GridPixels.h"
#include "ModalCloser.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The lap grid with the drag-and-drop operation recorded instead of run.
class DragRecordingGrid : public TSortGrid
{
public:
    QStringList dragged;

protected:
    void ExecDrag(QMimeData *data) override
    {
        std::unique_ptr<QMimeData> owned(data);
        dragged << owned->text();
    }
};

class GridInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setUpLapGrid(grid);
        // Narrower than its columns, so that both scroll bars stay.
        grid.resize(500, 200);
        grid.show();
    }

    QWidget *vp() { return grid.viewport(); }

    void send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMouseEvent event(type, p, vp()->mapToGlobal(p), button, buttons, mods);
        QApplication::sendEvent(vp(), &event);
    }
    void press(QPoint p, Qt::MouseButton button = Qt::LeftButton) { send(QEvent::MouseButtonPress, p, button, button); }
    void moveHeld(QPoint p, Qt::MouseButtons buttons = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        send(QEvent::MouseMove, p, Qt::NoButton, buttons, mods);
    }
    void release(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, p, button, Qt::NoButton);
    }
    void wheel(int delta)
    {
        const QPointF p(100, 100);
        QWheelEvent event(p, vp()->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(vp(), &event);
    }
    int rightBorder(int col) const
    {
        const QRect r = grid.CellRect(col, 0);
        return r.left() + r.width();
    }
    int xxWidth() const { return QFontMetrics(grid.font()).horizontalAdvance(QStringLiteral("xx")); }

    ModalCloser closer;
    DragRecordingGrid grid;
};

TEST_F(GridInputTest, DoubleClickOnTheRightBorderOfAnEmptyColumnGivesTheWidthOfXx)
{
    grid.SetCells(2, 0, QString());
    QTest::mouseDClick(vp(), Qt::LeftButton, Qt::NoModifier, QPoint(rightBorder(2) - 1, 10));
    EXPECT_EQ(grid.ColWidths(2), xxWidth());
}

TEST_F(GridInputTest, DoubleClickFitsTheColumnToItsWidestText)
{
    const QFontMetrics metrics(grid.font());
    grid.SetCells(1, 5, QStringLiteral("a rather long text"));
    const int expected = metrics.horizontalAdvance(QStringLiteral("X"))
        + metrics.horizontalAdvance(QStringLiteral("a rather long text"));
    // Just right of column 1's border: the left border zone of column 2.
    QTest::mouseDClick(vp(), Qt::LeftButton, Qt::NoModifier, QPoint(rightBorder(1) + 2, 10));
    EXPECT_EQ(grid.ColWidths(1), expected);
    EXPECT_EQ(grid.ColWidths(2), 80);
    // In the middle of a header cell nothing is sized.
    QTest::mouseDClick(vp(), Qt::LeftButton, Qt::NoModifier, grid.CellRect(3, 0).center());
    EXPECT_EQ(grid.ColWidths(3), 90);
}

TEST_F(GridInputTest, AutoSizeAllowsForTheSortArrowAndSkipsHiddenColumns)
{
    grid.SetRowCount(2);
    grid.SetCells(4, 0, QString());
    grid.SortOptions().CanSort = true;
    grid.SortOptions().SortCol = 4;
    grid.AutoSizeColumn(4, false); // only the arrow's 12 pixels are wide
    EXPECT_EQ(grid.ColWidths(4), QFontMetrics(grid.font()).horizontalAdvance(QStringLiteral("X")) + 12);
    grid.SortOptions().CanSort = false;
    grid.AutoSizeColumn(4, false);
    EXPECT_EQ(grid.ColWidths(4), xxWidth());

    grid.SetColWidths(4, -1);
    grid.AutoSizeColumn(4, false);
    EXPECT_EQ(grid.ColWidths(4), -1);
    grid.AutoSizeColumn(4, true);
    EXPECT_EQ(grid.ColWidths(4), xxWidth());
}

TEST_F(GridInputTest, AutoSizeAsksTheFormatPerRow)
{
    grid.SetRowCount(3);
    grid.SetCells(4, 0, QString());
    grid.SetCells(4, 1, QStringLiteral("iii"));
    grid.SetCells(4, 2, QStringLiteral("iii"));
    std::vector<int> rowsAsked;
    grid.OnGetCellFormat
        = [&](QObject *, int col, int row, TGridDrawState, TFormatOptions &options, bool &, bool &, bool &) {
              if (col != 4)
                  return;
              rowsAsked.push_back(row);
              options.Font->setPixelSize(row == 2 ? 40 : 16);
          };
    grid.AutoSizeColumn(4, false);
    EXPECT_EQ(rowsAsked, (std::vector<int>{0, 1, 2}));
    QFont big = grid.font();
    big.setPixelSize(40);
    const QFontMetrics metrics(big);
    EXPECT_EQ(grid.ColWidths(4),
              metrics.horizontalAdvance(QStringLiteral("X")) + metrics.horizontalAdvance(QStringLiteral("iii")));
}

TEST_F(GridInputTest, DraggingAColumnBorder)
{
    const int left = grid.CellRect(1, 0).left();
    const int border = rightBorder(1);
    press(QPoint(border + 1, 10));
    moveHeld(QPoint(left + 1, 10)); // width 1
    release(QPoint(left + 1, 10));
    EXPECT_EQ(grid.ColWidths(1), 80);

    press(QPoint(border - 2, 10));
    moveHeld(QPoint(left + 38, 10)); // the line keeps its offset from the pointer
    release(QPoint(left + 38, 10));
    EXPECT_EQ(grid.ColWidths(1), 40);

    // Outside the zone or below the header nothing is sized.
    press(QPoint(rightBorder(1) - 5, 10));
    moveHeld(QPoint(rightBorder(1) + 30, 10));
    release(QPoint(rightBorder(1) + 30, 10));
    press(QPoint(rightBorder(1), 30));
    moveHeld(QPoint(rightBorder(1) + 30, 30));
    release(QPoint(rightBorder(1) + 30, 30));
    EXPECT_EQ(grid.ColWidths(1), 40);
}

TEST_F(GridInputTest, SizingZoneFollowsTheGridLineWidth)
{
    struct Case
    {
        int lineWidth, firstIn, lastIn;
    } const cases[] = {{1, -3, 4}, {3, -2, 5}, {6, 0, 7}, {9, 0, 9}};
    for (const Case &c : cases) {
        grid.SetGridLineWidth(c.lineWidth);
        const int line = rightBorder(0);
        auto sizes = [&](int offset) {
            press(QPoint(line + offset, 5));
            moveHeld(QPoint(line + offset + 20, 5));
            release(QPoint(line + offset + 20, 5));
            const bool sized = grid.ColWidths(0) != 66;
            grid.SetColWidths(0, 66);
            return sized;
        };
        EXPECT_FALSE(sizes(c.firstIn - 1)) << c.lineWidth;
        EXPECT_TRUE(sizes(c.firstIn)) << c.lineWidth;
        EXPECT_TRUE(sizes(c.lastIn)) << c.lineWidth;
        EXPECT_FALSE(sizes(c.lastIn + 1)) << c.lineWidth;
    }
}

TEST_F(GridInputTest, SizingShowsTheCursorAndAnInvertingDottedLine)
{
    const int border = rightBorder(1);
    moveHeld(QPoint(border, 10), Qt::NoButton);
    EXPECT_EQ(vp()->cursor().shape(), Qt::SplitHCursor);
    moveHeld(QPoint(border - 20, 10), Qt::NoButton);
    EXPECT_NE(vp()->cursor().shape(), Qt::SplitHCursor);

    const int x = border + 25; // inside column 2
    const QImage before = grabCells(grid);
    press(QPoint(border, 10));
    moveHeld(QPoint(x, 10));
    const QImage during = grabCells(grid);
    for (int y = 0; y < before.height(); ++y) {
        const QColor b = before.pixelColor(x, y);
        const QColor expected = y % 2 == 0 ? QColor(255 - b.red(), 255 - b.green(), 255 - b.blue()) : b;
        ASSERT_EQ(during.pixelColor(x, y), expected) << y;
        ASSERT_EQ(during.pixelColor(x + 1, y), before.pixelColor(x + 1, y)) << y;
    }
    release(QPoint(x, 10));
    EXPECT_EQ(grid.ColWidths(1), 80 + 25);
    // The dotted line is gone: x is now the column's border line, even and
    // odd pixels alike.
    const QImage after = grabCells(grid);
    EXPECT_EQ(after.pixelColor(x, 64), after.pixelColor(x, 65));
    EXPECT_EQ(after.pixelColor(x, 64), GridColors::clSilver());
}

TEST_F(GridInputTest, TypeAheadSearchWrapsAndTriesTheCurrentRowLast)
{
    grid.SetRowCount(6);
    const char *names[] = {"Anna", "Bert", "Axel", "Carl", "ali"};
    for (int r = 1; r <= 5; ++r)
        grid.SetCells(0, r, QString::fromLatin1(names[r - 1]));
    grid.MoveToCell(0, 3, true);
    QTest::keyClick(&grid, Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(grid.Row(), 5); // after the current row first, lower case matches
    QTest::keyClick(&grid, Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(grid.Row(), 1); // then from the top
    QTest::keyClick(&grid, Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(grid.Row(), 2);

    grid.MoveToCell(3, 4, true);
    QTest::keyClick(&grid, Qt::Key_Z, Qt::NoModifier); // no match: nothing moves
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 4);
    QTest::keyClick(&grid, Qt::Key_C, Qt::NoModifier); // only the current row matches
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.Row(), 4);
}

TEST_F(GridInputTest, TypeAheadUsesTheSortColumnAndNotTheEditor)
{
    grid.SetRowCount(4);
    grid.SetCells(2, 2, QStringLiteral("7,5"));
    grid.SetCells(0, 3, QStringLiteral("7"));
    grid.SortOptions().SortCol = 2;
    QTest::keyClick(&grid, '7');
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 2);

    grid.SortOptions().SortCol = 0;
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetEditorMode(true);
    QTest::keyClick(&grid, '7');
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(GridInputTest, NavigationKeys)
{
    const int page = grid.VisibleRowCount();
    ASSERT_GT(page, 2);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 1); // the header never becomes current
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 1);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.Row(), 2 + page);
    EXPECT_EQ(grid.TopRow(), 1 + page);
    QTest::keyClick(&grid, Qt::Key_PageUp);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.TopRow(), 1);
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(grid.Col(), 8);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.Col(), 0);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.Col(), 8);
    EXPECT_EQ(grid.Row(), 16);
    EXPECT_EQ(grid.TopRow() + grid.VisibleRowCount() - 1, 16); // the last row shown at the bottom
    QTest::keyClick(&grid, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(grid.Row(), grid.TopRow());
    QTest::keyClick(&grid, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(grid.Row(), 16);
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TopRow(), 1);

    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (GridRect{0, 1, 0, 3}));
}

TEST_F(GridInputTest, TabMovesThroughCellsOnlyWithGoTabs)
{
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.Col(), 0);
    grid.SetOptions(grid.Options() | goTabs);
    grid.MoveToCell(8, 1, true);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.Row(), 2);
    QTest::keyClick(&grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid.Col(), 8);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(GridInputTest, F2OpensTheEditorOnlyWithGoEditing)
{
    QTest::keyClick(&grid, Qt::Key_F2);
    EXPECT_FALSE(grid.EditorMode());
    grid.SetOptions(grid.Options() | goEditing);
    QTest::keyClick(&grid, Qt::Key_F2);
    EXPECT_TRUE(grid.EditorMode());
}

TEST_F(GridInputTest, ClickSelectsADataCell)
{
    QTest::mouseClick(vp(), Qt::LeftButton, Qt::NoModifier, grid.CellRect(2, 3).center());
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 3);
    QTest::mouseClick(vp(), Qt::LeftButton, Qt::ShiftModifier, grid.CellRect(3, 5).center());
    EXPECT_EQ(grid.Selection(), (GridRect{2, 3, 3, 5}));
}

TEST_F(GridInputTest, DraggingOverCellsFromAnUnselectedRowSelectsARange)
{
    press(grid.CellRect(1, 3).center());
    moveHeld(grid.CellRect(2, 5).center());
    release(grid.CellRect(2, 5).center());
    EXPECT_EQ(grid.Selection(), (GridRect{1, 3, 2, 5}));
    EXPECT_TRUE(grid.dragged.isEmpty());
}

TEST_F(GridInputTest, WheelScrollsOneRowDownAndThreeUpPerStep)
{
    const int maxTop = grid.RowCount() - grid.VisibleRowCount();
    ASSERT_GT(maxTop, 4);
    grid.MoveToCell(2, 3, false);
    wheel(-120);
    EXPECT_EQ(grid.TopRow(), 2);
    wheel(-60);
    EXPECT_EQ(grid.TopRow(), 2); // half a step waits for the other half
    wheel(-60);
    EXPECT_EQ(grid.TopRow(), 3);
    wheel(-120 * 20);
    EXPECT_EQ(grid.TopRow(), maxTop);
    const int top = grid.TopRow();
    wheel(120);
    EXPECT_EQ(grid.TopRow(), top - 3);
    wheel(-60);
    wheel(60); // a turn back starts the step afresh
    EXPECT_EQ(grid.TopRow(), top - 3);
    wheel(60);
    EXPECT_EQ(grid.TopRow(), top - 6);
    wheel(120 * 20);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(grid.Col(), 2); // the current cell stays
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(GridInputTest, RightReleaseOverADataRowPopsUpTheMenu)
{
    QMenu menu;
    menu.addAction(QStringLiteral("Eintrag"));
    const QPoint header = grid.CellRect(1, 0).center();
    press(header, Qt::RightButton);
    release(header, Qt::RightButton); // no menu set: nothing
    grid.SetPopupMenu(&menu);
    press(header, Qt::RightButton);
    release(header, Qt::RightButton);
    EXPECT_FALSE(menu.isVisible());
    const QPoint data = grid.CellRect(1, 2).center();
    press(data, Qt::LeftButton);
    release(data, Qt::LeftButton);
    EXPECT_FALSE(menu.isVisible());
    press(data, Qt::RightButton);
    release(data, Qt::RightButton);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
}

TEST_F(GridInputTest, RowDragStartsBeyondTenPixels)
{
    grid.SetCells(0, 1, QStringLiteral("15"));
    grid.SetCells(1, 1, QStringLiteral("1,5"));
    const QPoint start = grid.CellRect(1, 1).center();
    press(start);
    EXPECT_EQ(grid.DragStartPoint(), start);
    moveHeld(start + QPoint(10, 0));
    moveHeld(start + QPoint(0, -10));
    EXPECT_TRUE(grid.dragged.isEmpty());
    moveHeld(start + QPoint(0, 11));
    ASSERT_EQ(grid.dragged.size(), 1);
    EXPECT_EQ(grid.dragged[0], QStringLiteral("15\t1,5\t\t\t\t\t\t\t"));
    EXPECT_FALSE(grid.DragStartPoint().has_value());
    release(start + QPoint(0, 11));
}

TEST_F(GridInputTest, RowDragNeedsExactlyTheLeftButtonOnASelectedRow)
{
    const QPoint start = grid.CellRect(1, 1).center();
    const QPoint far = start + QPoint(30, 0);
    press(start);
    moveHeld(far, Qt::LeftButton | Qt::RightButton);
    moveHeld(far, Qt::LeftButton, Qt::ControlModifier);
    release(far);
    EXPECT_FALSE(grid.DragStartPoint().has_value());
    moveHeld(far + QPoint(0, 1));
    // A press on a row that is not selected selects it but arms nothing.
    const QPoint other = grid.CellRect(1, 4).center();
    press(other);
    EXPECT_FALSE(grid.DragStartPoint().has_value());
    moveHeld(other + QPoint(0, 30));
    release(other + QPoint(0, 30));
    EXPECT_TRUE(grid.dragged.isEmpty());
}

// F2, a typed character (after the row search) and a double-click open the
// editor; Enter and moving to another cell commit, Escape cancels.
TEST_F(GridInputTest, InPlaceEditorOpensCommitsAndCancels)
{
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetModified(false);
    std::vector<std::pair<GridCoord, QString>> committed;
    grid.OnSetEditText = [&](QObject *, int col, int row, const QString &text) {
        committed.push_back({GridCoord{col, row}, text});
    };
    grid.OnGetEditMask = [](QObject *, int col, int, QString &mask) {
        if (col == 1)
            mask = QStringLiteral("99,9");
    };
    std::vector<GridCoord> asked;
    grid.OnGetCellFormat = [&](QObject *, int col, int row, TGridDrawState, TFormatOptions &, bool &, bool &, bool &) {
        asked.push_back(GridCoord{col, row});
    };

    grid.MoveToCell(1, 1, false);
    QTest::keyClick(&grid, Qt::Key_F2);
    QLineEdit *editor = grid.InplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(grid.EditorMode());
    EXPECT_EQ(editor->geometry(), grid.CellRect(1, 1));
    QTest::keyClicks(editor, QStringLiteral("125"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("12,5"));
    EXPECT_TRUE(grid.Modified());

    grid.SetCells(0, 4, QStringLiteral("7 Runden"));
    QTest::keyClick(&grid, '7'); // jumps to row 4, and the 7 replaces its text
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(editor->text(), QStringLiteral("7"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Cells(0, 4), QStringLiteral("7 Runden"));

    grid.SetCells(2, 5, QStringLiteral("unten"));
    QTest::mouseClick(vp(), Qt::LeftButton, Qt::NoModifier, grid.CellRect(2, 4).center());
    QTest::mouseDClick(vp(), Qt::LeftButton, Qt::NoModifier, grid.CellRect(2, 4).center());
    ASSERT_TRUE(grid.EditorMode());
    QTest::keyClicks(editor, QStringLiteral("x"));
    asked.clear();
    QTest::keyClick(editor, Qt::Key_Down); // commits and moves on, asking the new cell's format
    EXPECT_EQ(grid.Cells(2, 4), QStringLiteral("x"));
    EXPECT_EQ(editor->text(), QStringLiteral("unten"));
    EXPECT_EQ(editor->geometry(), grid.CellRect(2, 5));
    EXPECT_EQ(asked, (std::vector<GridCoord>{{2, 5}}));
    QTest::keyClick(editor, Qt::Key_Escape);

    EXPECT_EQ(
        committed,
        (std::vector<std::pair<GridCoord, QString>>{{{1, 1}, QStringLiteral("12,5")}, {{2, 4}, QStringLiteral("x")}}));
    asked.clear();
    QTest::keyRelease(&grid, Qt::Key_Space);
    EXPECT_EQ(asked, (std::vector<GridCoord>{{2, 5}}));
}

TEST_F(GridInputTest, RowsAndColumnsMoveAndRowsSizeByTheirFixedCells)
{
    grid.SetFixedCols(1);
    grid.SetOptions(grid.Options() | goRowMoving | goColMoving | goRowSizing);
    for (int r = 1; r <= 5; ++r)
        grid.SetCells(1, r, QString::number(r));
    auto drag = [&](QPoint from, QPoint to) {
        press(from);
        moveHeld(to);
        release(to);
    };
    drag(grid.CellRect(0, 2).center(), grid.CellRect(0, 4).center());
    EXPECT_EQ((QStringList{grid.Cells(1, 1), grid.Cells(1, 2), grid.Cells(1, 3), grid.Cells(1, 4)}),
              (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("2")}));
    EXPECT_TRUE(grid.dragged.isEmpty());
    const QString header = grid.Cells(1, 0);
    drag(grid.CellRect(1, 0).center(), grid.CellRect(3, 0).center());
    EXPECT_EQ(grid.Cells(3, 0), header);
    EXPECT_EQ(grid.Cells(3, 4), QStringLiteral("2"));

    // The bottom border of a row, caught in the fixed column.
    const int line = grid.CellRect(0, 3).top() + 20;
    drag(QPoint(10, line), QPoint(10, line + 12));
    EXPECT_EQ(grid.RowHeights(3), 32);
    drag(QPoint(100, line), QPoint(100, line + 12)); // outside the fixed column: no sizing
    EXPECT_EQ(grid.RowHeights(3), 32);

    // Without goThumbTracking the view follows the thumb when it is let go.
    QScrollBar *bar = grid.verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(4);
    EXPECT_EQ(grid.TopRow(), 1);
    bar->setSliderDown(false);
    EXPECT_EQ(grid.TopRow(), 4);
    grid.SetOptions(grid.Options() | goThumbTracking);
    bar->setSliderDown(true);
    bar->setSliderPosition(2);
    EXPECT_EQ(grid.TopRow(), 2);
    bar->setSliderDown(false);
}

} // namespace
