#include "SortGrid.h"

#include "GridErrors.h"
#include "GridImages.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Holds back the repainting of a window while the current cell moves, so
// that the move shows as one change.
class RepaintFreeze
{
public:
    explicit RepaintFreeze(QWidget *window)
        : m_window(window)
        , m_wasEnabled(window->updatesEnabled())
    {
        if (m_wasEnabled)
            m_window->setUpdatesEnabled(false);
    }
    ~RepaintFreeze()
    {
        if (m_wasEnabled)
            m_window->setUpdatesEnabled(true);
    }
    RepaintFreeze(const RepaintFreeze &) = delete;
    RepaintFreeze &operator=(const RepaintFreeze &) = delete;

private:
    QWidget *m_window;
    bool m_wasEnabled;
};

} // namespace

TSortGrid::TSortGrid(QWidget *parent)
    : TMyStringGrid(parent)
{
    SetFixedCols(0);
    m_selectedRows = QStringList{QString::number(Row())};
    m_arrowUp = LoadGridBitmap(u"UP");
    m_arrowDown = LoadGridBitmap(u"DOWN");
    m_dropDownHolder = new QWidget(this);
    m_dropDownHolder->setObjectName(QStringLiteral("DropDownList"));
    m_dropDownHolder->hide();
}

QListWidget *TSortGrid::DropDownList()
{
    if (!m_dropDownList) {
        m_dropDownList = new QListWidget(m_dropDownHolder);
        m_dropDownList->setSortingEnabled(true);
        auto *layout = new QVBoxLayout(m_dropDownHolder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_dropDownList);
    }
    return m_dropDownList;
}

TSortGrid::~TSortGrid() = default;

void TSortGrid::SetFixedRows(int)
{
    // The header row cannot be switched off.
}

void TSortGrid::SetAlignmentHorz(TAlignment value)
{
    if (value == m_alignmentHorz)
        return;
    m_alignmentHorz = value;
    InvalidateGrid();
}

void TSortGrid::SetAlignmentVert(TVertAlignment value)
{
    if (value == m_alignmentVert)
        return;
    m_alignmentVert = value;
    InvalidateGrid();
}

void TSortGrid::SetBevelStyle(TCellBevelStyle value)
{
    if (value == m_bevelStyle)
        return;
    m_bevelStyle = value;
    InvalidateGrid();
}

void TSortGrid::SetHideRows(bool value)
{
    if (value == m_hideRows)
        return;
    m_hideRows = value;
    if (RowCount() > 1)
        SetRow(1);
    InvalidateGrid();
}

void TSortGrid::SetMultiSelect(bool value)
{
    if (value == m_multiSelect)
        return;
    m_multiSelect = value;
    m_selectedRows = QStringList{QString::number(Row())};
    InvalidateGrid();
}

void TSortGrid::SetProportionalScrollBars(bool value)
{
    if (value == m_proportionalScrollBars)
        return;
    m_proportionalScrollBars = value;
    UpdateScrollRanges();
}

void TSortGrid::SetSortOptions(const TSortOptions &value)
{
    // The ssCustom comparison is no stored setting and takes no part in the
    // comparison below; it is taken over whatever else changes.
    m_sortOptions.SortCompare = value.SortCompare;
    if (value == m_sortOptions)
        return;
    m_sortOptions = value;
    InvalidateGrid();
}

void TSortGrid::SetModified(bool value)
{
    m_modified = value;
    if (value)
        fire(OnModified, this);
}

bool TSortGrid::IsSortColumn(int ACol) const
{
    return m_sortOptions.CanSort && m_sortOptions.SortCol == ACol;
}

// ---- count changes and the current cell -----------------------------------

void TSortGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    SetModified(true);
    if (m_proportionalScrollBars)
        UpdateScrollRanges();
    if (m_sortOptions.UpdateOnSizeChange)
        SortByColumn(m_sortOptions.SortCol);
    if (!NowUpdating()) {
        try {
            MoveToCell(0, 1, true);
        } catch (const std::exception &) {
            // The move is a convenience; the count change stands without it.
        }
    }
    if (RowCount() < 2)
        ShowMessage(QString::fromLatin1(GridErrors::RowsizeTooSmall));
    fire(OnSizeChanged, this, OldColCount, OldRowCount);
}

void TSortGrid::ShowMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    box.exec();
}

void TSortGrid::MoveToCell(int ACol, int ARow, bool Show)
{
    ACol = std::clamp(ACol, 0, ColCount() - 1);
    ARow = std::min(std::max(ARow, 1), RowCount() - 1);
    if (!SelectCell(ACol, ARow))
        return;
    RepaintFreeze freeze(window());
    CommitEditor();
    SetCurrentCell(ACol, ARow);
    m_selectedRows = QStringList{QString::number(ARow)};
    InvalidateGrid();
    if (Show)
        ScrollToCell(ACol, ARow);
    FollowEditor();
}

void TSortGrid::ScrollToCell(int ACol, int ARow)
{
    ACol = std::clamp(ACol, 0, ColCount() - 1);
    ARow = std::min(std::max(ARow, 1), RowCount() - 1);

    if (ACol >= FixedCols()) {
        // One column at a time towards ACol until it is fully visible; a
        // column wider than the view stops as the first one.
        for (;;) {
            const GridAxisInfo horz = HorzAxis();
            const int left = LeftCol();
            const bool fullyVisible = ACol >= left && ACol <= horz.LastFullVisibleCell;
            if (fullyVisible || ACol == left)
                break;
            SetLeftCol(ACol < left ? left - 1 : left + 1);
            if (LeftCol() == left)
                break;
        }
    }

    const int maxTop = std::max(RowCount() - VisibleRowCount(), 1);
    SetTopRow(ARow > maxTop ? maxTop : std::max(ARow - 1, 1));
}

bool TSortGrid::SelectCell(int ACol, int ARow)
{
    if (!TMyStringGrid::SelectCell(ACol, ARow))
        return false;
    // The open editor is about to move there.
    if (EditorMode())
        QueryCellControl(ACol, ARow);
    fire(OnRowSelected, this);
    InvalidateRow(Row());
    InvalidateRow(ARow);
    if (!m_multiSelect)
        m_selectedRows = QStringList{QString::number(ARow)};
    return true;
}

// ---- widths and the stretch -----------------------------------------------

void TSortGrid::ColWidthsChanged()
{
    TMyStringGrid::ColWidthsChanged();
    fire(OnColumnWidthsChanged, this);
}

void TSortGrid::RowMoved(int FromIndex, int ToIndex)
{
    TMyStringGrid::RowMoved(FromIndex, ToIndex);
    for (QString &row : m_selectedRows)
        row = QString::number(MovedIndex(row.toInt(), FromIndex, ToIndex));
}

void TSortGrid::SetEditText(int ACol, int ARow, const QString &Value)
{
    TMyStringGrid::SetEditText(ACol, ARow, Value);
    SetModified(true);
}

void TSortGrid::RowHeightsChanged()
{
    TMyStringGrid::RowHeightsChanged();
    fire(OnRowHeightsChanged, this);
}

bool TSortGrid::event(QEvent *e)
{
    const bool result = TMyStringGrid::event(e);
    if (e->type() == QEvent::Resize) {
        StretchLastColumn();
        InvalidateGrid();
        if (m_proportionalScrollBars)
            UpdateScrollRanges();
    }
    return result;
}

void TSortGrid::StretchLastColumn()
{
    const int visible = VisibleColCount();
    if (LeftCol() + visible != ColCount())
        return;
    int sum = 0;
    for (int i = LeftCol(); i <= ColCount() - 2; ++i)
        sum += ColWidths(i);
    const int fill = width() - sum - (visible + 3);
    if (fill > 0)
        SetColWidths(ColCount() - 1, fill);
}

// ---- update lock ----------------------------------------------------------

void TSortGrid::BeginUpdate()
{
    const bool outermost = UpdateDepth() == 0;
    TMyStringGrid::BeginUpdate();
    if (outermost) {
        m_savedUpdateOnSizeChange = m_sortOptions.UpdateOnSizeChange;
        m_sortOptions.UpdateOnSizeChange = false;
    }
}

void TSortGrid::EndUpdate()
{
    const bool outermost = UpdateDepth() == 1;
    if (!outermost) {
        TMyStringGrid::EndUpdate();
        return;
    }
    try {
        TMyStringGrid::EndUpdate();
    } catch (...) {
        m_sortOptions.UpdateOnSizeChange = m_savedUpdateOnSizeChange;
        throw;
    }
    m_sortOptions.UpdateOnSizeChange = m_savedUpdateOnSizeChange;
    fire(OnEndUpdate, this);
}
