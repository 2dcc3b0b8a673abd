#include "Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

QString ModuleFile(const char *name)
{
    const QString file = QLatin1String(RUNDARO_MODULE_PREFIX) + QLatin1String(name) + QLatin1String(RUNDARO_MODULE_SUFFIX);
    const QString dirs[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/" RUNDARO_MODULE_DIR_FROM_BIN),
        QStringLiteral(RUNDARO_MODULE_BUILD_DIR),
    };
    for (const QString &dir : dirs) {
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
