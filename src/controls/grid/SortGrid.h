#pragma once

#include "MyGrids.h"
#include "SortOptions.h"

#include <QImage>
#include <QPoint>
#include <QStringList>

#include <optional>

class QListWidget;

// The lap grid: a text grid with one fixed header row in which every cell
// is formatted by the owner's OnGetCellFormat just before it is drawn. It
// shortens header texts that do not fit, stretches the last column to the
// control's width and keeps sort and print settings. Reordering and filtering
// the rows, and the user's mouse and keyboard handling beyond the ordinary
// grid, are not its business here.
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
    // Records the sort column; reordering the rows comes with sorting.
    virtual void SortByColumn(int ACol);

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

protected:
    void SizeChanged(int OldColCount, int OldRowCount) override;
    bool SelectCell(int ACol, int ARow) override;
    void DrawCell(int ACol, int ARow, const QRect &ARect, TGridDrawState AState) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    bool ProportionalThumbs() const override { return m_proportionalScrollBars; }
    bool event(QEvent *event) override;

    // Widens the last column to the control's width when it is in view.
    void StretchLastColumn();
    // Shows a message in the program's message box.
    virtual void ShowMessage(const QString &text);

private:
    void DrawCellImages(const QRect &rect, int ARow, const QString &text, bool checkBox, bool comboBox,
                        bool ellipsis);
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
    QImage m_arrowUp;
    QImage m_arrowDown;
    QListWidget *m_dropDownList = nullptr;
};
