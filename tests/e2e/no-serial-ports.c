/* Loaded into the program under test with LD_PRELOAD: serial devices cannot
 * be opened, so the port scan at start-up lists none and the machine's own
 * serial console is never touched. Every other path opens as usual. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <string.h>

static int isSerialDevice(const char *path)
{
    static const char *const prefixes[] = {"/dev/ttyS", "/dev/ttyUSB", "/dev/ttyACM"};
    if (!path)
        return 0;
    for (size_t i = 0; i < sizeof prefixes / sizeof prefixes[0]; ++i) {
        if (strncmp(path, prefixes[i], strlen(prefixes[i])) == 0)
            return 1;
    }
    return 0;
}

static mode_t modeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, mode_t) : 0;
}

#define REFUSE_SERIAL(path)        \
    do {                           \
        if (isSerialDevice(path)) { \
            errno = ENOENT;        \
            return -1;             \
        }                          \
    } while (0)

int open(const char *path, int flags, ...)
{
    static int (*real)(const char *, int, ...);
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    REFUSE_SERIAL(path);
    if (!real)
        real = (int (*)(const char *, int, ...))dlsym(RTLD_NEXT, "open");
    return real(path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    static int (*real)(const char *, int, ...);
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    REFUSE_SERIAL(path);
    if (!real)
        real = (int (*)(const char *, int, ...))dlsym(RTLD_NEXT, "open64");
    return real(path, flags, mode);
}

int openat(int dir, const char *path, int flags, ...)
{
    static int (*real)(int, const char *, int, ...);
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    REFUSE_SERIAL(path);
    if (!real)
        real = (int (*)(int, const char *, int, ...))dlsym(RTLD_NEXT, "openat");
    return real(dir, path, flags, mode);
}

int openat64(int dir, const char *path, int flags, ...)
{
    static int (*real)(int, const char *, int, ...);
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    REFUSE_SERIAL(path);
    if (!real)
        real = (int (*)(int, const char *, int, ...))dlsym(RTLD_NEXT, "openat64");
    return real(dir, path, flags, mode);
}
