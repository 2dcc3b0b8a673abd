#include "MainServices.h"

#include "Modules.h"
#ifdef _WIN32
#include "RegistryStore.h"
#else
#include "RegFileStore.h"
#endif

#include <QStandardPaths>

TFormMainServices TFormMainServices::Resolved() const
{
    TFormMainServices services = *this;
    if (!services.Store) {
#ifdef _WIN32
        services.Store = std::make_shared<rundaro::RegistryStore>();
#else
        services.Store = std::make_shared<rundaro::RegFileStore>(rundaro::RegFileStore::defaultRoot());
#endif
    }
    if (!services.DeviceFactory)
        services.DeviceFactory = rundaro::serial::OpenPort;
    if (!services.ProbePort)
        services.ProbePort = rundaro::serial::ProbePort;
    if (!services.Sounds) {
        services.Sounds = []() -> std::unique_ptr<SoundOutput> {
            auto *module = qobject_cast<SoundModule *>(LoadModule("rundaro_sound"));
            return module ? module->CreateOutput() : nullptr;
        };
    }
#ifndef _WIN32
    if (services.DeviceFolder.empty())
        services.DeviceFolder = "/dev";
#endif
    if (services.RacesFolder.isEmpty())
        services.RacesFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                               + QStringLiteral("/rundaro/races");
    if (!services.Now)
        services.Now = [] { return QDateTime::currentDateTime(); };
    return services;
}
