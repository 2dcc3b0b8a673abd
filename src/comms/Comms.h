#pragma once

#include "ComErrors.h"
#include "ComPortCore.h"
#include "ComThread.h"
#include "Events.h"
#include "SerialDevice.h"

#include <QEvent>
#include <QObject>

#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>

class TEvents;

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
// serial ports. What the port does lives in its toolkit-free part
// (rundaro::serial::ComPortCore); this class adds the properties, the event
// handlers and the wake-up of the event loop for the worker's hand-overs.
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
        br110,
        br300,
        br600,
        br1200,
        br2400,
        br4800,
        br9600,
        br14400,
        br19200,
        br38400,
        br56000,
        br76500,
        br115200,
        br128000,
        br256000,
        brUser,
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
    // What the worker saw when the wait being dispatched returned: the tick
    // at that moment, the modem status and the DSR changes the driver
    // counted since the previous report (a report whose level did not change
    // may still hide a whole pulse), with the contacts they make; the same
    // for CTS where its event is enabled. Before the first report, the state
    // at Open.
    const rundaro::serial::PortReport &Report() const { return FCore.Report(); }
    // Bytes waiting in the receive queue; clears the device's error state.
    // 0 while not open or when the device cannot tell.
    int InQueCount();
    bool HandleValid() const { return FCore.Handle() != nullptr; }
    // Milliseconds between two looks at the modem lines where the driver
    // cannot wait for them and the lines are polled; 0 while waiting or
    // closed.
    int PollIntervalMs() const { return FCore.Handle() ? FCore.Handle()->PollIntervalMs() : 0; }

    rundaro::serial::Device *Handle() const { return FCore.Handle(); }
    TComThread *Worker() const { return FCore.Worker(); }
    bool Connected() const { return FCore.Connected(); }

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
    // RTS on while open (a second contact, between RTS and CTS, takes its
    // voltage from it); off by default, and RTS then stays off. Ignored
    // under RTS/CTS flow control, which drives RTS itself.
    bool EnableRTS() const { return FEnableRTS; }
    void SetEnableRTS(bool value) { FEnableRTS = value; }
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
    // The posted event that makes the main thread run queued hand-overs.
    static QEvent::Type HandOverEventType();
    // The worker's wake-up (on the worker): posts that event.
    void PostHandOver();

    rundaro::serial::LineSettings CurrentLineSettings() const;
    void PortEvent(std::uint32_t event);
    void DoRxChar();
    void DoTxEmpty();
    void DoBreak();
    void DoRing();
    void DoCTS();
    void DoDSR();
    void DoRxFlag();
    void DoRLSD();
    void DoError();

    TBaudRate FBaudRate = br9600;
    qint32 FBaudRateUser = 28800;
    quint8 FPort = 1;
    TParity FParity = prNone;
    TStopBits FStopBits = sbOneStopBit;
    TFlowControl FFlowControl = fcNone;
    quint8 FDataBits = 8;
    std::uint16_t FEvents = 0x01FF;
    bool FEnableDTR = true;
    bool FEnableRTS = false;
    qint32 FWriteBufSize = 2048;
    qint32 FReadBufSize = 2048;
    qint32 FTag = 0;
    rundaro::serial::ComPortCore FCore;

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
