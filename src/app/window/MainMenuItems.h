#pragma once

#include <QKeyCombination>
#include <Qt>

// The hidden menu's items in menu order: name, caption, shortcut (0: none),
// enabled at start. Items without a command only hold their shortcut.
struct MenuItemEntry
{
    const char16_t *name;
    const char *caption; // translated where shown
    int key;
    bool enabled;
};

inline constexpr MenuItemEntry kMenuItems[] = {
    {u"mStart", QT_TRANSLATE_NOOP("TFormMain", "&Start"), (Qt::CTRL | Qt::Key_S).toCombined(), true},
    {u"mLAP", QT_TRANSLATE_NOOP("TFormMain", "&Lap"), (Qt::CTRL | Qt::Key_L).toCombined(), false},
    {u"mStop", QT_TRANSLATE_NOOP("TFormMain", "Sto&pp"), (Qt::CTRL | Qt::Key_P).toCombined(), false},
    {u"mReset", "0,00", (Qt::CTRL | Qt::Key_0).toCombined(), false},
    {u"N2", "-", 0, true},
    {u"Hilfe1", QT_TRANSLATE_NOOP("TFormMain", "H&ilfe"), (Qt::ALT | Qt::Key_I).toCombined(), true},
    {u"Drucker1", QT_TRANSLATE_NOOP("TFormMain", "&Drucker"), (Qt::ALT | Qt::Key_D).toCombined(), true},
    {u"Beenden1", QT_TRANSLATE_NOOP("TFormMain", "&Beenden"), (Qt::ALT | Qt::Key_B).toCombined(), true},
    {u"mHilfe", QT_TRANSLATE_NOOP("TFormMain", "Hilfe"), Qt::Key_F1, true},
    {u"showLAP", QT_TRANSLATE_NOOP("TFormMain", "+LAP"), (Qt::CTRL | Qt::Key_L).toCombined(), true},
    {u"mFullScreen", QT_TRANSLATE_NOOP("TFormMain", "&Vollbild"), Qt::Key_F11, true},
    {u"mUndo", QT_TRANSLATE_NOOP("TFormMain", "Runde &zurücknehmen"), (Qt::CTRL | Qt::Key_Z).toCombined(), false},
    {u"mAbout", QT_TRANSLATE_NOOP("TFormMain", "Über Rundaro"), (Qt::SHIFT | Qt::Key_F1).toCombined(), true},
    {u"mRaces", QT_TRANSLATE_NOOP("TFormMain", "&Rennen…"), (Qt::CTRL | Qt::Key_O).toCombined(), true},
    {u"mResults", QT_TRANSLATE_NOOP("TFormMain", "&Ergebnisse…"), (Qt::CTRL | Qt::Key_R).toCombined(), true},
};
