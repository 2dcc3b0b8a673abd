#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The per-user store of 32-bit values under a key path such as
// "\Software\rundaro". One key is open at a time.
namespace rundaro {

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // Opens an existing key; false when it does not exist.
    virtual bool openKeyForRead(const std::string &key) = 0;
    // Opens a key, creating it when missing; false when that fails.
    virtual bool openKeyForWrite(const std::string &key) = 0;
    // The value, or nothing when it is missing or not a 32-bit number.
    virtual std::optional<std::uint32_t> readDword(const std::string &name) = 0;
    // Stores a value at once; throws rundaro::Exception when it cannot.
    virtual void writeDword(const std::string &name, std::uint32_t value) = 0;
    // Stores the values in their order, each as writeDword does, stopping
    // at the first that fails. A store that keeps a key in one file writes
    // it once for all of them.
    virtual void writeDwords(const std::vector<std::pair<std::string, std::uint32_t>> &values)
    {
        for (const auto &[name, value] : values)
            writeDword(name, value);
    }
    virtual void closeKey() = 0;
};

} // namespace rundaro
