#pragma once

#include "ButtonWithColor.h"
#include "FakeClock.h"
#include "Main.h"
#include "Panel.h"
#include "SortGrid.h"
#include "TestServices.h"
#include "Udigit.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

// The main window, shown and active, on a clock that the test moves by hand.
// Commands go through key presses on whatever control has the focus.
class MainWindowFixture : public ::testing::Test
{
protected:
    static constexpr std::uint32_t kStart = 100000;

    MainWindowFixture()
        : clock(kStart)
    {
    }

    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    template <class T = QWidget> T *child(const char *name) const
    {
        auto *widget = form.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    TBitBtnWithColor *button(const char *name) const { return child<TBitBtnWithColor>(name); }
    QAction *item(const char *name) const { return child<QAction>(name); }
    Panel *panel(const char *name) const { return child<Panel>(name); }
    TSortGrid *grid() const { return child<TSortGrid>("SortGrid1"); }
    QTimer *timer() const { return child<QTimer>("Timer1"); }
    QString cell(int col, int row) const { return grid()->Cells(col, row); }
    QString editText(const char *name) const { return child<QLineEdit>(name)->text(); }

    // A key press as the user makes it, to the control that has the focus.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    void ctrl(int key) { press(key, Qt::ControlModifier); }

    // Moves the clock to `ms` after START and lets the race timer expire.
    void tickAt(std::int32_t ms)
    {
        clock.set(form.StartTick() + std::uint32_t(ms));
        ASSERT_TRUE(timer()->isActive());
        form.Timer1Timer();
    }
    void at(std::int32_t ms) { clock.set(form.StartTick() + std::uint32_t(ms)); }
    // The race timer expiring at `ms` after START, as its timeout reaches
    // everyone who follows it, not only the window.
    void expireTimerAt(std::int32_t ms)
    {
        at(ms);
        QTimerEvent expiry(timer()->timerId());
        QCoreApplication::sendEvent(timer(), &expiry);
    }

    // The six digits' values as "mm.ss,hh".
    QString digits() const
    {
        auto v = [this](const char *name) { return QString::number(child<TDigit>(name)->Value()); };
        return v("Digit3") + v("Digit4") + QLatin1Char('.') + v("Digit5") + v("Digit6") + QLatin1Char(',') + v("Digit7")
            + v("Digit8");
    }
    QStringList results(int row) const { return {cell(5, row), cell(6, row), cell(7, row), cell(8, row)}; }

    FakeClock clock;
    TestServices env;
    TFormMain form{env.services()};
};
