#pragma once

#include "MainServices.h"
#include "RegFileStore.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

// The window's outside world for a benchmark: settings in a folder of this
// run's own (never the user's, and never what an earlier run stored), races
// under the temporary folder, no serial ports and a device folder of its
// own, so nothing touches the machine's real devices. With `ownSettings`
// cleared the settings stay in the configuration folder the process was
// given (a child process of bench_process gets a fresh one).
inline MainServices BenchServices(bool ownSettings = true)
{
    MainServices services;
    if (ownSettings) {
        static QTemporaryDir folder;
        services.Store = std::make_shared<rundaro::RegFileStore>(folder.path().toStdString());
    }
    services.ListPorts = [] { return std::vector<std::uint8_t>{}; };
    services.PortIdentity = [](std::uint8_t) { return std::string(); };
    const QString devices = QDir::tempPath() + QStringLiteral("/rundaro-bench-dev");
    QDir().mkpath(devices);
    services.DeviceFolder = devices.toStdString();
    services.RacesFolder = QDir::tempPath() + QStringLiteral("/rundaro-bench-races");
    return services;
}

// A speech engine that says nothing: the call-outs' own cost on the
// window's thread (the phrase, the hand-over to the speech thread) without
// an audio device.
class SilentEngine : public SpeechEngine
{
public:
    void speak(const std::string &) override { }
    SpeechSamples render(const std::string &) override { return {}; }
};

// The call-outs spoken through the program's speech thread by the silent engine.
inline SpeakerFactory SilentSpeech()
{
    return []() -> std::unique_ptr<CallOutSpeaker> {
        return std::make_unique<SpeechThread>([] { return std::make_unique<SilentEngine>(); });
    };
}
