#include "MyGrids.h"

#include "InplaceEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

// ---- sizing and moving ----------------------------------------------------

bool TMyCustomGrid::SizingZone(bool horizontal, int X, int Y, int &index, int &linePos) const
{
    const GridAxisInfo along = horizontal ? HorzAxis() : VertAxis();
    const GridAxisInfo across = horizontal ? VertAxis() : HorzAxis();
    const int pos = horizontal ? X : Y;
    const int other = horizontal ? Y : X;
    // Column borders are caught in the fixed rows, row borders in the fixed
    // columns, both only beyond the fixed cells of their own axis.
    if (other < 0 || other >= across.FixedBoundary || pos < along.FixedBoundary)
        return false;
    // The zone around a border line: Back pixels before its start, Range -
    // Back after it, so that thin lines are still easy to catch.
    const int range = m_gridLineWidth <= 6 ? 7 : m_gridLineWidth;
    const int back = m_gridLineWidth <= 6 ? (7 - m_gridLineWidth) / 2 : 0;
    const int count = horizontal ? m_colCount : m_rowCount;
    int line = along.FixedBoundary;
    for (int i = along.FirstGridCell; i < count && line < along.GridExtent; ++i) {
        const int size = horizontal ? ColWidths(i) : RowHeights(i);
        if (size < 0)
            continue;
        line += size;
        if (pos >= line - back && pos <= line + range - back) {
            index = i;
            linePos = line;
            return true;
        }
        line += along.LineWidth;
    }
    return false;
}

bool TMyCustomGrid::ColSizingZone(int X, int Y, int &index, int &linePos) const
{
    return (m_options & goColSizing) && SizingZone(true, X, Y, index, linePos);
}

bool TMyCustomGrid::RowSizingZone(int X, int Y, int &index, int &linePos) const
{
    return (m_options & goRowSizing) && SizingZone(false, X, Y, index, linePos);
}

QRect TMyCustomGrid::SizingLineRect() const
{
    if (m_gridState == GridState::RowSizing)
        return QRect(0, m_sizingPos, viewport()->width(), 1);
    return QRect(m_sizingPos, 0, 1, viewport()->height());
}

// Where a moved row (column) will land: a bar along the target's edge on
// the side it comes from.
QRect TMyCustomGrid::MoveMarkRect() const
{
    const bool rows = m_gridState == GridState::RowMoving;
    const QRect cell = rows ? CellRect(m_fixedCols > 0 ? 0 : m_topLeft.X, m_moveTo)
                            : CellRect(m_moveTo, m_fixedRows > 0 ? 0 : m_topLeft.Y);
    if (cell.isEmpty())
        return {};
    const bool after = m_moveTo > m_moveFrom;
    if (rows)
        return QRect(0, (after ? cell.bottom() : cell.top()) - 1, viewport()->width(), 3);
    return QRect((after ? cell.right() : cell.left()) - 1, 0, 3, viewport()->height());
}

void TMyCustomGrid::InvalidateMouseMark()
{
    switch (m_gridState) {
    case GridState::ColSizing:
    case GridState::RowSizing: viewport()->update(SizingLineRect()); break;
    case GridState::ColMoving:
    case GridState::RowMoving: viewport()->update(MoveMarkRect()); break;
    default: break;
    }
}

void TMyCustomGrid::PaintMouseMark(QPainter &painter)
{
    if (m_gridState == GridState::Normal || m_gridState == GridState::Selecting)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (IsSizing()) {
        // A dotted line that inverts what lies under it.
        const QRect line = SizingLineRect();
        const bool rows = m_gridState == GridState::RowSizing;
        for (int i = 0; i < (rows ? line.width() : line.height()); i += 2)
            painter.fillRect(rows ? QRect(i, line.top(), 1, 1) : QRect(line.left(), i, 1, 1), Qt::white);
    } else if (m_gridState == GridState::ColMoving || m_gridState == GridState::RowMoving) {
        if (m_moveTo != m_moveFrom)
            painter.fillRect(MoveMarkRect(), Qt::white);
    }
    painter.restore();
}

void TMyCustomGrid::CancelMouseState()
{
    InvalidateMouseMark();
    m_gridState = GridState::Normal;
}

void TMyCustomGrid::TrackMove(QPoint pos)
{
    const bool rows = m_gridState == GridState::RowMoving;
    const GridAxisInfo axis = rows ? VertAxis() : HorzAxis();
    // Over the fixed cells the first scrollable one, past the cells the last
    // fully visible one.
    int target = axis.FirstGridCell;
    if ((rows ? pos.y() : pos.x()) >= axis.FixedBoundary) {
        const GridCoord cell = MouseCoord(rows ? 0 : pos.x(), rows ? pos.y() : 0);
        const int index = rows ? cell.Y : cell.X;
        target = index >= 0 ? index : std::max(axis.LastFullVisibleCell, axis.FirstGridCell);
    }
    target = std::clamp(target, axis.FixedCellCount, axis.GridCellCount - 1);
    if (target == m_moveTo)
        return;
    InvalidateMouseMark();
    m_moveTo = target;
    InvalidateMouseMark();
}

// ---- mouse ----------------------------------------------------------------

void TMyCustomGrid::mousePressEvent(QMouseEvent *event)
{
    // A press in the grid leaves the cell that is being edited.
    if (m_options & goAlwaysShowEditor)
        CommitEditor();
    else
        HideEditor();
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    int index = -1;
    int linePos = 0;
    const bool colSizing = ColSizingZone(pos.x(), pos.y(), index, linePos);
    if (colSizing || RowSizingZone(pos.x(), pos.y(), index, linePos)) {
        m_gridState = colSizing ? GridState::ColSizing : GridState::RowSizing;
        m_sizingIndex = index;
        m_sizingPos = linePos;
        m_sizingOfs = linePos - (colSizing ? pos.x() : pos.y());
        InvalidateMouseMark();
        return;
    }
    const GridCoord cell = MouseCoord(pos.x(), pos.y());
    // Fixed cells are the handles for moving columns and rows.
    const bool colHandle = cell.Y >= 0 && cell.Y < m_fixedRows && cell.X >= m_fixedCols;
    const bool rowHandle = cell.X >= 0 && cell.X < m_fixedCols && cell.Y >= m_fixedRows;
    if ((colHandle && (m_options & goColMoving)) || (rowHandle && (m_options & goRowMoving))) {
        m_gridState = colHandle ? GridState::ColMoving : GridState::RowMoving;
        m_moveFrom = m_moveTo = colHandle ? cell.X : cell.Y;
        return;
    }
    if (cell.X < m_fixedCols || cell.Y < m_fixedRows)
        return;
    const bool extend = (event->modifiers() & Qt::ShiftModifier) && (m_options & goRangeSelect);
    MoveCurrent(cell.X, cell.Y, !extend, true);
    m_gridState = GridState::Selecting;
}

void TMyCustomGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    switch (m_gridState) {
    case GridState::ColSizing:
    case GridState::RowSizing:
        InvalidateMouseMark();
        m_sizingPos = (m_gridState == GridState::ColSizing ? pos.x() : pos.y()) + m_sizingOfs;
        InvalidateMouseMark();
        return;
    case GridState::ColMoving:
    case GridState::RowMoving: TrackMove(pos); return;
    case GridState::Selecting:
        if ((event->buttons() & Qt::LeftButton) && (m_options & goRangeSelect)) {
            const GridCoord cell = MouseCoord(pos.x(), pos.y());
            if (cell.X >= m_fixedCols && cell.Y >= m_fixedRows && !(cell == m_current))
                MoveCurrent(cell.X, cell.Y, false, true);
        }
        return;
    case GridState::Normal: break;
    }
    int index = -1;
    int linePos = 0;
    if (event->buttons() == Qt::NoButton && ColSizingZone(pos.x(), pos.y(), index, linePos))
        viewport()->setCursor(Qt::SplitHCursor);
    else if (event->buttons() == Qt::NoButton && RowSizingZone(pos.x(), pos.y(), index, linePos))
        viewport()->setCursor(Qt::SplitVCursor);
    else
        viewport()->unsetCursor();
}

void TMyCustomGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const GridState state = m_gridState;
    if (state == GridState::ColMoving || state == GridState::RowMoving)
        TrackMove(event->position().toPoint());
    CancelMouseState();
    switch (state) {
    case GridState::ColSizing:
    case GridState::RowSizing: {
        // A size of 1 or less, or a hidden column or row, is not taken.
        const bool cols = state == GridState::ColSizing;
        const QRect cell = cols ? CellRect(m_sizingIndex, 0) : CellRect(0, m_sizingIndex);
        const int newSize = m_sizingPos - (cols ? cell.left() : cell.top());
        const int oldSize = cols ? ColWidths(m_sizingIndex) : RowHeights(m_sizingIndex);
        if (cell.isEmpty() || newSize <= 1 || oldSize == -1)
            return;
        if (cols)
            SetColWidths(m_sizingIndex, newSize);
        else
            SetRowHeights(m_sizingIndex, newSize);
        return;
    }
    case GridState::ColMoving: MoveColumn(m_moveFrom, m_moveTo); return;
    case GridState::RowMoving: MoveRow(m_moveFrom, m_moveTo); return;
    default: return;
    }
}

void TMyCustomGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double-click on the current cell opens the editor.
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && (m_options & goEditing) && MouseCoord(pos.x(), pos.y()) == m_current
        && CanEditShow()) {
        ShowEditor();
        return;
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void TMyCustomGrid::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    if ((m_options & goEditing) && (m_options & goAlwaysShowEditor) && !m_closingEditor)
        ShowEditor();
}

// ---- keyboard -------------------------------------------------------------

bool TMyCustomGrid::focusNextPrevChild(bool next)
{
    // With goTabs the Tab key moves between cells instead of controls.
    if (m_options & goTabs)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void TMyCustomGrid::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const bool rowSelect = m_options & goRowSelect;
    const int pageRows = std::max(VisibleRowCount(), 1);
    const int pageCols = std::max(VisibleColCount(), 1);
    GridCoord cur = m_current;
    GridCoord top = m_topLeft;
    bool moveAnchor = !shift;

    switch (event->key()) {
    case Qt::Key_Up: ctrl ? --top.Y : --cur.Y; break;
    case Qt::Key_Down: ctrl ? ++top.Y : ++cur.Y; break;
    case Qt::Key_Left:
        if (rowSelect) {
            --top.X;
        } else if (ctrl) {
            cur.X -= pageCols;
            top.X -= pageCols;
        } else {
            --cur.X;
        }
        break;
    case Qt::Key_Right:
        if (rowSelect) {
            ++top.X;
        } else if (ctrl) {
            cur.X += pageCols;
            top.X += pageCols;
        } else {
            ++cur.X;
        }
        break;
    case Qt::Key_PageUp:
        if (ctrl) {
            cur.Y = m_topLeft.Y;
        } else {
            cur.Y -= pageRows;
            top.Y -= pageRows;
        }
        break;
    case Qt::Key_PageDown:
        if (ctrl) {
            cur.Y = VertAxis().LastFullVisibleCell;
        } else {
            cur.Y += pageRows;
            top.Y += pageRows;
        }
        break;
    case Qt::Key_Home:
        if (ctrl) {
            cur = GridCoord{m_fixedCols, m_fixedRows};
        } else if (rowSelect) {
            cur.Y = m_fixedRows;
        } else {
            cur.X = m_fixedCols;
        }
        break;
    case Qt::Key_End:
        if (ctrl) {
            cur = GridCoord{m_colCount - 1, m_rowCount - 1};
        } else if (rowSelect) {
            cur.Y = m_rowCount - 1;
        } else {
            cur.X = m_colCount - 1;
        }
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!(m_options & goTabs) || ctrl || (mods & Qt::AltModifier)) {
            event->ignore();
            return;
        }
        moveAnchor = true;
        if (event->key() == Qt::Key_Backtab || shift) {
            if (--cur.X < m_fixedCols) {
                cur.X = m_colCount - 1;
                if (--cur.Y < m_fixedRows)
                    cur.Y = m_rowCount - 1;
            }
        } else if (++cur.X >= m_colCount) {
            cur.X = m_fixedCols;
            if (++cur.Y >= m_rowCount)
                cur.Y = m_fixedRows;
        }
        break;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!(m_options & goEditing) || m_editorMode) {
            event->ignore();
            return;
        }
        ShowEditor();
        event->accept();
        return;
    default: {
        // With goEditing a typed character opens the editor and goes into it.
        const QString text = event->text();
        const bool typed = text.size() == 1 && text[0].isPrint()
            && !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (typed && (m_options & goEditing) && !m_editorMode) {
            ShowEditor();
            if (m_editorMode) {
                QKeyEvent key(QEvent::KeyPress, event->key(), mods, text, event->isAutoRepeat());
                QApplication::sendEvent(m_inplace, &key);
                event->accept();
                return;
            }
        }
        event->ignore();
        return;
    }
    }
    event->accept();

    auto clamp = [](int v, int low, int high) { return std::max(low, std::min(v, high)); };
    cur.X = clamp(cur.X, m_fixedCols, m_colCount - 1);
    cur.Y = clamp(cur.Y, m_fixedRows, m_rowCount - 1);
    if (!(top == m_topLeft))
        MoveTopLeft(top.X, top.Y);
    if (!(cur == m_current))
        MoveCurrent(cur.X, cur.Y, moveAnchor || !(m_options & goRangeSelect), true);
}
