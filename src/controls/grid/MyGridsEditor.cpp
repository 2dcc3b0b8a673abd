#include "MyGrids.h"

#include "InplaceEdit.h"

// The in-place editor of the grid base: it is opened over the current cell,
// follows the current cell while it is open, and commits through
// SetEditText only what the user changed.

QLineEdit *TMyCustomGrid::InplaceEditor() const
{
    return m_inplace;
}

QString TMyCustomGrid::GetEditText(int, int)
{
    return {};
}

QString TMyCustomGrid::GetEditMask(int, int)
{
    return {};
}

void TMyCustomGrid::SetEditText(int, int, const QString &) { }

void TMyCustomGrid::SetEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

bool TMyCustomGrid::CanEditShow() const
{
    return (m_options & goEditing) && !(m_options & goRowSelect) && !NowUpdating() && m_current.X >= m_fixedCols
        && m_current.Y >= m_fixedRows && m_current.X < m_colCount && m_current.Y < m_rowCount;
}

void TMyCustomGrid::ShowEditor()
{
    if (!CanEditShow())
        return;
    if (m_editorMode && m_editCell == m_current) {
        m_inplace->setFocus(Qt::OtherFocusReason); // already open: keep what was typed
        return;
    }
    if (!m_inplace)
        m_inplace = new InplaceEdit(this);
    m_editorMode = true;
    m_editCell = m_current;
    LoadEditor();
    PlaceEditor();
    m_inplace->show();
    m_inplace->setFocus(Qt::OtherFocusReason);
    InvalidateCell(m_editCell.X, m_editCell.Y);
}

void TMyCustomGrid::LoadEditor()
{
    m_inplace->setFont(font());
    m_inplace->setInputMask(GetEditMask(m_editCell.X, m_editCell.Y));
    m_inplace->setText(GetEditText(m_editCell.X, m_editCell.Y));
    m_inplace->setModified(false);
    m_inplace->selectAll();
}

void TMyCustomGrid::PlaceEditor()
{
    if (!m_editorMode || !m_inplace)
        return;
    const QRect cell = CellRect(m_editCell.X, m_editCell.Y);
    // Out of view it waits outside the viewport, keeping its text and focus.
    m_inplace->setGeometry(cell.isEmpty() ? QRect(-m_inplace->width() - 1, -m_inplace->height() - 1, m_inplace->width(),
                                                  m_inplace->height())
                                          : cell);
}

void TMyCustomGrid::CommitEditor()
{
    if (!m_editorMode || !m_inplace || !m_inplace->isModified())
        return;
    m_inplace->setModified(false);
    SetEditText(m_editCell.X, m_editCell.Y, m_inplace->text());
}

void TMyCustomGrid::HideEditor()
{
    if (!m_editorMode)
        return;
    CommitEditor();
    CloseEditor(true);
}

void TMyCustomGrid::CancelEditor()
{
    if (!m_editorMode)
        return;
    if (m_options & goAlwaysShowEditor)
        LoadEditor();
    else
        CloseEditor(true);
}

void TMyCustomGrid::CloseEditor(bool focusGrid)
{
    if (!m_editorMode)
        return;
    m_editorMode = false;
    m_closingEditor = true;
    if (focusGrid && (m_inplace->hasFocus() || focusWidget() == m_inplace))
        setFocus(Qt::OtherFocusReason);
    m_inplace->hide();
    m_closingEditor = false;
    InvalidateCell(m_editCell.X, m_editCell.Y);
    m_editCell = GridCoord{-1, -1};
}

void TMyCustomGrid::FollowEditor()
{
    if (!m_editorMode || m_editCell == m_current)
        return;
    if (!CanEditShow()) {
        CloseEditor(true);
        return;
    }
    InvalidateCell(m_editCell.X, m_editCell.Y);
    m_editCell = m_current;
    LoadEditor();
    PlaceEditor();
}

void TMyCustomGrid::UpdateEditorText()
{
    if (m_editorMode && m_inplace && m_editCell == m_current)
        LoadEditor();
}

void TMyCustomGrid::EditorReturn()
{
    CommitEditor();
    if (m_options & goAlwaysShowEditor)
        m_inplace->selectAll();
    else
        CloseEditor(true);
}

void TMyCustomGrid::EditorFocusLost()
{
    if (m_closingEditor || !m_editorMode)
        return;
    CommitEditor();
    if (!(m_options & goAlwaysShowEditor))
        CloseEditor(false);
}

int TMyCustomGrid::MovedIndex(int index, int FromIndex, int ToIndex)
{
    if (index == FromIndex)
        return ToIndex;
    if (FromIndex < ToIndex && index > FromIndex && index <= ToIndex)
        return index - 1;
    if (ToIndex < FromIndex && index >= ToIndex && index < FromIndex)
        return index + 1;
    return index;
}
