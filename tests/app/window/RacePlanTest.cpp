#include "FlEdit.h"
#include "Main.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "TestOutput.h"
#include "TestServices.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RacePlanTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.show();
        form.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&form);
    }

    TSpinEdit *spin(const char *name) const
    {
        auto *edit = form.findChild<TSpinEdit *>(QString::fromLatin1(name));
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    }
    TSpinFloatEdit *allowance() const { return form.findChild<TSpinFloatEdit *>(QStringLiteral("seDopTime")); }
    Panel *panel(const char *name) const { return form.findChild<Panel *>(QString::fromLatin1(name)); }
    QString caption(const char *name) const { return panel(name)->caption(); }
    QString editText(const char *name) const { return form.findChild<QLineEdit *>(QString::fromLatin1(name))->text(); }

    // Steps an editor with its arrow key, as the user does.
    void arrow(QWidget *editor, Qt::Key key, int times = 1)
    {
        editor->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < times; ++i)
            QTest::keyClick(editor, key);
    }
    // Types over the editor's text and ends the input with `finish`
    // (Qt::Key_unknown: not at all).
    void typeInto(QWidget *editor, const QString &keys, Qt::Key finish = Qt::Key_Return)
    {
        editor->setFocus(Qt::TabFocusReason);
        static_cast<QLineEdit *>(editor)->selectAll();
        QTest::keyClicks(editor, keys);
        if (finish != Qt::Key_unknown)
            QTest::keyClick(editor, finish);
    }

    struct Plan
    {
        int length, lap, laps, extra;
    };
    Plan plan() const
    {
        return {spin("seLength")->value(), spin("seLenKrug")->value(), spin("seKrugov")->value(),
                spin("seLengthDop")->value()};
    }
    void expectPlan(Plan expected) const
    {
        const Plan p = plan();
        EXPECT_EQ(p.length, expected.length);
        EXPECT_EQ(p.lap, expected.lap);
        EXPECT_EQ(p.laps, expected.laps);
        EXPECT_EQ(p.extra, expected.extra);
        EXPECT_EQ(spin("seLength")->value(), p.laps * p.lap + p.extra); // the plan's invariant
    }

    TestServices env;
    TFormMain form{env.services()};
};

} // namespace

TEST_F(RacePlanTest, EditorsCarryTheirRangesStepsAndLimits)
{
    struct Case
    {
        const char *name;
        int min, max, increment, initial, limit;
    };
    const Case cases[] = {
        {"seLength", 200, 1000000, 10, 3000, 0}, {"seLenKrug", 50, 10000, 1, 200, 0}, {"seKrugov", 1, 999, 1, 15, 3},
        {"seLengthDop", 0, 199, 1, 0, 3},        {"seMin", 0, 99, 1, 5, 2},           {"seSek", 0, 59, 1, 30, 2},
        {"seTime", 1, 9999, 1, 330, 0},
    };
    QWidget *panelControl = form.findChild<QWidget *>(QStringLiteral("PanelControl"));
    ASSERT_NE(panelControl, nullptr);
    for (const auto &c : cases) {
        TSpinEdit *e = spin(c.name);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->parentWidget(), panelControl) << c.name;
        EXPECT_EQ(e->property("MinValue").toInt(), c.min) << c.name;
        EXPECT_EQ(e->property("MaxValue").toInt(), c.max) << c.name;
        EXPECT_EQ(e->property("Increment").toInt(), c.increment) << c.name;
        EXPECT_EQ(e->property("Value").toInt(), c.initial) << c.name;
        EXPECT_EQ(e->property("MaxLength").toInt(), c.limit) << c.name;
    }
    TSpinFloatEdit *dop = allowance();
    ASSERT_NE(dop, nullptr);
    EXPECT_EQ(dop->parentWidget(), panelControl);
    EXPECT_EQ(dop->text(), QStringLiteral("1,5"));
    EXPECT_EQ(dop->max(), 9.9L);
    EXPECT_EQ(dop->increment(), 0.1L);
    EXPECT_TRUE(dop->alignment() & Qt::AlignLeft);

    QStringList labels;
    for (QLabel *label : panelControl->findChildren<QLabel *>())
        labels << label->text();
    for (const char16_t *text : {u"Streckenlänge:", u"Rundenlänge:", u"Ergibt Runden:", u"Zusatzliche: ", u"Minuten:",
                                 u"Sekunden:", u"Gesamtsekunden:", u"Startzugabe:"})
        EXPECT_TRUE(labels.contains(QString::fromUtf16(text))) << QString::fromUtf16(text).toStdString();

    auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Inline"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Control"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Configuration"));
    EXPECT_EQ(form.focusWidget(), spin("seLength"));
}

TEST_F(RacePlanTest, StartsWithTheInitialPlan)
{
    EXPECT_EQ(form.LapsExact(), 15.0);
    EXPECT_EQ(form.TargetLapMs(), 21900);
    EXPECT_EQ(panel("pTimeOneKrug")->property("Tag").toInt(), 21900);
    EXPECT_EQ(caption("pTimeOneKrug"), QStringLiteral("21,9"));
    EXPECT_EQ(editText("eTimeKrug"), QStringLiteral("21,9"));
    EXPECT_EQ(caption("PanelKrugov"), QStringLiteral("15"));
    EXPECT_EQ(caption("pTimeAverSpeed"), QStringLiteral("32,7 km/h"));
    EXPECT_EQ(editText("eSpeedKrug"), QStringLiteral("32,88"));
    EXPECT_EQ(caption("PanelPlusMin"), QStringLiteral("+2"));
    EXPECT_EQ(panel("PanelPlusMin")->fontColor(), QColor(0x00, 0xff, 0x00));
    saveTestPng(&form, QStringLiteral("main_window_initial_plan"));
}

TEST_F(RacePlanTest, SteppingTheTrackLengthAddsExtraMetres)
{
    arrow(spin("seLength"), Qt::Key_Up);
    expectPlan({3010, 200, 15, 10});
    EXPECT_DOUBLE_EQ(form.LapsExact(), 15.05);
    EXPECT_EQ(form.TargetLapMs(), 21827);
    EXPECT_EQ(caption("pTimeOneKrug"), QStringLiteral("21,8"));
}

TEST_F(RacePlanTest, ATrackLengthWithAWholeLapMoreIsKept)
{
    spin("seLengthDop")->setValue(190);
    expectPlan({3190, 200, 15, 190});
    arrow(spin("seLength"), Qt::Key_Up);
    expectPlan({3200, 200, 16, 0});
    EXPECT_DOUBLE_EQ(form.LapsExact(), 16.0);
    EXPECT_EQ(form.TargetLapMs(), 20531);
}

TEST_F(RacePlanTest, TypingTheLapsRecomputesTheTrack)
{
    typeInto(spin("seKrugov"), QStringLiteral("16"));
    expectPlan({3200, 200, 16, 0});
    EXPECT_EQ(form.LapsExact(), 16.0);
    EXPECT_EQ(form.TargetLapMs(), 20531);
    EXPECT_EQ(caption("pTimeOneKrug"), QStringLiteral("20,5"));
    EXPECT_EQ(caption("pTimeAverSpeed"), QStringLiteral("34,9 km/h"));
    EXPECT_EQ(caption("PanelKrugov"), QStringLiteral("16"));
}

TEST_F(RacePlanTest, ExtraMetresGetTheirShareOfTheTime)
{
    spin("seLenKrug")->setValue(400);
    spin("seKrugov")->setValue(1);
    spin("seLengthDop")->setValue(100);
    spin("seTime")->setValue(40);
    allowance()->setValue(1.0L);
    expectPlan({500, 400, 1, 100});
    EXPECT_EQ(form.LapsExact(), 1.25);
    EXPECT_EQ(form.TargetLapMs(), 31200);
    EXPECT_EQ(caption("pTimeOneKrug"), QStringLiteral("31,2"));
    EXPECT_EQ(editText("eTimeKrug"), QStringLiteral("31,2"));
    EXPECT_EQ(caption("pTimeAverSpeed"), QStringLiteral("45,0 km/h"));
    EXPECT_EQ(editText("eSpeedKrug"), QStringLiteral("46,15"));
    EXPECT_EQ(spin("seMin")->value(), 0);
    EXPECT_EQ(spin("seSek")->value(), 40);
}

TEST_F(RacePlanTest, WritingTheTrackLengthInOneChangeKeepsIt)
{
    spin("seLenKrug")->setValue(400);
    expectPlan({6000, 400, 15, 0});
    struct Case
    {
        int written;
        Plan plan;
    };
    const Case cases[] = {
        {500, {500, 400, 1, 100}},
        {5000, {5000, 400, 12, 200}},
        {300, {400, 400, 1, 0}}, // below one lap: one lap
        {1000000, {999 * 400 + 399, 400, 999, 399}}, // above 999 laps: the longest plan
    };
    for (const Case &c : cases) {
        spin("seLength")->setValue(c.written);
        expectPlan(c.plan);
    }
}

// Typed text takes effect when the input is complete; until then the
// editor shows it and nothing follows it.
TEST_F(RacePlanTest, TypedValuesTakeEffectWhenTheInputIsComplete)
{
    spin("seLenKrug")->setValue(400);
    typeInto(spin("seLength"), QStringLiteral("5000"), Qt::Key_unknown);
    EXPECT_EQ(spin("seLength")->text(), QStringLiteral("5000"));
    expectPlan({6000, 400, 15, 0});
    QTest::keyClick(spin("seLength"), Qt::Key_Return);
    expectPlan({5000, 400, 12, 200});

    typeInto(spin("seKrugov"), QStringLiteral("3"), Qt::Key_Escape); // back to the value in force
    EXPECT_EQ(spin("seKrugov")->text(), QStringLiteral("12"));
    expectPlan({5000, 400, 12, 200});

    spin("seLenKrug")->setValue(200);
    spin("seLength")->setValue(3000);
    typeInto(spin("seLenKrug"), QStringLiteral("400"), Qt::Key_Tab);
    expectPlan({6000, 400, 15, 0});

    // START runs the race with what is typed, also without Enter.
    typeInto(spin("seKrugov"), QStringLiteral("10"), Qt::Key_unknown);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    expectPlan({4000, 400, 10, 0});
    EXPECT_EQ(form.Race().Setup().plan.laps, 10);
}

TEST_F(RacePlanTest, RaisingTheLapLengthKeepsTheLaps)
{
    spin("seLenKrug")->setValue(400);
    expectPlan({6000, 400, 15, 0});
    EXPECT_EQ(form.LapsExact(), 15.0);
    EXPECT_EQ(form.TargetLapMs(), 21900);
}

TEST_F(RacePlanTest, TotalSecondsAndMinutesFollowEachOther)
{
    TSpinEdit *time = spin("seTime");
    time->setValue(359);
    EXPECT_EQ(spin("seMin")->value(), 5);
    EXPECT_EQ(spin("seSek")->value(), 59);
    arrow(time, Qt::Key_Up);
    EXPECT_EQ(time->value(), 360);
    EXPECT_EQ(spin("seMin")->value(), 6);
    EXPECT_EQ(spin("seSek")->value(), 0);
    arrow(time, Qt::Key_Down);
    EXPECT_EQ(time->value(), 359);
    EXPECT_EQ(spin("seMin")->value(), 5);
    EXPECT_EQ(spin("seSek")->value(), 59);

    arrow(spin("seSek"), Qt::Key_Up); // no carry into the minutes
    EXPECT_EQ(spin("seSek")->value(), 59);
    EXPECT_EQ(time->value(), 359);

    typeInto(spin("seMin"), QStringLiteral("10"));
    EXPECT_EQ(time->value(), 659);
    EXPECT_EQ(form.TargetLapMs(), 43833); // (659 - 1,5) s over 15 laps
}

TEST_F(RacePlanTest, AllowanceShowsRoundedHalvesToEvenInLime)
{
    struct Case
    {
        rundaro::Real value;
        const char *caption;
    };
    const Case cases[] = {{2.5L, "+2"}, {3.5L, "+4"}, {0.4L, "+0"}, {9.9L, "+10"}, {1.5L, "+2"}};
    for (const auto &c : cases) {
        panel("PanelPlusMin")->setFontColor(Qt::red); // as a race leaves it when behind
        allowance()->setValue(c.value);
        EXPECT_EQ(caption("PanelPlusMin"), QString::fromLatin1(c.caption));
        EXPECT_EQ(panel("PanelPlusMin")->fontColor(), QColor(0x00, 0xff, 0x00));
    }
    arrow(allowance(), Qt::Key_Up);
    EXPECT_EQ(allowance()->text(), QStringLiteral("1,6"));
    EXPECT_EQ(form.TargetLapMs(), 21893);
}

TEST_F(RacePlanTest, ALapLengthTypedAsZeroWaitsAndIsClampedWhenLeft)
{
    typeInto(spin("seLenKrug"), QStringLiteral("0"), Qt::Key_unknown);
    EXPECT_EQ(spin("seLenKrug")->text(), QStringLiteral("0"));
    EXPECT_EQ(form.TargetLapMs(), 21900);
    EXPECT_EQ(spin("seLenKrug")->value(), 200);

    spin("seLength")->setFocus(Qt::TabFocusReason); // leaving clamps to 50 m
    EXPECT_EQ(spin("seLenKrug")->value(), 50);
    expectPlan({750, 50, 15, 0});
    EXPECT_EQ(form.TargetLapMs(), 21900);
    EXPECT_EQ(caption("pTimeOneKrug"), QStringLiteral("21,9"));
}

// Without time left for the laps there is no target: neither the last
// plan's figures nor a negative one, which a race would run on unseen.
TEST_F(RacePlanTest, ATargetTimeAtOrBelowTheAllowanceHasNoTarget)
{
    const QString noTarget(QChar(0x2013));
    spin("seTime")->setValue(9);
    EXPECT_EQ(form.TargetLapMs(), 500); // 7,5 s over 15 laps
    const QString average = caption("pTimeAverSpeed");
    typeInto(allowance(), QStringLiteral("9")); // the allowance eats the whole target time
    EXPECT_EQ(allowance()->text(), QStringLiteral("9"));
    EXPECT_EQ(form.TargetLapMs(), 0);
    EXPECT_EQ(caption("pTimeOneKrug"), noTarget);
    EXPECT_EQ(editText("eTimeKrug"), noTarget);
    EXPECT_EQ(editText("eSpeedKrug"), noTarget);
    EXPECT_EQ(caption("pTimeAverSpeed"), average); // the race's average speed does not depend on it

    QTest::keyClick(allowance(), Qt::Key_Down); // valid again: 8,9 s allowance
    EXPECT_EQ(allowance()->text(), QStringLiteral("8,9"));
    EXPECT_EQ(form.TargetLapMs(), 7);
    EXPECT_EQ(caption("pTimeOneKrug"), QStringLiteral("0,0"));
    EXPECT_EQ(editText("eSpeedKrug"), QStringLiteral("102857,14"));

    allowance()->setValue(2.0L);
    spin("seTime")->setValue(1); // shorter than the allowance
    EXPECT_EQ(form.TargetLapMs(), 0);
    EXPECT_EQ(caption("pTimeOneKrug"), noTarget);
}

TEST_F(RacePlanTest, LoweringTheLapLengthBelowTheExtraMetresKeepsTheLaps)
{
    spin("seLengthDop")->setValue(150);
    expectPlan({3150, 200, 15, 150});
    spin("seLenKrug")->setValue(100);
    expectPlan({1599, 100, 15, 99});
    EXPECT_EQ(spin("seLengthDop")->maxValue(), 99);
    EXPECT_DOUBLE_EQ(form.LapsExact(), 15.99);

    arrow(spin("seLenKrug"), Qt::Key_Down, 60); // walks the extra metres down with it
    expectPlan({15 * 50 + 49, 50, 15, 49});
}

TEST_F(RacePlanTest, TypedExtraMetresAboveTheLapLengthAreBroughtBelowIt)
{
    spin("seLenKrug")->setValue(100);
    typeInto(spin("seLengthDop"), QStringLiteral("150"));
    expectPlan({1599, 100, 15, 99});
    EXPECT_EQ(caption("PanelKrugov"), QStringLiteral("15"));
}
