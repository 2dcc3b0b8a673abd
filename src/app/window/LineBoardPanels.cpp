// The board at the line on the window's own panels: the held gap on
// PanelPlusMin and, for a while after each passing, the last lap on
// pTimeOneKrug. What to show comes from LineBoard; with the choice off the
// panels are the race clock's alone.
#include "Main.h"

#include "Colors.h"
#include "LineBoard.h"
#include "Panel.h"

void TFormMain::showLineBoard(std::uint32_t now)
{
    const std::optional<LastLap> lap = m_lineBoard->lastLap(now);
    if (lap) {
        pTimeOneKrug->setCaption(lap->text);
        pTimeOneKrug->setFontColor(lap->colour.value_or(Colors::clBlue()));
    } else if (m_targetShowsLastLap) {
        pTimeOneKrug->setCaption(TargetLapText());
        pTimeOneKrug->setFontColor(Colors::clBlue());
    }
    m_targetShowsLastLap = lap.has_value();
    // Between START and RESET only: before and after, the panel shows the
    // plan's allowance.
    if (!m_lineBoard->isOn() || !m_record.IsOpen())
        return;
    const std::optional<int> shown = m_lineBoard->boardOf(now).aheadBehind;
    if (m_plusMinStale || (shown && *shown != PlusMinShown()))
        showPlusMin(shown);
}
