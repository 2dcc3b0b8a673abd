#include "RegistryStore.h"

#include "Errors.h"

#include <windows.h>

namespace rundaro {

namespace {

std::wstring wide(const std::string &text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), result.data(), size);
    return result;
}

// The key's path below HKEY_CURRENT_USER: a leading backslash only says
// that the path starts at the root.
std::wstring subKey(const std::string &key)
{
    const auto first = key.find_first_not_of('\\');
    return wide(first == std::string::npos ? std::string() : key.substr(first));
}

} // namespace

RegistryStore::~RegistryStore()
{
    closeKey();
}

bool RegistryStore::openKeyForRead(const std::string &key)
{
    closeKey();
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey(key).c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS)
        return false;
    m_key = opened;
    return true;
}

bool RegistryStore::openKeyForWrite(const std::string &key)
{
    closeKey();
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, subKey(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &opened, nullptr)
        != ERROR_SUCCESS)
        return false;
    m_key = opened;
    return true;
}

std::optional<std::uint32_t> RegistryStore::readDword(const std::string &name)
{
    if (!m_key)
        return std::nullopt;
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof data;
    // A longer value does not fit and fails with ERROR_MORE_DATA.
    if (RegQueryValueExW(m_key, wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE *>(&data), &size)
            != ERROR_SUCCESS
        || type != REG_DWORD)
        return std::nullopt;
    return std::uint32_t(data);
}

void RegistryStore::writeDword(const std::string &name, std::uint32_t value)
{
    const DWORD data = value;
    if (!m_key
        || RegSetValueExW(m_key, wide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&data), sizeof data)
            != ERROR_SUCCESS)
        throw Exception("Failed to set data for '" + name + "'");
}

void RegistryStore::closeKey()
{
    if (m_key)
        RegCloseKey(m_key);
    m_key = nullptr;
}

} // namespace rundaro
