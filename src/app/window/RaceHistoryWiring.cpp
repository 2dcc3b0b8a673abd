// The saved races beside the window: the skater's name and "Rennen…" in the
// free corner of the tab bar, a saved race opened in place of the lap table
// and in the chart, the comparison on a tab of its own. The race clock, its
// commands and the lap table of the current race are never touched: the
// current race's table stays as it is, hidden, while a saved one is shown.
#include "Main.h"

#include "ComparePage.h"
#include "FullScreenView.h"
#include "KeyRelay.h"
#include "LapChartPage.h"
#include "RaceFeed.h"
#include "RaceHistory.h"
#include "RaceHistoryDialog.h"
#include "RaceResultsDialog.h"
#include "SkaterField.h"
#include "SortGrid.h"
#include "StoredRaceView.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

void TFormMain::createRaceHistory()
{
    m_history = new RaceHistory(m_services.RacesFolder, this);

    // Kept no taller than the tab bar, so the pages keep their size.
    auto *corner = new QWidget(PageControl1);
    corner->setObjectName(QStringLiteral("HistoryCorner"));
    auto *row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(4);
    auto *skater = new SkaterField(
        *m_history,
        [this](const std::string &name) {
            if (name == m_record.Skater())
                return;
            m_record.SetSkater(name);
            // The race file follows the name like a passing.
            if (m_record.IsOpen() || m_record.HasRace())
                emit m_feed->skaterChanged();
        },
        corner);
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

    m_storedView = new StoredRaceView(TabSheet2);
    m_storedView->hide();
    TabSheet2->layout()->addWidget(m_storedView);
    connect(m_storedView, &StoredRaceView::backRequested, this, &TFormMain::showCurrentRace);

    m_comparePage = new ComparePage(*m_feed, *m_history);
    PageControl1->addTab(m_comparePage, tr("Vergleich"));
    connect(m_comparePage, &ComparePage::referenceChanged, m_chartPage, &LapChartPage::setReference);
    // Off at start and stored nowhere: a comparison is chosen per race.
    connect(m_comparePage->fullScreenSwitch(), &QCheckBox::toggled, this, [this](bool on) {
        FullScreenView::AheadBehindSource source;
        if (on)
            source = [page = m_comparePage] {
                return FullScreenView::AheadBehindText{page->lastGap(), page->lastGapColour()};
            };
        m_fullScreen->setAheadBehindSource(source);
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
                m_comparePage->setReference(entry.race);
                PageControl1->setCurrentWidget(m_comparePage);
            });
            connect(dialog, &RaceHistoryDialog::resultsRequested, this, openResults);
        }
        m_history->reload();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    };
    connect(mRaces, &QAction::triggered, this, openHistory);
    connect(races, &QPushButton::clicked, mRaces, &QAction::trigger);
}

void TFormMain::showStoredRace(const RaceHistoryEntry &entry)
{
    m_storedView->showRace(entry.race);
    SortGrid1->hide();
    m_storedView->show();
    m_chartPage->showStored(&m_storedView->record());
    m_comparePage->setStored(&m_storedView->record());
    PageControl1->setCurrentWidget(TabSheet2);
}

void TFormMain::showCurrentRace()
{
    m_storedView->hide();
    SortGrid1->show();
    m_chartPage->showStored(nullptr);
    m_comparePage->setStored(nullptr);
}
