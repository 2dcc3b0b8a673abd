#include "Colors.h"
#include "FlEdit.h"
#include "MainWindowFixture.h"
#include "SpinEdit.h"
#include "TestOutput.h"

#include <QImage>

namespace {

class LapTableTest : public MainWindowFixture
{
protected:
    void showControl() { child<QTabWidget>("PageControl1")->setCurrentIndex(1); }
    void showInline() { child<QTabWidget>("PageControl1")->setCurrentIndex(0); }
    QStringList plan(int row) const { return {cell(0, row), cell(1, row), cell(2, row), cell(3, row), cell(4, row)}; }
    static QStringList texts(std::initializer_list<const char *> list)
    {
        QStringList out;
        for (const char *t : list)
            out << QString::fromUtf8(t);
        return out;
    }

    // The format event's answer for one cell, on a font of a colour no rule uses.
    struct Format
    {
        TAlignment alignment;
        QColor colour;
    };
    Format format(int col, int row)
    {
        CanvasBrush brush;
        CanvasFont font(QFont(), kUntouched);
        TFormatOptions options;
        options.Brush = &brush;
        options.Font = &font;
        bool checkBox = false, comboBox = false, ellipsis = false;
        grid()->OnGetCellFormat(grid(), col, row, {}, options, checkBox, comboBox, ellipsis);
        return {options.AlignmentHorz, font.Color};
    }
    const QColor kUntouched{1, 2, 3};

    TSpinEdit *spin(const char *name) const { return child<TSpinEdit>(name); }
};

} // namespace

TEST_F(LapTableTest, HeaderAndWidthsAreSetAtStart)
{
    const int widths[] = {66, 80, 80, 90, 80, 80, 80, 90, 80};
    const QStringList headers
        = texts({"Runden", "Zeit", "Sollzeit", "in Min:Sek", "km/h", "RealZeit", "RealSollzeit", "in Min:Sek", "km/h"});
    ASSERT_EQ(grid()->ColCount(), 9);
    for (int col = 0; col < 9; ++col) {
        EXPECT_EQ(cell(col, 0), headers[col]) << col;
        if (col < 8) { // the last one is stretched to the grid's width
            EXPECT_EQ(grid()->ColWidths(col), widths[col]) << col;
        }
    }
    EXPECT_EQ(grid()->FixedRows(), 1);
    EXPECT_EQ(grid()->FixedCols(), 0);
    EXPECT_EQ(grid()->DefaultRowHeight(), 20);
    EXPECT_FALSE(grid()->SortOptions().CanSort);
    EXPECT_TRUE(grid()->Options() & goColSizing);
    EXPECT_TRUE(grid()->Options() & goDrawFocusSelected);
    // The target columns are filled only when "Control" is shown.
    EXPECT_EQ(cell(0, 1), QString());
}

TEST_F(LapTableTest, TheInitialPlan)
{
    showControl();
    EXPECT_EQ(grid()->RowCount(), 17);
    EXPECT_EQ(plan(1), texts({"15", "1,5", "1,50", "0:01,50", "32,88"}));
    EXPECT_EQ(plan(2), texts({"14", "21,9", "23,40", "0:23,40", "32,88"}));
    EXPECT_EQ(plan(16), texts({"0", "21,9", "330,00", "5:30,00", "32,88"}));
}

TEST_F(LapTableTest, ExtraMetresGiveTheStartLineTheirTime)
{
    spin("seLenKrug")->setValue(400);
    spin("seKrugov")->setValue(1);
    spin("seLengthDop")->setValue(100);
    spin("seTime")->setValue(40);
    child<TSpinFloatEdit>("seDopTime")->setValue(1.0L);
    ASSERT_EQ(form.TargetLapMs(), 31200);
    showControl();
    EXPECT_EQ(grid()->RowCount(), 3);
    EXPECT_EQ(plan(1), texts({"1", "7,8", "8,80", "0:08,80", "46,15"}));
    EXPECT_EQ(plan(2), texts({"0", "31,2", "40,00", "0:40,00", "46,15"}));
}

TEST_F(LapTableTest, FewerLapsShortenTheTableWhenItIsShownAgain)
{
    showControl();
    showInline();
    spin("seKrugov")->setValue(10);
    EXPECT_EQ(grid()->RowCount(), 17); // not before "Control" is shown
    showControl();
    EXPECT_EQ(grid()->RowCount(), 12);
    EXPECT_EQ(cell(0, 11), QStringLiteral("0"));
    EXPECT_EQ(cell(2, 11), QStringLiteral("330,00"));
}

TEST_F(LapTableTest, ShowingTheTableDuringARaceRefreshesTargetsAndKeepsResults)
{
    ctrl(Qt::Key_S);
    at(23456);
    ctrl(Qt::Key_L);
    grid()->SetCells(2, 2, QStringLiteral("stale"));
    showControl();
    EXPECT_EQ(cell(2, 2), QStringLiteral("23,40"));
    EXPECT_EQ(cell(5, 2), QStringLiteral("23,45"));
}

TEST_F(LapTableTest, MeasuredLapTimesAreGreenWithinTheTargetAndRedAbove)
{
    showControl();
    struct Case
    {
        int col, row;
        const char *text;
        QColor colour;
    };
    const Case cases[] = {
        {5, 2, "21,90", Colors::clGreen()}, {5, 3, "21,91", Colors::clRed()},
        {5, 4, "12,00", Colors::clGreen()}, {5, 5, "", kUntouched},
        {5, 6, "abc", kUntouched},          {5, 7, "1.234,5", kUntouched},
        {6, 8, "99,00", kUntouched},        {5, 0, "RealZeit", kUntouched},
    };
    for (const Case &c : cases) {
        if (c.row > 0)
            grid()->SetCells(c.col, c.row, QString::fromUtf8(c.text));
        const Format f = format(c.col, c.row);
        EXPECT_EQ(f.colour, c.colour) << c.col << "," << c.row << " " << c.text;
        EXPECT_EQ(f.alignment, taRightJustify) << c.col << "," << c.row;
    }
}

TEST_F(LapTableTest, TheGridDrawsTheLapColoursRightAligned)
{
    showControl();
    ctrl(Qt::Key_S);
    at(23456);
    ctrl(Qt::Key_L); // 23,45: slower than 21,9
    at(45000);
    ctrl(Qt::Key_L); // 21,55: within it
    QApplication::processEvents();
    const QImage image = grid()->viewport()->grab().toImage();
    auto columnsOf = [&image](const QRect &cell, const QColor &colour) {
        int first = -1, last = -1;
        for (int x = cell.left(); x <= cell.right(); ++x)
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                if (image.pixelColor(x, y) == colour) {
                    first = first < 0 ? x : first;
                    last = x;
                }
        return std::pair{first, last};
    };
    const QRect slow = grid()->CellRect(5, 2);
    const QRect fast = grid()->CellRect(5, 3);
    ASSERT_FALSE(slow.isEmpty());
    const auto [redFirst, redLast] = columnsOf(slow, Colors::clRed());
    EXPECT_GE(redFirst, slow.left());
    EXPECT_GE(redLast, slow.right() - 6); // right-aligned: the text ends at the cell's right edge
    EXPECT_LT(redLast, slow.right() + 1);
    EXPECT_GE(columnsOf(fast, Colors::clGreen()).first, fast.left());
    EXPECT_LT(columnsOf(slow, Colors::clGreen()).first, 0);
    saveTestPng(grid(), QStringLiteral("lap_table_two_laps"));
}

// Rows beyond the row count keep their texts in the grid; START must empty
// them too, or the last race's times come back when the table grows.
TEST_F(LapTableTest, StartEmptiesResultsBeyondTheRowCount)
{
    spin("seKrugov")->setValue(25);
    spin("seLenKrug")->setValue(400); // "Control" not shown: still 17 rows
    auto race = [this](int passings) {
        ctrl(Qt::Key_S);
        for (int i = 1; i < passings; ++i) {
            at(i * 30000);
            ctrl(Qt::Key_L);
        }
        at(passings * 30000);
        ctrl(Qt::Key_P);
    };
    race(25);
    ASSERT_EQ(cell(5, 26), QStringLiteral("30,00"));
    ctrl(Qt::Key_0);
    race(3);
    showControl();
    ASSERT_EQ(grid()->RowCount(), 27);
    EXPECT_EQ(cell(6, 4), QStringLiteral("90,00"));
    for (int row = 5; row <= 26; ++row)
        EXPECT_EQ(results(row), QStringList({QString(), QString(), QString(), QString()})) << row;
}

// Target time 1 s, then an allowance of 1,0 s: no time is left for the laps.
// The race then runs without a schedule, as the screen shows it.
TEST_F(LapTableTest, WithoutATargetLapTimeTheRaceHasNoSchedule)
{
    const QString noTarget(QChar(0x2013));
    spin("seTime")->setValue(1);
    child<TSpinFloatEdit>("seDopTime")->setValue(1.0L);
    ASSERT_EQ(form.TargetLapMs(), 0);
    EXPECT_EQ(panel("pTimeOneKrug")->caption(), noTarget);
    ctrl(Qt::Key_S);
    tickAt(60000);
    EXPECT_EQ(panel("PanelKrugov")->caption(), QStringLiteral("15"));
    EXPECT_EQ(panel("PanelPlusMin")->caption(), noTarget);
    ctrl(Qt::Key_L);
    tickAt(61000);
    EXPECT_EQ(panel("PanelKrugov")->caption(), QStringLiteral("14"));
    EXPECT_EQ(panel("PanelPlusMin")->caption(), noTarget);
    EXPECT_EQ(cell(5, 2), QStringLiteral("60,00"));
    EXPECT_EQ(format(5, 2).colour, kUntouched);
}

// 20010 ms / 1000 and "20,01" are the same double, though not the same
// extended-precision number: the lap is within its target.
TEST_F(LapTableTest, ALapOfExactlyTheTargetTimeIsGreen)
{
    spin("seKrugov")->setValue(10);
    spin("seTime")->setValue(201);
    child<TSpinFloatEdit>("seDopTime")->setValue(0.9L);
    ASSERT_EQ(form.TargetLapMs(), 20010);
    ctrl(Qt::Key_S);
    at(20010);
    ctrl(Qt::Key_L);
    ASSERT_EQ(cell(5, 2), QStringLiteral("20,01"));
    EXPECT_EQ(format(5, 2).colour, Colors::clGreen());
}

namespace {

// The window made in a locale whose decimal separator lies outside Latin-1.
struct ArabicLocale
{
    ArabicLocale() { QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt)); }
    ~ArabicLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
};

class ArabicLapTableTest : private ArabicLocale, public LapTableTest
{
};

} // namespace

TEST_F(ArabicLapTableTest, EveryNumberTextReadsBackInTheLocale)
{
    ASSERT_EQ(QLocale().decimalPoint(), QString(QChar(0x066b)));
    ctrl(Qt::Key_S);
    at(23456);
    ctrl(Qt::Key_L);
    at(45000);
    ctrl(Qt::Key_P);
    showControl();
    const struct
    {
        int col, row;
        double value;
    } cases[] = {
        {1, 1, 1.5},   {2, 1, 1.5},   {4, 1, 32.88}, {1, 2, 21.9},  {2, 3, 45.3},
        {5, 2, 23.45}, {6, 2, 23.45}, {8, 2, 30.7},  {5, 3, 21.55}, {6, 3, 45.0},
    };
    for (const auto &c : cases) {
        bool ok = false;
        EXPECT_EQ(QLocale().toDouble(cell(c.col, c.row), &ok), c.value) << c.col << "," << c.row;
        EXPECT_TRUE(ok) << cell(c.col, c.row).toStdString();
    }
    bool ok = false;
    EXPECT_EQ(QLocale().toDouble(editText("eSpeedSredn"), &ok), 32.0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(format(5, 2).colour, Colors::clRed());
    EXPECT_EQ(format(5, 3).colour, Colors::clGreen());
}
