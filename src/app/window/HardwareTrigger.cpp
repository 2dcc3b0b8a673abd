// The hardware lap trigger: a contact on the DSR line of ComPort starts the
// race, takes laps and stops it, with a lockout after each trigger.
#include "Main.h"

#include "ButtonWithColor.h"
#include "Comms.h"
#include "DeviceWatch.h"
#include "PortMessages.h"
#include "PortReopener.h"
#include "PortScan.h"
#include "TickCount.h"
#include "TriggerStatus.h"

#include <QAction>
#include <QCheckBox>
#include <QTimer>

namespace {

constexpr int kLockoutMs = 1000;
// A lost port is tried again this often, for as long as it stays lost.
constexpr int kReconnectMs = 1000;
// ComPort's Tag: which DSR state after a change is a trigger.
constexpr qint32 kOnOff = 0; // DSR now on
constexpr qint32 kOffOn = 1; // DSR now off
// Contacts in a row that came as short breaks before the polarity hint.
constexpr int kBreaksBeforeHint = 3;

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
    ComPort->OnCTS = [this](QObject *) { ComPortCTS(); };
    ComPort->OnOpen = [this](QObject *) { ComPortOpen(); };
    ComPort->OnLost = [this](QObject *sender, std::uint32_t error) { ComPortLost(sender, error); };
    // A failing handler is shown beside the state; the port keeps watching
    // and the race goes on.
    ComPort->OnException = [this](QObject *, const std::exception_ptr &error) {
        QString message = tr("Unknown error");
        try {
            std::rethrow_exception(error);
        } catch (const std::exception &e) {
            message = QString::fromUtf8(e.what());
        } catch (...) {
        }
        m_triggerStatus->showHandlerError(message);
    };
    m_triggerStatus = new TriggerStatus(LabTrigger, LabPortState, m_services.Now, this);
    m_deviceFactory = factory;
    m_reopener = new PortReopener(
        factory,
        [this](std::uint8_t port, rundaro::serial::OpenResult &result, bool again) {
            PortReopened(port, result);
            // The node changed while that try ran: once more, at once.
            if (again && m_triggerStatus->state() == TriggerStatus::State::Lost && !ComPort->Connected())
                ReopenPort();
        },
        this);
    auto *watch = new DeviceWatch(QString::fromStdString(m_services.DeviceFolder), this);
    connect(watch, &DeviceWatch::changed, this, &TFormMain::DeviceNodeChanged);

    TimerGesperrt = new QTimer(this);
    TimerGesperrt->setObjectName(QStringLiteral("TimerGesperrt"));
    TimerGesperrt->setInterval(kLockoutMs);
    TimerGesperrt->setTimerType(Qt::PreciseTimer);
    connect(TimerGesperrt, &QTimer::timeout, this, [this] { TimerGesperrtTimer(TimerGesperrt); });

    TimerReconnect = new QTimer(this);
    TimerReconnect->setObjectName(QStringLiteral("TimerReconnect"));
    TimerReconnect->setInterval(kReconnectMs);
    connect(TimerReconnect, &QTimer::timeout, this, [this] { TimerReconnectTimer(TimerReconnect); });
}

void TFormMain::ShowTriggerState(const PortFailure &failure)
{
    const QString name = QString::fromStdString(rundaro::serial::PortDisplayName(ComPort->Port()));
    if (ComPort->Port() == 0 && !ComPort->Connected())
        m_triggerStatus->showNoPort();
    else if (ComPort->Connected())
        m_triggerStatus->showReady(name, ComPort->PollIntervalMs());
    else
        m_triggerStatus->showLost(name, failure);
    // A lost port is tried again until it opens or another port is chosen.
    if (m_triggerStatus->state() == TriggerStatus::State::Lost)
        TimerReconnect->start();
    else
        TimerReconnect->stop();
}

void TFormMain::TimerReconnectTimer(QObject * /*Sender*/)
{
    if (m_triggerStatus->state() == TriggerStatus::State::Lost && !ComPort->Connected())
        ReopenPort();
}

void TFormMain::ComPortLost(QObject * /*Sender*/, quint32 Error)
{
    PortFailure failure;
    failure.error = Error;
    failure.step = PortFailure::Step::Line;
    ShowTriggerState(failure);
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
    // Only the adapter that was opened comes back by itself: another device
    // at the same node (a board plugged into the contact's socket) is not
    // touched until the user chooses the port.
    const std::string identity = m_services.PortIdentity(ComPort->Port());
    if (!m_portIdentity.empty() && !identity.empty() && identity != m_portIdentity) {
        m_triggerStatus->showOtherDevice(QString::fromStdString(rundaro::serial::PortDisplayName(ComPort->Port())));
        return;
    }
    // The device is opened off the window's thread (looking for another
    // holder of the port can take long); the window goes on timing, and
    // PortReopened takes the device. An attempt still running is not doubled.
    m_reopener->start(ComPort->Port());
}

void TFormMain::PortReopened(std::uint8_t port, rundaro::serial::OpenResult &result)
{
    // The user may have chosen another port meanwhile, or the port came
    // back another way.
    if (m_triggerStatus->state() != TriggerStatus::State::Lost || ComPort->Connected() || ComPort->Port() != port)
        return;
    // The component opens as ever, with the device already at hand. A node
    // that is back but cannot be opened yet (udev has not set its
    // permissions, another program holds it) stays lost and shows why; the
    // next try comes a second later or with the node's next change.
    auto opened = std::make_shared<rundaro::serial::OpenResult>(std::move(result));
    ComPort->SetDeviceFactory([opened](std::uint8_t) { return std::move(*opened); });
    PortFailure failure;
    try {
        ComPort->Open();
    } catch (const EComError &e) {
        failure = PortFailure::of(e);
    } catch (const std::exception &) {
    }
    ComPort->SetDeviceFactory(m_deviceFactory);
    ShowTriggerState(failure);
}

void TFormMain::ComPortOpen()
{
    // Where the line stands at the open is where its next change starts
    // from: an open never takes a lap (the port's worker decides contacts).
    m_lastModemStatus = ComPort->Report().modemStatus;
    m_portIdentity = m_services.PortIdentity(ComPort->Port());
    m_breakContacts = 0;
}

void TFormMain::ComPortDSR(QObject * /*Sender*/)
{
    const rundaro::serial::PortReport &report = ComPort->Report();
    m_lastModemStatus = report.modemStatus;
    const qint32 polarity = ComPort->Tag();
    if (polarity != kOnOff && polarity != kOffOn)
        return;
    // Recorded also during the lockout: a contact then is consumed.
    for (const ContactRule::Contact &contact : report.contacts) {
        if (contact.dsrOn != (polarity == kOnOff))
            continue;
        // Contacts that keep coming as short breaks away from the chosen
        // level are timed at the break's end: the other polarity would
        // time its start.
        m_breakContacts = contact.afterBreak ? m_breakContacts + 1 : 0;
        if (m_breakContacts == kBreaksBeforeHint)
            m_triggerStatus->showPolarityHint();
        if (cbPair->isChecked())
            pairContact(0, contact.tick);
        else
            TriggerRace(contact.tick);
    }
}

void TFormMain::ComPortCTS()
{
    const qint32 polarity = ComPort->Tag();
    if (!cbPair->isChecked() || (polarity != kOnOff && polarity != kOffOn))
        return;
    // The same contact rule on CTS: its `dsrOn` holds CTS's level.
    for (const ContactRule::Contact &contact : ComPort->Report().ctsContacts) {
        if (contact.dsrOn == (polarity == kOnOff))
            pairContact(1, contact.tick);
    }
}

void TFormMain::TriggerRace(std::uint32_t tick)
{
    // The lockout is measured on the race's own clock, from the trigger that
    // armed it: neither a late nor an early timer changes its length.
    // Elapsed time, unsigned: a signed difference would read a contact
    // 25 days after the last one as before it, and lock the line out.
    if (m_lockoutMs > 0 && tick - m_lockoutStart < static_cast<std::uint32_t>(m_lockoutMs))
        return;
    // The command records the contact's tick, not the moment it runs. A
    // disabled item does not run.
    m_contactTick = tick;
    if (bStart->isEnabled())
        mStart->trigger();
    else if (bLAP->isEnabled())
        mLAP->trigger();
    else if (bStop->isEnabled())
        mStop->trigger();
    m_contactTick.reset();
    m_lockoutStart = tick;
    ArmLockout();
}

std::uint32_t TFormMain::CommandTick(bool passing)
{
    if (!m_contactTick)
        return rundaro::GetTickCount();
    std::uint32_t tick = *m_contactTick;
    m_contactTick.reset();
    // A keyboard LAP handled before the contact's report came may be later
    // than the contact: passings stay in order, no lap is negative.
    if (passing) {
        const std::uint32_t latest
            = m_record.Passings() > 0 ? m_record.PassingTick(m_record.Passings() - 1) : m_startTick;
        if (rundaro::TickDiff(tick, latest) < 0)
            tick = latest;
    }
    return tick;
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
