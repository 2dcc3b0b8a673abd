// The saved races beside the window: the skater's name and "Rennen…" in the
// free corner of the tab bar, a saved race opened in place of the lap table
// and in the chart, the comparison on a tab of its own. The race clock, its
// commands and the lap table of the current race are never touched: the
// current race's table stays as it is, hidden, while a saved one is shown.
#include "Main.h"

#include "ComparePage.h"
#include "DisplayTexts.h"
#include "FullScreenView.h"
#include "KeyRelay.h"
#include "LapChartPage.h"
#include "PairRace.h"
#include "PairTables.h"
#include "RaceExport.h"
#include "RaceFeed.h"
#include "RaceFile.h"
#include "RaceHistory.h"
#include "RaceHistoryDialog.h"
#include "RacePrint.h"
#include "RaceResultsDialog.h"
#include "SkaterField.h"
#include "SkaterMemory.h"
#include "SortGrid.h"
#include "StoredRaceView.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <utility>

void TFormMain::createRaceHistory()
{
    m_history = new RaceHistory(m_services.RacesFolder, this);
    // The history learns each race as its file is written: the race just
    // finished is offered for comparison at once.
    if (auto *raceFile = findChild<RaceFile *>(QStringLiteral("RaceFile")))
        connect(raceFile, &RaceFile::raceWritten, m_history, &RaceHistory::learn);

    // Kept no taller than the tab bar, so the pages keep their size.
    auto *corner = new QWidget(PageControl1);
    corner->setObjectName(QStringLiteral("HistoryCorner"));
    auto *row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(4);
    // The name in the field at START is the race's. While the race runs a
    // name typed is still its own (the file follows it like a passing);
    // after STOP or RESET it names the next race, and a finished race's file
    // is never touched.
    auto *skater = new SkaterField(
        *m_history,
        [this](const std::string &name) {
            m_feed->setNextSkater(name);
            // In a pair this is A's name; the clock's record has none.
            if (m_pair)
                m_pair->nameSkater(0, name);
            if (m_racePaired || !m_record.IsOpen() || m_record.IsStopped() || name == m_record.Skater())
                return;
            m_record.SetSkater(name);
            emit m_feed->skaterChanged();
        },
        corner);
    // The name of the race last started comes back, also after a crash.
    const SkaterMemory memory(m_services.RacesFolder);
    skater->setText(memory.read());
    connect(this, &TFormMain::raceStarted, this, [this, memory] {
        const QString name = QString::fromStdString(m_record.Skater());
        // Off the command: START's time is taken, the disk may be slow.
        QMetaObject::invokeMethod(
            this, [memory, name] { memory.write(name); }, Qt::QueuedConnection);
    });
    skater->setFixedWidth(150);
    auto *races = new QPushButton(mRaces->text().remove(u'&'), corner);
    races->setObjectName(QStringLiteral("bRaces"));
    races->setFocusPolicy(Qt::NoFocus);
    const int height = PageControl1->tabBar()->sizeHint().height() - 2;
    skater->setFixedHeight(height);
    races->setFixedHeight(height);
    row->addWidget(skater);
    row->addWidget(races);
    PageControl1->setCornerWidget(corner, Qt::TopRightCorner);

    // What the window writes into the fields above the table while a saved
    // race is shown is the current race's: kept aside for its return.
    QLineEdit *const fields[] = {eTimeKrug, eSpeedKrug, eSpeedSredn};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        connect(fields[i], &QLineEdit::textChanged, this, [this, i](const QString &text) {
            if (!m_currentFields || m_writingStoredFields)
                return;
            (*m_currentFields)[i] = text;
            showStoredFields();
        });

    // The comparison's tab holds a stand-in until the page is first wanted:
    // on its tab, or on the chart's, which draws the page's reference.
    m_comparePending = new QWidget;
    PageControl1->addTab(m_comparePending, tr("Vergleich"));
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        const QWidget *page = PageControl1->widget(index);
        if (m_comparePending && (page == m_comparePending || page == m_chartPage))
            comparePage();
    });

    // "Ergebnisse…": the results of a day, from the history or by its key.
    auto openResults = [this](const QString &date) {
        auto *dialog = findChild<RaceResultsDialog *>();
        if (!dialog) {
            dialog = new RaceResultsDialog(*m_history, this);
            new KeyRelay(dialog, this, false);
        }
        dialog->reload();
        dialog->showDay(date);
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    };
    connect(mResults, &QAction::triggered, this, [openResults] { openResults(QString()); });

    auto openHistory = [this, openResults] {
        auto *dialog = findChild<RaceHistoryDialog *>();
        if (!dialog) {
            dialog = new RaceHistoryDialog(*m_history, this);
            // The race's keys keep working while the list has the keyboard.
            new KeyRelay(dialog, this, false);
            connect(dialog, &RaceHistoryDialog::openRequested, this, &TFormMain::showStoredRace);
            connect(dialog, &RaceHistoryDialog::referenceChosen, this, [this](const RaceHistoryEntry &entry) {
                comparePage()->setReference(entry.race);
                PageControl1->setCurrentWidget(m_comparePage);
            });
            connect(dialog, &RaceHistoryDialog::resultsRequested, this, openResults);
            connect(dialog, &RaceHistoryDialog::exportRequested, this, [this](const RaceHistoryEntry &entry) {
                if (auto *exporter = findChild<RaceExport *>(QStringLiteral("RaceExport")))
                    exporter->exportRecord(StoredRaceRecord(entry.race));
            });
            connect(dialog, &RaceHistoryDialog::printRequested, this, [this](const RaceHistoryEntry &entry) {
                if (auto *printer = findChild<RacePrinter *>(QStringLiteral("RacePrinter")))
                    printer->printRecord(StoredRaceRecord(entry.race));
            });
        }
        m_history->reload();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    };
    connect(mRaces, &QAction::triggered, this, openHistory);
    connect(races, &QPushButton::clicked, mRaces, &QAction::trigger);
}

ComparePage *TFormMain::comparePage()
{
    if (m_comparePage)
        return m_comparePage;
    m_comparePage = new ComparePage(*m_feed, *m_history);
    // In the stand-in's place; shown if the stand-in was.
    const int index = PageControl1->indexOf(m_comparePending);
    const bool current = PageControl1->currentIndex() == index;
    PageControl1->insertTab(index, m_comparePage, PageControl1->tabText(index));
    QWidget *const pending = std::exchange(m_comparePending, nullptr);
    delete pending;
    if (current)
        PageControl1->setCurrentWidget(m_comparePage);
    connect(m_comparePage, &ComparePage::referenceChanged, m_chartPage, &LapChartPage::setReference);
    // What the race and the history say now, as if it had followed them from
    // the start; a saved race shown has built the page when it was opened.
    m_comparePage->setStored(nullptr);
    // Off at start and stored nowhere: a comparison is chosen per race.
    connect(m_comparePage->fullScreenSwitch(), &QCheckBox::toggled, this, [this](bool on) {
        FullScreenView::AheadBehindSource source;
        if (on)
            source = [page = m_comparePage] {
                return FullScreenView::AheadBehindText{page->lastGap(), page->lastGapColour()};
            };
        m_fullScreen->setAheadBehindSource(source);
    });
    return m_comparePage;
}

StoredRaceView *TFormMain::storedView()
{
    if (m_storedView)
        return m_storedView;
    m_storedView = new StoredRaceView(TabSheet2);
    m_storedView->hide();
    TabSheet2->layout()->addWidget(m_storedView);
    connect(m_storedView, &StoredRaceView::backRequested, this, &TFormMain::showCurrentRace);
    return m_storedView;
}

void TFormMain::showStoredRace(const RaceHistoryEntry &entry)
{
    storedView()->showRace(entry.race);
    SortGrid1->hide();
    if (m_pairTables)
        m_pairTables->hide();
    m_storedView->show();
    m_chartPage->showStored(&m_storedView->record());
    comparePage()->setStored(&m_storedView->record());
    // Export and Alt+D act on the race on screen.
    findChild<RaceExport *>(QStringLiteral("RaceExport"))->setShown(&m_storedView->record());
    findChild<RacePrinter *>(QStringLiteral("RacePrinter"))->setShown(&m_storedView->record());
    showStoredFields();
    PageControl1->setCurrentWidget(TabSheet2);
}

void TFormMain::showCurrentRace()
{
    storedView()->hide();
    showCurrentTable();
    m_chartPage->showStored(nullptr);
    comparePage()->setStored(nullptr);
    findChild<RaceExport *>(QStringLiteral("RaceExport"))->setShown(nullptr);
    findChild<RacePrinter *>(QStringLiteral("RacePrinter"))->setShown(nullptr);
    showStoredFields();
}

void TFormMain::showStoredFields()
{
    // The target lap, its speed and the average above the table are the
    // shown race's; the current race's come back with it. While a saved
    // race is shown the current race's texts are kept aside, also those a
    // passing or a plan change writes meanwhile.
    QLineEdit *const fields[] = {eTimeKrug, eSpeedKrug, eSpeedSredn};
    if (!m_storedView || m_storedView->isHidden()) {
        if (m_currentFields) {
            for (std::size_t i = 0; i < std::size(fields); ++i)
                fields[i]->setText((*m_currentFields)[i]);
            m_currentFields.reset();
        }
        return;
    }
    if (!m_currentFields)
        m_currentFields = std::array<QString, 3>{eTimeKrug->text(), eSpeedKrug->text(), eSpeedSredn->text()};
    const rundaro::StoredRace &race = m_storedView->race();
    const QString texts[] = {LocaleNumberText(race.setup.plan.lapTimeText),
                             LocaleNumberText(race.setup.plan.lapSpeedText), AverageSpeedOf(race)};
    m_writingStoredFields = true;
    for (std::size_t i = 0; i < std::size(fields); ++i)
        fields[i]->setText(texts[i]);
    m_writingStoredFields = false;
}
