#pragma once

#include "SettingsStore.h"

#include <string>

struct HKEY__; // the registry's key handle, without all of <windows.h>

namespace rundaro {

// The Windows store: each key is a registry key under HKEY_CURRENT_USER
// ("\Software\rundaro" is HKEY_CURRENT_USER\Software\rundaro), each value a
// REG_DWORD. Keys are opened with full access. Key and value names are UTF-8
// here and UTF-16 in the registry.
class RegistryStore : public SettingsStore
{
public:
    RegistryStore() = default;
    ~RegistryStore() override;
    RegistryStore(const RegistryStore &) = delete;
    RegistryStore &operator=(const RegistryStore &) = delete;

    bool openKeyForRead(const std::string &key) override;
    bool openKeyForWrite(const std::string &key) override;
    // Nothing when the value is missing, is not a REG_DWORD or is longer
    // than 4 bytes.
    std::optional<std::uint32_t> readDword(const std::string &name) override;
    void writeDword(const std::string &name, std::uint32_t value) override;
    void closeKey() override;

private:
    HKEY__ *m_key = nullptr;
};

} // namespace rundaro
