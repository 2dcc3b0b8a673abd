#include "ContactRule.h"

#include "TickCount.h"

void ContactRule::Reset(bool dsrOn)
{
    m_on = dsrOn;
    m_since = 0;
    m_settled = true;
}

std::optional<bool> ContactRule::Report(std::uint32_t tick, bool dsrOn, int changes)
{
    if (changes == 0 || (changes < 0 && dsrOn == m_on))
        return std::nullopt;
    // Whatever happened since the previous report began with an edge away
    // from the level the line stood at; only that edge can count.
    const bool settled = m_settled || rundaro::TickDiff(tick, m_since) >= kSettledMs;
    const bool first = !m_on;
    if (changes > 0)
        m_on = (changes % 2 == 1) ? !m_on : m_on;
    else
        m_on = dsrOn;
    m_since = tick;
    m_settled = false;
    if (!settled)
        return std::nullopt;
    return first;
}
