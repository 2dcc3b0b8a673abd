#include "PortLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

namespace rundaro::serial {

namespace {

std::string LockPath(const std::string &folder, const std::string &device)
{
    return folder + "/LCK.." + device;
}

// What a lock file holds, and which file it was.
struct LockFile
{
    int openError = 0; // errno of the open, 0 when it opened
    pid_t owner = 0;   // 0 when it holds no process id that can be read
    dev_t device = 0;
    ino_t inode = 0;
};

LockFile ReadLockFile(const std::string &path)
{
    LockFile lock;
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lock.openError = errno;
        return lock;
    }
    struct stat info = {};
    char text[32] = {};
    ssize_t n = 0;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        n = read(fd, text, sizeof text - 1);
        lock.device = info.st_dev;
        lock.inode = info.st_ino;
    }
    close(fd);
    long pid = 0;
    if (n > 0 && std::sscanf(text, "%ld", &pid) == 1 && pid > 0 && pid <= 0x3FFFFFFF)
        lock.owner = static_cast<pid_t>(pid);
    return lock;
}

LockState StateOf(const LockFile &lock)
{
    if (lock.openError == ENOENT)
        return LockState::None;
    if (lock.owner == 0)
        return LockState::Unreadable;
    // EPERM: the process is alive but belongs to another user.
    if (kill(lock.owner, 0) == 0 || errno == EPERM)
        return LockState::Live;
    return LockState::Stale;
}

// Removes the stale lock at `path` if it is still the file that was read:
// another program may have replaced it by its own lock meanwhile.
bool RemoveStale(const std::string &path)
{
    const LockFile lock = ReadLockFile(path);
    if (StateOf(lock) != LockState::Stale)
        return false;
    struct stat info = {};
    return lstat(path.c_str(), &info) == 0 && info.st_dev == lock.device && info.st_ino == lock.inode
           && unlink(path.c_str()) == 0;
}

} // namespace

PortSafety PortSafety::System()
{
    return {"/run/lock", "/sys/class/tty/console/active"};
}

std::vector<std::string> ActiveConsoles(const std::string &consoleFile)
{
    std::vector<std::string> names;
    if (consoleFile.empty())
        return names;
    std::ifstream in(consoleFile);
    for (std::string name; in >> name;)
        names.push_back(name);
    return names;
}

LockState ReadLock(const std::string &folder, const std::string &device)
{
    if (folder.empty())
        return LockState::None;
    return StateOf(ReadLockFile(LockPath(folder, device)));
}

std::unique_ptr<PortLock> PortLock::Acquire(const std::string &folder, const std::string &device,
                                            std::uint32_t &error)
{
    std::unique_ptr<PortLock> lock(new PortLock);
    if (folder.empty())
        return lock;
    const std::string path = LockPath(folder, device);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            char text[16];
            const int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(getpid()));
            struct stat info = {};
            const bool written = write(fd, text, std::size_t(length)) == length && fstat(fd, &info) == 0;
            close(fd);
            if (!written) {
                error = static_cast<std::uint32_t>(errno != 0 ? errno : EIO);
                unlink(path.c_str());
                return nullptr;
            }
            lock->m_path = path;
            lock->m_device = info.st_dev;
            lock->m_inode = info.st_ino;
            return lock;
        }
        if (errno == ENOENT || errno == EACCES || errno == EPERM || errno == EROFS)
            return lock; // no lock folder that this user can write
        if (errno != EEXIST) {
            error = static_cast<std::uint32_t>(errno);
            return nullptr;
        }
        // Only a dead process's lock is taken over, and only by a new file.
        if (attempt > 0 || !RemoveStale(path))
            break;
    }
    error = EBUSY;
    return nullptr;
}

PortLock::~PortLock()
{
    if (m_path.empty())
        return;
    struct stat info = {};
    if (lstat(m_path.c_str(), &info) == 0 && info.st_dev == m_device && info.st_ino == m_inode)
        unlink(m_path.c_str());
}

} // namespace rundaro::serial
