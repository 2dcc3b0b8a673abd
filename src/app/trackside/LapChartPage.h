#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class RaceFeed;
namespace rundaro {
class RaceRecord;
}
class LapChartWidget;

// The "Grafik" tab: holds the lap chart, made when the tab is first shown,
// and keeps it in step with the race: the schedule before the first passing,
// then each passing and each passing taken back. While the tab is hidden the
// chart is only marked stale and redrawn when shown again; a redraw is
// queued behind the command that caused it.
class LapChartPage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool chartCreated READ chartCreated)

public:
    using ChartFactory = std::function<LapChartWidget *(QWidget *parent)>;

    // Without a factory the chart comes from the chart module.
    explicit LapChartPage(RaceFeed &feed, ChartFactory factory = {}, QWidget *parent = nullptr);

    bool chartCreated() const { return m_chart != nullptr; }
    // The chart, once made (null before, or when the module is missing).
    LapChartWidget *chart() const { return m_chart; }
    // Shows the saved race `stored` against its own plan instead of the
    // current race; null: the current race again.
    void showStored(const rundaro::RaceRecord *stored);
    // The race times of the race that the shown one is compared with, drawn
    // as a second line of differences; empty: no comparison.
    void setReference(const std::vector<std::int32_t> &referenceMs);

protected:
    void showEvent(QShowEvent *event) override;

private:
    Q_DISABLE_COPY(LapChartPage)

    void raceChanged();
    void refresh();

    RaceFeed &m_feed;
    ChartFactory m_factory;
    LapChartWidget *m_chart = nullptr;
    const rundaro::RaceRecord *m_stored = nullptr;
    std::vector<std::int32_t> m_referenceMs;
    bool m_tried = false;
    bool m_stale = true;
    bool m_queued = false;
};
