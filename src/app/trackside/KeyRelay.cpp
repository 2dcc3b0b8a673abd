#include "KeyRelay.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace {

// A twin of `key` on `from` that hands the key to `target` as its shortcut.
void relay(QWidget *from, const QKeySequence &key, QObject *target, bool autoRepeat,
           const std::function<bool()> &allowed = {})
{
    auto *twin = new QShortcut(key, from);
    twin->setContext(Qt::WindowShortcut);
    twin->setAutoRepeat(autoRepeat);
    QObject::connect(twin, &QShortcut::activated, target, [target, key, allowed] {
        if (allowed && !allowed())
            return;
        QShortcutEvent shortcut(key, 0);
        QCoreApplication::sendEvent(target, &shortcut);
    });
}

// The window's action `action` by its key, while it is enabled.
void relayAction(QWidget *from, QAction *action)
{
    if (!action->shortcut().isEmpty())
        relay(from, action->shortcut(), action, action->autoRepeat(), [action] { return action->isEnabled(); });
}

} // namespace

KeyRelay::KeyRelay(QWidget *from, QWidget *window, bool pressKeys)
    : QObject(from)
    , m_window(window)
{
    for (QShortcut *shortcut : window->findChildren<QShortcut *>(Qt::FindDirectChildrenOnly))
        relay(from, shortcut->key(), shortcut, shortcut->autoRepeat());
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        if (!mnemonic.isEmpty())
            relay(from, mnemonic, button, false, [button] { return button->isVisible(); });
    }
    for (QAction *action : window->actions())
        relayAction(from, action);
    // Actions the window is given later (a pair's commands) are relayed as they come.
    window->installEventFilter(this);
    if (pressKeys)
        from->installEventFilter(this);
}

bool KeyRelay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::ActionAdded)
            relayAction(static_cast<QWidget *>(parent()), static_cast<QActionEvent *>(event)->action());
        return QObject::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!press || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    // One press is one command, however long the key is held.
    auto *button = qobject_cast<QAbstractButton *>(m_window->focusWidget());
    if (!key->isAutoRepeat() && button && button->isEnabled() && button->isVisible())
        button->click();
    return true;
}
