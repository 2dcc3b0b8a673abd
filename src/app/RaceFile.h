#pragma once

#include <QObject>
#include <QString>

class TFormMain;

// Keeps every race on disk: the current race's CSV file in the races folder
// is rewritten from the window's race record after each passing, STOP and
// undo, whole or not at all. The write waits in the event queue until the
// command that asked for it (and any serial hand-over) has returned, so it
// never delays the reading of a passing's time; several commands in a row
// make one write. A failure is kept and shown once, after the race, never
// during it; the window's results do not depend on the file.
class TRaceFile : public QObject
{
    Q_OBJECT

public:
    TRaceFile(TFormMain *form, const QString &folder);

    const QString &Folder() const { return m_folder; }
    // The current race's file; empty until its first write.
    const QString &Path() const { return m_path; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(TRaceFile)

    void raceStarted();
    void schedule();
    void write();
    // Takes the first free name of the race's start time; a file of another
    // race is never replaced.
    bool choosePath(QString &error);
    void showFailure();

    TFormMain *m_form = nullptr;
    QString m_folder;
    QString m_path;
    // The last write's failure, empty when it succeeded.
    QString m_failure;
    bool m_pending = false;
    bool m_failureShown = false;
};
