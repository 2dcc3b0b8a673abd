#pragma once

#include "ComErrors.h"
#include "ComThread.h"
#include "LineSettings.h"
#include "PortReport.h"
#include "SerialDevice.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

namespace rundaro::serial {

// The port component without its toolkit: opens and configures one serial
// device, runs its worker (TComThread) and takes the worker's hand-overs on
// the owner's thread, where it reports each port event and the component's
// own events through the Events given. TComPort is this with its properties,
// its event handlers and the wake-up of the owner's event loop; it owns no
// other logic. Every call is made on the owner's thread.
//
// The port never stops watching in silence. When its worker ends for any
// reason but Close (the device has gone, waits keep failing, the driver has
// no wait for the enabled events), the port closes the device at once,
// Connected reads false and `lost` is reported with the system's error number
// (`closed` is not: nobody closed it). An error raised while reporting a port
// event is handed to `handlerFailed` and the port goes on watching.
//
// Open and Close share one guard: whatever the `opened` and `closed`
// reports do (they may call Open and Close), Connected, the device and the
// worker agree and at most one device is open. An Open whose closing step
// lets the `closed` report open the port again leaves it open as that report
// did. Open and Close while a port event is reported, and from within the
// device factory, are refused with EInvalidOperation.
class ComPortCore
{
public:
    struct Events
    {
        // One event bit (EV_RXCHAR, ...) of a completed wait; the bits of one
        // wait come one by one in the dispatch order.
        std::function<void(std::uint32_t event)> port;
        std::function<void(const std::exception_ptr &error)> handlerFailed;
        std::function<void()> opened;
        std::function<void()> closed;
        std::function<void(std::uint32_t error)> lost;
    };

    // `wake` is called on the worker; it must make the owner's thread call
    // ServeHandOvers soon.
    ComPortCore(std::function<void()> wake, Events events);
    // Closes the port; an error of the `closed` report is dropped.
    ~ComPortCore();
    ComPortCore(const ComPortCore &) = delete;
    ComPortCore &operator=(const ComPortCore &) = delete;

    // Where devices come from; empty for the platform's serial ports. Takes
    // effect at the next Open.
    void SetDeviceFactory(DeviceFactory factory);

    // Closes an open port, opens device `port`, configures it, enables the
    // events of `eventMask` and starts the worker. Raises EComHandle ("Unable
    // to open com port: " and the error number) or EComState ("Unable to set
    // com state: " and the number) and leaves no device open then.
    void Open(std::uint8_t port, const LineSettings &settings, std::uint32_t eventMask);
    // Stops the worker, serving a hand-over it may be blocked in, and closes
    // the device. Nothing on a port that is not connected.
    void Close();
    // Runs the hand-overs waiting now; a worker that has ended on its own
    // closes the port and reports it lost.
    void ServeHandOvers();

    // The modem status word; when the device cannot tell, the last word it
    // did tell (0 before the first one, and while not open).
    std::uint32_t ModemStatus();
    // The report of the wait whose events are being dispatched; before the
    // first wait returned, the state at Open (no changes). Kept after Close.
    const PortReport &Report() const { return FReport; }
    // Bytes waiting in the receive queue, clearing the device's error state;
    // 0 while not open or when the device cannot tell.
    int InQueCount();

    bool Connected() const { return FConnected; }
    Device *Handle() const { return FHandle.get(); }
    TComThread *Worker() const { return FWorker.get(); }

private:
    friend class ::TComThread;

    void OpenDevice(std::uint8_t port);
    void CloseDevice();
    void ApplySettings(const LineSettings &settings);
    void LoseDevice();
    void PortEvent(std::uint32_t event);

    std::function<void()> FWake;
    Events FEvents;
    std::unique_ptr<Device> FHandle;
    std::unique_ptr<TComThread> FWorker;
    bool FConnected = false;
    std::uint32_t FEventMask = 0;
    std::uint32_t FLastModemStatus = 0;
    PortReport FReport;
    int FDispatching = 0; // depth of port events being reported now
    bool FChanging = false; // inside Open's or Close's own steps
    DeviceFactory FDeviceFactory;
};

} // namespace rundaro::serial
