#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Shared pieces of the benchmark programs: the main functions, the
// reference workload that every program runs first (figures are read as
// ratios to it, because the machines are shared and noisy), and readings
// from /proc.
namespace bench {

// Runs the registered benchmarks; the GUI variant creates a QApplication on
// the offscreen platform with the German locale, the other a QCoreApplication.
int RunGuiBenchmarks(int argc, char **argv);
int RunCoreBenchmarks(int argc, char **argv);

// The fixed CPU workload of BM_Reference, for programs that want it inline.
std::uint64_t ReferenceWork(std::uint64_t seed);

struct ThreadUsage
{
    double cpuSeconds = 0; // user + system
    long voluntarySwitches = 0; // the thread gave up the CPU (woke up later)
    long involuntarySwitches = 0; // the thread was preempted
};

// Every thread of this process by its id.
std::map<int, ThreadUsage> ThreadsUsage();

// CPU time of this process so far (all its threads), in ms.
double ProcessCpuMs();

// Resident and peak resident size of this process in KiB.
long ResidentKiB();
long PeakResidentKiB();

// The p-th percentile (0..100) of `values` (sorted in place).
double Percentile(std::vector<double> &values, double p);

// A counter that shows a per-iteration time as a percentage of `budget`
// seconds.
benchmark::Counter ShareOf(double budgetSeconds);

} // namespace bench
