#include "TabSheet.h"

QSize TTabSheet::sizeHint() const
{
    return unsized() ? QSize() : QWidget::sizeHint();
}

QSize TTabSheet::minimumSizeHint() const
{
    return unsized() ? QSize() : QWidget::minimumSizeHint();
}

void TTabSheet::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        // The tab control now counts this page too.
        updateGeometry();
    }
}
