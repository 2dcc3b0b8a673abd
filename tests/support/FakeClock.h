#pragma once

#include "TickCount.h"

#include <atomic>
#include <cstdint>

// Replaces the race clock for the lifetime of the object; tests move time by
// hand instead of sleeping.
class FakeClock
{
public:
    explicit FakeClock(std::uint32_t start = 1000)
    {
        now().store(start);
        rundaro::SetTickSource(&FakeClock::read);
    }
    ~FakeClock() { rundaro::SetTickSource(nullptr); }
    FakeClock(const FakeClock &) = delete;
    FakeClock &operator=(const FakeClock &) = delete;

    void set(std::uint32_t ms) { now().store(ms); }
    void advance(std::uint32_t ms) { now().fetch_add(ms); }
    std::uint32_t value() const { return now().load(); }

private:
    static std::atomic<std::uint32_t> &now()
    {
        static std::atomic<std::uint32_t> ticks{0};
        return ticks;
    }
    static std::uint32_t read() { return now().load(); }
};
