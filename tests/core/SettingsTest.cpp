#include "Errors.h"
#include "RegFileStore.h"
#include "SettingsOrder.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

using namespace rundaro;
namespace fs = std::filesystem;

namespace {

// A store in memory that records what is done with it.
class MemoryStore : public SettingsStore
{
public:
    bool keyExists = true;
    bool canWrite = true;
    std::map<std::string, std::uint32_t> values;
    std::string failWriteOf;
    std::vector<std::string> written;
    int closes = 0;

    bool openKeyForRead(const std::string &) override { return keyExists; }
    bool openKeyForWrite(const std::string &) override { return canWrite; }
    std::optional<std::uint32_t> readDword(const std::string &name) override
    {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void writeDword(const std::string &name, std::uint32_t value) override
    {
        if (name == failWriteOf)
            throw Exception("cannot write " + name);
        written.push_back(name);
        values[name] = value;
    }
    void closeKey() override { ++closes; }
};

std::vector<Setting> readAll(SettingsStore &store, std::vector<std::int32_t> *values = nullptr)
{
    std::vector<Setting> applied;
    ReadSettings(store, "\\Software\\rundaro", [&](Setting s, std::int32_t v) {
        applied.push_back(s);
        if (values)
            values->push_back(v);
    });
    return applied;
}

class TempDir
{
public:
    TempDir()
    {
        char templ[] = "/tmp/rundaro-settings-XXXXXX";
        m_path = mkdtemp(templ);
    }
    ~TempDir() { fs::remove_all(m_path); }
    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

} // namespace

TEST(SettingsOrder, ReadsInOrderAndStopsAtTheFirstMissingValue)
{
    MemoryStore store;
    for (const Setting s : kReadOrder)
        store.values[SettingName(s)] = 1;
    EXPECT_EQ(readAll(store), std::vector<Setting>(kReadOrder.begin(), kReadOrder.end()));
    EXPECT_EQ(store.closes, 1);
    // The value added last comes last, so a file written before it existed
    // restores everything else.
    EXPECT_EQ(kReadOrder.back(), Setting::Contacts);
    EXPECT_EQ(kWriteOrder.back(), Setting::Contacts);
    EXPECT_STREQ(SettingName(Setting::Contacts), "Contacts");

    store.values.erase("LenDop");
    EXPECT_EQ(readAll(store),
              (std::vector<Setting>{Setting::Port, Setting::Alg, Setting::Left, Setting::Top, Setting::Width,
                                    Setting::Height, Setting::Len}));
    EXPECT_EQ(store.closes, 2);

    store.keyExists = false;
    EXPECT_TRUE(readAll(store).empty());
    EXPECT_EQ(store.closes, 2); // nothing was opened
}

TEST(SettingsOrder, AFailingApplicationEndsTheReadingSilently)
{
    MemoryStore store;
    for (const Setting s : kReadOrder)
        store.values[SettingName(s)] = 7;
    int applied = ReadSettings(store, "k", [](Setting s, std::int32_t) {
        if (s == Setting::Width)
            throw Exception("no");
    });
    EXPECT_EQ(applied, 4);
    EXPECT_EQ(store.closes, 1);
}

TEST(SettingsOrder, WritesInOrderAndStopsAtAFailedWrite)
{
    MemoryStore store;
    WriteSettings(store, "k", [](Setting s) { return static_cast<std::int32_t>(s); });
    std::vector<std::string> names;
    for (const Setting s : kWriteOrder)
        names.push_back(SettingName(s));
    EXPECT_EQ(store.written, names);
    EXPECT_EQ(store.values["Alg"], 1u);

    MemoryStore failing;
    failing.failWriteOf = "Alg";
    EXPECT_THROW(WriteSettings(failing, "k", [](Setting) { return -1; }), Exception);
    EXPECT_EQ(failing.written, (std::vector<std::string>{"Left", "Top", "Width", "Height", "Port"}));
    EXPECT_EQ(failing.values["Port"], 0xFFFFFFFFu);
    EXPECT_EQ(failing.closes, 1);

    // A key that cannot be opened for writing is reported, not passed over.
    MemoryStore refused;
    refused.canWrite = false;
    try {
        WriteSettings(refused, "\\Software\\k", [](Setting) { return 0; });
        ADD_FAILURE() << "no error";
    } catch (const Exception &e) {
        EXPECT_STREQ(e.what(), "Failed to create key \\Software\\k");
    }
    EXPECT_TRUE(refused.written.empty());
}

TEST(SettingsOrder, KeyFollowsTheProgramFileName)
{
    EXPECT_EQ(RegistryKeyFor("/usr/bin/rundaro"), "\\Software\\rundaro");
    EXPECT_EQ(RegistryKeyFor("C:\\Race\\Lap.exe"), "\\Software\\Lap");
    EXPECT_EQ(RegistryKeyFor("lap.timer.bin"), "\\Software\\lap.timer");
    EXPECT_EQ(RegistryKeyFor(".hidden"), "\\Software\\.hidden");
}

TEST(RegFileStore, RoundTripThroughTheFile)
{
    TempDir dir;
    RegFileStore store(dir.path());
    EXPECT_FALSE(store.openKeyForRead("\\Software\\rundaro"));
    EXPECT_EQ(store.fileFor("\\Software\\rundaro"), dir.path() / "rundaro" / "settings.reg");

    WriteSettings(store, "\\Software\\rundaro", [](Setting s) { return s == Setting::Left ? -5 : 1500; });
    std::ifstream in(store.fileFor("\\Software\\rundaro"));
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("[HKEY_CURRENT_USER\\Software\\rundaro]\n\"Left\"=dword:fffffffb\n"), std::string::npos);
    EXPECT_NE(text.str().find("\"DopTime\"=dword:000005dc\n"), std::string::npos);

    std::vector<std::int32_t> values;
    EXPECT_EQ(readAll(store, &values).size(), kReadOrder.size());
    EXPECT_EQ(values[2], -5); // Left
    EXPECT_EQ(values[11], 1500);
    EXPECT_FALSE(fs::exists(store.fileFor("\\Software\\rundaro").string() + ".new"));
}

// Each replacement of the file waits for the disk: the window's settings,
// written at every race start, replace it once, and not at all when every
// value is as stored.
TEST(RegFileStore, TheSettingsReplaceTheFileOnceAndOnlyWhenChanged)
{
    TempDir dir;
    RegFileStore store(dir.path());
    const std::string key = "\\Software\\rundaro";
    // A replacement creates a file and moves it onto the settings file; the
    // creations also keep the kernel from merging the moves into one event.
    const auto replacements = [&](std::int32_t width) {
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(watch, store.fileFor(key).parent_path().c_str(), IN_CREATE | IN_MOVED_TO);
        WriteSettings(store, key, [width](Setting s) { return s == Setting::Width ? width : 1; });
        int moved = 0;
        alignas(inotify_event) char events[4096];
        for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;) {
            for (char *at = events; at < events + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                moved += (event->mask & IN_MOVED_TO) ? 1 : 0;
                at += sizeof(inotify_event) + event->len;
            }
        }
        close(watch);
        return moved;
    };
    fs::create_directories(store.fileFor(key).parent_path());
    EXPECT_EQ(replacements(708), 1);
    EXPECT_EQ(replacements(708), 0);
    EXPECT_EQ(replacements(900), 1);
    std::vector<std::int32_t> values;
    readAll(store, &values);
    EXPECT_EQ(values[4], 900); // Width
}

TEST(RegFileStore, OtherTypesAndUnknownLines)
{
    TempDir dir;
    RegFileStore store(dir.path());
    const fs::path file = store.fileFor("\\Software\\Lap");
    fs::create_directories(file.parent_path());
    std::ofstream(file)
        << "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Lap]\r\n"
           "\"Port\"=dword:00000103\r\n\"Alg\"=\"1\"\r\n\"Note\"=\"kept\"\r\n\"Left\"=dword:0000000100\r\n";
    ASSERT_TRUE(store.openKeyForRead("\\Software\\Lap"));
    EXPECT_EQ(store.readDword("Port"), 259u);
    EXPECT_EQ(store.readDword("Alg"), std::nullopt); // a string
    EXPECT_EQ(store.readDword("Left"), std::nullopt); // longer than 4 bytes
    EXPECT_EQ(store.readDword("Top"), std::nullopt); // missing
    store.closeKey();

    ASSERT_TRUE(store.openKeyForWrite("\\Software\\Lap"));
    store.writeDword("Alg", 1);
    store.closeKey();
    ASSERT_TRUE(store.openKeyForRead("\\Software\\Lap"));
    EXPECT_EQ(store.readDword("Alg"), 1u);
    EXPECT_EQ(store.readDword("Port"), 259u);
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("\"Note\"=\"kept\""), std::string::npos);
}

TEST(RegFileStore, UnwritableFolderFailsClearly)
{
    TempDir dir;
    const fs::path blocker = dir.path() / "rundaro";
    std::ofstream(blocker) << "a file where the key's folder should be";
    RegFileStore store(dir.path());
    EXPECT_FALSE(store.openKeyForWrite("\\Software\\rundaro"));
    EXPECT_THROW(store.writeDword("Port", 1), Exception);
}
