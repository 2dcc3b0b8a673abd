#pragma once

#include <QtGlobal>

// The integer editors of the race set-up on PanelControl: name, label before
// and unit after the editor, range, step, initial value, typing limit (0: none).
// The label and unit are the window's texts, translated where shown.
struct PlanEditorEntry
{
    const char16_t *name;
    const char *label;
    const char *unit;
    int minValue;
    int maxValue;
    int increment;
    int initial;
    int typingLimit;
};

inline constexpr PlanEditorEntry kPlanEditors[] = {
    {u"seLength", QT_TRANSLATE_NOOP("TFormMain", "Streckenlänge:"), QT_TRANSLATE_NOOP("TFormMain", "m"), 200, 1000000,
     10, 3000, 0},
    {u"seLenKrug", QT_TRANSLATE_NOOP("TFormMain", "Rundenlänge:"), QT_TRANSLATE_NOOP("TFormMain", "m"), 50, 10000, 1,
     200, 0},
    {u"seKrugov", QT_TRANSLATE_NOOP("TFormMain", "Ergibt Runden:"), "", 1, 999, 1, 15, 3},
    {u"seLengthDop", QT_TRANSLATE_NOOP("TFormMain", "Zusatzliche: "), "", 0, 199, 1, 0, 3},
    {u"seMin", QT_TRANSLATE_NOOP("TFormMain", "Minuten:"), "", 0, 99, 1, 5, 2},
    {u"seSek", QT_TRANSLATE_NOOP("TFormMain", "Sekunden:"), "", 0, 59, 1, 30, 2},
    {u"seTime", QT_TRANSLATE_NOOP("TFormMain", "Gesamtsekunden:"), "", 1, 9999, 1, 330, 0},
};

// seDopTime, the start allowance in seconds.
struct PlanAllowanceEntry
{
    long double minimum;
    long double maximum;
    long double increment;
    int digits;
    long double initial;
};

inline constexpr PlanAllowanceEntry kAllowanceEditor = {0.0L, 9.9L, 0.1L, 1, 1.5L};
