#pragma once

#include "OpenRefusal.h"

#include <QString>

#include <cstdint>

class EComError;

// What a failure of the trigger's port means, said to the user in the
// program's language: what happened and what to do about it. The same text
// serves the message after choosing a port, the state line at start and
// after every attempt to reopen a lost port.
struct PortFailure
{
    // Where the number came from: it means different things when the device
    // is opened, when it is set up and when its line is watched.
    enum class Step { Open, Configure, Line };
    // Whose numbers they are: errno, or Windows' GetLastError.
    enum class System { Posix, Windows };

    std::uint32_t error = 0; // 0: no failure known
    Step step = Step::Line;
    rundaro::serial::OpenRefusal refusal;

    static PortFailure of(const EComError &e);
    static System nativeSystem();

    // "What happened (Fehler n). What to do." `port` names the device
    // ("/dev/ttyUSB0", "COM3"). Empty when `error` is 0 and nothing was
    // refused.
    QString explain(const QString &port, System system = nativeSystem()) const;

    bool operator==(const PortFailure &) const = default;
};
