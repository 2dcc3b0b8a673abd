// The running time on the six seven-segment digits: mm.ss,hh, leading zeros
// dim but never blanked.
#include "Main.h"

#include "Colors.h"
#include "Schedule.h"
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
    Digit3->setValue(minutes / 10);
    Digit3->setColorOn(DigitColors[Digit3->Value() > 0 ? 1 : 0]);
    Digit4->setValue(minutes % 10);
    Digit4->setColorOn(DigitColors[minutes > 0 ? 1 : 0]);
    // The minute separator and its caption light up with the minutes.
    setFontColor(LabMin, Digit4->ColorOn());
    setFontColor(Lab_Min, Digit4->ColorOn());
    Digit5->setValue(seconds / 10);
    Digit5->setColorOn(DigitColors[minutes + Digit5->Value() > 0 ? 1 : 0]);
    Digit6->setValue(seconds % 10);
    Digit7->setValue(hundredths / 10);
    Digit8->setValue(hundredths % 10);
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
