#include "TickCount.h"

#include <atomic>
#include <chrono>

namespace rundaro {

namespace {

std::uint32_t monotonicTicks()
{
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
