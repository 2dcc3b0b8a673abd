#include "SkaterMemory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = name.toUtf8() + '\n';
    return file.write(bytes) == bytes.size() && file.commit();
}
