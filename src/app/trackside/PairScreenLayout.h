#pragma once

#include "FullScreenLayout.h"

#include <QRect>
#include <QSize>

#include <vector>

// Where the full-screen display puts its panels for skaters on one clock (a
// pair): a row per skater, stacked, each with the skater's letter, the name
// over the last lap, the laps to go and the seconds ahead or behind; and the
// band of the wide arrangement for one skater, the common time with the
// target lap over the trigger's state beside it, lower than one skater's so
// that the rows keep their numbers large. On wide screens the band is at the
// bottom and the rows above it, as one skater's numbers stand above the
// time; on narrower ones the band is at the top and the rows below it. A
// thin gap under each row that does not end at the screen's bottom keeps
// two rows' panels of one colour apart, and the rows from the band.
struct SkaterRowLayout
{
    QRect row; // the whole row, its gap included
    QRect letter;
    QRect name;
    QRect lastLap; // empty where the row is too low for it under the name
    QRect lapsToGo;
    QRect aheadBehind;
    QRect gap; // under the panels; empty at the screen's bottom
};

struct PairScreenLayout
{
    // The time, the target lap and the trigger's state; the single display's
    // laps to go and ahead/behind are empty.
    FullScreenLayout common;
    std::vector<SkaterRowLayout> rows;
};

PairScreenLayout LayoutPairScreen(const QSize &screen, int skaters);
