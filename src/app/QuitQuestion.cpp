#include "QuitQuestion.h"

#include "MessageBar.h"
#include "RaceFeed.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QSessionManager>

QuitQuestion::QuitQuestion(const RaceFeed &feed, QWidget *window)
    : QObject(window)
    , m_feed(feed)
    , m_window(window)
{
    setObjectName(QStringLiteral("QuitQuestion"));
    window->installEventFilter(this);
    connect(&feed, &RaceFeed::raceStopped, this, &QuitQuestion::dismiss);
    connect(&feed, &RaceFeed::raceReset, this, &QuitQuestion::dismiss);
    // Nobody may be asked while the session ends: the race file is written
    // as interrupted, and the window goes when told.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { m_quitting = true; });
}

bool QuitQuestion::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || event->type() != QEvent::Close || m_quitting || !raceRuns())
        return QObject::eventFilter(watched, event);
    event->ignore();
    ask();
    return true;
}

bool QuitQuestion::raceRuns() const
{
    const rundaro::RaceRecord &race = m_feed.race();
    return race.IsOpen() && !race.IsStopped();
}

void QuitQuestion::ask()
{
    if (!m_bar) {
        m_bar = new MessageBar(m_window);
        m_bar->setObjectName(QStringLiteral("QuitQuestionBar"));
        m_bar->setText(tr("Das Rennen läuft noch. Jetzt beenden? Die Zeiten bis hierher bleiben gespeichert, "
                          "das Rennen gilt dann als \u201eunterbrochen\u201c."));
        QPushButton *quit = m_bar->addButton(tr("Beenden"));
        quit->setObjectName(QStringLiteral("bQuitNow"));
        QPushButton *goOn = m_bar->addButton(tr("Weiterlaufen"));
        goOn->setObjectName(QStringLiteral("bKeepRunning"));
        connect(quit, &QPushButton::clicked, this, &QuitQuestion::quit);
        connect(goOn, &QPushButton::clicked, this, &QuitQuestion::dismiss);
    }
    m_bar->showBar();
    // Asked from the full-screen display, the question would stand hidden
    // behind it.
    m_window->raise();
    m_window->activateWindow();
}

void QuitQuestion::dismiss()
{
    if (m_bar)
        m_bar->hide();
}

void QuitQuestion::quit()
{
    dismiss();
    m_quitting = true;
    m_window->close();
}
