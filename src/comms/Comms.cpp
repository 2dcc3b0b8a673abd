#include "Comms.h"

#include "LineSettings.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

TComPort::TComPort(QObject *owner)
    : QObject(owner)
    , FCore([this] { PostHandOver(); },
            {
                [this](std::uint32_t event) { PortEvent(event); },
                [this](const std::exception_ptr &error) { fire(OnException, this, error); },
                [this] { fire(OnOpen, this); },
                [this] { fire(OnClose, this); },
                [this](std::uint32_t error) { fire(OnLost, this, error); },
            })
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
    FCore.SetDeviceFactory(std::move(factory));
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
    FCore.Open(FPort, CurrentLineSettings(), rundaro::serial::EventMaskOf(FEvents));
}

void TComPort::Close()
{
    FCore.Close();
}

std::uint32_t TComPort::ModemStatus()
{
    return FCore.ModemStatus();
}

int TComPort::InQueCount()
{
    return FCore.InQueCount();
}

rundaro::serial::LineSettings TComPort::CurrentLineSettings() const
{
    rundaro::serial::LineSettings settings;
    settings.baudRate = FBaudRate;
    settings.baudRateUser = FBaudRateUser;
    settings.parity = FParity;
    settings.stopBits = FStopBits;
    settings.flowControl = static_cast<rundaro::serial::FlowControl>(FFlowControl);
    settings.dataBits = FDataBits;
    settings.enableDTR = FEnableDTR;
    settings.enableRTS = FEnableRTS;
    settings.writeBufSize = FWriteBufSize;
    settings.readBufSize = FReadBufSize;
    return settings;
}

QEvent::Type TComPort::HandOverEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void TComPort::PostHandOver()
{
    QCoreApplication::postEvent(this, new QEvent(HandOverEventType()));
}

bool TComPort::event(QEvent *e)
{
    if (e->type() != HandOverEventType())
        return QObject::event(e);
    FCore.ServeHandOvers();
    return true;
}

void TComPort::PortEvent(std::uint32_t event)
{
    using namespace rundaro::serial;
    switch (event) {
    case EV_RXCHAR: DoRxChar(); break;
    case EV_TXEMPTY: DoTxEmpty(); break;
    case EV_BREAK: DoBreak(); break;
    case EV_RING: DoRing(); break;
    case EV_CTS: DoCTS(); break;
    case EV_DSR: DoDSR(); break;
    case EV_RXFLAG: DoRxFlag(); break;
    case EV_RLSD: DoRLSD(); break;
    case EV_ERR: DoError(); break;
    }
}

void TComPort::DoRxChar()
{
    if (OnRxChar)
        OnRxChar(this, InQueCount());
}

void TComPort::DoTxEmpty()
{
    fire(OnTxEmpty, this);
}
void TComPort::DoBreak()
{
    fire(OnBreak, this);
}
void TComPort::DoRing()
{
    fire(OnRing, this);
}
void TComPort::DoCTS()
{
    fire(OnCTS, this);
}
void TComPort::DoDSR()
{
    fire(OnDSR, this);
}
void TComPort::DoRxFlag()
{
    fire(OnRxFlag, this);
}
void TComPort::DoRLSD()
{
    fire(OnRLSD, this);
}
void TComPort::DoError()
{
    fire(OnError, this);
}
