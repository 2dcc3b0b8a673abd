#include "ComPortCore.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace rundaro::serial {

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

template <typename Report, typename... Args> void report(const Report &event, Args &&...args)
{
    if (event)
        event(std::forward<Args>(args)...);
}

} // namespace

ComPortCore::ComPortCore(std::function<void()> wake, Events events)
    : FWake(std::move(wake))
    , FEvents(std::move(events))
{
}

ComPortCore::~ComPortCore()
{
    try {
        Close();
    } catch (...) {
        // The `closed` report's error cannot leave a destructor.
    }
}

void ComPortCore::SetDeviceFactory(DeviceFactory factory)
{
    FDeviceFactory = std::move(factory);
}

void ComPortCore::Open(std::uint8_t port, const LineSettings &settings, std::uint32_t eventMask)
{
    if (FDispatching > 0)
        throw EInvalidOperation("Cannot open a com port from its own event handler");
    if (FChanging)
        throw EInvalidOperation("Cannot open a com port while it opens or closes");
    Close();
    // The `closed` report has opened it again: that stands, and a second
    // device must not be opened over it.
    if (FConnected)
        return;
    {
        ChangeGuard guard(FChanging);
        OpenDevice(port);
        try {
            ApplySettings(settings);
            FEventMask = eventMask;
            FWorker = std::make_unique<TComThread>(this, FWake);
            FReport = FWorker->FReport;
            FWorker->Start();
        } catch (...) {
            // Not connected: nothing else would ever close the device.
            FWorker.reset();
            CloseDevice();
            throw;
        }
        FConnected = true;
    }
    report(FEvents.opened);
}

void ComPortCore::Close()
{
    if (!FConnected)
        return;
    // The worker is blocked in this very hand-over: waiting for it to end
    // would never return.
    if (FDispatching > 0)
        throw EInvalidOperation("Cannot close a com port from its own event handler");
    if (FChanging)
        throw EInvalidOperation("Cannot close a com port while it opens or closes");
    {
        ChangeGuard guard(FChanging);
        FWorker.reset();
        CloseDevice();
        FConnected = false;
    }
    report(FEvents.closed);
}

void ComPortCore::ServeHandOvers()
{
    // A wake-up may outlive the worker that sent it; it then finds nothing.
    if (!FWorker)
        return;
    FWorker->FHandOver.RunPending();
    if (FWorker->Lost())
        LoseDevice();
}

void ComPortCore::LoseDevice()
{
    const std::uint32_t error = FWorker->LostError();
    {
        ChangeGuard guard(FChanging);
        FWorker.reset();
        CloseDevice();
        FConnected = false;
    }
    report(FEvents.lost, error);
}

void ComPortCore::PortEvent(std::uint32_t event)
{
    ++FDispatching;
    struct Leave
    {
        int &depth;
        ~Leave() { --depth; }
    } leave{FDispatching};
    // One handler's error neither ends the worker nor keeps the next event
    // of this wait from firing.
    try {
        report(FEvents.port, event);
    } catch (...) {
        try {
            report(FEvents.handlerFailed, std::current_exception());
        } catch (...) {
            // The report of an error cannot itself stop the port.
        }
    }
}

std::uint32_t ComPortCore::ModemStatus()
{
    std::uint32_t status = 0;
    if (FHandle && FHandle->ModemStatus(status))
        FLastModemStatus = status;
    return FLastModemStatus;
}

int ComPortCore::InQueCount()
{
    std::uint32_t errors = 0;
    std::uint32_t inQue = 0;
    if (!FHandle || !FHandle->ClearErrors(errors, inQue))
        return 0;
    return static_cast<int>(inQue);
}

void ComPortCore::OpenDevice(std::uint8_t port)
{
    OpenResult result = FDeviceFactory ? FDeviceFactory(port) : OpenPort(port);
    FLastModemStatus = 0;
    FHandle = std::move(result.device);
    if (!FHandle)
        throw EComHandle("Unable to open com port: " + std::to_string(result.error), result.error,
                         std::move(result.refusal));
}

void ComPortCore::CloseDevice()
{
    FHandle.reset();
    FLastModemStatus = 0;
}

void ComPortCore::ApplySettings(const LineSettings &settings)
{
    if (!serial::ApplySettings(*FHandle, settings))
        throw EComState("Unable to set com state: " + std::to_string(FHandle->LastError()), FHandle->LastError());
}

} // namespace rundaro::serial
