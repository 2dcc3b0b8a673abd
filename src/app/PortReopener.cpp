#include "PortReopener.h"

#include <QCoreApplication>
#include <QEvent>
#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <memory>
#include <utility>

PortReopener::PortReopener(rundaro::serial::DeviceFactory factory, Opened onOpened, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
    , m_onOpened(std::move(onOpened))
{
}

PortReopener::~PortReopener()
{
    // The result queued for this object goes with it, and its device closes.
    if (m_thread.joinable())
        m_thread.join();
}

bool PortReopener::start(std::uint8_t port)
{
    if (m_busy) {
        m_again = true;
        return false;
    }
    if (m_running)
        return false;
    if (m_thread.joinable())
        m_thread.join(); // it has finished its attempt: this returns at once
    m_busy = true;
    m_again = false;
    m_running = true;
    const unsigned attempt = ++m_attempt;
    m_thread = std::thread([this, factory = m_factory, port, attempt] {
#ifdef Q_OS_LINUX
        // The window's thread comes first when the processor is short: the
        // search may take a while, a keyboard lap may not.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
        auto result
            = std::make_shared<rundaro::serial::OpenResult>(factory ? factory(port) : rundaro::serial::OpenPort(port));
        m_running = false;
        QMetaObject::invokeMethod(
            this,
            [this, result, port, attempt] {
                if (attempt != m_attempt)
                    return; // cancelled; a newer attempt may be running
                m_busy = false;
                if (m_onOpened)
                    m_onOpened(port, *result, std::exchange(m_again, false));
            },
            Qt::QueuedConnection);
    });
    return true;
}

void PortReopener::cancel()
{
    if (m_busy) {
        ++m_attempt;
        m_busy = false;
        m_again = false;
    }
    // The caller opens the port next: the device an attempt got must be
    // closed by then, or the port would be busy with our own open. So the
    // attempt is waited for and its queued result, which holds the device,
    // dropped.
    if (m_thread.joinable())
        m_thread.join();
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}
