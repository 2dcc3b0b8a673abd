#include "BenchSupport.h"
#include "RaceHistory.h"
#include "RaceHistoryDialog.h"
#include "RaceResultsDialog.h"
#include "RaceResultsModel.h"
#include "RaceSheet.h"
#include "RaceSheetTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int kFiles = 5000;

// A folder of 5 000 race files, all of one day: three distances, a dozen
// skaters, every hundredth file unreadable. A folder of its own in a
// temporary one, so that the removed races beside it are the benchmark's.
QString raceFolder()
{
    static QTemporaryDir root;
    static const QDir dir(root.filePath(QStringLiteral("races")));
    static bool made = false;
    if (!made) {
        made = true;
        QDir().mkpath(dir.path());
        const rundaro::RaceSetup setups[] = {
            {{15, 21900, 1.5L, 0, 200, "21,9", "32,88"}, 3000, 330},
            {{12, 33480, 1.5L, 200, 400, "33,5", "43,01"}, 5000, 420},
            {{25, 28000, 1.5L, 0, 400, "28,0", "51,43"}, 10000, 702},
        };
        const rundaro::RaceRowTexts headers = LapTableHeaders();
        for (int i = 0; i < kFiles; ++i) {
            const rundaro::RaceSetup &setup = setups[i % 3];
            rundaro::RaceRecord race;
            race.SetSkater("Läufer " + std::to_string(i % 12));
            race.Start(setup, 0);
            const int passings = int(setup.plan.laps) + (setup.plan.extraMetres ? 1 : 0);
            for (int p = 0; p < passings; ++p)
                race.AddPassing(std::uint32_t(20000 + p * (setup.plan.targetLapMs + i % 700)), p + 1 == passings);
            QByteArray bytes = QByteArray::fromStdString(
                rundaro::RaceCsv(rundaro::MakeRaceSheet(race, "01.01.2025", "10:00:00", ","), headers));
            if (i % 100 == 99)
                bytes.truncate(bytes.size() / 2);
            QFile file(dir.filePath(QStringLiteral("2025-%1.csv").arg(i, 6, 10, QLatin1Char('0'))));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
    }
    return dir.path();
}

long heapBytes()
{
#if defined(__GLIBC__)
    return long(mallinfo2().uordblks);
#else
    return bench::ResidentKiB() * 1024;
#endif
}

} // namespace

// The history of a folder of 5 000 races, shown in the dialog: the first
// screen, the whole list, the longest time the event loop was kept from
// running (a 2 ms timer's largest lateness) and the memory each listed race
// takes. Goal: the event loop never blocked for 50 ms or more.
static void BM_RaceHistory5000(benchmark::State &state)
{
    const QString folder = raceFolder();
    double firstMs = 0, wholeMs = 0, longestBlockMs = 0, bytesPerRace = 0;
    for (auto _ : state) {
        const long heapBefore = heapBytes();
        auto *history = new RaceHistory(folder, nullptr);
        auto *dialog = new RaceHistoryDialog(*history, nullptr);
        dialog->show();
        QElapsedTimer clock;
        QElapsedTimer sinceTick;
        double longest = 0;
        QTimer ticker;
        ticker.setInterval(2);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longest = std::max(longest, double(sinceTick.nsecsElapsed()) / 1e6 - 2);
            sinceTick.restart();
        });
        double first = -1;
        QObject::connect(history, &RaceHistory::changed, [&] {
            if (first < 0 && history->model().size() > 0)
                first = double(clock.nsecsElapsed()) / 1e6;
        });
        clock.start();
        sinceTick.start();
        ticker.start();
        history->reload();
        while (!history->isComplete())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double whole = double(clock.nsecsElapsed()) / 1e6;
        ticker.stop();
        if (history->model().size() != kFiles)
            state.SkipWithError("not every file listed");
        firstMs += first;
        wholeMs += whole;
        longestBlockMs = std::max(longestBlockMs, longest);
        bytesPerRace += double(heapBytes() - heapBefore) / kFiles;
        delete dialog;
        delete history;
    }
    const double n = double(state.iterations());
    state.counters["first_screen_ms"] = firstMs / n;
    state.counters["whole_list_ms"] = wholeMs / n;
    state.counters["longest_block_ms"] = longestBlockMs;
    state.counters["bytes_per_race"] = bytesPerRace / n;
    state.SetLabel("goal: longest_block_ms < 50");
}
BENCHMARK(BM_RaceHistory5000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The results of the day from the same 5 000 races, all of one day (the
// worst case: every race is listed and is someone's best or not): the time
// from opening to the whole list, the longest time the event loop was kept
// from running, and the making of the day's list alone (on the window's
// thread, from races already read). Goal: the event loop never blocked for
// 50 ms or more.
static void BM_RaceResults5000(benchmark::State &state)
{
    const QString folder = raceFolder();
    double wholeMs = 0, longestBlockMs = 0, listMs = 0;
    for (auto _ : state) {
        auto *history = new RaceHistory(folder, nullptr);
        auto *dialog = new RaceResultsDialog(*history, nullptr);
        dialog->show();
        QElapsedTimer clock;
        QElapsedTimer sinceTick;
        double longest = 0;
        QTimer ticker;
        ticker.setInterval(2);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longest = std::max(longest, double(sinceTick.nsecsElapsed()) / 1e6 - 2);
            sinceTick.restart();
        });
        clock.start();
        sinceTick.start();
        ticker.start();
        dialog->reload();
        while (!dialog->isReady())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        const double whole = double(clock.nsecsElapsed()) / 1e6;
        ticker.stop();
        if (dialog->model().size() != kFiles - kFiles / 100)
            state.SkipWithError("not every race listed");
        QElapsedTimer list;
        list.start();
        dialog->showDay(QStringLiteral("01.01.2025"));
        listMs += double(list.nsecsElapsed()) / 1e6;
        wholeMs += whole;
        longestBlockMs = std::max(longestBlockMs, longest);
        delete dialog;
        delete history;
    }
    const double n = double(state.iterations());
    state.counters["whole_list_ms"] = wholeMs / n;
    state.counters["longest_block_ms"] = longestBlockMs;
    state.counters["day_list_ms"] = listMs / n;
    state.SetLabel("goal: longest_block_ms < 50");
}
BENCHMARK(BM_RaceResults5000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    return bench::RunGuiBenchmarks(argc, argv);
}
