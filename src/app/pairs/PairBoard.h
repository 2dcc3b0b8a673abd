#pragma once

#include <QFrame>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class Panel;
class PairRace;
class QPushButton;

// The Inline tab's board in a pair, in place of the single skater's laps to
// go and ahead/behind: a row per skater with the skater's button (a click
// takes that skater's passing), name, last lap, laps to go and seconds ahead
// of or behind the schedule, as large as the single board's, readable from
// the track side. The common running time stays on the window's digits.
class PairBoard : public QFrame
{
    Q_OBJECT

public:
    explicit PairBoard(const PairRace &pair, QWidget *parent = nullptr);

    // Shows each skater's figures at tick `now`; only what changed is
    // written, so the race clock's tick may call it every time.
    void refresh(std::uint32_t now);

signals:
    // A skater's button was clicked.
    void passingAsked(int skater);

private:
    Q_DISABLE_COPY(PairBoard)

    // What a row shows, so that only a change makes new texts.
    struct Shown
    {
        std::string name;
        std::int64_t lapsToGo = 0;
        std::optional<std::int32_t> aheadBehind;
        int passings = -1; // -1: no race open
        std::uint32_t lastTick = 0; // the last passing's
        bool open = false;
    };
    struct Row
    {
        QPushButton *button = nullptr;
        // ::Panel, not QFrame's shape of that name.
        ::Panel *name = nullptr;
        ::Panel *lastLap = nullptr;
        ::Panel *lapsToGo = nullptr;
        ::Panel *gap = nullptr;
        std::optional<Shown> shown;
    };

    const PairRace &m_pair;
    std::array<Row, 2> m_rows{};
};
