#include "SortGrid.h"

#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cstdlib>

namespace {

// Distance the pointer must go beyond, with the button held, before a press
// on the current row becomes a row drag.
constexpr int DragThreshold = 10;
// Border zones of a header cell: clicks there do not sort, double-clicks
// there fit a column to its texts.
constexpr int HeaderBorderZone = 5;
constexpr int AutoSizeZone = 3;
// One step of the mouse wheel in eighths of a degree.
constexpr int WheelStep = 120;

} // namespace

bool TSortGrid::InBorderZone(int ACol, int X, int distance) const
{
    const QRect cell = CellRect(ACol, 0);
    if (cell.isEmpty())
        return false;
    const int right = cell.left() + cell.width();
    return X - cell.left() <= distance || right - X <= distance;
}

void TSortGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const GridCoord cell = MouseCoord(pos.x(), pos.y());
    m_pressCell = cell;
    // A press on a row that is already selected may start dragging it,
    // unless the press takes the row by its fixed cell to move it.
    m_dragStart.reset();
    const bool selectedRow = cell.Y >= FixedRows() && cell.Y >= 1 && m_selectedRows.contains(QString::number(cell.Y));
    TMyStringGrid::mousePressEvent(event);
    if (selectedRow && !IsRowMoving())
        m_dragStart = pos;
}

void TSortGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragStart) {
        const QPoint delta = event->position().toPoint() - *m_dragStart;
        const bool far = std::abs(delta.x()) > DragThreshold || std::abs(delta.y()) > DragThreshold;
        if (far && event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier) {
            m_dragStart.reset();
            CancelMouseState();
            StartRowDrag();
            return;
        }
    }
    TMyStringGrid::mouseMoveEvent(event);
}

void TSortGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasSizing = IsSizing();
    const bool wasRowMoving = IsRowMoving();
    m_dragStart.reset();
    TMyStringGrid::mouseReleaseEvent(event);
    const QPoint pos = event->position().toPoint();
    const GridCoord cell = MouseCoord(pos.x(), pos.y());
    const GridCoord pressed = m_pressCell;
    m_pressCell = GridCoord{-1, -1};
    if (cell.X < 0)
        return;

    // Released in the header in the column where it was pressed, be it on
    // the header or on a row below it: a click on that column's header.
    if (cell.Y == 0 && FixedRows() > 0) {
        if (!wasSizing && !wasRowMoving && !m_dragging && pressed.X == cell.X
            && !InBorderZone(cell.X, pos.x(), HeaderBorderZone))
            HeaderClick(cell.X, event->button());
        return;
    }
    if (cell == pressed && cell.Y >= 1)
        QueryCellControl(cell.X, cell.Y);
    if (event->button() == Qt::RightButton && m_popupMenu)
        m_popupMenu->popup(event->globalPosition().toPoint());
}

void TSortGrid::HeaderClick(int ACol, Qt::MouseButton button)
{
    TSortOptions &o = m_sortOptions;
    if (button == Qt::RightButton)
        o.SortDirection = sdDescending;
    else
        o.SortDirection = o.SortDirection == sdAscending && ACol == o.SortCol ? sdDescending : sdAscending;
    SortByColumn(ACol);
    InvalidateRow(0);
}

void TSortGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const GridCoord cell = MouseCoord(pos.x(), pos.y());
    if (event->button() == Qt::LeftButton && cell.X >= 0 && cell.Y == 0 && FixedRows() > 0) {
        CancelMouseState();
        m_pressCell = cell;
        HeaderDoubleClick(cell.X, pos.x());
        return;
    }
    TMyStringGrid::mouseDoubleClickEvent(event);
}

void TSortGrid::HeaderDoubleClick(int ACol, int X)
{
    if (!InBorderZone(ACol, X, HeaderBorderZone))
        return;
    const QRect cell = CellRect(ACol, 0);
    const int right = cell.left() + cell.width();
    if (right - X <= AutoSizeZone) {
        AutoSizeColumn(ACol, false);
        return;
    }
    // Near the left border: the border line of the column to the left.
    const int leftNeighbourRight = cell.left() - HorzAxis().LineWidth;
    if (ACol > 0 && X - leftNeighbourRight <= AutoSizeZone)
        AutoSizeColumn(ACol - 1, false);
}

void TSortGrid::wheelEvent(QWheelEvent *event)
{
    // Whole steps only; what is left of a fine-grained wheel waits for more
    // in the same direction.
    const int delta = event->angleDelta().y();
    if ((delta < 0) != (m_wheelRemainder < 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += delta;
    while (m_wheelRemainder <= -WheelStep) {
        m_wheelRemainder += WheelStep;
        ScrollToCell(Col(), TopRow() + 2);
    }
    while (m_wheelRemainder >= WheelStep) {
        m_wheelRemainder -= WheelStep;
        ScrollToCell(Col(), TopRow() - 2);
    }
    event->accept();
}

QMimeData *TSortGrid::RowDragData(int ARow) const
{
    QStringList texts;
    for (int c = 0; c < ColCount(); ++c)
        texts << Cells(c, ARow);
    auto *data = new QMimeData;
    data->setText(texts.join(QLatin1Char('\t')));
    return data;
}

void TSortGrid::StartRowDrag()
{
    m_dragging = true;
    try {
        ExecDrag(RowDragData(Row()));
    } catch (...) {
        m_dragging = false;
        throw;
    }
    m_dragging = false;
}

void TSortGrid::ExecDrag(QMimeData *data)
{
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}
