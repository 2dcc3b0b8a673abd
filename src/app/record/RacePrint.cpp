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

// The printout's fonts and measures on one device, in its pixels.
struct PrintMetrics
{
    explicit PrintMetrics(QPaintDevice &device)
        : mm(device.logicalDpiY() / 25.4)
        , padding(int(1.5 * mm))
        , rowHeight(int(QFontMetrics(tableFont, &device).height() * 1.6))
        , footHeight(QFontMetrics(footFont, &device).height() + int(2 * mm))
        , titleHeight(QFontMetrics(titleFont, &device).height())
        , lineHeight(QFontMetrics(textFont, &device).height())
    {
    }

    const QFont titleFont = printFont(16, true);
    const QFont textFont = printFont(10, false);
    const QFont tableFont = printFont(10, true);
    const QFont footFont = printFont(8, false);
    const double mm;
    const int padding;
    const int rowHeight;
    const int footHeight;
    const int titleHeight;
    const int lineHeight;
};

// The columns keep the screen's proportions across `width`: each one's
// left edge, and the right edge of the last.
std::vector<int> columnLefts(int width)
{
    const int total = std::accumulate(rundaro::kLapColumnOrder.begin(), rundaro::kLapColumnOrder.end(), 0,
                                      [](int sum, rundaro::LapColumn c) { return sum + LapColumnWidth(c); });
    std::vector<int> lefts{0};
    int sum = 0;
    for (rundaro::LapColumn column : rundaro::kLapColumnOrder) {
        sum += LapColumnWidth(column);
        lefts.push_back(int(qint64(width) * sum / total));
    }
    return lefts;
}

rundaro::RaceRowTexts columnHeaders()
{
    rundaro::RaceRowTexts headers;
    for (rundaro::LapColumn column : rundaro::kLapColumnOrder)
        rundaro::Cell(headers, column) = LapColumnTitle(column).toStdString();
    return headers;
}

int setupRows(const PrintedRace &printed)
{
    return int(printed.setup.size() + 1) / 2;
}

// The height of the title, the set-up in two columns and the summary above
// a race's table.
int headingHeight(const PrintedRace &printed, const PrintMetrics &m)
{
    const int summaryHeight = printed.summary.isEmpty() ? 0 : m.lineHeight + int(2 * m.mm);
    return m.titleHeight + int(4 * m.mm) + setupRows(printed) * m.lineHeight + summaryHeight + int(5 * m.mm);
}

void drawHeading(QPainter &painter, const PrintedRace &printed, const PrintMetrics &m, int width, int top)
{
    painter.setFont(m.titleFont);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, top, width, m.titleHeight), Qt::AlignLeft | Qt::AlignVCenter, printed.title);
    painter.setFont(m.textFont);
    const int rows = setupRows(printed);
    const int setupTop = top + m.titleHeight + int(4 * m.mm);
    for (int i = 0; i < int(printed.setup.size()); ++i)
        painter.drawText(QRect((i / rows) * width / 2, setupTop + (i % rows) * m.lineHeight, width / 2, m.lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, printed.setup[i]);
    if (!printed.summary.isEmpty()) {
        painter.setFont(m.tableFont);
        painter.drawText(QRect(0, setupTop + rows * m.lineHeight + int(2 * m.mm), width, m.lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, printed.summary);
    }
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
    const rundaro::RaceRecord *chosen = m_printing ? m_printing : m_stored;
    // A saved race on show, or asked for, is printed alone.
    if (!chosen && !m_pair.empty())
        return printPair(printer);
    const rundaro::RaceRecord &shown = chosen ? *chosen : m_feed.race();
    const PrintedRace printed = printedRace(shown, m_feed);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PrintMetrics m(printer);
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.logicalDpiY()).size());
    const std::vector<int> lefts = columnLefts(page.width());

    // The first page carries title and set-up above the table.
    const int firstTop = headingHeight(printed, m);
    auto rowsFrom = [&](int top) { return std::max(1, (page.height() - m.footHeight - top) / m.rowHeight - 1); };
    const int rows = int(printed.sheet.rows.size());
    const int pages = 1 + (std::max(0, rows - rowsFrom(firstTop)) + rowsFrom(0) - 1) / rowsFrom(0);

    const rundaro::RaceRowTexts headers = columnHeaders();
    int row = 0;
    for (int pageNo = 1; pageNo <= pages; ++pageNo) {
        int top = 0;
        if (pageNo == 1) {
            drawHeading(painter, printed, m, page.width(), 0);
            top = firstTop;
        } else {
            printer.newPage();
        }
        painter.setFont(m.tableFont);
        drawRow(painter, lefts, top, m.rowHeight, headers, true, 0, m.padding);
        top += m.rowHeight;
        for (int n = rowsFrom(pageNo == 1 ? firstTop : 0); n > 0 && row < rows; --n, ++row, top += m.rowHeight)
            drawRow(painter, lefts, top, m.rowHeight, printed.sheet.rows[std::size_t(row)], false,
                    segmentTarget(printed.plan, row), m.padding);
        painter.setFont(m.footFont);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, page.height() - m.footHeight, page.width(), m.footHeight),
                         Qt::AlignRight | Qt::AlignBottom, tr("Seite %1 von %2").arg(pageNo).arg(pages));
    }
    return painter.end();
}

bool RacePrinter::printPair(QPagedPaintDevice &printer) const
{
    // The pair's common title, then each skater's race under the skater's
    // letter and name.
    const QString title = printedRace(m_pair.front()->race(), *m_pair.front()).title;
    std::vector<PrintedRace> races;
    for (std::size_t skater = 0; skater < m_pair.size(); ++skater) {
        const RaceFeed &feed = *m_pair[skater];
        PrintedRace printed = printedRace(feed.race(), feed);
        const QString who = tr("Läufer %1").arg(QChar(char16_t(u'A' + skater)));
        const QString name = QString::fromStdString(feed.race().HasRace() ? feed.race().Skater() : feed.nextSkater());
        printed.title = name.isEmpty() ? who : who + QStringLiteral(" \u2013 ") + name;
        races.push_back(std::move(printed));
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PrintMetrics m(printer);
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.logicalDpiY()).size());
    const int gap = int(8 * m.mm);
    auto tableHeight = [&](const PrintedRace &printed) { return int(printed.sheet.rows.size() + 1) * m.rowHeight; };
    int height = m.titleHeight;
    for (const PrintedRace &printed : races)
        height += gap + headingHeight(printed, m) + tableHeight(printed);
    // Everything shrinks alike until the pair fills the page's height at most.
    const double scale = std::min(1.0, double(page.height()) / height);
    painter.scale(scale, scale);
    const int width = int(page.width() / scale);
    const std::vector<int> lefts = columnLefts(width);
    const rundaro::RaceRowTexts headers = columnHeaders();

    painter.setFont(m.titleFont);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, width, m.titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    int top = m.titleHeight;
    for (const PrintedRace &printed : races) {
        top += gap;
        drawHeading(painter, printed, m, width, top);
        top += headingHeight(printed, m);
        painter.setFont(m.tableFont);
        drawRow(painter, lefts, top, m.rowHeight, headers, true, 0, m.padding);
        for (int row = 0; row < int(printed.sheet.rows.size()); ++row)
            drawRow(painter, lefts, top + (row + 1) * m.rowHeight, m.rowHeight, printed.sheet.rows[std::size_t(row)],
                    false, segmentTarget(printed.plan, row), m.padding);
        top += tableHeight(printed);
    }
    return painter.end();
}
