#include "BenchServices.h"
#include "BenchSupport.h"
#include "FirstPaint.h"
#include "Main.h"
#include "SoundThread.h"
#include "SpinEdit.h"
#include "TickCount.h"

#include "Application.h"
#include <QLocale>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The program's window in a process of its own, for the whole-process
// figures:
//   startup  shows the window and reports its first painted frame;
//   race     runs a two-hour race of 500 laps on a replaced clock, 10 ms
//            ticks included, and reports the resident size at lap 100 and
//            lap 500 and the peak.
namespace {

std::atomic<std::uint32_t> g_ticks{1000};
std::uint32_t readTicks()
{
    return g_ticks.load();
}

void runRace(TFormMain &form)
{
    constexpr int kLaps = 500;
    constexpr int kTicksPerLap = 1440; // 14.4 s a lap: 500 laps in two hours
    form.findChild<TSpinEdit *>(QStringLiteral("seKrugov"))->setValue(kLaps);
    form.findChild<TSpinEdit *>(QStringLiteral("seTime"))->setValue(7200);
    QMetaObject::invokeMethod(&form, "bStartClick");
    long atLap100 = 0;
    long atLap500 = 0;
    for (int lap = 1; lap <= kLaps; ++lap) {
        for (int tick = 0; tick < kTicksPerLap; ++tick) {
            g_ticks.fetch_add(10);
            form.Timer1Timer();
            if (tick % 100 == 0)
                QCoreApplication::processEvents();
        }
        QMetaObject::invokeMethod(&form, lap < kLaps ? "bLAPClick" : "bStopClick");
        QCoreApplication::processEvents();
        if (lap == 100)
            atLap100 = bench::ResidentKiB();
        if (lap == kLaps)
            atLap500 = bench::ResidentKiB();
    }
    std::printf("race %ld %ld %ld\n", atLap100, atLap500, bench::PeakResidentKiB());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool race = argc > 1 && std::strcmp(argv[1], "race") == 0;
    Application app(argc, argv);
    if (race)
        rundaro::SetTickSource(&readTicks);
    int result = 0;
    {
        TFormMain form(BenchServices(false));
        new FirstPaint(&form, !race);
        form.show();
        if (race) {
            QCoreApplication::processEvents();
            runRace(form);
        } else {
            result = app.exec();
        }
    }
    // As the program does: a sound thread left in a hanging sound server
    // would hold up the audio library's clean-up at exit.
    if (SoundThread::leftRunning()) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
