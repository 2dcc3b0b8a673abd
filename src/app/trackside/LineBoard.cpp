#include "LineBoard.h"

#include "RaceFeed.h"
#include "TickCount.h"

#include <QTimer>

LineBoard::LineBoard(const RaceFeed &feed, QObject *parent)
    : QObject(parent)
    , m_feed(feed)
{
    setObjectName(QStringLiteral("LineBoard"));
    m_lapEnd = new QTimer(this);
    m_lapEnd->setSingleShot(true);
    connect(m_lapEnd, &QTimer::timeout, this, &LineBoard::refresh);
    connect(&feed, &RaceFeed::raceStarted, this, &LineBoard::refresh);
    connect(&feed, &RaceFeed::passingRecorded, this, &LineBoard::refresh);
    connect(&feed, &RaceFeed::passingUndone, this, &LineBoard::refresh);
    connect(&feed, &RaceFeed::raceStopped, this, &LineBoard::refresh);
    connect(&feed, &RaceFeed::raceReset, this, &LineBoard::refresh);
}

rundaro::RaceBoard LineBoard::boardOf(std::uint32_t now) const
{
    return m_on ? rundaro::BoardAtLine(m_feed.race(), now) : rundaro::BoardOf(m_feed.race(), now);
}

std::optional<LastLap> LineBoard::lastLap(std::uint32_t now) const
{
    if (!m_on)
        return std::nullopt;
    return FreshLastLap(m_feed.race(), now);
}

void LineBoard::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    refresh();
}

void LineBoard::refresh()
{
    // The tick counter says what is shown; this timer only wakes the
    // displays when the last lap's time is up and no race tick comes. Woken
    // a little early, it waits again for what is left.
    m_lapEnd->stop();
    if (const std::optional<LastLap> lap = lastLap(rundaro::GetTickCount()))
        m_lapEnd->start(lap->remainingMs + 1);
    emit changed();
}
