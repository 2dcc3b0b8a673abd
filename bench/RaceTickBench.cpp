#include "BenchServices.h"
#include "BenchSupport.h"
#include "Main.h"

#include "GroupRace.h"
#include "PairBoard.h"
#include "TickCount.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>
#include <QWindow>

#include <atomic>
#include <filesystem>
#include <fstream>

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

// The same tick with the race display shown alone on a whole screen of
// 3840 × 2160 pixels, at a device pixel ratio of 1 (screen 0) and of 2
// (screen 1: 1920 × 1080 logical). The tick reaches the full-screen display
// through the race timer's own timeout, as it does in the program, and the
// display repaints the segments that change before the tick returns.
static void BM_RaceTickFullScreen(benchmark::State &state)
{
    rundaro::SetTickSource(&readTicks);
    TFormMain form(BenchServices());
    QScreen *screen = QGuiApplication::screens().value(int(state.range(0)));
    if (!screen) {
        state.SkipWithError("the screens of 3840 x 2160 pixels are not configured");
        return;
    }
    form.move(screen->geometry().topLeft());
    form.show();
    form.windowHandle()->setScreen(screen);
    // The display on the window's own screen, whichever is larger.
    form.findChild<QComboBox *>(QStringLiteral("cbDisplay"))->setCurrentIndex(int(state.range(0)) + 1);
    QApplication::processEvents();
    form.findChild<QAction *>(QStringLiteral("mFullScreen"))->trigger();
    QApplication::processEvents();
    form.findChild<QAction *>(QStringLiteral("mStart"))->trigger();
    QApplication::processEvents();
    QTimer *timer = form.findChild<QTimer *>(QStringLiteral("Timer1"));
    for (auto _ : state) {
        g_ticks.fetch_add(10);
        QTimerEvent expiry(timer->timerId());
        QCoreApplication::sendEvent(timer, &expiry);
    }
    state.counters["pct_of_10ms"] = bench::ShareOf(0.010);
    state.SetLabel(state.range(0) == 0 ? "3840 x 2160 px, ratio 1; goal: under 1 % of the 10 ms interval"
                                       : "3840 x 2160 px, ratio 2 (1920 x 1080 logical)");
    rundaro::SetTickSource(nullptr);
}
BENCHMARK(BM_RaceTickFullScreen)->Arg(0)->Arg(1);

// The race tick with a LAP every 100 ticks (a passing a second), with the
// spoken call-outs off (0) and on (1) through the speech thread and a
// silent engine: the tick and the LAP must cost the same either way.
static void BM_RaceTickWithLaps(benchmark::State &state)
{
    rundaro::SetTickSource(&readTicks);
    MainServices services = BenchServices();
    services.Speech = SilentSpeech();
    TFormMain form(services);
    form.findChild<QCheckBox *>(QStringLiteral("cbCallOuts"))->setChecked(state.range(0) == 1);
    form.show();
    QApplication::processEvents();
    QAction *start = form.findChild<QAction *>(QStringLiteral("mStart"));
    QAction *lap = form.findChild<QAction *>(QStringLiteral("mLAP"));
    QAction *reset = form.findChild<QAction *>(QStringLiteral("mReset"));
    QAction *stop = form.findChild<QAction *>(QStringLiteral("mStop"));
    start->trigger();
    int ticks = 0;
    for (auto _ : state) {
        g_ticks.fetch_add(10);
        form.Timer1Timer();
        if (++ticks % 100 == 0) {
            if (lap->isEnabled()) {
                lap->trigger();
            } else {
                state.PauseTiming();
                stop->trigger();
                reset->trigger();
                start->trigger();
                state.ResumeTiming();
            }
            // What the passing queued (the call-out's hand-over among it).
            QCoreApplication::processEvents();
        }
    }
    state.counters["pct_of_10ms"] = bench::ShareOf(0.010);
    state.SetLabel(state.range(0) == 1 ? "call-outs on (silent engine)" : "call-outs off");
    rundaro::SetTickSource(nullptr);
}
BENCHMARK(BM_RaceTickWithLaps)->Arg(0)->Arg(1);

namespace {

// 5000 m on a 400 m track (200 m, then 12 laps of 33,48 s), 1,5 s allowance.
const rundaro::RaceSetup k5000{{12, 33480, 1.5L, 200, 400, "33,5", "43,01"}, 5000, 420};

// Every skater of `group` passes the line once a second of the ticks (100
// ticks), one after the other; a race that is over starts again.
void passEverySecond(rundaro::GroupRace &group, int ticks, std::uint32_t now)
{
    if (ticks % 100 != 0)
        return;
    if (!group.AnyRunning())
        group.Start(k5000, now);
    for (int skater = 0; skater < group.Skaters(); ++skater)
        group.AddPassing(skater, now + std::uint32_t(skater));
}

} // namespace

// The figures of each skater on one clock (time, laps to go, ahead/behind,
// last lap) as the core reckons them at every tick, for one skater and for
// a pair: the part of the tick that grows with the skaters.
static void BM_SkaterBoards(benchmark::State &state)
{
    rundaro::GroupRace group(int(state.range(0)));
    std::uint32_t now = 1000;
    group.Start(k5000, now);
    int ticks = 0;
    for (auto _ : state) {
        now += 10;
        passEverySecond(group, ++ticks, now);
        benchmark::DoNotOptimize(rundaro::BoardsAtLine(group, now));
    }
    state.counters["pct_of_10ms"] = bench::ShareOf(0.010);
    state.SetLabel(state.range(0) == 1 ? "one skater" : "a pair");
}
BENCHMARK(BM_SkaterBoards)->Arg(1)->Arg(2);

// The 10 ms tick as the window runs it, for one skater (1) and for a pair
// (2, "Paar"): the clock's digits and panels, and in a pair each skater's
// row of the pair's board, after a passing of each skater. Goal for a pair:
// at most 1,2 times one skater.
static void BM_RaceTickPair(benchmark::State &state)
{
    rundaro::SetTickSource(&readTicks);
    TFormMain form(BenchServices());
    const bool pair = state.range(0) == 2;
    form.findChild<QCheckBox *>(QStringLiteral("cbPair"))->setChecked(pair);
    form.show();
    QApplication::processEvents();
    form.findChild<QAction *>(QStringLiteral("mStart"))->trigger();
    g_ticks += 20000;
    form.findChild<QAction *>(QStringLiteral("mLAP"))->trigger();
    if (pair)
        form.findChild<QAction *>(QStringLiteral("mLapB"))->trigger();
    auto *board = form.findChild<PairBoard *>();
    for (auto _ : state) {
        const std::uint32_t now = g_ticks.fetch_add(10) + 10;
        form.Timer1Timer();
        // What the race timer's timeout also runs in a pair.
        if (pair)
            board->refresh(now);
    }
    state.counters["pct_of_10ms"] = bench::ShareOf(0.010);
    state.SetLabel(pair ? "a pair: the clock and both skaters' rows" : "one skater");
    rundaro::SetTickSource(nullptr);
}
BENCHMARK(BM_RaceTickPair)->Arg(1)->Arg(2);

int main(int argc, char **argv)
{
    // Two offscreen screens of 3840 × 2160 pixels, unless a configuration is given.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        const std::filesystem::path config = std::filesystem::temp_directory_path() / "rundaro-bench-screens.json";
        std::ofstream(config) << R"({"screens": [)"
                              << R"({"name": "uhd", "x": 0, "y": 0, "width": 3840, "height": 2160, "dpr": 1},)"
                              << R"({"name": "uhd2", "x": 3840, "y": 0, "width": 1920, "height": 1080, "dpr": 2}]})";
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QByteArray::fromStdString(config.string()));
    }
    return bench::RunGuiBenchmarks(argc, argv);
}
