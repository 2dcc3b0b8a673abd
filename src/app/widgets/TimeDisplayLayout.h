#pragma once

#include <QtGlobal>

#include <array>

// Where the six digits and five labels of the time display sit on the black
// panel (mm.ss,hh with captions below), which of them start dim, and what
// the digits show. The window's display and the full-screen display share it.
inline constexpr int kDigitTop = 11;
inline constexpr int kDigitWidth = 45;
inline constexpr int kDigitHeight = 89;

struct TimeDigitEntry
{
    const char16_t *name;
    int left;
    bool dim; // a leading zero at start
};

inline constexpr TimeDigitEntry kTimeDigits[] = {
    {u"Digit3", 8, true}, // tens of minutes
    {u"Digit4", 56, true}, // minutes
    {u"Digit5", 136, true}, // tens of seconds
    {u"Digit6", 184, false}, // seconds
    {u"Digit7", 264, false}, // tenths
    {u"Digit8", 312, false}, // hundredths
};

struct TimeLabelEntry
{
    const char16_t *name;
    const char *text; // translated where shown
    int left;
    int top;
    int width;
    int height;
    const char16_t *family;
    int pixelSize;
    bool centred;
    bool dim;
};

inline constexpr TimeLabelEntry kTimeLabels[] = {
    {u"LabMin", ".", 112, 41, 25, 81, u"Times New Roman", 64, false, true},
    {u"LabSec", ",", 240, 41, 25, 81, u"Times New Roman", 64, false, false},
    {u"Lab_Min", QT_TRANSLATE_NOOP("TFormMain", "Min."), 36, 106, 39, 22, u"Arial", 19, true, true},
    {u"Lab_sek", QT_TRANSLATE_NOOP("TFormMain", "Sek."), 164, 106, 40, 22, u"Arial", 19, true, false},
    {u"Lab_100", "100", 294, 106, 33, 22, u"Arial", 19, true, false},
};

// The six digits of a time, and which of them stand in the significant
// colour: a leading zero of the minutes or of the tens of seconds stays dim
// until it or a digit before it is not 0. The dim labels (the minutes'
// separator and caption) go with the minutes' digit.
struct TimeDigitsShown
{
    std::array<int, std::size(kTimeDigits)> values;
    std::array<bool, std::size(kTimeDigits)> significant;
};

constexpr TimeDigitsShown TimeDigitsOf(int minutes, int seconds, int hundredths)
{
    return {{minutes / 10, minutes % 10, seconds / 10, seconds % 10, hundredths / 10, hundredths % 10},
            {minutes / 10 > 0, minutes > 0, minutes + seconds / 10 > 0, true, true, true}};
}

// Whether label `i` of kTimeLabels stands in the significant colour.
constexpr bool TimeLabelSignificant(const TimeDigitsShown &shown, std::size_t i)
{
    return !kTimeLabels[i].dim || shown.significant[1];
}
