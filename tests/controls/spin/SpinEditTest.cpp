#include "SpinEdit.h"
#include "SpinButtons.h"
#include "SpinTestHost.h"

#include <QClipboard>
#include <QToolButton>

#include <limits>

#include <gtest/gtest.h>

namespace {

// The laps editor of the race set-up: 1..999, three characters.
class SpinEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        e = host.editor;
        e->setMinValue(1);
        e->setMaxValue(999);
        e->setTypingLimit(3);
        e->setValue(15);
        e->OnChange = [this](QObject *sender) {
            EXPECT_EQ(sender, e);
            seen << e->text();
        };
    }

    SpinTestHost<TSpinEdit> host;
    TSpinEdit *e = nullptr;
    QStringList seen; // the text at each OnChange
};

} // namespace

TEST_F(SpinEditTest, ReadsTheTextAsTyped)
{
    struct Case
    {
        const char *text;
        int value;
    };
    const Case cases[] = {
        {"15", 15}, {"", 1}, {"-", 1}, {"abc", 1}, {"2000", 2000}, {"-5", -5}, {"+7", 7}, {"0", 0}, {"99999999999", 1},
    };
    for (const auto &c : cases) {
        e->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(e->value(), c.value) << c.text;
        EXPECT_EQ(e->text(), QString::fromLatin1(c.text));
    }
}

TEST_F(SpinEditTest, WritesClampOnlyWhenTheBoundsDiffer)
{
    e->setValue(2000);
    EXPECT_EQ(e->text(), QStringLiteral("999"));
    e->setValue(-3);
    EXPECT_EQ(e->text(), QStringLiteral("1"));
    e->setMaxValue(1);
    e->setValue(-3);
    EXPECT_EQ(e->text(), QStringLiteral("-3"));
    EXPECT_TRUE(e->setProperty("Value", 42));
    EXPECT_EQ(e->property("Value").toInt(), 42);
}

TEST_F(SpinEditTest, OnChangeFiresInsideEveryRealChangeAndNeverOtherwise)
{
    e->setValue(15);
    e->setValue(-7); // clamps to 1
    e->setValue(0); // clamps to 1 again: same text
    e->setValue(16);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("1"), QStringLiteral("16")}));

    seen.clear();
    host.enter();
    host.type(QStringLiteral("2x")); // selected all on entry; x is refused
    EXPECT_EQ(seen, QStringList{QStringLiteral("2")});
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("2"), QString()}));
}

TEST_F(SpinEditTest, TypingLimitStopsTheUserButNotTheProgram)
{
    host.enter();
    host.type(QStringLiteral("1234"));
    EXPECT_EQ(e->text(), QStringLiteral("123"));
    e->setMaxValue(9999);
    e->setValue(9999);
    EXPECT_EQ(e->text(), QStringLiteral("9999"));
    e->setTypingLimit(0);
    e->selectAll();
    host.type(QStringLiteral("12345"));
    EXPECT_EQ(e->text(), QStringLiteral("12345"));
    EXPECT_TRUE(e->setProperty("MaxLength", 2));
    EXPECT_EQ(e->property("MaxLength").toInt(), 2);
}

TEST_F(SpinEditTest, PasteKeepsToDigitsAndTheLimit)
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("12"));
    if (clipboard->text() != QStringLiteral("12"))
        GTEST_SKIP() << "no clipboard on this platform";
    host.enter();
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e->text(), QStringLiteral("12"));
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); // 1212 is too long
    EXPECT_EQ(e->text(), QStringLiteral("12"));
    clipboard->setText(QStringLiteral("a"));
    e->selectAll();
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e->text(), QStringLiteral("12"));
}

TEST_F(SpinEditTest, LeavingClampsAndRewritesUnreadableTexts)
{
    struct Case
    {
        const char *typed;
        const char *committed;
    };
    const Case cases[] = {{"2000", "999"}, {"0", "1"}, {"", "1"}, {"-", "1"}, {"+7", "7"}, {"42", "42"}};
    e->setTypingLimit(0);
    for (const auto &c : cases) {
        host.enter();
        e->setText(QString::fromLatin1(c.typed));
        seen.clear();
        host.leave();
        EXPECT_EQ(e->text(), QString::fromLatin1(c.committed)) << c.typed;
        EXPECT_EQ(seen.size(), QString::fromLatin1(c.typed) == e->text() ? 0 : 1) << c.typed;
    }
}

TEST_F(SpinEditTest, RangeChangesDoNotReclamp)
{
    e->setValue(500);
    e->setMaxValue(100);
    EXPECT_EQ(e->text(), QStringLiteral("500"));
    EXPECT_EQ(e->value(), 500);
    e->setMinValue(600);
    EXPECT_EQ(e->text(), QStringLiteral("500"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("500")}); // only the write itself
}

TEST_F(SpinEditTest, ArrowKeysAndButtonsStepByTheIncrement)
{
    e->setIncrement(10);
    host.enter();
    QTest::keyClick(e, Qt::Key_Up);
    EXPECT_EQ(e->text(), QStringLiteral("25"));
    QTest::keyClick(e, Qt::Key_Down);
    QTest::keyClick(e, Qt::Key_Down);
    EXPECT_EQ(e->text(), QStringLiteral("5"));
    QTest::keyClick(e, Qt::Key_Down); // clamps at MinValue
    EXPECT_EQ(e->text(), QStringLiteral("1"));
    host.leave();
    QTest::mouseClick(e->buttons()->upButton(), Qt::LeftButton);
    EXPECT_EQ(e->text(), QStringLiteral("11"));
    EXPECT_TRUE(e->hasFocus());
    QTest::mouseClick(e->buttons()->downButton(), Qt::LeftButton);
    EXPECT_EQ(e->text(), QStringLiteral("1"));
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("25"), QStringLiteral("15"), QStringLiteral("5"), QStringLiteral("1"),
                           QStringLiteral("11"), QStringLiteral("1")}));
}

TEST_F(SpinEditTest, StepsFromAnOutOfRangeTextClamp)
{
    e->setText(QStringLiteral("2000"));
    e->StepUp();
    EXPECT_EQ(e->text(), QStringLiteral("999"));
    e->setText(QString());
    e->StepUp(); // reads MinValue
    EXPECT_EQ(e->text(), QStringLiteral("2"));
}

TEST_F(SpinEditTest, ReadOnlyOnlyBeeps)
{
    e->setReadOnly(true);
    e->StepUp();
    QTest::mouseClick(e->buttons()->downButton(), Qt::LeftButton);
    EXPECT_EQ(e->text(), QStringLiteral("15"));
    EXPECT_TRUE(seen.isEmpty());
}

TEST(SpinEditExtremes, StepsDoNotOverflow)
{
    TSpinEdit e;
    e.setMinValue(0);
    e.setMaxValue(0);
    e.setIncrement(std::numeric_limits<int>::max());
    e.setValue(std::numeric_limits<int>::max());
    e.StepUp();
    EXPECT_EQ(e.value(), std::numeric_limits<int>::max());
}

// With typing held, only a complete input is told: Enter, a step, leaving;
// a program write is told at once, also one equal to the typed text.
TEST_F(SpinEditTest, HeldTypingIsToldWhenTheInputIsComplete)
{
    e->setHoldTyping(true);
    host.enter();
    host.type(QStringLiteral("40"));
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_EQ(e->value(), 15);
    QTest::keyClick(e, Qt::Key_Return);
    e->selectAll();
    host.type(QStringLiteral("7"));
    e->setValue(7);
    e->selectAll();
    host.type(QStringLiteral("9"));
    QTest::keyClick(e, Qt::Key_Up); // applies 9, then steps
    e->selectAll();
    host.type(QStringLiteral("5"));
    QTest::keyClick(e, Qt::Key_Escape);
    EXPECT_EQ(e->text(), QStringLiteral("10"));
    e->selectAll();
    host.type(QStringLiteral("0"));
    host.leave(); // applied, then written back clamped
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("40"), QStringLiteral("7"), QStringLiteral("9"), QStringLiteral("10"),
                           QStringLiteral("0"), QStringLiteral("1")}));
    EXPECT_FALSE(e->typingPending());
}
