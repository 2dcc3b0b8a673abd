#include "Comms.h"
#include "SimulatedLine.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace rundaro::serial;

// A hardware lap is timed when its handler runs on the main thread, so the
// way from a DSR change on the line to OnDSR adds to every lap time.
static void BM_DsrChangeToHandler(benchmark::State &state)
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

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
