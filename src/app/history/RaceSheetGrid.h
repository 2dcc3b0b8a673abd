#pragma once

#include "LapTexts.h"
#include "RaceRecord.h"
#include "SortGrid.h"

#include <string>

// A race in the lap table's form, read-only: its target columns, colours
// and rows come from the race's own set-up, never from the plan editors. A
// saved race opened shows in one; a pair shows each skater's race in one.
class RaceSheetGrid : public TSortGrid
{
    Q_OBJECT

public:
    explicit RaceSheetGrid(QWidget *parent = nullptr);

    // Shows `race` as its file has it; `date` and `start` name its set-up
    // lines (none are shown).
    void showRace(const rundaro::RaceRecord &race, const std::string &date = {}, const std::string &start = {});

private:
    Q_DISABLE_COPY(RaceSheetGrid)

    // The plan of the race shown, which colours its lap times.
    rundaro::PlanFigures m_plan;
};
