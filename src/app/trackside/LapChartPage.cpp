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
    for (auto signal : {&RaceFeed::raceStarted, &RaceFeed::raceStopped, &RaceFeed::raceReset})
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
    const rundaro::RaceRecord &race = m_stored ? *m_stored : m_feed.race();
    rundaro::LapChartData data = race.IsOpen() ? rundaro::ChartOfRace(race.Setup().plan, &race)
                                               : rundaro::ChartOfRace(m_feed.planInForce().plan, nullptr);
    if (race.IsOpen() && !m_referenceMs.empty()) {
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
