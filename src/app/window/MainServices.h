#pragma once

#include "SerialDevice.h"
#include "SettingsStore.h"
#include "SoundOutput.h"
#include "SpeechThread.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What the main window takes from outside: where its settings are kept,
// how its serial port opens devices, which ports the port list offers and
// which adapter is behind a port, which folders hold the device nodes it
// watches (a lost port is reopened when its node comes back) and the
// system's description of the ports, where the races are saved and the
// calendar clock that names their files. An empty member stands for the platform's
// own (see Resolved).
struct MainServices
{
    std::shared_ptr<rundaro::SettingsStore> Store;
    rundaro::serial::DeviceFactory DeviceFactory;
    // The port numbers present now, found without opening any device.
    std::function<std::vector<std::uint8_t>()> ListPorts;
    // The adapter behind a port ("vvvv:pppp:serial"); empty when unknown.
    std::function<std::string(std::uint8_t port)> PortIdentity;
    // Makes the race sounds' output when sound is first needed. The
    // program's own plays on a thread of its own, and only where a sound
    // server runs.
    SoundFactory Sounds;
    std::string DeviceFolder;
    // Where the kernel describes its tty devices (Linux).
    std::string SysfsFolder;
    QString RacesFolder;
    std::function<QDateTime()> Now;
    // Makes the spoken call-outs' speaker when they are first switched on.
    // The program's own speaks on a thread of its own with the speech module.
    SpeakerFactory Speech;

    // The same services with every empty member filled in: the user's
    // settings (the registry on Windows, a file elsewhere), the platform's
    // serial ports, their list and identities, the sound module, /dev,
    // /sys/class/tty, "rundaro/races" in the user's data folder, the
    // system's clock and the speech module.
    MainServices Resolved() const;
};
