#include "RaceSheetGrid.h"

#include "LapColumns.h"
#include "LapTimeColour.h"
#include "LocaleNumber.h"
#include "RaceSheet.h"

RaceSheetGrid::RaceSheetGrid(QWidget *parent)
    : TSortGrid(parent)
{
    SetColCount(rundaro::kLapColumnCount);
    SetFixedCols(0);
    SetDefaultRowHeight(20);
    SetOptions(DefaultGridOptions | goDrawFocusSelected | goColSizing);
    SortOptions().CanSort = false;
    QFont gridFont(QStringLiteral("MS Sans Serif"));
    gridFont.setPixelSize(16);
    gridFont.setBold(true);
    setFont(gridFont);
    for (rundaro::LapColumn column : rundaro::kLapColumnOrder) {
        SetColWidths(GridColumn(column), LapColumnWidth(column));
        SetCells(GridColumn(column), 0, LapColumnTitle(column));
    }
    OnGetCellFormat
        = [this](QObject *, int col, int row, TGridDrawState, TFormatOptions &options, bool &, bool &, bool &) {
              options.AlignmentHorz = taRightJustify;
              if (col != GridColumn(rundaro::LapColumn::LapTime) || row <= 0 || !options.Font)
                  return;
              const std::int64_t target = m_plan.targetLapMs > 0 ? rundaro::SegmentTargetMs(m_plan, row - 1) : 0;
              if (const std::optional<QColor> colour = LapTimeColour(Cells(col, row), target))
                  options.Font->Color = *colour;
          };
}

void RaceSheetGrid::showRace(const rundaro::RaceRecord &race, const std::string &date, const std::string &start)
{
    m_plan = race.Setup().plan;
    const rundaro::RaceSheet sheet
        = rundaro::MakeRaceSheet(race, date, start, QString(rundaro::LocaleDecimalSeparator()).toStdString());
    BeginUpdate();
    SetRowCount(int(sheet.rows.size()) + 1);
    for (std::size_t i = 0; i < sheet.rows.size(); ++i)
        for (rundaro::LapColumn column : rundaro::kLapColumnOrder)
            SetCells(GridColumn(column), int(i) + 1, QString::fromStdString(rundaro::Cell(sheet.rows[i], column)));
    EndUpdate();
}
