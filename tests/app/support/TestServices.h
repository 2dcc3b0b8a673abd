#pragma once

#include "LoggedOutputs.h"
#include "MainServices.h"
#include "RegFileStore.h"
#include "SettingsOrder.h"
#include "SimulatedLine.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The main window's outside world for a test: settings and races in a fresh
// temporary folder, the ports the scan finds, one simulated line behind
// every port number, sounds and call-outs that are only logged, and a
// device folder of its own (never /dev) for the window to watch.
struct TestServices
{
    MainServices services()
    {
        std::filesystem::create_directories(devices());
        return {store,
                line->Factory(),
                [this] { return std::vector<std::uint8_t>(ports.begin(), ports.end()); },
                [this](std::uint8_t port) {
                    const auto found = identities.find(port);
                    return found != identities.end() ? found->second : std::string();
                },
                LoggedSounds(sounds),
                devices(),
                {},
                racesFolder(),
                [this] { return now.isValid() ? now : QDateTime::currentDateTime(); },
                LoggedSpeech(speech)};
    }
    std::string devices() const { return dir.path().toStdString() + "/dev"; }

    // The key the window reads and writes: named after this test program.
    static std::string key() { return rundaro::RegistryKeyFor(QCoreApplication::applicationFilePath().toStdString()); }
    std::filesystem::path file() const { return store->fileFor(key()); }
    // Where the window saves its races.
    QString racesFolder() const { return dir.filePath(QStringLiteral("races")); }

    // Stores the values as the window would.
    void storeValues(const std::vector<std::pair<const char *, std::uint32_t>> &values)
    {
        ASSERT_TRUE(store->openKeyForWrite(key()));
        for (const auto &[name, value] : values)
            store->writeDword(name, value);
        store->closeKey();
    }
    // Writes the key's lines as they are, e.g. a value of another type.
    void storeLines(std::initializer_list<const char *> lines)
    {
        std::filesystem::create_directories(file().parent_path());
        std::ofstream out(file());
        out << "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER" << key() << "]\n";
        for (const char *line : lines)
            out << line << '\n';
    }
    std::optional<std::uint32_t> stored(const char *name)
    {
        if (!store->openKeyForRead(key()))
            return std::nullopt;
        auto value = store->readDword(name);
        store->closeKey();
        return value;
    }

    QTemporaryDir dir;
    std::shared_ptr<rundaro::RegFileStore> store = std::make_shared<rundaro::RegFileStore>(dir.path().toStdString());
    std::shared_ptr<rundaro::serial::SimulatedLine> line = rundaro::serial::SimulatedLine::Create();
    std::set<std::uint8_t> ports;
    // The adapter each port has now (none: unknown).
    std::map<std::uint8_t, std::string> identities;
    std::shared_ptr<SoundLog> sounds = std::make_shared<SoundLog>();
    std::shared_ptr<SpeechLog> speech = std::make_shared<SpeechLog>();
    // The calendar time that names the race files; the system's while invalid.
    QDateTime now;
};
