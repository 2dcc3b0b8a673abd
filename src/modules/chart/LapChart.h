#pragma once

#include "ChartLayout.h"
#include "LapChartWidget.h"

#include <QObject>
#include <QStringList>

// The race as a chart: each measured lap a bar, green when run in the target
// lap time or faster and red when slower (grey without a target); the target
// lap time as a dashed line across every lap; and, on a scale of its own at
// the right, how many seconds the skater was ahead of (+) or behind (-) the
// schedule at each passing. Numbers follow the user's locale. It draws what
// it is given; the figures come from the race's chart data.
class LapChart : public LapChartWidget
{
    Q_OBJECT

public:
    explicit LapChart(QWidget *parent = nullptr);
    void showChart(const rundaro::LapChartData &data) override;

    // What the chart shows under the legend's entry `name`, for readers that
    // do not look at the picture: a bar kind's seconds, one per column and 0
    // where the column has no bar of that kind; a line's points as (column,
    // seconds), the target line from the first band's left edge to the last
    // one's right edge.
    Q_INVOKABLE QList<qreal> barSeconds(const QString &name) const;
    Q_INVOKABLE QList<QPointF> linePoints(const QString &name) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(LapChart)

    struct LegendEntry
    {
        QString name;
        QColor colour;
    };

    // The legend's names of the two lines of gaps.
    QString aheadLine() const;
    QString referenceLine() const;
    void layOut();
    QRectF card() const;
    void paintAxes(QPainter &painter) const;
    void paintLegend(QPainter &painter, const QRectF &area) const;

    rundaro::LapChartData m_data;
    ChartLayout m_layout;
    QStringList m_lapLabels;
    QStringList m_secondsLabels;
    QStringList m_aheadLabels;
    QList<LegendEntry> m_legend;
};

class ChartPlugin : public QObject, public ChartModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RundaroChartModule_iid)
    Q_INTERFACES(ChartModule)

public:
    LapChartWidget *createChart(QWidget *parent) override;
};
