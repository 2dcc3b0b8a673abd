#include "Comms.h"
#include "EventPump.h"
#include "SimulatedLine.h"

#include <QCoreApplication>
#include <QMetaProperty>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

using namespace rundaro::serial;

namespace {

class ComPortTest : public ::testing::Test
{
protected:
    ComPortTest() { port.SetDeviceFactory(line->Factory()); }

    // Every port event appends its name and the number of waits started so
    // far, so that events of one hand-over show the same number.
    void LogAll()
    {
        const auto logger = [this](const char *name) {
            return [this, name](QObject *sender) {
                EXPECT_EQ(sender, &port);
                log.push_back(Entry(name));
            };
        };
        port.OnRxChar = [this](QObject *, int inQue) {
            log.push_back(Entry("RxChar"));
            lastInQue = inQue;
        };
        port.OnTxEmpty = logger("TxEmpty");
        port.OnBreak = logger("Break");
        port.OnRing = logger("Ring");
        port.OnCTS = logger("CTS");
        port.OnDSR = logger("DSR");
        port.OnRxFlag = logger("RxFlag");
        port.OnRLSD = logger("RLSD");
        port.OnError = logger("Error");
        port.OnOpen = [this](QObject *) { log.push_back("Open"); };
        port.OnClose = [this](QObject *) { log.push_back("Close"); };
    }

    std::string Entry(const char *name) const
    {
        return std::string(name) + "@" + std::to_string(line->Snapshot().waitsStarted);
    }

    // Declared before the port, which fires OnClose when it is destroyed.
    std::shared_ptr<SimulatedLine> line = SimulatedLine::Create();
    std::vector<std::string> log;
    int lastInQue = -1;
    TComPort port;
};

} // namespace

TEST(ComPort, ValuesAfterConstruction)
{
    TComPort port;
    EXPECT_EQ(port.BaudRate(), TComPort::br9600);
    EXPECT_EQ(port.BaudRateUser(), 28800);
    EXPECT_EQ(port.Port(), 1);
    EXPECT_EQ(port.Parity(), TComPort::prNone);
    EXPECT_EQ(port.StopBits(), TComPort::sbOneStopBit);
    EXPECT_EQ(port.FlowControl(), TComPort::fcNone);
    EXPECT_EQ(port.DataBits(), 8);
    EXPECT_EQ(port.Events(), TEvents::All());
    EXPECT_TRUE(port.EnableDTR());
    EXPECT_EQ(port.WriteBufSize(), 2048);
    EXPECT_EQ(port.ReadBufSize(), 2048);
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(port.HandleValid());
    EXPECT_EQ(port.Worker(), nullptr);
}

TEST(ComPort, PublishedPropertiesInOrder)
{
    TComPort port;
    const QMetaObject *meta = port.metaObject();
    QStringList names;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        names << QLatin1String(meta->property(i).name());
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral("BaudRate BaudRateUser Port Parity StopBits FlowControl DataBits "
                             "Events EnableDTR WriteBufSize ReadBufSize Tag Connected"));
    EXPECT_TRUE(port.setProperty("BaudRate", QVariant::fromValue(TComPort::br76500)));
    EXPECT_EQ(port.BaudRate(), TComPort::br76500);
    EXPECT_TRUE(port.setProperty("Events", QVariant::fromValue(TEvents{TComPort::evDSR})));
    EXPECT_EQ(port.Events().Bits(), 1 << 6);
    EXPECT_EQ(port.property("DataBits").toInt(), 8);
    EXPECT_EQ(int(TComPort::brUser), 15);
    EXPECT_EQ(int(TComPort::evRLSD), 8);
}

TEST(ComPort, DataBitsStayWithinFiveToEight)
{
    const std::pair<int, int> cases[] = {{9, 8}, {4, 5}, {5, 5}, {8, 8}, {0, 5}, {255, 8}, {6, 6}};
    for (const auto &[written, read] : cases) {
        TComPort port;
        port.SetDataBits(static_cast<quint8>(written));
        EXPECT_EQ(port.DataBits(), read) << written;
    }
}

TEST_F(ComPortTest, OpenConfiguresTheDeviceAsTheMainWindowAsksForIt)
{
    port.SetDataBits(5);
    port.SetEvents({TComPort::evDSR});
    port.SetWriteBufSize(64);
    port.SetReadBufSize(64);
    port.SetPort(12);
    port.Open();
    EXPECT_TRUE(port.Connected());
    EXPECT_TRUE(port.HandleValid());
    const SimulatedLine::State state = line->Snapshot();
    EXPECT_EQ(state.port, 12);
    EXPECT_EQ(state.dcb.BaudRate, 9600u);
    EXPECT_EQ(state.dcb.Flags, DCB_BINARY | DCB_DTR_CONTROL_ENABLE);
    EXPECT_EQ(state.dcb.ByteSize, 5);
    EXPECT_EQ(state.dcb.XonLim, 16);
    EXPECT_EQ(state.dcb.XoffLim, 1);
    EXPECT_EQ(state.timeouts, (CommTimeouts{0xFFFFFFFF, 0, 0, 1000, 1500}));
    EXPECT_EQ(state.receiveQueue, 64);
    EXPECT_EQ(state.transmitQueue, 64);
    EXPECT_EQ(state.mask, 0x0010u);
}

TEST_F(ComPortTest, SpeedsOfTheOddEntries)
{
    port.SetBaudRate(TComPort::br76500);
    port.Open();
    EXPECT_EQ(line->Snapshot().dcb.BaudRate, 57600u);
    EXPECT_EQ(line->Snapshot().mask, 0x01FFu);
    port.SetBaudRate(TComPort::brUser);
    port.Open();
    EXPECT_EQ(line->Snapshot().dcb.BaudRate, 28800u);
}

TEST_F(ComPortTest, DeviceThatCannotBeOpened)
{
    LogAll();
    line->FailOpen(2);
    try {
        port.Open();
        FAIL() << "no exception";
    } catch (const EComHandle &e) {
        EXPECT_STREQ(e.what(), "Unable to open com port: 2");
    }
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(port.HandleValid());
    port.Close();
    EXPECT_TRUE(log.empty());
}

TEST_F(ComPortTest, RefusedConfigurationLeavesNoDeviceOpen)
{
    LogAll();
    using Call = SimulatedLine::Call;
    for (Call call : {Call::SetState, Call::GetTimeouts, Call::SetTimeouts, Call::SetupQueues}) {
        line->FailCall(call, 31);
        try {
            port.Open();
            FAIL() << "no exception";
        } catch (const EComState &e) {
            EXPECT_STREQ(e.what(), "Unable to set com state: 31");
        }
        EXPECT_FALSE(port.Connected());
        EXPECT_FALSE(port.HandleValid());
        EXPECT_EQ(port.Worker(), nullptr);
        EXPECT_EQ(line->Snapshot().openDevices, 0);
        port.Close();
        line->FailCall(call, 0);
    }
    EXPECT_TRUE(log.empty());
    port.Open(); // the line is free again
    EXPECT_TRUE(port.Connected());
}

TEST_F(ComPortTest, CloseOnANeverOpenedPortFiresNothing)
{
    LogAll();
    port.Close();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(line->Snapshot().devicesOpened, 0);
}

TEST_F(ComPortTest, OpenTwiceClosesInBetweenWithOneWorkerAtATime)
{
    LogAll();
    TComThread *first = nullptr;
    port.OnClose = [&](QObject *) {
        log.push_back("Close");
        EXPECT_EQ(port.Worker(), nullptr);
        EXPECT_FALSE(port.HandleValid());
        EXPECT_EQ(line->Snapshot().openDevices, 0);
    };
    port.OnOpen = [&](QObject *) {
        log.push_back("Open");
        EXPECT_NE(port.Worker(), nullptr);
        EXPECT_TRUE(port.Connected());
    };
    port.Open();
    first = port.Worker();
    line->AwaitWaitsStarted(1);
    port.Open();
    line->AwaitWaitsStarted(2);
    EXPECT_EQ(log, (std::vector<std::string>{"Open", "Close", "Open"}));
    EXPECT_NE(port.Worker(), nullptr);
    const SimulatedLine::State state = line->Snapshot();
    EXPECT_EQ(state.devicesOpened, 2);
    EXPECT_EQ(state.openDevices, 1);
    EXPECT_EQ(state.mostWaiting, 1);
    EXPECT_EQ(state.purges, std::vector<std::uint32_t>{PURGE_RXABORT | PURGE_RXCLEAR});
    (void)first;
}

TEST_F(ComPortTest, CtsFiresBeforeDsrInOneHandOver)
{
    LogAll();
    port.SetEvents({TComPort::evDSR, TComPort::evCTS});
    port.Open();
    line->AwaitWaitsStarted(1);
    line->RaiseEvents(EV_DSR | EV_CTS);
    ASSERT_TRUE(PumpUntil([&] { return log.size() == 3; }));
    EXPECT_EQ(log, (std::vector<std::string>{"Open", "CTS@1", "DSR@1"}));
}

TEST_F(ComPortTest, AllNineEventsInDispatchOrder)
{
    LogAll();
    port.Open();
    line->AwaitWaitsStarted(1);
    line->SetInQue(7);
    line->RaiseEvents(0x01FF);
    ASSERT_TRUE(PumpUntil([&] { return log.size() == 10; }));
    EXPECT_EQ(log,
              (std::vector<std::string>{"Open", "RxChar@1", "TxEmpty@1", "Break@1", "Ring@1", "CTS@1", "DSR@1",
                                        "RxFlag@1", "RLSD@1", "Error@1"}));
    EXPECT_EQ(lastInQue, 7);
}

TEST_F(ComPortTest, OnlyEnabledEventsAreReported)
{
    LogAll();
    port.SetEvents({TComPort::evDSR});
    port.Open();
    line->AwaitWaitsStarted(1);
    line->SetModemStatus(MS_CTS_ON | MS_RING_ON);
    line->SetModemStatus(MS_CTS_ON | MS_RING_ON | MS_DSR_ON);
    ASSERT_TRUE(PumpUntil([&] { return log.size() == 2; }));
    EXPECT_EQ(log, (std::vector<std::string>{"Open", "DSR@1"}));
    EXPECT_EQ(port.ModemStatus(), MS_CTS_ON | MS_RING_ON | MS_DSR_ON);
}

TEST_F(ComPortTest, CloseServesTheHandOverItsWorkerIsBlockedIn)
{
    bool insideClose = false;
    std::vector<std::string> seen;
    port.SetEvents({TComPort::evDSR});
    port.OnDSR = [&](QObject *) {
        // The device is still open for the handler.
        seen.push_back(insideClose && port.ModemStatus() == MS_DSR_ON ? "DSR in Close" : "DSR");
    };
    port.OnClose = [&](QObject *) { seen.push_back("Close"); };
    port.Open();
    line->AwaitWaitsStarted(1);
    line->SetModemStatus(MS_DSR_ON);
    line->AwaitWaitsCompleted(1); // the worker goes on into the hand-over
    insideClose = true;
    port.Close();
    insideClose = false;
    EXPECT_EQ(seen, (std::vector<std::string>{"DSR in Close", "Close"}));
    EXPECT_EQ(line->Snapshot().purges, std::vector<std::uint32_t>{PURGE_RXABORT | PURGE_RXCLEAR});
    QCoreApplication::processEvents();
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(ComPortTest, DsrDuringCloseIsDispatchedInsideCloseOrLost)
{
    port.SetEvents({TComPort::evDSR});
    bool insideClose = false;
    int dispatched = 0;
    int late = 0;
    port.OnDSR = [&](QObject *) {
        ++dispatched;
        if (!insideClose)
            ++late;
    };
    for (int round = 0; round < 20; ++round) {
        port.Open();
        std::atomic<bool> stop{false};
        std::thread contact([&] {
            for (std::uint32_t status = MS_DSR_ON; !stop; status ^= MS_DSR_ON) {
                line->SetModemStatus(status);
                std::this_thread::yield();
            }
        });
        ASSERT_TRUE(PumpUntil([&] { return dispatched > 0; }));
        late = 0;
        insideClose = true;
        port.Close();
        insideClose = false;
        stop = true;
        contact.join();
        // Wake-ups still queued find nothing to run.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(late, 0) << round;
        dispatched = 0;
    }
}

TEST_F(ComPortTest, HandlerErrorIsReportedAndThePortKeepsWatching)
{
    int ran = 0;
    port.SetEvents({TComPort::evDSR, TComPort::evCTS});
    port.OnCTS = [&](QObject *) { throw rundaro::Exception("handler failed"); };
    port.OnDSR = [&](QObject *) { ++ran; };
    std::vector<std::string> reported;
    port.OnException = [&](QObject *sender, const std::exception_ptr &error) {
        EXPECT_EQ(sender, &port);
        try {
            std::rethrow_exception(error);
        } catch (const std::exception &e) {
            reported.push_back(e.what());
        }
    };
    port.Open();
    // The failing OnCTS does not keep OnDSR of the same wait from firing,
    // nor the next wait from being made.
    line->SetModemStatus(MS_DSR_ON | MS_CTS_ON);
    ASSERT_TRUE(PumpUntil([&] { return ran == 1; }));
    line->SetModemStatus(0);
    ASSERT_TRUE(PumpUntil([&] { return ran == 2; }));
    EXPECT_EQ(reported, (std::vector<std::string>{"handler failed", "handler failed"}));
    EXPECT_TRUE(port.Connected());
    port.Close();
    EXPECT_EQ(line->Snapshot().purges.size(), 1u);
}

TEST_F(ComPortTest, ClosingFromItsOwnHandlerIsRefused)
{
    bool ran = false;
    port.SetEvents({TComPort::evDSR});
    port.OnDSR = [&](QObject *) {
        ran = true;
        EXPECT_THROW(port.Close(), rundaro::EInvalidOperation);
        EXPECT_THROW(port.Open(), rundaro::EInvalidOperation);
    };
    port.Open();
    line->AwaitWaitsStarted(1);
    line->SetModemStatus(MS_DSR_ON);
    ASSERT_TRUE(PumpUntil([&] { return ran; }));
    port.Close();
    EXPECT_FALSE(port.Connected());
}

TEST_F(ComPortTest, PortThatCanNoLongerWaitClosesItselfAndSaysWhy)
{
    enum class Kind { CannotStart, EmptyEvents, KeepFailing };
    const std::pair<Kind, std::uint32_t> cases[]
        = {{Kind::CannotStart, 21}, {Kind::EmptyEvents, SimulatedLine::kErrorNoEvents}, {Kind::KeepFailing, 22}};
    for (const auto &[kind, error] : cases) {
        auto line = SimulatedLine::Create();
        TComPort port;
        port.SetDeviceFactory(line->Factory());
        std::vector<std::string> log;
        port.OnDSR = [&](QObject *) { log.push_back("DSR"); };
        port.OnClose = [&](QObject *) { log.push_back("Close"); };
        port.OnLost = [&](QObject *sender, std::uint32_t number) {
            EXPECT_EQ(sender, &port);
            EXPECT_FALSE(port.Connected());
            log.push_back("Lost " + std::to_string(number));
        };
        port.SetEvents(kind == Kind::EmptyEvents ? TEvents{} : TEvents{TComPort::evDSR});
        if (kind == Kind::CannotStart)
            line->FailWaits(21);
        if (kind == Kind::KeepFailing)
            line->DropCompletions(22);
        port.Open();
        ASSERT_TRUE(PumpUntil([&] { return !log.empty(); }));
        EXPECT_EQ(log, std::vector<std::string>{"Lost " + std::to_string(error)});
        EXPECT_FALSE(port.Connected());
        EXPECT_FALSE(port.HandleValid());
        EXPECT_EQ(port.Worker(), nullptr);
        const SimulatedLine::State state = line->Snapshot();
        EXPECT_EQ(state.openDevices, 0);
        if (kind == Kind::KeepFailing) {
            EXPECT_EQ(state.waitsCompleted, std::uint64_t(TComThread::kMaxFailedWaits));
        }
        port.Close(); // nothing left to close
        EXPECT_EQ(log.size(), 1u);
    }
}

// Handlers that open and close the port from OnOpen and OnClose, also
// inside an Open's own closing step: after every call the port is open
// exactly when it has a device and a worker, with at most one device.
TEST_F(ComPortTest, OpenAndCloseFromOpenAndCloseHandlersKeepOnePort)
{
    port.SetEvents({TComPort::evDSR});
    int reopens = 0;
    int closesInOpen = 0;
    port.OnClose = [&](QObject *) {
        if (reopens > 0) {
            --reopens;
            port.Open();
        }
    };
    port.OnOpen = [&](QObject *) {
        if (closesInOpen > 0) {
            --closesInOpen;
            port.Close();
        }
    };
    const auto consistent = [&](const char *step) {
        EXPECT_EQ(port.HandleValid(), port.Connected()) << step;
        EXPECT_EQ(port.Worker() != nullptr, port.Connected()) << step;
        EXPECT_EQ(line->Snapshot().openDevices, port.Connected() ? 1 : 0) << step;
    };
    port.Open();
    reopens = 1; // Open -> Close -> OnClose -> Open
    port.Open();
    consistent("Open whose OnClose opens");
    EXPECT_TRUE(port.Connected());
    reopens = 1;
    port.Close(); // Close -> OnClose -> Open
    consistent("Close whose OnClose opens");
    EXPECT_TRUE(port.Connected());
    closesInOpen = 1;
    port.Open(); // Open -> OnOpen -> Close
    consistent("Open whose OnOpen closes");
    EXPECT_FALSE(port.Connected());
    reopens = 3;
    closesInOpen = 2;
    port.Open();
    consistent("both, several times");
    reopens = 0;
    closesInOpen = 0;
    port.Open();
    port.Close();
    consistent("last Close");
    EXPECT_EQ(line->Snapshot().openDevices, 0);
}

TEST_F(ComPortTest, ModemStatusKeepsTheLastWordWhenUnreadable)
{
    EXPECT_EQ(port.ModemStatus(), 0u);
    port.Open();
    line->SetModemStatus(MS_DSR_ON | MS_CTS_ON);
    EXPECT_EQ(port.ModemStatus(), MS_DSR_ON | MS_CTS_ON);
    line->FailCall(SimulatedLine::Call::ModemStatus, 5);
    line->SetModemStatus(0);
    EXPECT_EQ(port.ModemStatus(), MS_DSR_ON | MS_CTS_ON);
    line->FailCall(SimulatedLine::Call::ModemStatus, 0);
    EXPECT_EQ(port.ModemStatus(), 0u);
    port.Close();
    EXPECT_EQ(port.ModemStatus(), 0u);
}

TEST_F(ComPortTest, InQueCountClearsErrors)
{
    EXPECT_EQ(port.InQueCount(), 0);
    port.Open();
    line->SetInQue(5);
    line->AddErrors(CE_FRAME);
    EXPECT_EQ(port.InQueCount(), 5);
    std::uint32_t errors = 1, inQue = 0;
    ASSERT_TRUE(port.Handle()->ClearErrors(errors, inQue));
    EXPECT_EQ(errors, 0u);
}

TEST_F(ComPortTest, DestroyingAnOpenPortClosesIt)
{
    bool closed = false;
    {
        TComPort other;
        other.SetDeviceFactory(line->Factory());
        other.OnClose = [&](QObject *) {
            closed = true;
            throw rundaro::Exception("handler failed"); // must not escape the destructor
        };
        other.Open();
        line->AwaitWaitsStarted(1);
    }
    EXPECT_TRUE(closed);
    EXPECT_EQ(line->Snapshot().openDevices, 0);
}
