// The track-side presentation: the race display alone on the whole screen
// (F11), the race sounds, the spoken call-outs and the lap chart on
// "Grafik". Each lives in a class of its own; the window only places their
// controls and hands them its display and its race signals.
#include "Main.h"

#include "FullScreenView.h"
#include "LapChartPage.h"
#include "RaceFeed.h"
#include "RaceCallOuts.h"
#include "RaceSounds.h"
#include "ScreenChoice.h"
#include "TriggerStatus.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>

void TFormMain::createTrackSide()
{
    FullScreenView::Sources sources;
    sources.lapsToGo = PanelKrugov;
    sources.aheadBehind = PanelPlusMin;
    sources.targetLap = pTimeOneKrug;
    sources.trigger = LabTrigger;
    sources.digits = {Digit3, Digit4, Digit5, Digit6, Digit7, Digit8};
    sources.labels = {LabMin, LabSec, Lab_Min, Lab_sek, Lab_100};
    sources.tick = Timer1;
    sources.feed = m_feed;
    m_screenChoice = new ScreenChoice(cbDisplay);
    sources.screen = m_screenChoice;
    m_fullScreen = new FullScreenView(this, sources);
    connect(mFullScreen, &QAction::triggered, m_fullScreen, &FullScreenView::Toggle);
    connect(cbLastLap, &QCheckBox::toggled, m_fullScreen, &FullScreenView::setShowLastLap);
    // A line lost or back between two races shows at once.
    connect(m_triggerStatus, &TriggerStatus::changed, m_fullScreen, &FullScreenView::Refresh);

    m_sounds = new RaceSounds(*m_feed, this, cbSound, m_services.Sounds);
    m_callOuts = new RaceCallOuts(*m_feed, cbCallOuts, m_services.Speech, this);

    m_chartPage = new LapChartPage(*m_feed);
    PageControl1->addTab(m_chartPage, tr("Grafik"));
}
