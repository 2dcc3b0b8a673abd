#pragma once

#include "GroupRace.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Contacts that belong to the lanes at the line (a sensor per lane) rather
// than to the skaters. In a pair the skaters change lanes once every lap,
// on the crossing straight, so at the line each skater is in the other lane
// than at the previous passing; A (skater 0) starts in the inner lane, B
// (skater 1) in the outer. Whether a skater is still in the start lane at
// the first passing depends on where the race's start lies: if the crossing
// straight comes between the start and the line, the skater has changed
// lanes once already. A passing in a lane goes to the skater who is in that
// lane at that passing.
namespace rundaro {

enum class Lane : std::uint8_t { Inner, Outer };

// The lane as a race file names it: "innen" or "außen".
std::string_view LaneName(Lane lane);

class LaneContacts
{
public:
    // `crossingBeforeFirstLine`: the crossing straight lies between the
    // start and the first passing of the line, for the race's distance.
    explicit LaneContacts(bool crossingBeforeFirstLine)
        : m_crossingFirst(crossingBeforeFirstLine)
    {
    }

    // The lane `skater` starts in: A inner, B outer (and so on, alternately).
    static Lane StartLane(int skater);
    // The lane `skater` is in at their passing `passing` (0 for the first).
    Lane LaneAt(int skater, std::int64_t passing) const;
    // The skater a contact in `lane` belongs to: of the skaters still
    // running whose next passing is in that lane, the one with the fewest
    // passings (the one still to come at this line). None when no running
    // skater is due in that lane: a second contact of one passing, or one
    // after a passing was missed, which the keys then put right.
    std::optional<int> SkaterIn(Lane lane, const GroupRace &group) const;

private:
    bool m_crossingFirst;
};

} // namespace rundaro
