#pragma once

#include <QObject>

#include <vector>

class QPagedPaintDevice;
class QWidget;
class RaceFeed;

namespace rundaro {
class RaceRecord;
}

// Prints the lap table of the race on screen: the window's race (before the
// first race, the plan in force) or the saved race opened in its place, with
// a title, the date and the set-up, in the table's own look: headers,
// right-aligned numbers, lap times green or red against the target. A pair's
// two races go on one page, one above the other. The printer and its dialog
// come from the print module, loaded when first asked for.
class RacePrinter : public QObject
{
    Q_OBJECT

public:
    // `window`: the parent of the print dialog and the messages.
    RacePrinter(RaceFeed &feed, QWidget *window);
    ~RacePrinter() override;

    // Draws the pages on `printer` (a printer or a PDF file); false when it
    // cannot be printed on.
    bool print(QPagedPaintDevice &printer) const;
    // The saved race shown in place of the current one; null: the current
    // race again. It must stay until replaced.
    void setShown(const rundaro::RaceRecord *stored) { m_stored = stored; }
    // The skaters' feeds of a pair, A first, whose races are printed on one
    // page in place of the window's; empty: the window's race alone. They
    // must stay until replaced.
    void setPair(std::vector<const RaceFeed *> skaters) { m_pair = std::move(skaters); }
    // The print dialog for `race`, whichever is on screen.
    void printRecord(const rundaro::RaceRecord &race);

public slots:
    // The system's print dialog, which also offers a PDF file; prints when
    // the user confirms.
    void printDialog();

private:
    Q_DISABLE_COPY(RacePrinter)

    // Both skaters' races, scaled to fit one page.
    bool printPair(QPagedPaintDevice &printer) const;

    RaceFeed &m_feed;
    const rundaro::RaceRecord *m_stored = nullptr;
    std::vector<const RaceFeed *> m_pair;
    // The race the dialog under way prints; null: the one on screen.
    const rundaro::RaceRecord *m_printing = nullptr;
    QWidget *m_window = nullptr;
};
