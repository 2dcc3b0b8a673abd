#include "BenchSupport.h"
#include "FlEdit.h"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

// The race clock reads the allowance several times on every 10 ms tick: a
// read parses the short text and clamps it.
static void BM_SpinFloatEditValueRead(benchmark::State &state)
{
    TSpinFloatEdit edit;
    edit.setMax(9.9L);
    edit.setValue(1.5L);
    for (auto _ : state)
        benchmark::DoNotOptimize(edit.value());
}
BENCHMARK(BM_SpinFloatEditValueRead);

int main(int argc, char **argv)
{
    return bench::RunGuiBenchmarks(argc, argv);
}
