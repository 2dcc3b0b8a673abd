#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rundaro::serial {

// Watches one folder of device nodes (/dev in the program) for nodes that
// appear, go, or get new permissions (udev sets them just after a node is
// made), with inotify. It never polls: the owner waits for Fd() to become
// readable (in the program through the event loop) and then reads what
// changed.
class DeviceFolderWatch
{
public:
    explicit DeviceFolderWatch(const std::string &folder);
    ~DeviceFolderWatch();
    DeviceFolderWatch(const DeviceFolderWatch &) = delete;
    DeviceFolderWatch &operator=(const DeviceFolderWatch &) = delete;

    // The descriptor to wait on; -1 when the folder cannot be watched
    // (Error says why).
    int Fd() const { return m_fd; }
    std::uint32_t Error() const { return m_error; }
    const std::string &Folder() const { return m_folder; }

    // The names that changed since the last call, each once, in the order
    // of their first change; empty when nothing is queued. An empty name
    // stands for any node: the kernel's queue overflowed. Never blocks.
    std::vector<std::string> ReadChanges();

private:
    std::string m_folder;
    int m_fd = -1;
    std::uint32_t m_error = 0;
};

} // namespace rundaro::serial
