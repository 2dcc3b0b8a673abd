#include "BenchPty.h"
#include "BenchSupport.h"
#include "Comms.h"
#include "SimulatedDriver.h"
#include "SimulatedLine.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace rundaro::serial;

namespace {

using Clock = std::chrono::steady_clock;

using Pty = BenchPty;

// What the port under measurement is opened on.
struct Lines
{
    std::shared_ptr<SimulatedLine> line;
    std::shared_ptr<SimulatedDriver> driver;
    Pty pty;
};

// 0: the simulated line, reporting DSR changes. 1: a pseudo-terminal (no
// modem lines) waiting for received data, through the same poll() as a real
// serial device. 2: a pseudo-terminal with modem lines from the driver
// stand-in, reporting DSR changes: the worker blocks in the modem-line wait
// itself, as with a real adapter.
void configure(TComPort &port, const benchmark::State &state, Lines &lines)
{
    if (state.range(0) == 0) {
        lines.line = SimulatedLine::Create();
        port.SetDeviceFactory(lines.line->Factory());
        port.SetEvents({TComPort::evDSR});
    } else if (state.range(0) == 1) {
        port.SetDeviceFactory(lines.pty.Factory());
        port.SetEvents({TComPort::evRxChar});
    } else {
        lines.driver = std::make_shared<SimulatedDriver>();
        // 3: a driver without the modem-line wait: the lines are polled.
        if (state.range(0) == 3)
            lines.driver->RemoveWait(ENOTTY);
        port.SetDeviceFactory(lines.pty.Factory(lines.driver));
        port.SetEvents({TComPort::evDSR});
    }
}

const char *lineName(const benchmark::State &state)
{
    const char *names[]
        = {"simulated line", "pseudo-terminal", "one-thread modem-line wait", "modem lines polled every 2 ms"};
    return names[state.range(0)];
}

// A hardware lap is timed when its handler runs on the main thread, so the
// way from a DSR change on the line to OnDSR adds to every lap time.
void BM_DsrChangeToHandler(benchmark::State &state)
{
    auto line = SimulatedLine::Create();
    TComPort port;
    port.SetDeviceFactory(line->Factory());
    port.SetEvents({TComPort::evDSR});
    int fired = 0;
    port.OnDSR = [&fired](QObject *) { ++fired; };
    port.Open();
    std::uint32_t status = 0;
    for (auto _ : state) {
        const int before = fired;
        status ^= MS_DSR_ON;
        line->SetModemStatus(status);
        while (fired == before)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    port.Close();
}
BENCHMARK(BM_DsrChangeToHandler)->UseRealTime();

// The same with both contacts of a pair watched (DSR and CTS, RTS on): from
// a change of A's line (0: DSR) or of B's (1: CTS) to its handler. Goal: as
// BM_DsrChangeToHandler, for either contact.
void BM_PairContactToHandler(benchmark::State &state)
{
    auto line = SimulatedLine::Create();
    TComPort port;
    port.SetDeviceFactory(line->Factory());
    port.SetEvents({TComPort::evDSR, TComPort::evCTS});
    port.SetEnableRTS(true);
    const bool cts = state.range(0) == 1;
    int fired = 0;
    (cts ? port.OnCTS : port.OnDSR) = [&fired](QObject *) { ++fired; };
    port.Open();
    std::uint32_t status = 0;
    for (auto _ : state) {
        const int before = fired;
        status ^= cts ? MS_CTS_ON : MS_DSR_ON;
        line->SetModemStatus(status);
        while (fired == before)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    port.Close();
    state.SetLabel(cts ? "B's contact (CTS)" : "A's contact (DSR), CTS watched too");
}
BENCHMARK(BM_PairContactToHandler)->Arg(0)->Arg(1)->UseRealTime();

// Where the driver cannot wait for the modem lines they are polled every
// 2 ms: from a DSR edge on the line to its OnDSR handler (the worker's
// stamp comes just before the hand-over), 500 edges 5 to 15 ms apart, and
// the same way to a bare thread woken through an eventfd in the same run.
void BM_PolledEdgeToHandler(benchmark::State &state)
{
    Lines lines;
    lines.driver = std::make_shared<SimulatedDriver>();
    lines.driver->RemoveWait(ENOTTY);
    std::vector<double> edgeMs;
    for (auto _ : state) {
        TComPort port;
        port.SetDeviceFactory(lines.pty.Factory(lines.driver));
        port.SetEvents({TComPort::evDSR});
        Clock::time_point edgeAt;
        int fired = 0;
        port.OnDSR = [&](QObject *) {
            edgeMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - edgeAt).count());
            ++fired;
        };
        port.Open();
        int level = 0;
        for (int i = 0; i < 500; ++i) {
            std::this_thread::sleep_for(std::chrono::microseconds(5000 + (i * 7919) % 10000));
            level ^= TIOCM_DSR;
            edgeAt = Clock::now();
            lines.driver->Drive(level);
            while (fired <= i)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        port.Close();
    }
    std::vector<double> bareMs;
    const int fd = eventfd(0, EFD_CLOEXEC);
    for (int i = 0; i < 500; ++i) {
        Clock::time_point written;
        std::thread sleeper([&] {
            pollfd p = {fd, POLLIN, 0};
            poll(&p, 1, -1);
            bareMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - written).count());
            std::uint64_t value = 0;
            [[maybe_unused]] const ssize_t n = read(fd, &value, sizeof value);
        });
        std::this_thread::sleep_for(std::chrono::microseconds(2000));
        written = Clock::now();
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = write(fd, &one, sizeof one);
        sleeper.join();
    }
    close(fd);
    state.counters["p50_ms"] = bench::Percentile(edgeMs, 50);
    state.counters["p99_ms"] = bench::Percentile(edgeMs, 99);
    state.counters["max_ms"] = bench::Percentile(edgeMs, 100);
    state.counters["bare_p99_ms"] = bench::Percentile(bareMs, 99);
    state.SetLabel("modem lines polled every 2 ms: edge -> OnDSR; bare: eventfd wake-up");
}
BENCHMARK(BM_PolledEdgeToHandler)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// An open port on a quiet line for 5 s: what its threads cost. Nothing may
// poll: the goal is no CPU time and no wake-ups at all.
void BM_IdleOpenPort(benchmark::State &state)
{
    Lines lines;
    for (auto _ : state) {
        TComPort port;
        configure(port, state, lines);
        port.Open();
        // Let the worker reach its wait before the reading starts.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto before = bench::ThreadsUsage();
        std::this_thread::sleep_for(std::chrono::seconds(5));
        const auto after = bench::ThreadsUsage();
        double cpu = 0;
        long wakeups = 0;
        int threads = 0;
        for (const auto &[tid, usage] : after) {
            if (tid == getpid())
                continue; // the main thread sleeps here; the port's threads are measured
            const auto it = before.find(tid);
            const bench::ThreadUsage start = it == before.end() ? bench::ThreadUsage{} : it->second;
            cpu += usage.cpuSeconds - start.cpuSeconds;
            wakeups += (usage.voluntarySwitches - start.voluntarySwitches)
                + (usage.involuntarySwitches - start.involuntarySwitches);
            ++threads;
        }
        state.counters["cpu_ms"] = cpu * 1000;
        state.counters["wakeups"] = double(wakeups);
        state.counters["threads"] = threads;
        state.counters["cpu_percent"] = cpu / 5 * 100;
        state.counters["wakeups_per_s"] = double(wakeups) / 5;
        port.Close();
    }
    state.SetLabel(std::string(lineName(state))
                   + (state.range(0) == 3 ? "; goal: under 2 % of one core" : "; goal: 0 wake-ups in 5 s"));
}
BENCHMARK(BM_IdleOpenPort)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Close while the worker is blocked in its wait: how long until it returns.
void BM_CloseWhileWaiting(benchmark::State &state)
{
    Lines lines;
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        TComPort port;
        configure(port, state, lines);
        port.Open();
        if (state.range(0) == 0)
            lines.line->AwaitWaitsStarted(1); // a new line each time
        else if (state.range(0) == 2)
            lines.driver->AwaitWaiting();
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        state.ResumeTiming();
        const auto start = Clock::now();
        port.Close();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    state.counters["p99_ms"] = bench::Percentile(ms, 99);
    state.counters["max_ms"] = bench::Percentile(ms, 100);
    state.SetLabel(std::string(lineName(state)) + "; goal: under 5 ms");
}
BENCHMARK(BM_CloseWhileWaiting)->Arg(0)->Arg(1)->Arg(2)->Iterations(200)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The moment in which a DSR change is seen only with the next one: from the
// worker's counter read (TIOCGICOUNT) returning to the modem-line wait
// (TIOCMIWAIT) taking its own copy of the counters inside the kernel. A
// pseudo-terminal knows neither call and both fail, but the way out of the
// kernel and back in is the same: one iteration is one read and one wait's
// entry, an upper bound of the gap when nothing preempts the worker.
void BM_CounterReadToWait(benchmark::State &state)
{
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    serial_icounter_struct count = {};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ioctl(fd, TIOCGICOUNT, &count));
        benchmark::DoNotOptimize(ioctl(fd, TIOCMIWAIT, TIOCM_DSR));
    }
    close(fd);
    state.SetLabel("the gap between the counters and the modem-line wait");
}
BENCHMARK(BM_CounterReadToWait)->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunCoreBenchmarks(argc, argv);
}
