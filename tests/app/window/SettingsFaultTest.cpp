#include "ModalCloser.h"
#include "SpinEdit.h"
#include "TriggerFixture.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

using namespace std::string_literals;

namespace fs = std::filesystem;

namespace {

// The settings location going wrong: a file full of garbage at start, a
// location that cannot be written at exit.
class SettingsFaultTest : public TriggerFixture
{
protected:
    struct Shown
    {
        int port; // index in the port list
        int alg;
        QRect window;
        int len, krugs;
    };
    Shown shown() const
    {
        return {cbPort()->currentIndex(), cbAlg()->currentIndex(), QRect(form->pos(), form->size()),
                child<TSpinEdit>("seLength")->value(), child<TSpinEdit>("seKrugov")->value()};
    }

    void writeFile(const std::string &content)
    {
        fs::create_directories(env.file().parent_path());
        std::ofstream(env.file(), std::ios::binary) << content;
    }
    static std::string header()
    {
        return "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER" + TestServices::key() + "]\n";
    }

    static constexpr QRect kDesign{0, 0, 708, 483};
};

// Whatever the file holds, the start-up applies the values of the reading
// order up to the first one it cannot read, keeps the design for the rest,
// shows nothing and does not crash; the window then closes normally.
TEST_F(SettingsFaultTest, GarbageInTheSettingsFile)
{
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char &c : noise)
        c = static_cast<char>(random());
    const std::string placed = "\"Port\"=dword:00000003\n\"Alg\"=dword:00000001\n\"Left\"=dword:00000028\n"
                               "\"Top\"=dword:0000001e\n";
    const std::string rest = "\"Height\"=dword:00000258\n\"Len\"=dword:00000fa0\n\"Krugs\"=dword:00000014\n";
    struct Case
    {
        const char *what;
        std::string content;
        Shown expected;
    } const cases[] = {
        {"random bytes", noise, {0, 0, kDesign, 3000, 15}},
        {"random bytes in the key", header() + noise, {0, 0, kDesign, 3000, 15}},
        {"a width that is no number",
         header() + placed + "\"Width\"=dword:0000zz00\n" + rest,
         {1, 1, QRect(40, 30, 708, 483), 3000, 15}},
        {"a width of another type",
         header() + placed + "\"Width\"=hex:01,02\n" + rest,
         {1, 1, QRect(40, 30, 708, 483), 3000, 15}},
        {"a file cut off in the first value", header() + "\"Port\"=dword:000000", {0, 0, kDesign, 3000, 15}},
        {"carriage returns and NULs",
         header() + "\"Port\"=dword:00000003\r\r\n\"Alg\0\"=dword:00000001\n"s,
         {0, 0, kDesign, 3000, 15}},
        {"a line of a megabyte",
         header() + std::string(1 << 20, 'x') + "\n" + placed,
         {1, 1, QRect(40, 30, 708, 483), 3000, 15}},
        {"values before the key", placed + header(), {0, 0, kDesign, 3000, 15}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        env.ports = {3};
        writeFile(c.content);
        ModalCloser closer;
        start();
        const Shown s = shown();
        EXPECT_EQ(s.port, c.expected.port);
        EXPECT_EQ(comPort()->Connected(), c.expected.port != 0);
        EXPECT_EQ(s.alg, c.expected.alg);
        EXPECT_EQ(s.window, c.expected.window);
        EXPECT_EQ(s.len, c.expected.len);
        EXPECT_EQ(s.krugs, c.expected.krugs);
        exit();
        EXPECT_EQ(closer.count(), 0) << closer.texts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(env.line->Snapshot().openDevices, 0);
        // What was shown is what was stored.
        EXPECT_EQ(env.stored("Len"), std::uint32_t(c.expected.len));
        EXPECT_EQ(env.stored("Left"), std::uint32_t(c.expected.window.left()));
    }
}

TEST_F(SettingsFaultTest, TheSettingsFileIsAFolder)
{
    env.ports = {3};
    fs::create_directories(env.file());
    ModalCloser closer;
    start();
    EXPECT_EQ(closer.count(), 0);
    EXPECT_EQ(shown().window, kDesign);
    exit();
    EXPECT_EQ(closer.texts(),
              QStringList{QStringLiteral("Failed to set data in ") + QString::fromStdString(env.file().string())});
    EXPECT_TRUE(fs::is_directory(env.file()));
}

// The folder of the settings is replaced by a file while the program runs:
// at exit the user is told, and the port still closes.
TEST_F(SettingsFaultTest, TheSettingsFolderCannotBeWrittenAtExit)
{
    env.ports = {1};
    env.storeValues({{"Port", 1}, {"Alg", 0}, {"Left", 12}});
    start();
    ASSERT_TRUE(comPort()->Connected());
    const fs::path folder = env.file().parent_path();
    fs::remove_all(folder);
    std::ofstream(folder) << "a file where the settings folder was";
    {
        ModalCloser closer;
        exit();
        EXPECT_EQ(closer.texts(),
                  QStringList{QStringLiteral("Failed to create key ") + QString::fromStdString(TestServices::key())});
    }
    EXPECT_EQ(env.line->Snapshot().openDevices, 0);
    EXPECT_FALSE(form);

    // The next start finds nothing it can read and keeps the design.
    fs::remove(folder);
    ModalCloser closer;
    start();
    EXPECT_EQ(shown().window, kDesign);
    EXPECT_FALSE(comPort()->Connected());
    exit();
    EXPECT_EQ(closer.count(), 0);
    EXPECT_EQ(env.stored("Left"), 0u);
}

} // namespace
