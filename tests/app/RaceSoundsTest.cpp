#include "MainWindowFixture.h"
#include "SpinEdit.h"

#include <QCheckBox>

// The race sounds through the real window; the output only logs its cues.
namespace {

using Cues = std::vector<RaceCue>;

class RaceSoundsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        frame();
    }
    // A frame of the window, and whatever it queued.
    void frame()
    {
        form.repaint();
        QCoreApplication::processEvents();
    }
    const Cues &played() const { return env.sounds->played; }
    void laps(int n) { child<TSpinEdit>("seKrugov")->setValue(n); }
};

TEST_F(RaceSoundsTest, EachPassingItsToneTheLastLapItsSignalStopItsOwn)
{
    laps(3);
    ctrl(Qt::Key_S);
    at(20000);
    ctrl(Qt::Key_L);
    // Played behind the command, never within it.
    EXPECT_EQ(played(), Cues{});
    QCoreApplication::processEvents();
    EXPECT_EQ(played(), (Cues{RaceCue::Passing, RaceCue::Passing}));
    at(40000);
    ctrl(Qt::Key_L); // only STOP is left now
    at(60000);
    ctrl(Qt::Key_P);
    ctrl(Qt::Key_0);
    QCoreApplication::processEvents();
    EXPECT_EQ(played(), (Cues{RaceCue::Passing, RaceCue::Passing, RaceCue::LastLap, RaceCue::Stop}));
    EXPECT_EQ(env.sounds->made, 1);
}

TEST_F(RaceSoundsTest, ARaceWithoutLapsBeginsWithItsLastLap)
{
    child<TSpinEdit>("seLength")->setValue(200);
    ctrl(Qt::Key_S);
    at(30000);
    ctrl(Qt::Key_P);
    QCoreApplication::processEvents();
    EXPECT_EQ(played(), (Cues{RaceCue::LastLap, RaceCue::Stop}));
}

TEST(RaceSoundsSetUp, AfterTheFirstFrameAndOnlyWhenSwitchedOn)
{
    FakeClock clock(5000);
    TestServices env;
    TFormMain form(env.services());
    auto *sound = form.findChild<QCheckBox *>(QStringLiteral("cbSound"));
    ASSERT_TRUE(sound);
    QCoreApplication::processEvents();
    EXPECT_EQ(env.sounds->made, 0); // no frame yet

    sound->setChecked(false);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(env.sounds->made, 0); // switched off

    QMetaObject::invokeMethod(&form, "bStartClick");
    QCoreApplication::processEvents();
    EXPECT_TRUE(env.sounds->played.empty());
    sound->setChecked(true);
    EXPECT_EQ(env.sounds->made, 1);
    QMetaObject::invokeMethod(&form, "bLAPClick");
    QCoreApplication::processEvents();
    EXPECT_EQ(env.sounds->played, Cues{RaceCue::Passing});
}

} // namespace
