#pragma once

#include "SerialDevice.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

// Opens a lost port's device off the window's thread. Before a device is
// opened, the device layer looks for whoever else holds it (every process's
// descriptors, the lock files): with many descriptors open in other programs
// that takes tens of milliseconds, and a lost line is exactly when the laps
// are taken from the keyboard. One attempt at a time; what it got, the
// opened device or why there is none, is handed to `onOpened` on the
// thread that owns this object.
class PortReopener : public QObject
{
    Q_OBJECT

public:
    // `again`: a start was asked for while this attempt ran (the device's
    // node changed meanwhile, say): its answer may be out of date.
    using Opened = std::function<void(std::uint8_t port, rundaro::serial::OpenResult &result, bool again)>;

    // An empty factory opens the platform's ports.
    PortReopener(rundaro::serial::DeviceFactory factory, Opened onOpened, QObject *parent);
    // Waits for an attempt in progress; a device it opened is closed.
    ~PortReopener() override;

    // Starts opening `port`, unless an attempt is still in progress (false;
    // its result then comes with `again`) or a cancelled one still running
    // (false).
    bool start(std::uint8_t port);
    // True from start until the attempt's result has been handed over.
    bool isBusy() const { return m_busy; }
    // The attempt in progress, if any, is dropped: it is waited for, its
    // device closed and nothing handed over, so the port is free when this
    // returns.
    void cancel();

private:
    Q_DISABLE_COPY(PortReopener)

    rundaro::serial::DeviceFactory m_factory;
    Opened m_onOpened;
    std::thread m_thread;
    bool m_busy = false;
    bool m_again = false;
    std::atomic<bool> m_running{false}; // the thread has not finished its attempt
    unsigned m_attempt = 0; // which attempt a result belongs to
};
