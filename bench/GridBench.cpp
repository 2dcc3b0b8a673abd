#include "SortGrid.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A lap-table-sized grid whose format event reads and converts one column,
// as the program's handler does on every paint.
void setUp(TSortGrid &grid)
{
    grid.SetColCount(9);
    grid.SetRowCount(42);
    grid.SetDefaultRowHeight(20);
    for (int c = 0; c < 9; ++c)
        grid.SetColWidths(c, 80);
    for (int r = 1; r < 42; ++r)
        for (int c = 0; c < 9; ++c)
            grid.SetCells(c, r, QStringLiteral("21,95"));
    grid.OnGetCellFormat = [&grid](QObject *, int Col, int Row, TGridDrawState, TFormatOptions &fo, bool &,
                                   bool &, bool &) {
        fo.AlignmentHorz = taRightJustify;
        if (Col != 5 || Row == 0)
            return;
        bool ok = false;
        const double value = QLocale().toDouble(grid.Cells(Col, Row), &ok);
        if (ok)
            fo.Font->Color = value <= 21.9 ? QColor(0, 128, 0) : QColor(255, 0, 0);
    };
    grid.resize(800, 900);
}

// Painting happens on every lap and every scroll; one whole grid per round.
void BM_PaintLapGrid(benchmark::State &state)
{
    TSortGrid grid;
    setUp(grid);
    QImage target(grid.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid.render(&target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintLapGrid);

// Writing a cell: the store's lookups and the one-cell repaint request.
void BM_WriteCell(benchmark::State &state)
{
    TSortGrid grid;
    setUp(grid);
    int row = 1;
    for (auto _ : state) {
        grid.SetCells(6, row, QStringLiteral("123,45"));
        row = row % 40 + 1;
    }
}
BENCHMARK(BM_WriteCell);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
