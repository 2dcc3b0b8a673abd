#include "ComparePage.h"

#include "DisplayTexts.h"
#include "RaceComparison.h"
#include "RaceFeed.h"
#include "RaceHistory.h"
#include "RaceHistoryModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

ComparePage::ComparePage(RaceFeed &feed, RaceHistory &history, QWidget *parent)
    : QWidget(parent)
    , m_feed(feed)
    , m_history(history)
    , m_reference(new QComboBox(this))
    , m_table(new QTableWidget(0, 4, this))
    , m_fullScreenSwitch(new QCheckBox(tr("Im Vollbild statt Vorsprung/Rückstand"), this))
{
    m_fullScreenSwitch->setObjectName(QStringLiteral("cbCompareFullScreen"));
    setObjectName(QStringLiteral("ComparePage"));
    m_reference->setObjectName(QStringLiteral("cbReference"));
    m_table->setObjectName(QStringLiteral("CompareTable"));
    m_table->setHorizontalHeaderLabels({tr("Runden"), tr("Zeit"), tr("Vergleich"), tr("Differenz")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QFont big = m_table->font();
    big.setPixelSize(16);
    big.setBold(true);
    m_table->setFont(big);

    auto *bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("Vergleich mit:"), this));
    bar->addWidget(m_reference, 1);
    bar->addWidget(m_fullScreenSwitch);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_table, 1);

    for (auto signal : {&RaceFeed::raceStarted, &RaceFeed::raceStopped, &RaceFeed::raceReset})
        connect(&feed, signal, this, &ComparePage::chooseReferences);
    for (auto signal : {&RaceFeed::passingRecorded, &RaceFeed::passingUndone})
        connect(&feed, signal, this, [this] {
            if (!m_stored && (isVisible() || m_fullScreenSwitch->isChecked()))
                refresh();
        });
    connect(&history, &RaceHistory::complete, this, &ComparePage::chooseReferences);
    connect(m_reference, &QComboBox::currentIndexChanged, this, &ComparePage::refresh);
}

const rundaro::RaceRecord &ComparePage::subject() const
{
    return m_stored ? *m_stored : m_feed.race();
}

rundaro::RaceSetup ComparePage::subjectSetup() const
{
    const rundaro::RaceRecord &race = subject();
    return race.HasRace() ? race.Setup() : m_feed.planInForce();
}

void ComparePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_history.ensureRead();
    chooseReferences();
}

void ComparePage::setStored(const rundaro::RaceRecord *stored)
{
    m_stored = stored;
    chooseReferences();
}

void ComparePage::setReference(const rundaro::StoredRace &reference)
{
    m_chosen = reference;
    chooseReferences();
}

void ComparePage::chooseReferences()
{
    const rundaro::RaceSetup setup = subjectSetup();
    const std::string skater = subject().Skater();
    if (m_chosen && !rundaro::Comparable(m_chosen->setup, setup))
        m_chosen.reset();
    m_references.clear();
    const RaceHistoryModel &model = m_history.model();
    std::vector<const rundaro::StoredRace *> races;
    for (int row = 0; row < model.size(); ++row) {
        const RaceHistoryEntry &entry = model.entry(row);
        if (entry.readable() && entry.race.Finished() && rundaro::Comparable(entry.race.setup, setup))
            races.push_back(&entry.race);
    }
    const std::optional<std::size_t> best = rundaro::BestRace(races, skater, setup);
    const QSignalBlocker blocker(m_reference);
    m_reference->clear();
    auto describe = [](const rundaro::StoredRace &race) {
        QString text
            = QStringLiteral("%1 %2").arg(QString::fromStdString(race.date), QString::fromStdString(race.start));
        if (!race.skater.empty())
            text += QStringLiteral(" \u2013 ") + QString::fromStdString(race.skater);
        return text + QStringLiteral(" \u2013 ") + RaceTimeText(race.FinalMs());
    };
    if (m_chosen) {
        m_references.push_back(*m_chosen);
        m_reference->addItem(describe(*m_chosen));
    }
    if (best) {
        m_references.push_back(*races[*best]);
        m_reference->addItem(tr("Bestzeit: %1").arg(describe(*races[*best])));
    }
    // The newest ones (the history lists newest first); the list stays short
    // enough to choose from.
    constexpr std::size_t kListed = 100;
    for (const rundaro::StoredRace *race : races) {
        if (m_references.size() >= kListed)
            break;
        m_references.push_back(*race);
        m_reference->addItem(describe(*race));
    }
    if (m_references.empty())
        m_reference->addItem(tr("kein gespeichertes Rennen dieser Strecke"));
    m_reference->setCurrentIndex(0);
    refresh();
}

void ComparePage::refresh()
{
    const int index = m_reference->currentIndex();
    std::vector<rundaro::LineComparison> lines;
    const rundaro::RaceRecord &race = subject();
    const bool chosen = index >= 0 && std::size_t(index) < m_references.size();
    if (chosen)
        lines = rundaro::CompareRaces(race.Setup().plan, rundaro::RaceTimesOf(race),
                                      m_references[std::size_t(index)].raceMs);
    emit referenceChanged(chosen ? m_references[std::size_t(index)].raceMs : std::vector<std::int32_t>());
    const std::int64_t laps = race.Setup().plan.laps;
    m_table->setRowCount(int(lines.size()));
    for (int row = 0; row < int(lines.size()); ++row) {
        const rundaro::LineComparison &line = lines[std::size_t(row)];
        const QString texts[]
            = {QString::number(laps - line.line), RaceTimeText(line.raceMs), RaceTimeText(line.referenceMs),
               LocaleNumberText(rundaro::AheadText(line.aheadSeconds, '.'))};
        for (int col = 0; col < 4; ++col) {
            auto *item = new QTableWidgetItem(texts[col]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (col == 3 && line.aheadSeconds != 0)
                item->setForeground(line.aheadSeconds > 0 ? QColor(0, 128, 0) : QColor(255, 0, 0));
            m_table->setItem(row, col, item);
        }
    }
    if (!lines.empty())
        m_table->scrollToBottom();
    // The ahead/behind panel's colours: lime ahead, red behind.
    const double last = lines.empty() ? 0 : lines.back().aheadSeconds;
    m_lastGapColour = last < 0 ? QColor(255, 0, 0) : QColor(0, 255, 0);
    m_lastGap = lines.empty() ? QStringLiteral("\u2013") : LocaleNumberText(rundaro::AheadText(last, '.'));
}
