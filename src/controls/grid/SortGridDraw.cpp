#include "SortGrid.h"

#include "CellLayout.h"
#include "GridErrors.h"
#include "GridImages.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

bool isCheckedText(const QString &text)
{
    return text == QLatin1String("true") || text == QLatin1String("1");
}

} // namespace

void TSortGrid::QueryCellFormat(int ACol, int ARow, TFormatOptions &FormatOptions, bool &CheckBox, bool &Combobox,
                                bool &Ellipsis)
{
    GridCanvas &canvas = Canvas();
    FormatOptions.Brush = &canvas.Brush;
    FormatOptions.Font = &canvas.Font;
    FormatOptions.AlignmentHorz = m_alignmentHorz;
    FormatOptions.AlignmentVert = m_alignmentVert;
    FormatOptions.BevelStyle = m_bevelStyle;
    switch (m_bevelStyle) {
    case cbRaised:
        FormatOptions.TopLeftColor = SysColor(QPalette::Light);
        FormatOptions.BottomRightColor = SysColor(QPalette::Dark);
        break;
    case cbLowered:
        FormatOptions.TopLeftColor = SysColor(QPalette::Dark);
        FormatOptions.BottomRightColor = SysColor(QPalette::Light);
        break;
    case cbNone: FormatOptions.TopLeftColor = FormatOptions.BottomRightColor = SysColor(QPalette::Base); break;
    }
    FormatOptions.HideText = false;
    CheckBox = Combobox = Ellipsis = false;
    if (!OnGetCellFormat)
        return;
    TGridDrawState state;
    if (hasFocus() && ACol == Col() && ARow == Row())
        state |= gdFocused;
    if (Selection().containsCell(ACol, ARow))
        state |= gdSelected;
    OnGetCellFormat(this, ACol, ARow, state, FormatOptions, CheckBox, Combobox, Ellipsis);
}

void TSortGrid::DrawCell(int ACol, int ARow, const QRect &ARect, TGridDrawState AState)
{
    GridCanvas &canvas = Canvas();
    QPainter &painter = *canvas.Painter;

    // Data rows of an updating or hidden grid show empty, grid lines included.
    if (ARow >= 1 && (NowUpdating() || m_hideRows)) {
        if (canvas.Brush.Style != Qt::NoBrush) {
            const int right = ARect.left() + ARect.width() + width() + 1;
            const int bottom = ARect.top() + ARect.height() + 1;
            painter.fillRect(QRect(ARect.left(), ARect.top(), right - ARect.left(), bottom - ARect.top()),
                             canvas.Brush.Color);
        }
        return;
    }

    TFormatOptions options;
    bool checkBox = false;
    bool comboBox = false;
    bool ellipsis = false;
    QueryCellFormat(ACol, ARow, options, checkBox, comboBox, ellipsis);
    if (checkBox)
        options.HideText = true;
    CanvasFont *font = options.Font ? options.Font : &canvas.Font;

    // The selected row band is highlighted whatever the event chose.
    const GridRect selection = Selection();
    const bool inBand = (Options() & goRangeSelect) && selection.Top <= ARow && ARow <= selection.Bottom;
    const bool inMultiSelection
        = m_multiSelect && !(Options() & goEditing) && m_selectedRows.contains(QString::number(ARow));
    if (inBand || inMultiSelection) {
        font->Color = SysColor(QPalette::HighlightedText);
        canvas.Brush.Color = SysColor(QPalette::Highlight);
    }
    if (font != &canvas.Font)
        canvas.Font = *font;

    QString text = Cells(ACol, ARow);
    const QFontMetrics metrics(canvas.Font);
    const bool sortColumn = IsSortColumn(ACol);
    if (ARow == 0) {
        const int avail = ColWidths(ACol) - (sortColumn ? 12 : 1);
        text = CellLayout::ShortenHeader(text, avail,
                                         [&metrics](const QString &t) { return metrics.horizontalAdvance(t); });
    }

    int dx = CellLayout::HorzOffset(options.AlignmentHorz, ARect.width(), metrics.horizontalAdvance(text));
    const int dy = CellLayout::VertOffset(options.AlignmentVert, ARect.height(), metrics.height());
    if (sortColumn && ARow == 0)
        dx += 10;

    painter.save();
    painter.setClipRect(ARect, Qt::IntersectClip);
    if (canvas.Brush.Style != Qt::NoBrush)
        painter.fillRect(ARect, canvas.Brush.Color);
    if (!options.HideText && !text.isEmpty()) {
        painter.setFont(canvas.Font);
        painter.setPen(canvas.Font.Color);
        painter.drawText(ARect.left() + dx, ARect.top() + dy + metrics.ascent(), text);
    }
    painter.restore();

    if (sortColumn && ARow == 0) {
        // The direction arrow sits in the header, left of the text.
        const QImage &arrow = m_sortOptions.SortDirection == sdDescending ? m_arrowDown : m_arrowUp;
        const int w = ColWidths(ACol) <= 10 ? ColWidths(ACol) - 3 : 8;
        if (w > 0)
            painter.drawImage(QPoint(ARect.left() + 3, RowHeights(0) / 2 - 4), arrow, QRect(0, 0, w, 7));
    }

    DrawCellImages(ARect, ARow, Cells(ACol, ARow), checkBox, comboBox, ellipsis);
    if (options.BevelStyle != cbNone && ARow >= 1)
        DrawBevel(ARect, options);
    fire(OnDrawCell, this, ACol, ARow, ARect, AState);
}

void TSortGrid::DrawCellImages(const QRect &rect, int ARow, const QString &text, bool checkBox, bool comboBox,
                               bool ellipsis)
{
    QPainter &painter = *Canvas().Painter;
    if (checkBox) {
        const QImage image = LoadGridBitmap(isCheckedText(text) ? u"CHECKED" : u"UNCHECKED");
        const int w = std::min(10, rect.width());
        const int h = std::min(10, rect.height());
        const int x = rect.left() + (rect.width() - w) / 2;
        const int y = rect.top() + RowHeights(ARow) / 2 - 5;
        painter.drawImage(QRect(x, y, w, h), image, QRect(0, 0, w, h));
    }
    if ((comboBox || ellipsis) && ARow == Row()) {
        const QImage image = LoadGridBitmap(comboBox ? u"COMBOBOX" : u"ELLIPSIS");
        const int w = std::min(16, rect.width());
        painter.drawImage(QRect(rect.left() + rect.width() - w, rect.top(), w, rect.height()), image);
    }
}

void TSortGrid::DrawBevel(const QRect &rect, const TFormatOptions &options)
{
    QPainter &painter = *Canvas().Painter;
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    if (Options() & goFixedVertLine)
        painter.fillRect(QRect(right - 1, top, 1, bottom - top), options.BottomRightColor);
    if (Options() & goFixedHorzLine)
        painter.fillRect(QRect(left, bottom - 1, right - left, 1), options.BottomRightColor);
    if (Options() & goFixedVertLine)
        painter.fillRect(QRect(left, top, 1, bottom - top), options.TopLeftColor);
    if (Options() & goFixedHorzLine)
        painter.fillRect(QRect(left, top, right - left, 1), options.TopLeftColor);
}

void TSortGrid::AutoSizeColumn(int ACol, bool Force)
{
    if (ACol < 0 || ACol >= ColCount())
        ThrowGridError(GridErrors::IndexOutOfRange);
    if (ColWidths(ACol) == -1 && !Force)
        return;
    GridCanvas &canvas = Canvas();
    int widest = 0;
    for (int row = 0; row < RowCount(); ++row) {
        TFormatOptions options;
        bool checkBox = false;
        bool comboBox = false;
        bool ellipsis = false;
        QueryCellFormat(ACol, row, options, checkBox, comboBox, ellipsis);
        if (options.Font && options.Font != &canvas.Font)
            canvas.Font = *options.Font;
        int w = QFontMetrics(canvas.Font).horizontalAdvance(Cells(ACol, row));
        if (row == 0 && IsSortColumn(ACol))
            w += 12;
        widest = std::max(widest, w);
    }
    const QFontMetrics metrics(canvas.Font);
    SetColWidths(ACol,
                 widest > 0 ? metrics.horizontalAdvance(QStringLiteral("X")) + widest
                            : metrics.horizontalAdvance(QStringLiteral("xx")));
}
