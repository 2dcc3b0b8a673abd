#include "SettingsOrder.h"

#include "Errors.h"

#include <vector>

namespace rundaro {

namespace {

constexpr const char *kNames[] = {
    "Port", "Alg",     "Left",  "Top",     "Width",   "Height",   "Len",      "LenDop",    "LenKrug", "Krugs",
    "Time", "DopTime", "Sound", "Display", "LastLap", "CallOuts", "Language", "LineBoard", "Lanes",   "Contacts",
};

// Closes the store's key however the scope is left.
class KeyGuard
{
public:
    explicit KeyGuard(SettingsStore &store)
        : m_store(store)
    {
    }
    ~KeyGuard() { m_store.closeKey(); }
    KeyGuard(const KeyGuard &) = delete;
    KeyGuard &operator=(const KeyGuard &) = delete;

private:
    SettingsStore &m_store;
};

} // namespace

const char *SettingName(Setting setting)
{
    return kNames[static_cast<int>(setting)];
}

std::string RegistryKeyFor(std::string_view programPath)
{
    const auto slash = programPath.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return "\\Software\\" + std::string(name);
}

int ReadSettings(SettingsStore &store, const std::string &key, const std::function<void(Setting, std::int32_t)> &apply)
{
    if (!store.openKeyForRead(key))
        return 0;
    KeyGuard guard(store);
    int applied = 0;
    try {
        for (const Setting setting : kReadOrder) {
            const auto value = store.readDword(SettingName(setting));
            if (!value)
                break;
            apply(setting, static_cast<std::int32_t>(*value));
            ++applied;
        }
    } catch (...) {
        // A value that cannot be applied ends the reading like a missing one.
    }
    return applied;
}

void WriteSettings(SettingsStore &store, const std::string &key, const std::function<std::int32_t(Setting)> &value)
{
    // Not a silent loss: the user would find the old settings at the next
    // start without having been told.
    if (!store.openKeyForWrite(key))
        throw Exception("Failed to create key " + key);
    KeyGuard guard(store);
    std::vector<std::pair<std::string, std::uint32_t>> values;
    values.reserve(kWriteOrder.size());
    for (const Setting setting : kWriteOrder)
        values.emplace_back(SettingName(setting), static_cast<std::uint32_t>(value(setting)));
    store.writeDwords(values);
}

} // namespace rundaro
