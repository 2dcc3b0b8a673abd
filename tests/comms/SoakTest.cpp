#include "Comms.h"
#include "Errors.h"
#include "ProcStats.h"
#include "SimulatedLine.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <stdexcept>
#include <thread>

using namespace rundaro::serial;

namespace {

constexpr int kEdges = 100000;

// 100,000 DSR edges from a second thread while the main thread opens and
// closes the port at random moments and serves the hand-overs in between;
// every fiftieth OnDSR throws, which ends that worker. Nothing may be
// dispatched once a Close has returned, nothing may hang, and every thread
// and descriptor the port used must be gone at the end.
TEST(ComPortSoak, DsrEdgesWhileOpeningAndClosingAtRandom)
{
    auto line = SimulatedLine::Create();
    int dispatched = 0;
    int thrown = 0;
    int afterClose = 0;
    int opens = 0;
    int closes = 0;
    bool closeReturned = true;
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

        std::atomic<int> dispatchedNow{0};
        port.OnDSR = [&](QObject *sender) {
            auto &p = *static_cast<TComPort *>(sender);
            if (closeReturned)
                ++afterClose;
            ++dispatched;
            dispatchedNow = dispatched;
            p.ModemStatus();
            if (dispatched % 50 == 0) {
                ++thrown;
                throw std::runtime_error("handler failed");
            }
        };

        // The next edge comes once the last one has been dispatched, or
        // after a few steps of the main thread when no worker takes it: so
        // edges fall between all of the main thread's actions, and most of
        // them reach a handler rather than piling up in one wait.
        std::atomic<bool> edgesDone{false};
        std::atomic<long> mainSteps{0};
        std::thread far([&] {
            long steps = 0;
            int handled = 0;
            for (int i = 0; i < kEdges; ++i) {
                while (dispatchedNow.load() == handled && mainSteps.load() - steps < 20)
                    std::this_thread::yield();
                steps = mainSteps.load();
                handled = dispatchedNow.load();
                line->SetModemStatus(i % 2 == 0 ? MS_DSR_ON : 0);
            }
            edgesDone = true;
        });

        std::mt19937 random(20261207);
        std::uniform_int_distribution<int> action(0, 999);
        while (!edgesDone) {
            ++mainSteps;
            switch (action(random)) {
            case 0:
                closeReturned = false;
                port.Open();
                ++opens;
                break;
            case 1:
                port.Close();
                closeReturned = true;
                ++closes;
                break;
            default:
                QCoreApplication::processEvents();
                break;
            }
        }
        far.join();
        port.Close();
        closeReturned = true;
        // Wake-ups posted by ended workers find nothing to run.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();

        EXPECT_EQ(afterClose, 0);
        EXPECT_GT(dispatched, kEdges / 10);
        EXPECT_GT(thrown, 100);
        EXPECT_GT(opens, 500);
        EXPECT_GT(closes, 500);
        EXPECT_EQ(line->Snapshot().openDevices, 0);
        EXPECT_EQ(line->Snapshot().waiting, 0);
        EXPECT_EQ(ProcStats::Threads(), threadsBefore);
        EXPECT_EQ(ProcStats::Files(), filesBefore);
        RecordProperty("dispatched", dispatched);
        RecordProperty("opens", opens);
        RecordProperty("thrown", thrown);
        RecordProperty("closes", closes);
    }
    EXPECT_EQ(line->Snapshot().openDevices, 0);
}

} // namespace
