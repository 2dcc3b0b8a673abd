#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class TMyCustomGrid;
class TSortGrid;

// The grid's cell area as painted now.
QImage grabCells(TMyCustomGrid &grid);

// A cell as the grid should paint it: background, then the text at the
// offsets, clipped to the cell.
QImage expectedCell(QSize size, const QColor &background, const QFont &font, const QColor &textColor,
                    const QString &text, int dx, int dy);

// Pixels inside `area` that differ from `background`.
int inkPixels(const QImage &image, const QRect &area, const QColor &background);

// A grid set up like the program's lap table: 9 columns, 17 rows, header
// texts, row height 20, sorting off.
void setUpLapGrid(TSortGrid &grid);
