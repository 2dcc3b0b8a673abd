#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP end the program as its close button does,
// through the event loop: the signal handler only writes the signal's
// number into a pipe, whose reading end the event loop watches. A second
// signal of the same kind, while the first is still being handled, ends the
// program at once as without this object. Only one object may exist at a
// time; on systems without these signals it does nothing.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

signals:
    // On the event loop's thread, once per signal received.
    void received(int signal);

private:
    Q_DISABLE_COPY(QuitSignals)

    void readPipe();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
