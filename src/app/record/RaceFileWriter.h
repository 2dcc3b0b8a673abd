#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

// Puts race files on disk on a thread of its own, so that a slow disk (a
// spun-down drive, a slow memory stick) never holds up the window: a passing
// that arrives while a file is being synced is still timed at once. Only the
// newest content waits: a write asked for while another is running replaces
// any older one still waiting. The first write of a race chooses its file
// name there too. The thread runs only while there is something to write.
// While a race runs, its file has a lock beside it (LockPath), taken before the file first says that the race runs and
// released once it no longer does: a file that says so with no live holder
// of its lock belongs to a race cut short.
class QLockFile;

class RaceFileWriter : public QObject
{
    Q_OBJECT

public:
    struct Job
    {
        std::uint64_t race = 0; // a new number starts a new file
        QString folder;
        QString baseName; // the file is baseName.csv, or baseName-2.csv, ...
        QByteArray bytes;
        bool running = false; // the race runs: its lock is held after this write
    };

    explicit RaceFileWriter(QObject *parent);
    // Returns when what is still waiting is written.
    ~RaceFileWriter() override;

    // The lock beside the race file `path`: hidden, so that the folder shows
    // races only ("2024-05-01_14-03-07.csv" has ".2024-05-01_14-03-07.csv.lock").
    static QString LockPath(const QString &path);

    void submit(Job job);
    // Returns when everything submitted so far is written (or has failed).
    void flush();

signals:
    // After each write, in the thread the writer lives in: the race's file
    // and the failure's reason (empty when the write succeeded).
    void written(quint64 race, const QString &path, const QString &error);

private:
    Q_DISABLE_COPY(RaceFileWriter)

    void run();
    void write(const Job &job);
    bool choosePath(const Job &job, QString &error);
    void holdLock(bool running);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Job> m_next;
    bool m_running = false;
    std::thread m_thread;
    // The writer thread's own: the race whose file it writes and its name.
    std::uint64_t m_race = 0;
    QString m_path;
    // Some version of the race's file is whole on disk.
    bool m_onDisk = false;
    std::unique_ptr<QLockFile> m_lock;
};
