#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
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
    // A pair: the chart shows the first skater's race (its laps and its gap
    // at each line) and the second skater's gap at each line as the second
    // line, each named after its skater, in place of the current race and
    // its comparison; nulls: the current race again.
    void setPair(const RaceFeed *first, const RaceFeed *second);

protected:
    void showEvent(QShowEvent *event) override;

private:
    Q_DISABLE_COPY(LapChartPage)

    void raceChanged();
    void refresh();

    // The race shown: the current race's feed, or a pair's first skater's.
    const RaceFeed &shownFeed() const { return m_pair[0] ? *m_pair[0] : static_cast<const RaceFeed &>(m_feed); }
    void follow(const RaceFeed &feed);
    // The second line's name: the skater's, or the letter while unnamed.
    static std::string skaterLine(const RaceFeed &feed, const char *letter);

    RaceFeed &m_feed;
    std::array<const RaceFeed *, 2> m_pair{};
    ChartFactory m_factory;
    LapChartWidget *m_chart = nullptr;
    const rundaro::RaceRecord *m_stored = nullptr;
    std::vector<std::int32_t> m_referenceMs;
    bool m_tried = false;
    bool m_stale = true;
    bool m_queued = false;
};
