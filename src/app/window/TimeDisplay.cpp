// The running time on the six seven-segment digits: mm.ss,hh, leading zeros
// dim but never blanked.
#include "Main.h"

#include "Colors.h"
#include "Schedule.h"
#include "TimeDisplayLayout.h"
#include "Udigit.h"

#include <QFrame>
#include <QLabel>

const std::array<QColor, 2> TFormMain::DigitColors = {Colors::clDimDigit(), Colors::clYellow()};

namespace {

void setFontColor(QLabel *label, const QColor &color)
{
    if (label->palette().color(QPalette::WindowText) == color)
        return;
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
}

} // namespace

void TFormMain::ShowDigits(int minutes, int seconds, int hundredths)
{
    const TimeDigitsShown shown = TimeDigitsOf(minutes, seconds, hundredths);
    TDigit *const digits[] = {Digit3, Digit4, Digit5, Digit6, Digit7, Digit8};
    QLabel *const labels[] = {LabMin, LabSec, Lab_Min, Lab_sek, Lab_100};
    for (std::size_t i = 0; i < std::size(digits); ++i) {
        digits[i]->setValue(shown.values[i]);
        if (kTimeDigits[i].dim)
            digits[i]->setColorOn(DigitColors[shown.significant[i] ? 1 : 0]);
        // The minute separator and its caption light up with the minutes,
        // before the digits after them repaint (a digit repaints at once,
        // and with it whatever waits to be painted beside it).
        if (i == 1)
            for (std::size_t l = 0; l < std::size(labels); ++l)
                if (kTimeLabels[l].dim)
                    setFontColor(labels[l], DigitColors[TimeLabelSignificant(shown, l) ? 1 : 0]);
    }
}

void TFormMain::ShowTime(int t)
{
    const rundaro::TimeParts parts = rundaro::SplitRaceTime(t);
    ShowDigits(parts.minutes, parts.seconds, parts.hundredths);
    describeTime(t);
}

void TFormMain::describeTime(int t)
{
    // Screen readers hear the running time once a second, not at every tick.
    const int second = t / 1000;
    if (second == m_describedSecond)
        return;
    m_describedSecond = second;
    const rundaro::TimeParts parts = rundaro::SplitRaceTime(t);
    PanelTimer->setAccessibleName(tr("Laufzeit %1 Min. %2 Sek.").arg(parts.minutes).arg(parts.seconds));
}
