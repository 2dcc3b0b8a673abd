// The lap table on "Control": the target schedule on the left, refilled
// whenever the tab is shown, and the measured laps on the right, each
// coloured against its own segment's target time.
#include "Main.h"

#include "DisplayTexts.h"
#include "FlEdit.h"
#include "LapColumns.h"
#include "LapTexts.h"
#include "LapTimeColour.h"
#include "Panel.h"
#include "SortGrid.h"
#include "SpinEdit.h"

#include <QLineEdit>
#include <QTabWidget>

void TFormMain::SetUpLapTable()
{
    for (rundaro::LapColumn column : rundaro::kLapColumnOrder) {
        SortGrid1->SetColWidths(GridColumn(column), LapColumnWidth(column));
        SortGrid1->SetCells(GridColumn(column), 0, LapColumnTitle(column));
    }
}

void TFormMain::connectLapTable()
{
    SortGrid1->OnGetCellFormat = [this](QObject *sender, int col, int row, TGridDrawState state,
                                        TFormatOptions &options, bool &checkBox, bool &comboBox, bool &ellipsis) {
        SortGrid1GetCellFormat(sender, col, row, state, options, checkBox, comboBox, ellipsis);
    };
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(PageControl1); });
}

void TFormMain::PageControl1Change(QObject *)
{
    if (PageControl1->currentWidget() == TabSheet2)
        FillPlan();
}

void TFormMain::FillPlan()
{
    const rundaro::PlanFigures plan = PlanInForce().plan;
    SortGrid1->BeginUpdate();
    SortGrid1->SetRowCount(int(plan.laps) + 2);
    for (std::int64_t i = 0; i <= plan.laps; ++i) {
        const rundaro::PlanRowTexts texts = rundaro::PlanRow(plan, i, '.');
        const int row = int(i) + 1;
        SortGrid1->SetCells(GridColumn(rundaro::LapColumn::LapsToGo), row, LocaleNumberText(texts.lapsToGo));
        SortGrid1->SetCells(GridColumn(rundaro::LapColumn::SegmentTime), row, LocaleNumberText(texts.segmentTime));
        SortGrid1->SetCells(GridColumn(rundaro::LapColumn::TargetTime), row, LocaleNumberText(texts.targetTime));
        SortGrid1->SetCells(GridColumn(rundaro::LapColumn::TargetMinSec), row, LocaleNumberText(texts.minSec));
        SortGrid1->SetCells(GridColumn(rundaro::LapColumn::TargetSpeed), row, LocaleNumberText(texts.speed));
    }
    SortGrid1->EndUpdate();
}

void TFormMain::SortGrid1GetCellFormat(QObject *, int Col, int Row, TGridDrawState, TFormatOptions &FormatOptions,
                                       bool &, bool &, bool &)
{
    FormatOptions.AlignmentHorz = taRightJustify;
    if (Col != GridColumn(rundaro::LapColumn::LapTime) || Row <= 0 || !FormatOptions.Font)
        return;
    // Empty cells of laps not yet run, any other text, and every lap of a
    // plan without a target lap time keep the grid's colour.
    const rundaro::PlanFigures plan = ScheduleInForce();
    const std::int64_t target = plan.targetLapMs > 0 ? rundaro::SegmentTargetMs(plan, Row - 1) : 0;
    if (const std::optional<QColor> colour = LapTimeColour(SortGrid1->Cells(Col, Row), target))
        FormatOptions.Font->Color = *colour;
}
