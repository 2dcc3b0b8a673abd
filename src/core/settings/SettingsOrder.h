#pragma once

#include "SettingsStore.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Which values the program keeps between runs, in which order they are read
// and written, and what a failure does to the rest.
namespace rundaro {

enum class Setting {
    Port,
    Alg,
    Left,
    Top,
    Width,
    Height,
    Len,
    LenDop,
    LenKrug,
    Krugs,
    Time,
    DopTime,
    Sound,
    Display,
    LastLap,
    CallOuts,
    Language,
    LineBoard,
    Lanes,
    Contacts
};
inline constexpr std::size_t kSettingCount = std::size_t(Setting::Contacts) + 1;

// Reading applies each value as soon as it is read, so the order matters:
// the port first, then the window, then the race set-up with the extra
// metres before the lap length. The values added later come last in both
// orders, each after the ones added before it, so a file written before one
// existed still restores the values before it: "Sound" (the race sounds on
// or off), "Display" (the full-screen display's screen: 0 automatic, n the
// n-th screen), "LastLap" (the last lap shown on it after each passing),
// "CallOuts" (the spoken call-outs on or off), "Language" (the language of
// the program's texts: 0 German, 1 English, 2 Dutch), "LineBoard" (the
// board at the line on or off), "Lanes" (1 a skater alone, 2 a pair),
// "Contacts" (a pair's contacts: 0 one per skater, 1 one per lane at the
// line, 2 one per lane with the crossing before the first line).
constexpr std::array<Setting, kSettingCount> kReadOrder{
    Setting::Port,     Setting::Alg,      Setting::Left,      Setting::Top,     Setting::Width,
    Setting::Height,   Setting::Len,      Setting::LenDop,    Setting::LenKrug, Setting::Krugs,
    Setting::Time,     Setting::DopTime,  Setting::Sound,     Setting::Display, Setting::LastLap,
    Setting::CallOuts, Setting::Language, Setting::LineBoard, Setting::Lanes,   Setting::Contacts,
};

constexpr std::array<Setting, kSettingCount> kWriteOrder{
    Setting::Left,     Setting::Top,      Setting::Width,     Setting::Height,  Setting::Port,
    Setting::Alg,      Setting::Len,      Setting::LenDop,    Setting::LenKrug, Setting::Krugs,
    Setting::Time,     Setting::DopTime,  Setting::Sound,     Setting::Display, Setting::LastLap,
    Setting::CallOuts, Setting::Language, Setting::LineBoard, Setting::Lanes,   Setting::Contacts,
};

// Each order names every setting once: an array with an initializer left
// out would fill its end with the first setting and compile all the same.
constexpr bool NamesEverySettingOnce(const std::array<Setting, kSettingCount> &order)
{
    for (std::size_t setting = 0; setting < kSettingCount; ++setting) {
        int found = 0;
        for (const Setting listed : order)
            found += std::size_t(listed) == setting ? 1 : 0;
        if (found != 1)
            return false;
    }
    return true;
}
static_assert(NamesEverySettingOnce(kReadOrder) && NamesEverySettingOnce(kWriteOrder));

// The stored value name ("Port", "LenDop", ...).
const char *SettingName(Setting setting);

// "\Software\" followed by the program file's name without folder and
// extension: renaming the program gives it a fresh set of settings.
std::string RegistryKeyFor(std::string_view programPath);

// Reads the values in reading order and hands each to `apply` at once. The
// first value that is missing, of another type, or whose application throws
// ends the reading silently; it and all later values keep what they had.
// Returns how many values were applied. A missing key reads nothing.
int ReadSettings(SettingsStore &store, const std::string &key, const std::function<void(Setting, std::int32_t)> &apply);

// Writes the values in writing order. A key that cannot be opened writes
// nothing and throws; a value that cannot be written throws (the values
// after it are not written). The key is closed in every case.
void WriteSettings(SettingsStore &store, const std::string &key, const std::function<std::int32_t(Setting)> &value);

} // namespace rundaro
