// Which DSR changes count as contacts, decided by the port's worker from its
// own stamps and the driver's counts: one table of contacts, run on the
// simulated line and over a pseudo-terminal with the real backend beneath
// the adapter profiles that behave differently (full counts, a latency
// timer, a latch that merges fast changes, a wait without counts, no wait
// at all). The race clock is the test's; the worker is kept in step through
// its own counters, never by sleeping.
#include "ComPortCore.h"
#include "FakeClock.h"
#include "SimulatedLine.h"

#ifndef _WIN32
#include "PosixDevice.h"
#include "Pty.h"
#include "SimulatedDriver.h"

#include <sys/ioctl.h>
#endif

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

using namespace rundaro::serial;

namespace {

constexpr std::uint32_t kBase = 100000; // a multiple of 16: a latency packet ends here

enum class Profile {
    Line, // the simulated line, with counts
    LineLevelOnly, // the simulated line without counts (as on Windows)
    Counts, // a driver with the wait and full counts
    Latency16, // full counts, changes sent in 16 ms packets (FT232R)
    Latch, // counts, but fast changes merged into one (a UART's latch)
    WaitNoCounts, // the wait, no counts (CH340 on many kernels)
    NoWait, // neither wait nor counts: the lines are polled (CP210x)
};

const char *NameOf(Profile profile)
{
    switch (profile) {
    case Profile::Line: return "simulated line";
    case Profile::LineLevelOnly: return "simulated line, level only";
    case Profile::Counts: return "counts";
    case Profile::Latency16: return "16 ms latency";
    case Profile::Latch: return "latch";
    case Profile::WaitNoCounts: return "wait without counts";
    case Profile::NoWait: return "no wait";
    }
    return "";
}

struct Case
{
    const char *name;
    bool startOn; // DSR stood here long before kBase
    std::vector<std::uint32_t> edges; // ms after kBase; equal times: faster than a millisecond
    std::uint32_t stallMs; // the window takes no report for this long after the first edge
    std::vector<std::uint32_t> onContacts; // ms after kBase of the contacts to DSR on
    bool subMillisecond; // has changes faster than polling can see
};

// "On/Off": DSR going on is the contact. Each case once as is and once with
// the window stalled 50 ms after the first edge.
const Case kCases[] = {
    {"clean closing", false, {0}, 0, {0}, false},
    {"closing with bounce", false, {0, 3, 5, 12, 15}, 0, {0}, false},
    {"closing with 20 ms of bounce", false, {0, 6, 9, 20}, 0, {0}, false},
    {"held, released with chatter", true, {0, 2, 4, 9, 12}, 0, {}, false},
    {"pulse of 2 ms", false, {0, 2}, 0, {0}, false},
    {"pulse of 19 ms", false, {0, 19}, 0, {0}, false},
    {"break of 5 ms", true, {0, 5}, 0, {5}, false},
    {"break of 12 ms", true, {0, 12}, 0, {12}, false},
    {"break of 19 ms", true, {0, 19}, 0, {19}, false},
    {"break of 22 ms", true, {0, 22}, 0, {22}, false},
    {"break of 30 ms", true, {0, 30}, 0, {30}, false},
    {"break with bounce at its return", true, {0, 8, 9, 10}, 0, {8}, false},
    // A pulse faster than a millisecond, whose count a latch may lose,
    // then a contact 1.5 s later: it counts, at its edge.
    {"fast pulse, then a contact", false, {0, 0, 1500}, 0, {0, 1500}, true},
    {"clean closing, window stalled", false, {0}, 50, {0}, false},
    {"closing with bounce, window stalled", false, {0, 3, 5, 12, 15}, 50, {0}, false},
    {"held, released with chatter, window stalled", true, {0, 2, 4, 9, 12}, 50, {}, false},
    {"pulse of 5 ms, window stalled", false, {0, 5}, 50, {0}, false},
    // The return came while nobody watched: it is taken as early as it can
    // have been, the end of the last reading.
    {"break of 5 ms, window stalled", true, {0, 5}, 50, {0}, false},
};

// One open port on one profile, the worker running, the owner's side served
// by the test.
class Port
{
public:
    explicit Port(Profile profile)
        : m_profile(profile)
    {
        if (OnLine()) {
            m_line->KeepCounters(profile == Profile::Line);
            m_core.SetDeviceFactory(m_line->Factory());
        }
#ifndef _WIN32
        else {
            m_driver->KeepCounters(Counted());
            m_driver->MergeFastChanges(profile == Profile::Latch);
            if (profile == Profile::NoWait)
                m_driver->RemoveWait(ENOTTY);
            m_core.SetDeviceFactory([this](std::uint8_t) { return OpenPath(m_pty.SlaveName(), m_driver); });
        }
#endif
    }

    bool OnLine() const
    {
        return m_profile == Profile::Line || m_profile == Profile::LineLevelOnly;
    }
    bool Counted() const
    {
        return m_profile != Profile::LineLevelOnly && m_profile != Profile::WaitNoCounts
            && m_profile != Profile::NoWait;
    }

    void Open(bool dsrOn)
    {
        if (OnLine())
            m_line->SetModemStatus(dsrOn ? MS_DSR_ON : 0);
#ifndef _WIN32
        else
            m_driver->Drive(dsrOn ? TIOCM_DSR : 0);
#endif
        m_core.Open(1, LineSettings{}, EV_DSR);
    }

    // `changes` DSR changes at once (faster than anyone reads them).
    void Change(int changes)
    {
        if (OnLine())
            m_line->PulseDsr(changes, changes % 2 != 0);
#ifndef _WIN32
        else
            m_driver->PulseDsr(changes);
#endif
    }

    // Does the backend see these changes at all, made while a wait is in
    // progress or while the worker hands a report over?
    bool Visible(int changes, bool handingOver) const
    {
        if (changes == 0)
            return false;
        if (Counted() || OnLine())
            return true;
        // Levels alone: a pulse and back is seen only by a wait in progress.
        return (m_profile == Profile::WaitNoCounts && !handingOver) || changes % 2 == 1;
    }

    // Blocks until the worker watches the line again: a change from here
    // on is seen as it happens.
    void AwaitWatching()
    {
        if (OnLine())
            ServeUntil([&] { return m_line->Snapshot().waiting == 1; });
#ifndef _WIN32
        else if (m_profile == Profile::NoWait)
            m_driver->AwaitLineReads(m_driver->LineReads() + 2);
        else
            m_driver->AwaitWaiting();
#endif
    }

    std::uint64_t Wakes()
    {
        std::lock_guard lock(m_mutex);
        return m_wakes;
    }
    // Blocks, serving nothing, until the worker has queued a report.
    void AwaitWake(std::uint64_t wakes)
    {
        std::unique_lock lock(m_mutex);
        m_woken.wait(lock, [&] { return m_wakes > wakes; });
    }

    // Serves the worker until `done` holds. With `expire`, the simulated
    // line's time limits pass (the backends' own pass by themselves).
    template <typename Done> void ServeUntil(Done done, bool expire = false)
    {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (;;) {
            m_core.ServeHandOvers();
            if (done())
                return;
            ASSERT_LT(std::chrono::steady_clock::now(), limit) << "the worker did not keep step";
            if (expire && OnLine())
                m_line->ExpireWaits();
            std::unique_lock lock(m_mutex);
            m_woken.wait_for(lock, std::chrono::milliseconds(1));
        }
    }

    TComThread &Worker()
    {
        return *m_core.Worker();
    }
    const std::vector<ContactRule::Contact> &Contacts() const
    {
        return m_contacts;
    }
    void Close()
    {
        m_core.Close();
    }

private:
    void Wake()
    {
        std::lock_guard lock(m_mutex);
        ++m_wakes;
        m_woken.notify_all();
    }

    ComPortCore::Events Events()
    {
        ComPortCore::Events events;
        events.port = [this](std::uint32_t event) {
            if (event != EV_DSR)
                return;
            for (const ContactRule::Contact &contact : m_core.Report().contacts)
                m_contacts.push_back(contact);
        };
        return events;
    }

    Profile m_profile;
    std::shared_ptr<SimulatedLine> m_line = SimulatedLine::Create();
#ifndef _WIN32
    std::shared_ptr<SimulatedDriver> m_driver = std::make_shared<SimulatedDriver>();
    Pty m_pty;
#endif
    std::mutex m_mutex;
    std::condition_variable m_woken;
    std::uint64_t m_wakes = 0;
    std::vector<ContactRule::Contact> m_contacts;
    ComPortCore m_core{[this] { Wake(); }, Events()};
};

// The edges as the backend gets them: at once where they fall in the same
// millisecond, and in 16 ms packets behind a latency timer.
std::map<std::uint32_t, int> Deliveries(const Case &c, Profile profile)
{
    std::map<std::uint32_t, int> out;
    for (const std::uint32_t edge : c.edges) {
        std::uint32_t at = kBase + edge;
        if (profile == Profile::Latency16)
            at = (at + 15) / 16 * 16;
        ++out[at];
    }
    return out;
}

std::uint32_t Expected(std::uint32_t edge, Profile profile)
{
    const std::uint32_t at = kBase + edge;
    return profile == Profile::Latency16 ? (at + 15) / 16 * 16 : at;
}

class ContactTable : public testing::TestWithParam<Profile>
{
};

TEST_P(ContactTable, OneContactPerPassing)
{
    const Profile profile = GetParam();
    for (const Case &c : kCases) {
        if (c.subMillisecond && profile == Profile::NoWait)
            continue; // polling every 2 ms cannot see it
        SCOPED_TRACE(c.name);
        FakeClock clock(kBase - 5000);
        Port port(profile);
        port.Open(c.startOn);
        // The line stands still: a follow-up reading settles the burst.
        const auto settle = [&](std::uint32_t at) {
            clock.set(at);
            port.ServeUntil([&] { return port.Worker().Settled(); }, true);
        };
        std::uint32_t last = kBase - 5000; // the last reading that found changes
        std::uint64_t stallSeen = 0;
        int stallChanges = 0;
        for (const auto &[at, changes] : Deliveries(c, profile)) {
            const bool inStall = c.stallMs > 0 && at > kBase && at < kBase + c.stallMs;
            if (!inStall && at - last >= ContactRule::kSettledMs)
                settle(last + ContactRule::kSettledMs);
            if (!inStall)
                port.AwaitWatching();
            clock.set(at);
            const std::uint64_t seen = port.Worker().ChangeReadings();
            const std::uint64_t wakes = port.Wakes();
            port.Change(changes);
            if (inStall) {
                stallChanges += changes;
                continue;
            }
            last = at;
            if (c.stallMs > 0 && at == kBase) {
                // The report of the first edge is queued; nobody takes it.
                port.AwaitWake(wakes);
                stallSeen = seen + 1;
                continue;
            }
            if (port.Visible(changes, false))
                port.ServeUntil([&] { return port.Worker().ChangeReadings() > seen; });
        }
        if (c.stallMs > 0) {
            clock.set(kBase + c.stallMs);
            const bool visible = port.Visible(stallChanges, true);
            port.ServeUntil([&] { return port.Worker().ChangeReadings() >= stallSeen + (visible ? 1 : 0); });
            last = kBase + c.stallMs;
        }
        settle(last + 25);
        std::vector<std::uint32_t> on;
        for (const ContactRule::Contact &contact : port.Contacts()) {
            if (contact.dsrOn)
                on.push_back(contact.tick);
        }
        std::vector<std::uint32_t> expected;
        for (const std::uint32_t edge : c.onContacts)
            expected.push_back(Expected(edge, profile));
        EXPECT_EQ(on, expected);
        port.Close();
    }
}

// On Windows the simulated line alone: its level-only case is what the
// Windows backend gives (EV_DSR, no counts).
INSTANTIATE_TEST_SUITE_P(Profiles, ContactTable,
                         testing::Values(Profile::Line, Profile::LineLevelOnly
#ifndef _WIN32
                                         ,
                                         Profile::Counts, Profile::Latency16, Profile::Latch, Profile::WaitNoCounts,
                                         Profile::NoWait
#endif
                                         ),
                         [](const testing::TestParamInfo<Profile> &info) {
                             std::string name = NameOf(info.param);
                             for (char &ch : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             }
                             return name;
                         });

} // namespace
