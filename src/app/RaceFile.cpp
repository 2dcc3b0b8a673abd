#include "RaceFile.h"

#include "Main.h"
#include "RaceSheetTexts.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QMessageBox>

namespace {

// More races started in one second than anyone can start.
constexpr int kMaxNamesPerSecond = 1000;

} // namespace

TRaceFile::TRaceFile(TFormMain *form, const QString &folder)
    : QObject(form)
    , m_form(form)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("RaceFile"));
    connect(form, &TFormMain::raceStarted, this, &TRaceFile::raceStarted);
    connect(form, &TFormMain::passingRecorded, this, &TRaceFile::schedule);
    connect(form, &TFormMain::passingUndone, this, &TRaceFile::schedule);
    connect(form, &TFormMain::raceStopped, this, &TRaceFile::schedule);
    // What is still waiting is written before the window closes.
    form->installEventFilter(this);
}

bool TRaceFile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::Close && m_pending)
        write();
    return QObject::eventFilter(watched, event);
}

void TRaceFile::raceStarted()
{
    m_path.clear();
    m_failure.clear();
    m_failureShown = false;
}

void TRaceFile::schedule()
{
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &TRaceFile::write, Qt::QueuedConnection);
}

void TRaceFile::write()
{
    if (!m_pending)
        return;
    m_pending = false;
    const rundaro::RaceRecord &race = m_form->Race();
    QString error;
    if (m_path.isEmpty() && !choosePath(error)) {
        m_failure = error;
    } else if (WriteRaceCsv(race, m_path, error)) {
        m_failure.clear();
    } else {
        m_failure = error;
    }
    if (race.IsStopped())
        showFailure();
}

bool TRaceFile::choosePath(QString &error)
{
    if (!QDir().mkpath(m_folder)) {
        error = QStringLiteral("Der Ordner lässt sich nicht anlegen.");
        return false;
    }
    const QString base = QDir(m_folder).filePath(RaceFileBaseName(m_form->Race()));
    for (int n = 1; n <= kMaxNamesPerSecond; ++n) {
        const QString path = base + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".csv");
        // Created only if it does not exist yet, so two programs never share a name.
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

void TRaceFile::showFailure()
{
    if (m_failure.isEmpty() || m_failureShown)
        return;
    m_failureShown = true;
    const QString where = m_path.isEmpty() ? m_folder : m_path;
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Rundaro"),
                                QStringLiteral("Das Rennen konnte nicht gespeichert werden.\n\n%1\n%2\n\n"
                                               "Die Ergebnisse stehen weiter im Fenster; \u201eExportieren\u2026\u201c "
                                               "auf \u201eControl\u201c speichert sie an einem anderen Ort.")
                                    .arg(QDir::toNativeSeparators(where), m_failure),
                                QMessageBox::Ok, m_form);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
