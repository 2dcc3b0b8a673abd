// The race clock: START, LAP, STOP and RESET, the 10 ms tick and the
// recording of each closed lap. Every time is reckoned from the tick counter
// itself, so late or dropped ticks never drift.
#include "Main.h"

#include "ButtonWithColor.h"
#include "Colors.h"
#include "DisplayTexts.h"
#include "FlEdit.h"
#include "LapColumns.h"
#include "LapTexts.h"
#include "LineBoard.h"
#include "PairRace.h"
#include "Panel.h"
#include "RaceBoard.h"
#include "RaceFeed.h"
#include "RacePalette.h"
#include "Schedule.h"
#include "SortGrid.h"
#include "SpinEdit.h"
#include "TickCount.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

using rundaro::Real;

void TFormMain::createRaceTimer()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });
}

void TFormMain::connectCommands()
{
    bStart->OnClick = [this](QObject *sender) { bStartClick(sender); };
    bLAP->OnClick = [this](QObject *sender) { bLAPClick(sender); };
    bStop->OnClick = [this](QObject *sender) { bStopClick(sender); };
    bReset->OnClick = [this](QObject *sender) { bResetClick(sender); };
    connect(mStart, &QAction::triggered, this, [this] { bStartClick(mStart); });
    connect(mLAP, &QAction::triggered, this, [this] { bLAPClick(mLAP); });
    connect(mStop, &QAction::triggered, this, [this] { bStopClick(mStop); });
    connect(mReset, &QAction::triggered, this, [this] { bResetClick(mReset); });
    // A mnemonic clicks at once, not after the pressed look a key click
    // shows: the lap is timed at the key press.
    for (TBitBtnWithColor *button : {bStart, bLAP, bStop, bReset})
        button->installEventFilter(this);
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // A held Enter repeats; one press is one command.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
            return true;
    } else if (event->type() == QEvent::Shortcut) {
        for (TBitBtnWithColor *button : {bStart, bLAP, bStop, bReset}) {
            if (watched != button)
                continue;
            if (button->isEnabled() && !static_cast<QShortcutEvent *>(event)->isAmbiguous())
                button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

int TFormMain::LapCount() const
{
    return bLAP->property("Tag").toInt();
}

void TFormMain::setLapCount(int count)
{
    bLAP->setProperty("Tag", count);
}

int TFormMain::PlusMinShown() const
{
    return PanelPlusMin->tag();
}

void TFormMain::setPlanEditorsEnabled(bool enabled)
{
    for (QWidget *control : PanelControl->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->setEnabled(enabled);
}

void TFormMain::setCommand(TBitBtnWithColor *button, QAction *item, bool enabled, const QColor &face)
{
    button->setEnabled(enabled);
    if (face.isValid())
        button->SetColor(face);
    item->setEnabled(enabled);
}

void TFormMain::bStartClick(QObject *)
{
    m_startTick = CommandTick(false);
    // A plan value still being typed is the one the race is run with.
    applyTypedPlan();
    Timer1->start();
    setPlanEditorsEnabled(false);
    setCommand(bStart, mStart, false, Colors::clBtnFace());
    setCommand(bStop, mStop, true, Colors::clRed());
    // A race of one lap or less has no LAP, only STOP.
    const bool laps = Real(seLength->value()) / Real(seLenKrug->value()) > 1.0L;
    setCommand(bLAP, mLAP, laps, laps ? Colors::clYellow() : QColor());
    m_lapsDue = 0;
    setLapCount(0);
    m_lapMark = 0;
    ClearResults();
    m_record.SetSkater(m_feed->nextSkater());
    m_record.Start(PlanInForce(), m_startTick, m_services.Now().toMSecsSinceEpoch());
    m_racePaired = cbPair->isChecked();
    if (m_racePaired)
        startPair();
    m_averageBeforeRace = eSpeedSredn->text();
    m_plusMinStale = true;
    if (bLAP->isEnabled())
        bLAP->setFocus();
    else
        bStop->setFocus();
    emit raceStarted();
}

void TFormMain::ClearResults()
{
    // The previous race may have written rows that a lower row count hides
    // now; they would come back with its times when the count grows.
    const int rows = std::max(SortGrid1->RowCount(), SortGrid1->StoredRowEnd());
    SortGrid1->BeginUpdate();
    for (int row = 1; row < rows; ++row)
        for (int col = GridColumn(rundaro::kFirstResultColumn); col < SortGrid1->ColCount(); ++col)
            SortGrid1->SetCells(col, row, QString());
    SortGrid1->EndUpdate();
}

void TFormMain::bLAPClick(QObject *)
{
    if (m_racePaired) {
        pairPassing(0);
        return;
    }
    m_prevLapMark = m_lapMark;
    m_lapMark = std::int32_t(CommandTick(true));
    m_record.AddPassing(std::uint32_t(m_lapMark));
    setLapCount(LapCount() + 1);
    RecordLap();
    const int limit = seKrugov->value() - 1 + (seLengthDop->value() != 0 ? 1 : 0);
    if (LapCount() >= limit) {
        bStop->setFocus();
        setCommand(bLAP, mLAP, false, Colors::clBtnFace());
    }
    emit passingRecorded(m_record.Passings() - 1);
}

void TFormMain::bStopClick(QObject *)
{
    if (m_racePaired) {
        // STOP in a pair stops whoever still runs; the clock stops at the
        // last of them.
        m_pair->stopRunning(CommandTick(false));
        m_contactTick = m_pair->lastPassingTick();
    }
    m_stopTick = CommandTick(true);
    m_prevLapMark = m_lapMark;
    m_lapMark = std::int32_t(m_stopTick);
    m_record.AddPassing(m_stopTick, true);
    setLapCount(LapCount() + 1);
    RecordLap();
    Timer1->stop();
    // The time read at STOP, which may be later than the last tick's.
    ShowTime(rundaro::TickDiff(m_stopTick, m_startTick));
    setCommand(bStop, mStop, false, Colors::clBtnFace());
    setCommand(bLAP, mLAP, false, Colors::clBtnFace());
    setCommand(bReset, mReset, true, Colors::clBlack());
    bReset->setFocus();
    emit passingRecorded(m_record.Passings() - 1);
    emit raceStopped();
}

void TFormMain::bResetClick(QObject *)
{
    setPlanEditorsEnabled(true);
    setCommand(bReset, mReset, false, Colors::clBtnFace());
    setCommand(bStart, mStart, true, Colors::clGreen());
    setCommand(bLAP, mLAP, false, Colors::clBtnFace());
    ShowTime(0);
    seDopTimeChange();
    bStart->setFocus();
    m_record.Close();
    if (m_racePaired)
        m_pair->reset();
    emit raceReset();
}

void TFormMain::RecordLap()
{
    m_lapMark = rundaro::TickDiff(std::uint32_t(m_lapMark), m_startTick);
    const int row = LapCount() + (seLengthDop->value() == 0 ? 1 : 0);
    const rundaro::PlanFigures &plan = m_record.Setup().plan;
    // The texts follow the record's times, cut off to hundredths as the
    // digits, the file and the printout read them.
    const int last = m_record.Passings() - 1;
    // Each segment's speed over its own length: the first passing of a race
    // with extra metres closes only those metres. A lap or race time of 0 ms
    // (two commands within one step of the tick counter) has no speed: its
    // speed texts stay empty.
    const rundaro::LapResultTexts texts
        = rundaro::LapResult(m_record.RaceMs(last), m_record.LapMs(last), rundaro::SegmentMetres(plan, row - 1), '.');
    SortGrid1->SetCells(GridColumn(rundaro::LapColumn::LapTime), row, LocaleNumberText(texts.lapTime));
    SortGrid1->SetCells(GridColumn(rundaro::LapColumn::RaceTime), row, LocaleNumberText(texts.raceTime));
    SortGrid1->SetCells(GridColumn(rundaro::LapColumn::RaceMinSec), row, LocaleNumberText(texts.minSec));
    SortGrid1->SetCells(GridColumn(rundaro::LapColumn::Speed), row, LocaleNumberText(texts.speed));
    eSpeedSredn->setText(LocaleNumberText(rundaro::AverageSpeedText(plan, LapCount(), m_record.RaceMs(last), '.')));
}

void TFormMain::Timer1Timer(QObject *)
{
    const std::uint32_t now = rundaro::GetTickCount();
    const std::int32_t t = rundaro::TickDiff(now, m_startTick);
    const rundaro::PlanFigures &plan = m_record.Setup().plan;
    // Without a target lap time there is no schedule: the laps to go follow
    // the passings, and there is nothing to be ahead of or behind.
    const rundaro::RaceBoard board = rundaro::BoardAt(plan, t, LapCount());
    const std::int64_t due = plan.laps - board.lapsToGo;
    if (due != m_lapsDue) {
        m_lapsDue = std::int32_t(due);
        PanelKrugov->setCaption(QString::number(board.lapsToGo));
    }
    ShowTime(t);
    if (m_lineBoard->isOn()) {
        showLineBoard(now);
        return;
    }
    if (m_plusMinStale || (board.aheadBehind && *board.aheadBehind != PlusMinShown()))
        showPlusMin(board.aheadBehind);
}

void TFormMain::showPlusMin(std::optional<int> shown)
{
    m_plusMinStale = false;
    if (!shown) {
        PanelPlusMin->setCaption(NoTargetText());
        return;
    }
    PanelPlusMin->setTag(*shown);
    PanelPlusMin->setFontColor(RacePalette::gapPanelColour(*shown > 0));
    PanelPlusMin->setCaption(QString::fromStdString(rundaro::AheadBehindText(*shown)));
}
