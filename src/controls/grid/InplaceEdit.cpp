#include "InplaceEdit.h"

#include "MyGrids.h"

#include <QKeyEvent>

InplaceEdit::InplaceEdit(TMyCustomGrid *grid)
    : QLineEdit(grid->viewport())
    , m_grid(grid)
{
    setObjectName(QStringLiteral("InplaceEdit"));
    setFrame(false);
    setAutoFillBackground(true);
}

void InplaceEdit::keyPressEvent(QKeyEvent *event)
{
    if (!m_grid) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        m_grid->EditorReturn();
        return;
    case Qt::Key_Escape:
        event->accept();
        m_grid->CancelEditor();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: m_grid->keyPressEvent(event); return;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (ctrl) {
            m_grid->keyPressEvent(event);
            return;
        }
        break;
    default: break;
    }
    QLineEdit::keyPressEvent(event);
}

void InplaceEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a popup menu taking the focus is no leaving.
    const auto reason = event->reason();
    if (m_grid && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        m_grid->EditorFocusLost();
}
