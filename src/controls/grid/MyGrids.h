#pragma once

#include "Events.h"
#include "GridTypes.h"
#include "SparseList.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QList>

#include <memory>
#include <vector>

class QLineEdit;
class QPainter;
class InplaceEdit;

// The canvas that cell drawing uses: the painter of the current paint, and
// the brush and font that the painting loop and the format event set up.
struct GridCanvas
{
    QPainter *Painter = nullptr;
    CanvasBrush Brush;
    CanvasFont Font;
};

// Geometry of one axis (columns or rows) for the current view.
struct GridAxisInfo
{
    int LineWidth = 0; // width of the grid line after each cell
    int FixedBoundary = 0; // pixel after the fixed cells
    int GridBoundary = 0; // pixel after the last visible cell
    int GridExtent = 0; // viewport size
    int LastFullVisibleCell = 0;
    int FullVisBoundary = 0; // pixel after the last fully visible cell
    int FixedCellCount = 0;
    int FirstGridCell = 0; // LeftCol or TopRow
    int GridCellCount = 0;
};

// The grid base: geometry, scrolling, selection, the painting loop, the
// in-place editor and the update lock, on a scroll area whose viewport shows
// the cells, with the ordinary handling of mouse and keyboard (selecting
// cells, sizing columns and rows, moving them by their fixed cells,
// navigation keys). It holds no cell contents; what a cell shows is
// DrawCell's business, what the editor shows GetEditText's.
class TMyCustomGrid : public QAbstractScrollArea
{
    Q_OBJECT
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
    Q_PROPERTY(int Col READ Col WRITE SetCol)
    Q_PROPERTY(int Row READ Row WRITE SetRow)
    Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow)
    Q_PROPERTY(int LeftCol READ LeftCol WRITE SetLeftCol)
    Q_PROPERTY(int VisibleColCount READ VisibleColCount)
    Q_PROPERTY(int VisibleRowCount READ VisibleRowCount)
    Q_PROPERTY(TGridOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QColor FixedColor READ FixedColor WRITE SetFixedColor)
    Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool EditorMode READ EditorMode WRITE SetEditorMode)
    Q_PROPERTY(bool NowUpdating READ NowUpdating)
    Q_PROPERTY(QList<int> ColWidths READ ColWidthsList WRITE SetColWidthsList)
    Q_PROPERTY(QList<int> RowHeights READ RowHeightsList WRITE SetRowHeightsList)

public:
    explicit TMyCustomGrid(QWidget *parent = nullptr);
    ~TMyCustomGrid() override;

    int ColCount() const { return m_colCount; }
    void SetColCount(int value);
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int value);
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return m_fixedRows; }
    virtual void SetFixedRows(int value);
    int DefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int value);
    int GridLineWidth() const { return m_gridLineWidth; }
    void SetGridLineWidth(int value);

    // One width per column; without an array, or beyond it, the default.
    int ColWidths(int index) const;
    void SetColWidths(int index, int value);
    bool HasColWidths() const { return !m_colWidths.empty(); }
    int RowHeights(int index) const;
    void SetRowHeights(int index, int value);
    bool HasRowHeights() const { return !m_rowHeights.empty(); }
    // The form's lists: one entry per column (row), empty without an array.
    QList<int> ColWidthsList() const;
    void SetColWidthsList(const QList<int> &widths);
    QList<int> RowHeightsList() const;
    void SetRowHeightsList(const QList<int> &heights);

    int Col() const { return m_current.X; }
    void SetCol(int value);
    int Row() const { return m_current.Y; }
    void SetRow(int value);
    int TopRow() const { return m_topLeft.Y; }
    void SetTopRow(int value);
    int LeftCol() const { return m_topLeft.X; }
    void SetLeftCol(int value);
    int VisibleColCount() const;
    int VisibleRowCount() const;
    GridRect Selection() const;
    void SetSelection(const GridRect &value);

    TGridOptions Options() const { return m_options; }
    void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle value);
    QColor Color() const;
    void SetColor(const QColor &value);
    QColor FixedColor() const;
    void SetFixedColor(const QColor &value);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void SetDefaultDrawing(bool value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Whether the in-place editor is open. Opening needs goEditing and a
    // current cell outside the fixed cells; closing commits its text.
    bool EditorMode() const { return m_editorMode; }
    void SetEditorMode(bool value);
    // The in-place editor's line edit; null until it is first opened.
    QLineEdit *InplaceEditor() const;

    // The cell's rectangle in viewport coordinates; empty when not visible.
    QRect CellRect(int ACol, int ARow) const;
    // The cell under a viewport point (its grid lines count with it), or
    // (-1, -1) where there is none.
    GridCoord MouseCoord(int X, int Y) const;
    GridAxisInfo HorzAxis() const;
    GridAxisInfo VertAxis() const;

    // Update lock: while set, the grid is disabled, shows the hourglass, does
    // not repaint and only stores count changes. Nested locks are counted;
    // the outermost pair does the work.
    virtual void BeginUpdate();
    virtual void EndUpdate();
    bool NowUpdating() const { return m_updateDepth > 0; }
    TNotifyEvent OnBeginUpdate;

    // Removes rows or columns, moving the ones after them up (left).
    void DeleteRow(int ARow);
    void DeleteColumn(int ACol);
    void MoveRow(int FromIndex, int ToIndex);
    void MoveColumn(int FromIndex, int ToIndex);

    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGrid();

    // Colours of the desktop scheme as the grid uses them.
    QColor SysColor(QPalette::ColorRole role) const;

protected:
    // Counts and view after a change of the counts (old counts given).
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    // Whether (ACol, ARow) may become the current cell.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void DrawCell(int ACol, int ARow, const QRect &ARect, TGridDrawState AState);
    virtual void TopLeftChanged();
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    // Refreshes the in-place editor after the current cell's text changed.
    virtual void UpdateEditorText();
    // What the in-place editor shows for a cell, its input mask (in
    // QLineEdit's syntax, empty for none), and where a committed text goes.
    virtual QString GetEditText(int ACol, int ARow);
    virtual QString GetEditMask(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString &Value);
    // Opens the editor over the current cell with its text all selected.
    void ShowEditor();
    // Commits the editor's text if it was changed, and closes the editor.
    void HideEditor();
    // Drops what was typed; the editor closes unless it is always shown.
    void CancelEditor();
    // Writes the editor's text to its cell through SetEditText when the
    // user changed it.
    void CommitEditor();
    // After the current cell moved: the open editor moves along with the
    // new cell's text, or closes where that cell cannot be edited.
    void FollowEditor();
    bool CanEditShow() const;
    // Keeps an index in step with a row or column moved from FromIndex to
    // ToIndex.
    static int MovedIndex(int index, int FromIndex, int ToIndex);
    // Scroll bar thumbs follow the visible share when this says so.
    virtual bool ProportionalThumbs() const { return true; }

    // Makes (ACol, ARow) current after SelectCell agreed; keeps the anchor
    // unless MoveAnchor; scrolls it into view when Show.
    void MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    // Sets the current cell and the anchor without any check or scrolling.
    void SetCurrentCell(int ACol, int ARow);
    void MoveTopLeft(int ALeft, int ATop);
    void ClampInView(int ACol, int ARow);
    void UpdateScrollRanges();
    int MaxTopRow() const;
    int MaxLeftCol() const;

    GridCanvas &Canvas() { return m_canvas; }
    int UpdateDepth() const { return m_updateDepth; }

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent *event) override;

    // Ordinary grid handling of the mouse and the keyboard: selecting cells,
    // column sizing at the header's border lines, navigation keys.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;

    // Whether a press at the viewport point (X, Y) starts sizing a column
    // (a row): which one, and where its border line starts.
    bool ColSizingZone(int X, int Y, int &index, int &linePos) const;
    bool RowSizingZone(int X, int Y, int &index, int &linePos) const;
    bool IsSizing() const { return m_gridState == GridState::ColSizing || m_gridState == GridState::RowSizing; }
    bool IsRowMoving() const { return m_gridState == GridState::RowMoving; }
    // Drops a sizing, moving or selecting operation of the mouse without
    // applying it.
    void CancelMouseState();

private:
    friend class InplaceEdit;
    enum class GridState { Normal, Selecting, ColSizing, RowSizing, ColMoving, RowMoving };

    bool SizingZone(bool horizontal, int X, int Y, int &index, int &linePos) const;
    QRect SizingLineRect() const;
    QRect MoveMarkRect() const;
    void InvalidateMouseMark();
    void PaintMouseMark(QPainter &painter);
    void TrackMove(QPoint pos);
    // The editor's own keys and its loss of the focus.
    void EditorReturn();
    void EditorFocusLost();
    void LoadEditor();
    void PlaceEditor();
    void CloseEditor(bool focusGrid);
    // A visible cell of the current paint: index, start and size.
    struct PaintCell
    {
        int Index, Start, Size;
    };

    void ChangeSize(int NewColCount, int NewRowCount);
    void ApplySize(int OldColCount, int OldRowCount);
    void FollowCounts(int OldColCount, int OldRowCount, bool repaintAll);
    void InvalidateRect(const GridRect &cells);
    void PaintLines(QPainter &painter, const GridAxisInfo &horz, const GridAxisInfo &vert);
    void CollectVisible(std::vector<PaintCell> &cells, const GridAxisInfo &axis, bool horizontal) const;
    void PaintOneCell(int ACol, int ARow, const QRect &rect);
    GridAxisInfo CalcAxis(bool horizontal) const;
    int CellStart(const GridAxisInfo &axis, int index, bool horizontal) const;
    int Extent(int index, bool horizontal) const;

    int m_colCount = 5;
    int m_rowCount = 5;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    int m_gridLineWidth = 1;
    std::vector<int> m_colWidths;
    std::vector<int> m_rowHeights;
    GridCoord m_current{1, 1};
    GridCoord m_anchor{1, 1};
    GridCoord m_topLeft{1, 1};
    TGridOptions m_options = DefaultGridOptions;
    TScrollStyle m_scrollBars = ssBoth;
    QColor m_color; // invalid: the desktop's window colour
    QColor m_fixedColor; // invalid: the desktop's button face
    bool m_defaultDrawing = true;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_editorMode = false;
    int m_updateDepth = 0;
    int m_lockColCount = 0;
    int m_lockRowCount = 0;
    bool m_lockHadFocus = false;
    bool m_lockWasEnabled = true;
    bool m_lockFrozeUpdates = false;
    bool m_scrollSyncing = false;
    bool m_scrollRangesStale = false;
    GridState m_gridState = GridState::Normal;
    int m_sizingIndex = -1;
    int m_sizingPos = 0;
    int m_sizingOfs = 0;
    int m_moveFrom = -1; // the row or column being moved, and where it goes
    int m_moveTo = -1;
    InplaceEdit *m_inplace = nullptr;
    GridCoord m_editCell{-1, -1};
    bool m_closingEditor = false;
    GridCanvas m_canvas;
    std::vector<PaintCell> m_paintCols;
    std::vector<PaintCell> m_paintRows;
};

// Adds the cell events.
class TMyCustomDrawGrid : public TMyCustomGrid
{
    Q_OBJECT

public:
    explicit TMyCustomDrawGrid(QWidget *parent = nullptr);

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TGetEditEvent OnGetEditMask;

protected:
    bool SelectCell(int ACol, int ARow) override;
    void DrawCell(int ACol, int ARow, const QRect &ARect, TGridDrawState AState) override;
    QString GetEditText(int ACol, int ARow) override;
    QString GetEditMask(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString &Value) override;
    void TopLeftChanged() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
};

// The grid with its properties open to the form (all are Qt properties).
class TMyDrawGrid : public TMyCustomDrawGrid
{
    Q_OBJECT

public:
    explicit TMyDrawGrid(QWidget *parent = nullptr);
};

class TMyStringGrid;

// A string-list view of one row or one column of a string grid: reads and
// writes go to the grid's cells; the view cannot insert or delete.
class TMyStringGridStrings
{
public:
    enum Kind { RowView, ColView };
    TMyStringGridStrings(TMyStringGrid *grid, Kind kind, int index);

    int Count() const;
    QString Get(int index) const;
    void Put(int index, const QString &text);
    QObject *GetObject(int index) const;
    void PutObject(int index, QObject *object);
    void Assign(const QStringList &texts);
    void Clear();
    QStringList ToStringList() const;
    [[noreturn]] void Insert(int index, const QString &text);
    [[noreturn]] void Delete(int index);

private:
    TMyStringGrid *m_grid;
    Kind m_kind;
    int m_index;
};

// The text cell store: every cell holds a text and an object reference in a
// two-level sparse structure (rows, then the columns of a written row). The
// store does not follow the counts: cells beyond them stay and show again
// when the counts grow. Stored objects are not owned.
class TMyStringGrid : public TMyDrawGrid
{
    Q_OBJECT

public:
    explicit TMyStringGrid(QWidget *parent = nullptr);
    ~TMyStringGrid() override;

    Q_INVOKABLE QString Cells(int ACol, int ARow) const;
    Q_INVOKABLE void SetCells(int ACol, int ARow, const QString &text);
    QObject *Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, QObject *object);
    TMyStringGridStrings &Rows(int ARow);
    TMyStringGridStrings &Cols(int ACol);

    // Memory held by the store and its views, for checking its sparseness.
    std::size_t StoreMemoryBytes() const;
    // Number of rows for which a cell list exists.
    int StoredRowCount() const;
    // One past the highest row for which a cell list exists (0: none), so
    // that rows beyond the row count can be reached as well.
    int StoredRowEnd() const;

protected:
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    // The editor starts from the cell's text, and a committed text is
    // stored in the cell before OnSetEditText hears of it.
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString &Value) override;

private:
    TStringSparseList *RowList(int ARow, bool create);
    void EnsureViews(int ACol, int ARow);

    // Created on the first write, so that its section size fits the grid.
    std::unique_ptr<TSparseList<std::unique_ptr<TStringSparseList>>> m_data;
    TSparseList<std::unique_ptr<TMyStringGridStrings>> m_rows;
    TSparseList<std::unique_ptr<TMyStringGridStrings>> m_cols;
};
