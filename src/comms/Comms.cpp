#include "Comms.h"

#include "LineSettings.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <string>

using rundaro::serial::WaitResult;

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
    Close();
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
    FWorker.reset();
    CloseDevice();
    FConnected = false;
    fire(OnClose, this);
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
    if (FWorker)
        FWorker->FHandOver.RunPending();
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

void TComThread::Execute()
{
    try {
        WaitLoop();
    } catch (...) {
        // An error carried back from a handler ends the worker, without its
        // clean-up; the main thread has already seen it.
    }
    FHandOver.WorkerEnded();
}

void TComThread::WaitLoop()
{
    rundaro::serial::Device &device = *OwnerPort->FHandle;
    int failedWaits = 0;
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
        case WaitResult::Failed:
            waiting = false;
            break;
        }
    }
    device.Purge(rundaro::serial::PURGE_RXABORT | rundaro::serial::PURGE_RXCLEAR);
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
    }
}
