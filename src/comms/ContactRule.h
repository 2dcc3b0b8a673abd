#pragma once

#include <cstdint>
#include <optional>

// One closing of the contact on the DSR line counts once, however it
// bounces: an edge to a level counts when the line had stood at the other
// level for at least kSettledMs before it. A contact held closed and
// released with chatter, or closed once with a few milliseconds of bounce,
// thus takes one trigger at most.
//
// The level is told report by report from the previous report's level and
// tick and the driver's count of DSR changes (odd: the level changed; even:
// a pulse and back), never from a level read later: on adapters whose
// status read asks the chip, the level read may already be past the changes
// counted. Only where the driver keeps no count does the level read decide.
class ContactRule
{
public:
    static constexpr std::int32_t kSettledMs = 20;

    // The port has opened with DSR at `dsrOn`; the line is taken to have
    // stood there long enough.
    void Reset(bool dsrOn);

    // One report of the port: stamped `tick`, DSR read at `dsrOn`, with
    // `changes` DSR changes counted since the previous report (-1: no count).
    // Returns the level of the edge that counts (true: DSR went on), if any.
    std::optional<bool> Report(std::uint32_t tick, bool dsrOn, int changes);

    // The line's level as told by the reports so far.
    bool DsrOn() const { return m_on; }

private:
    bool m_on = false;
    std::uint32_t m_since = 0; // tick of the report that left the line at m_on
    bool m_settled = true; // m_on has stood long enough whatever m_since says
};
