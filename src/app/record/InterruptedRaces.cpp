#include "InterruptedRaces.h"

#include "RaceFolder.h"

#include "RaceFileWriter.h"
#include "RaceSheetSchema.h"
#include "RaceSheetTexts.h"
#include "RaceStatus.h"
#include "WholeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

namespace {

// The set-up lines, "Status" among them, are well within this.
constexpr qint64 kHeadBytes = 4096;
// Races listed by name in the notice; the rest are counted.
constexpr int kNamedInNotice = 5;

bool saysRunning(const std::string &text)
{
    return rundaro::RaceSetUpValue(text, rundaro::SetUpKeyText(rundaro::SetUpKey::Status))
        == std::string(rundaro::kStatusRunning);
}

std::string readFile(const QString &path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return (bytes > 0 ? file.read(bytes) : file.readAll()).toStdString();
}

QString setUpValue(const std::string &text, rundaro::SetUpKey key)
{
    return QString::fromStdString(rundaro::RaceSetUpValue(text, rundaro::SetUpKeyText(key)).value_or(std::string()));
}

} // namespace

InterruptedRaces::InterruptedRaces(const QString &folder, QObject *parent)
    : QObject(parent)
{
    m_thread = std::thread([this, folder] {
        const QList<Race> races = search(folder, m_stop);
        if (!races.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, races] { emit found(races); }, Qt::QueuedConnection);
    });
}

InterruptedRaces::~InterruptedRaces()
{
    m_stop = true;
    waitForSearch();
}

void InterruptedRaces::waitForSearch()
{
    if (m_thread.joinable())
        m_thread.join();
}

QList<InterruptedRaces::Race> InterruptedRaces::search(const QString &folder, const std::atomic<bool> &stop)
{
    QList<Race> races;
    const QDir dir(folder);
    const QStringList names = RaceFileNames(folder, false);
    for (const QString &name : names) {
        if (stop)
            break;
        const QString path = dir.filePath(name);
        if (!saysRunning(readFile(path, kHeadBytes)))
            continue;
        QLockFile lock(RaceFileWriter::LockPath(path));
        // A race may run for hours: only a lock whose holder is gone is
        // stale, however old it is.
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        // Read again under the lock: another copy of the program, started at
        // the same time, may have marked it already.
        std::string text = readFile(path, 0);
        if (!saysRunning(text))
            continue;
        rundaro::SetRaceStatus(text, rundaro::kStatusInterrupted);
        QString error;
        // A file that cannot be rewritten is still reported, at each start.
        WriteWholeFile(path, QByteArray::fromStdString(text), error);
        races.append({path, setUpValue(text, rundaro::SetUpKey::Date), setUpValue(text, rundaro::SetUpKey::Start),
                      rundaro::RacePassings(text)});
    }
    return races;
}

QString InterruptedRaces::notice(const QList<Race> &races)
{
    QStringList lines;
    if (races.size() == 1)
        lines << tr("Ein Rennen wurde nicht zu Ende gebracht (Absturz, Stromausfall oder Programm abgebrochen); "
                    "seine Zeiten sind erhalten, es ist jetzt als \u201eunterbrochen\u201c gespeichert:");
    else
        lines << tr("%1 Rennen wurden nicht zu Ende gebracht (Absturz, Stromausfall oder Programm abgebrochen); "
                    "ihre Zeiten sind erhalten, sie sind jetzt als \u201eunterbrochen\u201c gespeichert:")
                     .arg(races.size());
    for (int i = 0; i < races.size() && i < kNamedInNotice; ++i)
        lines << tr("Rennen vom %1, Start %2 \u2013 Durchg\u00e4nge: %3")
                     .arg(races[i].date, races[i].start)
                     .arg(races[i].passings);
    if (races.size() > kNamedInNotice)
        lines << tr("\u2026 und %1 weitere").arg(races.size() - kNamedInNotice);
    return lines.join(u'\n');
}
