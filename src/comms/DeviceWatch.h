#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace rundaro::serial {
class DeviceFolderWatch;
}

// Tells, through the event loop, which device nodes of one folder appeared,
// went or got new permissions. It never polls: an idle program is not woken
// by it. Where the folder cannot be watched it stays silent.
class DeviceWatch : public QObject
{
    Q_OBJECT

public:
    DeviceWatch(const QString &folder, QObject *parent);
    ~DeviceWatch() override;

    bool watching() const;

signals:
    // `name` is a node's name within the folder; empty when any node may
    // have changed.
    void changed(const QString &name);

private:
    Q_DISABLE_COPY(DeviceWatch)

    void readChanges();

    std::unique_ptr<rundaro::serial::DeviceFolderWatch> m_watch;
    QSocketNotifier *m_notifier = nullptr;
};
