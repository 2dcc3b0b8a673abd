#pragma once

#include <cstdint>
#include <vector>

// The lockout after a contact has triggered: further contacts of that same
// contact are dropped for the lockout's length, reckoned on the contacts'
// own ticks (the worker's stamps), so that neither a late timer nor a busy
// window changes it. Each contact (A on DSR, B on CTS, ...) has a lockout of
// its own: B's contact right after A's counts. Keys and buttons are never
// locked out; this only guards the line.
class ContactLockout
{
public:
    static constexpr std::uint32_t kLockoutMs = 1000;

    // `contacts`: how many contacts there are (at least one).
    explicit ContactLockout(int contacts = 2);

    // True when a contact of `contact` at `tick` falls within the lockout
    // armed last for it. Elapsed time is unsigned: a contact 25 days after
    // the last one is not read as before it.
    bool Locked(int contact, std::uint32_t tick) const;
    // Arms `contact`'s lockout from `tick` for `lockoutMs` (0: none), also
    // when the contact took no action.
    void Arm(int contact, std::uint32_t tick, std::uint32_t lockoutMs = kLockoutMs);
    // No contact locked out (a port opened anew).
    void Clear();

private:
    struct Armed
    {
        std::uint32_t tick = 0;
        std::uint32_t lengthMs = 0; // 0: not armed
    };
    std::vector<Armed> m_armed;
};
