#include "DeviceWatch.h"

#ifdef Q_OS_LINUX
#include "DeviceFolderWatch.h"
#endif

#include <QSocketNotifier>

#ifdef Q_OS_LINUX

DeviceWatch::DeviceWatch(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_watch(std::make_unique<rundaro::serial::DeviceFolderWatch>(folder.toStdString()))
{
    if (m_watch->Fd() < 0)
        return;
    m_notifier = new QSocketNotifier(m_watch->Fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DeviceWatch::readChanges);
}

void DeviceWatch::readChanges()
{
    for (const std::string &name : m_watch->ReadChanges())
        emit changed(QString::fromStdString(name));
}

#else

namespace rundaro::serial {
class DeviceFolderWatch
{
};
} // namespace rundaro::serial

DeviceWatch::DeviceWatch(const QString &, QObject *parent)
    : QObject(parent)
{
}

void DeviceWatch::readChanges() { }

#endif

DeviceWatch::~DeviceWatch() = default;

bool DeviceWatch::watching() const
{
    return m_notifier != nullptr;
}
