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
    FRule.Reset(FReport.modemStatus & rundaro::serial::MS_DSR_ON);
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
    using namespace rundaro::serial;
    Device &device = *OwnerPort->FHandle;
    const bool contacts = OwnerPort->FEventMask & EV_DSR;
    int failedWaits = 0;
    bool cancelled = false;
    for (bool waiting = true; waiting;) {
        bool pending = false;
        const std::int32_t limit = contacts && FRule.Open() ? kFollowUpMs : -1;
        switch (device.WaitEventsFor(EventMask, limit, pending)) {
        case WaitResult::Events:
            failedWaits = 0;
            // Events that were there before the wait began fell into the
            // last hand-over (or the open), when nobody watched the line.
            FReport = TakeReport(pending && FHandedOver);
            FHandOver.Run([this] { DispatchEvents(); });
            FHandedOver = true;
            break;
        case WaitResult::TimedOut:
            failedWaits = 0;
            FReport = TakeFollowUp();
            FHandedOver = false;
            // Changes found now were missed by the wait: they are reported
            // as a DSR event of their own.
            if (FReport.dsrChanges > 0 || !FReport.contacts.empty()) {
                EventMask = EV_DSR;
                FHandOver.Run([this] { DispatchEvents(); });
                FHandedOver = true;
            }
            break;
        case WaitResult::Dropped: waiting = ++failedWaits < kMaxFailedWaits; continue;
        case WaitResult::Cancelled:
            cancelled = true;
            waiting = false;
            continue;
        case WaitResult::Failed: waiting = false; continue;
        }
        if (FChangesRead > 0)
            ++FChangeReadings;
        FSettled = !FRule.Open();
    }
    if (!cancelled)
        error = device.LastError();
    device.Purge(PURGE_RXABORT | PURGE_RXCLEAR);
    return cancelled;
}

rundaro::serial::PortReport TComThread::TakeReport(bool pending)
{
    using namespace rundaro::serial;
    const std::uint32_t previous = FReport.tick;
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
    int changes = report.dsrChanges;
    if (!FCounted) {
        // Without a count, a DSR event whose level is where it was is a
        // pulse and back: the wait saw a change that the level no longer
        // shows.
        const bool on = report.modemStatus & MS_DSR_ON;
        changes = (EventMask & EV_DSR) ? (on != FRule.DsrOn() ? 1 : 2) : 0;
    }
    report.dsrChanges = FCounted ? report.dsrChanges : -1;
    // Changes that were there before the wait began happened at some time
    // since the previous reading: nobody watched the line meanwhile.
    PortReport decided = report;
    decided.dsrChanges = changes;
    Decide(decided, pending ? previous : report.tick, FCounted);
    report.contacts = std::move(decided.contacts);
    return report;
}

rundaro::serial::PortReport TComThread::TakeFollowUp()
{
    using namespace rundaro::serial;
    PortReport report;
    report.tick = rundaro::GetTickCount();
    Device &device = *OwnerPort->FHandle;
    std::uint32_t count = 0;
    int changes = 0;
    if (FCounted && device.DsrChangeCount(count)) {
        changes = static_cast<int>(std::min<std::uint32_t>(count - FDsrCount, INT32_MAX));
        FDsrCount = count;
    }
    std::uint32_t status = 0;
    report.modemStatus = device.ModemStatus(status) ? status : FReport.modemStatus;
    report.dsrChanges = FCounted ? changes : -1;
    // The backend found no change as the time limit passed: a change
    // counted now came just then. Without a count, a level that differs is
    // a change the backend reports with its next wait; only a count's
    // reading stands on its own.
    PortReport decided = report;
    decided.dsrChanges = changes;
    Decide(decided, report.tick, FCounted);
    report.contacts = std::move(decided.contacts);
    return report;
}

void TComThread::Decide(rundaro::serial::PortReport &report, std::uint32_t from, bool levelValid)
{
    ContactRule::Sample sample;
    sample.tick = report.tick;
    sample.from = report.dsrChanges > 0 ? from : report.tick;
    sample.changes = std::max(report.dsrChanges, 0);
    sample.dsrOn = report.modemStatus & rundaro::serial::MS_DSR_ON;
    sample.levelValid = levelValid;
    FChangesRead = sample.changes;
    report.contacts = FRule.Add(sample);
}

void TComThread::DispatchEvents()
{
    OwnerPort->FReport = FReport;
    for (const std::uint32_t event : rundaro::serial::kDispatchOrder) {
        if (EventMask & event)
            OwnerPort->PortEvent(event);
    }
}
