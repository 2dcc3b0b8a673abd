#pragma once

#include "EventPump.h"

#include "ButtonWithColor.h"
#include "Comms.h"
#include "FakeClock.h"
#include "Main.h"
#include "TestServices.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QTimer>

#include <functional>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

// The main window made when the test says so, after it has set up the
// stored settings and the ports the scan finds.
class TriggerFixture : public ::testing::Test
{
protected:
    static constexpr std::uint32_t kMsDsr = rundaro::serial::MS_DSR_ON;
    static constexpr std::uint32_t kMsCts = rundaro::serial::MS_CTS_ON;

    void start() { form = std::make_unique<TFormMain>(env.services()); }
    void exit() { form.reset(); }

    template <class T = QWidget> T *child(const char *name) const
    {
        auto *object = form->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(object, nullptr) << name;
        return object;
    }
    QComboBox *cbPort() const { return child<QComboBox>("cbPort"); }
    QComboBox *cbAlg() const { return child<QComboBox>("cbAlg"); }
    TComPort *comPort() const { return child<TComPort>("ComPort"); }
    QTimer *lockout() const { return child<QTimer>("TimerGesperrt"); }
    bool enabled(const char *button) const { return child<TBitBtnWithColor>(button)->isEnabled(); }

    // The user picks entry `index` of a list.
    static void pick(QComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // The contact sets the line's modem status (a change the port keeps
    // until its worker waits again); returns when ComPortDSR has seen it.
    void line(std::uint32_t status)
    {
        // As on a real line, the port's worker is back in its wait before
        // the next change: a change while it hands a report over has no
        // time of its own.
        awaitWatching();
        env.line->SetModemStatus(status);
        ASSERT_TRUE(PumpUntil([&] { return form->LastModemStatus() == status; }));
    }
    // Serves the port's hand-overs until its worker is in its wait again;
    // it gets there without posting anything to the event loop.
    void awaitWatching()
    {
        while (env.line->Snapshot().waiting != 1) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            std::this_thread::yield();
        }
    }
    // The lockout's interval has passed.
    void lockoutEnds()
    {
        ASSERT_TRUE(lockout()->isActive());
        form->TimerGesperrtTimer();
        EXPECT_FALSE(lockout()->isActive());
    }

    FakeClock clock{50000};
    TestServices env;
    std::unique_ptr<TFormMain> form;
};
