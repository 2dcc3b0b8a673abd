#include "Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

// The build tree the program runs from, if it does: the nearest folder
// above the program's that holds the tree's CMakeCache.txt (a test program
// sits deeper than the program itself). Nothing is compiled in, so an
// installed program carries no path of the machine it was built on.
QString BuildTreeModules(const QString &programDir)
{
    QDir dir(programDir);
    for (int depth = 0; depth < 4; ++depth) {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("CMakeCache.txt"))))
            return dir.filePath(QStringLiteral("modules"));
        if (!dir.cdUp())
            break;
    }
    return {};
}

} // namespace

QString ModuleFile(const char *name)
{
    const QString file
        = QLatin1String(RUNDARO_MODULE_PREFIX) + QLatin1String(name) + QLatin1String(RUNDARO_MODULE_SUFFIX);
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString dirs[] = {
        programDir + QStringLiteral("/" RUNDARO_MODULE_DIR_FROM_BIN),
        BuildTreeModules(programDir),
    };
    for (const QString &dir : dirs) {
        if (dir.isEmpty())
            continue;
        const QString path = QDir(dir).filePath(file);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

QObject *LoadModuleFile(const QString &file)
{
    if (file.isEmpty())
        return nullptr;
    QPluginLoader loader(file);
    return loader.instance();
}

QObject *LoadModule(const char *name)
{
    return LoadModuleFile(ModuleFile(name));
}
