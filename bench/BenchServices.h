#pragma once

#include "MainServices.h"
#include "RegFileStore.h"

#include <QDir>

#include <memory>

// The window's outside world for a benchmark: settings and races under the
// temporary folder (never the user's), no serial ports and a device folder
// of its own, so nothing touches the machine's real devices.
inline TFormMainServices BenchServices()
{
    TFormMainServices services;
    services.Store = std::make_shared<rundaro::RegFileStore>(
        (QDir::tempPath() + QStringLiteral("/rundaro-bench-settings")).toStdString());
    services.ProbePort = [](std::uint8_t) { return false; };
    const QString devices = QDir::tempPath() + QStringLiteral("/rundaro-bench-dev");
    QDir().mkpath(devices);
    services.DeviceFolder = devices.toStdString();
    services.RacesFolder = QDir::tempPath() + QStringLiteral("/rundaro-bench-races");
    return services;
}
