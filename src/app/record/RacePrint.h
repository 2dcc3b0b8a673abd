#pragma once

#include <QObject>

class QPagedPaintDevice;
class QWidget;
class RaceFeed;

// Prints the lap table of the window's race (before the first race, the
// plan in force) with a title, the date and the set-up, in the table's own
// look: headers, right-aligned numbers, lap times green or red against the
// target. The printer and its dialog come from the print module, loaded
// when first asked for.
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

public slots:
    // The system's print dialog, which also offers a PDF file; prints when
    // the user confirms.
    void printDialog();

private:
    Q_DISABLE_COPY(RacePrinter)

    RaceFeed &m_feed;
    QWidget *m_window = nullptr;
};
