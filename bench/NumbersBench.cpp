#include "BenchSupport.h"
#include "Numbers.h"

#include <benchmark/benchmark.h>

// Formatting runs on every 10 ms race tick; this keeps an eye on its cost.
static void BM_FormatFixed(benchmark::State &state)
{
    rundaro::Real x = 21.945L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rundaro::FormatFixed(x, 2, ','));
        x += 0.001L;
    }
}
BENCHMARK(BM_FormatFixed);

int main(int argc, char **argv)
{
    return bench::RunCoreBenchmarks(argc, argv);
}
