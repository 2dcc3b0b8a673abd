#include "MainServices.h"

#include "Modules.h"
#include "PortScan.h"
#ifdef Q_OS_WIN
#include "RegistryStore.h"
#else
#include "RegFileStore.h"
#endif
#include "SoundServer.h"
#include "SoundThread.h"

#include <QStandardPaths>

MainServices MainServices::Resolved() const
{
    MainServices services = *this;
    if (!services.Store) {
#ifdef Q_OS_WIN
        services.Store = std::make_shared<rundaro::RegistryStore>();
#else
        services.Store = std::make_shared<rundaro::RegFileStore>(rundaro::RegFileStore::defaultRoot());
#endif
    }
    if (!services.DeviceFactory)
        services.DeviceFactory = rundaro::serial::OpenPort;
    if (!services.Sounds) {
        services.Sounds = []() -> std::unique_ptr<SoundOutput> {
            // No server, no sound: neither the sound thread nor the audio
            // library.
            if (!SoundServerPresent())
                return nullptr;
            return std::make_unique<SoundThread>(
                [file = ModuleFile("rundaro_sound")]() -> std::unique_ptr<SoundOutput> {
                    auto *module = qobject_cast<SoundModule *>(LoadModuleFile(file));
                    return module ? module->createOutput() : nullptr;
                });
        };
    }
#ifndef Q_OS_WIN
    if (services.DeviceFolder.empty())
        services.DeviceFolder = "/dev";
#endif
    rundaro::serial::PortFolders folders;
    if (!services.DeviceFolder.empty())
        folders.devices = services.DeviceFolder;
    if (!services.SysfsFolder.empty())
        folders.sysfs = services.SysfsFolder;
    if (!services.ListPorts)
        services.ListPorts = [folders] { return rundaro::serial::ListPorts(folders); };
    if (!services.PortIdentity)
        services.PortIdentity = [folders](std::uint8_t port) { return rundaro::serial::PortIdentity(port, folders); };
    if (services.RacesFolder.isEmpty())
        services.RacesFolder
            = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/rundaro/races");
    if (!services.Now)
        services.Now = [] { return QDateTime::currentDateTime(); };
    if (!services.Speech) {
        services.Speech = []() -> std::unique_ptr<CallOutSpeaker> {
            return std::make_unique<SpeechThread>(
                [file = ModuleFile("rundaro_speech")]() -> std::unique_ptr<SpeechEngine> {
                    auto *module = qobject_cast<SpeechModule *>(LoadModuleFile(file));
                    return module ? module->createEngine("de") : nullptr;
                });
        };
    }
    return services;
}
