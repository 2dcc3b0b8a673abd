#include "TabSheet.h"

QSize TabSheet::sizeHint() const
{
    return unsized() ? QSize() : QWidget::sizeHint();
}

QSize TabSheet::minimumSizeHint() const
{
    return unsized() ? QSize() : QWidget::minimumSizeHint();
}

void TabSheet::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        // The tab control now counts this page too.
        updateGeometry();
        emit firstShown();
    }
}
