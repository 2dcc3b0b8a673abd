#pragma once

#include <dirent.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <string>

// What /proc/self tells about this process: its threads, its open
// descriptors and the CPU time its threads have used.
namespace ProcStats {

// Entries of a folder, not counting "." and "..".
inline int CountEntries(const char *folder)
{
    DIR *dir = opendir(folder);
    if (!dir)
        return -1;
    int count = 0;
    while (dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            ++count;
    }
    closedir(dir);
    return count;
}

inline int Threads()
{
    return CountEntries("/proc/self/task");
}

// Open descriptors, without the one that reads the folder.
inline int Files()
{
    return CountEntries("/proc/self/fd") - 1;
}

// User and system CPU time, in clock ticks, of every thread but the calling one.
inline long OtherThreadsCpuTicks()
{
    const long self = static_cast<long>(syscall(SYS_gettid));
    DIR *dir = opendir("/proc/self/task");
    if (!dir)
        return -1;
    long total = 0;
    while (dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || std::stol(name) == self)
            continue;
        const std::string path = "/proc/self/task/" + name + "/stat";
        FILE *file = std::fopen(path.c_str(), "r");
        if (!file)
            continue; // the thread has just ended
        char line[1024] = {};
        const size_t n = std::fread(line, 1, sizeof line - 1, file);
        std::fclose(file);
        // The name in parentheses may hold blanks: count fields after its ')'.
        const std::string stat(line, n);
        const auto close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        unsigned long utime = 0;
        unsigned long stime = 0;
        // Fields 3.. follow; utime and stime are fields 14 and 15.
        if (std::sscanf(stat.c_str() + close + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime)
            == 2)
            total += static_cast<long>(utime + stime);
    }
    closedir(dir);
    return total;
}

inline long TicksPerSecond()
{
    return sysconf(_SC_CLK_TCK);
}

} // namespace ProcStats
