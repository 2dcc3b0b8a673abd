#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

// Whole-process figures of the program against the smallest Qt Widgets
// program, each started as a child process of this one.
namespace {

using Clock = std::chrono::steady_clock;

struct ChildRun
{
    double firstLineMs = 0; // from the spawn to the first line the child printed
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

// Runs `program` with `argument`, its settings in a fresh folder and
// `extraEnv` added to its environment, and collects what it prints.
ChildRun runChild(const std::string &program, const char *argument, const std::vector<std::string> &extraEnv = {})
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
    auto replaced = [&extraEnv](const char *entry) {
        const std::string_view e(entry);
        if (e.starts_with("XDG_CONFIG_HOME=") || e.starts_with("QT_QPA_PLATFORM="))
            return true;
        return std::any_of(extraEnv.begin(), extraEnv.end(), [e](const std::string &x) {
            return e.substr(0, e.find('=') + 1) == std::string_view(x).substr(0, x.find('=') + 1);
        });
    };
    for (char **e = environ; *e; ++e) {
        if (!replaced(*e))
            env.emplace_back(*e);
    }
    env.push_back("XDG_CONFIG_HOME=" + config.path().toStdString());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
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
// median of 15 starts each, the programs taking turns: the window, the
// minimal Qt program and the fonts-only program (the window's texts in its
// fonts and nothing else: the floor of what the window can cost). Beside the
// wall time, the CPU time each child used up to its first frame: on a
// loaded machine the wall time also holds the waits for a free core, the CPU
// time only the work.
void BM_StartupToFirstFrame(benchmark::State &state)
{
    const std::string programs[]
        = {sibling("bench_rundaro_child"), sibling("bench_minimal_qt"), sibling("bench_fonts_only")};
    for (auto _ : state) {
        std::vector<double> wall[3], cpu[3];
        for (const std::string &program : programs)
            runChild(program, "startup"); // warm the caches once for each
        for (int i = 0; i < 15; ++i) {
            for (int p = 0; p < 3; ++p) {
                const ChildRun run = runChild(programs[p], "startup");
                wall[p].push_back(run.firstLineMs);
                cpu[p].push_back(run.paintedCpuMs());
            }
        }
        double wallMs[3], cpuMs[3];
        for (int p = 0; p < 3; ++p) {
            wallMs[p] = bench::Percentile(wall[p], 50);
            cpuMs[p] = bench::Percentile(cpu[p], 50);
        }
        auto ratio = [](double a, double b) { return b > 0 ? a / b : 0; };
        state.SetIterationTime(wallMs[0] / 1000);
        state.counters["rundaro_ms"] = wallMs[0];
        state.counters["minimal_qt_ms"] = wallMs[1];
        state.counters["ratio"] = ratio(wallMs[0], wallMs[1]);
        state.counters["cpu_ratio"] = ratio(cpuMs[0], cpuMs[1]);
        state.counters["fonts_only_ratio"] = ratio(wallMs[2], wallMs[1]);
        state.counters["fonts_only_cpu_ratio"] = ratio(cpuMs[2], cpuMs[1]);
        // The window against its floor, the fonts it shows.
        state.counters["floor_ratio"] = ratio(wallMs[0], wallMs[2]);
        state.counters["floor_cpu_ratio"] = ratio(cpuMs[0], cpuMs[2]);
    }
    state.SetLabel("goal: floor_ratio (against fonts_only, the floor) under 1.1");
}
BENCHMARK(BM_StartupToFirstFrame)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// A sound server that takes connections and never answers them: the audio
// library is loaded and waits for it, as with a hanging server.
class SilentSoundServer
{
public:
    SilentSoundServer()
    {
        m_path = m_folder.filePath(QStringLiteral("native")).toStdString();
        m_listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.c_str(), sizeof address.sun_path - 1);
        if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
            || listen(m_listener, 16) != 0)
            return;
        m_thread = std::thread([this] {
            for (int client; (client = accept(m_listener, nullptr, nullptr)) >= 0;)
                m_clients.push_back(client);
        });
    }
    ~SilentSoundServer()
    {
        shutdown(m_listener, SHUT_RDWR);
        if (m_thread.joinable())
            m_thread.join();
        close(m_listener);
        for (int client : m_clients)
            close(client);
    }
    std::string environment() const { return "PULSE_SERVER=unix:" + m_path; }

private:
    QTemporaryDir m_folder;
    std::string m_path;
    int m_listener = -1;
    std::thread m_thread;
    std::vector<int> m_clients;
};

// Peak resident size after a two-hour race of 500 laps, against the
// smallest Qt program showing a window; and the growth from lap 100 to 500.
// The race sounds are on: /0 on a machine without a sound server, where the
// audio library is not loaded; /1 with a server that never answers, so the
// audio library is loaded and the sound's whole cost counted, and the race
// must not wait for the server (race_s, the race's wall time, against /0).
void BM_RaceMemory(benchmark::State &state)
{
    const bool server = state.range(0) != 0;
    for (auto _ : state) {
        QTemporaryDir runtime; // no server's socket in it
        std::vector<std::string> env{"XDG_RUNTIME_DIR=" + runtime.path().toStdString(), "PULSE_RUNTIME_PATH="};
        std::unique_ptr<SilentSoundServer> silent;
        if (server) {
            silent = std::make_unique<SilentSoundServer>();
            env.push_back(silent->environment());
        } else {
            env.push_back("PULSE_SERVER=");
        }
        const auto start = Clock::now();
        const ChildRun race = runChild(sibling("bench_rundaro_child"), "race", env);
        const double raceSeconds = std::chrono::duration<double>(Clock::now() - start).count();
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
        state.counters["race_s"] = raceSeconds;
    }
    state.SetLabel(server ? "sound server that never answers: the sound's own cost"
                          : "no sound server; goal: ratio under 1.2, no growth from lap 100 to 500");
}
BENCHMARK(BM_RaceMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return bench::RunCoreBenchmarks(argc, argv);
}
