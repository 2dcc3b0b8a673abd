#include "Comms.h"

#include "LineSettings.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <string>

using rundaro::serial::WaitResult;

namespace {

// Marks Open's and Close's own steps, in which no other Open or Close may
// run.
class ChangeGuard
{
public:
    explicit ChangeGuard(bool &changing)
        : m_changing(changing)
    {
        m_changing = true;
    }
    ~ChangeGuard() { m_changing = false; }
    ChangeGuard(const ChangeGuard &) = delete;
    ChangeGuard &operator=(const ChangeGuard &) = delete;

private:
    bool &m_changing;
};

} // namespace

TComPort::TComPort(QObject *owner)
    : QObject(owner)
{
}

TComPort::~TComPort()
{
    try {
        Close();
    } catch (...) {
        // An OnClose handler's error cannot leave a destructor.
    }
}

void TComPort::SetDeviceFactory(rundaro::serial::DeviceFactory factory)
{
    FDeviceFactory = std::move(factory);
}

void TComPort::SetDataBits(quint8 value)
{
    if (value == FDataBits)
        return;
    FDataBits = std::clamp<quint8>(value, 5, 8);
}

TEvents TComPort::Events() const
{
    return TEvents::FromBits(FEvents);
}

void TComPort::SetEvents(TEvents value)
{
    FEvents = value.Bits();
}

void TComPort::Open()
{
    if (FDispatching > 0)
        throw rundaro::EInvalidOperation("Cannot open a com port from its own event handler");
    if (FChanging)
        throw rundaro::EInvalidOperation("Cannot open a com port while it opens or closes");
    Close();
    // An OnClose handler has opened it again: that stands, and a second
    // device must not be opened over it.
    if (FConnected)
        return;
    {
        ChangeGuard guard(FChanging);
        OpenDevice();
        try {
            ApplySettings();
            FWorker = std::make_unique<TComThread>(this);
            FWorker->Start();
        } catch (...) {
            // Not connected: nothing else would ever close the device.
            FWorker.reset();
            CloseDevice();
            throw;
        }
        FConnected = true;
    }
    fire(OnOpen, this);
}

void TComPort::Close()
{
    if (!FConnected)
        return;
    // The worker is blocked in this very hand-over: waiting for it to end
    // would never return.
    if (FDispatching > 0)
        throw rundaro::EInvalidOperation("Cannot close a com port from its own event handler");
    if (FChanging)
        throw rundaro::EInvalidOperation("Cannot close a com port while it opens or closes");
    {
        ChangeGuard guard(FChanging);
        FWorker.reset();
        CloseDevice();
        FConnected = false;
    }
    fire(OnClose, this);
}

void TComPort::LoseDevice()
{
    const std::uint32_t error = FWorker->LostError();
    {
        ChangeGuard guard(FChanging);
        FWorker.reset();
        CloseDevice();
        FConnected = false;
    }
    fire(OnLost, this, error);
}

void TComPort::HandlerFailed(const std::exception_ptr &error)
{
    try {
        fire(OnException, this, error);
    } catch (...) {
        // The report of an error cannot itself stop the port.
    }
}

std::uint32_t TComPort::ModemStatus()
{
    std::uint32_t status = 0;
    if (FHandle && FHandle->ModemStatus(status))
        FLastModemStatus = status;
    return FLastModemStatus;
}

int TComPort::InQueCount()
{
    std::uint32_t errors = 0;
    std::uint32_t inQue = 0;
    if (!FHandle || !FHandle->ClearErrors(errors, inQue))
        return 0;
    return static_cast<int>(inQue);
}

void TComPort::OpenDevice()
{
    rundaro::serial::OpenResult result = FDeviceFactory ? FDeviceFactory(FPort)
                                                        : rundaro::serial::OpenPort(FPort);
    FLastModemStatus = 0;
    FHandle = std::move(result.device);
    if (!FHandle)
        throw EComHandle("Unable to open com port: " + std::to_string(result.error));
}

void TComPort::CloseDevice()
{
    FHandle.reset();
    FLastModemStatus = 0;
}

void TComPort::ApplySettings()
{
    rundaro::serial::LineSettings settings;
    settings.baudRate = FBaudRate;
    settings.baudRateUser = FBaudRateUser;
    settings.parity = FParity;
    settings.stopBits = FStopBits;
    settings.flowControl = static_cast<rundaro::serial::FlowControl>(FFlowControl);
    settings.dataBits = FDataBits;
    settings.enableDTR = FEnableDTR;
    settings.writeBufSize = FWriteBufSize;
    settings.readBufSize = FReadBufSize;
    if (!rundaro::serial::ApplySettings(*FHandle, settings))
        throw EComState("Unable to set com state: " + std::to_string(FHandle->LastError()));
}

QEvent::Type TComPort::HandOverEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool TComPort::event(QEvent *e)
{
    if (e->type() != HandOverEventType())
        return QObject::event(e);
    // A wake-up may outlive the worker that sent it; it then finds nothing.
    if (FWorker) {
        FWorker->FHandOver.RunPending();
        if (FWorker->Lost())
            LoseDevice();
    }
    return true;
}

void TComPort::DoRxChar()
{
    if (OnRxChar)
        OnRxChar(this, InQueCount());
}

void TComPort::DoTxEmpty() { fire(OnTxEmpty, this); }
void TComPort::DoBreak() { fire(OnBreak, this); }
void TComPort::DoRing() { fire(OnRing, this); }
void TComPort::DoCTS() { fire(OnCTS, this); }
void TComPort::DoDSR() { fire(OnDSR, this); }
void TComPort::DoRxFlag() { fire(OnRxFlag, this); }
void TComPort::DoRLSD() { fire(OnRLSD, this); }
void TComPort::DoError() { fire(OnError, this); }

TComThread::TComThread(TComPort *owner)
    : OwnerPort(owner),
      FHandOver([owner] { QCoreApplication::postEvent(owner, new QEvent(TComPort::HandOverEventType())); })
{
    OwnerPort->FHandle->SetMask(rundaro::serial::EventMaskOf(OwnerPort->FEvents));
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
        // Handlers' errors stay on the main thread; whatever else ends the
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
            FHandOver.Run([this] { DispatchEvents(); });
            break;
        case WaitResult::Dropped:
            waiting = ++failedWaits < kMaxFailedWaits;
            break;
        case WaitResult::Cancelled:
            cancelled = true;
            waiting = false;
            break;
        case WaitResult::Failed:
            waiting = false;
            break;
        }
    }
    if (!cancelled)
        error = device.LastError();
    device.Purge(rundaro::serial::PURGE_RXABORT | rundaro::serial::PURGE_RXCLEAR);
    return cancelled;
}

void TComThread::DispatchEvents()
{
    using namespace rundaro::serial;
    TComPort &port = *OwnerPort;
    ++port.FDispatching;
    struct Leave
    {
        int &depth;
        ~Leave() { --depth; }
    } leave{port.FDispatching};
    for (std::uint32_t bit : kDispatchOrder) {
        if (!(EventMask & bit))
            continue;
        // One handler's error neither ends the worker nor keeps the next
        // event of this wait from firing.
        try {
            switch (bit) {
            case EV_RXCHAR: port.DoRxChar(); break;
            case EV_TXEMPTY: port.DoTxEmpty(); break;
            case EV_BREAK: port.DoBreak(); break;
            case EV_RING: port.DoRing(); break;
            case EV_CTS: port.DoCTS(); break;
            case EV_DSR: port.DoDSR(); break;
            case EV_RXFLAG: port.DoRxFlag(); break;
            case EV_RLSD: port.DoRLSD(); break;
            case EV_ERR: port.DoError(); break;
            }
        } catch (...) {
            port.HandlerFailed(std::current_exception());
        }
    }
}
