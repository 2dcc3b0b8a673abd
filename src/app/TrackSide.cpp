// The track-side presentation: the race display alone on the whole screen
// (F11), the race sounds and the lap chart on "Grafik". Each lives in a class
// of its own; the window only places their controls and hands them its
// display and its race signals.
#include "Main.h"

#include "FullScreenView.h"
#include "LapChartPage.h"
#include "RaceSounds.h"
#include "TriggerStatus.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>

void TFormMain::createTrackSide()
{
    TFullScreenView::Sources sources;
    sources.lapsToGo = PanelKrugov;
    sources.aheadBehind = PanelPlusMin;
    sources.targetLap = pTimeOneKrug;
    sources.trigger = LabTrigger;
    sources.digits = {Digit3, Digit4, Digit5, Digit6, Digit7, Digit8};
    sources.labels = {LabMin, LabSec, Lab_Min, Lab_sek, Lab_100};
    sources.tick = Timer1;
    m_fullScreen = new TFullScreenView(this, sources);
    connect(mFullScreen, &QAction::triggered, m_fullScreen, &TFullScreenView::Toggle);
    // A line lost or back between two races shows at once.
    connect(m_triggerStatus, &TriggerStatus::changed, m_fullScreen, &TFullScreenView::Refresh);

    m_sounds = new TRaceSounds(this, cbSound, m_services.Sounds);

    m_chartPage = new TLapChartPage(this);
    PageControl1->addTab(m_chartPage, QStringLiteral("Grafik"));
}
