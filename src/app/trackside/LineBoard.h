#pragma once

#include "LastLap.h"
#include "RaceBoard.h"

#include <QObject>

#include <cstdint>
#include <optional>

class QTimer;
class RaceFeed;

// The board at the line, a choice on "Configuration": in place of the
// running countdown the gap at the last line passed, held until the next
// passing, and in place of the target lap the last lap for a while after
// each passing. It reckons nothing itself (BoardAtLine) and draws nothing:
// the window's panels and the full-screen display ask it what to show, and
// follow `changed`, which comes with every race event, with the choice, and
// when a last lap's time is up while no race tick comes (after STOP).
class LineBoard : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool on READ isOn WRITE setOn NOTIFY changed)

public:
    LineBoard(const RaceFeed &feed, QObject *parent);

    bool isOn() const { return m_on; }
    // The race's figures at tick `now`: the board at the line's while on,
    // the running ones (BoardOf) while off.
    rundaro::RaceBoard boardOf(std::uint32_t now) const;
    // The last lap to show in place of the target lap at tick `now`; none
    // while off.
    std::optional<LastLap> lastLap(std::uint32_t now) const;

public slots:
    void setOn(bool on);
    // Lets the displays take the figures of this moment.
    void refresh();

signals:
    void changed();

private:
    Q_DISABLE_COPY(LineBoard)

    const RaceFeed &m_feed;
    QTimer *m_lapEnd = nullptr;
    bool m_on = false;
};
