// Preloaded into Wine for the Windows tests: gives pseudo-terminals the
// modem-line calls of a serial port, with quiet lines.
//
// A pseudo-terminal has no modem lines, so Wine's port event waits, which
// read them first, fail at once on one, and no wait could ever be pending.
// Here a pseudo-terminal's DTR and RTS keep what was last set, every input
// line (DSR, CTS, RI, DCD) stays off and never changes, no line event is
// ever counted, and the transmitter is always empty. Nothing else changes:
// all other calls, and every other device, reach the system as they are.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <linux/serial.h>
#include <stdarg.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

static int outputLines; // DTR and RTS of the process's pseudo-terminals

static int isPseudoTerminal(int fd)
{
    struct stat st;
    // Majors 136 to 143 are the pseudo-terminals' slave ends.
    return fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) >= 136 && major(st.st_rdev) <= 143;
}

int ioctl(int fd, unsigned long request, ...)
{
    static int (*next)(int, unsigned long, ...);
    if (!next)
        next = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
    va_list args;
    va_start(args, request);
    void *arg = va_arg(args, void *);
    va_end(args);

    const int lines = TIOCM_DTR | TIOCM_RTS;
    switch (request) {
    case TIOCMGET:
    case TIOCMSET:
    case TIOCMBIS:
    case TIOCMBIC:
    case TIOCGICOUNT:
    case TIOCSERGETLSR:
        if (!isPseudoTerminal(fd))
            break;
        switch (request) {
        case TIOCMGET: *(int *)arg = outputLines; break;
        case TIOCMSET: outputLines = *(const int *)arg & lines; break;
        case TIOCMBIS: outputLines |= *(const int *)arg & lines; break;
        case TIOCMBIC: outputLines &= ~*(const int *)arg; break;
        case TIOCGICOUNT: memset(arg, 0, sizeof(struct serial_icounter_struct)); break;
        case TIOCSERGETLSR: *(unsigned *)arg = TIOCSER_TEMT; break;
        }
        return 0;
    }
    return next(fd, request, arg);
}
