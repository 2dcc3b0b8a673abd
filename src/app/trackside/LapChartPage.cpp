#include "LapChartPage.h"

#include "LapChartData.h"
#include "LapChartWidget.h"
#include "Modules.h"
#include "RaceComparison.h"
#include "RaceFeed.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

LapChartWidget *chartFromModule(QWidget *parent)
{
    auto *module = qobject_cast<ChartModule *>(LoadModule("rundaro_chart"));
    return module ? module->createChart(parent) : nullptr;
}

} // namespace

LapChartPage::LapChartPage(RaceFeed &feed, ChartFactory factory, QWidget *parent)
    : QWidget(parent)
    , m_feed(feed)
    , m_factory(factory ? std::move(factory) : ChartFactory(chartFromModule))
{
    setObjectName(QStringLiteral("TabSheet4"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    follow(feed);
}

void LapChartPage::follow(const RaceFeed &feed)
{
    for (auto signal : {&RaceFeed::raceStarted, &RaceFeed::raceStopped, &RaceFeed::raceReset, &RaceFeed::skaterChanged,
                        &RaceFeed::nextSkaterChanged})
        connect(&feed, signal, this, &LapChartPage::raceChanged);
    for (auto signal : {&RaceFeed::passingRecorded, &RaceFeed::passingUndone})
        connect(&feed, signal, this, &LapChartPage::raceChanged);
}

void LapChartPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_tried) {
        m_tried = true;
        m_chart = m_factory(this);
        if (m_chart) {
            layout()->addWidget(m_chart);
        } else {
            auto *missing = new QLabel(tr("Die Grafik ist nicht installiert."), this);
            missing->setAlignment(Qt::AlignCenter);
            layout()->addWidget(missing);
        }
    }
    // The plan may have changed while another tab was shown.
    m_stale = true;
    refresh();
}

void LapChartPage::raceChanged()
{
    m_stale = true;
    if (!m_chart || !isVisible() || m_queued)
        return;
    m_queued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_queued = false;
            refresh();
        },
        Qt::QueuedConnection);
}

void LapChartPage::refresh()
{
    if (!m_chart || !m_stale)
        return;
    m_stale = false;
    const RaceFeed &feed = shownFeed();
    const rundaro::RaceRecord &race = m_stored ? *m_stored : feed.race();
    rundaro::LapChartData data = race.IsOpen() ? rundaro::ChartOfRace(race.Setup().plan, &race)
                                               : rundaro::ChartOfRace(feed.planInForce().plan, nullptr);
    if (m_pair[1] && !m_stored) {
        // The second skater's gap at each line, beside the first's.
        const rundaro::RaceRecord &second = m_pair[1]->race();
        if (second.IsOpen()) {
            const rundaro::LapChartData other = rundaro::ChartOfRace(second.Setup().plan, &second);
            for (rundaro::LapChartData::Column &column : data.columns)
                for (const rundaro::LapChartData::Column &line : other.columns)
                    if (line.lap == column.lap)
                        column.referenceAheadSeconds = line.aheadSeconds;
        }
        data.aheadName = skaterLine(*m_pair[0], "A");
        data.referenceName = skaterLine(*m_pair[1], "B");
    } else if (race.IsOpen() && !m_referenceMs.empty()) {
        const auto lines = rundaro::CompareRaces(race.Setup().plan, rundaro::RaceTimesOf(race), m_referenceMs);
        for (rundaro::LapChartData::Column &column : data.columns)
            for (const rundaro::LineComparison &line : lines)
                if (line.line == column.lap)
                    column.referenceAheadSeconds = line.aheadSeconds;
    }
    m_chart->showChart(data);
}

void LapChartPage::showStored(const rundaro::RaceRecord *stored)
{
    m_stored = stored;
    raceChanged();
}

void LapChartPage::setReference(const std::vector<std::int32_t> &referenceMs)
{
    if (referenceMs == m_referenceMs)
        return;
    m_referenceMs = referenceMs;
    raceChanged();
}

void LapChartPage::setPair(const RaceFeed *first, const RaceFeed *second)
{
    if (first == m_pair[0] && second == m_pair[1])
        return;
    for (const RaceFeed *feed : m_pair)
        if (feed)
            disconnect(feed, nullptr, this, nullptr);
    m_pair = {first, second};
    for (const RaceFeed *feed : m_pair)
        if (feed)
            follow(*feed);
    raceChanged();
}

std::string LapChartPage::skaterLine(const RaceFeed &feed, const char *letter)
{
    const rundaro::RaceRecord &race = feed.race();
    const std::string &name = race.IsOpen() ? race.Skater() : feed.nextSkater();
    return std::string(letter) + (name.empty() ? std::string() : ": " + name);
}
