#include "MyGrids.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

// ---- column sizing --------------------------------------------------------

bool TMyCustomGrid::ColSizingZone(int X, int Y, int &index, int &linePos) const
{
    if (!(m_options & goColSizing))
        return false;
    const TGridAxisInfo horz = HorzAxis();
    const TGridAxisInfo vert = VertAxis();
    if (Y < 0 || Y >= vert.FixedBoundary || X < horz.FixedBoundary)
        return false;
    // The zone around a border line: Back pixels before its start, Range -
    // Back after it, so that thin lines are still easy to catch.
    const int range = m_gridLineWidth <= 6 ? 7 : m_gridLineWidth;
    const int back = m_gridLineWidth <= 6 ? (7 - m_gridLineWidth) / 2 : 0;
    int line = horz.FixedBoundary;
    for (int i = horz.FirstGridCell; i < m_colCount && line < horz.GridExtent; ++i) {
        const int w = ColWidths(i);
        if (w < 0)
            continue;
        line += w;
        if (X >= line - back && X <= line + range - back) {
            index = i;
            linePos = line;
            return true;
        }
        line += horz.LineWidth;
    }
    return false;
}

void TMyCustomGrid::InvalidateSizingLine()
{
    viewport()->update(QRect(m_sizingPos, 0, 1, viewport()->height()));
}

void TMyCustomGrid::PaintSizingLine(QPainter &painter)
{
    if (m_gridState != GridState::ColSizing)
        return;
    // A dotted line that inverts what lies under it.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (int y = 0; y < viewport()->height(); y += 2)
        painter.fillRect(QRect(m_sizingPos, y, 1, 1), Qt::white);
    painter.restore();
}

void TMyCustomGrid::CancelMouseState()
{
    if (m_gridState == GridState::ColSizing)
        InvalidateSizingLine();
    m_gridState = GridState::Normal;
}

// ---- mouse ----------------------------------------------------------------

void TMyCustomGrid::mousePressEvent(QMouseEvent *event)
{
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    int index = -1;
    int linePos = 0;
    if (ColSizingZone(pos.x(), pos.y(), index, linePos)) {
        m_gridState = GridState::ColSizing;
        m_sizingIndex = index;
        m_sizingPos = linePos;
        m_sizingOfs = linePos - pos.x();
        InvalidateSizingLine();
        return;
    }
    const TGridCoord cell = MouseCoord(pos.x(), pos.y());
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
        InvalidateSizingLine();
        m_sizingPos = pos.x() + m_sizingOfs;
        InvalidateSizingLine();
        return;
    case GridState::Selecting:
        if ((event->buttons() & Qt::LeftButton) && (m_options & goRangeSelect)) {
            const TGridCoord cell = MouseCoord(pos.x(), pos.y());
            if (cell.X >= m_fixedCols && cell.Y >= m_fixedRows && !(cell == m_current))
                MoveCurrent(cell.X, cell.Y, false, true);
        }
        return;
    case GridState::Normal:
        break;
    }
    int index = -1;
    int linePos = 0;
    if (event->buttons() == Qt::NoButton && ColSizingZone(pos.x(), pos.y(), index, linePos))
        viewport()->setCursor(Qt::SplitHCursor);
    else
        viewport()->unsetCursor();
}

void TMyCustomGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_gridState == GridState::ColSizing && event->button() == Qt::LeftButton) {
        CancelMouseState();
        // A width of 1 or less, or a hidden column, is not taken.
        const QRect cell = CellRect(m_sizingIndex, 0);
        const int newWidth = m_sizingPos - cell.left();
        if (!cell.isEmpty() && newWidth > 1 && ColWidths(m_sizingIndex) != -1)
            SetColWidths(m_sizingIndex, newWidth);
        return;
    }
    if (m_gridState == GridState::Selecting && event->button() == Qt::LeftButton)
        m_gridState = GridState::Normal;
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
    TGridCoord cur = m_current;
    TGridCoord top = m_topLeft;
    bool moveAnchor = !shift;

    switch (event->key()) {
    case Qt::Key_Up:
        ctrl ? --top.Y : --cur.Y;
        break;
    case Qt::Key_Down:
        ctrl ? ++top.Y : ++cur.Y;
        break;
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
            cur = TGridCoord{m_fixedCols, m_fixedRows};
        } else if (rowSelect) {
            cur.Y = m_fixedRows;
        } else {
            cur.X = m_fixedCols;
        }
        break;
    case Qt::Key_End:
        if (ctrl) {
            cur = TGridCoord{m_colCount - 1, m_rowCount - 1};
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
        if (!(m_options & goEditing)) {
            event->ignore();
            return;
        }
        SetEditorMode(true);
        event->accept();
        return;
    default:
        event->ignore();
        return;
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
