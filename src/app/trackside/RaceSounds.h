#pragma once

#include "SoundOutput.h"

#include <QObject>

#include <memory>

class QAbstractButton;
class QWidget;
class RaceFeed;

// The sounds of a race: a short tone at START and at every LAP, a distinct
// signal at the LAP after which only STOP is left (the last lap begins; at
// START when the race has no LAP at all), and a third at STOP. The cue is
// chosen when the window reports the command, after the tick is read and the
// passing recorded; playing is queued behind the command, so sound is never
// on the timing path. The output is made after the window's first frame, and
// only while the switch is on; a switch that is off plays nothing.
class RaceSounds : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool loaded READ isLoaded)

public:
    // `window`: the window after whose first frame the output is made.
    RaceSounds(RaceFeed &feed, QWidget *window, QAbstractButton *onOff, SoundFactory factory);
    ~RaceSounds() override;

    // Sounds another race too (a pair's other skater): its passings and
    // its STOP, and its START where `start` says so (one START sounds once).
    void follow(RaceFeed &feed, bool start);

    // True once the output has been made (it may still be silent).
    bool isLoaded() const { return m_loaded; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(RaceSounds)

    void cue(RaceCue cue);
    void play(RaceCue cue);
    void load();
    bool on() const;

    QWidget *m_window = nullptr;
    QAbstractButton *m_onOff = nullptr;
    SoundFactory m_factory;
    std::unique_ptr<SoundOutput> m_output;
    bool m_framed = false;
    bool m_loaded = false;
};
