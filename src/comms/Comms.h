#pragma once

#include "Errors.h"
#include "Events.h"
#include "HandOver.h"
#include "SerialDevice.h"

#include <QEvent>
#include <QObject>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <thread>

class TComThread;
class TEvents;

// The device cannot be opened.
class EComHandle : public rundaro::Exception
{
public:
    using Exception::Exception;
};

// The device cannot be configured.
class EComState : public rundaro::Exception
{
public:
    using Exception::Exception;
};

using TRxCharEvent = std::function<void(QObject *Sender, int InQue)>;
// The port has closed itself: its device can no longer be waited on. Error
// is the system's error number (EIO for an unplugged USB adapter).
using TLostEvent = std::function<void(QObject *Sender, std::uint32_t Error)>;
// An event handler raised E while the port dispatched its events.
using TExceptionEvent = std::function<void(QObject *Sender, const std::exception_ptr &E)>;

// A non-visual component that owns one serial port: it opens and configures
// the device and runs a worker (TComThread) that waits for the port's enabled
// events and hands their dispatch to the main thread, where the event
// handlers fire. It neither reads nor writes the line. All operations are
// made, and all events fire, on the main thread; the main thread's event
// loop must run for the events to arrive.
//
// The settings are plain stored values, used at the next Open. Devices come
// from the device factory (SetDeviceFactory), by default the platform's
// serial ports.
//
// The port never stops watching in silence. When its worker ends for any
// reason but Close (the device has gone, waits keep failing, the driver has
// no wait for the enabled events), the port closes the device at once,
// Connected reads false and OnLost fires with the system's error number
// (OnClose does not fire: nobody closed it). An error raised by an event
// handler is handed to OnException and the port goes on watching; without
// an OnException handler it is dropped.
//
// Open and Close share one guard: whatever OnOpen and OnClose handlers do
// (they may call Open and Close), Connected, the device and the worker agree
// and at most one device is open. An Open whose closing step lets an
// OnClose handler open the port again leaves it open as that handler did.
// Open and Close from a handler of a port event, and from within the
// device factory, are refused with EInvalidOperation.
class TComPort : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TBaudRate BaudRate READ BaudRate WRITE SetBaudRate)
    Q_PROPERTY(qint32 BaudRateUser READ BaudRateUser WRITE SetBaudRateUser)
    Q_PROPERTY(quint8 Port READ Port WRITE SetPort)
    Q_PROPERTY(TParity Parity READ Parity WRITE SetParity)
    Q_PROPERTY(TStopBits StopBits READ StopBits WRITE SetStopBits)
    Q_PROPERTY(TFlowControl FlowControl READ FlowControl WRITE SetFlowControl)
    Q_PROPERTY(quint8 DataBits READ DataBits WRITE SetDataBits)
    Q_PROPERTY(TEvents Events READ Events WRITE SetEvents)
    Q_PROPERTY(bool EnableDTR READ EnableDTR WRITE SetEnableDTR)
    Q_PROPERTY(qint32 WriteBufSize READ WriteBufSize WRITE SetWriteBufSize)
    Q_PROPERTY(qint32 ReadBufSize READ ReadBufSize WRITE SetReadBufSize)
    Q_PROPERTY(qint32 Tag READ Tag WRITE SetTag)
    Q_PROPERTY(bool Connected READ Connected)

public:
    enum TBaudRate : quint8 {
        br110, br300, br600, br1200, br2400, br4800, br9600, br14400,
        br19200, br38400, br56000, br76500, br115200, br128000, br256000, brUser,
    };
    Q_ENUM(TBaudRate)
    enum TParity : quint8 { prNone, prOdd, prEven, prMark, prSpace };
    Q_ENUM(TParity)
    enum TStopBits : quint8 { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };
    Q_ENUM(TStopBits)
    enum TFlowControl : quint8 { fcNone, fcRtsCts, fcXonXoff };
    Q_ENUM(TFlowControl)
    enum TEvent : quint8 { evRxChar, evTxEmpty, evRxFlag, evRing, evBreak, evCTS, evDSR, evError, evRLSD };
    Q_ENUM(TEvent)

    explicit TComPort(QObject *owner = nullptr);
    ~TComPort() override;

    // Where the component gets its devices; an empty factory restores the
    // platform's serial ports. Takes effect at the next Open.
    void SetDeviceFactory(rundaro::serial::DeviceFactory factory);

    void Open();
    void Close();
    // The modem status word (MS_CTS_ON, MS_DSR_ON, MS_RING_ON, MS_RLSD_ON).
    // When the device cannot tell, the last word it did tell is returned
    // (0 before the first one, and while not open), so a failed read never
    // looks like a change of the lines.
    std::uint32_t ModemStatus();
    // Bytes waiting in the receive queue; clears the device's error state.
    // 0 while not open or when the device cannot tell.
    int InQueCount();
    bool HandleValid() const { return FHandle != nullptr; }

    rundaro::serial::Device *Handle() const { return FHandle.get(); }
    TComThread *Worker() const { return FWorker.get(); }
    bool Connected() const { return FConnected; }

    TBaudRate BaudRate() const { return FBaudRate; }
    void SetBaudRate(TBaudRate value) { FBaudRate = value; }
    qint32 BaudRateUser() const { return FBaudRateUser; }
    void SetBaudRateUser(qint32 value) { FBaudRateUser = value; }
    quint8 Port() const { return FPort; }
    void SetPort(quint8 value) { FPort = value; }
    TParity Parity() const { return FParity; }
    void SetParity(TParity value) { FParity = value; }
    TStopBits StopBits() const { return FStopBits; }
    void SetStopBits(TStopBits value) { FStopBits = value; }
    TFlowControl FlowControl() const { return FFlowControl; }
    void SetFlowControl(TFlowControl value) { FFlowControl = value; }
    quint8 DataBits() const { return FDataBits; }
    void SetDataBits(quint8 value);
    TEvents Events() const;
    void SetEvents(TEvents value);
    bool EnableDTR() const { return FEnableDTR; }
    void SetEnableDTR(bool value) { FEnableDTR = value; }
    qint32 WriteBufSize() const { return FWriteBufSize; }
    void SetWriteBufSize(qint32 value) { FWriteBufSize = value; }
    qint32 ReadBufSize() const { return FReadBufSize; }
    void SetReadBufSize(qint32 value) { FReadBufSize = value; }
    qint32 Tag() const { return FTag; }
    void SetTag(qint32 value) { FTag = value; }

    TRxCharEvent OnRxChar;
    TNotifyEvent OnTxEmpty;
    TNotifyEvent OnBreak;
    TNotifyEvent OnRing;
    TNotifyEvent OnCTS;
    TNotifyEvent OnDSR;
    TNotifyEvent OnRLSD;
    TNotifyEvent OnRxFlag;
    TNotifyEvent OnError;
    TNotifyEvent OnOpen;
    TNotifyEvent OnClose;
    TLostEvent OnLost;
    TExceptionEvent OnException;

protected:
    bool event(QEvent *e) override;

private:
    friend class TComThread;

    // The posted event that makes the main thread run queued hand-overs.
    static QEvent::Type HandOverEventType();

    void OpenDevice();
    void CloseDevice();
    void ApplySettings();
    // The worker has ended on its own: close and report.
    void LoseDevice();
    void HandlerFailed(const std::exception_ptr &error);
    void DoRxChar();
    void DoTxEmpty();
    void DoBreak();
    void DoRing();
    void DoCTS();
    void DoDSR();
    void DoRxFlag();
    void DoRLSD();
    void DoError();

    std::unique_ptr<rundaro::serial::Device> FHandle;
    std::unique_ptr<TComThread> FWorker;
    bool FConnected = false;
    TBaudRate FBaudRate = br9600;
    qint32 FBaudRateUser = 28800;
    quint8 FPort = 1;
    TParity FParity = prNone;
    TStopBits FStopBits = sbOneStopBit;
    TFlowControl FFlowControl = fcNone;
    quint8 FDataBits = 8;
    std::uint16_t FEvents = 0x01FF;
    bool FEnableDTR = true;
    qint32 FWriteBufSize = 2048;
    qint32 FReadBufSize = 2048;
    qint32 FTag = 0;
    std::uint32_t FLastModemStatus = 0;
    int FDispatching = 0; // depth of event handlers running now
    bool FChanging = false; // inside Open's or Close's own steps
    rundaro::serial::DeviceFactory FDeviceFactory;

    Q_DISABLE_COPY(TComPort)
};

using TBaudRate = TComPort::TBaudRate;
using TParity = TComPort::TParity;
using TStopBits = TComPort::TStopBits;
using TFlowControl = TComPort::TFlowControl;
using TEvent = TComPort::TEvent;

// A set of TEvent members (bit n for the member of ordinal n).
class TEvents
{
public:
    constexpr TEvents() = default;
    constexpr TEvents(std::initializer_list<TEvent> members)
    {
        for (TEvent member : members)
            m_bits |= static_cast<std::uint16_t>(1u << member);
    }
    static constexpr TEvents FromBits(std::uint16_t bits)
    {
        TEvents set;
        set.m_bits = bits & 0x01FF;
        return set;
    }
    static constexpr TEvents All() { return FromBits(0x01FF); }

    constexpr std::uint16_t Bits() const { return m_bits; }
    constexpr bool Contains(TEvent member) const { return m_bits & (1u << member); }
    constexpr bool operator==(const TEvents &) const = default;

private:
    std::uint16_t m_bits = 0;
};
Q_DECLARE_METATYPE(TEvents)

// The worker of one connected TComPort: waits without time limit for the
// port's events or its shutdown, and hands each completed wait's dispatch to
// the main thread, blocking until it has run there. It is created and
// destroyed on the main thread; destruction stops it, serving any hand-over
// still pending, and waits for it to end. Its shutdown event is the device's
// own wait cancel (Device::CancelWait), which a wait checks first.
//
// When the device can no longer be waited on, the worker ends on its own and
// wakes the main thread, where the port then sees Lost() and closes.
class TComThread
{
public:
    // A run of this many completed waits that all report failure means the
    // device has gone; the worker then ends instead of spinning.
    static constexpr int kMaxFailedWaits = 3;

    explicit TComThread(TComPort *owner);
    ~TComThread();
    TComThread(const TComThread &) = delete;
    TComThread &operator=(const TComThread &) = delete;

    void Start();
    void SignalStop();
    // True once the worker has ended on its own; LostError then says why.
    bool Lost();
    std::uint32_t LostError() const { return FLostError; }

private:
    friend class TComPort;

    void Execute();
    // Waits and hands over until the wait is cancelled (true) or the device
    // can no longer be waited on (false, with the reason in `error`).
    bool WaitLoop(std::uint32_t &error);
    void DispatchEvents();

    TComPort *OwnerPort = nullptr;
    std::uint32_t EventMask = 0;
    std::atomic<bool> FLost{false};
    std::atomic<std::uint32_t> FLostError{0};
    rundaro::serial::HandOver FHandOver;
    std::thread FThread;
};
