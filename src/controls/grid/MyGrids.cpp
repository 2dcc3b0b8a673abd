#include "MyGrids.h"

#include "GridErrors.h"
#include "InplaceEdit.h"

#include <QApplication>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

int clampInt(int value, int low, int high)
{
    return std::max(low, std::min(value, high));
}

} // namespace

TMyCustomGrid::TMyCustomGrid(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true); // the sizing cursor follows the pointer
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_current = m_anchor = m_topLeft = GridCoord{m_fixedCols, m_fixedRows};
    m_canvas.Font = CanvasFont(font(), SysColor(QPalette::Text));
    m_canvas.Brush.Color = Color();
    // Without goThumbTracking the view moves when the thumb is let go.
    verticalScrollBar()->setTracking(false);
    horizontalScrollBar()->setTracking(false);
    UpdateScrollRanges();
}

void TMyCustomGrid::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    // Outside painting the canvas starts from the grid's own font.
    if (event->type() == QEvent::FontChange)
        m_canvas.Font = CanvasFont(font(), SysColor(QPalette::Text));
}

TMyCustomGrid::~TMyCustomGrid()
{
    if (m_inplace)
        m_inplace->DetachGrid();
    if (m_updateDepth > 0)
        QApplication::restoreOverrideCursor();
}

QColor TMyCustomGrid::SysColor(QPalette::ColorRole role) const
{
    // The desktop scheme's colours, the same whether or not the grid is
    // enabled or its window active.
    return palette().color(QPalette::Active, role);
}

// ---- counts ---------------------------------------------------------------

void TMyCustomGrid::SetColCount(int value)
{
    value = std::max(value, 1);
    if (value == m_colCount)
        return;
    if (m_fixedCols >= value)
        m_fixedCols = value - 1;
    ChangeSize(value, m_rowCount);
}

void TMyCustomGrid::SetRowCount(int value)
{
    value = std::max(value, 1);
    if (value == m_rowCount)
        return;
    if (m_fixedRows >= value)
        m_fixedRows = value - 1;
    ChangeSize(m_colCount, value);
}

void TMyCustomGrid::ChangeSize(int NewColCount, int NewRowCount)
{
    HideEditor(); // its cell may go
    const int oldColCount = m_colCount;
    const int oldRowCount = m_rowCount;
    m_colCount = NewColCount;
    m_rowCount = NewRowCount;
    if (NowUpdating())
        return;
    try {
        ApplySize(oldColCount, oldRowCount);
    } catch (...) {
        // Back to the old counts; the failed step is not run a second time.
        m_colCount = oldColCount;
        m_rowCount = oldRowCount;
        FollowCounts(NewColCount, NewRowCount, true);
        InvalidateGrid();
        throw;
    }
}

void TMyCustomGrid::ApplySize(int OldColCount, int OldRowCount)
{
    FollowCounts(OldColCount, OldRowCount, false);
    SizeChanged(OldColCount, OldRowCount);
}

void TMyCustomGrid::FollowCounts(int OldColCount, int OldRowCount, bool repaintAll)
{
    if (!m_colWidths.empty())
        m_colWidths.resize(static_cast<std::size_t>(m_colCount), m_defaultColWidth);
    if (!m_rowHeights.empty())
        m_rowHeights.resize(static_cast<std::size_t>(m_rowCount), m_defaultRowHeight);
    m_fixedCols = std::min(m_fixedCols, m_colCount - 1);
    m_fixedRows = std::min(m_fixedRows, m_rowCount - 1);

    auto inside = [this](GridCoord &c) {
        c.X = clampInt(c.X, 0, m_colCount - 1);
        c.Y = clampInt(c.Y, 0, m_rowCount - 1);
    };
    inside(m_current);
    inside(m_anchor);

    const GridCoord oldTopLeft = m_topLeft;
    m_topLeft.X = clampInt(m_topLeft.X, m_fixedCols, std::max(m_fixedCols, MaxLeftCol()));
    m_topLeft.Y = clampInt(m_topLeft.Y, m_fixedRows, std::max(m_fixedRows, MaxTopRow()));
    const bool topLeftMoved = !(oldTopLeft == m_topLeft);
    if (topLeftMoved || repaintAll) {
        InvalidateGrid();
    } else {
        // Only the strips where cells appeared or disappeared.
        const GridAxisInfo horz = HorzAxis();
        const GridAxisInfo vert = VertAxis();
        const int w = viewport()->width();
        const int h = viewport()->height();
        if (OldColCount != m_colCount) {
            const int x = CellStart(horz, std::min(OldColCount, m_colCount), true);
            viewport()->update(x < 0 ? QRect(0, 0, w, h) : QRect(x, 0, w - x, h));
        }
        if (OldRowCount != m_rowCount) {
            const int y = CellStart(vert, std::min(OldRowCount, m_rowCount), false);
            viewport()->update(y < 0 ? QRect(0, 0, w, h) : QRect(0, y, w, h - y));
        }
    }
    UpdateScrollRanges();
    if (topLeftMoved)
        TopLeftChanged();
}

void TMyCustomGrid::SizeChanged(int, int) { }

void TMyCustomGrid::SetFixedCols(int value)
{
    if (value < 0)
        ThrowGridError(GridErrors::IndexOutOfRange);
    if (value >= m_colCount)
        ThrowGridError(GridErrors::FixedColTooBig);
    HideEditor();
    m_fixedCols = value;
    m_topLeft = GridCoord{m_fixedCols, m_fixedRows};
    SetCurrentCell(m_fixedCols, m_fixedRows);
    UpdateScrollRanges();
    InvalidateGrid();
}

void TMyCustomGrid::SetFixedRows(int value)
{
    if (value < 0)
        ThrowGridError(GridErrors::IndexOutOfRange);
    if (value >= m_rowCount)
        ThrowGridError(GridErrors::FixedRowTooBig);
    HideEditor();
    m_fixedRows = value;
    m_topLeft = GridCoord{m_fixedCols, m_fixedRows};
    SetCurrentCell(m_fixedCols, m_fixedRows);
    UpdateScrollRanges();
    InvalidateGrid();
}

void TMyCustomGrid::DeleteRow(int ARow)
{
    if (m_rowCount <= 1)
        ThrowGridError(GridErrors::TooManyDeleted);
    MoveRow(ARow, m_rowCount - 1);
    SetRowCount(m_rowCount - 1);
}

void TMyCustomGrid::DeleteColumn(int ACol)
{
    if (m_colCount <= 1)
        ThrowGridError(GridErrors::TooManyDeleted);
    MoveColumn(ACol, m_colCount - 1);
    SetColCount(m_colCount - 1);
}

void TMyCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || FromIndex >= m_rowCount || ToIndex < 0 || ToIndex >= m_rowCount)
        ThrowGridError(GridErrors::IndexOutOfRange);
    if (FromIndex == ToIndex)
        return;
    HideEditor();
    // The current cell and the anchor stay with their rows.
    m_current.Y = MovedIndex(m_current.Y, FromIndex, ToIndex);
    m_anchor.Y = MovedIndex(m_anchor.Y, FromIndex, ToIndex);
    if (!m_rowHeights.empty()) {
        m_rowHeights.resize(static_cast<std::size_t>(m_rowCount), m_defaultRowHeight);
        const int moved = m_rowHeights[FromIndex];
        m_rowHeights.erase(m_rowHeights.begin() + FromIndex);
        m_rowHeights.insert(m_rowHeights.begin() + ToIndex, moved);
    }
    RowMoved(FromIndex, ToIndex);
    InvalidateGrid();
}

void TMyCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || FromIndex >= m_colCount || ToIndex < 0 || ToIndex >= m_colCount)
        ThrowGridError(GridErrors::IndexOutOfRange);
    if (FromIndex == ToIndex)
        return;
    HideEditor();
    m_current.X = MovedIndex(m_current.X, FromIndex, ToIndex);
    m_anchor.X = MovedIndex(m_anchor.X, FromIndex, ToIndex);
    if (!m_colWidths.empty()) {
        m_colWidths.resize(static_cast<std::size_t>(m_colCount), m_defaultColWidth);
        const int moved = m_colWidths[FromIndex];
        m_colWidths.erase(m_colWidths.begin() + FromIndex);
        m_colWidths.insert(m_colWidths.begin() + ToIndex, moved);
    }
    ColumnMoved(FromIndex, ToIndex);
    InvalidateGrid();
}

void TMyCustomGrid::ColumnMoved(int, int) { }
void TMyCustomGrid::RowMoved(int, int) { }

// ---- sizes ----------------------------------------------------------------

void TMyCustomGrid::SetDefaultColWidth(int value)
{
    if (value == m_defaultColWidth && m_colWidths.empty())
        return;
    m_colWidths.clear();
    m_defaultColWidth = value;
    UpdateScrollRanges();
    InvalidateGrid();
    ColWidthsChanged();
}

void TMyCustomGrid::SetDefaultRowHeight(int value)
{
    if (value == m_defaultRowHeight && m_rowHeights.empty())
        return;
    m_rowHeights.clear();
    m_defaultRowHeight = value;
    UpdateScrollRanges();
    InvalidateGrid();
    RowHeightsChanged();
}

void TMyCustomGrid::SetGridLineWidth(int value)
{
    value = std::max(value, 0);
    if (value == m_gridLineWidth)
        return;
    m_gridLineWidth = value;
    UpdateScrollRanges();
    InvalidateGrid();
}

int TMyCustomGrid::ColWidths(int index) const
{
    if (index < 0 || index >= m_colCount || index >= static_cast<int>(m_colWidths.size()))
        return m_defaultColWidth;
    return m_colWidths[static_cast<std::size_t>(index)];
}

int TMyCustomGrid::RowHeights(int index) const
{
    if (index < 0 || index >= m_rowCount || index >= static_cast<int>(m_rowHeights.size()))
        return m_defaultRowHeight;
    return m_rowHeights[static_cast<std::size_t>(index)];
}

void TMyCustomGrid::SetColWidths(int index, int value)
{
    if (index < 0 || index >= m_colCount)
        ThrowGridError(GridErrors::IndexOutOfRange);
    if (m_colWidths.size() < static_cast<std::size_t>(m_colCount))
        m_colWidths.resize(static_cast<std::size_t>(m_colCount), m_defaultColWidth);
    int &width = m_colWidths[static_cast<std::size_t>(index)];
    if (width == value)
        return;
    width = value;
    UpdateScrollRanges();
    InvalidateGrid();
    ColWidthsChanged();
}

void TMyCustomGrid::SetRowHeights(int index, int value)
{
    if (index < 0 || index >= m_rowCount)
        ThrowGridError(GridErrors::IndexOutOfRange);
    if (m_rowHeights.size() < static_cast<std::size_t>(m_rowCount))
        m_rowHeights.resize(static_cast<std::size_t>(m_rowCount), m_defaultRowHeight);
    int &height = m_rowHeights[static_cast<std::size_t>(index)];
    if (height == value)
        return;
    height = value;
    UpdateScrollRanges();
    InvalidateGrid();
    RowHeightsChanged();
}

QList<int> TMyCustomGrid::ColWidthsList() const
{
    QList<int> widths;
    if (!m_colWidths.empty())
        for (int i = 0; i < m_colCount; ++i)
            widths << ColWidths(i);
    return widths;
}

void TMyCustomGrid::SetColWidthsList(const QList<int> &widths)
{
    const int n = std::min(static_cast<int>(widths.size()), m_colCount);
    for (int i = 0; i < n; ++i)
        SetColWidths(i, widths[i]);
}

QList<int> TMyCustomGrid::RowHeightsList() const
{
    QList<int> heights;
    if (!m_rowHeights.empty())
        for (int i = 0; i < m_rowCount; ++i)
            heights << RowHeights(i);
    return heights;
}

void TMyCustomGrid::SetRowHeightsList(const QList<int> &heights)
{
    const int n = std::min(static_cast<int>(heights.size()), m_rowCount);
    for (int i = 0; i < n; ++i)
        SetRowHeights(i, heights[i]);
}

void TMyCustomGrid::ColWidthsChanged() { }
void TMyCustomGrid::RowHeightsChanged() { }

// ---- appearance -----------------------------------------------------------

void TMyCustomGrid::SetOptions(TGridOptions value)
{
    if (value == m_options)
        return;
    m_options = value;
    verticalScrollBar()->setTracking(value & goThumbTracking);
    horizontalScrollBar()->setTracking(value & goThumbTracking);
    if (m_editorMode && !CanEditShow())
        HideEditor();
    UpdateScrollRanges();
    InvalidateGrid();
}

void TMyCustomGrid::SetScrollBars(TScrollStyle value)
{
    if (value == m_scrollBars)
        return;
    m_scrollBars = value;
    const bool horz = value == ssHorizontal || value == ssBoth;
    const bool vert = value == ssVertical || value == ssBoth;
    setHorizontalScrollBarPolicy(horz ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vert ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

QColor TMyCustomGrid::Color() const
{
    return m_color.isValid() ? m_color : SysColor(QPalette::Base);
}

void TMyCustomGrid::SetColor(const QColor &value)
{
    if (value == m_color)
        return;
    m_color = value;
    InvalidateGrid();
}

QColor TMyCustomGrid::FixedColor() const
{
    return m_fixedColor.isValid() ? m_fixedColor : SysColor(QPalette::Button);
}

void TMyCustomGrid::SetFixedColor(const QColor &value)
{
    if (value == m_fixedColor)
        return;
    m_fixedColor = value;
    InvalidateGrid();
}

void TMyCustomGrid::SetDefaultDrawing(bool value)
{
    if (value == m_defaultDrawing)
        return;
    m_defaultDrawing = value;
    InvalidateGrid();
}

void TMyCustomGrid::SetBorderStyle(TBorderStyle value)
{
    if (value == m_borderStyle)
        return;
    m_borderStyle = value;
    setFrameStyle(value == bsSingle ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
}

// ---- axes -----------------------------------------------------------------

int TMyCustomGrid::Extent(int index, bool horizontal) const
{
    return horizontal ? ColWidths(index) : RowHeights(index);
}

GridAxisInfo TMyCustomGrid::CalcAxis(bool horizontal) const
{
    GridAxisInfo a;
    const bool lines
        = horizontal ? (m_options & (goFixedVertLine | goVertLine)) : (m_options & (goFixedHorzLine | goHorzLine));
    a.LineWidth = lines ? m_gridLineWidth : 0;
    a.FixedCellCount = horizontal ? m_fixedCols : m_fixedRows;
    a.GridCellCount = horizontal ? m_colCount : m_rowCount;
    a.FirstGridCell = horizontal ? m_topLeft.X : m_topLeft.Y;
    a.GridExtent = horizontal ? viewport()->width() : viewport()->height();

    auto step = [&](int i) {
        const int size = Extent(i, horizontal);
        return size < 0 ? 0 : size + a.LineWidth;
    };
    int pos = 0;
    for (int i = 0; i < a.FixedCellCount; ++i)
        pos += step(i);
    a.FixedBoundary = pos;

    a.LastFullVisibleCell = a.FirstGridCell - 1;
    int i = a.FirstGridCell;
    for (; i < a.GridCellCount; ++i) {
        const int size = std::max(Extent(i, horizontal), 0);
        if (pos + size > a.GridExtent)
            break;
        pos += step(i);
        a.LastFullVisibleCell = i;
    }
    a.FullVisBoundary = pos;
    for (; i < a.GridCellCount && pos < a.GridExtent; ++i)
        pos += step(i);
    a.GridBoundary = pos;
    return a;
}

GridAxisInfo TMyCustomGrid::HorzAxis() const
{
    return CalcAxis(true);
}

GridAxisInfo TMyCustomGrid::VertAxis() const
{
    return CalcAxis(false);
}

int TMyCustomGrid::CellStart(const GridAxisInfo &axis, int index, bool horizontal) const
{
    auto step = [&](int i) {
        const int size = Extent(i, horizontal);
        return size < 0 ? 0 : size + axis.LineWidth;
    };
    int pos = 0;
    if (index < axis.FixedCellCount) {
        for (int i = 0; i < index; ++i)
            pos += step(i);
        return pos;
    }
    if (index < axis.FirstGridCell)
        return -1;
    pos = axis.FixedBoundary;
    for (int i = axis.FirstGridCell; i < index && pos < axis.GridExtent; ++i)
        pos += step(i);
    return pos;
}

QRect TMyCustomGrid::CellRect(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= m_colCount || ARow >= m_rowCount)
        return {};
    const GridAxisInfo horz = HorzAxis();
    const GridAxisInfo vert = VertAxis();
    const int x = CellStart(horz, ACol, true);
    const int y = CellStart(vert, ARow, false);
    const int w = ColWidths(ACol);
    const int h = RowHeights(ARow);
    if (x < 0 || y < 0 || w < 0 || h < 0 || x >= horz.GridExtent || y >= vert.GridExtent)
        return {};
    return QRect(x, y, w, h);
}

GridCoord TMyCustomGrid::MouseCoord(int X, int Y) const
{
    auto find = [this](const GridAxisInfo &axis, int pos, bool horizontal) {
        if (pos < 0 || pos >= axis.GridExtent)
            return -1;
        int start = 0;
        auto hit = [&](int i) {
            const int size = Extent(i, horizontal);
            if (size < 0)
                return false;
            const int end = start + size + axis.LineWidth;
            const bool inside = pos < end;
            start = end;
            return inside;
        };
        for (int i = 0; i < axis.FixedCellCount; ++i)
            if (hit(i))
                return i;
        for (int i = axis.FirstGridCell; i < axis.GridCellCount && start < axis.GridExtent; ++i)
            if (hit(i))
                return i;
        return -1;
    };
    const int col = find(HorzAxis(), X, true);
    const int row = find(VertAxis(), Y, false);
    if (col < 0 || row < 0)
        return GridCoord{-1, -1};
    return GridCoord{col, row};
}

int TMyCustomGrid::VisibleColCount() const
{
    const GridAxisInfo a = HorzAxis();
    return std::max(a.LastFullVisibleCell - a.FirstGridCell + 1, 0);
}

int TMyCustomGrid::VisibleRowCount() const
{
    const GridAxisInfo a = VertAxis();
    return std::max(a.LastFullVisibleCell - a.FirstGridCell + 1, 0);
}

namespace {

// The first cell that can be the top (left) one while the last cell is still
// fully visible.
int maxFirstCell(const GridAxisInfo &a, const std::function<int(int)> &extent)
{
    int result = a.GridCellCount - 1;
    int used = 0;
    const int avail = a.GridExtent + a.LineWidth - a.FixedBoundary;
    for (int i = a.GridCellCount - 1; i >= a.FixedCellCount; --i) {
        const int size = extent(i);
        used += size < 0 ? 0 : size + a.LineWidth;
        if (used > avail)
            break;
        result = i;
    }
    return std::max(result, a.FixedCellCount);
}

} // namespace

int TMyCustomGrid::MaxTopRow() const
{
    return maxFirstCell(VertAxis(), [this](int i) { return RowHeights(i); });
}

int TMyCustomGrid::MaxLeftCol() const
{
    return maxFirstCell(HorzAxis(), [this](int i) { return ColWidths(i); });
}

// ---- position -------------------------------------------------------------

GridRect TMyCustomGrid::Selection() const
{
    if (!(m_options & goRangeSelect) && !(m_options & goRowSelect))
        return GridRect{m_current.X, m_current.Y, m_current.X, m_current.Y};
    return GridRect{std::min(m_anchor.X, m_current.X), std::min(m_anchor.Y, m_current.Y),
                    std::max(m_anchor.X, m_current.X), std::max(m_anchor.Y, m_current.Y)};
}

void TMyCustomGrid::SetSelection(const GridRect &value)
{
    CommitEditor();
    const GridRect old = Selection();
    m_anchor = GridCoord{value.Left, value.Top};
    m_current = GridCoord{value.Right, value.Bottom};
    InvalidateRect(old);
    InvalidateRect(Selection());
    FollowEditor();
}

void TMyCustomGrid::SetCol(int value)
{
    if (value != m_current.X)
        MoveCurrent(value, m_current.Y, true, true);
}

void TMyCustomGrid::SetRow(int value)
{
    if (value != m_current.Y)
        MoveCurrent(m_current.X, value, true, true);
}

void TMyCustomGrid::SetTopRow(int value)
{
    MoveTopLeft(m_topLeft.X, value);
}

void TMyCustomGrid::SetLeftCol(int value)
{
    MoveTopLeft(value, m_topLeft.Y);
}

bool TMyCustomGrid::SelectCell(int, int)
{
    return true;
}

void TMyCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= m_colCount || ARow >= m_rowCount)
        ThrowGridError(GridErrors::IndexOutOfRange);
    if (!SelectCell(ACol, ARow))
        return;
    CommitEditor();
    const GridRect old = Selection();
    m_current = GridCoord{ACol, ARow};
    if (MoveAnchor)
        m_anchor = m_current;
    if (m_options & goRowSelect) {
        m_anchor.X = m_colCount - 1;
        m_current.X = m_fixedCols;
    }
    if (Show)
        ClampInView(ACol, ARow);
    InvalidateRect(old);
    InvalidateRect(Selection());
    FollowEditor();
}

void TMyCustomGrid::SetCurrentCell(int ACol, int ARow)
{
    m_current = m_anchor = GridCoord{ACol, ARow};
}

void TMyCustomGrid::ClampInView(int ACol, int ARow)
{
    const GridAxisInfo horz = HorzAxis();
    const GridAxisInfo vert = VertAxis();
    int left = m_topLeft.X;
    int top = m_topLeft.Y;
    if (ACol >= m_fixedCols) {
        if (ACol < left) {
            left = ACol;
        } else if (ACol > horz.LastFullVisibleCell) {
            // Scroll right until the column fits or is the first scrollable one.
            int used = 0;
            const int avail = horz.GridExtent - horz.FixedBoundary;
            left = ACol;
            for (int i = ACol; i >= m_fixedCols; --i) {
                const int w = ColWidths(i);
                used += w < 0 ? 0 : w + horz.LineWidth;
                if (used - horz.LineWidth > avail)
                    break;
                left = i;
            }
        }
    }
    if (ARow >= m_fixedRows) {
        if (ARow < top) {
            top = ARow;
        } else if (ARow > vert.LastFullVisibleCell) {
            int used = 0;
            const int avail = vert.GridExtent - vert.FixedBoundary;
            top = ARow;
            for (int i = ARow; i >= m_fixedRows; --i) {
                const int h = RowHeights(i);
                used += h < 0 ? 0 : h + vert.LineWidth;
                if (used - vert.LineWidth > avail)
                    break;
                top = i;
            }
        }
    }
    MoveTopLeft(left, top);
}

void TMyCustomGrid::MoveTopLeft(int ALeft, int ATop)
{
    ALeft = clampInt(ALeft, m_fixedCols, std::max(m_fixedCols, MaxLeftCol()));
    ATop = clampInt(ATop, m_fixedRows, std::max(m_fixedRows, MaxTopRow()));
    if (ALeft == m_topLeft.X && ATop == m_topLeft.Y)
        return;
    m_topLeft = GridCoord{ALeft, ATop};
    UpdateScrollRanges();
    InvalidateGrid();
    TopLeftChanged();
}

void TMyCustomGrid::TopLeftChanged() { }

void TMyCustomGrid::UpdateScrollRanges()
{
    // Showing or hiding a bar resizes the viewport, which calls back here;
    // that call only asks for another round with the new size.
    if (m_scrollSyncing) {
        m_scrollRangesStale = true;
        return;
    }
    m_scrollSyncing = true;
    for (int round = 0; round < 4; ++round) {
        m_scrollRangesStale = false;
        QScrollBar *vbar = verticalScrollBar();
        vbar->setRange(m_fixedRows, std::max({m_fixedRows, MaxTopRow(), m_topLeft.Y}));
        vbar->setPageStep(ProportionalThumbs() ? std::max(VisibleRowCount(), 1) : 1);
        vbar->setSingleStep(1);
        vbar->setValue(m_topLeft.Y);
        QScrollBar *hbar = horizontalScrollBar();
        hbar->setRange(m_fixedCols, std::max({m_fixedCols, MaxLeftCol(), m_topLeft.X}));
        hbar->setPageStep(ProportionalThumbs() ? std::max(VisibleColCount(), 1) : 1);
        hbar->setSingleStep(1);
        hbar->setValue(m_topLeft.X);
        // Show or hide the bars now rather than on the next event round, so
        // that the viewport has its final size when this returns.
        if (isVisible()) {
            setVerticalScrollBarPolicy(verticalScrollBarPolicy());
            setHorizontalScrollBarPolicy(horizontalScrollBarPolicy());
        }
        if (!m_scrollRangesStale)
            break;
    }
    m_scrollSyncing = false;
    // Whatever changed the geometry may have moved the editor's cell.
    PlaceEditor();
}

void TMyCustomGrid::scrollContentsBy(int, int)
{
    if (m_scrollSyncing)
        return;
    MoveTopLeft(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void TMyCustomGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
    InvalidateGrid();
}

// ---- invalidation ---------------------------------------------------------

void TMyCustomGrid::InvalidateCell(int ACol, int ARow)
{
    const QRect r = CellRect(ACol, ARow);
    if (!r.isEmpty())
        viewport()->update(r);
}

void TMyCustomGrid::InvalidateRow(int ARow)
{
    const GridAxisInfo vert = VertAxis();
    if (ARow < 0 || ARow >= m_rowCount)
        return;
    const int y = CellStart(vert, ARow, false);
    if (y >= 0 && y < vert.GridExtent)
        viewport()->update(QRect(0, y, viewport()->width(), RowHeights(ARow) + vert.LineWidth));
}

void TMyCustomGrid::InvalidateCol(int ACol)
{
    const GridAxisInfo horz = HorzAxis();
    if (ACol < 0 || ACol >= m_colCount)
        return;
    const int x = CellStart(horz, ACol, true);
    if (x >= 0 && x < horz.GridExtent)
        viewport()->update(QRect(x, 0, ColWidths(ACol) + horz.LineWidth, viewport()->height()));
}

void TMyCustomGrid::InvalidateGrid()
{
    viewport()->update();
}

void TMyCustomGrid::InvalidateRect(const GridRect &cells)
{
    if (cells.Left == cells.Right && cells.Top == cells.Bottom) {
        InvalidateCell(cells.Left, cells.Top);
        return;
    }
    InvalidateGrid();
}

// ---- update lock ----------------------------------------------------------

void TMyCustomGrid::BeginUpdate()
{
    if (m_updateDepth > 0) {
        ++m_updateDepth;
        return;
    }
    HideEditor();
    ++m_updateDepth;
    m_lockColCount = m_colCount;
    m_lockRowCount = m_rowCount;
    m_lockHadFocus = hasFocus();
    m_lockWasEnabled = !testAttribute(Qt::WA_ForceDisabled);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_lockFrozeUpdates = updatesEnabled();
    setUpdatesEnabled(false);
    setEnabled(false);
    fire(OnBeginUpdate, this);
}

void TMyCustomGrid::EndUpdate()
{
    if (m_updateDepth == 0)
        return;
    if (m_updateDepth > 1) {
        --m_updateDepth;
        return;
    }
    InvalidateGrid();
    if (m_lockFrozeUpdates)
        setUpdatesEnabled(true);
    setEnabled(m_lockWasEnabled);
    QApplication::restoreOverrideCursor();
    m_updateDepth = 0;
    if (m_lockHadFocus)
        setFocus();

    // Counts changed under the lock take effect now, as one change.
    if (m_colCount != m_lockColCount || m_rowCount != m_lockRowCount) {
        const int newColCount = m_colCount;
        const int newRowCount = m_rowCount;
        try {
            ApplySize(m_lockColCount, m_lockRowCount);
        } catch (...) {
            m_colCount = m_lockColCount;
            m_rowCount = m_lockRowCount;
            FollowCounts(newColCount, newRowCount, true);
            InvalidateGrid();
            throw;
        }
    } else {
        FollowCounts(m_colCount, m_rowCount, false);
    }
}
