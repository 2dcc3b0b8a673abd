#pragma once

#include "LapChartWidget.h"

#include <QObject>

class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QLineSeries;
class QStackedBarSeries;
class QValueAxis;

// The race as a chart: each measured lap a bar, green when run in the target
// lap time or faster and red when slower (grey without a target); the target
// lap time as a line across every lap; and, on an axis of its own at the
// right, how many seconds the skater was ahead of (+) or behind (-) the
// schedule at each passing. Numbers follow the user's locale.
class LapChart : public LapChartWidget
{
public:
    explicit LapChart(QWidget *parent = nullptr);
    void showChart(const rundaro::LapChartData &data) override;

private:
    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
    QStackedBarSeries *m_bars = nullptr;
    QBarSet *m_onTarget = nullptr;
    QBarSet *m_overTarget = nullptr;
    QBarSet *m_noTarget = nullptr;
    QLineSeries *m_targetLine = nullptr;
    QLineSeries *m_aheadLine = nullptr;
    QLineSeries *m_referenceLine = nullptr;
    QBarCategoryAxis *m_laps = nullptr;
    QValueAxis *m_seconds = nullptr;
    QValueAxis *m_ahead = nullptr;
};

class ChartPlugin : public QObject, public ChartModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RundaroChartModule_iid)
    Q_INTERFACES(ChartModule)

public:
    LapChartWidget *createChart(QWidget *parent) override;
};
