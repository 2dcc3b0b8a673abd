#pragma once

#include "ContactRule.h"

#include <cstdint>
#include <vector>

namespace rundaro::serial {

// What the worker saw when a wait returned, read on the worker at that
// moment and handed over with the events: the dispatch knows when the line
// changed, however long the hand-over and the owner's thread took.
struct PortReport
{
    // GetTickCount read first thing after the wait returned (at Open: when
    // the worker was made).
    std::uint32_t tick = 0;
    // The modem status word read right after the tick; the last word read
    // when the device could not tell.
    std::uint32_t modemStatus = 0;
    // DSR changes the driver counted since the previous report (since Open
    // for the first); -1 where it keeps no count.
    int dsrChanges = -1;
    // The DSR changes that count as contacts with this report
    // (ContactRule), each with the tick of its own edge; a report can end
    // one contact's burst and start the next.
    std::vector<ContactRule::Contact> contacts;
    // The same for CTS, the second contact's line, where the port watches
    // it (EV_CTS enabled); their `dsrOn` is CTS's level.
    int ctsChanges = -1;
    std::vector<ContactRule::Contact> ctsContacts;
};

} // namespace rundaro::serial
