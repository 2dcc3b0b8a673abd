#include "RaceRecord.h"

#include "TickCount.h"

namespace rundaro {

void RaceRecord::Start(const RaceSetup &setup, std::uint32_t startTick, std::int64_t startedAt)
{
    m_setup = setup;
    m_startTick = startTick;
    m_startedAt = startedAt;
    m_passings.clear();
    m_open = true;
    m_stopped = false;
}

void RaceRecord::AddPassing(std::uint32_t tick, bool isStop)
{
    m_passings.push_back(tick);
    m_stopped = isStop;
}

bool RaceRecord::UndoPassing()
{
    if (m_passings.empty())
        return false;
    m_passings.pop_back();
    m_stopped = false;
    return true;
}

std::int32_t RaceRecord::ExactMs(int i) const
{
    return i < 0 ? 0 : TickDiff(PassingTick(i), m_startTick);
}

std::int32_t RaceRecord::RaceMs(int i) const
{
    // Towards zero: a passing never reads later than it was.
    const std::int32_t ms = ExactMs(i);
    return ms - ms % 10;
}

std::int32_t RaceRecord::LapMs(int i) const
{
    return TickDiff(std::uint32_t(RaceMs(i)), std::uint32_t(RaceMs(i - 1)));
}

std::int64_t RaceRecord::LapLimit() const
{
    return m_setup.plan.laps - 1 + (m_setup.plan.extraMetres != 0 ? 1 : 0);
}

} // namespace rundaro
