#include "SortGrid.h"

#include "GridPixels.h"
#include "ModalCloser.h"

#include <QApplication>
#include <QCursor>
#include <QListWidget>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

class SortGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setUpLapGrid(grid);
        grid.resize(760, 200);
    }

    ModalCloser closer;
    TSortGrid grid;
};

TEST_F(SortGridTest, CreationDefaults)
{
    TSortGrid fresh;
    EXPECT_EQ(fresh.FixedCols(), 0);
    EXPECT_EQ(fresh.FixedRows(), 1);
    EXPECT_EQ(fresh.Col(), 0);
    EXPECT_EQ(fresh.Row(), 1);
    EXPECT_EQ(fresh.AlignmentHorz(), taLeftJustify);
    EXPECT_EQ(fresh.AlignmentVert(), taTopJustify);
    EXPECT_EQ(fresh.BevelStyle(), cbNone);
    EXPECT_FALSE(fresh.Modified());
    EXPECT_FALSE(fresh.DragStartPoint().has_value());
    EXPECT_EQ(fresh.SelectedRows(), QStringList{QStringLiteral("1")});
    EXPECT_TRUE(fresh.SortOptions().CanSort);
    EXPECT_EQ(fresh.SortOptions().SortCol, 0);
    EXPECT_EQ(fresh.SortOptions().SortDirection, sdAscending);
    EXPECT_EQ(fresh.SortOptions().SortStyle, ssNormal);
    EXPECT_FALSE(fresh.SortOptions().UpdateOnSizeChange);
    EXPECT_EQ(fresh.PrintOptions(), TPrintOptions{});
    EXPECT_EQ(fresh.property("SortOptions").value<TSortOptions>().CanSort, true);
    // The drop-down cells' list box: a hidden child from the start, its list
    // (and Qt's item views) made when first asked for, sorted.
    QWidget *dropDown = fresh.findChild<QWidget *>(QStringLiteral("DropDownList"));
    ASSERT_NE(dropDown, nullptr);
    EXPECT_TRUE(dropDown->isHidden());
    EXPECT_EQ(fresh.findChild<QListWidget *>(), nullptr);
    QListWidget *list = fresh.DropDownList();
    EXPECT_EQ(list->parentWidget(), dropDown);
    EXPECT_TRUE(list->isSortingEnabled());
    EXPECT_EQ(fresh.DropDownList(), list);
}

TEST_F(SortGridTest, FixedRowsCannotBeSet)
{
    grid.setProperty("FixedRows", 0);
    EXPECT_EQ(grid.FixedRows(), 1);
    grid.SetFixedRows(3);
    EXPECT_EQ(grid.FixedRows(), 1);
}

TEST_F(SortGridTest, SettingTheSameRowCountDoesNothing)
{
    grid.show();
    grid.MoveToCell(3, 12, true);
    const int top = grid.TopRow();
    int sizeChanged = 0;
    grid.OnSizeChanged = [&](QObject *, int, int) { ++sizeChanged; };
    grid.SetModified(false);
    grid.setProperty("RowCount", 17);
    EXPECT_EQ(sizeChanged, 0);
    EXPECT_FALSE(grid.Modified());
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 12);
    EXPECT_EQ(grid.TopRow(), top);
}

TEST_F(SortGridTest, ACountChangeMakesTheFirstDataCellCurrentAndScrollsUp)
{
    grid.show();
    grid.MoveToCell(3, 14, true);
    ASSERT_GT(grid.TopRow(), 1);

    std::vector<std::string> steps;
    grid.OnModified = [&](QObject *) { steps.push_back("modified"); };
    grid.OnRowSelected = [&](QObject *) { steps.push_back("selected"); };
    grid.OnSizeChanged = [&](QObject *sender, int oldCols, int oldRows) {
        EXPECT_EQ(sender, &grid);
        steps.push_back("size " + std::to_string(oldCols) + "x" + std::to_string(oldRows));
    };
    grid.SetRowCount(30);
    EXPECT_EQ(steps, (std::vector<std::string>{"modified", "selected", "size 9x17"}));
    EXPECT_TRUE(grid.Modified());
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(grid.Selection(), (GridRect{0, 1, 0, 1}));

    grid.MoveToCell(4, 20, true);
    steps.clear();
    grid.SetColCount(10);
    EXPECT_EQ(steps, (std::vector<std::string>{"modified", "selected", "size 9x30"}));
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(closer.count(), 0);
}

TEST_F(SortGridTest, NewColumnsTakeTheDefaultWidthAndExistingOnesStay)
{
    grid.SetColCount(11);
    EXPECT_EQ(grid.ColWidths(3), 90);
    EXPECT_EQ(grid.ColWidths(9), 30);
    EXPECT_EQ(grid.ColWidths(10), 30);
    EXPECT_EQ(grid.ColWidthsList().size(), 11);
}

TEST_F(SortGridTest, RowCountOneDropsTheHeaderForGood)
{
    int messagesBeforeSizeChanged = -1;
    grid.OnSizeChanged = [&](QObject *, int, int) { messagesBeforeSizeChanged = closer.count(); };
    grid.SetRowCount(1);
    EXPECT_EQ(messagesBeforeSizeChanged, 1); // the message comes before the event
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(closer.texts(), QStringList{QStringLiteral("Rowsize too small")});
    grid.SetRowCount(5);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(closer.count(), 1);
}

TEST_F(SortGridTest, AFailingSizeStepRestoresTheOldCounts)
{
    grid.OnSizeChanged = [](QObject *, int, int) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(grid.SetRowCount(25), std::runtime_error);
    EXPECT_EQ(grid.RowCount(), 17);
    EXPECT_EQ(grid.ColCount(), 9);
}

TEST_F(SortGridTest, AFailingMoveAfterACountChangeIsIgnored)
{
    grid.OnSelectCell = [](QObject *, int, int, bool &) { throw std::runtime_error("no"); };
    int sizeChanged = 0;
    grid.OnSizeChanged = [&](QObject *, int, int) { ++sizeChanged; };
    EXPECT_NO_THROW(grid.SetRowCount(20));
    EXPECT_EQ(grid.RowCount(), 20);
    EXPECT_EQ(sizeChanged, 1);
}

TEST_F(SortGridTest, MoveToCellClampsToTheDataRows)
{
    grid.show();
    grid.MoveToCell(-3, 0, true);
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.Row(), 1);
    grid.MoveToCell(40, 99, false);
    EXPECT_EQ(grid.Col(), 8);
    EXPECT_EQ(grid.Row(), 16);
    EXPECT_EQ(grid.SelectedRows(), QStringList{QStringLiteral("16")});
    EXPECT_EQ(grid.Selection(), (GridRect{8, 16, 8, 16}));
}

TEST_F(SortGridTest, MoveToCellRespectsTheSelectionCheck)
{
    grid.show();
    grid.OnSelectCell = [](QObject *, int, int ARow, bool &CanSelect) { CanSelect = ARow != 5; };
    grid.MoveToCell(2, 5, true);
    EXPECT_EQ(grid.Row(), 1);
    grid.MoveToCell(2, 6, true);
    EXPECT_EQ(grid.Row(), 6);
}

TEST_F(SortGridTest, ScrollToCellShowsOneRowAboveOrTheLastPage)
{
    grid.SetRowCount(100);
    grid.show();
    const int visible = grid.VisibleRowCount();
    ASSERT_GT(visible, 2);
    grid.ScrollToCell(0, 50);
    EXPECT_EQ(grid.TopRow(), 49);
    grid.ScrollToCell(0, 1);
    EXPECT_EQ(grid.TopRow(), 1);
    grid.ScrollToCell(0, 99);
    EXPECT_EQ(grid.TopRow(), 100 - visible);
    grid.ScrollToCell(0, 100 - visible);
    EXPECT_EQ(grid.TopRow(), 100 - visible - 1);
}

TEST_F(SortGridTest, ScrollingRaisesOnTopLeftChanged)
{
    grid.SetRowCount(100);
    grid.show();
    int moves = 0;
    grid.OnTopLeftChanged = [&](QObject *) { ++moves; };
    grid.ScrollToCell(0, 40);
    EXPECT_EQ(moves, 1);
    grid.ScrollToCell(0, 40);
    EXPECT_EQ(moves, 1);
    grid.SetTopRow(0); // below the fixed row: the first data row
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(moves, 2);
}

TEST_F(SortGridTest, ScrollToCellBringsAColumnIntoView)
{
    grid.resize(250, 200);
    grid.SetColWidths(8, 80);
    grid.show();
    EXPECT_EQ(grid.LeftCol(), 0);
    grid.ScrollToCell(7, 1);
    const GridAxisInfo horz = grid.HorzAxis();
    EXPECT_GE(horz.LastFullVisibleCell, 7);
    EXPECT_GT(grid.LeftCol(), 0);
    grid.ScrollToCell(0, 1);
    EXPECT_EQ(grid.LeftCol(), 0);
}

TEST_F(SortGridTest, ScrollToAColumnWiderThanTheViewEnds)
{
    grid.resize(250, 200);
    grid.SetColWidths(5, 1000);
    grid.show();
    grid.ScrollToCell(5, 1);
    EXPECT_EQ(grid.LeftCol(), 5);
}

TEST_F(SortGridTest, UpdateLockDefersCountChanges)
{
    grid.show();
    grid.MoveToCell(2, 9, true);
    int begins = 0;
    int ends = 0;
    std::vector<std::pair<int, int>> sizes;
    grid.OnBeginUpdate = [&](QObject *) { ++begins; };
    grid.OnEndUpdate = [&](QObject *) { ++ends; };
    grid.OnSizeChanged = [&](QObject *, int c, int r) { sizes.emplace_back(c, r); };
    grid.SortOptions().UpdateOnSizeChange = true;

    grid.BeginUpdate();
    EXPECT_TRUE(grid.NowUpdating());
    EXPECT_FALSE(grid.isEnabled());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_FALSE(grid.SortOptions().UpdateOnSizeChange);
    EXPECT_EQ(begins, 1);

    grid.SetRowCount(5);
    grid.SetColCount(12);
    grid.SetRowCount(8);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_TRUE(sizes.empty());
    EXPECT_EQ(grid.Row(), 9); // the current cell waits for the end of the lock
    EXPECT_EQ(grid.ColWidths(11), 30);
    EXPECT_EQ(grid.ColWidths(9), 30);
    grid.SetColWidths(10, 44); // a width in a column added under the lock
    EXPECT_EQ(grid.ColWidths(10), 44);

    grid.EndUpdate();
    EXPECT_FALSE(grid.NowUpdating());
    EXPECT_TRUE(grid.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(grid.SortOptions().UpdateOnSizeChange);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{9, 17}}));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.ColWidthsList().size(), 12);
}

TEST_F(SortGridTest, NestedUpdateLocksEndWithTheOutermost)
{
    grid.BeginUpdate();
    grid.BeginUpdate();
    grid.EndUpdate();
    EXPECT_TRUE(grid.NowUpdating());
    grid.EndUpdate();
    EXPECT_FALSE(grid.NowUpdating());
    grid.EndUpdate(); // unbalanced: nothing to end
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(SortGridLockTest, EndingTheLockKeepsTheOwnersEnabledState)
{
    QWidget form;
    auto *inside = new TSortGrid(&form);
    form.setEnabled(false);
    inside->BeginUpdate();
    inside->EndUpdate();
    form.setEnabled(true);
    EXPECT_TRUE(inside->isEnabled());

    TSortGrid switchedOff;
    switchedOff.setEnabled(false);
    switchedOff.BeginUpdate();
    switchedOff.EndUpdate();
    EXPECT_FALSE(switchedOff.isEnabled());
}

TEST_F(SortGridTest, EventsAfterWidthAndHeightChanges)
{
    int widths = 0;
    int heights = 0;
    grid.OnColumnWidthsChanged = [&](QObject *) { ++widths; };
    grid.OnRowHeightsChanged = [&](QObject *) { ++heights; };
    grid.SetColWidths(2, 81);
    grid.SetColWidths(2, 81);
    grid.SetRowHeights(3, 30);
    EXPECT_EQ(widths, 1);
    EXPECT_EQ(heights, 1);
}

TEST_F(SortGridTest, HideRowsMakesRowOneCurrent)
{
    grid.MoveToCell(1, 7, false);
    grid.SetHideRows(true);
    EXPECT_TRUE(grid.HideRows());
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(SortGridTest, FormatQueryOutsidePaintingIsPrefilled)
{
    grid.SetAlignmentHorz(taCenter);
    grid.SetBevelStyle(cbRaised);
    TFormatOptions seen;
    bool flagsOnEntry = true;
    TGridDrawState state;
    grid.OnGetCellFormat
        = [&](QObject *, int, int, TGridDrawState s, TFormatOptions &fo, bool &cb, bool &co, bool &el) {
              seen = fo;
              state = s;
              flagsOnEntry = cb || co || el;
              cb = true;
          };
    TFormatOptions options;
    bool checkBox = false, combo = false, ellipsis = false;
    grid.MoveToCell(2, 3, false);
    grid.QueryCellFormat(2, 3, options, checkBox, combo, ellipsis);
    EXPECT_FALSE(flagsOnEntry);
    EXPECT_TRUE(checkBox);
    EXPECT_EQ(seen.AlignmentHorz, taCenter);
    EXPECT_EQ(seen.AlignmentVert, taTopJustify);
    EXPECT_EQ(seen.BevelStyle, cbRaised);
    EXPECT_EQ(seen.TopLeftColor, grid.palette().color(QPalette::Active, QPalette::Light));
    EXPECT_EQ(seen.BottomRightColor, grid.palette().color(QPalette::Active, QPalette::Dark));
    EXPECT_FALSE(seen.HideText);
    EXPECT_NE(seen.Brush, nullptr);
    EXPECT_NE(seen.Font, nullptr);
    EXPECT_TRUE(state.testFlag(gdSelected));
    EXPECT_FALSE(state.testFlag(gdFocused));
}

} // namespace
