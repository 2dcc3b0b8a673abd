// The board at the line on the window's own panels: the held gap on
// PanelPlusMin and, for a while after each passing, the last lap on
// pTimeOneKrug. What to show comes from LineBoard; with the choice off the
// panels are the race clock's alone.
#include "Main.h"

#include "Colors.h"
#include "LineBoard.h"
#include "Panel.h"

#include <QFontMetrics>

namespace {

// The panel's font (its parent's), made smaller until `text` fits between
// its bevels: a lap time has a digit more than the target lap.
QFont fittedFont(const Panel *panel, const QString &text)
{
    QFont font = panel->parentWidget()->font();
    const int room = panel->contentsRect().width();
    int size = font.pixelSize();
    while (size > 1 && QFontMetrics(font, panel).horizontalAdvance(text) > room)
        font.setPixelSize(--size);
    return font;
}

} // namespace

void TFormMain::showLineBoard(std::uint32_t now)
{
    const std::optional<LastLap> lap = m_lineBoard->lastLap(now);
    if (lap) {
        if (lap->text != pTimeOneKrug->caption())
            pTimeOneKrug->setFont(fittedFont(pTimeOneKrug, lap->text));
        pTimeOneKrug->setCaption(lap->text);
        pTimeOneKrug->setFontColor(lap->colour.value_or(Colors::clBlue()));
    } else if (m_targetShowsLastLap) {
        // Back to the panel's own font, its parent's.
        pTimeOneKrug->setFont(QFont());
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
