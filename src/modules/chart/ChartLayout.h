#pragma once

#include "LapChartData.h"

#include <QPolygonF>
#include <QRectF>

#include <optional>
#include <vector>

// A value axis' range and the step between its labelled ticks: from `low`
// to `high` in whole steps.
struct ChartScale
{
    double low = 0;
    double high = 1;
    double step = 1;

    int ticks() const;
    double tick(int i) const;
    bool operator==(const ChartScale &) const = default;
};

// The smallest scale whose step is 1, 2 or 5 times a power of ten and that
// reaches from `low` to `high` in at most `maxSteps` steps.
ChartScale niceScale(double low, double high, int maxSteps = 5);

// Where the lap chart's parts go inside the plot rectangle, in pixels: the
// lap times' scale on the left, the ahead/behind scale on the right, a band
// per column with its bar, the target lap time's line across all bands and
// a point per passing for the ahead/behind line and the comparison's line.
// It paints nothing; the chart widget draws what it says.
struct ChartLayout
{
    enum class BarKind { OnTarget, OverTarget, NoTarget };
    struct Bar
    {
        QRectF rect;
        BarKind kind = BarKind::NoTarget;
    };

    QRectF plot;
    ChartScale seconds;
    ChartScale ahead;
    double bandWidth = 0;
    std::vector<Bar> bars;
    std::optional<double> targetY;
    QPolygonF aheadLine;
    QPolygonF referenceLine;

    double secondsY(double value) const;
    double aheadY(double value) const;
    double columnX(std::size_t column) const; // the middle of its band
};

// A bar's share of its band.
inline constexpr double kBarWidth = 0.7;

ChartLayout layOutChart(const rundaro::LapChartData &data, const QRectF &plot);
