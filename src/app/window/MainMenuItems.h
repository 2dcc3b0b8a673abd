#pragma once

#include <Qt>
#include <QKeyCombination>

// The hidden menu's items in menu order: name, caption, shortcut (0: none),
// enabled at start. Items without a command only hold their shortcut.
struct MenuItemEntry
{
    const char16_t *name;
    const char16_t *caption;
    int key;
    bool enabled;
};

inline constexpr MenuItemEntry kMenuItems[] = {
    {u"mStart", u"&Start", (Qt::CTRL | Qt::Key_S).toCombined(), true},
    {u"mLAP", u"&Lap", (Qt::CTRL | Qt::Key_L).toCombined(), false},
    {u"mStop", u"Sto&pp", (Qt::CTRL | Qt::Key_P).toCombined(), false},
    {u"mReset", u"0,00", (Qt::CTRL | Qt::Key_0).toCombined(), false},
    {u"N2", u"-", 0, true},
    {u"Hilfe1", u"H&ilfe", (Qt::ALT | Qt::Key_I).toCombined(), true},
    {u"Drucker1", u"&Drucker", (Qt::ALT | Qt::Key_D).toCombined(), true},
    {u"Beenden1", u"&Beenden", (Qt::ALT | Qt::Key_B).toCombined(), true},
    {u"mHilfe", u"Hilfe", Qt::Key_F1, true},
    {u"showLAP", u"+LAP", (Qt::CTRL | Qt::Key_L).toCombined(), true},
    {u"mFullScreen", u"&Vollbild", Qt::Key_F11, true},
    {u"mUndo", u"Runde &zur\u00fccknehmen", (Qt::CTRL | Qt::Key_Z).toCombined(), false},
    {u"mAbout", u"\u00dcber Rundaro", (Qt::SHIFT | Qt::Key_F1).toCombined(), true},
    {u"mRaces", u"&Rennen\u2026", (Qt::CTRL | Qt::Key_O).toCombined(), true},
};
