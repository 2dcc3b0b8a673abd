// The hardware lap trigger: a contact on the DSR line of ComPort starts the
// race, takes laps and stops it, with a lockout after each trigger.
#include "Main.h"

#include "ButtonWithColor.h"
#include "Comms.h"
#include "DeviceWatch.h"
#include "PortScan.h"
#include "TickCount.h"
#include "TriggerStatus.h"

#include <QAction>
#include <QTimer>

namespace {

constexpr int kLockoutMs = 1000;
// ComPort's Tag: which DSR state after a change is a trigger.
constexpr qint32 kOnOff = 0; // DSR now on
constexpr qint32 kOffOn = 1; // DSR now off

} // namespace

void TFormMain::createComPort(const rundaro::serial::DeviceFactory &factory)
{
    ComPort = new TComPort(this);
    ComPort->setObjectName(QStringLiteral("ComPort"));
    ComPort->SetDeviceFactory(factory);
    ComPort->SetBaudRate(TComPort::br9600);
    ComPort->SetBaudRateUser(28800);
    ComPort->SetPort(0);
    ComPort->SetParity(TComPort::prNone);
    ComPort->SetStopBits(TComPort::sbOneStopBit);
    ComPort->SetFlowControl(TComPort::fcNone);
    ComPort->SetDataBits(5);
    ComPort->SetEvents({TComPort::evDSR});
    ComPort->SetEnableDTR(true);
    ComPort->SetWriteBufSize(64);
    ComPort->SetReadBufSize(64);
    ComPort->OnDSR = [this](QObject *sender) { ComPortDSR(sender); };
    ComPort->OnLost = [this](QObject *sender, std::uint32_t error) { ComPortLost(sender, error); };
    // A failing handler is shown beside the state; the port keeps watching
    // and the race goes on.
    ComPort->OnException = [this](QObject *, const std::exception_ptr &error) {
        QString message = QStringLiteral("Unknown error");
        try {
            std::rethrow_exception(error);
        } catch (const std::exception &e) {
            message = QString::fromUtf8(e.what());
        } catch (...) {
        }
        m_triggerStatus->showHandlerError(message);
    };
    m_triggerStatus = new TriggerStatus(LabTrigger, LabPortState, this);
    auto *watch = new DeviceWatch(QString::fromStdString(m_services.DeviceFolder), this);
    connect(watch, &DeviceWatch::changed, this, &TFormMain::DeviceNodeChanged);

    TimerGesperrt = new QTimer(this);
    TimerGesperrt->setObjectName(QStringLiteral("TimerGesperrt"));
    TimerGesperrt->setInterval(kLockoutMs);
    TimerGesperrt->setTimerType(Qt::PreciseTimer);
    connect(TimerGesperrt, &QTimer::timeout, this, [this] { TimerGesperrtTimer(TimerGesperrt); });
}

void TFormMain::ShowTriggerState(std::uint32_t error)
{
    const QString name = QString::fromStdString(rundaro::serial::PortDisplayName(ComPort->Port()));
    if (ComPort->Port() == 0 && !ComPort->Connected())
        m_triggerStatus->showNoPort();
    else if (ComPort->Connected())
        m_triggerStatus->showReady(name);
    else
        m_triggerStatus->showLost(name, error);
}

void TFormMain::ComPortLost(QObject * /*Sender*/, quint32 Error)
{
    ShowTriggerState(Error);
}

void TFormMain::DeviceNodeChanged(const QString &name)
{
    const std::uint8_t port = name.isEmpty() ? 0 : rundaro::serial::PortNumberOf(name.toStdString());
    if (!name.isEmpty() && port == 0)
        return; // not a serial port
    if (m_triggerStatus->state() == TriggerStatus::State::Lost && (name.isEmpty() || port == ComPort->Port()))
        ReopenPort();
    // The list follows the devices as they come and go.
    RefreshPorts();
}

void TFormMain::ReopenPort()
{
    // A node that is back but cannot be opened yet (udev has not set its
    // permissions) stays lost; its next change tries again.
    try {
        ComPort->Open();
    } catch (const std::exception &) {
        return;
    }
    // Where the line stands now is where its next change starts from: a
    // reopen never takes a lap.
    m_lastModemStatus = ComPort->ModemStatus();
    ShowTriggerState();
}

void TFormMain::ComPortDSR(QObject * /*Sender*/)
{
    const std::uint32_t status = ComPort->ModemStatus();
    // Two or more changes since the last report: a whole pulse (the contact
    // closed and opened again, or the reverse) lies between two reports,
    // whatever the level now says.
    const bool pulse = ComPort->DsrChanges() >= 2;
    if (status == m_lastModemStatus && !pulse)
        return;
    // Recorded also during the lockout: a change then is consumed.
    m_lastModemStatus = status;
    const bool dsrOn = status & rundaro::serial::MS_DSR_ON;
    const qint32 polarity = ComPort->Tag();
    const bool matching = (polarity == kOnOff && dsrOn) || (polarity == kOffOn && !dsrOn);
    // A pulse holds the matching edge of either polarity: it triggers once.
    if (matching || (pulse && (polarity == kOnOff || polarity == kOffOn)))
        TriggerRace();
}

void TFormMain::TriggerRace()
{
    // The lockout is measured on the race's own clock, from the trigger that
    // armed it: neither a late nor an early timer changes its length.
    const std::uint32_t now = rundaro::GetTickCount();
    if (m_lockoutMs > 0 && now - m_lockoutStart < std::uint32_t(m_lockoutMs))
        return;
    // The time of the passing is the tick the command reads, so nothing else
    // is done before it. A disabled item does not run.
    if (bStart->isEnabled())
        mStart->trigger();
    else if (bLAP->isEnabled())
        mLAP->trigger();
    else if (bStop->isEnabled())
        mStop->trigger();
    m_lockoutStart = now;
    ArmLockout();
}

void TFormMain::ArmLockout()
{
    // TimerGesperrt shows the lockout; TriggerRace decides by the clock. A
    // timer still running late starts over with the new lockout.
    m_lockoutMs = TimerGesperrt->interval();
    if (m_lockoutMs != 0)
        TimerGesperrt->start();
}

void TFormMain::TimerGesperrtTimer(QObject * /*Sender*/)
{
    TimerGesperrt->stop();
}
