#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <thread>

// Finds the races cut short (a crash, a power cut, a kill): files in the
// races folder that still say the race runs ("läuft") while no live program
// holds the lock beside them. Each one found is marked "unterbrochen", its
// passings kept as they are, so it is reported once. A race running in
// another copy of the program holds its lock and is left alone. The folder
// is searched on a thread of its own, reading only the head of each file;
// showing what was found is the owner's business.
class InterruptedRaces : public QObject
{
    Q_OBJECT

public:
    struct Race
    {
        QString path;
        QString date; // as the file has it ("01.05.2024")
        QString start; // "14:03:07"
        int passings = 0;
    };

    // Starts the search in `folder` at once.
    InterruptedRaces(const QString &folder, QObject *parent);
    // Stops a search still under way and waits for it.
    ~InterruptedRaces() override;
    // Waits until the search has ended and its thread is gone.
    void waitForSearch();

    // The search itself, on the caller's thread; it ends early once `stop`
    // is set.
    static QList<Race> search(const QString &folder, const std::atomic<bool> &stop);
    // What to tell the user of `races`.
    static QString notice(const QList<Race> &races);

signals:
    // Once, on the owner's thread, when the search has found a race.
    void found(const QList<InterruptedRaces::Race> &races);

private:
    Q_DISABLE_COPY(InterruptedRaces)

    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
