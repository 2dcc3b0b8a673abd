// Two skaters on one clock ("Paar" on "Configuration"). The window's race
// clock keeps the common time; each skater's race is the pair's, followed
// through each skater's feed (its race file, the history) as a race run
// alone. The commands name their skater: LAP and Ctrl+L A's passing, Ctrl+K
// B's, STOP whoever still runs, Ctrl+Z and Ctrl+Shift+Z the latest passing
// of A and of B. A's contact is on DSR as ever, B's on CTS with RTS on; or
// the contacts belong to the lanes at the line (inner on DSR, outer on CTS),
// each passing going to the skater in that lane then.
#include "Main.h"

#include "ButtonWithColor.h"
#include "Colors.h"
#include "Comms.h"
#include "FullScreenView.h"
#include "LaneContacts.h"
#include "LapChartPage.h"
#include "PairBoard.h"
#include "PairRace.h"
#include "PairTables.h"
#include "PortList.h"
#include "RaceCallOuts.h"
#include "RaceFeed.h"
#include "RaceFile.h"
#include "RaceHistory.h"
#include "RacePrint.h"
#include "RaceSounds.h"
#include "SkaterField.h"
#include "SortGrid.h"
#include "StoredRaceView.h"
#include "TickCount.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kSkaterA = 0;
constexpr int kSkaterB = 1;

} // namespace

void TFormMain::createPairMode()
{
    m_pair = new PairRace([this] { return PlanInForce(); }, this);
    // Each skater's race on disk, as a race run alone, and in the history.
    for (int skater = 0; skater < PairRace::kSkaters; ++skater) {
        auto *file = new RaceFile(m_pair->feed(skater), this, m_services.RacesFolder);
        file->setObjectName(skater == kSkaterA ? QStringLiteral("RaceFileA") : QStringLiteral("RaceFileB"));
        connect(file, &RaceFile::raceWritten, m_history, &RaceHistory::learn);
    }
    connect(m_pair, &PairRace::changed, this, &TFormMain::followPair);
    // The race sounds for each skater's passings; START sounds once.
    m_sounds->follow(m_pair->feed(kSkaterA), true);
    m_sounds->follow(m_pair->feed(kSkaterB), false);
    // The call-outs for each skater's passings, each naming its skater.
    m_callOuts->follow(m_pair->feed(kSkaterA), "A");
    m_callOuts->follow(m_pair->feed(kSkaterB), "B");

    auto *configuration = PageControl1->findChild<QWidget *>(QStringLiteral("TabSheet3"));
    auto *pairRow = new QWidget(configuration);
    auto *row = new QHBoxLayout(pairRow);
    row->setContentsMargins(0, 0, 0, 0);
    cbPair = new QCheckBox(tr("Paar"), pairRow);
    cbPair->setObjectName(QStringLiteral("cbPair"));
    cbPair->setToolTip(tr("Zwei Läufer auf einer Uhr: A mit Strg+L und dem Kontakt an DSR, "
                          "B mit Strg+K und dem Kontakt an CTS"));
    // Whose a contact is: the skater's own, or the lane's at the line, the
    // first passing's lane set by where the lanes cross (see the help).
    cbContacts = new QComboBox(pairRow);
    cbContacts->setObjectName(QStringLiteral("cbContacts"));
    cbContacts->addItems({tr("Kontakt je Läufer"), tr("Kontakt je Bahn"), tr("je Bahn, Kreuzung vor der Linie")});
    cbContacts->setEnabled(false);
    row->addWidget(cbPair);
    row->addWidget(cbContacts);
    row->addStretch(1);
    static_cast<QGridLayout *>(configuration->layout())->addWidget(pairRow, 5, 2);
    // The mode is the race's from START to RESET.
    connect(this, &TFormMain::raceStarted, cbPair, [this] {
        cbPair->setEnabled(false);
        cbContacts->setEnabled(false);
    });
    connect(this, &TFormMain::raceReset, cbPair, [this] {
        cbPair->setEnabled(true);
        cbContacts->setEnabled(cbPair->isChecked());
    });
    connect(cbContacts, &QComboBox::currentIndexChanged, this, [this] { m_pairLockout.Clear(); });

    // B's commands, beside the menu's (which are A's in a pair).
    mLapB = new QAction(tr("Runde Läufer B"), this);
    mLapB->setObjectName(QStringLiteral("mLapB"));
    mLapB->setShortcut(Qt::CTRL | Qt::Key_K);
    mUndoB = new QAction(tr("Runde Läufer B zurücknehmen"), this);
    mUndoB->setObjectName(QStringLiteral("mUndoB"));
    mUndoB->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    for (QAction *item : {mLapB, mUndoB}) {
        item->setShortcutContext(Qt::WindowShortcut);
        item->setEnabled(false);
        addAction(item);
    }
    connect(mLapB, &QAction::triggered, this, [this] { pairPassing(kSkaterB); });
    connect(mUndoB, &QAction::triggered, this, [this] { pairUndo(kSkaterB); });

    // B's name beside A's ("Läufer" is A's in a pair), shown in a pair.
    auto *skaterA = PageControl1->cornerWidget()->findChild<SkaterField *>();
    m_skaterB = new SkaterField(
        *m_history, [this](const std::string &name) { m_pair->nameSkater(kSkaterB, name); },
        PageControl1->cornerWidget());
    m_skaterB->setObjectName(QStringLiteral("eSkaterB"));
    m_skaterB->setPlaceholderText(tr("Läufer B"));
    m_skaterB->setAccessibleName(m_skaterB->placeholderText());
    if (skaterA) {
        m_skaterB->setFixedHeight(skaterA->height());
        static_cast<QHBoxLayout *>(PageControl1->cornerWidget()->layout())->insertWidget(1, m_skaterB);
        // Two names where one stood, each narrower, so the tabs keep their room.
        const int single = skaterA->maximumWidth();
        connect(cbPair, &QCheckBox::toggled, skaterA, [this, skaterA, single](bool on) {
            skaterA->setFixedWidth(on ? single * 2 / 3 : single);
            m_skaterB->setFixedWidth(skaterA->width());
        });
    }
    m_skaterB->hide();
    connect(cbPair, &QCheckBox::toggled, this, &TFormMain::showPairMode);
}

void TFormMain::showPairMode(bool on)
{
    // B's contact closes between RTS and CTS: RTS gives it its voltage.
    ComPort->SetEvents(on ? TEvents{TComPort::evDSR, TComPort::evCTS} : TEvents{TComPort::evDSR});
    ComPort->SetEnableRTS(on);
    cbContacts->setEnabled(on && !m_record.IsOpen());
    if (ComPort->Connected())
        cbPortChange(cbPort);
    m_pairLockout.Clear();

    if (on && !m_pairBoard) {
        m_pairBoard = new PairBoard(*m_pair);
        auto *inlineTab = PageControl1->widget(0);
        static_cast<QVBoxLayout *>(inlineTab->layout())->insertWidget(0, m_pairBoard);
        connect(m_pairBoard, &PairBoard::passingAsked, this, [this](int skater) {
            if (skater == kSkaterA)
                mLAP->trigger();
            else
                mLapB->trigger();
        });
        connect(Timer1, &QTimer::timeout, m_pairBoard, [this] { m_pairBoard->refresh(rundaro::GetTickCount()); });
        connect(m_feed, &RaceFeed::planChanged, this, &TFormMain::followPair);
    }
    if (on && !m_pairTables) {
        m_pairTables = new PairTables(*m_pair, TabSheet2);
        TabSheet2->layout()->addWidget(m_pairTables);
    }
    if (m_pairBoard)
        m_pairBoard->setVisible(on);
    // A saved race on show stays until "back to the current race".
    if (!m_storedView || m_storedView->isHidden())
        showCurrentTable();
    PageControl1->widget(0)->findChild<QWidget *>(QStringLiteral("PanelBig"))->setVisible(!on);
    m_skaterB->setVisible(on);
    m_skaterB->parentWidget()->adjustSize();
    // Alt+D prints both skaters' races on one page.
    auto *printer = findChild<RacePrinter *>(QStringLiteral("RacePrinter"));
    printer->setPair(on ? std::vector<const RaceFeed *>{&m_pair->feed(kSkaterA), &m_pair->feed(kSkaterB)}
                        : std::vector<const RaceFeed *>{});
    // The chart shows both skaters' gaps at each line.
    m_chartPage->setPair(on ? &m_pair->feed(kSkaterA) : nullptr, on ? &m_pair->feed(kSkaterB) : nullptr);
    // The full screen shows a row per skater in a pair.
    m_fullScreen->setSkaters(on ? std::vector<RaceFeed *>{&m_pair->feed(kSkaterA), &m_pair->feed(kSkaterB)}
                                : std::vector<RaceFeed *>{});
    followPair();
}

void TFormMain::startPair()
{
    m_pairLockout.Clear();
    m_pair->nameSkater(kSkaterA, m_feed->nextSkater());
    m_pair->start(m_record.Setup(), m_startTick, m_record.StartedAt());
}

void TFormMain::pairPassing(int skater)
{
    if (!m_racePaired || !m_pair->group().IsRunning(skater))
        return;
    m_pair->pass(skater, CommandTick(false));
    // The clock stops with the last skater's finish, at its tick.
    if (!m_pair->group().AnyRunning() && bStop->isEnabled()) {
        m_contactTick = m_pair->lastPassingTick();
        bStopClick(bStop);
    }
}

void TFormMain::pairUndo(int skater)
{
    const bool clockStopped = m_record.IsStopped();
    if (!m_racePaired || !m_pair->undo(skater))
        return;
    // A finish taken back: that skater runs again, and so does the clock.
    if (clockStopped && m_pair->group().AnyRunning())
        undoLastPassing();
    followPair();
}

void TFormMain::pairContact(int contact, std::uint32_t tick)
{
    if (m_pairLockout.Locked(contact, tick))
        return;
    m_contactTick = tick;
    if (bStart->isEnabled()) {
        mStart->trigger();
        // Both skaters started: neither's contact takes a lap in the
        // start's lockout.
        for (int other = 0; other < PairRace::kSkaters; ++other)
            m_pairLockout.Arm(other, tick, std::uint32_t(TimerGesperrt->interval()));
    } else {
        if (const std::optional<int> skater = contactSkater(contact))
            pairPassing(*skater);
        // A contact nobody was due at (the second of one passing) locks
        // its line out all the same.
        m_pairLockout.Arm(contact, tick, std::uint32_t(TimerGesperrt->interval()));
    }
    m_contactTick.reset();
}

std::optional<int> TFormMain::contactSkater(int contact) const
{
    if (cbContacts->currentIndex() == 0)
        return contact;
    // DSR's contact lies in the inner lane, CTS's in the outer.
    const rundaro::LaneContacts lanes(cbContacts->currentIndex() == 2);
    return lanes.SkaterIn(contact == 0 ? rundaro::Lane::Inner : rundaro::Lane::Outer, m_pair->group());
}

void TFormMain::followPair()
{
    // Also while another tab is shown: the board is right when it comes back,
    // whether the clock ticks then or not.
    if (m_pairBoard && !m_pairBoard->isHidden())
        m_pairBoard->refresh(rundaro::GetTickCount());
    if (!m_racePaired)
        return;
    const rundaro::GroupRace &group = m_pair->group();
    const bool aRuns = group.IsRunning(kSkaterA);
    if (aRuns != bLAP->isEnabled())
        setCommand(bLAP, mLAP, aRuns, aRuns ? Colors::clYellow() : Colors::clBtnFace());
    mLapB->setEnabled(group.IsRunning(kSkaterB));
    mUndo->setEnabled(group.IsOpen() && group.Race(kSkaterA).Passings() > 0);
    mUndoB->setEnabled(group.IsOpen() && group.Race(kSkaterB).Passings() > 0);
}

void TFormMain::showCurrentTable()
{
    const bool pair = m_pairTables && cbPair->isChecked();
    SortGrid1->setVisible(!pair);
    if (m_pairTables)
        m_pairTables->setVisible(pair);
}
