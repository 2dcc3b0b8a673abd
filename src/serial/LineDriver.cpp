#include "LineDriver.h"

#include <sys/ioctl.h>

namespace rundaro::serial {

namespace {

class KernelDriver final : public LineDriver
{
public:
    int WaitLines(int fd, int lines) override { return ioctl(fd, TIOCMIWAIT, lines); }
    int GetLines(int fd, int &lines) override { return ioctl(fd, TIOCMGET, &lines); }
    int SetLines(int fd, int lines, bool on) override { return ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &lines); }
    int GetCounters(int fd, serial_icounter_struct &count) override { return ioctl(fd, TIOCGICOUNT, &count); }
    int SetLowLatency(int fd, bool on, bool &changed) override
    {
        changed = false;
        serial_struct info = {};
        if (ioctl(fd, TIOCGSERIAL, &info) != 0)
            return -1;
        if (bool(info.flags & ASYNC_LOW_LATENCY) == on)
            return 0;
        info.flags ^= ASYNC_LOW_LATENCY;
        if (ioctl(fd, TIOCSSERIAL, &info) != 0)
            return -1;
        changed = true;
        return 0;
    }
};

} // namespace

std::shared_ptr<LineDriver> LineDriver::Kernel()
{
    static const auto kernel = std::make_shared<KernelDriver>();
    return kernel;
}

} // namespace rundaro::serial
