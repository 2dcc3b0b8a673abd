#include "BenchSupport.h"
#include "SortGrid.h"

#include <QImage>
#include <QLocale>
#include <QPainter>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

// A lap-table-sized grid whose format event reads and converts one column,
// as the program's handler does on every paint.
void setUp(TSortGrid &grid, int rows = 42)
{
    grid.SetColCount(9);
    grid.SetRowCount(rows);
    grid.SetDefaultRowHeight(20);
    for (int c = 0; c < 9; ++c)
        grid.SetColWidths(c, 80);
    for (int r = 1; r < rows; ++r)
        for (int c = 0; c < 9; ++c)
            grid.SetCells(c, r, QStringLiteral("21,95"));
    grid.OnGetCellFormat
        = [&grid](QObject *, int Col, int Row, TGridDrawState, TFormatOptions &fo, bool &, bool &, bool &) {
              fo.AlignmentHorz = taRightJustify;
              if (Col != 5 || Row == 0)
                  return;
              bool ok = false;
              const double value = QLocale().toDouble(grid.Cells(Col, Row), &ok);
              if (ok)
                  fo.Font->Color = value <= 21.9 ? QColor(0, 128, 0) : QColor(255, 0, 0);
          };
    grid.resize(708, 400);
}

// Painting happens on every lap and every scroll; one whole lap table
// (708 × 400, 17 rows as in the initial plan, or 2,000) per round. Only the
// visible cells are drawn, so both must cost the same.
void BM_PaintLapGrid(benchmark::State &state)
{
    TSortGrid grid;
    setUp(grid, int(state.range(0)));
    QImage target(grid.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid.render(&target);
        benchmark::ClobberMemory();
    }
    state.SetLabel("rows; goal: same cost for 17 and 2000 rows");
}
BENCHMARK(BM_PaintLapGrid)->Arg(17)->Arg(2000)->Unit(benchmark::kMicrosecond);

// Cells written sparsely across a 1,000,000 × 1,000 grid: the store must
// grow with the cells written, not with the grid's size.
void BM_SparseCellMemory(benchmark::State &state)
{
    const int cells = int(state.range(0));
    for (auto _ : state) {
        const long before = bench::ResidentKiB();
        auto grid = std::make_unique<TSortGrid>();
        grid->SetColCount(1000);
        grid->SetRowCount(1000000);
        const long empty = bench::ResidentKiB();
        for (int i = 0; i < cells; ++i) {
            const int row = int((std::int64_t(i) * 7919) % 1000000);
            grid->SetCells(int((std::int64_t(i) * 104729) % 1000), row, QStringLiteral("21,95"));
        }
        const long filled = bench::ResidentKiB();
        state.counters["empty_grid_KiB"] = double(empty - before);
        state.counters["bytes_per_cell"] = double(filled - empty) * 1024 / cells;
    }
    state.SetLabel("cells; goal: bytes per cell the same for 100k and 1M");
}
BENCHMARK(BM_SparseCellMemory)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

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
    return bench::RunGuiBenchmarks(argc, argv);
}
