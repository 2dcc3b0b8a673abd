#pragma once

// The integer editors of the race set-up on PanelControl: name, label before
// and unit after the editor, range, step, initial value, typing limit (0: none).
struct PlanEditorEntry
{
    const char16_t *name;
    const char16_t *label;
    const char16_t *unit;
    int minValue;
    int maxValue;
    int increment;
    int initial;
    int typingLimit;
};

inline constexpr PlanEditorEntry kPlanEditors[] = {
    {u"seLength", u"Streckenlänge:", u"m", 200, 1000000, 10, 3000, 0},
    {u"seLenKrug", u"Rundenlänge:", u"m", 50, 10000, 1, 200, 0},
    {u"seKrugov", u"Ergibt Runden:", u"", 1, 999, 1, 15, 3},
    {u"seLengthDop", u"Zusatzliche: ", u"", 0, 199, 1, 0, 3},
    {u"seMin", u"Minuten:", u"", 0, 99, 1, 5, 2},
    {u"seSek", u"Sekunden:", u"", 0, 59, 1, 30, 2},
    {u"seTime", u"Gesamtsekunden:", u"", 1, 9999, 1, 330, 0},
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
