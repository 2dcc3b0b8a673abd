#include "ComThread.h"

#include "ComPortCore.h"
#include "LineSettings.h"

using rundaro::serial::WaitResult;

TComThread::TComThread(rundaro::serial::ComPortCore *owner, std::function<void()> wake)
    : OwnerPort(owner), FHandOver(std::move(wake))
{
    OwnerPort->FHandle->SetMask(OwnerPort->FEventMask);
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
        // Handlers' errors stay on the owner's thread; whatever else ends the
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
    for (const std::uint32_t event : rundaro::serial::kDispatchOrder) {
        if (EventMask & event)
            OwnerPort->PortEvent(event);
    }
}
