#include "TriggerStatus.h"

#include "Colors.h"

#include <QLabel>
#include <QPalette>

#include <utility>

namespace {

struct Look
{
    QColor face;
    QColor text;
};

// Green for a line that works, red with yellow for one that does not (the
// STOP button's colours), yellow when a handler failed, plain for no port.
Look lookOf(TriggerStatus::State state, bool handlerError)
{
    if (handlerError)
        return {Colors::clYellow(), Colors::clBlack()};
    switch (state) {
    case TriggerStatus::State::Ready: return {Colors::clGreen(), QColor(255, 255, 255)};
    case TriggerStatus::State::Lost: return {Colors::clRed(), Colors::clYellow()};
    case TriggerStatus::State::NoPort: break;
    }
    return {Colors::clBtnFace(), Colors::clDimDigit()};
}

// The same look whether the label is enabled or not: the plan's editors
// beside it are disabled during a race, the state must stay readable.
void paint(QLabel *label, const Look &look, const QString &text, const QString &tip)
{
    QPalette p = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, look.face);
        p.setColor(group, QPalette::WindowText, look.text);
    }
    label->setPalette(p);
    label->setAutoFillBackground(true);
    label->setText(text);
    label->setToolTip(tip);
}

// "/dev/ttyUSB0" is shown as "ttyUSB0" where room is short.
QString shortName(const QString &port)
{
    return port.mid(port.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

TriggerStatus::TriggerStatus(QLabel *inlineLabel, QLabel *configurationLabel, std::function<QDateTime()> now,
                             QObject *parent)
    : QObject(parent)
    , m_inline(inlineLabel)
    , m_configuration(configurationLabel)
    , m_now(std::move(now))
{
    show();
}

void TriggerStatus::showNoPort()
{
    m_polarityHint = false;
    m_pollMs = 0;
    m_state = State::NoPort;
    m_port.clear();
    m_since = QDateTime();
    m_failure = {};
    m_otherDevice = false;
    m_handlerError.clear();
    show();
}

void TriggerStatus::showReady(const QString &port, int pollMs)
{
    if (m_state != State::Ready || port != m_port)
        m_polarityHint = false;
    m_pollMs = pollMs;
    m_state = State::Ready;
    m_port = port;
    m_since = QDateTime();
    m_failure = {};
    m_otherDevice = false;
    m_handlerError.clear();
    show();
}

void TriggerStatus::showLost(const QString &port, std::uint32_t error)
{
    PortFailure failure;
    failure.error = error;
    showLost(port, failure);
}

void TriggerStatus::showLost(const QString &port, const PortFailure &failure)
{
    if (m_state != State::Lost || port != m_port) {
        m_since = m_now();
        m_failure = {};
    }
    m_state = State::Lost;
    m_port = port;
    if (failure.error != 0 || failure.refusal.reason != rundaro::serial::OpenRefusal::Reason::None)
        m_failure = failure;
    m_otherDevice = false;
    m_handlerError.clear();
    show();
}

void TriggerStatus::showOtherDevice(const QString &port)
{
    showLost(port, 0);
    m_otherDevice = true;
    show();
}

void TriggerStatus::showPolarityHint()
{
    if (m_polarityHint)
        return;
    m_polarityHint = true;
    show();
}

void TriggerStatus::showHandlerError(const QString &message)
{
    m_handlerError = message;
    show();
}

void TriggerStatus::show()
{
    const QString since = m_since.toString(QStringLiteral("HH:mm:ss"));
    QString brief;
    QString full;
    QString tip;
    switch (m_state) {
    case State::NoPort:
        brief = tr("Kontakt:\nkein Port");
        full = tr("Kein Port gewählt: Runden über Tastatur und Knöpfe");
        break;
    case State::Ready:
        brief = tr("Kontakt bereit\n%1").arg(shortName(m_port));
        full = tr("Bereit: %1").arg(m_port);
        if (m_pollMs > 0)
            full += tr(" – Abfrage alle %1 ms").arg(m_pollMs);
        if (m_polarityHint)
            full += tr(" – Kurze Unterbrechungen – Polarität prüfen");
        break;
    case State::Lost:
        brief = tr("GETRENNT\n%1\nseit %2").arg(shortName(m_port), since);
        full = tr("Getrennt seit %1: %2").arg(since, m_port);
        if (const QString why = m_failure.explain(m_port); !why.isEmpty())
            full += tr(" – %1").arg(why);
        tip = tr(" – wird wieder geöffnet, sobald das Gerät wieder da ist");
        if (m_otherDevice) {
            brief = tr("GETRENNT\n%1\nanderes Gerät").arg(shortName(m_port));
            full = tr("Getrennt seit %1: %2 – anderes Gerät").arg(since, m_port);
            tip = tr(": ein anderes Gerät steckt an diesem Port; es wird erst benutzt, wenn der "
                     "Port in der Liste gewählt wird");
        }
        break;
    }
    if (!m_handlerError.isEmpty()) {
        brief = tr("Kontakt-Fehler\n%1").arg(m_handlerError);
        full += tr(" – Fehler beim Auslösen: %1").arg(m_handlerError);
    }
    const Look look = lookOf(m_state, !m_handlerError.isEmpty());
    m_brief = brief;
    m_face = look.face;
    m_textColour = look.text;
    paint(m_inline, look, brief, full + tip);
    paint(m_configuration, look, full, full + tip);
    emit changed();
}
