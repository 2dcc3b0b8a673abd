#pragma once

#include <functional>

class QObject;

// An event is an optional bound handler whose first argument is the control
// or component that fires it. An unassigned (empty) event is skipped; events
// fire on the main thread only. Controls keep their events as public members
// named like the event (OnChange, OnDSR, ...).
using TNotifyEvent = std::function<void(QObject *Sender)>;

// Fires `event` with `args` when it is assigned.
template <typename Event, typename... Args> void fire(const Event &event, Args &&...args)
{
    if (event)
        event(std::forward<Args>(args)...);
}
