#include "BenchServices.h"
#include "BenchSupport.h"
#include "InterruptedRaces.h"
#include "Main.h"
#include "RaceSheetTexts.h"
#include "RaceStatus.h"
#include "SpinEdit.h"
#include "TickCount.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>

namespace {

std::atomic<std::uint32_t> g_ticks{1000};
std::uint32_t readTicks()
{
    return g_ticks.load();
}

} // namespace

// The rewrite of the race's file that follows each passing: the race as CSV,
// written whole and synced to disk. The window runs it from its event queue
// once the passing's command has returned, so it must be done long before
// the next passing (seconds later on any track).
static void BM_RaceFileWrite(benchmark::State &state)
{
    const int laps = int(state.range(0));
    rundaro::SetTickSource(&readTicks);
    TFormMain form(BenchServices());
    form.findChild<TSpinEdit *>(QStringLiteral("seKrugov"))->setValue(laps);
    QMetaObject::invokeMethod(&form, "bStartClick");
    for (int lap = 1; lap < laps; ++lap) {
        g_ticks.fetch_add(14400);
        QMetaObject::invokeMethod(&form, "bLAPClick");
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("race.csv"));
    QString error;
    for (auto _ : state) {
        if (!WriteRaceCsv(form.Race(), path, error))
            state.SkipWithError(error.toStdString().c_str());
    }
    rundaro::SetTickSource(nullptr);
    state.SetLabel("after each passing, off the timing path; goal: under 100 ms");
}
BENCHMARK(BM_RaceFileWrite)->Arg(15)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();

// The search for races cut short at start, in a folder of finished races of
// 15 laps each: only each file's head is read. It runs on a thread of its
// own, so the window never waits for it.
static void BM_InterruptedRacesSearch(benchmark::State &state)
{
    const int files = int(state.range(0));
    rundaro::SetTickSource(&readTicks);
    TFormMain form(BenchServices());
    QMetaObject::invokeMethod(&form, "bStartClick");
    g_ticks.fetch_add(21000);
    QMetaObject::invokeMethod(&form, "bLAPClick");
    rundaro::SetTickSource(nullptr);
    std::string text = RaceCsvOf(form.Race()).toStdString();
    rundaro::SetRaceStatus(text, rundaro::kStatusFinished);
    QTemporaryDir dir;
    for (int i = 0; i < files; ++i) {
        QFile file(QDir(dir.path()).filePath(QStringLiteral("race-%1.csv").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()))
            state.SkipWithError("cannot write the folder");
    }
    const std::atomic<bool> stop{false};
    for (auto _ : state)
        benchmark::DoNotOptimize(InterruptedRaces::search(dir.path(), stop));
    state.SetLabel("at start, on a thread of its own; files in the page cache");
}
BENCHMARK(BM_InterruptedRacesSearch)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    return bench::RunGuiBenchmarks(argc, argv);
}
