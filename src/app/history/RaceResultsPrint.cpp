#include "RaceResultsPrint.h"

#include "RaceResultsModel.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Each column's share of the page's width.
constexpr int kShares[RaceResultsModel::ColumnCount] = {10, 28, 11, 13, 14, 13, 11};

} // namespace

bool PrintRaceResults(QPagedPaintDevice &printer, const RaceResultsModel &model)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int resolution = printer.logicalDpiY();
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(resolution).size());
    const double mm = resolution / 25.4;

    std::vector<int> rows;
    for (int i = 0; i < model.size(); ++i)
        if (!model.row(i).removed)
            rows.push_back(i);

    QFont titleFont(QStringLiteral("Arial"), 16);
    titleFont.setBold(true);
    const int titleHeight = QFontMetrics(titleFont, &printer).height();
    const int tableTop = titleHeight + int(5 * mm);
    // A row of 10 points when the page holds them all, smaller when not.
    QFont font(QStringLiteral("Arial"), 10);
    const int fullHeight = int(QFontMetrics(font, &printer).height() * 1.5);
    const int lines = int(rows.size()) + 1;
    const int rowHeight = std::max(1, std::min(fullHeight, (page.height() - tableTop) / lines));
    if (rowHeight < fullHeight)
        font.setPixelSize(std::max(1, rowHeight * 2 / 3));

    painter.setFont(titleFont);
    painter.drawText(QRect(0, 0, page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("RaceResults", "Rundaro – Ergebnisse vom %1").arg(model.day()));

    std::vector<int> lefts{0};
    int sum = 0;
    const int total = std::accumulate(std::begin(kShares), std::end(kShares), 0);
    for (int share : kShares) {
        sum += share;
        lefts.push_back(int(qint64(page.width()) * sum / total));
    }
    const int padding = std::min(int(1.5 * mm), rowHeight / 4);
    auto drawLine = [&](int top, auto textOf, bool header, bool bold) {
        QFont lineFont = font;
        lineFont.setBold(header || bold);
        painter.setFont(lineFont);
        for (int col = 0; col < RaceResultsModel::ColumnCount; ++col) {
            const QRect cell(lefts[col], top, lefts[col + 1] - lefts[col], rowHeight);
            painter.fillRect(cell, header ? QColor(240, 240, 240) : Qt::white);
            painter.setPen(QColor(128, 128, 128));
            painter.drawRect(cell);
            painter.setPen(Qt::black);
            const bool right = col == RaceResultsModel::Distance || col == RaceResultsModel::FinalTime
                || col == RaceResultsModel::DayBest;
            painter.drawText(cell.adjusted(padding, 0, -padding, 0),
                             (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, textOf(col));
        }
    };
    int top = tableTop;
    drawLine(
        top, [&](int col) { return model.headerData(col, Qt::Horizontal).toString(); }, true, false);
    for (int i : rows) {
        top += rowHeight;
        drawLine(
            top, [&](int col) { return model.index(i, col).data().toString(); }, false, model.row(i).result.dayBest);
    }
    return painter.end();
}
