#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

// A shown, active window holding an editor and a second field to move the
// focus to, so that entering and leaving run as they do for a user.
template <typename Editor> class SpinTestHost
{
public:
    SpinTestHost()
    {
        auto *layout = new QVBoxLayout(&window);
        editor = new Editor(&window);
        editor->setObjectName(QStringLiteral("editor"));
        other = new QLineEdit(&window);
        layout->addWidget(editor);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
        // The first field gets the focus on activation; start outside it.
        other->setFocus(Qt::TabFocusReason);
    }

    void enter() { editor->setFocus(Qt::TabFocusReason); }
    void leave() { other->setFocus(Qt::TabFocusReason); }
    // Replaces the whole text by typing, the way a user would after selecting all.
    void type(const QString &keys) { QTest::keyClicks(editor, keys); }

    QWidget window;
    Editor *editor = nullptr;
    QLineEdit *other = nullptr;
};
