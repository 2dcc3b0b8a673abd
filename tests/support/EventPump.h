#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <functional>

// Runs the main thread's event loop until `done` holds, as a program waits
// for what its workers hand over; false when it still does not after 10 s.
inline bool PumpUntil(const std::function<bool()> &done)
{
    bool expired = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &guard, [&expired] { expired = true; });
    guard.start(10000);
    while (!done() && !expired)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}
