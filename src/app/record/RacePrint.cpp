#include "RacePrint.h"

#include "LapColumns.h"
#include "LapTimeColour.h"
#include "Modules.h"
#include "PrintModule.h"
#include "RaceFeed.h"
#include "RacePalette.h"
#include "RaceSheetTexts.h"
#include "RaceStatus.h"

#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {

// The set-up lines the printout lists: the date and the start stand in its
// title, the skater in the summary; the start lane only a pair's file has.
constexpr bool listedOnPaper(rundaro::SetUpKey key)
{
    return key != rundaro::SetUpKey::Date && key != rundaro::SetUpKey::Start && key != rundaro::SetUpKey::Skater
        && key != rundaro::SetUpKey::StartLane;
}

// The race sheet's set-up names and status values, German in the race file,
// as the printout shows them in the program's language.
constexpr const char *kSheetTexts[] = {
    QT_TRANSLATE_NOOP("RacePrinter", "Streckenlänge"),  QT_TRANSLATE_NOOP("RacePrinter", "Rundenlänge"),
    QT_TRANSLATE_NOOP("RacePrinter", "Runden"),         QT_TRANSLATE_NOOP("RacePrinter", "Zusätzliche Meter"),
    QT_TRANSLATE_NOOP("RacePrinter", "Gesamtsekunden"), QT_TRANSLATE_NOOP("RacePrinter", "Startzugabe"),
    QT_TRANSLATE_NOOP("RacePrinter", "Rundenzeit"),     QT_TRANSLATE_NOOP("RacePrinter", "Status"),
    QT_TRANSLATE_NOOP("RacePrinter", "beendet"),        QT_TRANSLATE_NOOP("RacePrinter", "läuft"),
    QT_TRANSLATE_NOOP("RacePrinter", "abgebrochen"),
};

// Each set-up line the printout lists, and each status a sheet gives, has
// its translation above: a set-up line added to the sheet needs one.
constexpr bool hasSheetText(std::string_view text)
{
    for (const char *known : kSheetTexts)
        if (text == known)
            return true;
    return false;
}
static_assert([] {
    for (const rundaro::SetUpKeyInfo &info : rundaro::kSetUpKeyTable)
        if (listedOnPaper(info.key) && !hasSheetText(info.text))
            return false;
    return hasSheetText(rundaro::kStatusRunning) && hasSheetText(rundaro::kStatusFinished)
        && hasSheetText(rundaro::kStatusAborted);
}());

QString sheetText(const std::string &text)
{
    return QCoreApplication::translate("RacePrinter", text.c_str());
}

// What goes on paper, in the program's texts.
struct PrintedRace
{
    QString title;
    QStringList setup; // "name: value"
    // Skater, final time, average speed and best lap; empty before a race.
    QString summary;
    rundaro::RaceSheet sheet;
    rundaro::PlanFigures plan;
};

PrintedRace printedRace(const rundaro::RaceRecord &shown, const RaceFeed &feed)
{
    PrintedRace printed;
    rundaro::RaceRecord race = shown;
    const bool isRace = race.HasRace();
    // Before the first race the table holds the plan alone.
    if (!isRace)
        race.Start(feed.planInForce(), 0, QDateTime::currentMSecsSinceEpoch());
    printed.sheet = RaceSheetOf(race);
    printed.plan = race.Setup().plan;
    const QDateTime start = RaceStartTime(race);
    const QString date = start.toString(QStringLiteral("dd.MM.yyyy"));
    printed.title = isRace
        ? RacePrinter::tr("Rundaro – Rennen vom %1, Start %2").arg(date, start.toString(QStringLiteral("HH:mm:ss")))
        : RacePrinter::tr("Rundaro – Rundenplan vom %1").arg(date);
    for (const auto &[name, value] : printed.sheet.setup) {
        const std::optional<rundaro::SetUpKey> key = rundaro::FindSetUpKey(name);
        // A plan has no status.
        if (!key || !listedOnPaper(*key) || (!isRace && *key == rundaro::SetUpKey::Status))
            continue;
        printed.setup << sheetText(name) + QStringLiteral(": ")
                + (rundaro::SetUpKeyOf(*key).holds == rundaro::SetUpValue::Status ? sheetText(value)
                                                                                  : QString::fromStdString(value));
    }
    if (isRace && race.Passings() > 0)
        printed.summary = RaceSummaryText(race);
    return printed;
}

// The target time a row's measured segment is coloured against; 0 (no
// colour) without a target lap time.
std::int64_t segmentTarget(const rundaro::PlanFigures &plan, int line)
{
    return plan.targetLapMs > 0 ? rundaro::SegmentTargetMs(plan, line) : 0;
}

QFont printFont(int points, bool bold)
{
    QFont font(QStringLiteral("Arial"), points);
    font.setBold(bold);
    return font;
}

// Draws one row of the table at `top`: a header row on the button face, a
// result row on white, every text right-aligned as on the screen.
void drawRow(QPainter &painter, const std::vector<int> &lefts, int top, int height, const rundaro::RaceRowTexts &texts,
             bool header, std::int64_t targetMs, int padding)
{
    const QColor lines(128, 128, 128);
    for (std::size_t col = 0; col + 1 < lefts.size(); ++col) {
        const QRect cell(lefts[col], top, lefts[col + 1] - lefts[col], height);
        painter.fillRect(cell, header ? QColor(240, 240, 240) : Qt::white);
        painter.setPen(lines);
        painter.drawRect(cell);
        const QString text = QString::fromStdString(texts[col]);
        std::optional<bool> onTarget;
        if (!header && int(col) == GridColumn(rundaro::LapColumn::LapTime))
            onTarget = LapTimeOnTarget(text, targetMs);
        painter.setPen(onTarget ? RacePalette::lapColour(*onTarget) : QColor(Qt::black));
        // A sign beside a coloured lap time, for printers without colour.
        const QString marked = !onTarget ? text : text + QLatin1Char(' ') + RacePalette::lapSign(*onTarget);
        painter.drawText(cell.adjusted(padding, 0, -padding, 0), Qt::AlignRight | Qt::AlignVCenter, marked);
    }
}

} // namespace

RacePrinter::RacePrinter(RaceFeed &feed, QWidget *window)
    : QObject(window)
    , m_feed(feed)
    , m_window(window)
{
    setObjectName(QStringLiteral("RacePrinter"));
}

RacePrinter::~RacePrinter() = default;

void RacePrinter::printRecord(const rundaro::RaceRecord &race)
{
    m_printing = &race;
    printDialog();
    m_printing = nullptr;
}

void RacePrinter::printDialog()
{
    auto *module = qobject_cast<PrintModule *>(LoadModule("rundaro_print"));
    if (!module) {
        QMessageBox::warning(m_window, tr("Drucken"),
                             tr("Das Drucken steht nicht zur Verfügung: das Druckmodul fehlt."));
        return;
    }
    const auto result = module->printWithDialog(m_window, tr("Rundentabelle drucken"),
                                                [this](QPagedPaintDevice &printer) { return print(printer); });
    if (result == PrintModule::Result::Failed)
        QMessageBox::warning(m_window, tr("Drucken"), tr("Der Drucker oder die Datei lässt sich nicht beschreiben."));
}

bool RacePrinter::print(QPagedPaintDevice &printer) const
{
    const rundaro::RaceRecord &shown = m_printing ? *m_printing : m_stored ? *m_stored : m_feed.race();
    const PrintedRace printed = printedRace(shown, m_feed);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int resolution = printer.logicalDpiY();
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(resolution).size());
    const double mm = resolution / 25.4;
    const int padding = int(1.5 * mm);

    // The columns keep the screen's proportions across the page's width.
    const int total = std::accumulate(rundaro::kLapColumnOrder.begin(), rundaro::kLapColumnOrder.end(), 0,
                                      [](int sum, rundaro::LapColumn c) { return sum + LapColumnWidth(c); });
    std::vector<int> lefts{0};
    int sum = 0;
    for (rundaro::LapColumn column : rundaro::kLapColumnOrder) {
        sum += LapColumnWidth(column);
        lefts.push_back(int(qint64(page.width()) * sum / total));
    }

    const QFont titleFont = printFont(16, true);
    const QFont textFont = printFont(10, false);
    const QFont tableFont = printFont(10, true);
    const QFont footFont = printFont(8, false);
    const int rowHeight = int(QFontMetrics(tableFont, &printer).height() * 1.6);
    const int footHeight = QFontMetrics(footFont, &printer).height() + int(2 * mm);

    // The first page carries title and set-up above the table.
    const int titleHeight = QFontMetrics(titleFont, &printer).height();
    const int lineHeight = QFontMetrics(textFont, &printer).height();
    const int setupRows = int(printed.setup.size() + 1) / 2;
    const int summaryHeight = printed.summary.isEmpty() ? 0 : lineHeight + int(2 * mm);
    const int firstTop = titleHeight + int(4 * mm) + setupRows * lineHeight + summaryHeight + int(5 * mm);
    auto rowsFrom = [&](int top) { return std::max(1, (page.height() - footHeight - top) / rowHeight - 1); };
    const int rows = int(printed.sheet.rows.size());
    const int pages = 1 + (std::max(0, rows - rowsFrom(firstTop)) + rowsFrom(0) - 1) / rowsFrom(0);

    rundaro::RaceRowTexts headers;
    for (rundaro::LapColumn column : rundaro::kLapColumnOrder)
        rundaro::Cell(headers, column) = LapColumnTitle(column).toStdString();
    int row = 0;
    for (int pageNo = 1; pageNo <= pages; ++pageNo) {
        int top = 0;
        if (pageNo == 1) {
            painter.setFont(titleFont);
            painter.setPen(Qt::black);
            painter.drawText(QRect(0, 0, page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, printed.title);
            painter.setFont(textFont);
            const int setupTop = titleHeight + int(4 * mm);
            for (int i = 0; i < int(printed.setup.size()); ++i)
                painter.drawText(QRect((i / setupRows) * page.width() / 2, setupTop + (i % setupRows) * lineHeight,
                                       page.width() / 2, lineHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter, printed.setup[i]);
            if (!printed.summary.isEmpty()) {
                painter.setFont(tableFont);
                painter.drawText(QRect(0, setupTop + setupRows * lineHeight + int(2 * mm), page.width(), lineHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter, printed.summary);
            }
            top = firstTop;
        } else {
            printer.newPage();
        }
        painter.setFont(tableFont);
        drawRow(painter, lefts, top, rowHeight, headers, true, 0, padding);
        top += rowHeight;
        for (int n = rowsFrom(pageNo == 1 ? firstTop : 0); n > 0 && row < rows; --n, ++row, top += rowHeight)
            drawRow(painter, lefts, top, rowHeight, printed.sheet.rows[std::size_t(row)], false,
                    segmentTarget(printed.plan, row), padding);
        painter.setFont(footFont);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, page.height() - footHeight, page.width(), footHeight),
                         Qt::AlignRight | Qt::AlignBottom, tr("Seite %1 von %2").arg(pageNo).arg(pages));
    }
    return painter.end();
}
