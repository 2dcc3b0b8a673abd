// Two contacts on one adapter, one per skater of a pair: A between DTR and
// DSR, B between RTS and CTS. The port's worker decides each line's contacts
// with the contact rule and stamps them at its own tick; each contact has a
// lockout of its own. The race clock is the test's; the worker is kept in
// step through its own counters, never by sleeping.
#include "ComPortCore.h"
#include "ContactLockout.h"
#include "FakeClock.h"
#include "SimulatedLine.h"

#ifndef _WIN32
#include "PosixDevice.h"
#include "Pty.h"
#include "SimulatedDriver.h"

#include <sys/ioctl.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

using namespace rundaro::serial;

namespace {

constexpr std::uint32_t kBase = 200000;
// The window takes each report this long after the worker stamped it.
constexpr std::uint32_t kBusyMs = 7;

enum Skater { A, B };

// A contact as the trigger sees it: whose, at which tick, and whether it
// passed its lockout ("On/Off": the contact closing is the one that counts).
struct Taken
{
    Skater skater;
    std::uint32_t tick;
    bool accepted;
    bool operator==(const Taken &) const = default;
};

class PairPort
{
public:
    PairPort()
    {
        m_core.SetDeviceFactory(m_line->Factory());
        LineSettings settings;
        settings.enableRTS = true;
        m_core.Open(1, settings, EV_DSR | EV_CTS);
    }

    // Both contacts' lines change at `at` (equal times: both skaters at
    // once); the report is taken kBusyMs later.
    void Change(std::uint32_t at, const std::vector<Skater> &who, FakeClock &clock)
    {
        // The bursts before have settled and the worker watches the line.
        clock.set(at - 5);
        ServeUntil([&] { return m_core.Worker()->Settled(); }, true);
        ServeUntil([&] { return m_line->Snapshot().waiting == 1; });
        clock.set(at);
        const std::uint64_t wakes = Wakes();
        const std::size_t expected = m_contacts + who.size();
        for (const Skater skater : who) {
            if (skater == A)
                m_line->PulseDsr(1, true);
            else
                m_line->PulseCts(1, true);
        }
        AwaitWake(wakes);
        clock.set(at + kBusyMs);
        ServeUntil([&] { return m_contacts == expected; });
    }

    // In the order of their ticks; two at the same tick (one hand-over
    // fires CTS before DSR), A first.
    std::vector<Taken> Contacts() const
    {
        std::vector<Taken> sorted = m_taken;
        std::stable_sort(sorted.begin(), sorted.end(), [](const Taken &a, const Taken &b) {
            return a.tick - kBase < b.tick - kBase || (a.tick == b.tick && a.skater < b.skater);
        });
        return sorted;
    }

private:
    void Take(Skater skater, const std::vector<ContactRule::Contact> &contacts)
    {
        for (const ContactRule::Contact &contact : contacts) {
            ++m_contacts;
            if (!contact.dsrOn) // the contact opening
                continue;
            const bool accepted = !m_lockout.Locked(skater, contact.tick);
            if (accepted)
                m_lockout.Arm(skater, contact.tick);
            m_taken.push_back({skater, contact.tick, accepted});
        }
    }

    std::uint64_t Wakes()
    {
        std::lock_guard lock(m_mutex);
        return m_wakes;
    }
    void AwaitWake(std::uint64_t wakes)
    {
        std::unique_lock lock(m_mutex);
        m_woken.wait(lock, [&] { return m_wakes > wakes; });
    }
    template <typename Done> void ServeUntil(Done done, bool expire = false)
    {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (;;) {
            m_core.ServeHandOvers();
            if (done())
                return;
            ASSERT_LT(std::chrono::steady_clock::now(), limit) << "the worker did not keep step";
            if (expire)
                m_line->ExpireWaits();
            std::unique_lock lock(m_mutex);
            m_woken.wait_for(lock, std::chrono::milliseconds(1));
        }
    }

    ComPortCore::Events Events()
    {
        ComPortCore::Events events;
        events.port = [this](std::uint32_t event) {
            if (event == EV_DSR)
                Take(A, m_core.Report().contacts);
            else if (event == EV_CTS)
                Take(B, m_core.Report().ctsContacts);
        };
        return events;
    }

    std::shared_ptr<SimulatedLine> m_line = SimulatedLine::Create();
    std::mutex m_mutex;
    std::condition_variable m_woken;
    std::uint64_t m_wakes = 0;
    std::size_t m_contacts = 0;
    std::vector<Taken> m_taken;
    ContactLockout m_lockout;
    ComPortCore m_core{[this] {
                           std::lock_guard lock(m_mutex);
                           ++m_wakes;
                           m_woken.notify_all();
                       },
                       Events()};
};

} // namespace

// A pair by contacts: each contact counts at the worker's stamp of its own
// edge (not when the window took the report), and each is locked out alone,
// so that B's passing right after A's counts while A's second contact within
// the second does not.
TEST(PairContacts, EachContactStampedByTheWorkerAndLockedOutAlone)
{
    struct Edge
    {
        std::uint32_t at; // ms after kBase
        std::vector<Skater> who; // whose contact changes: closes, opens, closes, ...
    };
    // clang-format off
    const Edge edges[] = {
        {0, {A}},     {150, {B}},     // each closes and starts its lockout
        {400, {A}},   {450, {B}},     // and opens
        {700, {A}},   {900, {B}},     // each closes within its second: locked out
        {1050, {A}},  {1100, {B}},
        {1200, {A}},  {1300, {B}},    // each after its own second: counts
        {1450, {A, B}},               // both open at once
        {2500, {A, B}},               // both close at once: each counts
    };
    const std::vector<Taken> expected = {
        {A, kBase + 0, true},     {B, kBase + 150, true},
        {A, kBase + 700, false},  {B, kBase + 900, false},
        {A, kBase + 1200, true},  {B, kBase + 1300, true},
        {A, kBase + 2500, true},  {B, kBase + 2500, true},
    };
    // clang-format on
    FakeClock clock(kBase - 5000);
    PairPort port;
    for (const Edge &edge : edges)
        port.Change(kBase + edge.at, edge.who, clock);
    EXPECT_EQ(port.Contacts(), expected);
}

// Each lockout alone, on the contacts' own ticks, across the tick's wrap.
TEST(PairContacts, LockoutPerContact)
{
    struct Step
    {
        int contact;
        std::uint32_t tick;
        bool locked;
    };
    constexpr std::uint32_t kWrap = 0xFFFFFFFFu - 300;
    const Step steps[] = {
        {0, kWrap, false},       {1, kWrap + 10, false},   {0, kWrap + 999, true},
        {1, kWrap + 1009, true}, {0, kWrap + 1000, false}, {1, kWrap + 1010, false},
    };
    ContactLockout lockout;
    for (const Step &s : steps) {
        EXPECT_EQ(lockout.Locked(s.contact, s.tick), s.locked) << s.contact << " at " << s.tick;
        if (!s.locked)
            lockout.Arm(s.contact, s.tick);
    }
    // A lockout of 0 ms (the timer's interval set to 0) locks nothing out.
    lockout.Arm(0, 5, 0);
    EXPECT_FALSE(lockout.Locked(0, 5));
    lockout.Arm(1, 5);
    lockout.Clear();
    EXPECT_FALSE(lockout.Locked(1, 6));
}

#ifndef _WIN32
// RTS powers the second contact only when it is wanted; otherwise it stays
// off as ever. Through the real backend on a pseudo-terminal.
TEST(PairContacts, RtsOnOnlyForTheSecondContact)
{
    for (const bool second : {false, true}) {
        Pty pty;
        auto driver = std::make_shared<SimulatedDriver>();
        ComPortCore core([] {}, {});
        core.SetDeviceFactory([&](std::uint8_t) { return OpenPath(pty.SlaveName(), driver); });
        LineSettings settings;
        settings.enableRTS = second;
        core.Open(1, settings, second ? EV_DSR | EV_CTS : EV_DSR);
        EXPECT_EQ(driver->OutputLines(), TIOCM_DTR | (second ? TIOCM_RTS : 0)) << second;
        core.Close();
    }
}
#endif
