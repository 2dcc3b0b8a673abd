#pragma once

#include "MyGrids.h"
#include "SortOptions.h"

#include <QImage>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <optional>
#include <vector>

class QListWidget;
class QMimeData;

// Asked once per key column of a sort; what it leaves in SortStyle is used.
using TGetSortStyleEvent = std::function<void(QObject *Sender, int Col, TSortStyle &SortStyle)>;
// Asked once per data row when filtering is switched on; Accept (False on
// entry) keeps the row visible. ARows holds the row's texts in column order.
using TSetFilterEvent = std::function<void(const QStringList &ARows, bool &Accept)>;

// The lap grid: a text grid with one fixed header row in which every cell
// is formatted by the owner's OnGetCellFormat just before it is drawn. It
// shortens header texts that do not fit, stretches the last column to the
// control's width, sorts its data rows by a column (header click or
// SortByColumn) and hides the rows the owner's filter rejects. The user
// jumps to a row by typing its first character, scrolls with the wheel and
// drags the current row out as text. With goEditing, cells are edited in
// place (F2, Enter, a typed character or a double-click).
class TSortGrid : public TMyStringGrid
{
    Q_OBJECT
    Q_PROPERTY(TAlignment AlignmentHorz READ AlignmentHorz WRITE SetAlignmentHorz)
    Q_PROPERTY(TVertAlignment AlignmentVert READ AlignmentVert WRITE SetAlignmentVert)
    Q_PROPERTY(TCellBevelStyle BevelStyle READ BevelStyle WRITE SetBevelStyle)
    Q_PROPERTY(bool HideRows READ HideRows WRITE SetHideRows)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
    Q_PROPERTY(bool ExtendedKeys READ ExtendedKeys WRITE SetExtendedKeys)
    Q_PROPERTY(bool ProportionalScrollBars READ ProportionalScrollBars WRITE SetProportionalScrollBars)
    Q_PROPERTY(TSortOptions SortOptions READ SortOptions WRITE SetSortOptions)
    Q_PROPERTY(TPrintOptions PrintOptions READ PrintOptions WRITE SetPrintOptions)
    Q_PROPERTY(bool Modified READ Modified WRITE SetModified)
    Q_PROPERTY(bool Filtered READ Filtered WRITE SetFiltered)
    Q_PROPERTY(QMenu *PopupMenu READ PopupMenu WRITE SetPopupMenu)

public:
    explicit TSortGrid(QWidget *parent = nullptr);
    ~TSortGrid() override;

    // The header row stays fixed; only a row count of 1 removes it.
    void SetFixedRows(int value) override;

    TAlignment AlignmentHorz() const { return m_alignmentHorz; }
    void SetAlignmentHorz(TAlignment value);
    TVertAlignment AlignmentVert() const { return m_alignmentVert; }
    void SetAlignmentVert(TVertAlignment value);
    TCellBevelStyle BevelStyle() const { return m_bevelStyle; }
    void SetBevelStyle(TCellBevelStyle value);
    bool HideRows() const { return m_hideRows; }
    void SetHideRows(bool value);
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool value);
    bool ExtendedKeys() const { return m_extendedKeys; }
    void SetExtendedKeys(bool value) { m_extendedKeys = value; }
    bool ProportionalScrollBars() const { return m_proportionalScrollBars; }
    void SetProportionalScrollBars(bool value);
    const TSortOptions &SortOptions() const { return m_sortOptions; }
    TSortOptions &SortOptions() { return m_sortOptions; }
    void SetSortOptions(const TSortOptions &value);
    const TPrintOptions &PrintOptions() const { return m_printOptions; }
    TPrintOptions &PrintOptions() { return m_printOptions; }
    void SetPrintOptions(const TPrintOptions &value) { m_printOptions = value; }
    bool Modified() const { return m_modified; }
    void SetModified(bool value);

    // Rows of the multi-row selection as decimal texts; outside it, the
    // current row.
    const QStringList &SelectedRows() const { return m_selectedRows; }
    // Where a press armed a row drag, if one did.
    std::optional<QPoint> DragStartPoint() const { return m_dragStart; }

    // Makes (ACol, ARow) current, ARow kept to the data rows, and shows it
    // with one row above it when Show.
    void MoveToCell(int ACol, int ARow, bool Show);
    void ScrollToCell(int ACol, int ARow);
    // Fits column ACol to the widest of its texts as the format event
    // formats them; a hidden column only when Force.
    void AutoSizeColumn(int ACol, bool Force);
    // Sorts the data rows by column ACol, then by the columns of
    // SortOptions.SecondaryIndex; equal keys keep their order. Does nothing
    // while SortOptions.CanSort is False.
    virtual void SortByColumn(int ACol);

    // Switching on hides the data rows that OnSetFilter rejects (all of
    // them without a handler); they are kept behind the visible rows and
    // come back when filtering is switched off.
    bool Filtered() const { return m_filtered; }
    void SetFiltered(bool value);
    int HiddenRowCount() const { return m_hiddenRowCount; }

    // The context menu shown on a right-button release over a data row.
    QMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu *menu) { m_popupMenu = menu; }

    // What a row drag carries: the row's texts, tab-separated, as plain text.
    QMimeData *RowDragData(int ARow) const;

    // The hidden, sorted list box for drop-down cells. The grid holds a
    // hidden child for it from the start; the list itself, and with it Qt's
    // item views, is made inside it when first asked for.
    QListWidget *DropDownList();

    // The format query outside painting: pre-fills FormatOptions from the
    // grid and the canvas and asks OnGetCellFormat.
    void QueryCellFormat(int ACol, int ARow, TFormatOptions &FormatOptions, bool &CheckBox, bool &Combobox,
                         bool &Ellipsis);

    void BeginUpdate() override;
    void EndUpdate() override;

    TFormatDrawCellEvent OnGetCellFormat;
    TSizeChangedEvent OnSizeChanged;
    TNotifyEvent OnColumnWidthsChanged;
    TNotifyEvent OnRowHeightsChanged;
    TNotifyEvent OnModified;
    TNotifyEvent OnRowSelected;
    TNotifyEvent OnEndUpdate;
    TGetSortStyleEvent OnGetSortStyle;
    TSetFilterEvent OnSetFilter;

protected:
    void SizeChanged(int OldColCount, int OldRowCount) override;
    bool SelectCell(int ACol, int ARow) override;
    void DrawCell(int ACol, int ARow, const QRect &ARect, TGridDrawState AState) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void RowMoved(int FromIndex, int ToIndex) override;
    // A committed edit marks the grid modified.
    void SetEditText(int ACol, int ARow, const QString &Value) override;
    bool ProportionalThumbs() const override { return m_proportionalScrollBars; }
    bool event(QEvent *event) override;

    // Widens the last column to the control's width when it is in view.
    void StretchLastColumn();
    // Shows a message in the program's message box.
    virtual void ShowMessage(const QString &text);
    // Runs the toolkit's drag-and-drop operation with the data (taken over).
    virtual void ExecDrag(QMimeData *data);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    struct RowCopy
    {
        QStringList Texts;
        std::vector<QObject *> Objects;
        int Origin = 0; // the grid row it was copied from
    };

    void SortRows(int ACol);
    std::vector<int> SortKeyColumns(int ACol) const;
    std::vector<RowCopy> CopyRows(int first, int last) const;
    void WriteRow(int ARow, const RowCopy &row);
    TSortStyle DetectStyle(const std::vector<RowCopy> &rows, int ACol) const;
    void ApplyFilter();
    void ShowHiddenRows();
    bool RowHasText(int ARow) const;
    void DeleteDataRow(int ARow);

    bool InBorderZone(int ACol, int X, int distance) const;
    void HeaderClick(int ACol, Qt::MouseButton button);
    void HeaderDoubleClick(int ACol, int X);
    void TypeAheadSearch(const QString &typed);
    // Asks the format event about a cell outside painting, for its in-cell
    // control.
    void QueryCellControl(int ACol, int ARow);
    void StartRowDrag();

    void DrawCellImages(const QRect &rect, int ARow, const QString &text, bool checkBox, bool comboBox, bool ellipsis);
    void DrawBevel(const QRect &rect, const TFormatOptions &options);
    bool IsSortColumn(int ACol) const;

    TAlignment m_alignmentHorz = taLeftJustify;
    TVertAlignment m_alignmentVert = taTopJustify;
    TCellBevelStyle m_bevelStyle = cbNone;
    bool m_hideRows = false;
    bool m_multiSelect = false;
    bool m_extendedKeys = false;
    bool m_proportionalScrollBars = false;
    bool m_modified = false;
    bool m_savedUpdateOnSizeChange = false;
    TSortOptions m_sortOptions;
    TPrintOptions m_printOptions;
    QStringList m_selectedRows;
    std::optional<QPoint> m_dragStart;
    bool m_dragging = false;
    GridCoord m_pressCell{-1, -1};
    int m_wheelRemainder = 0;
    bool m_filtered = false;
    int m_hiddenRowCount = 0;
    bool m_padRowShown = false; // an empty row stands in for an all-hidden grid
    QPointer<QMenu> m_popupMenu;
    QImage m_arrowUp;
    QImage m_arrowDown;
    QWidget *m_dropDownHolder = nullptr;
    QListWidget *m_dropDownList = nullptr;
};
