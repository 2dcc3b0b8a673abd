#include "BenchPty.h"
#include "BenchServices.h"
#include "BenchSupport.h"
#include "Comms.h"
#include "Main.h"
#include "PortLock.h"
#include "RaceFile.h"
#include "SettingsOrder.h"
#include "SimulatedDriver.h"
#include "SpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

// Keyboard passings while the contact's line is lost. Another process holds
// 20 000 descriptors open (on /dev/null; fewer where its limit is lower), and, in the lost case, the
// contact's port too: every try to open the port again searches the
// descriptors of every process for it (a program that holds the port
// without a lock) before anything is done to the port, and finds it held.
// The window tries every 100 ms here (once a second in the program) so that
// many passings meet a try. A passing is asked for from another thread, as
// a key press comes, at random moments; its delay is from that moment to the
// lap recorded on the window's thread. The same with the port open and the
// line fine (no search at all) is the yardstick: the goal is the same
// delays.
namespace {

using Clock = std::chrono::steady_clock;
// As many as the process may open, up to 20 000 (less a few for itself).
int descriptorsToHold()
{
    rlimit limit = {};
    getrlimit(RLIMIT_NOFILE, &limit);
    return int(std::min<rlim_t>(20000, limit.rlim_max - 16));
}
constexpr int kPassings = 300;

// A process holding `count` descriptors on /dev/null and, when `port` is
// given, the port last (the search finds it after all the others); returns
// once it holds them all. -1 when it could not.
pid_t startHolder(int count, const std::string &port)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        rlimit limit = {};
        getrlimit(RLIMIT_NOFILE, &limit);
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
        for (int i = 0; i < count; ++i) {
            if (open("/dev/null", O_RDONLY) < 0)
                _exit(1);
        }
        if (!port.empty() && open(port.c_str(), O_RDWR | O_NOCTTY) < 0)
            _exit(2);
        const char one = 1;
        if (write(ready[1], &one, 1) != 1)
            _exit(3);
        for (;;)
            pause();
    }
    close(ready[1]);
    char got = 0;
    const bool holds = child > 0 && read(ready[0], &got, 1) == 1;
    close(ready[0]);
    if (holds)
        return child;
    if (child > 0)
        waitpid(child, nullptr, 0);
    return -1;
}

// Asks for passings at random moments 5 to 40 ms apart, each posted to the
// window's thread like a key press, noting when.
class Keyboard
{
public:
    explicit Keyboard(QAction *lap)
        : m_lap(lap)
    {
    }
    void run(int passings)
    {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> pauseMs(5, 40);
        for (int i = 0; i < passings; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs(random)));
            {
                std::lock_guard lock(m_mutex);
                m_asked.push_back(Clock::now());
            }
            QMetaObject::invokeMethod(
                m_lap, [lap = m_lap] { lap->trigger(); }, Qt::QueuedConnection);
        }
    }
    Clock::time_point asked(std::size_t i)
    {
        std::lock_guard lock(m_mutex);
        return m_asked.at(i);
    }

private:
    QAction *m_lap;
    std::mutex m_mutex;
    std::vector<Clock::time_point> m_asked;
};

void BM_KeyboardLapWhileLineLost(benchmark::State &state)
{
    // 0: line fine; 1: line lost; 2: line lost, and the search for another
    // holder also made on the window's thread at each try, as the program
    // did before it moved the tries to a thread of their own.
    const bool lost = state.range(0) >= 1;
    const bool searchOnWindowThread = state.range(0) == 2;
    BenchPty pty;
    const int descriptors = descriptorsToHold();
    const pid_t holder = startHolder(descriptors, lost ? pty.SlaveName() : std::string());
    if (holder < 0) {
        state.SkipWithError("no process could hold the descriptors");
        return;
    }
    QTemporaryDir locks;
    rundaro::serial::PortSafety safety;
    safety.lockFolder = locks.path().toStdString();
    safety.processFolder = "/proc";
    auto driver = std::make_shared<rundaro::serial::SimulatedDriver>();
    MainServices services = BenchServices();
    services.DeviceFactory = [path = pty.SlaveName(), driver, safety](std::uint8_t) {
        return rundaro::serial::OpenPath(path, driver, safety);
    };
    services.ListPorts = [] { return std::vector<std::uint8_t>{1}; };
    services.Store->openKeyForWrite(rundaro::RegistryKeyFor(QCoreApplication::applicationFilePath().toStdString()));
    services.Store->writeDword("Port", 1);
    services.Store->writeDword("Alg", 0);
    services.Store->closeKey();

    std::vector<double> delayMs;
    bool stayedLost = true;
    for (auto _ : state) {
        TFormMain form(services);
        form.findChild<TSpinEdit *>(QStringLiteral("seKrugov"))->setValue(999);
        form.show();
        QCoreApplication::processEvents();
        form.findChild<QTimer *>(QStringLiteral("TimerReconnect"))->setInterval(100);
        auto *raceFile = form.findChild<RaceFile *>(QStringLiteral("RaceFile"));
        auto *lap = form.findChild<QAction *>(QStringLiteral("mLAP"));
        form.findChild<QAction *>(QStringLiteral("mStart"))->trigger();
        std::vector<Clock::time_point> recorded;
        QObject::connect(&form, &TFormMain::passingRecorded, &form, [&recorded] { recorded.push_back(Clock::now()); });
        QTimer search;
        struct stat node = {};
        stat(pty.SlaveName().c_str(), &node);
        QObject::connect(&search, &QTimer::timeout, &form, [&node] { rundaro::serial::FindPortHolder("/proc", node); });
        if (searchOnWindowThread)
            search.start(100);
        Keyboard keyboard(lap);
        std::thread typing([&keyboard] { keyboard.run(kPassings); });
        while (int(recorded.size()) < kPassings) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            stayedLost = stayedLost && !form.findChild<TComPort *>(QStringLiteral("ComPort"))->Connected();
        }
        typing.join();
        raceFile->flush();
        for (std::size_t i = 0; i < recorded.size(); ++i)
            delayMs.push_back(std::chrono::duration<double, std::milli>(recorded[i] - keyboard.asked(i)).count());
    }
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    state.counters["passings"] = double(delayMs.size());
    state.counters["descriptors"] = descriptors;
    state.counters["p50_ms"] = bench::Percentile(delayMs, 50);
    state.counters["p99_ms"] = bench::Percentile(delayMs, 99);
    state.counters["max_ms"] = bench::Percentile(delayMs, 100);
    state.SetLabel(!lost             ? "line fine: the yardstick"
                       : !stayedLost ? "line lost: THE PORT OPENED, not measured as meant"
                       : searchOnWindowThread
                       ? "line lost, and the holder search on the window's thread every 100 ms: as before"
                       : "line lost, port tried every 100 ms; goal: delays as with the line fine");
}
BENCHMARK(BM_KeyboardLapWhileLineLost)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return bench::RunGuiBenchmarks(argc, argv);
}
