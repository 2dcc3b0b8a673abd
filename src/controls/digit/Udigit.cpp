#include "Udigit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPoint>

#include <array>

#include "SevenSegment.h"

using namespace rundaro::sevenseg;

namespace {

// Colours are compared as the 32-bit values they stand for, whatever
// colour model a QColor was built with.
bool sameColor(const QColor &a, const QColor &b)
{
    return a.isValid() == b.isValid() && a.rgba() == b.rgba();
}

} // namespace

TDigit::TDigit(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    // Every pixel is painted, so nothing needs to be drawn beneath the digit.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(16, 32);
    QPalette own = palette();
    own.setColor(QPalette::Window, QColor(0, 0, 0));
    setPalette(own);
    setSeparation(1);
    // Through the setter, so the bound is checked against the size above.
    setThickness(2);
}

void TDigit::setValue(int value)
{
    if (value == m_value)
        return;
    if (value >= 0 && value <= 9) {
        m_value = value;
    } else {
        m_value = 0;
        fire(OnOverflow, this);
    }
    // Read after the notification: a handler that set Value decides the pattern.
    m_valueBinary = DigitPatterns[m_value];
    repaint();
}

void TDigit::setValueBinary(std::uint8_t pattern)
{
    if (pattern == m_valueBinary)
        return;
    m_valueBinary = pattern;
    repaint();
}

void TDigit::setBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    repaint();
}

void TDigit::setColorOff(const QColor &color)
{
    if (sameColor(color, ColorOff()))
        return;
    m_brushOff.setColor(color);
    repaint();
}

void TDigit::setColorOn(const QColor &color)
{
    if (sameColor(color, ColorOn()))
        return;
    m_brushOn.setColor(color);
    repaint();
}

void TDigit::setSeparation(int separation)
{
    m_separation = separation;
    update();
}

void TDigit::setThickness(int thickness)
{
    if (thickness > width() / 2 || thickness > height() / 2)
        return;
    m_thickness = thickness;
    update();
}

QColor TDigit::Color() const
{
    return palette().color(QPalette::Window);
}

void TDigit::setColor(const QColor &color)
{
    if (sameColor(color, Color()))
        return;
    m_parentColor = false;
    QPalette own = palette();
    own.setColor(QPalette::Window, color);
    setPalette(own); // the palette change requests the repaint
}

void TDigit::setParentColor(bool follow)
{
    if (follow == m_parentColor)
        return;
    m_parentColor = follow;
    if (follow) {
        // An empty palette makes the digit inherit the parent's colours again.
        setPalette(QPalette());
    } else {
        QPalette own = palette();
        own.setColor(QPalette::Window, Color());
        setPalette(own);
    }
}

void TDigit::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QColor &background = palette().color(QPalette::Window);
    painter.fillRect(event->rect(), background);

    // Outlining in the background colour leaves a seam between neighbours.
    if (m_outline.color() != background)
        m_outline.setColor(background);
    painter.setPen(m_outline);

    std::array<QPoint, 6> corners;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        const Polygon polygon = segmentPolygon(segment, width(), height(), m_thickness, m_separation);
        for (int i = 0; i < polygon.count; ++i)
            corners[i] = QPoint(polygon.points[i].x, polygon.points[i].y);
        painter.setBrush(isLit(m_valueBinary, segment) ? m_brushOn : m_brushOff);
        painter.drawPolygon(corners.data(), polygon.count);
    }
}
