#include "Comms.h"
#include "Errors.h"
#include "ProcStats.h"
#include "SimulatedLine.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <random>
#include <stdexcept>
#include <thread>

using namespace rundaro::serial;

namespace {

constexpr int kEdges = 100000;

// The far end of the line: sets the DSR edges the main thread asks for, in
// order, from a thread of its own, and sleeps on a condition in between.
class Contact
{
public:
    explicit Contact(std::shared_ptr<SimulatedLine> line)
        : m_line(std::move(line))
        , m_thread([this] { Run(); })
    {
    }
    ~Contact()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    // Asks for the next edge and returns at once.
    void Edge()
    {
        std::lock_guard lock(m_mutex);
        ++m_asked;
        m_changed.notify_all();
    }
    // Returns once every edge asked for is on the line.
    void AwaitEdges()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_done == m_asked; });
    }

private:
    void Run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [&] { return m_stop || m_asked > m_done; });
            if (m_stop)
                return;
            lock.unlock();
            // Edge n leaves DSR on when n is odd.
            m_line->SetModemStatus(m_done % 2 == 0 ? MS_DSR_ON : 0);
            lock.lock();
            ++m_done;
            m_changed.notify_all();
        }
    }

    std::shared_ptr<SimulatedLine> m_line;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    long m_asked = 0;
    long m_done = 0;
    bool m_stop = false;
    std::thread m_thread;
};

// 100,000 DSR edges set from a second thread while the main thread opens
// and closes the port at moments drawn from a fixed seed. After most edges
// the main thread serves its event loop until the handler has read the new
// level; the others race a Close or an Open (the edge is then dispatched
// inside it or lost). Every fiftieth awaited edge's handler throws: the
// error is reported and the port keeps watching. What happens is fixed by
// the seed and every wait is for a condition, never for time, so a loaded
// machine only makes the run slower. Nothing may be dispatched once a Close
// has returned, and every thread and descriptor the port used must be gone
// at the end.
TEST(ComPortSoak, DsrEdgesWhileOpeningAndClosingAtRandom)
{
    auto line = SimulatedLine::Create();
    int dispatched = 0;
    int thrown = 0;
    int reported = 0;
    int afterClose = 0;
    int awaited = 0;
    int raced = 0;
    int opens = 0;
    int closes = 0;
    int plannedThrows = 0;
    bool closeReturned = true;
    std::uint32_t seen = ~0u; // DSR level read by the last handler
    std::uint32_t throwAt = ~0u; // the level whose handler throws
    {
        TComPort port;
        port.SetDeviceFactory(line->Factory());
        port.SetEvents({TComPort::evDSR});
        // One cycle first, so that whatever the event loop sets up once is
        // there before counting.
        port.Open();
        port.Close();
        QCoreApplication::processEvents();
        const int threadsBefore = ProcStats::Threads();
        const int filesBefore = ProcStats::Files();

        port.OnDSR = [&](QObject *sender) {
            if (closeReturned)
                ++afterClose;
            ++dispatched;
            seen = static_cast<TComPort *>(sender)->ModemStatus() & MS_DSR_ON;
            if (seen == throwAt) {
                throwAt = ~0u;
                ++thrown;
                throw std::runtime_error("handler failed");
            }
        };
        port.OnException = [&](QObject *, const std::exception_ptr &) { ++reported; };
        port.OnLost = [&](QObject *, std::uint32_t) { ADD_FAILURE() << "the port was lost"; };

        Contact contact(line);
        std::mt19937 random(20261207);
        std::uniform_int_distribution<int> roll(0, 999);
        for (int edge = 0; edge < kEdges; ++edge) {
            const std::uint32_t level = edge % 2 == 0 ? MS_DSR_ON : 0;
            const int action = roll(random);
            if (!port.Connected() && action < 500) {
                closeReturned = false;
                port.Open();
                ++opens;
            }
            if (!port.Connected() || action >= 980) {
                // Closed (never dispatched), or raced by a Close or an Open.
                contact.Edge();
                if (action >= 990) {
                    port.Close();
                    closeReturned = true;
                    ++closes;
                } else if (action >= 980) {
                    closeReturned = false;
                    port.Open();
                    ++opens;
                }
                contact.AwaitEdges();
                ++raced;
                continue;
            }
            seen = ~0u;
            if (++awaited % 50 == 0) {
                throwAt = level;
                ++plannedThrows;
            }
            contact.Edge();
            while (seen != level)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            throwAt = ~0u;
        }
        port.Close();
        closeReturned = true;
        // Wake-ups posted by ended workers find nothing to run.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();

        EXPECT_EQ(afterClose, 0);
        EXPECT_EQ(thrown, plannedThrows);
        EXPECT_EQ(reported, thrown);
        EXPECT_EQ(line->Snapshot().openDevices, 0);
        EXPECT_EQ(line->Snapshot().waiting, 0);
        EXPECT_EQ(ProcStats::Threads(), threadsBefore + 1); // the contact's
        EXPECT_EQ(ProcStats::Files(), filesBefore);
        RecordProperty("awaited", awaited);
        RecordProperty("raced", raced);
        RecordProperty("dispatched", dispatched);
        RecordProperty("opens", opens);
        RecordProperty("closes", closes);
        RecordProperty("thrown", thrown);
    }
    EXPECT_EQ(line->Snapshot().openDevices, 0);
}

} // namespace
