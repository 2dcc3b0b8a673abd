#include "FlEdit.h"
#include "ModalCloser.h"
#include "SpinButtons.h"
#include "SpinTestHost.h"

#include "Errors.h"

#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The allowance editor of the race set-up: 0..9.9, one decimal, step 0.1.
class FloatEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        e = host.editor;
        e->setMax(9.9L);
        e->setIncrement(0.1L);
        e->setValue(1.5L);
        e->OnChange = [this](QObject *sender) {
            EXPECT_EQ(sender, e);
            ++changes;
        };
    }

    // Text 1,5 fully selected, as after tabbing into the editor.
    void selectAllOf(const QString &text)
    {
        e->setText(text);
        host.enter();
        e->selectAll();
    }

    SpinTestHost<TSpinFloatEdit> host;
    TSpinFloatEdit *e = nullptr;
    int changes = 0;
};

} // namespace

TEST(FloatEditDefaults, NewEditorReadsZeroAndFollowsDigits)
{
    TSpinFloatEdit e;
    EXPECT_EQ(e.text(), QStringLiteral("0,0"));
    EXPECT_EQ(e.value(), 0);
    EXPECT_EQ(e.min(), 0);
    EXPECT_EQ(e.max(), 100);
    EXPECT_EQ(e.increment(), 1);
    EXPECT_TRUE(e.editorEnabled());
    EXPECT_TRUE(e.alignment() & Qt::AlignRight);
    EXPECT_EQ(e.separatorChar(), QLatin1Char(','));
    e.setDigits(2);
    EXPECT_EQ(e.text(), QStringLiteral("0,00"));
    e.setDigits(30);
    EXPECT_EQ(e.digits(), 18);
    e.setDigits(0);
    EXPECT_EQ(e.text(), QStringLiteral("0"));
}

TEST(FloatEditDefaults, PropertiesAreReachableByName)
{
    TSpinFloatEdit e;
    EXPECT_TRUE(e.setProperty("Max", 9.9));
    EXPECT_TRUE(e.setProperty("Value", 2.25));
    EXPECT_EQ(e.text(), QStringLiteral("2,3")); // halves away from zero
    EXPECT_DOUBLE_EQ(e.property("Value").toDouble(), 2.3);
    EXPECT_TRUE(e.setProperty("Digits", 2));
    EXPECT_EQ(e.text(), QStringLiteral("2,30"));
    EXPECT_TRUE(e.setProperty("Increment", 0.5));
    EXPECT_TRUE(e.setProperty("EditorEnabled", false));
    EXPECT_TRUE(e.setProperty("ErrorMessage", QStringLiteral("x")));
    EXPECT_TRUE(e.setProperty("Alignment", QVariant::fromValue(Qt::Alignment(Qt::AlignLeft))));
    EXPECT_DOUBLE_EQ(e.property("Increment").toDouble(), 0.5);
    EXPECT_FALSE(e.property("EditorEnabled").toBool());
    EXPECT_EQ(e.property("ErrorMessage").toString(), QStringLiteral("x"));
    EXPECT_TRUE(e.alignment() & Qt::AlignLeft);
    EXPECT_EQ(e.text(), QStringLiteral("2,30"));
}

TEST(FloatEditDefaults, FormatsHalvesAwayFromZeroAndDropsTheMinusOfZero)
{
    TSpinFloatEdit e;
    e.setMin(-10);
    struct Case
    {
        rundaro::Real v;
        int digits;
        const char *text;
    };
    const Case cases[] = {
        {1.25L, 1, "1,3"}, {-1.25L, 1, "-1,3"}, {-0.04L, 1, "0,0"}, {9.95L, 1, "10,0"},
        {7, 0, "7"},       {0.125L, 2, "0,13"}, {1.5L, 3, "1,500"},
    };
    for (const auto &c : cases) {
        e.setDigits(c.digits);
        e.setValue(c.v);
        EXPECT_EQ(e.text(), QString::fromLatin1(c.text)) << double(c.v);
    }
}

TEST_F(FloatEditTest, TypingOverASelectionFollowsTheFilter)
{
    struct Case
    {
        const char *start;
        const char *keys;
        const char *text;
        int selStart;
        int selLength;
    };
    const Case cases[] = {
        {"1,5", "7", "7", -1, 0},   {"1,5", "12", "1", -1, 0}, // 12 > 9.9
        {"1,5", "-", "-0", 1, 1}, // the next digit replaces the 0
        {"1,5", "-5", "-0", 1, 1}, // -5 < 0
        {"1,5", ",", "0,0", 2, 1},  {"1,5", ",3", "0,3", -1, 0}, {"1,5", "3,25", "3,2", -1, 0}, // two decimals > Digits
        {"1,5", "E", "1,5", 0, 3}, // upper-case E is refused
        {"1,5", "+", "1,5", 0, 3},  {"1,5", "a", "1,5", 0, 3},   {"1,5", ".", "1,5", 0, 3}, // not the German separator
        {"1,5", "e", "1,5", 0, 3}, // e alone does not parse
        {"1,5", "1e", "1e", -1, 0}, // 1e reads as 1
    };
    for (const auto &c : cases) {
        selectAllOf(QString::fromLatin1(c.start));
        host.type(QString::fromLatin1(c.keys));
        EXPECT_EQ(e->text(), QString::fromLatin1(c.text)) << c.keys;
        EXPECT_EQ(e->selectionStart(), c.selStart) << c.keys;
        EXPECT_EQ(e->selectedText().size(), c.selLength) << c.keys;
    }
}

TEST_F(FloatEditTest, ExponentOnlyWhereItLeavesANumberInRange)
{
    selectAllOf(QStringLiteral("1"));
    e->end(false);
    host.type(QStringLiteral("e"));
    EXPECT_EQ(e->text(), QStringLiteral("1e"));
    EXPECT_EQ(e->value(), 1);

    e->setText(QStringLiteral("15"));
    e->setCursorPosition(1);
    host.type(QStringLiteral("e")); // 1e5 is above Max
    EXPECT_EQ(e->text(), QStringLiteral("15"));
    e->setMax(100000);
    e->setText(QStringLiteral("15"));
    e->setCursorPosition(1);
    host.type(QStringLiteral("e"));
    EXPECT_EQ(e->text(), QStringLiteral("1e5"));
    EXPECT_EQ(e->value(), 100000);
}

TEST_F(FloatEditTest, DigitsZeroRefusesTheSeparator)
{
    e->setDigits(0);
    for (const char *start : {"", "1", "12"}) {
        selectAllOf(QString::fromLatin1(start));
        e->end(false);
        host.type(QStringLiteral(","));
        EXPECT_EQ(e->text(), QString::fromLatin1(start));
    }
}

TEST_F(FloatEditTest, RefusedKeysChangeNothingAndReachOnKeyPress)
{
    QString seen;
    e->OnKeyPress = [&](QObject *, QChar &key) { seen += key; };
    selectAllOf(QStringLiteral("9,9"));
    e->end(false);
    changes = 0;
    host.type(QStringLiteral("9x"));
    EXPECT_EQ(e->text(), QStringLiteral("9,9"));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(seen, QStringLiteral("9x"));
}

TEST_F(FloatEditTest, OnKeyPressMayClearAnAcceptedKey)
{
    e->OnKeyPress = [](QObject *, QChar &key) {
        if (key == QLatin1Char('3'))
            key = QChar();
    };
    selectAllOf(QString());
    host.type(QStringLiteral("13"));
    EXPECT_EQ(e->text(), QStringLiteral("1"));
}

TEST_F(FloatEditTest, BackspaceAndDeleteAreNotFiltered)
{
    selectAllOf(QStringLiteral("1,5"));
    e->end(false);
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(e->text(), QStringLiteral("1"));
    e->home(false);
    QTest::keyClick(e, Qt::Key_Delete);
    EXPECT_EQ(e->text(), QString());
}

TEST_F(FloatEditTest, ReadingNeverClampsTheTextAndHandlesPartialTexts)
{
    struct Case
    {
        const char *text;
        rundaro::Real min;
        rundaro::Real expected;
    };
    const Case cases[] = {
        {"-", 0, 0},      {",", 0, 0},         {"", 0, 0},      {"E", 0, 0},  {"-", 0.5L, 0.5L},   {",", 0.5L, 0.5L},
        {"", 0.5L, 0.5L}, {"abc", 0.5L, 0.5L}, {"12", 0, 9.9L}, {"-3", 0, 0}, {"  2,5 ", 0, 2.5L},
    };
    for (const auto &c : cases) {
        e->setMin(c.min);
        e->setText(QString::fromLatin1(c.text));
        changes = 0;
        EXPECT_EQ(e->value(), c.expected) << c.text;
        EXPECT_EQ(e->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(changes, 0);
    }
}

TEST_F(FloatEditTest, WritingClampsAndShowsTheErrorMessageOnlyWhenSet)
{
    {
        ModalCloser closer;
        e->setValue(12);
        EXPECT_EQ(e->text(), QStringLiteral("9,9"));
        e->setValue(-1);
        EXPECT_EQ(e->text(), QStringLiteral("0,0"));
        EXPECT_EQ(closer.count(), 0);
    }
    e->setErrorMessage(QStringLiteral("Wert außerhalb des Bereichs"));
    ModalCloser closer;
    e->setValue(12);
    EXPECT_EQ(e->text(), QStringLiteral("9,9"));
    e->setValue(5);
    EXPECT_EQ(closer.texts(), QStringList{QStringLiteral("Wert außerhalb des Bereichs")});
}

TEST_F(FloatEditTest, OnChangeFiresOnlyWhenTheTextChanges)
{
    e->setValue(1.5L);
    EXPECT_EQ(changes, 0);
    e->setValue(1.54L); // still shown as 1,5
    EXPECT_EQ(changes, 0);
    e->setValue(1.6L);
    EXPECT_EQ(changes, 1);
    selectAllOf(QStringLiteral("1,6"));
    changes = 0;
    host.type(QStringLiteral("2"));
    EXPECT_EQ(changes, 1);
}

TEST_F(FloatEditTest, RangeChangesRewriteTheValue)
{
    e->setErrorMessage(QStringLiteral("Fehler"));
    ModalCloser closer;
    e->setMin(2);
    EXPECT_EQ(e->text(), QStringLiteral("2,0"));
    e->setMax(2);
    EXPECT_EQ(e->min(), 2);
    EXPECT_EQ(e->max(), 2);
    EXPECT_EQ(closer.count(), 0); // the rewrite reads a value that is already in range
}

TEST_F(FloatEditTest, ImpossibleRangesThrowAndKeepTheBounds)
{
    try {
        e->setMin(20);
        FAIL() << "no exception";
    } catch (const rundaro::Exception &error) {
        EXPECT_STREQ(error.what(), "Minimum value must not be greater than maximum value !");
    }
    EXPECT_EQ(e->min(), 0);
    try {
        e->setMax(-1);
        FAIL() << "no exception";
    } catch (const rundaro::Exception &error) {
        EXPECT_STREQ(error.what(), "Maximum value must not be less than minimum value !");
    }
    EXPECT_EQ(e->max(), 9.9L);
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
}

TEST_F(FloatEditTest, StepsNeverDriftAndClampAtTheEnds)
{
    for (int i = 0; i < 84; ++i)
        e->StepUp();
    EXPECT_EQ(e->text(), QStringLiteral("9,9"));
    for (int i = 0; i < 98; ++i)
        e->StepDown();
    EXPECT_EQ(e->text(), QStringLiteral("0,1"));
    e->StepDown();
    e->StepDown();
    EXPECT_EQ(e->text(), QStringLiteral("0,0"));
}

TEST_F(FloatEditTest, ArrowKeysAndButtonsStep)
{
    host.enter();
    QTest::keyClick(e, Qt::Key_Up);
    EXPECT_EQ(e->text(), QStringLiteral("1,6"));
    QTest::keyClick(e, Qt::Key_Down);
    QTest::keyClick(e, Qt::Key_Down);
    EXPECT_EQ(e->text(), QStringLiteral("1,4"));
    host.leave();
    QTest::mouseClick(e->buttons()->upButton(), Qt::LeftButton);
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    EXPECT_TRUE(e->hasFocus()); // the press moved the focus to the editor
    QTest::mouseClick(e->buttons()->downButton(), Qt::LeftButton);
    EXPECT_EQ(e->text(), QStringLiteral("1,4"));
}

TEST_F(FloatEditTest, ButtonsRepeatAfter400AndThenEvery100Ms)
{
    for (QToolButton *b : {e->buttons()->upButton(), e->buttons()->downButton()}) {
        EXPECT_TRUE(b->autoRepeat());
        EXPECT_EQ(b->autoRepeatDelay(), 400);
        EXPECT_EQ(b->autoRepeatInterval(), 100);
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(e->buttons()->width(), 15);
    // The buttons sit at the right edge and the text stops before them.
    e->resize(80, 40);
    EXPECT_EQ(e->buttons()->geometry(), QRect(80 - 15 - 5, 0, 15, 40 - 5));
    EXPECT_GE(e->textMargins().right(), SpinButtons::kWidth);
    e->setFrame(false);
    e->resize(81, 40);
    EXPECT_EQ(e->buttons()->geometry(), QRect(81 - 15, 1, 15, 40 - 3));
}

TEST_F(FloatEditTest, ReadOnlyOnlyBeeps)
{
    e->setReadOnly(true);
    e->StepUp();
    QTest::mouseClick(e->buttons()->downButton(), Qt::LeftButton);
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    EXPECT_EQ(changes, 0);
}

TEST_F(FloatEditTest, ComputedIncrementReplacesTheStepping)
{
    QList<bool> calls;
    e->OnComputedIncrement = [&](QObject *sender, bool up) {
        EXPECT_EQ(sender, e);
        calls << up;
    };
    host.enter();
    QTest::keyClick(e, Qt::Key_Up);
    QTest::keyClick(e, Qt::Key_Down);
    QTest::mouseClick(e->buttons()->upButton(), Qt::LeftButton);
    EXPECT_EQ(calls, (QList<bool>{true, false, true}));
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
}

TEST_F(FloatEditTest, LockedEditorTakesNoKeysButEscapeAndEnterAndButtons)
{
    int enters = 0;
    e->OnEnterPress = [&](QObject *, QChar &) { ++enters; };
    selectAllOf(QStringLiteral("1,5"));
    e->setEditorEnabled(false);
    e->end(false);
    host.type(QStringLiteral("2-,"));
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClick(e, Qt::Key_Up);
    QTest::keyClick(e, Qt::Key_Left);
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    EXPECT_EQ(e->cursorPosition(), 3); // the caret did not move either
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(enters, 1);
    e->setText(QStringLiteral("3,0"));
    QTest::keyClick(e, Qt::Key_Escape);
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    QTest::mouseClick(e->buttons()->upButton(), Qt::LeftButton);
    EXPECT_EQ(e->text(), QStringLiteral("1,6"));
}

TEST_F(FloatEditTest, PasteIsUnfilteredButOnlyWhenEditable)
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("abc"));
    if (clipboard->text() != QStringLiteral("abc"))
        GTEST_SKIP() << "no clipboard on this platform";
    for (auto lock : {0, 1}) {
        selectAllOf(QStringLiteral("1,5"));
        e->setReadOnly(lock == 0);
        e->setEditorEnabled(lock == 1 ? false : true);
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(e->text(), QStringLiteral("1,5")) << lock;
    }
    e->setEditorEnabled(true);
    e->setReadOnly(false);
    selectAllOf(QStringLiteral("1,5"));
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e->text(), QStringLiteral("abc"));
}

TEST_F(FloatEditTest, ContextMenuLeavesOutTheEditsWhenLocked)
{
    auto shortcuts = [&] {
        std::unique_ptr<QMenu> menu(e->createContextMenu());
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << action->text();
        return texts.join(QLatin1Char('|'));
    };
    const QString paste = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    EXPECT_TRUE(shortcuts().contains(paste));
    e->setEditorEnabled(false);
    EXPECT_FALSE(shortcuts().contains(paste));
    EXPECT_FALSE(e->isReadOnly());
}

TEST_F(FloatEditTest, LeavingWithAnInvalidTextRestoresTheEntryValueAndKeepsTheFocus)
{
    int exits = 0;
    e->OnExit = [&](QObject *) { ++exits; };
    host.enter();
    EXPECT_EQ(e->entryValue(), 1.5L);
    e->setText(QStringLiteral("abc")); // as if pasted
    host.leave();
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    EXPECT_TRUE(e->hasFocus());
    EXPECT_EQ(e->selectedText(), QStringLiteral("1,5"));
    EXPECT_EQ(exits, 0);

    e->setText(QStringLiteral("12")); // out of range
    host.leave();
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    EXPECT_TRUE(e->hasFocus());
    EXPECT_EQ(exits, 0);
}

TEST_F(FloatEditTest, LeavingWithAnInvalidTextShowsTheErrorMessage)
{
    e->setErrorMessage(QStringLiteral("Ungültiger Wert"));
    ModalCloser closer;
    host.enter();
    e->setText(QStringLiteral("-0"));
    e->setMin(0.5L); // the shortcut text is now below Min
    e->setText(QStringLiteral("-0"));
    host.leave();
    EXPECT_EQ(closer.texts(), QStringList{QStringLiteral("Ungültiger Wert")});
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    // The window gets the focus back with the editor when the box has gone.
    EXPECT_EQ(host.window.focusWidget(), e);
    host.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host.window));
    EXPECT_TRUE(e->hasFocus());
    EXPECT_EQ(e->entryValue(), 1.5L);
}

TEST_F(FloatEditTest, LeavingCommitsTheFormattedNumber)
{
    int exits = 0;
    e->OnExit = [&](QObject *) { ++exits; };
    struct Case
    {
        const char *text;
        const char *committed;
    };
    const Case cases[] = {{"", "0,0"}, {"1e", "1,0"}, {"-0", "0,0"}, {"0,", "0,0"}, {" 2", "2,0"}};
    for (const auto &c : cases) {
        host.enter();
        e->setText(QString::fromLatin1(c.text));
        host.leave();
        EXPECT_EQ(e->text(), QString::fromLatin1(c.committed)) << c.text;
        EXPECT_TRUE(host.other->hasFocus());
    }
    EXPECT_EQ(exits, 5);
}

TEST_F(FloatEditTest, EscapeRestoresTheEntryValueAndSelectsAll)
{
    QList<QChar> keys;
    e->OnKeyPress = [&](QObject *, QChar &key) { keys << key; };
    host.enter();
    e->end(false);
    host.type(QStringLiteral("5"));
    EXPECT_EQ(e->text(), QStringLiteral("1,5")); // a second decimal is refused
    e->setText(QStringLiteral("7"));
    QTest::keyClick(e, Qt::Key_Escape);
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    EXPECT_EQ(e->selectedText(), QStringLiteral("1,5"));
    ASSERT_FALSE(keys.isEmpty());
    EXPECT_TRUE(keys.back().isNull());
}

TEST_F(FloatEditTest, EnterCallsOnEnterPressAndNothingElse)
{
    QChar seen;
    int keyPresses = 0;
    e->OnEnterPress = [&](QObject *sender, QChar &key) {
        EXPECT_EQ(sender, e);
        seen = key;
    };
    e->OnKeyPress = [&](QObject *, QChar &) { ++keyPresses; };
    host.enter();
    e->setText(QStringLiteral("abc"));
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(seen, QLatin1Char('\r'));
    EXPECT_EQ(keyPresses, 0);
    EXPECT_EQ(e->text(), QStringLiteral("abc")); // not validated
    EXPECT_TRUE(e->hasFocus());
}

TEST_F(FloatEditTest, CtrlJIsEnter)
{
    QChar seen;
    e->OnEnterPress = [&](QObject *, QChar &key) { seen = key; };
    host.enter();
    e->setText(QStringLiteral("1,5"));
    QTest::keyClick(e, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(seen, QLatin1Char('\n'));
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
}

TEST_F(FloatEditTest, EnteringSelectsAllUnlessByMouse)
{
    host.leave();
    e->setValue(2);
    host.enter();
    EXPECT_EQ(e->selectedText(), QStringLiteral("2,0"));
    EXPECT_EQ(e->entryValue(), 2);
    host.leave();
    e->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(e->hasSelectedText());
    host.leave();
    e->setAutoSelect(false);
    host.enter();
    EXPECT_FALSE(e->hasSelectedText());
}

TEST(FloatEditLoading, ValueIsAppliedWhenLoadingEnds)
{
    TSpinFloatEdit e;
    int changes = 0;
    e.OnChange = [&](QObject *) { ++changes; };
    e.beginLoading();
    e.setValue(5);
    EXPECT_EQ(e.value(), 5);
    e.setMin(2);
    e.setMax(3);
    e.setDigits(2);
    EXPECT_EQ(changes, 0); // range rewrites go to the loading value as well
    EXPECT_EQ(e.text(), QStringLiteral("0,0"));
    e.endLoading();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(e.text(), QStringLiteral("3,00"));

    e.beginLoading();
    e.endLoading(); // a load without a value writes 0, clamped
    EXPECT_EQ(e.text(), QStringLiteral("2,00"));
}
