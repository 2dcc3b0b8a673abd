#pragma once

#include <cstdint>
#include <string>

namespace rundaro::serial {

// Why a port was refused, beyond the system's error number: who has it and
// what frees it. The serial layer only names the facts; the application
// says them in the user's language.
struct OpenRefusal
{
    enum class Reason : std::uint8_t {
        None, // the error number says it all
        Console, // the port is the active system console
        HeldOpen, // a process holds the device open: `program`, `pid`
        InUse, // the device refuses a second open (another program's exclusive open)
        Locked, // a lock file of a running process: `path`, `pid`
        StaleLock, // a lock left by an ended process that this user may not remove: `path`, `user`, `pid`
        UnreadableLock, // something at the lock file's name that is no lock file: `path`
        LockNotMade, // the lock file cannot be made: `path`
    };

    Reason reason = Reason::None;
    std::string path; // the lock file
    std::string program; // the process's name
    std::string user; // the lock file's owner
    int pid = 0;

    bool operator==(const OpenRefusal &) const = default;
};

} // namespace rundaro::serial
