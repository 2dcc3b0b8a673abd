#pragma once

#include <QObject>

class MessageBar;
class QWidget;
class RaceFeed;

// Asks before the window closes while the race clock runs (the close button,
// Alt+B): the close is held back and a bar in the window asks whether to end
// the program or let the race go on. The question holds up nothing: passings
// from the contact and the race commands' keys go on while it is shown, and
// STOP or reset answer it. The end of the session closes the window without
// a question. Writing the race as interrupted is the race file's job.
//
// Made after the race file, so that it sees the window's close first and a
// close held back never reaches the race file.
class QuitQuestion : public QObject
{
    Q_OBJECT

public:
    QuitQuestion(const RaceFeed &feed, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(QuitQuestion)

    bool raceRuns() const;
    void ask();
    void dismiss();
    void quit();

    const RaceFeed &m_feed;
    QWidget *m_window = nullptr;
    MessageBar *m_bar = nullptr;
    // The user has chosen to end, or the session ends.
    bool m_quitting = false;
};
