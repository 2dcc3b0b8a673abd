// The registry store on the Windows registry calls. Run under Wine by
// tools/ci-wine; each test starts and ends without its key.
#include "RegistryStore.h"
#include "Errors.h"
#include "SettingsOrder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace rundaro;

namespace {

// A distinct number for each value, the first one negative.
std::int32_t stored(Setting setting)
{
    return 1000 * static_cast<std::int32_t>(setting) - 40;
}

// This program's own key, built from its file name as the window builds it.
std::string ownKey()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return RegistryKeyFor(path);
}

std::wstring below(const std::string &key)
{
    return std::wstring(key.begin() + 1, key.end()); // the key names are ASCII here
}

// What a command prints on its standard output.
std::string output(const std::string &command)
{
    std::string text;
    if (FILE *pipe = _popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        _pclose(pipe);
    }
    return text;
}

class RegistryStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { RegDeleteKeyW(HKEY_CURRENT_USER, below(key).c_str()); }
    void TearDown() override { RegDeleteKeyW(HKEY_CURRENT_USER, below(key).c_str()); }

    void writeAll()
    {
        RegistryStore store;
        WriteSettings(store, key, [](Setting s) { return stored(s); });
    }

    std::vector<std::pair<Setting, std::int32_t>> readAll()
    {
        RegistryStore store;
        std::vector<std::pair<Setting, std::int32_t>> read;
        ReadSettings(store, key, [&](Setting s, std::int32_t v) { read.emplace_back(s, v); });
        return read;
    }

    // Stores `size` bytes of `data` as "Width", of registry type `type`.
    void replaceWidth(DWORD type, const void *data, DWORD size)
    {
        HKEY handle = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, below(key).c_str(), 0, KEY_ALL_ACCESS, &handle), ERROR_SUCCESS);
        RegSetValueExW(handle, L"Width", 0, type, static_cast<const BYTE *>(data), size);
        RegCloseKey(handle);
    }

    const std::string key = ownKey();
};

} // namespace

TEST_F(RegistryStoreTest, TheValuesComeBackInReadingOrder)
{
    ASSERT_EQ(key, "\\Software\\test_registry_store");
    EXPECT_TRUE(readAll().empty()); // no key yet
    writeAll();
    std::vector<std::pair<Setting, std::int32_t>> expected;
    for (const Setting s : kReadOrder)
        expected.emplace_back(s, stored(s));
    EXPECT_EQ(readAll(), expected);
}

TEST_F(RegistryStoreTest, AValueThatCannotBeReadStopsTheReadingThere)
{
    const wchar_t text[] = L"8"; // four bytes, like a DWORD
    const std::uint64_t wide = 800;
    const std::uint8_t eightBytes[8] = {0x20, 0x03};
    const std::uint8_t twoBytes[2] = {0x20, 0x03};
    struct Case
    {
        const char *what;
        DWORD type;
        const void *data;
        DWORD size;
        bool readable;
    };
    const Case cases[] = {
        {"a string", REG_SZ, text, sizeof text, false},
        {"a QWORD", REG_QWORD, &wide, sizeof wide, false},
        {"a DWORD of eight bytes", REG_DWORD, eightBytes, sizeof eightBytes, false},
        {"a DWORD of two bytes", REG_DWORD, twoBytes, sizeof twoBytes, true},
    };
    for (const Case &c : cases) {
        writeAll();
        replaceWidth(c.type, c.data, c.size);
        const auto read = readAll();
        ASSERT_EQ(read.size(), c.readable ? kReadOrder.size() : 4u) << c.what; // Port, Alg, Left, Top
        if (c.readable) {
            EXPECT_EQ(read[4].second, 800) << c.what;
        }
    }
}

TEST_F(RegistryStoreTest, RegQueryShowsEveryValueAsADwordUnderTheKey)
{
    writeAll();
    const std::string shown = output("reg query \"HKEY_CURRENT_USER" + key + "\" 2>&1");
    EXPECT_NE(shown.find("HKEY_CURRENT_USER" + key), std::string::npos) << shown;
    int dwords = 0;
    for (std::size_t at = shown.find("REG_DWORD"); at != std::string::npos; at = shown.find("REG_DWORD", at + 1))
        ++dwords;
    EXPECT_EQ(dwords, int(kWriteOrder.size())) << shown;
    for (const Setting setting : kWriteOrder) {
        char line[64];
        std::snprintf(line, sizeof line, "    %s    REG_DWORD    0x%x", SettingName(setting),
                      unsigned(stored(setting)));
        EXPECT_NE(shown.find(std::string(line) + '\n'), std::string::npos) << line << "\n" << shown;
    }
}

TEST_F(RegistryStoreTest, KeyNamesAreUnicodeAndAClosedKeyRefusesWrites)
{
    RegistryStore store;
    const std::string name = key + "-\xC3\x9C"; // U+00DC
    ASSERT_TRUE(store.openKeyForWrite(name));
    store.writeDword("Port", 3);
    store.closeKey();
    EXPECT_THROW(store.writeDword("Port", 4), Exception);
    HKEY handle = nullptr;
    const std::wstring path = below(key) + L"-\u00DC";
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &handle), ERROR_SUCCESS);
    RegCloseKey(handle);
    EXPECT_TRUE(store.openKeyForRead(name));
    EXPECT_EQ(store.readDword("Port"), 3u);
    store.closeKey();
    RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
}
