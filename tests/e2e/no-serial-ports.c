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

/* open, open64, openat and openat64 alike: refuse a serial device, hand
 * everything else to the C library's own function. */
#define WRAP_OPEN(name, params, args)                                        \
    int name params                                                         \
    {                                                                       \
        static int (*real) params;                                          \
        va_list rest;                                                       \
        va_start(rest, flags);                                              \
        const mode_t mode = modeOf(flags, rest);                            \
        va_end(rest);                                                       \
        if (isSerialDevice(path)) {                                         \
            errno = ENOENT;                                                 \
            return -1;                                                      \
        }                                                                   \
        if (!real)                                                          \
            real = (int(*) params)dlsym(RTLD_NEXT, #name);                  \
        return real args;                                                   \
    }

WRAP_OPEN(open, (const char *path, int flags, ...), (path, flags, mode))
WRAP_OPEN(open64, (const char *path, int flags, ...), (path, flags, mode))
WRAP_OPEN(openat, (int dir, const char *path, int flags, ...), (dir, path, flags, mode))
WRAP_OPEN(openat64, (int dir, const char *path, int flags, ...), (dir, path, flags, mode))
