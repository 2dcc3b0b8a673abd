#include "TestOutput.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

QString saveTestPng(QWidget *widget, const QString &name)
{
    QString dir = qEnvironmentVariable("RUNDARO_TEST_OUTPUT");
    if (dir.isEmpty())
        dir = QDir::currentPath() + QStringLiteral("/test-output");
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}
