#include "SkaterMemory.h"

#include "WholeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Longer than any name the field takes: what is beyond it is no name.
constexpr qint64 kMostBytes = 1024;

} // namespace

SkaterMemory::SkaterMemory(const QString &racesFolder)
    : m_path(QDir::cleanPath(QDir(racesFolder).absoluteFilePath(QStringLiteral("../skater.txt"))))
{
}

QString SkaterMemory::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.read(kMostBytes)).section(u'\n', 0, 0).trimmed();
}

bool SkaterMemory::write(const QString &name) const
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    // Checked write: a full disk keeps the name stored before.
    QString error;
    return WriteWholeFile(m_path, name.toUtf8() + '\n', error);
}
