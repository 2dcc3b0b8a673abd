#include "BenchSupport.h"
#include "SortCompare.h"
#include "SortGrid.h"

#include <QApplication>
#include <QLocale>
#include <QTime>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// A grid of n data rows whose column 0 holds decimal numbers in no order and
// column 1 names like "item17".
void fill(TSortGrid &grid, int rows)
{
    grid.SetColCount(3);
    grid.SetRowCount(rows + 1);
    unsigned seed = 12345;
    for (int r = 1; r <= rows; ++r) {
        seed = seed * 1103515245u + 12345u;
        grid.SetCells(0, r, QLocale().toString((seed >> 8) % 100000 / 100.0, 'f', 2));
        grid.SetCells(1, r, QStringLiteral("item%1").arg((seed >> 4) % 1000));
        grid.SetCells(2, r, QString::number(r));
    }
}

// Sorts by a column in the direction opposite to the last sort, as a second
// header click does.
void sortAgain(TSortGrid &grid, TSortStyle style, int col)
{
    grid.SortOptions().SortStyle = style;
    grid.SortOptions().SortDirection = grid.SortOptions().SortDirection == sdAscending ? sdDescending : sdAscending;
    grid.SortByColumn(col);
}

// A header click on a grid of state.range(0) rows with the style detected.
void BM_SortAutomatic(benchmark::State &state)
{
    TSortGrid grid;
    fill(grid, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        sortAgain(grid, ssAutomatic, 0);
    }
}
BENCHMARK(BM_SortAutomatic)->Arg(100)->Arg(1000);

// Sorting by the digit-aware order with a secondary key.
void BM_SortNumericExtended(benchmark::State &state)
{
    TSortGrid grid;
    fill(grid, static_cast<int>(state.range(0)));
    grid.SortOptions().SecondaryIndex = QStringLiteral("0");
    for (auto _ : state) {
        sortAgain(grid, ssNumericExtended, 1);
    }
}
BENCHMARK(BM_SortNumericExtended)->Arg(1000);

// A header click on a column of lap times of the day ("9:05:12,345"), read
// in the locale's time formats.
void BM_SortTimes(benchmark::State &state)
{
    TSortGrid grid;
    fill(grid, static_cast<int>(state.range(0)));
    for (int r = 1; r < grid.RowCount(); ++r) {
        const int ms = (r * 7919 * 1000) % 86400000;
        grid.SetCells(0, r, QLocale().toString(QTime::fromMSecsSinceStartOfDay(ms), QStringLiteral("H:mm:ss,zzz")));
    }
    for (auto _ : state) {
        sortAgain(grid, ssAutomatic, 0);
    }
}
BENCHMARK(BM_SortTimes)->Arg(1000);

// One digit-aware comparison on its own.
void BM_NumericExtendedCompare(benchmark::State &state)
{
    const std::string a = "lap 12 of 40 (item2)";
    const std::string b = "lap 12 of 40 (item10)";
    for (auto _ : state)
        benchmark::DoNotOptimize(SortCompare::NumericExtended(a, b));
}
BENCHMARK(BM_NumericExtendedCompare);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunGuiBenchmarks(argc, argv);
}
