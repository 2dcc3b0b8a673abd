// Preloaded into Wine for the Windows tests: gives pseudo-terminals the
// modem-line calls of a serial port.
//
// A pseudo-terminal has no modem lines, so Wine's port event waits, which
// read them first, fail at once on one, and no wait could ever be pending.
// Here a pseudo-terminal's DTR and RTS keep what was last set, no line event
// is ever counted, and the transmitter is always empty. The input lines
// (DSR, CTS, RI, DCD) stay off, unless RUNDARO_WINE_DSR names a file: then
// DSR is on while that file begins with "1", and the test changes the line
// by replacing the file (write another, rename it over). Wine's pending
// event wait reads the lines again and again and reports the change as a
// DSR event. Nothing else changes: all other calls, and every other device,
// reach the system as they are.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

static int outputLines; // DTR and RTS of the process's pseudo-terminals

static int isPseudoTerminal(int fd)
{
    struct stat st;
    // Majors 136 to 143 are the pseudo-terminals' slave ends.
    return fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) >= 136 && major(st.st_rdev) <= 143;
}

// The input lines the test has set: DSR from its file.
static int inputLines(void)
{
    static const char *path;
    static int looked;
    if (!looked) {
        path = getenv("RUNDARO_WINE_DSR");
        looked = 1;
    }
    if (!path)
        return 0;
    char first = 0;
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const ssize_t n = read(fd, &first, 1);
    close(fd);
    return n == 1 && first == '1' ? TIOCM_DSR : 0;
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
        case TIOCMGET: *(int *)arg = outputLines | inputLines(); break;
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
