#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

// Whole-process figures of the program against the smallest Qt Widgets
// program, each started as a child process of this one.
namespace {

using Clock = std::chrono::steady_clock;

struct ChildRun
{
    double firstLineMs = 0;       // from the spawn to the first line the child printed
    std::vector<std::string> lines;
    int status = -1;

    // The CPU time the child reported with its first frame, in ms.
    double paintedCpuMs() const
    {
        long peak = 0;
        double cpu = 0;
        for (const auto &line : lines) {
            if (std::sscanf(line.c_str(), "painted %ld %lf", &peak, &cpu) == 2)
                return cpu;
        }
        return 0;
    }
};

std::string sibling(const char *name)
{
    return (QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name)).toStdString();
}

// Runs `program` with `argument`, its settings in a fresh folder, and
// collects what it prints.
ChildRun runChild(const std::string &program, const char *argument)
{
    ChildRun run;
    QTemporaryDir config;
    int out[2];
    if (pipe(out) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0 && std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    }
    env.push_back("XDG_CONFIG_HOME=" + config.path().toStdString());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char *> envp;
    for (auto &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<char *> argv{const_cast<char *>(program.c_str()), const_cast<char *>(argument), nullptr};

    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return run;
    }
    FILE *in = fdopen(out[0], "r");
    char line[256];
    while (std::fgets(line, sizeof line, in)) {
        if (run.lines.empty())
            run.firstLineMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        run.lines.emplace_back(line);
    }
    std::fclose(in);
    waitpid(pid, &run.status, 0);
    return run;
}

// Process start to the first painted frame of the main window (offscreen),
// median of 15 starts each, the two programs taking turns. Beside the wall
// time, the CPU time each child used up to its first frame: on a loaded
// machine the wall time also holds the waits for a free core, the CPU time
// only the work.
void BM_StartupToFirstFrame(benchmark::State &state)
{
    const std::string rundaro = sibling("bench_rundaro_child");
    const std::string minimal = sibling("bench_minimal_qt");
    for (auto _ : state) {
        std::vector<double> ours, theirs, oursCpu, theirsCpu;
        runChild(rundaro, "startup"); // warm the caches once for both
        runChild(minimal, "startup");
        for (int i = 0; i < 15; ++i) {
            const ChildRun a = runChild(rundaro, "startup");
            const ChildRun b = runChild(minimal, "startup");
            ours.push_back(a.firstLineMs);
            theirs.push_back(b.firstLineMs);
            oursCpu.push_back(a.paintedCpuMs());
            theirsCpu.push_back(b.paintedCpuMs());
        }
        const double a = bench::Percentile(ours, 50);
        const double b = bench::Percentile(theirs, 50);
        const double aCpu = bench::Percentile(oursCpu, 50);
        const double bCpu = bench::Percentile(theirsCpu, 50);
        state.SetIterationTime(a / 1000);
        state.counters["rundaro_ms"] = a;
        state.counters["minimal_qt_ms"] = b;
        state.counters["ratio"] = b > 0 ? a / b : 0;
        state.counters["cpu_ratio"] = bCpu > 0 ? aCpu / bCpu : 0;
    }
    state.SetLabel("goal: ratio under 1.3");
}
BENCHMARK(BM_StartupToFirstFrame)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Peak resident size after a two-hour race of 500 laps, against the
// smallest Qt program showing a window; and the growth from lap 100 to 500.
void BM_RaceMemory(benchmark::State &state)
{
    for (auto _ : state) {
        const ChildRun race = runChild(sibling("bench_rundaro_child"), "race");
        const ChildRun minimal = runChild(sibling("bench_minimal_qt"), "startup");
        long lap100 = 0, lap500 = 0, peak = 0, minimalPeak = 0;
        for (const auto &line : race.lines)
            std::sscanf(line.c_str(), "race %ld %ld %ld", &lap100, &lap500, &peak);
        for (const auto &line : minimal.lines)
            std::sscanf(line.c_str(), "painted %ld", &minimalPeak);
        state.counters["peak_MiB"] = double(peak) / 1024;
        state.counters["minimal_qt_MiB"] = double(minimalPeak) / 1024;
        state.counters["ratio"] = minimalPeak > 0 ? double(peak) / double(minimalPeak) : 0;
        state.counters["growth_100_500_KiB"] = double(lap500 - lap100);
    }
    state.SetLabel("goal: ratio under 1.2, no growth from lap 100 to 500");
}
BENCHMARK(BM_RaceMemory)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return bench::RunCoreBenchmarks(argc, argv);
}
