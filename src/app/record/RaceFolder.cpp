#include "RaceFolder.h"

#include <QDir>

QStringList RaceFileNames(const QString &folder, bool newestFirst)
{
    const QDir::SortFlags order = newestFirst ? QDir::Name | QDir::Reversed : QDir::Name;
    QStringList names = QDir(folder).entryList(QDir::Files, order);
    names.removeIf([](const QString &name) { return !name.endsWith(QLatin1String(".csv")); });
    return names;
}
