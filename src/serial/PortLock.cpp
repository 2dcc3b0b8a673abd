#include "PortLock.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

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
    pid_t owner = 0; // 0 when it holds no process id that can be read
    dev_t device = 0;
    ino_t inode = 0;
    uid_t user = 0; // the file's owner
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
        lock.user = info.st_uid;
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

// A folder that this user cannot search: no file in it can be read or
// made, so it holds no lock for us.
bool Unsearchable(const std::string &folder)
{
    return access(folder.c_str(), X_OK) != 0 && errno == EACCES;
}

std::string UserName(uid_t user)
{
    const passwd *entry = getpwuid(user);
    return entry ? entry->pw_name : std::to_string(user);
}

// Removes the stale lock at `path` if it is still the file that was read:
// another program may have replaced it by its own lock meanwhile. 0 when
// removed; otherwise the error number (EBUSY: not a stale lock (any more)),
// with `lock` telling whose it was.
int RemoveStale(const std::string &path, LockFile &lock)
{
    lock = ReadLockFile(path);
    if (StateOf(lock) != LockState::Stale)
        return EBUSY;
    struct stat info = {};
    if (lstat(path.c_str(), &info) != 0 || info.st_dev != lock.device || info.st_ino != lock.inode)
        return EBUSY;
    return unlink(path.c_str()) == 0 ? 0 : errno;
}

// Writes this process's lock whole under a name of its own beside `path`
// and links it into place: a reader never finds it empty. 0 when made, with
// its identity in `info`; EEXIST when a lock is there; another error number
// when the folder takes no file.
int MakeLock(const std::string &folder, const std::string &path, struct stat &info)
{
    const std::string temporary = folder + "/LTMP." + std::to_string(getpid());
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) {
        // Left by an earlier process with this id, which has ended.
        unlink(temporary.c_str());
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    }
    if (fd < 0)
        return errno;
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(getpid()));
    const bool written = write(fd, text, std::size_t(length)) == length && fstat(fd, &info) == 0;
    const int writeError = errno != 0 ? errno : EIO;
    close(fd);
    int result = 0;
    if (!written)
        result = writeError;
    else if (link(temporary.c_str(), path.c_str()) != 0)
        result = errno;
    unlink(temporary.c_str());
    return result;
}

} // namespace

PortSafety PortSafety::System()
{
    return {"/run/lock", "/sys/class/tty/console/active", "/proc"};
}

PortHolder FindPortHolder(const std::string &processFolder, const struct stat &node)
{
    PortHolder holder;
    DIR *processes = opendir(processFolder.c_str());
    if (processes == nullptr)
        return holder;
    while (const dirent *process = readdir(processes)) {
        char *end = nullptr;
        const long pid = std::strtol(process->d_name, &end, 10);
        if (pid <= 0 || *end != '\0')
            continue;
        const std::string fds = processFolder + "/" + process->d_name + "/fd";
        DIR *descriptors = opendir(fds.c_str());
        if (descriptors == nullptr)
            continue; // gone, or another user's
        while (const dirent *fd = readdir(descriptors)) {
            struct stat info = {};
            if (fd->d_name[0] == '.' || stat((fds + "/" + fd->d_name).c_str(), &info) != 0)
                continue;
            if (S_ISCHR(info.st_mode) && info.st_rdev == node.st_rdev && info.st_dev == node.st_dev) {
                holder.pid = static_cast<int>(pid);
                std::ifstream comm(processFolder + "/" + process->d_name + "/comm");
                std::getline(comm, holder.name);
                break;
            }
        }
        closedir(descriptors);
        if (holder.pid != 0)
            break;
    }
    closedir(processes);
    return holder;
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
    if (folder.empty() || Unsearchable(folder))
        return LockState::None;
    return StateOf(ReadLockFile(LockPath(folder, device)));
}

std::unique_ptr<PortLock> PortLock::Acquire(const std::string &folder, const std::string &device, std::uint32_t &error,
                                            OpenRefusal *refusal)
{
    std::unique_ptr<PortLock> lock(new PortLock);
    if (folder.empty())
        return lock;
    const std::string path = LockPath(folder, device);
    const auto refuse = [&](int number, OpenRefusal::Reason reason, const LockFile &held = {}) {
        error = static_cast<std::uint32_t>(number);
        if (refusal) {
            *refusal = {};
            refusal->reason = reason;
            refusal->path = path;
            refusal->pid = static_cast<int>(held.owner);
            if (reason == OpenRefusal::Reason::StaleLock)
                refusal->user = UserName(held.user);
        }
        return nullptr;
    };
    for (int attempt = 0; attempt < 2; ++attempt) {
        struct stat info = {};
        const int made = MakeLock(folder, path, info);
        if (made == 0) {
            lock->m_path = path;
            lock->m_device = info.st_dev;
            lock->m_inode = info.st_ino;
            return lock;
        }
        if (made == ENOENT || made == EACCES || made == EPERM || made == EROFS)
            return lock; // no lock folder that this user can search and write
        if (made != EEXIST)
            return refuse(made, OpenRefusal::Reason::LockNotMade);
        // Only a dead process's lock is taken over, and only by a new file.
        if (attempt > 0)
            break;
        LockFile held;
        const int removed = RemoveStale(path, held);
        if (removed == 0)
            continue;
        const LockState state = StateOf(held);
        if (state == LockState::Stale && removed != EBUSY)
            return refuse(removed, OpenRefusal::Reason::StaleLock, held);
        if (state == LockState::Unreadable)
            return refuse(EBUSY, OpenRefusal::Reason::UnreadableLock);
        break;
    }
    return refuse(EBUSY, OpenRefusal::Reason::Locked, ReadLockFile(path));
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
