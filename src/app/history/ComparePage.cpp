#include "ComparePage.h"

#include "DisplayTexts.h"
#include "RaceComparison.h"
#include "RaceFeed.h"
#include "RaceHistory.h"
#include "RaceHistoryModel.h"
#include "RacePalette.h"
#include "Schedule.h"

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
    , m_note(new QLabel(this))
    , m_table(new QTableWidget(0, 4, this))
    , m_fullScreenSwitch(new QCheckBox(tr("Im Vollbild statt Vorsprung/Rückstand"), this))
{
    m_fullScreenSwitch->setObjectName(QStringLiteral("cbCompareFullScreen"));
    setObjectName(QStringLiteral("ComparePage"));
    m_reference->setObjectName(QStringLiteral("cbReference"));
    m_table->setObjectName(QStringLiteral("CompareTable"));
    m_note->setObjectName(QStringLiteral("LabCompareNote"));
    m_note->setWordWrap(true);
    m_note->hide();
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
    layout->addWidget(m_note);
    layout->addWidget(m_table, 1);

    for (auto signal : {&RaceFeed::raceStarted, &RaceFeed::raceStopped, &RaceFeed::raceReset})
        connect(&feed, signal, this, &ComparePage::chooseReferences);
    for (auto signal : {&RaceFeed::passingRecorded, &RaceFeed::passingUndone})
        connect(&feed, signal, this, [this] {
            if (!m_stored && (isVisible() || m_fullScreenSwitch->isChecked()))
                refresh();
        });
    connect(&history, &RaceHistory::complete, this, &ComparePage::chooseReferences);
    // A race learnt later (the one just finished) may be the new best.
    connect(&history, &RaceHistory::changed, this, [this] {
        if (m_history.isComplete())
            chooseReferences();
    });
    for (auto signal : {&RaceFeed::nextSkaterChanged, &RaceFeed::planChanged})
        connect(&feed, signal, this, [this] {
            if (beforeStart() && isVisible())
                chooseReferences();
        });
    connect(m_reference, &QComboBox::currentIndexChanged, this, &ComparePage::refresh);
}

const rundaro::RaceRecord &ComparePage::subject() const
{
    return m_stored ? *m_stored : m_feed.race();
}

bool ComparePage::beforeStart() const
{
    return !m_stored && !m_feed.race().IsOpen();
}

rundaro::RaceSetup ComparePage::subjectSetup() const
{
    return beforeStart() ? m_feed.planInForce() : subject().Setup();
}

std::vector<std::int32_t> ComparePage::subjectTimes() const
{
    // After RESET the record keeps the last race; it is not the next one.
    return beforeStart() ? std::vector<std::int32_t>() : rundaro::RaceTimesOf(subject());
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
    const std::string skater = beforeStart() ? m_feed.nextSkater() : subject().Skater();
    const std::vector<std::int32_t> times = subjectTimes();
    // A race chosen stays chosen; it is compared while its distance is the race's.
    const bool chosenFits = m_chosen && rundaro::Comparable(m_chosen->setup, setup);
    m_note->setVisible(m_chosen && !chosenFits);
    if (m_chosen && !chosenFits)
        m_note->setText(tr("Der gewählte Vergleich (%1 m) hat eine andere Strecke als dieses Rennen (%2 m).")
                            .arg(m_chosen->setup.trackLength)
                            .arg(setup.trackLength));
    const QString previous = m_reference->currentIndex() > 0 ? m_reference->currentText() : QString();
    m_references.clear();
    const RaceHistoryModel &model = m_history.model();
    std::vector<const rundaro::StoredRace *> races;
    for (int row = 0; row < model.size(); ++row) {
        const RaceHistoryEntry &entry = model.entry(row);
        // Only whole races, and never the race itself (its file is listed
        // once written).
        if (entry.readable() && entry.race.Finished() && rundaro::Comparable(entry.race.setup, setup)
            && !(entry.race.raceMs == times && entry.race.skater == skater))
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
    if (chosenFits) {
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
    // A race picked from the list stays picked when the list is made anew.
    const int kept = previous.isEmpty() ? -1 : m_reference->findText(previous);
    m_reference->setCurrentIndex(std::max(kept, 0));
    refresh();
}

void ComparePage::refresh()
{
    const int index = m_reference->currentIndex();
    std::vector<rundaro::LineComparison> lines;
    const rundaro::PlanFigures plan = subjectSetup().plan;
    const std::vector<std::int32_t> times = subjectTimes();
    const bool chosen = index >= 0 && std::size_t(index) < m_references.size();
    if (chosen)
        lines = rundaro::CompareRaces(plan, times, m_references[std::size_t(index)].raceMs);
    // Told only when it changes: the list is made anew as races are learnt.
    std::vector<std::int32_t> reference
        = chosen ? m_references[std::size_t(index)].raceMs : std::vector<std::int32_t>();
    if (reference != m_toldReference) {
        m_toldReference = reference;
        emit referenceChanged(reference);
    }
    const std::int64_t laps = plan.laps;
    // Before the race's first passing: the reference's lines alone.
    const bool alone = chosen && times.empty();
    const std::vector<std::int32_t> &referenceMs
        = chosen ? m_references[std::size_t(index)].raceMs : std::vector<std::int32_t>();
    const int rows = alone ? int(referenceMs.size()) : int(lines.size());
    m_table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        if (alone) {
            const std::int64_t line = rundaro::FirstPassingLine(plan) + row;
            const QString texts[]
                = {QString::number(laps - line), QString(), RaceTimeText(referenceMs[std::size_t(row)]), QString()};
            for (int col = 0; col < 4; ++col) {
                auto *item = new QTableWidgetItem(texts[col]);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_table->setItem(row, col, item);
            }
            continue;
        }
        const rundaro::LineComparison &line = lines[std::size_t(row)];
        const QString texts[]
            = {QString::number(laps - line.line), RaceTimeText(line.raceMs), RaceTimeText(line.referenceMs),
               LocaleNumberText(rundaro::AheadText(line.aheadSeconds, '.'))};
        for (int col = 0; col < 4; ++col) {
            auto *item = new QTableWidgetItem(texts[col]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (col == 3 && line.aheadSeconds != 0)
                item->setForeground(RacePalette::gapTextColour(line.aheadSeconds > 0));
            m_table->setItem(row, col, item);
        }
    }
    if (!lines.empty())
        m_table->scrollToBottom();
    else if (alone)
        m_table->scrollToTop();
    // The ahead/behind panel's colours; no gap yet shows as ahead.
    const double last = lines.empty() ? 0 : lines.back().aheadSeconds;
    m_lastGapColour = RacePalette::gapPanelColour(!(last < 0));
    m_lastGap = lines.empty() ? QStringLiteral("\u2013") : LocaleNumberText(rundaro::AheadText(last, '.'));
}
