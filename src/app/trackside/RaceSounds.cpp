#include "RaceSounds.h"

#include "RaceFeed.h"

#include <QAbstractButton>
#include <QEvent>
#include <QTimer>

RaceSounds::RaceSounds(RaceFeed &feed, QWidget *window, QAbstractButton *onOff, SoundFactory factory)
    : QObject(window)
    , m_window(window)
    , m_onOff(onOff)
    , m_factory(std::move(factory))
{
    window->installEventFilter(this);
    follow(feed, true);
    connect(onOff, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked && m_framed)
            load();
    });
}

RaceSounds::~RaceSounds() = default;

void RaceSounds::follow(RaceFeed &feed, bool start)
{
    const rundaro::RaceRecord &race = feed.race();
    if (start)
        connect(&feed, &RaceFeed::raceStarted, this,
                [this, &race] { cue(race.LapLimit() <= 0 ? RaceCue::LastLap : RaceCue::Passing); });
    connect(&feed, &RaceFeed::passingRecorded, this, [this, &race] {
        // The STOP's passing sounds with raceStopped.
        if (!race.IsStopped())
            cue(race.Passings() == race.LapLimit() ? RaceCue::LastLap : RaceCue::Passing);
    });
    connect(&feed, &RaceFeed::raceStopped, this, [this] { cue(RaceCue::Stop); });
}

bool RaceSounds::on() const
{
    return m_onOff->isChecked();
}

bool RaceSounds::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Paint && !m_framed) {
        m_framed = true;
        m_window->removeEventFilter(this);
        // After this paint has reached the screen, not before.
        QTimer::singleShot(0, this, [this] {
            if (on())
                load();
        });
    }
    return QObject::eventFilter(watched, event);
}

void RaceSounds::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_factory)
        m_output = m_factory();
}

void RaceSounds::cue(RaceCue cue)
{
    if (!on())
        return;
    QMetaObject::invokeMethod(
        this, [this, cue] { play(cue); }, Qt::QueuedConnection);
}

void RaceSounds::play(RaceCue cue)
{
    // A command before the first frame, or a switch turned on just now.
    load();
    if (m_output && on())
        m_output->play(cue);
}
