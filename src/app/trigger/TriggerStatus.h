#pragma once

#include "PortMessages.h"

#include <QColor>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class QLabel;

// What the hardware trigger's line is doing, shown where the user looks: on
// the "Inline" tab (LabTrigger, a coloured block readable from a distance)
// and beside "Hardware:" on "Configuration" (one line with the details).
// Three states: no port chosen; the chosen port ready; its line lost, since
// when and why. A handler's error is added to the state shown, never put up
// as a message box during a race. Deciding the state and reopening a lost
// port are the window's: this class only shows.
class TriggerStatus : public QObject
{
    Q_OBJECT
    Q_PROPERTY(State state READ state)

public:
    enum class State { NoPort, Ready, Lost };
    Q_ENUM(State)

    // `now`: the wall clock the time a line was lost is read from.
    TriggerStatus(QLabel *inlineLabel, QLabel *configurationLabel, std::function<QDateTime()> now, QObject *parent);

    State state() const { return m_state; }
    // When the line was lost; null unless Lost.
    QDateTime lostSince() const { return m_since; }

    void showNoPort();
    // `pollMs`: the port's driver cannot wait for the lines, which are
    // looked at every that many milliseconds instead (0: it waits).
    void showReady(const QString &port, int pollMs = 0);
    // Contacts keep coming as short breaks away from the chosen level: the
    // other polarity would time their start. Shown while the port stays
    // ready.
    void showPolarityHint();
    bool polarityHint() const { return m_polarityHint; }
    // The port `port` cannot be used; `failure` says why (its number 0 when
    // unknown), in words with what to do; the latest known one is shown. A
    // port that stays lost keeps its first time.
    void showLost(const QString &port, const PortFailure &failure);
    // Lost with the system's error number from watching the line.
    void showLost(const QString &port, std::uint32_t error);
    // The latest known failure while Lost.
    const PortFailure &failure() const { return m_failure; }
    // Lost, and another device than the one opened before is at the port's
    // node now; it is not opened unless the user chooses the port.
    void showOtherDevice(const QString &port);
    bool otherDevice() const { return m_otherDevice; }
    // The state as the "Inline" tab shows it: its lines and its colours.
    const QString &brief() const { return m_brief; }
    const QColor &face() const { return m_face; }
    const QColor &textColour() const { return m_textColour; }
    // An event handler of the port failed with `message`; shown until the
    // state changes.
    void showHandlerError(const QString &message);

signals:
    // The state or its text changed.
    void changed();

private:
    Q_DISABLE_COPY(TriggerStatus)

    void show();

    QLabel *m_inline = nullptr;
    QLabel *m_configuration = nullptr;
    State m_state = State::NoPort;
    QString m_port;
    std::function<QDateTime()> m_now;
    QDateTime m_since;
    PortFailure m_failure;
    bool m_otherDevice = false;
    int m_pollMs = 0;
    bool m_polarityHint = false;
    QString m_handlerError;
    QString m_brief;
    QColor m_face;
    QColor m_textColour;
};
