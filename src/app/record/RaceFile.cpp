#include "RaceFile.h"

#include "MessageBar.h"
#include "RaceFeed.h"
#include "RaceSheetTexts.h"
#include "RaceStatus.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QSessionManager>

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
    connect(&feed, &RaceFeed::skaterChanged, this, &RaceFile::schedule);
    connect(&m_writer, &RaceFileWriter::written, this, &RaceFile::written);
    // What is still waiting is written before the window closes, or the
    // program ends without closing it (a signal to end, the session's end).
    window->installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &RaceFile::programEnds);
    // The session may end the program without a close or a quit: the race
    // is on disk as interrupted before it is asked to go.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { writeInterrupted(); });
}

bool RaceFile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close)
        programEnds();
    return QObject::eventFilter(watched, event);
}

void RaceFile::flush()
{
    write();
    m_writer.flush();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void RaceFile::programEnds()
{
    m_closing = true;
    writeInterrupted();
}

void RaceFile::writeInterrupted()
{
    if (running()) {
        m_pending = true;
        m_interrupt = true;
    }
    flush();
}

bool RaceFile::running() const
{
    // A race without a passing has no file yet, and gets none.
    const rundaro::RaceRecord &race = m_feed.race();
    return race.IsOpen() && !race.IsStopped() && race.Passings() > 0;
}

void RaceFile::raceStarted()
{
    ++m_race;
    m_path.clear();
    m_failure.clear();
    // A bar put away during the last race does not keep this one's failure unsaid.
    m_failureShown = m_bar && m_bar->isVisible();
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
    QByteArray bytes = RaceCsvOf(race);
    // Once the program ends, every write of a running race says it was cut short.
    const bool interrupted = running() && (m_interrupt || m_closing);
    m_interrupt = false;
    if (interrupted) {
        std::string text = bytes.toStdString();
        rundaro::SetRaceStatus(text, rundaro::kStatusInterrupted);
        bytes = QByteArray::fromStdString(text);
    }
    m_writer.submit({m_race, m_folder, RaceFileBaseName(race), bytes, running() && !interrupted});
}

void RaceFile::written(quint64 race, const QString &path, const QString &error)
{
    if (race != m_race)
        return;
    m_path = path;
    m_failure = error;
    if (error.isEmpty() && !path.isEmpty())
        emit raceWritten(path);
    if (m_failure.isEmpty())
        hideFailure();
    else
        showFailure();
}

void RaceFile::writeAgain()
{
    const rundaro::RaceRecord &race = m_feed.race();
    if (!race.IsOpen() || race.Passings() == 0)
        return;
    m_pending = true;
    write();
}

void RaceFile::showFailure()
{
    // Nobody reads a bar on a window that is going.
    if (m_closing)
        return;
    if (!m_bar) {
        m_bar = new MessageBar(m_window);
        m_bar->setObjectName(QStringLiteral("RaceFileFailureBar"));
        QPushButton *again = m_bar->addButton(tr("Erneut speichern"));
        again->setObjectName(QStringLiteral("bSaveAgain"));
        connect(again, &QPushButton::clicked, this, &RaceFile::writeAgain);
        QPushButton *ok = m_bar->addButton(tr("OK"));
        connect(ok, &QPushButton::clicked, m_bar, &QWidget::hide);
    }
    const QString where = m_path.isEmpty() ? m_folder : m_path;
    m_bar->setText(tr("Rennen nicht gespeichert: %1 – %2\n"
                      "Die Zeiten stehen weiter im Fenster; beim nächsten Durchgang wird erneut gespeichert, "
                      "„Exportieren…“ auf „Control“ speichert sie an einem anderen Ort.")
                       .arg(m_failure, QDir::toNativeSeparators(where)));
    // Shown once while the writes keep failing: a bar put away stays away.
    if (!m_failureShown)
        m_bar->showBar();
    m_failureShown = true;
}

void RaceFile::hideFailure()
{
    m_failureShown = false;
    if (m_bar)
        m_bar->hide();
}
