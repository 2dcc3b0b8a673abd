// The track-side presentation: the board at the line, the race display
// alone on the whole screen (F11), the race sounds, the spoken call-outs and
// the lap chart on "Grafik". Each lives in a class of its own; the window
// only places their controls and hands them its race feed.
#include "Main.h"

#include "FullScreenView.h"
#include "LapChartPage.h"
#include "LineBoard.h"
#include "RaceCallOuts.h"
#include "RaceFeed.h"
#include "RaceSounds.h"
#include "ScreenChoice.h"
#include "TickCount.h"
#include "TriggerStatus.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>

void TFormMain::createTrackSide()
{
    m_lineBoard = new LineBoard(*m_feed, this);
    connect(cbBoard, &QCheckBox::toggled, m_lineBoard, &LineBoard::setOn);
    connect(m_lineBoard, &LineBoard::changed, this, [this] { showLineBoard(rundaro::GetTickCount()); });

    FullScreenView::Sources sources;
    sources.feed = m_feed;
    sources.board = m_lineBoard;
    sources.trigger = m_triggerStatus;
    sources.tick = Timer1;
    m_screenChoice = new ScreenChoice(cbDisplay);
    sources.screen = m_screenChoice;
    m_fullScreen = new FullScreenView(this, sources);
    connect(mFullScreen, &QAction::triggered, m_fullScreen, &FullScreenView::toggle);
    connect(cbLastLap, &QCheckBox::toggled, m_fullScreen, &FullScreenView::setShowLastLap);
    // A line lost or back between two races shows at once.
    connect(m_triggerStatus, &TriggerStatus::changed, m_fullScreen, &FullScreenView::refresh);

    m_sounds = new RaceSounds(*m_feed, this, cbSound, m_services.Sounds);
    m_callOuts = new RaceCallOuts(*m_feed, cbCallOuts, m_services.Speech, this);

    m_chartPage = new LapChartPage(*m_feed);
    PageControl1->addTab(m_chartPage, tr("Grafik"));
}
