// The race clock: START, LAP, STOP and RESET, the 10 ms tick and the
// recording of each closed lap. Every time is reckoned from the tick counter
// itself, so late or dropped ticks never drift.
#include "Main.h"

#include "ButtonWithColor.h"
#include "Colors.h"
#include "FlEdit.h"
#include "LapTexts.h"
#include "LocaleNumber.h"
#include "Panel.h"
#include "Schedule.h"
#include "SortGrid.h"
#include "SpinEdit.h"
#include "TickCount.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

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
    m_startTick = rundaro::GetTickCount();
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
    // The results of the previous race go; the target columns stay.
    SortGrid1->BeginUpdate();
    for (int row = 1; row < SortGrid1->RowCount(); ++row)
        for (int col = 5; col < SortGrid1->ColCount(); ++col)
            SortGrid1->SetCells(col, row, QString());
    SortGrid1->EndUpdate();
    m_race = {seDopTime->value(), seKrugov->value()};
    m_plusMinStale = true;
    if (bLAP->isEnabled())
        bLAP->setFocus();
    else
        bStop->setFocus();
}

void TFormMain::bLAPClick(QObject *)
{
    m_prevLapMark = m_lapMark;
    m_lapMark = std::int32_t(rundaro::GetTickCount());
    setLapCount(LapCount() + 1);
    RecordLap();
    const int limit = seKrugov->value() - 1 + (seLengthDop->value() != 0 ? 1 : 0);
    if (LapCount() >= limit) {
        bStop->setFocus();
        setCommand(bLAP, mLAP, false, Colors::clBtnFace());
    }
}

void TFormMain::bStopClick(QObject *)
{
    m_stopTick = rundaro::GetTickCount();
    m_prevLapMark = m_lapMark;
    m_lapMark = std::int32_t(m_stopTick);
    setLapCount(LapCount() + 1);
    RecordLap();
    Timer1->stop();
    // The time read at STOP, which may be later than the last tick's.
    ShowTime(rundaro::TickDiff(m_stopTick, m_startTick));
    setCommand(bStop, mStop, false, Colors::clBtnFace());
    setCommand(bLAP, mLAP, false, Colors::clBtnFace());
    setCommand(bReset, mReset, true, Colors::clBlack());
    bReset->setFocus();
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
}

void TFormMain::RecordLap()
{
    m_lapMark = rundaro::TickDiff(std::uint32_t(m_lapMark), m_startTick);
    const int row = LapCount() + (seLengthDop->value() == 0 ? 1 : 0);
    const auto lap = rundaro::TickDiff(std::uint32_t(m_lapMark), std::uint32_t(m_prevLapMark));
    const char separator = rundaro::LocaleDecimalSeparator().toLatin1();
    const int lapLength = seLenKrug->value();
    // A lap or race time of 0 ms (two commands within one step of the tick
    // counter) has no speed: its speed texts stay empty.
    const rundaro::LapResultTexts texts = rundaro::LapResult(m_lapMark, lap, lapLength, separator);
    SortGrid1->SetCells(5, row, QString::fromStdString(texts.lapTime));
    SortGrid1->SetCells(6, row, QString::fromStdString(texts.raceTime));
    SortGrid1->SetCells(7, row, QString::fromStdString(texts.minSec));
    SortGrid1->SetCells(8, row, QString::fromStdString(texts.speed));
    eSpeedSredn->setText(
        QString::fromStdString(rundaro::AverageSpeedText(lapLength, LapCount(), m_lapMark, separator)));
}

void TFormMain::Timer1Timer(QObject *)
{
    const std::int32_t t = rundaro::TickDiff(rundaro::GetTickCount(), m_startTick);
    const std::int32_t targetLapMs = TargetLapMs();
    // Without a target lap time there is no schedule: nothing is due and
    // the ahead/behind panel keeps what it shows.
    const std::int32_t due = rundaro::LapsDue(t, targetLapMs, m_race.allowanceSeconds);
    if (due != m_lapsDue) {
        m_lapsDue = due;
        PanelKrugov->setCaption(QString::number(qint64(m_race.laps) - due));
    }
    ShowTime(t);
    const std::optional<std::int32_t> shown = rundaro::AheadBehindSeconds(t, targetLapMs, m_race.allowanceSeconds);
    if (shown && (*shown != PlusMinShown() || m_plusMinStale))
        showPlusMin(*shown);
}

void TFormMain::showPlusMin(int shown)
{
    m_plusMinStale = false;
    PanelPlusMin->setTag(shown);
    PanelPlusMin->setFontColor(shown > 0 ? Colors::clLime() : Colors::clRed());
    PanelPlusMin->setCaption(QString::fromStdString(rundaro::AheadBehindText(shown)));
}
