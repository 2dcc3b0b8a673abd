#include "RaceFileWriter.h"

#include "RaceSheetTexts.h"

#include <QDir>
#include <QFile>

namespace {

// More races started in one second than anyone can start.
constexpr int kMaxNamesPerSecond = 1000;

} // namespace

TRaceFileWriter::TRaceFileWriter(QObject *parent)
    : QObject(parent)
{
}

TRaceFileWriter::~TRaceFileWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void TRaceFileWriter::Submit(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        m_next = std::move(job);
        if (!m_thread.joinable())
            m_thread = std::thread(&TRaceFileWriter::Run, this);
    }
    m_changed.notify_all();
}

void TRaceFileWriter::Flush()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_next && !m_busy; });
}

void TRaceFileWriter::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_next || m_stop; });
        // What is waiting is written before the thread ends.
        if (!m_next)
            return;
        const Job job = std::move(*m_next);
        m_next.reset();
        m_busy = true;
        lock.unlock();
        Write(job);
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}

void TRaceFileWriter::Write(const Job &job)
{
    QString error;
    if (job.race != m_race) {
        m_race = job.race;
        m_path.clear();
    }
    if (!m_path.isEmpty() || ChoosePath(job, error))
        WriteWholeFile(m_path, job.bytes, error);
    emit written(job.race, m_path, error);
}

bool TRaceFileWriter::ChoosePath(const Job &job, QString &error)
{
    if (!QDir().mkpath(job.folder)) {
        error = QStringLiteral("Der Ordner lässt sich nicht anlegen.");
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
    error = QStringLiteral("Alle Namen dieser Startzeit sind vergeben.");
    return false;
}
