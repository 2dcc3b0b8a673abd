#include "SpinButtons.h"

#include <QToolButton>

SpinButtons::SpinButtons(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    m_up = makeButton(Qt::UpArrow);
    m_up->setObjectName(QStringLiteral("UpButton"));
    // Screen readers' names; the editor's owner may add what it edits.
    m_up->setAccessibleName(tr("Mehr"));
    m_down = makeButton(Qt::DownArrow);
    m_down->setObjectName(QStringLiteral("DownButton"));
    m_down->setAccessibleName(tr("Weniger"));
    connect(m_up, &QToolButton::clicked, this, &SpinButtons::upClick);
    connect(m_down, &QToolButton::clicked, this, &SpinButtons::downClick);
    resize(kWidth, kHeight);
}

QToolButton *SpinButtons::makeButton(Qt::ArrowType arrow)
{
    auto *button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kRepeatDelayMs);
    button->setAutoRepeatInterval(kRepeatIntervalMs);
    button->setIconSize(QSize(7, 4));
    // The editor takes the focus before the first click is handled.
    connect(button, &QToolButton::pressed, this, &SpinButtons::focusTheControl);
    return button;
}

void SpinButtons::focusTheControl()
{
    if (m_focusControl && !m_focusControl->hasFocus() && m_focusControl->isEnabled() && m_focusControl->isVisible()
        && m_focusControl->focusPolicy() != Qt::NoFocus)
        m_focusControl->setFocus(Qt::OtherFocusReason);
}

void SpinButtons::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The lower button starts one pixel above the middle, so the two overlap.
    const int w = qMax(width(), kWidth);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, w, half);
    m_down->setGeometry(0, half - 1, w, height() - half + 1);
}
