#include "LapChartPage.h"

#include "LapChartData.h"
#include "LapChartWidget.h"
#include "Main.h"
#include "Modules.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

TLapChartWidget *chartFromModule(QWidget *parent)
{
    auto *module = qobject_cast<ChartModule *>(LoadModule("rundaro_chart"));
    return module ? module->CreateChart(parent) : nullptr;
}

} // namespace

TLapChartPage::TLapChartPage(TFormMain *form, ChartFactory factory, QWidget *parent)
    : QWidget(parent)
    , m_form(form)
    , m_factory(factory ? std::move(factory) : ChartFactory(chartFromModule))
{
    setObjectName(QStringLiteral("TabSheet4"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (auto signal : {&TFormMain::raceStarted, &TFormMain::raceStopped, &TFormMain::raceReset})
        connect(form, signal, this, &TLapChartPage::raceChanged);
    for (auto signal : {&TFormMain::passingRecorded, &TFormMain::passingUndone})
        connect(form, signal, this, &TLapChartPage::raceChanged);
}

void TLapChartPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_tried) {
        m_tried = true;
        m_chart = m_factory(this);
        if (m_chart) {
            layout()->addWidget(m_chart);
        } else {
            auto *missing = new QLabel(QStringLiteral("Die Grafik ist nicht installiert."), this);
            missing->setAlignment(Qt::AlignCenter);
            layout()->addWidget(missing);
        }
    }
    // The plan may have changed while another tab was shown.
    m_stale = true;
    refresh();
}

void TLapChartPage::raceChanged()
{
    m_stale = true;
    if (!m_chart || !isVisible() || m_queued)
        return;
    m_queued = true;
    QMetaObject::invokeMethod(this, [this] {
        m_queued = false;
        refresh();
    }, Qt::QueuedConnection);
}

void TLapChartPage::refresh()
{
    if (!m_chart || !m_stale)
        return;
    m_stale = false;
    const rundaro::RaceRecord &race = m_form->Race();
    m_chart->ShowChart(race.IsOpen() ? rundaro::ChartOfRace(race.Setup().plan, &race)
                                     : rundaro::ChartOfRace(m_form->PlanInForce().plan, nullptr));
}
