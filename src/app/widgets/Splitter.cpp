#include "Splitter.h"

#include <QMouseEvent>

#include <algorithm>

Splitter::Splitter(QWidget *target, QWidget *parent)
    : QWidget(parent)
    , m_target(target)
{
    setFixedWidth(kWidth);
    setCursor(Qt::SplitHCursor);
}

void Splitter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressX = int(event->globalPosition().x());
    m_startWidth = m_target->width();
}

void Splitter::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const int room = parentWidget()->contentsRect().width() - kWidth - kMinSize;
    const int wanted = m_startWidth + int(event->globalPosition().x()) - m_pressX;
    m_target->setFixedWidth(std::clamp(wanted, kMinSize, std::max(kMinSize, room)));
}

void Splitter::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}
