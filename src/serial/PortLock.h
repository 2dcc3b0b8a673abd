#pragma once

#include "OpenRefusal.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rundaro::serial {

// Where the system says what a safe use of serial ports must respect: the
// folder of UUCP lock files ("LCK..ttyUSB0", holding the owner's process id,
// the way terminal and modem programs mark a port they use) and the file
// naming the active system console. An empty member checks nothing: tests
// that open pseudo-terminals use that, or folders of their own, and never
// write the system's lock folder.
struct PortSafety
{
    std::string lockFolder;
    std::string consoleFile;
    // Where the processes are listed (/proc): a port that another process
    // holds open is not opened. Only the processes whose descriptors this
    // user may see are looked at.
    std::string processFolder;

    // /run/lock, /sys/class/tty/console/active and /proc.
    static PortSafety System();
};

// A process that holds open the character device whose node `node` names
// (stat's st_rdev, and st_dev: pseudo-terminals of another devpts
// instance, in a container, share their numbers), found in
// `processFolder`; pid 0 when none is found.
struct PortHolder
{
    int pid = 0;
    std::string name;
};
PortHolder FindPortHolder(const std::string &processFolder, const struct stat &node);

// The device names ("ttyS0") that the active console uses.
std::vector<std::string> ActiveConsoles(const std::string &consoleFile);

// What the lock file of a device says. A lock folder that cannot be
// searched holds no lock: nobody can lock there, and Acquire takes none.
enum class LockState {
    None, // no lock file
    Live, // held by a process that is alive
    Stale, // left by a process that has ended
    Unreadable, // not a lock file this program can read (a link, no process id)
};
LockState ReadLock(const std::string &folder, const std::string &device);

// A UUCP lock this process holds on one device while it uses it; the file
// goes when the lock is destroyed, if it is still the one made here.
//
// The lock folder is writable by everyone, so nothing there is trusted: an
// existing file is opened with O_NOFOLLOW and read, never written; a new one
// is written whole under a name of its own and linked into place, so no
// reader ever finds it empty. A stale lock is removed, if it is still the
// file that was read, and made anew, never rewritten in place. A live one,
// or one that cannot be read, keeps the port from being used (EBUSY); a
// stale one that this user may not remove (another user's, in a sticky
// folder) too, with the error of the removal. A program that takes no lock
// (a terminal program, a getty) is invisible here.
class PortLock
{
public:
    // Takes the lock of `device` in `folder`. Null with `error` set (EBUSY)
    // when another holds it, and `refusal`, when given, saying whose lock it
    // is (for a stale one of another user: EPERM, the file and its owner,
    // which the user needs to remove it). A folder
    // that is missing, cannot be searched or cannot be written is no error:
    // nobody can lock there, and a lock holding nothing is returned.
    static std::unique_ptr<PortLock> Acquire(const std::string &folder, const std::string &device, std::uint32_t &error,
                                             OpenRefusal *refusal = nullptr);
    ~PortLock();
    PortLock(const PortLock &) = delete;
    PortLock &operator=(const PortLock &) = delete;

    bool Holds() const { return !m_path.empty(); }

private:
    PortLock() = default;

    std::string m_path;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

} // namespace rundaro::serial
