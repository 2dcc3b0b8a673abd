#include "TickCount.h"

#include <atomic>
#include <chrono>

#if defined(__linux__)
#include <time.h>
#endif

namespace rundaro {

namespace {

// The system's millisecond counter counts the time the computer sleeps:
// a lap across a closed lid is as long as it took. On Linux that is
// CLOCK_BOOTTIME (CLOCK_MONOTONIC stops while suspended).
std::uint32_t monotonicTicks()
{
#if defined(__linux__)
    timespec now = {};
    if (clock_gettime(CLOCK_BOOTTIME, &now) == 0)
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u
                                          + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
#endif
    const auto ms
        = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
}

std::atomic<TickFunction> tickSource{&monotonicTicks};

} // namespace

std::uint32_t GetTickCount()
{
    return tickSource.load(std::memory_order_acquire)();
}

void SetTickSource(TickFunction source)
{
    tickSource.store(source ? source : &monotonicTicks, std::memory_order_release);
}

} // namespace rundaro
