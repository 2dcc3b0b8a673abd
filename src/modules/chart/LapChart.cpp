#include "LapChart.h"

#include "RacePalette.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor kGrey(128, 128, 128);
const QColor kTarget(0, 0, 255);
const QColor kAhead(255, 140, 0);
const QColor kReference(128, 0, 160);
// The chart's own light surface, whatever the window's style.
const QColor kSurround(236, 236, 236);
const QColor kCard(255, 255, 255);
const QColor kGrid(226, 226, 226);
const QColor kAxis(180, 180, 180);
const QColor kText(64, 64, 64);

constexpr double kCardMargin = 9;
constexpr double kCardRadius = 6;
constexpr double kPadding = 12;
constexpr double kTickGap = 6;
constexpr double kTitleGap = 6;
constexpr double kLegendGap = 14;
constexpr double kLineWidth = 3;
constexpr double kPointRadius = 4;
constexpr double kMarkerSize = 9;
constexpr double kLegendSpacing = 12;

QColor barColour(ChartLayout::BarKind kind)
{
    switch (kind) {
    case ChartLayout::BarKind::OnTarget: return RacePalette::onTarget();
    case ChartLayout::BarKind::OverTarget: return RacePalette::overTarget();
    case ChartLayout::BarKind::NoTarget: break;
    }
    return kGrey;
}

QStringList scaleLabels(const ChartScale &scale)
{
    const QLocale locale;
    QStringList labels;
    for (int i = 0; i < scale.ticks(); ++i)
        labels << locale.toString(scale.tick(i), 'f', 1);
    return labels;
}

double widest(const QFontMetricsF &metrics, const QStringList &texts)
{
    double width = 0;
    for (const QString &text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    return width;
}

void paintLine(QPainter &painter, const QPolygonF &points, const QColor &colour, Qt::PenStyle style)
{
    if (points.isEmpty())
        return;
    painter.setPen(QPen(colour, kLineWidth, style, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (const QPointF &point : points)
        painter.drawEllipse(point, kPointRadius, kPointRadius);
}

QString onTargetName()
{
    return LapChart::tr("in der Sollzeit");
}
QString overTargetName()
{
    return LapChart::tr("über der Sollzeit");
}
QString noTargetName()
{
    return LapChart::tr("Rundenzeit");
}
QString targetName()
{
    return LapChart::tr("Sollrundenzeit");
}
QString aheadName()
{
    return LapChart::tr("Vorsprung/Rückstand");
}
QString referenceName()
{
    return LapChart::tr("Vergleich");
}

} // namespace

LapChart::LapChart(QWidget *parent)
    : LapChartWidget(parent)
{
    setObjectName(QStringLiteral("LapChart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    layOut();
}

void LapChart::showChart(const rundaro::LapChartData &data)
{
    m_data = data;
    const QLocale locale;
    m_lapLabels.clear();
    for (const auto &column : m_data.columns)
        m_lapLabels << (column.lap == 0 ? tr("Zusatz") : locale.toString(column.lap));
    // The legend names only what the chart can show.
    m_legend.clear();
    if (m_data.targetLapSeconds)
        m_legend << LegendEntry{onTargetName(), RacePalette::onTarget()}
                 << LegendEntry{overTargetName(), RacePalette::overTarget()} << LegendEntry{targetName(), kTarget};
    else
        m_legend << LegendEntry{noTargetName(), kGrey};
    m_legend << LegendEntry{aheadLine(), kAhead};
    const bool compared = std::any_of(m_data.columns.begin(), m_data.columns.end(),
                                      [](const auto &column) { return column.referenceAheadSeconds.has_value(); });
    if (compared)
        m_legend << LegendEntry{referenceLine(), kReference};
    layOut();
    update();
}

QString LapChart::aheadLine() const
{
    return m_data.aheadName.empty() ? aheadName() : QString::fromStdString(m_data.aheadName);
}

QString LapChart::referenceLine() const
{
    return m_data.referenceName.empty() ? referenceName() : QString::fromStdString(m_data.referenceName);
}

QList<qreal> LapChart::barSeconds(const QString &name) const
{
    QList<qreal> seconds;
    for (const auto &column : m_data.columns) {
        const QString kind = !column.onTarget ? noTargetName() : *column.onTarget ? onTargetName() : overTargetName();
        seconds << (kind == name ? column.lapSeconds.value_or(0) : 0);
    }
    return seconds;
}

QList<QPointF> LapChart::linePoints(const QString &name) const
{
    QList<QPointF> points;
    if (name == targetName()) {
        if (m_data.targetLapSeconds && !m_data.columns.empty())
            points
                = {{-0.5, *m_data.targetLapSeconds}, {double(m_data.columns.size()) - 0.5, *m_data.targetLapSeconds}};
        return points;
    }
    for (std::size_t i = 0; i < m_data.columns.size(); ++i) {
        const auto &column = m_data.columns[i];
        const auto &value = name == aheadLine() ? column.aheadSeconds
            : name == referenceLine()           ? column.referenceAheadSeconds
                                                : std::optional<double>();
        if (value)
            points << QPointF(double(i), *value);
    }
    return points;
}

QSize LapChart::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 100, metrics.height() * 28};
}

QSize LapChart::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 40, metrics.height() * 14};
}

void LapChart::resizeEvent(QResizeEvent *event)
{
    LapChartWidget::resizeEvent(event);
    layOut();
}

void LapChart::changeEvent(QEvent *event)
{
    LapChartWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        showChart(m_data);
}

QRectF LapChart::card() const
{
    return QRectF(rect()).adjusted(kCardMargin, kCardMargin, -kCardMargin, -kCardMargin);
}

// The plot takes what the labels, the titles and the legend leave of the card.
void LapChart::layOut()
{
    const ChartLayout scales = layOutChart(m_data, QRectF());
    m_secondsLabels = scaleLabels(scales.seconds);
    m_aheadLabels = scaleLabels(scales.ahead);
    const QFontMetricsF metrics(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold);
    const QRectF inner = card().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const QPointF topLeft(inner.left() + boldMetrics.height() + kTitleGap + widest(metrics, m_secondsLabels) + kTickGap,
                          inner.top() + metrics.height());
    const QPointF bottomRight(inner.right() - boldMetrics.height() - kTitleGap - widest(metrics, m_aheadLabels)
                                  - kTickGap,
                              inner.bottom() - metrics.height() - kLegendGap - boldMetrics.height() - kTitleGap
                                  - metrics.height() - kTickGap);
    m_layout = layOutChart(m_data, QRectF(topLeft, bottomRight).normalized());
}

void LapChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kSurround);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCard);
    painter.drawRoundedRect(card(), kCardRadius, kCardRadius);
    const QRectF &plot = m_layout.plot;
    if (plot.width() < 1 || plot.height() < 1)
        return;

    paintAxes(painter);
    for (const ChartLayout::Bar &bar : m_layout.bars) {
        const QColor colour = barColour(bar.kind);
        painter.setPen(QPen(colour.darker(130), 1));
        painter.setBrush(colour);
        painter.drawRect(bar.rect);
    }
    if (m_layout.targetY) {
        painter.setPen(QPen(kTarget, kLineWidth, Qt::DashLine, Qt::FlatCap));
        painter.drawLine(QPointF(plot.left(), *m_layout.targetY), QPointF(plot.right(), *m_layout.targetY));
    }
    paintLine(painter, m_layout.aheadLine, kAhead, Qt::SolidLine);
    paintLine(painter, m_layout.referenceLine, kReference, Qt::DashDotLine);

    const QRectF inner = card().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const QFontMetricsF metrics(font());
    paintLegend(painter, QRectF(inner.left(), inner.bottom() - metrics.height(), inner.width(), metrics.height()));
}

// The grid, the three scales with their labels and the scales' titles.
void LapChart::paintAxes(QPainter &painter) const
{
    const QRectF &plot = m_layout.plot;
    const QFontMetricsF metrics(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold);

    painter.setPen(QPen(kGrid, 1));
    for (int i = 0; i < m_layout.seconds.ticks(); ++i) {
        const double y = m_layout.secondsY(m_layout.seconds.tick(i));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (qsizetype i = 0; i <= m_lapLabels.size() && m_layout.bandWidth > 0; ++i) {
        const double x = plot.left() + double(i) * m_layout.bandWidth;
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter.setPen(QPen(kAxis, 1));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.setPen(QPen(kAhead, 1));
    painter.drawLine(plot.bottomRight(), plot.topRight());

    painter.setPen(kText);
    const double labelHeight = metrics.height();
    for (int i = 0; i < m_secondsLabels.size(); ++i) {
        const double y = m_layout.secondsY(m_layout.seconds.tick(i));
        painter.drawText(QRectF(plot.left() - kTickGap - 1000, y - labelHeight / 2, 1000, labelHeight),
                         Qt::AlignRight | Qt::AlignVCenter, m_secondsLabels[i]);
    }
    for (int i = 0; i < m_aheadLabels.size(); ++i) {
        const double y = m_layout.aheadY(m_layout.ahead.tick(i));
        painter.drawText(QRectF(plot.right() + kTickGap, y - labelHeight / 2, 1000, labelHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, m_aheadLabels[i]);
    }
    // A long race shows every second or third lap's number where all would
    // run into each other.
    const double labelWidth = widest(metrics, m_lapLabels) + kTickGap;
    const int every = m_layout.bandWidth > 0 ? std::max(1, int(std::ceil(labelWidth / m_layout.bandWidth))) : 1;
    for (qsizetype i = 0; i < m_lapLabels.size(); i += every) {
        const double x = m_layout.columnX(std::size_t(i));
        painter.drawText(QRectF(x - labelWidth, plot.bottom() + kTickGap, 2 * labelWidth, labelHeight), Qt::AlignCenter,
                         m_lapLabels[i]);
    }

    painter.setFont(bold);
    const double titleTop = plot.bottom() + kTickGap + labelHeight + kTitleGap;
    painter.drawText(QRectF(plot.left(), titleTop, plot.width(), boldMetrics.height()), Qt::AlignCenter, tr("Runde"));
    const auto upright = [&](double x, const QString &title) {
        painter.save();
        painter.translate(x, plot.center().y());
        painter.rotate(-90);
        painter.drawText(QRectF(-plot.height(), -boldMetrics.height() / 2, 2 * plot.height(), boldMetrics.height()),
                         Qt::AlignCenter, title);
        painter.restore();
    };
    const QRectF inner = card().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    upright(inner.left() + boldMetrics.height() / 2, tr("Rundenzeit in s"));
    upright(inner.right() - boldMetrics.height() / 2, tr("Vorsprung (+) / Rückstand (−) in s"));
    painter.setFont(font());
}

// The legend's entries side by side, centred: a marker in the colour, the name.
void LapChart::paintLegend(QPainter &painter, const QRectF &area) const
{
    const QFontMetricsF metrics(font());
    double width = 0;
    for (const LegendEntry &entry : m_legend)
        width += kMarkerSize + kTickGap + metrics.horizontalAdvance(entry.name) + kLegendSpacing;
    double x = area.center().x() - (width - kLegendSpacing) / 2;
    for (const LegendEntry &entry : m_legend) {
        painter.setPen(QPen(entry.colour.darker(130), 1));
        painter.setBrush(entry.colour);
        painter.drawRect(QRectF(x, area.center().y() - kMarkerSize / 2, kMarkerSize, kMarkerSize));
        x += kMarkerSize + kTickGap;
        const double textWidth = metrics.horizontalAdvance(entry.name);
        painter.setPen(kText);
        painter.drawText(QRectF(x, area.top(), textWidth + 1, area.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         entry.name);
        x += textWidth + kLegendSpacing;
    }
}

LapChartWidget *ChartPlugin::createChart(QWidget *parent)
{
    return new LapChart(parent);
}
