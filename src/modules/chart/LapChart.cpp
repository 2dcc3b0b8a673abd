#include "LapChart.h"

#include <QBarCategoryAxis>
#include <QBarLegendMarker>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// The lap table's colours for a lap in and over the target time.
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kTarget(0, 0, 255);
const QColor kAhead(255, 140, 0);
const QColor kReference(128, 0, 160);

QBarSet *barSet(const QString &name, const QColor &colour)
{
    auto *set = new QBarSet(name);
    set->setColor(colour);
    set->setBorderColor(colour.darker(130));
    return set;
}

QLineSeries *line(const QString &name, const QColor &colour, Qt::PenStyle style)
{
    auto *series = new QLineSeries;
    series->setName(name);
    QPen pen(colour, 3, style);
    series->setPen(pen);
    return series;
}

// A round upper bound for an axis from 0 that shows `value` with some room.
double axisTop(double value)
{
    return std::max(1.0, std::ceil(value * 1.15));
}

} // namespace

LapChart::LapChart(QWidget *parent)
    : LapChartWidget(parent)
{
    setObjectName(QStringLiteral("LapChart"));
    m_chart = new QChart;
    m_chart->setLocalizeNumbers(true);
    m_chart->setLocale(QLocale());
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignBottom);

    m_onTarget = barSet(QCoreApplication::translate("LapChart", "in der Sollzeit"), kGreen);
    m_overTarget = barSet(QCoreApplication::translate("LapChart", "über der Sollzeit"), kRed);
    m_noTarget = barSet(QCoreApplication::translate("LapChart", "Rundenzeit"), kGrey);
    m_bars = new QStackedBarSeries;
    m_bars->append({m_onTarget, m_overTarget, m_noTarget});
    m_bars->setBarWidth(0.7);
    m_targetLine = line(QCoreApplication::translate("LapChart", "Sollrundenzeit"), kTarget, Qt::DashLine);
    m_aheadLine = line(QCoreApplication::translate("LapChart", "Vorsprung/Rückstand"), kAhead, Qt::SolidLine);
    m_aheadLine->setPointsVisible(true);
    m_referenceLine = line(QCoreApplication::translate("LapChart", "Vergleich"), kReference, Qt::DashDotLine);
    m_referenceLine->setPointsVisible(true);
    m_chart->addSeries(m_bars);
    m_chart->addSeries(m_targetLine);
    m_chart->addSeries(m_aheadLine);
    m_chart->addSeries(m_referenceLine);

    m_laps = new QBarCategoryAxis;
    m_laps->setTitleText(QCoreApplication::translate("LapChart", "Runde"));
    m_seconds = new QValueAxis;
    m_seconds->setTitleText(QCoreApplication::translate("LapChart", "Rundenzeit in s"));
    m_seconds->setLabelFormat(QStringLiteral("%.1f"));
    m_ahead = new QValueAxis;
    m_ahead->setTitleText(QCoreApplication::translate("LapChart", "Vorsprung (+) / Rückstand (−) in s"));
    m_ahead->setLabelFormat(QStringLiteral("%.1f"));
    m_ahead->setLinePenColor(kAhead);
    m_chart->addAxis(m_laps, Qt::AlignBottom);
    m_chart->addAxis(m_seconds, Qt::AlignLeft);
    m_chart->addAxis(m_ahead, Qt::AlignRight);
    for (QAbstractSeries *series :
         {static_cast<QAbstractSeries *>(m_bars), static_cast<QAbstractSeries *>(m_targetLine)}) {
        series->attachAxis(m_laps);
        series->attachAxis(m_seconds);
    }
    for (QLineSeries *series : {m_aheadLine, m_referenceLine}) {
        series->attachAxis(m_laps);
        series->attachAxis(m_ahead);
    }

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("LapChartView"));
    m_view->setRenderHint(QPainter::Antialiasing);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void LapChart::showChart(const rundaro::LapChartData &data)
{
    const QLocale locale;
    QStringList categories;
    QList<qreal> on, over, none;
    QList<QPointF> ahead;
    QList<QPointF> reference;
    double top = data.targetLapSeconds.value_or(0);
    double reach = 1;
    for (std::size_t i = 0; i < data.columns.size(); ++i) {
        const auto &column = data.columns[i];
        categories << (column.lap == 0 ? QCoreApplication::translate("LapChart", "Zusatz")
                                       : locale.toString(column.lap));
        const double seconds = column.lapSeconds.value_or(0);
        top = std::max(top, seconds);
        on << (column.onTarget.value_or(false) ? seconds : 0);
        over << (column.onTarget && !*column.onTarget ? seconds : 0);
        none << (column.onTarget ? 0 : seconds);
        if (column.aheadSeconds) {
            ahead << QPointF(double(i), *column.aheadSeconds);
            reach = std::max(reach, std::abs(*column.aheadSeconds));
        }
        if (column.referenceAheadSeconds) {
            reference << QPointF(double(i), *column.referenceAheadSeconds);
            reach = std::max(reach, std::abs(*column.referenceAheadSeconds));
        }
    }
    m_onTarget->remove(0, m_onTarget->count());
    m_onTarget->append(on);
    m_overTarget->remove(0, m_overTarget->count());
    m_overTarget->append(over);
    m_noTarget->remove(0, m_noTarget->count());
    m_noTarget->append(none);
    m_laps->setCategories(categories);

    QList<QPointF> target;
    if (data.targetLapSeconds && !categories.isEmpty())
        target = {{-0.5, *data.targetLapSeconds}, {double(categories.size()) - 0.5, *data.targetLapSeconds}};
    m_targetLine->replace(target);
    m_aheadLine->replace(ahead);
    m_referenceLine->replace(reference);
    // Only a race compared with another shows the comparison's line.
    m_referenceLine->setVisible(!reference.isEmpty());
    m_seconds->setRange(0, axisTop(top));
    m_seconds->applyNiceNumbers();
    m_ahead->setRange(-axisTop(reach), axisTop(reach));
    m_ahead->applyNiceNumbers();
    // The legend names only the kinds of bar the chart can show.
    const QList<QLegendMarker *> markers = m_chart->legend()->markers(m_bars);
    for (QLegendMarker *marker : markers) {
        auto *set = static_cast<QBarLegendMarker *>(marker)->barset();
        marker->setVisible((set == m_noTarget) != data.targetLapSeconds.has_value());
    }
}

LapChartWidget *ChartPlugin::createChart(QWidget *parent)
{
    return new LapChart(parent);
}
