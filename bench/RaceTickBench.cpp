#include "BenchSupport.h"
#include "BenchServices.h"
#include "Main.h"

#include "TickCount.h"

#include <QAction>
#include <QApplication>

#include <atomic>

#include <benchmark/benchmark.h>

namespace {

std::atomic<std::uint32_t> g_ticks{1000};
std::uint32_t readTicks()
{
    return g_ticks.load();
}

} // namespace

// The 10 ms race tick with the display shown: time, laps to go and
// ahead/behind are recomputed from the tick counter each time. Each step
// moves the clock by 10 ms, so the hundredths repaint at every tick.
static void BM_RaceTick(benchmark::State &state)
{
    rundaro::SetTickSource(&readTicks);
    TFormMain form(BenchServices());
    form.show();
    QApplication::processEvents();
    form.findChild<QAction *>(QStringLiteral("mStart"))->trigger();
    for (auto _ : state) {
        g_ticks.fetch_add(10);
        form.Timer1Timer();
    }
    state.counters["pct_of_10ms"] = bench::ShareOf(0.010);
    state.SetLabel("goal: under 1 % of the 10 ms interval");
    rundaro::SetTickSource(nullptr);
}
BENCHMARK(BM_RaceTick);

int main(int argc, char **argv)
{
    return bench::RunGuiBenchmarks(argc, argv);
}
