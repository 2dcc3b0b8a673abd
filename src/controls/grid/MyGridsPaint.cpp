#include "MyGrids.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Runs at the end of a paint, also when cell drawing throws.
class CanvasPainterScope
{
public:
    CanvasPainterScope(GridCanvas &canvas, QPainter *painter)
        : m_canvas(canvas)
    {
        m_canvas.Painter = painter;
    }
    ~CanvasPainterScope() { m_canvas.Painter = nullptr; }
    CanvasPainterScope(const CanvasPainterScope &) = delete;
    CanvasPainterScope &operator=(const CanvasPainterScope &) = delete;

private:
    GridCanvas &m_canvas;
};

} // namespace

void TMyCustomGrid::CollectVisible(std::vector<PaintCell> &cells, const GridAxisInfo &axis, bool horizontal) const
{
    cells.clear();
    int pos = 0;
    auto add = [&](int i) {
        const int size = Extent(i, horizontal);
        if (size < 0)
            return;
        if (pos < axis.GridExtent)
            cells.push_back(PaintCell{i, pos, size});
        pos += size + axis.LineWidth;
    };
    for (int i = 0; i < axis.FixedCellCount; ++i)
        add(i);
    for (int i = axis.FirstGridCell; i < axis.GridCellCount && pos < axis.GridExtent; ++i)
        add(i);
}

void TMyCustomGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    CanvasPainterScope scope(m_canvas, &painter);
    m_canvas.Font = CanvasFont(font(), SysColor(QPalette::Text));
    m_canvas.Brush = CanvasBrush{Color(), Qt::SolidPattern};

    const GridAxisInfo horz = HorzAxis();
    const GridAxisInfo vert = VertAxis();
    CollectVisible(m_paintCols, horz, true);
    CollectVisible(m_paintRows, vert, false);

    PaintLines(painter, horz, vert);

    const QRect dirty = event->rect();
    auto paintBand = [&](bool fixedRows, bool fixedCols) {
        for (const PaintCell &r : m_paintRows) {
            if ((r.Index < m_fixedRows) != fixedRows)
                continue;
            for (const PaintCell &c : m_paintCols) {
                if (fixedCols != (c.Index < m_fixedCols))
                    continue;
                const QRect rect(c.Start, r.Start, c.Size, r.Size);
                if (rect.intersects(dirty) || rect.isEmpty())
                    PaintOneCell(c.Index, r.Index, rect);
            }
        }
    };
    // Fixed areas first: the fixed rows, the fixed columns, then the rest.
    paintBand(true, true);
    paintBand(true, false);
    paintBand(false, true);
    paintBand(false, false);

    // What lies beyond the last column and below the last row.
    const int w = viewport()->width();
    const int h = viewport()->height();
    const int right = std::min(horz.GridBoundary, w);
    const int bottom = std::min(vert.GridBoundary, h);
    if (right < w)
        painter.fillRect(QRect(right, 0, w - right, h), Color());
    if (bottom < h)
        painter.fillRect(QRect(0, bottom, right, h - bottom), Color());
    PaintMouseMark(painter);
}

void TMyCustomGrid::PaintLines(QPainter &painter, const GridAxisInfo &horz, const GridAxisInfo &vert)
{
    const int right = std::min(horz.GridBoundary, horz.GridExtent);
    const int bottom = std::min(vert.GridBoundary, vert.GridExtent);
    const QColor color = Color();
    const QColor fixedVert = (m_options & goFixedVertLine) ? GridColors::clBlack() : FixedColor();
    const QColor fixedHorz = (m_options & goFixedHorzLine) ? GridColors::clBlack() : FixedColor();
    const QColor silver = color == GridColors::clSilver() ? GridColors::clGray() : GridColors::clSilver();
    const QColor scrollVert = (m_options & goVertLine) ? silver : color;
    const QColor scrollHorz = (m_options & goHorzLine) ? silver : color;
    const int vlw = horz.LineWidth;
    const int hlw = vert.LineWidth;

    // The fixed area: lines of fixed cells, and the parts of the other lines
    // that cross the fixed band.
    if (vlw > 0)
        for (const PaintCell &c : m_paintCols) {
            const int lineBottom = c.Index < m_fixedCols ? bottom : vert.FixedBoundary;
            painter.fillRect(QRect(c.Start + c.Size, 0, vlw, lineBottom), fixedVert);
        }
    if (hlw > 0)
        for (const PaintCell &r : m_paintRows) {
            const int lineRight = r.Index < m_fixedRows ? right : horz.FixedBoundary;
            painter.fillRect(QRect(0, r.Start + r.Size, lineRight, hlw), fixedHorz);
        }
    // The scrollable area.
    if (vlw > 0)
        for (const PaintCell &c : m_paintCols)
            if (c.Index >= m_fixedCols)
                painter.fillRect(QRect(c.Start + c.Size, vert.FixedBoundary, vlw, bottom - vert.FixedBoundary),
                                 scrollVert);
    if (hlw > 0)
        for (const PaintCell &r : m_paintRows)
            if (r.Index >= m_fixedRows)
                painter.fillRect(QRect(horz.FixedBoundary, r.Start + r.Size, right - horz.FixedBoundary, hlw),
                                 scrollHorz);
}

void TMyCustomGrid::PaintOneCell(int ACol, int ARow, const QRect &rect)
{
    const bool currentCell = m_current.X == ACol && m_current.Y == ARow;
    if (currentCell && (m_options & goEditing) && m_editorMode)
        return; // the in-place editor covers it
    const bool focusedCell = currentCell && hasFocus();

    TGridDrawState state;
    if (ACol < m_fixedCols || ARow < m_fixedRows)
        state |= gdFixed;
    if (focusedCell)
        state |= gdFocused;
    if (Selection().containsCell(ACol, ARow))
        state |= gdSelected;

    QPainter &painter = *m_canvas.Painter;
    if (m_defaultDrawing) {
        m_canvas.Font = CanvasFont(font(), SysColor(QPalette::Text));
        m_canvas.Brush.Style = Qt::SolidPattern;
        if ((state & gdSelected) && (!(state & gdFocused) || (m_options & (goDrawFocusSelected | goRowSelect)))) {
            m_canvas.Brush.Color = SysColor(QPalette::Highlight);
            m_canvas.Font.Color = SysColor(QPalette::HighlightedText);
        } else {
            m_canvas.Brush.Color = (state & gdFixed) ? FixedColor() : Color();
        }
        painter.fillRect(rect, m_canvas.Brush.Color);
    }

    DrawCell(ACol, ARow, rect, state);

    if (m_defaultDrawing && (state & gdFixed)) {
        // A raised inner edge on the sides that have fixed grid lines.
        const QColor light = SysColor(QPalette::Light);
        const QColor dark = SysColor(QPalette::Dark);
        if (m_options & goFixedVertLine) {
            painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), dark);
            painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), light);
        }
        if (m_options & goFixedHorzLine) {
            painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), dark);
            painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), light);
        }
    }

    if (m_defaultDrawing && (state & gdFocused) && !((m_options & goEditing) && (m_options & goAlwaysShowEditor))
        && !(m_options & goRowSelect)) {
        QPen pen(m_canvas.Font.Color);
        pen.setStyle(Qt::DotLine);
        painter.save();
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.restore();
    }
}

void TMyCustomGrid::DrawCell(int, int, const QRect &, TGridDrawState) { }
