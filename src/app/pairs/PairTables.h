#pragma once

#include <QWidget>

#include <array>

class PairRace;
class QLabel;
class RaceSheetGrid;

// The Control tab's table in a pair: each skater's race in the lap table's
// form (the target columns and the measured ones, a lap coloured against
// its target), one above the other, each under the skater's letter and
// name. Each follows its skater's feed.
class PairTables : public QWidget
{
    Q_OBJECT

public:
    explicit PairTables(const PairRace &pair, QWidget *parent = nullptr);

private:
    Q_DISABLE_COPY(PairTables)

    void refresh(int skater);

    const PairRace &m_pair;
    std::array<QLabel *, 2> m_titles{};
    std::array<RaceSheetGrid *, 2> m_grids{};
};
