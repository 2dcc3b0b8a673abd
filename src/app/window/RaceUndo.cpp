// Taking back the last passing: the race record forgets its tick, and the
// clock, the lap table and the average speed return to what they showed
// before it was taken.
#include "Main.h"

#include "ButtonWithColor.h"
#include "Colors.h"
#include "DisplayTexts.h"
#include "LapColumns.h"
#include "LapTexts.h"
#include "SortGrid.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>

void TFormMain::connectUndo()
{
    connect(mUndo, &QAction::triggered, this, [this] { mUndoClick(mUndo); });
    // Enabled exactly while the race has a passing to take back.
    auto follow = [this] { mUndo->setEnabled(m_record.IsOpen() && m_record.Passings() > 0); };
    connect(this, &TFormMain::raceStarted, this, follow);
    connect(this, &TFormMain::passingRecorded, this, follow);
    connect(this, &TFormMain::passingUndone, this, follow);
    connect(this, &TFormMain::raceReset, this, follow);
}

void TFormMain::mUndoClick(QObject *)
{
    if (m_racePaired)
        pairUndo(0);
    else
        undoLastPassing();
}

void TFormMain::undoLastPassing()
{
    if (!m_record.IsOpen() || m_record.Passings() == 0)
        return;
    const int index = m_record.Passings() - 1;
    const bool wasStop = m_record.IsStopped();
    const int row = m_record.Row(index);
    m_record.UndoPassing();

    SortGrid1->BeginUpdate();
    for (int col = GridColumn(rundaro::kFirstResultColumn); col < SortGrid1->ColCount(); ++col)
        SortGrid1->SetCells(col, row, QString());
    SortGrid1->EndUpdate();
    setLapCount(index);
    m_lapMark = m_record.ExactMs(index - 1);
    m_prevLapMark = m_record.ExactMs(index - 2);
    const rundaro::PlanFigures &plan = m_record.Setup().plan;
    eSpeedSredn->setText(index > 0
                             ? LocaleNumberText(rundaro::AverageSpeedText(plan, index, m_record.RaceMs(index - 1), '.'))
                             : m_averageBeforeRace);

    if (wasStop) {
        setCommand(bStop, mStop, true, Colors::clRed());
        setCommand(bReset, mReset, false, Colors::clBtnFace());
        Timer1->start();
    }
    // LAP as START and the passings left say: a race longer than one lap
    // takes LAPs until the limit.
    const rundaro::RaceSetup &setup = m_record.Setup();
    const bool laps
        = rundaro::Real(setup.trackLength) / rundaro::Real(plan.lapLength) > 1.0L && index < m_record.LapLimit();
    if (laps != bLAP->isEnabled())
        setCommand(bLAP, mLAP, laps, laps ? Colors::clYellow() : Colors::clBtnFace());
    if (laps)
        bLAP->setFocus();
    else
        bStop->setFocus();
    if (wasStop)
        Timer1Timer(Timer1);
    emit passingUndone(index);
}
