#include "SortGrid.h"

#include <QKeyEvent>

void TSortGrid::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!EditorMode() && plain && text.size() == 1 && text[0].isPrint())
        TypeAheadSearch(text);
    TMyStringGrid::keyPressEvent(event);
}

void TSortGrid::TypeAheadSearch(const QString &typed)
{
    const QString wanted = typed.toUpper();
    const int col = m_sortOptions.SortCol;
    if (col < 0)
        return;
    auto matches = [&](int row) {
        const QString text = Cells(col, row);
        return !text.isEmpty() && QString(text[0]).toUpper() == wanted;
    };
    // The rows after the current one first, then from the top; the current
    // row is tried last.
    const int current = Row();
    for (int row = current + 1; row < RowCount(); ++row)
        if (matches(row)) {
            MoveToCell(col, row, true);
            return;
        }
    for (int row = 1; row <= current && row < RowCount(); ++row)
        if (matches(row)) {
            MoveToCell(col, row, true);
            return;
        }
}

void TSortGrid::keyReleaseEvent(QKeyEvent *event)
{
    // Space is the key of in-cell controls: the current cell is asked for
    // its control when the key comes up.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && !EditorMode())
        QueryCellControl(Col(), Row());
    TMyStringGrid::keyReleaseEvent(event);
}

void TSortGrid::QueryCellControl(int ACol, int ARow)
{
    TFormatOptions options;
    bool checkBox = false;
    bool comboBox = false;
    bool ellipsis = false;
    QueryCellFormat(ACol, ARow, options, checkBox, comboBox, ellipsis);
}
