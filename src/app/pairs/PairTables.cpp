#include "PairTables.h"

#include "PairRace.h"
#include "RaceFeed.h"
#include "RaceSheetGrid.h"

#include <QLabel>
#include <QVBoxLayout>

PairTables::PairTables(const PairRace &pair, QWidget *parent)
    : QWidget(parent)
    , m_pair(pair)
{
    setObjectName(QStringLiteral("PairTables"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int skater = 0; skater < int(m_grids.size()); ++skater) {
        const QString letter = skater == 0 ? QStringLiteral("A") : QStringLiteral("B");
        auto *title = new QLabel(this);
        title->setObjectName(QStringLiteral("LabPair") + letter);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        auto *grid = new RaceSheetGrid(this);
        grid->setObjectName(QStringLiteral("PairGrid") + letter);
        layout->addWidget(title);
        layout->addWidget(grid, 1);
        m_titles[std::size_t(skater)] = title;
        m_grids[std::size_t(skater)] = grid;

        const RaceFeed &feed = pair.feed(skater);
        auto follow = [this, skater] { refresh(skater); };
        for (auto signal : {&RaceFeed::raceStarted, &RaceFeed::raceStopped, &RaceFeed::raceReset,
                            &RaceFeed::skaterChanged, &RaceFeed::nextSkaterChanged, &RaceFeed::planChanged})
            connect(&feed, signal, this, follow);
        connect(&feed, &RaceFeed::passingRecorded, this, follow);
        connect(&feed, &RaceFeed::passingUndone, this, follow);
        refresh(skater);
    }
}

void PairTables::refresh(int skater)
{
    const std::size_t i = std::size_t(skater);
    const QString name = QString::fromStdString(m_pair.skaterName(skater));
    const QString who = skater == 0 ? tr("Läufer A") : tr("Läufer B");
    m_titles[i]->setText(name.isEmpty() ? who : who + QStringLiteral(" \u2013 ") + name);
    const RaceFeed &feed = m_pair.feed(skater);
    if (feed.race().HasRace()) {
        m_grids[i]->showRace(feed.race());
        return;
    }
    // Before the first START the plan alone, as the lap table shows it.
    rundaro::RaceRecord plan;
    plan.Start(feed.planInForce(), 0);
    m_grids[i]->showRace(plan);
}
