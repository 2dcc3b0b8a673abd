#include "WholeFileReplace.h"

#include <cerrno>
#include <cstdint>
#include <random>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rundaro {

namespace fs = std::filesystem;

namespace {

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

// "<file>.<16 hex digits>.new": hidden from a search for the file's own
// extension, and not taken by another writer.
fs::path temporaryBeside(const fs::path &file)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device random;
    std::uint64_t value = (std::uint64_t(random()) << 32) ^ random();
    std::string suffix(16, '0');
    for (char &c : suffix) {
        c = kDigits[value & 15];
        value >>= 4;
    }
    fs::path temp = file;
    temp += '.' + suffix + ".new";
    return temp;
}

#ifdef _WIN32

std::error_code writeTemporary(const fs::path &temp, std::string_view bytes)
{
    const int fd = ::_wopen(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return lastError();
    std::error_code error;
    while (!error && !bytes.empty()) {
        const unsigned chunk = unsigned(std::min<std::size_t>(bytes.size(), 1u << 30));
        const int n = ::_write(fd, bytes.data(), chunk);
        if (n < 0)
            error = lastError();
        else if (n == 0)
            error = std::make_error_code(std::errc::no_space_on_device);
        else
            bytes.remove_prefix(std::size_t(n));
    }
    if (!error && ::_commit(fd) != 0)
        error = lastError();
    if (::_close(fd) != 0 && !error)
        error = lastError();
    return error;
}

std::error_code moveOver(const fs::path &temp, const fs::path &file)
{
    // Windows refuses to replace a file that another program (a virus
    // scanner, the search index, a copy of this one listing its races) has
    // open at that moment; such a hold lasts milliseconds.
    constexpr int kTries = 10;
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {};
        const DWORD code = ::GetLastError();
        if (attempt == kTries || (code != ERROR_ACCESS_DENIED && code != ERROR_SHARING_VIOLATION))
            return {int(code), std::system_category()};
        ::Sleep(20);
    }
}

#else

std::error_code writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return lastError();
        // Nothing written and no error: no room left.
        if (n == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        bytes.remove_prefix(std::size_t(n));
    }
    return {};
}

std::error_code writeTemporary(const fs::path &temp, const fs::path &file, std::string_view bytes)
{
    // 0666: the user's file-creation mask decides, as for any new file.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return lastError();
    std::error_code error;
    struct stat existing = {};
    if (::stat(file.c_str(), &existing) == 0)
        (void)::fchmod(fd, existing.st_mode & 07777); // the data matters more than the mode
    error = writeAll(fd, bytes);
    // Some file systems cannot sync (EINVAL): their data is as safe as it gets.
    if (!error && ::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        error = lastError();
    // A network file system may report the failed write only here.
    if (::close(fd) != 0 && !error && errno != EINTR)
        error = lastError();
    return error;
}

std::error_code moveOver(const fs::path &temp, const fs::path &file)
{
    if (::rename(temp.c_str(), file.c_str()) != 0)
        return lastError();
    // The rename itself on the disk too; a folder that cannot be synced
    // still has the whole file.
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
    return {};
}

#endif

} // namespace

std::error_code ReplaceWholeFile(const fs::path &file, std::string_view bytes)
{
    fs::path temp;
    std::error_code error;
    // Another writer's temporary file of the same name is next to impossible;
    // a few tries make it impossible.
    for (int attempt = 0; attempt < 4; ++attempt) {
        temp = temporaryBeside(file);
#ifdef _WIN32
        error = writeTemporary(temp, bytes);
#else
        error = writeTemporary(temp, file, bytes);
#endif
        if (error != std::errc::file_exists)
            break;
    }
    if (error == std::errc::file_exists)
        return error;
    if (!error)
        error = moveOver(temp, file);
    if (error) {
        std::error_code ignored;
        fs::remove(temp, ignored);
    }
    return error;
}

bool IsDiskFull(const std::error_code &error)
{
#ifdef _WIN32
    if (error.category() == std::system_category()
        && (error.value() == ERROR_DISK_FULL || error.value() == ERROR_HANDLE_DISK_FULL))
        return true;
#endif
#ifdef EDQUOT
    if (error.category() == std::generic_category() && error.value() == EDQUOT)
        return true;
#endif
    return error == std::errc::no_space_on_device;
}

} // namespace rundaro
