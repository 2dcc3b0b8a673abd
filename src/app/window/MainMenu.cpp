// The hidden main menu: its items exist for their shortcuts only. Qt fires
// neither of two actions that share a shortcut, so the actions register no
// shortcut of their own; one window shortcut per key hands the key to the
// first item in menu order that carries it. The menu is never shown, so it
// is a plain menu rather than a menu bar, which would read the images of its
// overflow button at start.
#include "Main.h"

#include "MainMenuItems.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

void TFormMain::createMainMenu()
{
    MainMenu1 = new QMenu(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    auto *menu = new QMenu(QStringLiteral("HideMenu"), MainMenu1);
    HideMenu1 = MainMenu1->addMenu(menu);
    HideMenu1->setObjectName(QStringLiteral("HideMenu1"));
    HideMenu1->setVisible(false);

    QAction **members[] = {&mStart, &mLAP,    &mStop,       &mReset, &N2,     &Hilfe1, &Drucker1, &Beenden1,
                           &mHilfe, &showLAP, &mFullScreen, &mUndo,  &mAbout, &mRaces, &mResults};
    static_assert(std::size(members) == std::size(kMenuItems));
    for (std::size_t i = 0; i < std::size(kMenuItems); ++i) {
        const MenuItemEntry &entry = kMenuItems[i];
        QAction *item = menu->addAction(tr(entry.caption));
        item->setObjectName(QString::fromUtf16(entry.name));
        item->setSeparator(entry.key == 0);
        item->setEnabled(entry.enabled);
        // Shown as the item's shortcut; the key itself is served below.
        item->setProperty("ShortCut", QKeySequence(entry.key));
        *members[i] = item;
        m_menuItems[i] = item;
    }

    for (std::size_t i = 0; i < std::size(kMenuItems); ++i) {
        const int key = kMenuItems[i].key;
        bool seen = key == 0;
        for (std::size_t j = 0; j < i && !seen; ++j)
            seen = kMenuItems[j].key == key;
        if (seen)
            continue;
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [this, key] { resolveShortcut(key); });
    }
}

void TFormMain::resolveShortcut(int key)
{
    for (std::size_t i = 0; i < std::size(kMenuItems); ++i) {
        if (kMenuItems[i].key != key)
            continue;
        // Later items with the same key are not tried, even when this one
        // is disabled.
        if (m_menuItems[i]->isEnabled())
            m_menuItems[i]->trigger();
        return;
    }
}
