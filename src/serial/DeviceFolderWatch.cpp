#include "DeviceFolderWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace rundaro::serial {

DeviceFolderWatch::DeviceFolderWatch(const std::string &folder)
    : m_folder(folder)
{
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) {
        m_error = static_cast<std::uint32_t>(errno);
        return;
    }
    constexpr std::uint32_t kChanges = IN_CREATE | IN_ATTRIB | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM;
    if (inotify_add_watch(m_fd, folder.c_str(), kChanges | IN_ONLYDIR) < 0) {
        m_error = static_cast<std::uint32_t>(errno);
        close(m_fd);
        m_fd = -1;
    }
}

DeviceFolderWatch::~DeviceFolderWatch()
{
    if (m_fd >= 0)
        close(m_fd);
}

std::vector<std::string> DeviceFolderWatch::ReadChanges()
{
    std::vector<std::string> names;
    if (m_fd < 0)
        return names;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = read(m_fd, buffer, sizeof buffer);
        if (n <= 0)
            break; // EAGAIN: nothing more queued
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            // After an overflow any node may have changed: an empty name says so.
            if (event->len > 0 || (event->mask & IN_Q_OVERFLOW)) {
                const std::string name = event->len > 0 ? std::string(event->name) : std::string();
                if (std::find(names.begin(), names.end(), name) == names.end())
                    names.push_back(name);
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return names;
}

} // namespace rundaro::serial
