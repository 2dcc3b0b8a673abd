#include "RaceFile.h"

#include "RaceFeed.h"
#include "RaceSheetTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMessageBox>

RaceFile::RaceFile(RaceFeed &feed, QWidget *window, const QString &folder)
    : QObject(window)
    , m_feed(feed)
    , m_window(window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("RaceFile"));
    connect(&feed, &RaceFeed::raceStarted, this, &RaceFile::raceStarted);
    connect(&feed, &RaceFeed::passingRecorded, this, &RaceFile::schedule);
    connect(&feed, &RaceFeed::passingUndone, this, &RaceFile::schedule);
    connect(&feed, &RaceFeed::raceStopped, this, &RaceFile::schedule);
    connect(&m_writer, &RaceFileWriter::written, this, &RaceFile::written);
    // What is still waiting is written before the window closes.
    window->installEventFilter(this);
}

bool RaceFile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        m_closing = true;
        flush();
    }
    return QObject::eventFilter(watched, event);
}

void RaceFile::flush()
{
    write();
    m_writer.flush();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void RaceFile::raceStarted()
{
    ++m_race;
    m_path.clear();
    m_failure.clear();
    m_failureShown = false;
}

void RaceFile::schedule()
{
    if (m_pending)
        return;
    m_pending = true;
    // A passing while the window closes (the port hands over a last change
    // as it is closed) finds no event loop to wait for.
    if (m_closing)
        flush();
    else
        QMetaObject::invokeMethod(this, &RaceFile::write, Qt::QueuedConnection);
}

void RaceFile::write()
{
    if (!m_pending)
        return;
    m_pending = false;
    const rundaro::RaceRecord &race = m_feed.race();
    m_writer.submit({m_race, m_folder, RaceFileBaseName(race), RaceCsvOf(race)});
}

void RaceFile::written(quint64 race, const QString &path, const QString &error)
{
    if (race != m_race)
        return;
    m_path = path;
    m_failure = error;
    if (m_feed.race().IsStopped())
        showFailure();
}

void RaceFile::showFailure()
{
    if (m_failure.isEmpty() || m_failureShown)
        return;
    m_failureShown = true;
    const QString where = m_path.isEmpty() ? m_folder : m_path;
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Rundaro"),
                                tr("Das Rennen konnte nicht gespeichert werden.\n\n%1\n%2\n\n"
                                   "Die Ergebnisse stehen weiter im Fenster; „Exportieren…“ "
                                   "auf „Control“ speichert sie an einem anderen Ort.")
                                    .arg(QDir::toNativeSeparators(where), m_failure),
                                QMessageBox::Ok, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
