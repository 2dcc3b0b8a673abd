#include "FlEdit.h"
#include "ModalCloser.h"
#include "SpinEdit.h"
#include "TriggerFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <filesystem>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

class SettingsIOTest : public TriggerFixture
{
protected:
    TSpinEdit *spin(const char *name) const { return child<TSpinEdit>(name); }
    TSpinFloatEdit *allowance() const { return child<TSpinFloatEdit>("seDopTime"); }

    struct SetUp
    {
        int len, lenDop, lenKrug, krugs, time;
    };
    SetUp setUp() const
    {
        return {spin("seLength")->value(), spin("seLengthDop")->value(), spin("seLenKrug")->value(),
                spin("seKrugov")->value(), spin("seTime")->value()};
    }
    void expectSetUp(SetUp expected) const
    {
        const SetUp s = setUp();
        EXPECT_EQ(s.len, expected.len);
        EXPECT_EQ(s.lenDop, expected.lenDop);
        EXPECT_EQ(s.lenKrug, expected.lenKrug);
        EXPECT_EQ(s.krugs, expected.krugs);
        EXPECT_EQ(s.time, expected.time);
    }
    void expectWindow(QRect expected) const
    {
        EXPECT_EQ(form->pos(), expected.topLeft());
        EXPECT_EQ(form->size(), expected.size());
    }
    static constexpr SetUp kDefaults{3000, 0, 200, 15, 330};
    static constexpr QRect kDesign{0, 0, 708, 483};
};

TEST_F(SettingsIOTest, FirstStartKeepsTheDesign)
{
    start();
    expectWindow(kDesign);
    expectSetUp(kDefaults);
    EXPECT_EQ(allowance()->text(), QStringLiteral("1,5"));
    EXPECT_EQ(cbPort()->currentIndex(), 0);
    EXPECT_EQ(cbPort()->currentText(), QStringLiteral("None"));
    EXPECT_FALSE(cbAlg()->isEnabled());
    EXPECT_EQ(cbAlg()->currentText(), QStringLiteral("On/Off"));
    EXPECT_FALSE(comPort()->Connected());
    EXPECT_EQ(form->RegistryKey(), TestServices::key());
}

TEST_F(SettingsIOTest, OnlyPortAndPolarityStored)
{
    env.ports = {3};
    env.storeValues({{"Port", 3}, {"Alg", 1}});
    start();
    EXPECT_TRUE(comPort()->Connected());
    EXPECT_EQ(env.line->Snapshot().port, 3);
    EXPECT_EQ(cbPort()->currentIndex(), 1);
    EXPECT_TRUE(cbAlg()->isEnabled());
    EXPECT_EQ(cbAlg()->currentText(), QStringLiteral("Off/On"));
    expectWindow(kDesign);
    expectSetUp(kDefaults);
}

TEST_F(SettingsIOTest, ReadingStopsAtTheFirstMissingValue)
{
    env.storeValues({{"Port", 0},
                     {"Alg", 0},
                     {"Left", 30},
                     {"Top", 40},
                     {"Width", 800},
                     {"Height", 500},
                     {"Len", 5000},
                     {"LenKrug", 400},
                     {"Time", 600},
                     {"DopTime", 3000}});
    start();
    expectWindow({30, 40, 800, 500});
    // The laps follow the new length; nothing after "Len" is read.
    expectSetUp({5000, 0, 200, 25, 330});
    EXPECT_EQ(allowance()->text(), QStringLiteral("1,5"));
}

TEST_F(SettingsIOTest, ReadingStopsAtAValueOfAnotherType)
{
    env.storeLines({R"("Port"=dword:00000000)", R"("Alg"=dword:00000000)", R"("Left"=dword:00000011)",
                    R"("Top"=hex:05,00,00,00)", R"("Width"=dword:00000400)"});
    start();
    expectWindow({17, 0, 708, 483});
}

TEST_F(SettingsIOTest, StoredNumbersAreScaledAndCut)
{
    env.ports = {3};
    env.storeValues({{"Port", 259},
                     {"Alg", 0},
                     {"Left", 0},
                     {"Top", 0},
                     {"Width", 500},
                     {"Height", 400},
                     {"Len", 3000},
                     {"LenDop", 0},
                     {"LenKrug", 200},
                     {"Krugs", 15},
                     {"Time", 330},
                     {"DopTime", 2300}});
    start();
    EXPECT_EQ(comPort()->Port(), 3);
    EXPECT_EQ(env.line->Snapshot().port, 3);
    EXPECT_EQ(cbPort()->currentData().toInt(), 3);
    // The window's minimum size holds.
    EXPECT_EQ(form->size(), QSize(708, 440));
    EXPECT_EQ(allowance()->text(), QStringLiteral("2,3"));
    allowance()->setValue(0.7L);
    exit();
    EXPECT_EQ(env.stored("DopTime"), 700u);
    EXPECT_EQ(env.stored("Port"), 3u);
}

TEST_F(SettingsIOTest, TheSoundSwitchComesAfterTheTwelveValues)
{
    // Stored before the switch existed: the twelve come back, sound stays on.
    env.storeValues({{"Port", 0},
                     {"Alg", 0},
                     {"Left", 0},
                     {"Top", 0},
                     {"Width", 800},
                     {"Height", 500},
                     {"Len", 4000},
                     {"LenDop", 0},
                     {"LenKrug", 200},
                     {"Krugs", 20},
                     {"Time", 400},
                     {"DopTime", 2300}});
    start();
    expectSetUp({4000, 0, 200, 20, 400});
    EXPECT_EQ(allowance()->text(), QStringLiteral("2,3"));
    auto *sound = child<QCheckBox>("cbSound");
    EXPECT_TRUE(sound->isChecked());
    EXPECT_EQ(sound->text(), QStringLiteral("Ton"));
    sound->setChecked(false);
    // The display's screen after it: automatic, unless chosen.
    auto *display = child<QComboBox>("cbDisplay");
    EXPECT_EQ(display->currentIndex(), 0);
    display->setCurrentIndex(1);
    exit();
    EXPECT_EQ(env.stored("Sound"), 0u);
    EXPECT_EQ(env.stored("Display"), 1u);
    EXPECT_EQ(env.stored("LastLap"), 1u);
    start();
    EXPECT_FALSE(child<QCheckBox>("cbSound")->isChecked());
    EXPECT_EQ(child<QComboBox>("cbDisplay")->currentIndex(), 1);
}

TEST_F(SettingsIOTest, TheStoredPlanComesBackAsStored)
{
    using Values = std::vector<std::pair<const char *, std::uint32_t>>;
    struct Case
    {
        Values plan;
        SetUp expected;
    };
    const Case cases[] = {
        // 5000 m as 12 laps of 400 m and 200 m: the extra metres are held
        // below the stored lap length, not the 200 m in force when read.
        {{{"Len", 5000}, {"LenDop", 200}, {"LenKrug", 400}, {"Krugs", 12}}, {5000, 200, 400, 12, 330}},
        // Extra metres at or above the stored lap length are held below it.
        {{{"Len", 3300}, {"LenDop", 300}, {"LenKrug", 200}}, {3399, 199, 200, 16, 330}},
        // Without the lap length the extra metres are held by the one in force.
        {{{"Len", 5000}, {"LenDop", 200}}, {5199, 199, 200, 25, 330}},
    };
    for (const Case &c : cases) {
        Values values{{"Port", 0}, {"Alg", 0}, {"Left", 0}, {"Top", 0}, {"Width", 708}, {"Height", 483}};
        values.insert(values.end(), c.plan.begin(), c.plan.end());
        std::filesystem::remove(env.file());
        env.storeValues(values);
        start();
        expectSetUp(c.expected);
    }
}

TEST_F(SettingsIOTest, StoredPortTheScanDidNotList)
{
    env.ports = {1};
    env.storeValues({{"Port", 20}, {"Alg", 0}});
    start();
    // Opening it is still tried.
    EXPECT_EQ(env.line->Snapshot().devicesOpened, 1);
    EXPECT_EQ(env.line->Snapshot().port, 20);
    EXPECT_EQ(cbPort()->currentIndex(), -1);
    EXPECT_FALSE(cbAlg()->isEnabled());
}

TEST_F(SettingsIOTest, StoredPortThatCannotBeOpenedIsDroppedSilently)
{
    env.ports = {2};
    env.storeValues({{"Port", 2}, {"Alg", 0}});
    env.line->FailOpen(5);
    ModalCloser closer;
    start();
    EXPECT_FALSE(comPort()->Connected());
    EXPECT_EQ(cbPort()->currentIndex(), 1);
    EXPECT_TRUE(cbAlg()->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(closer.count(), 0);
}

TEST_F(SettingsIOTest, EveryValueSurvivesExitAndStart)
{
    env.ports = {7};
    start();
    form->move(12, 34);
    form->resize(900, 600);
    pick(cbAlg(), 1);
    pick(cbPort(), 1);
    spin("seLenKrug")->setValue(400);
    spin("seLength")->setValue(10000);
    spin("seTime")->setValue(900);
    allowance()->setValue(2.4L);
    child<QCheckBox>("cbBoard")->setChecked(true);
    const SetUp before = setUp();
    ASSERT_EQ(before.krugs, 25);
    exit();
    EXPECT_FALSE(env.line->Snapshot().openDevices);
    const std::pair<const char *, std::uint32_t> expected[]
        = {{"Left", 12},  {"Top", 34},       {"Width", 900},  {"Height", 600},  {"Port", 7},
           {"Alg", 1},    {"Len", 10000},    {"LenDop", 0},   {"LenKrug", 400}, {"Krugs", 25},
           {"Time", 900}, {"DopTime", 2400}, {"LineBoard", 1}};
    for (const auto &[name, value] : expected)
        EXPECT_EQ(env.stored(name), value) << name;

    start();
    expectWindow({12, 34, 900, 600});
    expectSetUp(before);
    EXPECT_EQ(allowance()->text(), QStringLiteral("2,4"));
    EXPECT_TRUE(comPort()->Connected());
    EXPECT_EQ(env.line->Snapshot().port, 7);
    EXPECT_EQ(cbPort()->currentIndex(), 1);
    EXPECT_EQ(cbAlg()->currentIndex(), 1);
    EXPECT_TRUE(child<QCheckBox>("cbBoard")->isChecked());
}

TEST_F(SettingsIOTest, SettingsThatCannotBeWrittenAreReportedAndThePortStillCloses)
{
    env.ports = {1};
    env.storeValues({{"Port", 1}, {"Alg", 0}});
    start();
    ASSERT_TRUE(comPort()->Connected());
#ifdef Q_OS_UNIX
    // A disk that takes nothing more: every write beyond 16 bytes fails
    // (EFBIG instead of the signal), so the new file cannot be written.
    // A leftover of an earlier write is in no one's way.
    std::filesystem::create_directory(env.file().string() + ".new");
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full{16, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    {
        ModalCloser closer;
        exit();
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_EQ(closer.texts(),
                  QStringList{QStringLiteral("Failed to set data in ") + QString::fromStdString(env.file().string())});
    }
    // Nothing is left of the failed write: the old file and the leftover.
    const auto entries = std::distance(std::filesystem::directory_iterator(env.file().parent_path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 2);
#else
    GTEST_SKIP() << "needs a file size limit";
#endif
    EXPECT_EQ(env.line->Snapshot().openDevices, 0);
    EXPECT_EQ(env.stored("Left"), std::nullopt);
    EXPECT_EQ(env.stored("Port"), 1u);
}

} // namespace
