#include "SortGrid.h"

void TSortGrid::SetFiltered(bool value)
{
    m_filtered = value;
    const bool go = value ? RowHasText(1) : m_hiddenRowCount > 0;
    if (!go)
        return;
    const bool modified = m_modified;
    const bool takeLock = !NowUpdating();
    if (takeLock)
        BeginUpdate();
    try {
        if (value) {
            // Filtering again starts from all rows, so that rows hidden
            // before are neither lost nor shown by mistake.
            if (m_hiddenRowCount > 0)
                ShowHiddenRows();
            ApplyFilter();
        } else {
            ShowHiddenRows();
            if (m_sortOptions.CanSort)
                SortByColumn(m_sortOptions.SortCol);
        }
    } catch (...) {
        if (takeLock)
            EndUpdate();
        m_modified = modified;
        throw;
    }
    if (takeLock)
        EndUpdate();
    m_modified = modified;
}

bool TSortGrid::RowHasText(int ARow) const
{
    if (ARow >= RowCount())
        return false;
    for (int c = 0; c < ColCount(); ++c)
        if (!Cells(c, ARow).isEmpty())
            return true;
    return false;
}

void TSortGrid::ApplyFilter()
{
    const int rowCount = RowCount();
    // The copy reaches one row past the last: that row stands in when no
    // row is accepted.
    std::vector<RowCopy> rows = CopyRows(0, rowCount);
    std::vector<const RowCopy *> accepted;
    std::vector<const RowCopy *> rejected;
    for (int i = 1; i < rowCount; ++i) {
        const RowCopy &row = rows[static_cast<std::size_t>(i)];
        bool accept = false;
        if (OnSetFilter)
            OnSetFilter(row.Texts, accept);
        (accept ? accepted : rejected).push_back(&row);
    }
    m_hiddenRowCount = static_cast<int>(rejected.size());

    // The header and the accepted rows first, the rejected ones behind them.
    std::vector<const RowCopy *> order;
    if (accepted.empty())
        order.push_back(&rows.back());
    order.insert(order.end(), accepted.begin(), accepted.end());
    order.insert(order.end(), rejected.begin(), rejected.end());
    for (std::size_t n = 0; n < order.size(); ++n)
        WriteRow(static_cast<int>(n) + 1, *order[n]);

    if (accepted.empty()) {
        m_padRowShown = true;
        SetRowCount(2);
    } else {
        SetRowCount(static_cast<int>(accepted.size()) + 1);
        if (m_sortOptions.CanSort)
            SortByColumn(m_sortOptions.SortCol);
    }
    MoveToCell(0, 1, true);
}

void TSortGrid::ShowHiddenRows()
{
    SetRowCount(RowCount() + m_hiddenRowCount);
    if (m_padRowShown || !RowHasText(1))
        DeleteDataRow(1);
    m_padRowShown = false;
    m_hiddenRowCount = 0;
}

void TSortGrid::DeleteDataRow(int ARow)
{
    if (RowCount() < 3) {
        for (int c = 0; c < ColCount(); ++c) {
            SetCells(c, ARow, QString());
            SetObjects(c, ARow, nullptr);
        }
        return;
    }
    DeleteRow(ARow);
}
