#include "RaceExport.h"

#include "RaceFeed.h"
#include "RaceSheetTexts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

RaceExport::RaceExport(RaceFeed &feed, QWidget *window)
    : QObject(window)
    , m_feed(feed)
    , m_window(window)
{
    setObjectName(QStringLiteral("RaceExport"));
}

void RaceExport::exportRace()
{
    exportRecord(m_stored ? *m_stored : m_feed.race());
}

void RaceExport::exportRecord(const rundaro::RaceRecord &race)
{
    if (!race.HasRace()) {
        QMessageBox::information(m_window, tr("Exportieren"),
                                 tr("Es gibt noch kein Rennen: exportiert wird das Rennen ab START."));
        return;
    }
    // Looked up only now: it reads the user's folder settings.
    if (m_lastFolder.isEmpty())
        m_lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(m_window, tr("Rennen exportieren"),
                       QDir(m_lastFolder).filePath(RaceFileBaseName(race) + QStringLiteral(".csv")),
                       tr("CSV-Dateien (*.csv)"));
    dialog.setObjectName(QStringLiteral("ExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    QString error;
    if (!WriteRaceCsv(race, path, error))
        QMessageBox::warning(
            m_window, tr("Exportieren"),
            tr("Die Datei konnte nicht geschrieben werden.\n\n%1\n%2").arg(QDir::toNativeSeparators(path), error));
}
