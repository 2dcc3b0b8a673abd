#include "ChartLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// An upper bound for a scale from 0 that shows `value` with some room.
double roomAbove(double value)
{
    return std::max(1.0, std::ceil(value * 1.15));
}

double mapped(const ChartScale &scale, const QRectF &plot, double value)
{
    const double span = scale.high - scale.low;
    return plot.bottom() - (value - scale.low) / span * plot.height();
}

} // namespace

int ChartScale::ticks() const
{
    return int(std::lround((high - low) / step)) + 1;
}

double ChartScale::tick(int i) const
{
    return low + i * step;
}

ChartScale niceScale(double low, double high, int maxSteps)
{
    if (!(high > low))
        high = low + 1;
    maxSteps = std::max(1, maxSteps);
    const double decade = std::pow(10.0, std::floor(std::log10((high - low) / maxSteps)));
    // The first step that, with the ends rounded outwards to whole steps,
    // needs no more than `maxSteps`; the slack absorbs rounding in pow.
    for (double factor : {1.0, 2.0, 5.0, 10.0, 20.0}) {
        const double step = decade * factor;
        const ChartScale scale{std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step, step};
        if (scale.ticks() - 1 <= maxSteps)
            return scale;
    }
    return {low, high, high - low};
}

double ChartLayout::secondsY(double value) const
{
    return mapped(seconds, plot, value);
}

double ChartLayout::aheadY(double value) const
{
    return mapped(ahead, plot, value);
}

double ChartLayout::columnX(std::size_t column) const
{
    return plot.left() + (double(column) + 0.5) * bandWidth;
}

ChartLayout layOutChart(const rundaro::LapChartData &data, const QRectF &plot)
{
    ChartLayout layout;
    layout.plot = plot;
    double top = data.targetLapSeconds.value_or(0);
    double reach = 1;
    for (const auto &column : data.columns) {
        top = std::max(top, column.lapSeconds.value_or(0));
        for (const auto &gap : {column.aheadSeconds, column.referenceAheadSeconds})
            if (gap)
                reach = std::max(reach, std::abs(*gap));
    }
    layout.seconds = niceScale(0, roomAbove(top));
    layout.ahead = niceScale(-roomAbove(reach), roomAbove(reach));
    if (data.columns.empty())
        return layout;

    layout.bandWidth = plot.width() / double(data.columns.size());
    const double barWidth = layout.bandWidth * kBarWidth;
    const double base = layout.secondsY(0);
    for (std::size_t i = 0; i < data.columns.size(); ++i) {
        const auto &column = data.columns[i];
        const double x = layout.columnX(i);
        if (column.lapSeconds && *column.lapSeconds > 0) {
            const auto kind = !column.onTarget ? ChartLayout::BarKind::NoTarget
                : *column.onTarget             ? ChartLayout::BarKind::OnTarget
                                               : ChartLayout::BarKind::OverTarget;
            const double y = layout.secondsY(*column.lapSeconds);
            layout.bars.push_back({QRectF(x - barWidth / 2, y, barWidth, base - y), kind});
        }
        if (column.aheadSeconds)
            layout.aheadLine << QPointF(x, layout.aheadY(*column.aheadSeconds));
        if (column.referenceAheadSeconds)
            layout.referenceLine << QPointF(x, layout.aheadY(*column.referenceAheadSeconds));
    }
    if (data.targetLapSeconds)
        layout.targetY = layout.secondsY(*data.targetLapSeconds);
    return layout;
}
