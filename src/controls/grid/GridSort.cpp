#include "SortGrid.h"

#include "LocaleConvert.h"
#include "SortCompare.h"

#include <algorithm>
#include <set>

using SortCompare::SortKey;

void TSortGrid::SortByColumn(int ACol)
{
    if (!m_sortOptions.CanSort)
        return;
    m_sortOptions.SortCol = ACol;
    BeginUpdate();
    try {
        SortRows(ACol);
    } catch (...) {
        m_sortOptions.SortCompare = nullptr;
        EndUpdate();
        throw;
    }
    // The owner's comparison serves one sort only.
    m_sortOptions.SortCompare = nullptr;
    EndUpdate();
}

std::vector<int> TSortGrid::SortKeyColumns(int ACol) const
{
    std::vector<int> keys{ACol};
    const QStringList parts = m_sortOptions.SecondaryIndex.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        bool ok = false;
        const int col = part.trimmed().toInt(&ok);
        if (ok && col != ACol)
            keys.push_back(col);
    }
    return keys;
}

std::vector<TSortGrid::RowCopy> TSortGrid::CopyRows(int first, int last) const
{
    std::vector<RowCopy> rows;
    rows.reserve(static_cast<std::size_t>(std::max(last - first + 1, 0)));
    const int cols = ColCount();
    for (int r = first; r <= last; ++r) {
        RowCopy row;
        row.Origin = r;
        row.Texts.reserve(cols);
        for (int c = 0; c < cols; ++c)
            row.Texts << Cells(c, r);
        row.Objects.resize(static_cast<std::size_t>(cols));
        for (int c = 0; c < cols; ++c)
            row.Objects[static_cast<std::size_t>(c)] = Objects(c, r);
        rows.push_back(std::move(row));
    }
    return rows;
}

void TSortGrid::WriteRow(int ARow, const RowCopy &row)
{
    for (int c = 0; c < static_cast<int>(row.Texts.size()); ++c) {
        SetCells(c, ARow, row.Texts[c]);
        SetObjects(c, ARow, row.Objects[static_cast<std::size_t>(c)]);
    }
}

TSortStyle TSortGrid::DetectStyle(const std::vector<RowCopy> &rows, int ACol) const
{
    bool numeric = true;
    bool dateTime = true;
    bool time = true;
    for (std::size_t i = 1; i < rows.size() && (numeric || dateTime || time); ++i) {
        const QString text = ACol >= 0 && ACol < rows[i].Texts.size() ? rows[i].Texts[ACol] : QString();
        numeric = numeric && LocaleConvert::ToFloat(text).has_value();
        dateTime = dateTime && LocaleConvert::ToDateTime(text).has_value();
        time = time && LocaleConvert::ToTime(text).has_value();
    }
    if (numeric)
        return ssNumeric;
    if (dateTime)
        return ssDateTime;
    if (time)
        return ssTime;
    return ssNormal;
}

void TSortGrid::SortRows(int ACol)
{
    const std::vector<int> keys = SortKeyColumns(ACol);
    std::set<int> selected;
    for (const QString &text : m_selectedRows)
        selected.insert(text.toInt());

    // Row 0 of the copy stands for the header and is never written back.
    std::vector<RowCopy> rows = CopyRows(0, RowCount() - 1);
    const int dataRows = static_cast<int>(rows.size()) - 1;
    SortCompare::TCustomCompare custom;
    if (m_sortOptions.SortCompare)
        custom = [this](const std::string &a, const std::string &b) {
            return m_sortOptions.SortCompare(QString::fromStdString(a), QString::fromStdString(b));
        };

    // The last key first and ACol last: each pass keeps the order of the
    // one before among equal keys.
    TSortStyle previous = ssAutomatic;
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        const int col = *key;
        if (OnGetSortStyle) {
            TSortStyle style = previous;
            OnGetSortStyle(this, col, style);
            m_sortOptions.SortStyle = previous = style;
        } else if (m_sortOptions.SortStyle == ssAutomatic) {
            m_sortOptions.SortStyle = DetectStyle(rows, col);
        }
        const TSortStyle style = m_sortOptions.SortStyle;

        std::vector<SortKey> entries(static_cast<std::size_t>(std::max(dataRows, 0)));
        for (int i = 1; i <= dataRows; ++i) {
            const RowCopy &row = rows[static_cast<std::size_t>(i)];
            QString text = col >= 0 && col < row.Texts.size() ? row.Texts[col] : QString();
            SortKey &entry = entries[static_cast<std::size_t>(i - 1)];
            entry.Text = text.toStdString();
            if (!m_sortOptions.SortCaseSensitive)
                SortCompare::FoldAsciiLower(entry.Text);
            entry.Position = i;
            const QString folded = QString::fromStdString(entry.Text);
            if (style == ssNumeric)
                entry.Value = LocaleConvert::ToFloat(folded);
            else if (style == ssDateTime)
                entry.Value = LocaleConvert::ToDateTime(folded);
            else if (style == ssTime)
                entry.Value = LocaleConvert::ToTime(folded);
        }
        const TSortDirection direction = m_sortOptions.SortDirection;
        std::stable_sort(entries.begin(), entries.end(), [&](const SortKey &l, const SortKey &r) {
            return SortCompare::SortsBefore(l, r, style, direction, custom);
        });

        std::vector<RowCopy> sorted(rows.size());
        for (std::size_t n = 0; n < entries.size(); ++n)
            sorted[n + 1] = std::move(rows[static_cast<std::size_t>(entries[n].Position)]);
        rows = std::move(sorted);
    }

    // Row heights stay with the positions; texts and objects move.
    QStringList newSelected;
    int firstSelected = -1;
    for (int n = 1; n <= dataRows; ++n) {
        const RowCopy &row = rows[static_cast<std::size_t>(n)];
        WriteRow(n, row);
        if (selected.count(row.Origin)) {
            newSelected << QString::number(n);
            if (firstSelected < 0)
                firstSelected = n;
        }
    }
    if (firstSelected > 0) {
        m_selectedRows = newSelected;
        SetCurrentCell(Col(), firstSelected);
        ClampInView(Col(), firstSelected);
    }
}
