// The hardware lap trigger: a contact on the DSR line of ComPort starts the
// race, takes laps and stops it, with a lockout after each trigger.
#include "Main.h"

#include "ButtonWithColor.h"
#include "Comms.h"

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

    TimerGesperrt = new QTimer(this);
    TimerGesperrt->setObjectName(QStringLiteral("TimerGesperrt"));
    TimerGesperrt->setInterval(kLockoutMs);
    connect(TimerGesperrt, &QTimer::timeout, this, [this] { TimerGesperrtTimer(TimerGesperrt); });
}

void TFormMain::ComPortDSR(QObject * /*Sender*/)
{
    const std::uint32_t status = ComPort->ModemStatus();
    if (status == m_lastModemStatus)
        return;
    // Recorded also during the lockout: a change then is consumed.
    m_lastModemStatus = status;
    const bool dsrOn = status & rundaro::serial::MS_DSR_ON;
    if ((ComPort->Tag() == kOnOff && dsrOn) || (ComPort->Tag() == kOffOn && !dsrOn))
        TriggerRace();
}

void TFormMain::TriggerRace()
{
    if (TimerGesperrt->isActive())
        return;
    // The time of the passing is the tick the command reads, so nothing else
    // is done before it. A disabled item does not run.
    if (bStart->isEnabled())
        mStart->trigger();
    else if (bLAP->isEnabled())
        mLAP->trigger();
    else if (bStop->isEnabled())
        mStop->trigger();
    ArmLockout();
}

void TFormMain::ArmLockout()
{
    if (!TimerGesperrt->isActive() && TimerGesperrt->interval() != 0)
        TimerGesperrt->start();
}

void TFormMain::TimerGesperrtTimer(QObject * /*Sender*/)
{
    TimerGesperrt->stop();
}
