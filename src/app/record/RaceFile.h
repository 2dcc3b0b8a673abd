#pragma once

#include "RaceFileWriter.h"

#include <QObject>
#include <QString>

#include <cstdint>

class MessageBar;
class QWidget;
class RaceFeed;

// Keeps every race on disk: the current race's CSV file in the races folder
// is rewritten from the window's race record after each passing, STOP and
// undo, whole or not at all. The file's text is made in the event queue once
// the command that asked for it (and any serial hand-over) has returned, and
// put on disk by a thread of its own, so neither ever delays the reading of a
// passing's time; several commands in a row make one write. A failed write
// leaves the file as its last whole version and is said at once in a message
// bar over the window's bottom edge, which leaves the window working; the
// next passing (or the bar's button) tries again, and a write that succeeds
// takes the bar away. The window's results do not depend on the file. A race that is still running when the program
// ends (the window closed, the session's end, a signal to end) is written
// once more with the status "unterbrochen".
class RaceFile : public QObject
{
    Q_OBJECT

public:
    // `window`: the window whose closing writes what waits, and the parent
    // of the failure's message.
    RaceFile(RaceFeed &feed, QWidget *window, const QString &folder);

    const QString &folder() const { return m_folder; }
    // The current race's file; empty until its first write is done.
    const QString &path() const { return m_path; }
    // Writes what waits and returns when it is on disk and reported.
    void flush();
    // Writes a running race as interrupted, now: the session is ending. The
    // race goes on if the session does not end after all; its next write
    // says again that it runs.
    void writeInterrupted();

signals:
    // The race's file is on disk at `path`, as written just now.
    void raceWritten(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(RaceFile)

    void raceStarted();
    void schedule();
    void write();
    void programEnds();
    bool running() const;
    void written(quint64 race, const QString &path, const QString &error);
    void showFailure();
    void hideFailure();
    void writeAgain();

    RaceFeed &m_feed;
    QWidget *m_window = nullptr;
    QString m_folder;
    QString m_path;
    // The last write's failure, empty when it succeeded.
    QString m_failure;
    bool m_pending = false;
    bool m_closing = false;
    // The next write marks a running race as interrupted.
    bool m_interrupt = false;
    // The failure was shown since the last write that succeeded.
    bool m_failureShown = false;
    MessageBar *m_bar = nullptr;
    // Numbers the races, so that a late report of the last race's file is
    // not taken for this one's.
    std::uint64_t m_race = 0;
    RaceFileWriter m_writer{nullptr};
};
