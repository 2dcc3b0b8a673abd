#include "ContactRule.h"

void ContactRule::Reset(bool dsrOn)
{
    m_on = dsrOn;
    m_open = false;
    m_returned = false;
}

std::vector<ContactRule::Contact> ContactRule::Add(const Sample &sample)
{
    std::vector<Contact> out;
    if (sample.changes <= 0) {
        // Nothing counted since the last change for long enough: the burst
        // is over, and the level read says where the line stands now. A
        // count the driver lost shows here and is put right.
        if (sample.tick - m_lastChange >= kSettledMs || !m_open) {
            if (sample.levelValid && sample.dsrOn != m_on) {
                m_on = sample.dsrOn;
                if (m_open && m_on == m_from && !m_returned) {
                    m_returned = true;
                    m_returnTick = m_lastChange;
                }
            }
            if (m_open)
                Close(out);
        }
        return out;
    }
    // The line stood still from the last change up to `from`: long enough
    // ends the burst before these changes.
    if (m_open && sample.from - m_lastChange >= kSettledMs)
        Close(out);
    int changes = sample.changes;
    if (!m_open) {
        m_open = true;
        m_from = m_on;
        m_returned = false;
        // The first change, away from where the line had settled, counts.
        m_on = !m_on;
        out.push_back({m_on, sample.from, false});
        --changes;
    }
    // The rest: only the first change back to A matters. Which of them came
    // when is unknown; the first is taken as early as it can have been.
    if (changes > 0 && !m_returned) {
        const bool firstBack = (m_on != m_from);
        if (firstBack || changes >= 2) {
            m_returned = true;
            m_returnTick = sample.from;
        }
    }
    if (changes % 2 != 0)
        m_on = !m_on;
    m_lastChange = sample.tick;
    return out;
}

void ContactRule::Close(std::vector<Contact> &out)
{
    // Back at A for good: a short break away from A, or a pulse and back.
    if (m_returned && m_on == m_from)
        out.push_back({m_from, m_returnTick, true});
    m_open = false;
    m_returned = false;
}
