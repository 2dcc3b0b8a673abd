#include "BenchSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <time.h>
#include <unistd.h>

namespace bench {

std::uint64_t ReferenceWork(std::uint64_t seed)
{
    std::uint64_t x = seed | 1;
    for (int i = 0; i < 100000; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
    }
    return x;
}

namespace {

// 100,000 rounds of a xorshift generator: pure CPU, no memory traffic. Its
// time in the same run is the yardstick the other figures are divided by.
void BM_Reference(benchmark::State &state)
{
    std::uint64_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(seed = ReferenceWork(seed));
    state.SetLabel("yardstick for the ratios");
}

int runAll(int argc, char **argv)
{
    benchmark::RegisterBenchmark("BM_Reference", BM_Reference);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

long statusField(const char *name)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(name) + ":";
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) == 0)
            return std::stol(line.substr(key.size()));
    }
    return -1;
}

} // namespace

int RunGuiBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    return runAll(argc, argv);
}

int RunCoreBenchmarks(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runAll(argc, argv);
}

double ProcessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

std::map<int, ThreadUsage> ThreadsUsage()
{
    std::map<int, ThreadUsage> threads;
    const double ticks = double(sysconf(_SC_CLK_TCK));
    DIR *dir = opendir("/proc/self/task");
    if (!dir)
        return threads;
    while (dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string base = std::string("/proc/self/task/") + entry->d_name;
        ThreadUsage usage;
        std::ifstream stat(base + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), {});
        // Fields after the command name, which is in parentheses and may hold spaces.
        std::istringstream fields(text.substr(text.rfind(')') + 2));
        std::string field;
        unsigned long utime = 0, stime = 0;
        for (int i = 3; fields >> field; ++i) {
            if (i == 14)
                utime = std::stoul(field);
            if (i == 15) {
                stime = std::stoul(field);
                break;
            }
        }
        usage.cpuSeconds = double(utime + stime) / ticks;
        std::ifstream status(base + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                usage.voluntarySwitches = std::stol(line.substr(24));
            else if (line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                usage.involuntarySwitches = std::stol(line.substr(27));
        }
        threads[std::stoi(entry->d_name)] = usage;
    }
    closedir(dir);
    return threads;
}

long ResidentKiB()
{
    return statusField("VmRSS");
}

long PeakResidentKiB()
{
    return statusField("VmHWM");
}

double Percentile(std::vector<double> &values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double rank = p / 100 * double(values.size() - 1);
    const auto low = static_cast<std::size_t>(std::floor(rank));
    const auto high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (rank - double(low));
}

benchmark::Counter ShareOf(double budgetSeconds)
{
    // elapsed / (iterations × budget/100): the percentage of the budget.
    return benchmark::Counter(budgetSeconds / 100,
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace bench
