#pragma once

#include "LapChartData.h"

#include <QWidget>
#include <QtPlugin>

// The lap chart as the window's "Grafik" tab holds it. The drawing lives in a
// module of its own, loaded when the tab is first shown, so that a program
// that never shows the chart never loads its code.
class LapChartWidget : public QWidget
{
public:
    using QWidget::QWidget;
    // Shows `data` in place of what was shown.
    virtual void showChart(const rundaro::LapChartData &data) = 0;
};

class ChartModule
{
public:
    virtual ~ChartModule() = default;
    virtual LapChartWidget *createChart(QWidget *parent) = 0;
};

#define RundaroChartModule_iid "de.rundaro.ChartModule/1.0"
Q_DECLARE_INTERFACE(ChartModule, RundaroChartModule_iid)
