#include "DisplayEdit.h"

#include <QEvent>

void DisplayEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && !isVisible()) {
        m_fontPending = true;
        QWidget::changeEvent(event);
        return;
    }
    QLineEdit::changeEvent(event);
}

void DisplayEdit::showEvent(QShowEvent *event)
{
    layOutInFont();
    QLineEdit::showEvent(event);
}

void DisplayEdit::paintEvent(QPaintEvent *event)
{
    // Also when drawn without being shown (grab()).
    layOutInFont();
    QLineEdit::paintEvent(event);
}

void DisplayEdit::layOutInFont()
{
    if (!m_fontPending)
        return;
    m_fontPending = false;
    QEvent change(QEvent::FontChange);
    QLineEdit::changeEvent(&change);
}
