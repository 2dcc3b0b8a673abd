#pragma once

#include <cstdint>
#include <vector>

// One passing, one contact, whatever the contact does on the DSR line.
// The same rule serves a second contact on CTS, one rule per line; its
// `dsrOn` members then hold CTS's level.
//
// The line's changes come in bursts: changes less than kSettledMs apart
// belong to one burst, and a burst ends when the line has stood still for
// kSettledMs. A burst starts at level A, the level the line had stood at,
// and ends at level B. A change to a level counts when
//  (a) the line stood at the other level for kSettledMs before it: the
//      burst's first change, to the level other than A, counts at once;
//  (b) the line then stays at that level for kSettledMs: a burst that
//      leaves the line at A again (a short break away from A, or a pulse
//      and back) counts for A too, at its first change back to A, once
//      the line has stood there kSettledMs.
// So a contact closed with bounce counts once, at its first edge; a contact
// held and released with chatter does not count on its release; a pulse
// counts at its edge, a short break at its return. The rule answers for
// both levels; which one triggers is the caller's choice.
//
// The rule is fed the worker's own readings of the driver (Sample): their
// stamps and counts, never when a report reached anyone. Changes found
// after a time nobody watched the line (the worker was handing a report
// over) may have happened any time since the reading before: they are taken
// as early as they can have been, so they never make a burst look settled.
// Elapsed times are unsigned differences: right at any distance up to the
// tick's wrap.
class ContactRule
{
public:
    static constexpr std::uint32_t kSettledMs = 20;

    // One reading of the line.
    struct Sample
    {
        std::uint32_t tick = 0; // when it was read
        // The line was watched without a change up to here; the first of the
        // changes below happened at or after it. Equal to `tick` when a wait
        // for the change returned.
        std::uint32_t from = 0;
        int changes = 0; // DSR changes since the previous sample
        bool dsrOn = false; // the level read
        // The level read may re-synchronise the rule: the driver's count can
        // be wrong (a UART latch merges two fast changes into one).
        bool levelValid = true;
    };

    // A change that counts: to DSR on or off, at `tick`; `afterBreak` when
    // it counted by (b), at the end of a short break away from that level.
    struct Contact
    {
        bool dsrOn = false;
        std::uint32_t tick = 0;
        bool afterBreak = false;

        bool operator==(const Contact &) const = default;
    };

    // The port has opened with DSR at `dsrOn`; the line is taken to have
    // stood there long enough.
    void Reset(bool dsrOn);

    // Takes one reading; returns the changes that count with it (at most
    // two: the end of the burst before, the start of a new one).
    std::vector<Contact> Add(const Sample &sample);

    // True while a burst is open: a reading kSettledMs after the last change
    // settles it (the worker then reads again without waiting for a change).
    bool Open() const { return m_open; }
    // The line's level as the rule knows it.
    bool DsrOn() const { return m_on; }

private:
    void Close(std::vector<Contact> &out);

    bool m_on = false;
    bool m_open = false;
    bool m_from = false; // level A of the open burst
    std::uint32_t m_lastChange = 0; // latest tick the last change can have had
    bool m_returned = false; // the open burst has come back to A
    std::uint32_t m_returnTick = 0; // its first change back to A
};
