#include "ComThread.h"

#include "ComPortCore.h"
#include "LineSettings.h"
#include "TickCount.h"

#include <algorithm>
#include <cstdint>

using rundaro::serial::WaitResult;

TComThread::TComThread(rundaro::serial::ComPortCore *owner, std::function<void()> wake)
    : OwnerPort(owner)
    , FHandOver(std::move(wake))
{
    rundaro::serial::Device &device = *OwnerPort->FHandle;
    device.SetMask(OwnerPort->FEventMask);
    // The count and the level at Open must belong together: every later
    // level is told from the count's changes. A change between the reads
    // shows as a new count; read again then.
    FReport.modemStatus = OwnerPort->FLastModemStatus;
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::uint32_t before = 0;
        std::uint32_t after = 0;
        FCounted = device.DsrChangeCount(before);
        std::uint32_t status = 0;
        if (device.ModemStatus(status))
            FReport.modemStatus = status;
        FDsrCount = before;
        if (!FCounted || (device.DsrChangeCount(after) && after == before))
            break;
    }
    FReport.tick = rundaro::GetTickCount();
    FReport.dsrChanges = FCounted ? 0 : -1;
}

TComThread::~TComThread()
{
    if (!FThread.joinable())
        return;
    SignalStop();
    FHandOver.ServeUntilEnded();
    FThread.join();
}

void TComThread::Start()
{
    FThread = std::thread([this] { Execute(); });
}

void TComThread::SignalStop()
{
    OwnerPort->FHandle->CancelWait();
}

bool TComThread::Lost()
{
    return FHandOver.Ended() && FLost;
}

void TComThread::Execute()
{
    std::uint32_t error = 0;
    bool cancelled = false;
    try {
        cancelled = WaitLoop(error);
    } catch (...) {
        // Handlers' errors stay on the owner's thread; whatever else ends the
        // loop ends the watching, which the port must then report.
    }
    FLostError = error;
    FLost = !cancelled;
    FHandOver.WorkerEnded(!cancelled);
}

bool TComThread::WaitLoop(std::uint32_t &error)
{
    rundaro::serial::Device &device = *OwnerPort->FHandle;
    int failedWaits = 0;
    bool cancelled = false;
    for (bool waiting = true; waiting;) {
        switch (device.WaitEvents(EventMask)) {
        case WaitResult::Events:
            failedWaits = 0;
            FReport = TakeReport();
            FHandOver.Run([this] { DispatchEvents(); });
            break;
        case WaitResult::Dropped: waiting = ++failedWaits < kMaxFailedWaits; break;
        case WaitResult::Cancelled:
            cancelled = true;
            waiting = false;
            break;
        case WaitResult::Failed: waiting = false; break;
        }
    }
    if (!cancelled)
        error = device.LastError();
    device.Purge(rundaro::serial::PURGE_RXABORT | rundaro::serial::PURGE_RXCLEAR);
    return cancelled;
}

rundaro::serial::PortReport TComThread::TakeReport()
{
    using namespace rundaro::serial;
    PortReport report;
    report.tick = rundaro::GetTickCount();
    Device &device = *OwnerPort->FHandle;
    std::uint32_t count = 0;
    if (FCounted && device.DsrChangeCount(count)) {
        report.dsrChanges = static_cast<int>(std::min<std::uint32_t>(count - FDsrCount, INT32_MAX));
        FDsrCount = count;
    } else {
        // A driver that stops counting is not asked again until the next
        // Open: from here on, the level read tells.
        FCounted = false;
    }
    std::uint32_t status = 0;
    report.modemStatus = device.ModemStatus(status) ? status : FReport.modemStatus;
    return report;
}

void TComThread::DispatchEvents()
{
    OwnerPort->FReport = FReport;
    for (const std::uint32_t event : rundaro::serial::kDispatchOrder) {
        if (EventMask & event)
            OwnerPort->PortEvent(event);
    }
}
