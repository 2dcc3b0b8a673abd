#pragma once

#include "ContactRule.h"
#include "HandOver.h"
#include "PortReport.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace rundaro::serial {
class ComPortCore;
}

// The worker of one connected port: waits without time limit for the port's
// events or its shutdown, and hands each completed wait's dispatch to the
// owner's thread, blocking until it has run there. It is created and
// destroyed on the owner's thread; destruction stops it, serving any
// hand-over still pending, and waits for it to end. Its shutdown event is
// the device's own wait cancel (Device::CancelWait), which a wait checks
// first.
//
// The moment a wait returns with events, the worker reads the tick, then
// the driver's DSR count and the modem status, and hands them over with the
// events (PortReport): what the owner's thread is doing meanwhile does not
// change when the line is known to have changed.
//
// The worker also decides which DSR changes count as contacts
// (ContactRule), from its own stamps and the driver's counts, and hands the
// contacts over with the report. While a burst of changes is open, it reads
// the line again kFollowUpMs after each report even when nothing changed:
// that reading settles the burst (a short break counts only once the line
// has stood back) and finds a change that fell between the last reading and
// the start of the wait. Where CTS changes are enabled (EV_CTS), CTS is a
// second contact's line, watched the same way with a rule of its own, at
// the same stamps.
//
// When the device can no longer be waited on, the worker ends on its own and
// wakes the owner's thread, where the port then sees Lost() and closes.
class TComThread
{
public:
    // A run of this many completed waits that all report failure means the
    // device has gone; the worker then ends instead of spinning.
    static constexpr int kMaxFailedWaits = 3;
    // The follow-up reading comes this long after a report: at least the
    // rule's 20 ms, so that one reading settles a burst.
    static constexpr std::int32_t kFollowUpMs = 25;

    // `wake` must make the owner's thread serve the hand-over soon.
    TComThread(rundaro::serial::ComPortCore *owner, std::function<void()> wake);
    ~TComThread();
    TComThread(const TComThread &) = delete;
    TComThread &operator=(const TComThread &) = delete;

    void Start();
    void SignalStop();
    // True once the worker has ended on its own; LostError then says why.
    bool Lost();
    std::uint32_t LostError() const { return FLostError; }
    // Readings of the line that found changes of a contact's line (DSR, and
    // CTS where enabled), each counted once its report has been handed over;
    // and whether the last burst of changes has settled on every one (its
    // report handed over too). Tests keep step with them.
    std::uint64_t ChangeReadings() const { return FChangeReadings; }
    bool Settled() const { return FSettled; }

private:
    friend class rundaro::serial::ComPortCore;

    void Execute();
    // Waits and hands over until the wait is cancelled (true) or the device
    // can no longer be waited on (false, with the reason in `error`).
    bool WaitLoop(std::uint32_t &error);
    void DispatchEvents();
    // The report of a wait that returned now (on the worker), or of the
    // state at Open (in the constructor).
    // `pending`: the events were there before the wait began.
    rundaro::serial::PortReport TakeReport(bool pending);
    // The reading that ends a follow-up wait: the counts and the level.
    rundaro::serial::PortReport TakeFollowUp();
    // A contact's line as the worker watches it.
    struct ContactLine
    {
        std::uint32_t event = 0; // EV_DSR, EV_CTS
        std::uint32_t status = 0; // its bit of the modem status word
        // Its changes and contacts in a report.
        int rundaro::serial::PortReport::*changes = nullptr;
        std::vector<ContactRule::Contact> rundaro::serial::PortReport::*contacts = nullptr;
        bool watched = false; // DSR always; CTS where its event is enabled
        bool counted = false; // the driver keeps a count of its changes
        std::uint32_t count = 0; // that count at the last report
        ContactRule rule;
    };

    // The changes the driver counted on `line` since the last report, -1
    // where it keeps no count.
    int ReadChanges(ContactLine &line);
    // Feeds `changes` of `line`, read with `report`, to its contact rule and
    // fills in the report's changes and contacts of that line.
    void Decide(ContactLine &line, rundaro::serial::PortReport &report, int changes, std::uint32_t from,
                bool levelValid);
    // A burst of changes is open on a contact's line whose event is enabled.
    bool BurstOpen() const;

    rundaro::serial::ComPortCore *OwnerPort = nullptr;
    std::uint32_t EventMask = 0;
    rundaro::serial::PortReport FReport;
    std::array<ContactLine, 2> FLines; // DSR, CTS
    std::atomic<bool> FLost{false};
    std::atomic<std::uint64_t> FChangeReadings{0};
    std::atomic<bool> FSettled{true};
    int FChangesRead = 0; // changes of the contacts' lines the last reading found
    bool FHandedOver = true; // nobody watched the line since the last reading
    std::atomic<std::uint32_t> FLostError{0};
    rundaro::serial::HandOver FHandOver;
    std::thread FThread;
};
