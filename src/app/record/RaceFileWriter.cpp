#include "RaceFileWriter.h"

#include "WholeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

// More races started in one second than anyone can start.
constexpr int kMaxNamesPerSecond = 1000;

} // namespace

RaceFileWriter::RaceFileWriter(QObject *parent)
    : QObject(parent)
{
}

RaceFileWriter::~RaceFileWriter()
{
    flush();
    if (m_thread.joinable())
        m_thread.join();
    // A race still running keeps its file's word "läuft": released here, the
    // lock lets the next start find it cut short.
}

QString RaceFileWriter::LockPath(const QString &path)
{
    const QFileInfo file(path);
    return file.dir().filePath(QLatin1Char('.') + file.fileName() + QStringLiteral(".lock"));
}

void RaceFileWriter::submit(Job job)
{
    std::lock_guard lock(m_mutex);
    m_next = std::move(job);
    if (m_running)
        return;
    // A thread that has run out of work takes no lock again: joined at once.
    if (m_thread.joinable())
        m_thread.join();
    m_running = true;
    m_thread = std::thread(&RaceFileWriter::run, this);
}

void RaceFileWriter::flush()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_running; });
}

void RaceFileWriter::run()
{
    std::unique_lock lock(m_mutex);
    while (m_next) {
        const Job job = std::move(*m_next);
        m_next.reset();
        lock.unlock();
        write(job);
        lock.lock();
    }
    m_running = false;
    m_changed.notify_all();
}

void RaceFileWriter::write(const Job &job)
{
    QString error;
    if (job.race != m_race) {
        m_race = job.race;
        m_path.clear();
        m_lock.reset();
        m_onDisk = false;
    }
    if (!m_path.isEmpty() || choosePath(job, error)) {
        // Held before the file says "läuft", released only after it says
        // otherwise.
        if (job.running)
            holdLock(true);
        if (WriteWholeFile(m_path, job.bytes, error)) {
            m_onDisk = true;
        } else if (!m_onDisk) {
            // The name was taken by an empty file: no race goes without a
            // whole file on disk, and the next write chooses again.
            QFile::remove(m_path);
            m_path.clear();
            holdLock(false);
        }
        if (!job.running)
            holdLock(false);
    }
    emit written(job.race, m_path, error);
}

void RaceFileWriter::holdLock(bool running)
{
    if (!running) {
        m_lock.reset();
        return;
    }
    if (m_lock)
        return;
    m_lock = std::make_unique<QLockFile>(LockPath(m_path));
    // Held as long as the race runs, however long that is; a lock left by a
    // program that died is taken over.
    m_lock->setStaleLockTime(0);
    // Without its lock the race is still written: the file matters more.
    if (!m_lock->tryLock(0))
        m_lock.reset();
}

bool RaceFileWriter::choosePath(const Job &job, QString &error)
{
    if (!QDir().mkpath(job.folder)) {
        error = tr("Der Ordner lässt sich nicht anlegen.");
        return false;
    }
    const QString base = QDir(job.folder).filePath(job.baseName);
    for (int n = 1; n <= kMaxNamesPerSecond; ++n) {
        const QString path = base + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".csv");
        // Created only if it does not exist yet: a file of another race is
        // never replaced, also not one of another program.
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_path = path;
            return true;
        }
        if (!file.exists()) {
            error = file.errorString();
            return false;
        }
    }
    error = tr("Alle Namen dieser Startzeit sind vergeben.");
    return false;
}
