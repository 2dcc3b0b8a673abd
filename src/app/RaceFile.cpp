#include "RaceFile.h"

#include "Main.h"
#include "RaceSheetTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMessageBox>

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
    connect(&m_writer, &TRaceFileWriter::written, this, &TRaceFile::written);
    // What is still waiting is written before the window closes.
    form->installEventFilter(this);
}

bool TRaceFile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::Close) {
        m_closing = true;
        Flush();
    }
    return QObject::eventFilter(watched, event);
}

void TRaceFile::Flush()
{
    write();
    m_writer.Flush();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void TRaceFile::raceStarted()
{
    ++m_race;
    m_path.clear();
    m_failure.clear();
    m_failureShown = false;
}

void TRaceFile::schedule()
{
    if (m_pending)
        return;
    m_pending = true;
    // A passing while the window closes (the port hands over a last change
    // as it is closed) finds no event loop to wait for.
    if (m_closing)
        Flush();
    else
        QMetaObject::invokeMethod(this, &TRaceFile::write, Qt::QueuedConnection);
}

void TRaceFile::write()
{
    if (!m_pending)
        return;
    m_pending = false;
    const rundaro::RaceRecord &race = m_form->Race();
    m_writer.Submit({m_race, m_folder, RaceFileBaseName(race), RaceCsvOf(race)});
}

void TRaceFile::written(quint64 race, const QString &path, const QString &error)
{
    if (race != m_race)
        return;
    m_path = path;
    m_failure = error;
    if (m_form->Race().IsStopped())
        showFailure();
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
