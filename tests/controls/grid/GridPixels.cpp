#include "GridPixels.h"

#include "SortGrid.h"

#include <QFontMetrics>
#include <QPainter>

QImage grabCells(TMyCustomGrid &grid)
{
    return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage expectedCell(QSize size, const QColor &background, const QFont &font, const QColor &textColor,
                    const QString &text, int dx, int dy)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    painter.setFont(font);
    painter.setPen(textColor);
    painter.drawText(dx, dy + QFontMetrics(font).ascent(), text);
    return image;
}

int inkPixels(const QImage &image, const QRect &area, const QColor &background)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != background)
                ++n;
    return n;
}

void setUpLapGrid(TSortGrid &grid)
{
    grid.setObjectName(QStringLiteral("SortGrid1"));
    grid.SetColCount(9);
    grid.SetRowCount(17);
    grid.SetDefaultColWidth(30);
    grid.SetDefaultRowHeight(20);
    grid.SetOptions(DefaultGridOptions | goDrawFocusSelected | goColSizing);
    QFont font = grid.font();
    font.setPixelSize(16);
    font.setBold(true);
    grid.setFont(font);
    grid.SortOptions().CanSort = false;
    const int widths[] = {66, 80, 80, 90, 80, 80, 80, 90, 80};
    const char *headers[]
        = {"Runden", "Zeit", "Sollzeit", "in Min:Sek", "km/h", "RealZeit", "RealSollzeit", "in Min:Sek", "km/h"};
    for (int c = 0; c < 9; ++c) {
        grid.SetColWidths(c, widths[c]);
        grid.SetCells(c, 0, QString::fromLatin1(headers[c]));
    }
}
