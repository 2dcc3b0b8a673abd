#include "MainServices.h"

#include "Modules.h"
#include "RegFileStore.h"

TFormMainServices TFormMainServices::Resolved() const
{
    TFormMainServices services = *this;
    if (!services.Store)
        services.Store = std::make_shared<rundaro::RegFileStore>(rundaro::RegFileStore::defaultRoot());
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
    return services;
}
