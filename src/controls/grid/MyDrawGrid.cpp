#include "MyGrids.h"

TMyCustomDrawGrid::TMyCustomDrawGrid(QWidget *parent)
    : TMyCustomGrid(parent)
{
}

bool TMyCustomDrawGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    fire(OnSelectCell, this, ACol, ARow, canSelect);
    return canSelect;
}

void TMyCustomDrawGrid::DrawCell(int ACol, int ARow, const QRect &ARect, TGridDrawState AState)
{
    fire(OnDrawCell, this, ACol, ARow, ARect, AState);
}

QString TMyCustomDrawGrid::GetEditText(int ACol, int ARow)
{
    QString value;
    fire(OnGetEditText, this, ACol, ARow, value);
    return value;
}

QString TMyCustomDrawGrid::GetEditMask(int ACol, int ARow)
{
    QString value;
    fire(OnGetEditMask, this, ACol, ARow, value);
    return value;
}

void TMyCustomDrawGrid::SetEditText(int ACol, int ARow, const QString &Value)
{
    fire(OnSetEditText, this, ACol, ARow, Value);
}

void TMyCustomDrawGrid::TopLeftChanged()
{
    fire(OnTopLeftChanged, this);
}

void TMyCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    fire(OnColumnMoved, this, FromIndex, ToIndex);
}

void TMyCustomDrawGrid::RowMoved(int FromIndex, int ToIndex)
{
    fire(OnRowMoved, this, FromIndex, ToIndex);
}

TMyDrawGrid::TMyDrawGrid(QWidget *parent)
    : TMyCustomDrawGrid(parent)
{
}
