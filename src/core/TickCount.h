#pragma once

#include <cstdint>

// The race's one clock: milliseconds as a 32-bit counter that wraps after
// about 49.7 days. Race times are signed 32-bit differences of two ticks.
namespace rundaro {

using TickFunction = std::uint32_t (*)();

// Milliseconds from a clock that runs on while the computer sleeps (on
// Linux CLOCK_BOOTTIME), or from the source set below.
std::uint32_t GetTickCount();

// Replaces the clock (tests and benchmarks); nullptr restores the monotonic
// clock. The only place where the race's time can be replaced.
void SetTickSource(TickFunction source);

// Signed wrap-around difference `later - earlier` of two ticks.
constexpr std::int32_t TickDiff(std::uint32_t later, std::uint32_t earlier)
{
    return static_cast<std::int32_t>(later - earlier);
}

} // namespace rundaro
