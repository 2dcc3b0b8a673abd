#include "RaceHistoryReader.h"

#include "RaceFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

QString RaceFileFaultText(const rundaro::RaceFileReading &reading)
{
    const QString detail = QString::fromStdString(reading.detail);
    switch (reading.fault) {
    case rundaro::RaceFileFault::None: return QString();
    case rundaro::RaceFileFault::NotCsv: return QCoreApplication::translate("RaceHistory", "keine Renndatei");
    case rundaro::RaceFileFault::Truncated: return QCoreApplication::translate("RaceHistory", "unvollständig");
    case rundaro::RaceFileFault::MissingSetup:
        return QCoreApplication::translate("RaceHistory", "Angabe \u201e%1\u201c fehlt").arg(detail);
    case rundaro::RaceFileFault::BadValue:
        return QCoreApplication::translate("RaceHistory", "\u201e%1\u201c nicht lesbar").arg(detail);
    case rundaro::RaceFileFault::BadTime:
        return QCoreApplication::translate("RaceHistory", "Zeit in Zeile %1 ist keine Zahl").arg(detail);
    case rundaro::RaceFileFault::NegativeTime:
        return QCoreApplication::translate("RaceHistory", "Zeit in Zeile %1 ist negativ").arg(detail);
    case rundaro::RaceFileFault::TimeTooLarge:
        return QCoreApplication::translate("RaceHistory", "Zeit in Zeile %1 ist zu groß").arg(detail);
    case rundaro::RaceFileFault::TimeOutOfOrder:
        return QCoreApplication::translate("RaceHistory", "Zeit in Zeile %1 liegt vor der Zeit darüber").arg(detail);
    case rundaro::RaceFileFault::LapDoesNotFit:
        return QCoreApplication::translate("RaceHistory", "Rundenzeit in Zeile %1 passt nicht zu den Zeiten")
            .arg(detail);
    }
    return QString();
}

RaceHistoryEntry ReadRaceHistoryEntry(const QString &path)
{
    RaceHistoryEntry entry;
    entry.path = path;
    QFile file(path);
    // A race file is a few kilobytes; anything far larger is no race file.
    constexpr qint64 kLargest = 4 << 20;
    if (!file.open(QIODevice::ReadOnly)) {
        entry.reason = file.errorString();
        return entry;
    }
    if (file.size() > kLargest) {
        entry.reason = QCoreApplication::translate("RaceHistory", "keine Renndatei");
        return entry;
    }
    const QByteArray bytes = file.readAll();
    rundaro::RaceFileReading reading = rundaro::ReadRaceFile(std::string_view(bytes.constData(), bytes.size()));
    entry.reason = RaceFileFaultText(reading);
    if (reading.ok())
        entry.race = std::move(reading.race);
    return entry;
}

RaceHistoryReader::RaceHistoryReader(QObject *parent)
    : QObject(parent)
{
}

RaceHistoryReader::~RaceHistoryReader()
{
    stop();
}

void RaceHistoryReader::stop()
{
    if (!m_thread)
        return;
    m_stop->store(true);
    // The worker only posts to this object, never waits on it, so it ends
    // at its next file.
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

void RaceHistoryReader::read(const QString &folder)
{
    stop();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    RaceHistoryReader *self = this;
    auto stopFlag = m_stop;
    m_thread = QThread::create([self, stopFlag, folder] {
        const QDir dir(folder);
        const QStringList names = RaceFileNames(folder, true);
        QList<RaceHistoryEntry> batch;
        int wanted = kFirstBatch;
        auto hand = [&] {
            // Posted, never waited for: a stopped reader drops what comes late.
            QMetaObject::invokeMethod(
                self,
                [self, stopFlag, entries = std::move(batch)] {
                    if (!stopFlag->load())
                        emit self->batchRead(entries);
                },
                Qt::QueuedConnection);
            batch = {};
        };
        for (const QString &name : names) {
            if (stopFlag->load())
                return;
            batch.append(ReadRaceHistoryEntry(dir.filePath(name)));
            if (batch.size() >= wanted) {
                hand();
                wanted = kBatch;
            }
        }
        if (!batch.isEmpty())
            hand();
        QMetaObject::invokeMethod(
            self,
            [self, stopFlag] {
                if (!stopFlag->load())
                    emit self->finished();
            },
            Qt::QueuedConnection);
    });
    m_thread->start(QThread::LowPriority);
}
