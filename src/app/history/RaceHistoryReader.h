#pragma once

#include "RaceFileRead.h"

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;

// One file of the races folder as the history lists it: the race read from
// it, or why it could not be read.
struct RaceHistoryEntry
{
    QString path;
    rundaro::StoredRace race;
    // Empty when the race was read.
    QString reason;

    bool readable() const { return reason.isEmpty(); }
};

// The text that says why a race file could not be read.
QString RaceFileFaultText(const rundaro::RaceFileReading &reading);

// Reads every race file of a folder on a thread of its own, newest first (a
// file's name is its start), and hands the entries over in batches: a first
// small one for the first screen, then larger ones. A file that cannot be
// read is handed over with its reason; nothing fails the list. Ends its
// thread when destroyed, without waiting for the rest of the folder.
class RaceHistoryReader : public QObject
{
    Q_OBJECT

public:
    explicit RaceHistoryReader(QObject *parent = nullptr);
    ~RaceHistoryReader() override;

    // Starts reading `folder`; a reading still under way is abandoned.
    void read(const QString &folder);

    static constexpr int kFirstBatch = 40;
    static constexpr int kBatch = 250;

signals:
    void batchRead(const QList<RaceHistoryEntry> &entries);
    void finished();

private:
    Q_DISABLE_COPY(RaceHistoryReader)

    void stop();

    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stop;
};

// Reads one race file.
RaceHistoryEntry ReadRaceHistoryEntry(const QString &path);
