#include "RaceSounds.h"

#include "Main.h"

#include <QAbstractButton>
#include <QEvent>
#include <QTimer>

TRaceSounds::TRaceSounds(TFormMain *form, QAbstractButton *onOff, SoundFactory factory)
    : QObject(form)
    , m_form(form)
    , m_onOff(onOff)
    , m_factory(std::move(factory))
{
    form->installEventFilter(this);
    const rundaro::RaceRecord &race = form->Race();
    connect(form, &TFormMain::raceStarted, this,
            [this, &race] { cue(race.LapLimit() <= 0 ? RaceCue::LastLap : RaceCue::Passing); });
    connect(form, &TFormMain::passingRecorded, this, [this, &race] {
        // The STOP's passing sounds with raceStopped.
        if (!race.IsStopped())
            cue(race.Passings() == race.LapLimit() ? RaceCue::LastLap : RaceCue::Passing);
    });
    connect(form, &TFormMain::raceStopped, this, [this] { cue(RaceCue::Stop); });
    connect(onOff, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked && m_framed)
            load();
    });
}

TRaceSounds::~TRaceSounds() = default;

bool TRaceSounds::on() const
{
    return m_onOff->isChecked();
}

bool TRaceSounds::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::Paint && !m_framed) {
        m_framed = true;
        m_form->removeEventFilter(this);
        // After this paint has reached the screen, not before.
        QTimer::singleShot(0, this, [this] {
            if (on())
                load();
        });
    }
    return QObject::eventFilter(watched, event);
}

void TRaceSounds::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_factory)
        m_output = m_factory();
}

void TRaceSounds::cue(RaceCue cue)
{
    if (!on())
        return;
    QMetaObject::invokeMethod(this, [this, cue] { play(cue); }, Qt::QueuedConnection);
}

void TRaceSounds::play(RaceCue cue)
{
    // A command before the first frame, or a switch turned on just now.
    load();
    if (m_output && on())
        m_output->Play(cue);
}
