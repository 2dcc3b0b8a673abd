#include "RaceFileActions.h"

#include "RaceSheetTexts.h"
#include "RaceSkaterEdit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString RemovedRacesFolder(const QString &racesFolder)
{
    return QDir::cleanPath(racesFolder + QStringLiteral("/../gel\u00f6scht"));
}

bool MoveRaceFile(const QString &path, const QString &folder, QString &movedTo, QString &error)
{
    if (!QDir().mkpath(folder)) {
        error = QCoreApplication::translate("RaceResults", "Der Ordner %1 lässt sich nicht anlegen.")
                    .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QFileInfo source(path);
    if (!source.isFile()) {
        error = QCoreApplication::translate("RaceResults", "Die Datei gibt es nicht mehr.");
        return false;
    }
    const QDir dir(folder);
    const QString base = source.completeBaseName();
    const QString suffix = source.suffix().isEmpty() ? QString() : u'.' + source.suffix();
    QString target = dir.filePath(source.fileName());
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = dir.filePath(QStringLiteral("%1-%2%3").arg(base).arg(n).arg(suffix));
    QFile file(path);
    // A rename within one file system; across two, Qt copies and removes
    // the original only once the copy is complete.
    if (!file.rename(target)) {
        error = file.errorString();
        return false;
    }
    movedTo = target;
    return true;
}

bool CorrectRaceSkater(const QString &path, const QString &name, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    std::string text = file.readAll().toStdString();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    file.close();
    if (!rundaro::SetRaceSkater(text, name.toStdString())) {
        error = QCoreApplication::translate("RaceResults", "Die Datei ist keine Renndatei.");
        return false;
    }
    return WriteWholeFile(path, QByteArray::fromStdString(text), error);
}
