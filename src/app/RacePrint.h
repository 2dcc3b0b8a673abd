#pragma once

#include <QObject>

#include <memory>

class QPrinter;
class TFormMain;

// Prints the lap table of the window's race (before the first race, the
// plan in force) with a title, the date and the set-up, in the table's own
// look: headers, right-aligned numbers, lap times green or red against the
// target. The printer and its dialog are made only when asked for.
class TRacePrinter : public QObject
{
    Q_OBJECT

public:
    explicit TRacePrinter(TFormMain *form);
    ~TRacePrinter() override;

    // Draws the pages on `printer`; false when it cannot be printed on.
    bool Print(QPrinter &printer) const;

public slots:
    // The system's print dialog, which also offers a PDF file; prints when
    // the user confirms.
    void PrintDialog();

private:
    Q_DISABLE_COPY(TRacePrinter)

    TFormMain *m_form = nullptr;
    std::unique_ptr<QPrinter> m_printer;
};
