#pragma once

#include <QLineEdit>

class TMyCustomGrid;

// The grid's in-place editor: a frameless line edit laid over the current
// cell. Enter commits and Escape cancels; the keys that move between cells
// go to the grid, which commits before it moves; losing the focus to
// anything else commits too. What it shows and where a committed text goes
// is the grid's business.
class InplaceEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit InplaceEdit(TMyCustomGrid *grid);
    // The grid is going away: from now on the editor tells it nothing.
    void DetachGrid() { m_grid = nullptr; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    Q_DISABLE_COPY(InplaceEdit)

    TMyCustomGrid *m_grid;
};
