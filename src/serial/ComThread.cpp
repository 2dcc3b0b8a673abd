#include "ComThread.h"

#include "ComPortCore.h"
#include "LineSettings.h"
#include "TickCount.h"

#include <algorithm>
#include <cstdint>

using rundaro::serial::WaitResult;

namespace {

bool ReadCount(rundaro::serial::Device &device, std::uint32_t event, std::uint32_t &count)
{
    return event == rundaro::serial::EV_DSR ? device.DsrChangeCount(count) : device.CtsChangeCount(count);
}

} // namespace

TComThread::TComThread(rundaro::serial::ComPortCore *owner, std::function<void()> wake)
    : OwnerPort(owner)
    , FHandOver(std::move(wake))
{
    using namespace rundaro::serial;
    Device &device = *OwnerPort->FHandle;
    device.SetMask(OwnerPort->FEventMask);
    FLines[0].event = EV_DSR;
    FLines[0].status = MS_DSR_ON;
    FLines[0].changes = &PortReport::dsrChanges;
    FLines[0].contacts = &PortReport::contacts;
    FLines[0].watched = true;
    FLines[1].event = EV_CTS;
    FLines[1].status = MS_CTS_ON;
    FLines[1].changes = &PortReport::ctsChanges;
    FLines[1].contacts = &PortReport::ctsContacts;
    FLines[1].watched = OwnerPort->FEventMask & EV_CTS;
    // The counts and the level at Open must belong together: every later
    // level is told from the count's changes. A change between the reads
    // shows as a new count; read again then.
    FReport.modemStatus = OwnerPort->FLastModemStatus;
    for (int attempt = 0; attempt < 3; ++attempt) {
        for (ContactLine &line : FLines) {
            if (line.watched)
                line.counted = ReadCount(device, line.event, line.count);
        }
        std::uint32_t status = 0;
        if (device.ModemStatus(status))
            FReport.modemStatus = status;
        bool steady = true;
        for (ContactLine &line : FLines) {
            std::uint32_t after = 0;
            if (line.watched && line.counted && !(ReadCount(device, line.event, after) && after == line.count))
                steady = false;
        }
        if (steady)
            break;
    }
    FReport.tick = rundaro::GetTickCount();
    for (ContactLine &line : FLines) {
        FReport.*line.changes = line.watched && line.counted ? 0 : -1;
        line.rule.Reset(FReport.modemStatus & line.status);
    }
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
    int failedWaits = 0;
    bool cancelled = false;
    for (bool waiting = true; waiting;) {
        bool pending = false;
        const std::int32_t limit = BurstOpen() ? kFollowUpMs : -1;
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
            // as an event of their line's own.
            EventMask = 0;
            for (const ContactLine &line : FLines) {
                if (FReport.*line.changes > 0 || !(FReport.*line.contacts).empty())
                    EventMask |= line.event;
            }
            if (EventMask != 0) {
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
        bool settled = true;
        for (const ContactLine &line : FLines)
            settled = settled && !(line.watched && line.rule.Open());
        FSettled = settled;
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
    std::array<int, 2> counted{};
    for (std::size_t i = 0; i < FLines.size(); ++i)
        counted[i] = FLines[i].watched ? ReadChanges(FLines[i]) : -1;
    std::uint32_t status = 0;
    report.modemStatus = device.ModemStatus(status) ? status : FReport.modemStatus;
    FChangesRead = 0;
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        ContactLine &line = FLines[i];
        if (!line.watched)
            continue;
        int changes = counted[i];
        if (!line.counted) {
            // Without a count, an event of the line whose level is where it
            // was is a pulse and back: the wait saw a change that the level
            // no longer shows.
            const bool on = report.modemStatus & line.status;
            changes = (EventMask & line.event) ? (on != line.rule.DsrOn() ? 1 : 2) : 0;
        }
        // Changes that were there before the wait began happened at some
        // time since the previous reading: nobody watched the line meanwhile.
        Decide(line, report, changes, pending ? previous : report.tick, line.counted);
        report.*line.changes = line.counted ? counted[i] : -1;
    }
    return report;
}

rundaro::serial::PortReport TComThread::TakeFollowUp()
{
    using namespace rundaro::serial;
    PortReport report;
    report.tick = rundaro::GetTickCount();
    Device &device = *OwnerPort->FHandle;
    std::array<int, 2> changes{};
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        ContactLine &line = FLines[i];
        std::uint32_t count = 0;
        if (line.watched && line.counted && ReadCount(device, line.event, count)) {
            changes[i] = static_cast<int>(std::min<std::uint32_t>(count - line.count, INT32_MAX));
            line.count = count;
        }
    }
    std::uint32_t status = 0;
    report.modemStatus = device.ModemStatus(status) ? status : FReport.modemStatus;
    FChangesRead = 0;
    // The backend found no change as the time limit passed: a change
    // counted now came just then. Without a count, a level that differs is
    // a change the backend reports with its next wait; only a count's
    // reading stands on its own.
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        ContactLine &line = FLines[i];
        if (!line.watched)
            continue;
        Decide(line, report, changes[i], report.tick, line.counted);
        report.*line.changes = line.counted ? changes[i] : -1;
    }
    return report;
}

int TComThread::ReadChanges(ContactLine &line)
{
    std::uint32_t count = 0;
    if (line.counted && ReadCount(*OwnerPort->FHandle, line.event, count)) {
        const int changes = static_cast<int>(std::min<std::uint32_t>(count - line.count, INT32_MAX));
        line.count = count;
        return changes;
    }
    // A driver that stops counting is not asked again until the next Open:
    // from here on, the level read tells.
    line.counted = false;
    return -1;
}

void TComThread::Decide(ContactLine &line, rundaro::serial::PortReport &report, int changes, std::uint32_t from,
                        bool levelValid)
{
    ContactRule::Sample sample;
    sample.tick = report.tick;
    sample.from = changes > 0 ? from : report.tick;
    sample.changes = std::max(changes, 0);
    sample.dsrOn = report.modemStatus & line.status;
    sample.levelValid = levelValid;
    FChangesRead += sample.changes;
    report.*line.contacts = line.rule.Add(sample);
}

bool TComThread::BurstOpen() const
{
    for (const ContactLine &line : FLines) {
        if ((OwnerPort->FEventMask & line.event) && line.rule.Open())
            return true;
    }
    return false;
}

void TComThread::DispatchEvents()
{
    OwnerPort->FReport = FReport;
    for (const std::uint32_t event : rundaro::serial::kDispatchOrder) {
        if (EventMask & event)
            OwnerPort->PortEvent(event);
    }
}
