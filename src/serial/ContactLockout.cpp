#include "ContactLockout.h"

#include <algorithm>

ContactLockout::ContactLockout(int contacts)
    : m_armed(std::size_t(std::max(contacts, 1)))
{
}

bool ContactLockout::Locked(int contact, std::uint32_t tick) const
{
    const Armed &armed = m_armed.at(std::size_t(contact));
    return tick - armed.tick < armed.lengthMs;
}

void ContactLockout::Arm(int contact, std::uint32_t tick, std::uint32_t lockoutMs)
{
    m_armed.at(std::size_t(contact)) = {tick, lockoutMs};
}

void ContactLockout::Clear()
{
    std::fill(m_armed.begin(), m_armed.end(), Armed{});
}
