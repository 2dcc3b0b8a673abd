#include "MyGrids.h"

#include "GridErrors.h"

#include <QStringList>

#include <algorithm>

namespace {

void checkIndex(int index)
{
    if (index < 0)
        ThrowListIndexError(index);
}

} // namespace

// ---- row and column views -------------------------------------------------

TMyStringGridStrings::TMyStringGridStrings(TMyStringGrid *grid, Kind kind, int index)
    : m_grid(grid)
    , m_kind(kind)
    , m_index(index)
{
}

int TMyStringGridStrings::Count() const
{
    return m_kind == RowView ? m_grid->ColCount() : m_grid->RowCount();
}

QString TMyStringGridStrings::Get(int index) const
{
    return m_kind == RowView ? m_grid->Cells(index, m_index) : m_grid->Cells(m_index, index);
}

void TMyStringGridStrings::Put(int index, const QString &text)
{
    if (m_kind == RowView)
        m_grid->SetCells(index, m_index, text);
    else
        m_grid->SetCells(m_index, index, text);
}

QObject *TMyStringGridStrings::GetObject(int index) const
{
    return m_kind == RowView ? m_grid->Objects(index, m_index) : m_grid->Objects(m_index, index);
}

void TMyStringGridStrings::PutObject(int index, QObject *object)
{
    if (m_kind == RowView)
        m_grid->SetObjects(index, m_index, object);
    else
        m_grid->SetObjects(m_index, index, object);
}

void TMyStringGridStrings::Assign(const QStringList &texts)
{
    const int n = std::min(Count(), static_cast<int>(texts.size()));
    for (int i = 0; i < n; ++i)
        Put(i, texts[i]);
    for (int i = n; i < Count(); ++i)
        Put(i, QString());
}

void TMyStringGridStrings::Clear()
{
    for (int i = 0; i < Count(); ++i) {
        Put(i, QString());
        PutObject(i, nullptr);
    }
}

QStringList TMyStringGridStrings::ToStringList() const
{
    QStringList texts;
    for (int i = 0; i < Count(); ++i)
        texts << Get(i);
    return texts;
}

void TMyStringGridStrings::Insert(int, const QString &)
{
    ThrowGridError(GridErrors::BadGridViewOp);
}

void TMyStringGridStrings::Delete(int)
{
    ThrowGridError(GridErrors::BadGridViewOp);
}

// ---- the store ------------------------------------------------------------

TMyStringGrid::TMyStringGrid(QWidget *parent)
    : TMyDrawGrid(parent)
    , m_rows(TSPAQuantum::SPASmall)
    , m_cols(TSPAQuantum::SPASmall)
{
}

TMyStringGrid::~TMyStringGrid() = default;

TStringSparseList *TMyStringGrid::RowList(int ARow, bool create)
{
    if (!m_data) {
        if (!create)
            return nullptr;
        m_data = std::make_unique<TSparseList<std::unique_ptr<TStringSparseList>>>(
            RowCount() > 256 ? TSPAQuantum::SPALarge : TSPAQuantum::SPASmall);
    }
    if (!create) {
        auto *slot = m_data->Find(ARow);
        return slot ? slot->get() : nullptr;
    }
    auto &slot = m_data->Slot(ARow);
    if (!slot)
        slot = std::make_unique<TStringSparseList>(ColCount() > 512 ? TSPAQuantum::SPALarge : TSPAQuantum::SPASmall);
    return slot.get();
}

QString TMyStringGrid::Cells(int ACol, int ARow) const
{
    checkIndex(ACol);
    checkIndex(ARow);
    const TStringSparseList *row = const_cast<TMyStringGrid *>(this)->RowList(ARow, false);
    return row ? row->Get(ACol) : QString();
}

void TMyStringGrid::SetCells(int ACol, int ARow, const QString &text)
{
    checkIndex(ACol);
    checkIndex(ARow);
    if (text.isEmpty() && !RowList(ARow, false))
        return; // an empty text where nothing is stored changes nothing
    RowList(ARow, true)->Put(ACol, text);
    EnsureViews(ACol, ARow);
    InvalidateCell(ACol, ARow);
    if (ACol == Col() && ARow == Row())
        UpdateEditorText();
}

QObject *TMyStringGrid::Objects(int ACol, int ARow) const
{
    checkIndex(ACol);
    checkIndex(ARow);
    const TStringSparseList *row = const_cast<TMyStringGrid *>(this)->RowList(ARow, false);
    return row ? row->GetObject(ACol) : nullptr;
}

void TMyStringGrid::SetObjects(int ACol, int ARow, QObject *object)
{
    checkIndex(ACol);
    checkIndex(ARow);
    if (!object && !RowList(ARow, false))
        return;
    RowList(ARow, true)->PutObject(ACol, object);
    EnsureViews(ACol, ARow);
    InvalidateCell(ACol, ARow);
}

void TMyStringGrid::EnsureViews(int ACol, int ARow)
{
    auto &row = m_rows.Slot(ARow);
    if (!row)
        row = std::make_unique<TMyStringGridStrings>(this, TMyStringGridStrings::RowView, ARow);
    auto &col = m_cols.Slot(ACol);
    if (!col)
        col = std::make_unique<TMyStringGridStrings>(this, TMyStringGridStrings::ColView, ACol);
}

TMyStringGridStrings &TMyStringGrid::Rows(int ARow)
{
    checkIndex(ARow);
    auto &row = m_rows.Slot(ARow);
    if (!row)
        row = std::make_unique<TMyStringGridStrings>(this, TMyStringGridStrings::RowView, ARow);
    return *row;
}

TMyStringGridStrings &TMyStringGrid::Cols(int ACol)
{
    checkIndex(ACol);
    auto &col = m_cols.Slot(ACol);
    if (!col)
        col = std::make_unique<TMyStringGridStrings>(this, TMyStringGridStrings::ColView, ACol);
    return *col;
}

QString TMyStringGrid::GetEditText(int ACol, int ARow)
{
    QString value = Cells(ACol, ARow);
    fire(OnGetEditText, this, ACol, ARow, value);
    return value;
}

void TMyStringGrid::SetEditText(int ACol, int ARow, const QString &Value)
{
    SetCells(ACol, ARow, Value);
    TMyDrawGrid::SetEditText(ACol, ARow, Value);
}

void TMyStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (m_data && (m_data->Find(FromIndex) || m_data->Find(ToIndex))) {
        std::unique_ptr<TStringSparseList> moved;
        if (auto *slot = m_data->Find(FromIndex))
            moved = std::move(*slot);
        m_data->Delete(FromIndex);
        m_data->Insert(ToIndex);
        if (moved)
            m_data->Slot(ToIndex) = std::move(moved);
    }
    TMyDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TMyStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (m_data)
        m_data->ForAll([&](int, const std::unique_ptr<TStringSparseList> &row) {
            if (row)
                row->Move(FromIndex, ToIndex);
        });
    TMyDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

std::size_t TMyStringGrid::StoreMemoryBytes() const
{
    std::size_t bytes = m_rows.MemoryBytes() + m_cols.MemoryBytes();
    m_rows.ForAll([&bytes](int, const std::unique_ptr<TMyStringGridStrings> &v) {
        if (v)
            bytes += sizeof(TMyStringGridStrings);
    });
    m_cols.ForAll([&bytes](int, const std::unique_ptr<TMyStringGridStrings> &v) {
        if (v)
            bytes += sizeof(TMyStringGridStrings);
    });
    if (m_data) {
        bytes += m_data->MemoryBytes();
        m_data->ForAll([&bytes](int, const std::unique_ptr<TStringSparseList> &row) {
            if (row)
                bytes += row->MemoryBytes();
        });
    }
    return bytes;
}

int TMyStringGrid::StoredRowCount() const
{
    int n = 0;
    if (m_data)
        m_data->ForAll([&n](int, const std::unique_ptr<TStringSparseList> &row) {
            if (row)
                ++n;
        });
    return n;
}

int TMyStringGrid::StoredRowEnd() const
{
    int end = 0;
    if (m_data)
        m_data->ForAll([&end](int row, const std::unique_ptr<TStringSparseList> &list) {
            if (list)
                end = std::max(end, row + 1);
        });
    return end;
}
