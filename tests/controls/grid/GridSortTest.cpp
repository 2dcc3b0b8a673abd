#include "SortGrid.h"

#include "GridPixels.h"
#include "ModalCloser.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A grid of two columns: the key texts in column 0, a row name in column 1
// so that the order of the rows can be told after a sort.
class GridSortTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        grid.SetColCount(2);
        grid.SetDefaultColWidth(80);
        grid.SetCells(0, 0, QStringLiteral("Key"));
        grid.SetCells(1, 0, QStringLiteral("Name"));
        grid.resize(300, 300);
    }

    void fill(const std::vector<const char *> &keys)
    {
        grid.SetRowCount(static_cast<int>(keys.size()) + 1);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            grid.SetCells(0, row, QString::fromUtf8(keys[i]));
            grid.SetCells(1, row, QStringLiteral("r%1").arg(row));
        }
    }

    QStringList column(int col, int rows = -1) const
    {
        QStringList texts;
        const int last = rows < 0 ? grid.RowCount() - 1 : rows;
        for (int r = 1; r <= last; ++r)
            texts << grid.Cells(col, r);
        return texts;
    }

    static QStringList list(std::initializer_list<const char *> texts)
    {
        QStringList result;
        for (const char *t : texts)
            result << QString::fromUtf8(t);
        return result;
    }

    // A click in the middle of a header cell.
    void clickHeader(int col, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint p = grid.CellRect(col, 0).center();
        QMouseEvent press(QEvent::MouseButtonPress, p, grid.viewport()->mapToGlobal(p), button, button, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, p, grid.viewport()->mapToGlobal(p), button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &release);
    }

    ModalCloser closer;
    TSortGrid grid;
};

TEST_F(GridSortTest, EqualTextsKeepTheirOrderInBothDirections)
{
    fill({"x", "x", "x", "x"});
    grid.SortByColumn(0);
    EXPECT_EQ(column(1), list({"r1", "r2", "r3", "r4"}));
    grid.SortOptions().SortDirection = sdDescending;
    grid.SortByColumn(0);
    EXPECT_EQ(column(1), list({"r1", "r2", "r3", "r4"}));
}

TEST_F(GridSortTest, NumericAndTextOrder)
{
    fill({"10", "9", "1,5", "-2"});
    grid.SortOptions().SortStyle = ssNumeric;
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"-2", "1,5", "9", "10"}));
    grid.SortOptions().SortStyle = ssNormal;
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"-2", "1,5", "10", "9"}));
    grid.SortOptions().SortDirection = sdDescending;
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"9", "10", "1,5", "-2"}));
}

TEST_F(GridSortTest, CaseFoldingKeepsOrderOfEqualTexts)
{
    fill({"abc", "ABC", "Abd", "abb"});
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"abb", "abc", "ABC", "Abd"}));
    grid.SortOptions().SortCaseSensitive = true;
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"ABC", "Abd", "abb", "abc"}));
}

TEST_F(GridSortTest, AutomaticStyleIsDetectedAndKept)
{
    struct Case
    {
        std::vector<const char *> texts;
        TSortStyle expected;
    } const cases[] = {
        {{"10", "9", "1,5"}, ssNumeric},
        {{"01.02.2024", "15.3.2023", "31.12.99"}, ssDateTime},
        {{"01.02.2024 12:30", "15.03.2023"}, ssDateTime},
        {{"12:30", "9:05:10"}, ssTime},
        {{"10", "x"}, ssNormal},
        {{"10", ""}, ssNormal},
        {{"1.5"}, ssNormal}, // not a number with the German separator
    };
    for (const Case &c : cases) {
        fill(c.texts);
        grid.SortOptions().SortStyle = ssAutomatic;
        grid.SortByColumn(0);
        EXPECT_EQ(grid.SortOptions().SortStyle, c.expected) << c.texts.front();
    }
    fill({"31.12.2023", "1.1.2024", "15.06.2023"});
    grid.SortOptions().SortStyle = ssAutomatic;
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"15.06.2023", "31.12.2023", "1.1.2024"}));
}

TEST_F(GridSortTest, TimeAndDateColumnsFollowTheLocale)
{
    struct Case
    {
        const char *locale;
        std::vector<const char *> texts;
        TSortStyle style;
        QStringList sorted;
    } const cases[] = {
        {"de_DE",
         {"12:34:56,789", "23:59", "9:05", "12:34:56,5"},
         ssTime,
         list({"9:05", "12:34:56,5", "12:34:56,789", "23:59"})},
        {"de_DE",
         {"15.06.24 18:00", "31.12.99", "15.06.2024 9:30:00,5", "1.1.2000"},
         ssDateTime,
         list({"31.12.99", "1.1.2000", "15.06.2024 9:30:00,5", "15.06.24 18:00"})},
        {"en_US",
         {"1:30 PM", "11:00 AM", "12:15 PM", "9:45:30.25"},
         ssTime,
         list({"9:45:30.25", "11:00 AM", "12:15 PM", "1:30 PM"})},
        {"en_US", {"12/31/99 11:00 PM", "1/2/2024"}, ssDateTime, list({"12/31/99 11:00 PM", "1/2/2024"})},
    };
    const QLocale german;
    for (const Case &c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        fill(c.texts);
        grid.SortOptions().SortStyle = ssAutomatic;
        grid.SortByColumn(0);
        EXPECT_EQ(grid.SortOptions().SortStyle, c.style) << c.texts.front();
        EXPECT_EQ(column(0), c.sorted) << c.texts.front();
    }
    QLocale::setDefault(german);
}

TEST_F(GridSortTest, AutomaticWithoutDataRowsIsNumeric)
{
    grid.SetRowCount(1);
    grid.SortOptions().SortStyle = ssAutomatic;
    grid.SortByColumn(0);
    EXPECT_EQ(grid.SortOptions().SortStyle, ssNumeric);
}

TEST_F(GridSortTest, SecondaryKeysBreakTies)
{
    grid.SetColCount(3);
    grid.SetRowCount(5);
    const char *groups[] = {"b", "a", "b", "a"};
    const char *values[] = {"2", "10", "1", "9"};
    for (int r = 1; r <= 4; ++r) {
        grid.SetCells(0, r, QString::fromLatin1(groups[r - 1]));
        grid.SetCells(1, r, QString::fromLatin1(values[r - 1]));
        grid.SetCells(2, r, QStringLiteral("r%1").arg(r));
    }
    grid.SortOptions().SecondaryIndex = QStringLiteral("0, 1");
    grid.SortOptions().SortStyle = ssNumeric;
    grid.SortByColumn(0);
    // Group first (text order of letters), then the value as a number.
    EXPECT_EQ(column(2), list({"r4", "r2", "r3", "r1"}));
    EXPECT_EQ(grid.SortOptions().SortCol, 0);

    // Without the secondary key, ties keep the order of the last sort.
    grid.SortOptions().SecondaryIndex.clear();
    grid.SortOptions().SortDirection = sdDescending;
    grid.SortByColumn(0);
    EXPECT_EQ(column(2), list({"r3", "r1", "r4", "r2"}));
}

TEST_F(GridSortTest, NumericExtendedOrdersByTheNumbersInTexts)
{
    fill({"item10", "item2", "item1", "v1.10", "v1.9"});
    grid.SortOptions().SortStyle = ssNumericExtended;
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"item1", "item2", "item10", "v1.9", "v1.10"}));
}

// A sign is text like any letter; in a column of numbers, blanks come first
// and texts that are no numbers last.
TEST_F(GridSortTest, SignsAreTextAndMixedColumnsPutEmptyThenNumbersThenText)
{
    fill({"-10", "item10", "-9", "+2", "item9", "3"});
    grid.SortOptions().SortStyle = ssNumericExtended;
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"+2", "-9", "-10", "3", "item9", "item10"}));

    fill({"x", "10", "", "1a", "-2", "9", ""});
    grid.SortOptions().SortStyle = ssNumeric;
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"", "", "-2", "9", "10", "1a", "x"}));
    EXPECT_EQ(column(1), list({"r3", "r7", "r5", "r6", "r2", "r4", "r1"}));
}

TEST_F(GridSortTest, CustomComparisonServesOneSort)
{
    fill({"a", "bbb", "cc"});
    grid.SortOptions().SortStyle = ssCustom;
    QStringList seen;
    grid.SortOptions().SortCompare = [&](const QString &a, const QString &b) {
        seen << a << b;
        return static_cast<int>(b.size() - a.size()); // longest first
    };
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"bbb", "cc", "a"}));
    EXPECT_FALSE(seen.isEmpty());
    EXPECT_FALSE(grid.SortOptions().SortCompare);
    grid.SortByColumn(0); // no comparison any more: text order
    EXPECT_EQ(column(0), list({"a", "bbb", "cc"}));
}

TEST_F(GridSortTest, CustomComparisonCanComeWithTheOptions)
{
    fill({"a", "bbb", "cc"});
    TSortOptions options = grid.SortOptions();
    options.SortStyle = ssCustom;
    options.SortCompare = [](const QString &a, const QString &b) { return static_cast<int>(a.size() - b.size()); };
    grid.SetSortOptions(options);
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"a", "cc", "bbb"}));
}

TEST_F(GridSortTest, SortStyleEventIsAskedPerKeyColumn)
{
    grid.SetColCount(3);
    fill({"2", "10", "1"});
    grid.SortOptions().SecondaryIndex = QStringLiteral("2,1");
    std::vector<std::pair<int, TSortStyle>> asked;
    grid.OnGetSortStyle = [&](QObject *sender, int col, TSortStyle &style) {
        EXPECT_EQ(sender, &grid);
        asked.emplace_back(col, style);
        style = col == 0 ? ssNumeric : ssTime;
    };
    grid.SortByColumn(0);
    const std::vector<std::pair<int, TSortStyle>> expected{{1, ssAutomatic}, {2, ssTime}, {0, ssTime}};
    EXPECT_EQ(asked, expected);
    EXPECT_EQ(grid.SortOptions().SortStyle, ssNumeric);
    EXPECT_EQ(column(0), list({"1", "2", "10"}));
}

TEST_F(GridSortTest, SelectedRowStaysSelectedAndObjectsMoveAlong)
{
    fill({"c", "a", "b"});
    QObject tag;
    grid.SetObjects(1, 1, &tag);
    grid.MoveToCell(1, 1, true);
    grid.SortByColumn(0);
    EXPECT_EQ(column(0), list({"a", "b", "c"}));
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.SelectedRows(), QStringList{QStringLiteral("3")});
    EXPECT_EQ(grid.Objects(1, 3), &tag);
    EXPECT_EQ(grid.Objects(1, 1), nullptr);
    EXPECT_FALSE(grid.NowUpdating());
    EXPECT_TRUE(grid.isEnabled());
}

TEST_F(GridSortTest, NothingIsSortedWhileSortingIsOff)
{
    fill({"b", "a"});
    grid.SortOptions().CanSort = false;
    grid.SortOptions().SortCol = 1;
    grid.SortByColumn(0);
    EXPECT_EQ(grid.SortOptions().SortCol, 1);
    EXPECT_EQ(column(0), list({"b", "a"}));
}

TEST_F(GridSortTest, UpdateOnSizeChangeSortsAfterACountChange)
{
    fill({"b", "c", "a"});
    grid.SetCells(0, 4, QStringLiteral("0"));
    grid.SortOptions().UpdateOnSizeChange = true;
    grid.SetRowCount(5);
    EXPECT_EQ(column(0), list({"0", "a", "b", "c"}));
    EXPECT_TRUE(grid.SortOptions().UpdateOnSizeChange);
}

TEST_F(GridSortTest, HeaderClicksSetColumnAndDirection)
{
    grid.show();
    fill({"b", "c", "a"});
    clickHeader(1); // another column: ascending by it
    EXPECT_EQ(grid.SortOptions().SortCol, 1);
    EXPECT_EQ(grid.SortOptions().SortDirection, sdAscending);
    EXPECT_EQ(column(1), list({"r1", "r2", "r3"}));
    clickHeader(1); // again: reversed
    EXPECT_EQ(grid.SortOptions().SortDirection, sdDescending);
    EXPECT_EQ(column(1), list({"r3", "r2", "r1"}));
    clickHeader(0);
    EXPECT_EQ(grid.SortOptions().SortCol, 0);
    EXPECT_EQ(grid.SortOptions().SortDirection, sdAscending);
    EXPECT_EQ(column(0), list({"a", "b", "c"}));
    for (int i = 0; i < 2; ++i) {
        clickHeader(0, Qt::RightButton); // always descending
        EXPECT_EQ(grid.SortOptions().SortDirection, sdDescending);
        EXPECT_EQ(column(0), list({"c", "b", "a"}));
    }
}

TEST_F(GridSortTest, ReleaseNearAHeaderBorderOrInAnotherColumnDoesNotSort)
{
    grid.show();
    fill({"b", "a"});
    const QRect cell = grid.CellRect(1, 0);
    auto pressRelease = [&](QPoint from, QPoint to) {
        QMouseEvent press(QEvent::MouseButtonPress, from, grid.viewport()->mapToGlobal(from), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, to, grid.viewport()->mapToGlobal(to), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &release);
    };
    const QPoint nearLeft(cell.left() + 4, cell.center().y());
    pressRelease(nearLeft, nearLeft);
    pressRelease(grid.CellRect(0, 0).center(), cell.center());
    EXPECT_EQ(grid.SortOptions().SortCol, 0);
    EXPECT_EQ(column(0), list({"b", "a"}));
    const QPoint inside(cell.left() + 7, cell.center().y());
    pressRelease(inside, inside);
    EXPECT_EQ(grid.SortOptions().SortCol, 1);
}

TEST_F(GridSortTest, PressOnARowAndReleaseOnItsColumnsHeaderSorts)
{
    grid.show();
    fill({"b", "a"});
    grid.SetCells(1, 1, QStringLiteral("z"));
    const QPoint row = grid.CellRect(1, 2).center();
    const QPoint header = grid.CellRect(1, 0).center();
    QMouseEvent press(QEvent::MouseButtonPress, row, grid.viewport()->mapToGlobal(row), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, header, grid.viewport()->mapToGlobal(header), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &release);
    EXPECT_EQ(grid.SortOptions().SortCol, 1);
    EXPECT_EQ(column(1), list({"r2", "z"}));
}

TEST_F(GridSortTest, LapTableCannotBeSortedAndShowsNoArrow)
{
    TSortGrid lap;
    setUpLapGrid(lap);
    lap.resize(760, 200);
    lap.show();
    for (int r = 1; r < lap.RowCount(); ++r)
        lap.SetCells(0, r, QString::number(r % 3));
    lap.SetCells(0, 0, QString());
    const QRect arrowArea(3, lap.RowHeights(0) / 2 - 4, 8, 7);
    EXPECT_EQ(inkPixels(grabCells(lap), arrowArea, lap.FixedColor()), 0);

    const QPoint p = lap.CellRect(0, 0).center();
    QMouseEvent press(QEvent::MouseButtonPress, p, lap.viewport()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(lap.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, lap.viewport()->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(lap.viewport(), &release);
    // The direction changes, the rows do not.
    EXPECT_EQ(lap.SortOptions().SortDirection, sdDescending);
    for (int r = 1; r < lap.RowCount(); ++r)
        EXPECT_EQ(lap.Cells(0, r), QString::number(r % 3));
    EXPECT_EQ(inkPixels(grabCells(lap), arrowArea, lap.FixedColor()), 0);

    // The same grid with sorting allowed shows the arrow there.
    lap.SortOptions().CanSort = true;
    lap.InvalidateGrid();
    EXPECT_GT(inkPixels(grabCells(lap), arrowArea, lap.FixedColor()), 0);
}

TEST_F(GridSortTest, FilteringWithoutHandlerHidesEveryDataRow)
{
    grid.SortOptions().CanSort = false;
    fill({"d", "b", "a", "c"});
    grid.SetCells(0, 5, QStringLiteral("beyond")); // stored past the last row
    QObject tag;
    grid.SetObjects(1, 2, &tag);
    grid.SetModified(false);
    grid.SetFiltered(true);
    EXPECT_EQ(grid.Objects(1, 3), &tag); // objects travel with their row's texts
    EXPECT_TRUE(grid.Filtered());
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.HiddenRowCount(), 4);
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("beyond"));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_FALSE(grid.Modified());

    grid.SetFiltered(false);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.HiddenRowCount(), 0);
    EXPECT_EQ(column(0), list({"d", "b", "a", "c"}));
    EXPECT_EQ(column(1), list({"r1", "r2", "r3", "r4"}));
    EXPECT_EQ(grid.Cells(0, 5), QStringLiteral("beyond"));
    EXPECT_EQ(grid.Objects(1, 2), &tag);
    EXPECT_FALSE(grid.Modified());
}

TEST_F(GridSortTest, FilteringKeepsRejectedRowsBehindTheVisibleOnes)
{
    fill({"d", "b", "a", "c"});
    std::vector<QStringList> asked;
    grid.OnSetFilter = [&](const QStringList &rowTexts, bool &accept) {
        EXPECT_FALSE(accept);
        asked.push_back(rowTexts);
        accept = rowTexts[0] != QLatin1String("b") && rowTexts[0] != QLatin1String("c");
    };
    grid.SetFiltered(true);
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0], list({"d", "r1"}));
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.HiddenRowCount(), 2);
    EXPECT_EQ(column(0), list({"a", "d"})); // sorted by the sort column
    EXPECT_EQ(grid.Cells(0, 3), QStringLiteral("b"));
    EXPECT_EQ(grid.Cells(0, 4), QStringLiteral("c"));

    // Filtering again starts from all rows.
    grid.OnSetFilter = [](const QStringList &rowTexts, bool &accept) { accept = rowTexts[0] == QLatin1String("c"); };
    grid.SetFiltered(true);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.HiddenRowCount(), 3);
    EXPECT_EQ(column(0), list({"c"}));

    grid.SetFiltered(false);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(column(0), list({"a", "b", "c", "d"}));
}

TEST_F(GridSortTest, FilteringAnEmptyFirstRowOnlyStoresTheFlag)
{
    grid.SetRowCount(3);
    grid.SetCells(0, 2, QStringLiteral("x"));
    int asked = 0;
    grid.OnSetFilter = [&](const QStringList &, bool &) { ++asked; };
    grid.SetFiltered(true);
    EXPECT_TRUE(grid.Filtered());
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(grid.RowCount(), 3);
    grid.SetFiltered(false);
    EXPECT_FALSE(grid.Filtered());
    EXPECT_EQ(grid.RowCount(), 3);
}

} // namespace
