#include "LaneContacts.h"

namespace rundaro {

std::string_view LaneName(Lane lane)
{
    return lane == Lane::Inner ? "innen" : "außen";
}

Lane LaneContacts::StartLane(int skater)
{
    return skater % 2 == 0 ? Lane::Inner : Lane::Outer;
}

Lane LaneContacts::LaneAt(int skater, std::int64_t passing) const
{
    // One lane change per crossing: before the first passing when the
    // crossing lies before the line, and once in every lap after it.
    const std::int64_t changes = passing + (m_crossingFirst ? 1 : 0);
    const bool same = changes % 2 == 0;
    const Lane start = StartLane(skater);
    return same ? start : (start == Lane::Inner ? Lane::Outer : Lane::Inner);
}

std::optional<int> LaneContacts::SkaterIn(Lane lane, const GroupRace &group) const
{
    std::optional<int> found;
    for (int skater = 0; skater < group.Skaters(); ++skater) {
        if (!group.IsRunning(skater))
            continue;
        const int passings = group.Race(skater).Passings();
        if (LaneAt(skater, passings) != lane)
            continue;
        if (!found || passings < group.Race(*found).Passings())
            found = skater;
    }
    return found;
}

} // namespace rundaro
