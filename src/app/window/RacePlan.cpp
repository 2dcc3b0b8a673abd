// The race plan: the set-up editors are tied together through their change
// notifications, and every change ends in Recompute, which derives the
// target lap time and the speeds.
#include "Main.h"

#include "DisplayTexts.h"

#include "FlEdit.h"
#include "LocaleNumber.h"
#include "Numbers.h"
#include "Panel.h"
#include "RacePalette.h"
#include "SpinEdit.h"
#include "TrackSplit.h"

#include <QLineEdit>
#include <QScopedValueRollback>

#include <algorithm>
#include <limits>

using rundaro::Real;

namespace {

// Plan figures are computed in 64 bits; an editor takes what fits an int and
// clamps it into its range.
int toEditor(std::int64_t v)
{
    return int(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

std::int32_t TFormMain::TargetLapMs() const
{
    return pTimeOneKrug->tag();
}

void TFormMain::seLengthChange(QObject *)
{
    // A lap length typed as 0 or less reads so until it is written back
    // clamped: no plan until it is one.
    if (seLenKrug->value() < 1)
        return;
    // Laps and extra metres are derived together and the plan recomputed
    // once with both: a Recompute between the two writes would write the
    // track length back from the new laps and the old extra metres.
    const rundaro::TrackSplit split
        = rundaro::SplitTrackLength(seLength->value(), seLenKrug->value(), seKrugov->minValue(), seKrugov->maxValue());
    {
        const QScopedValueRollback<bool> holding(m_holdRecompute, true);
        seKrugov->setValue(toEditor(split.laps));
        seLengthDop->setMaxValue(seLenKrug->value() - 1);
        seLengthDop->setValue(toEditor(split.extraMetres));
    }
    Recompute();
}

void TFormMain::seLenKrugChange(QObject *)
{
    Recompute();
}

void TFormMain::seKrugovChange(QObject *)
{
    Recompute();
}

void TFormMain::seMinChange(QObject *)
{
    seTime->setValue(toEditor(std::int64_t(seMin->value()) * 60 + seSek->value()));
}

void TFormMain::seTimeChange(QObject *)
{
    const int v = seTime->value();
    seMin->setValue(toEditor(rundaro::Div(v, 60)));
    seSek->setValue(toEditor(rundaro::Mod(v, 60)));
    Recompute();
}

void TFormMain::seDopTimeChange(QObject *)
{
    Recompute();
    PanelPlusMin->setFontColor(RacePalette::aheadPanel());
    PanelPlusMin->setCaption(QStringLiteral("+")
                             + QString::fromStdString(rundaro::IntToStr(rundaro::Round(seDopTime->value()))));
}

void TFormMain::Recompute()
{
    if (m_holdRecompute)
        return;
    // A lap length of 0 or less (typed, before it is clamped) has no plan:
    // the editors stay as typed and there is no target until it is valid.
    if (seLenKrug->value() < 1) {
        ShowNoTarget();
        return;
    }
    seLengthDop->setMaxValue(seLenKrug->value() - 1);
    // Extra metres at or above the lap length would turn every track length
    // written below into one more lap, up to the maximum; they are brought
    // below the lap length first. The write runs Recompute nested.
    if (seLengthDop->value() > seLengthDop->maxValue())
        seLengthDop->setValue(seLengthDop->maxValue());
    seLength->setValue(toEditor(std::int64_t(seKrugov->value()) * seLenKrug->value() + seLengthDop->value()));

    m_lapsExact = double(Real(seLength->value()) / Real(seLenKrug->value()));
    PanelKrugov->setCaption(QString::fromStdString(rundaro::IntToStr(seKrugov->value())));
    if (seTime->value() > 0) {
        const Real averageSpeed = (Real(seLength->value()) / 1000) / (Real(seTime->value()) / 3600);
        pTimeAverSpeed->setCaption(rundaro::FormatFixedText(averageSpeed, 1) + QStringLiteral(" km/h"));
    } else {
        pTimeAverSpeed->setCaption(NoTargetText() + QStringLiteral(" km/h"));
    }
    // A target time at or below the allowance, or a track length typed as 0,
    // leaves no time for the laps: no target, rather than a negative one or
    // the last plan's, so that the race and the screen agree.
    const Real targetTime = Real(seTime->value()) - seDopTime->value();
    if (m_lapsExact <= 0 || seTime->value() <= 0 || targetTime <= 0) {
        ShowNoTarget();
        return;
    }
    const auto targetLapMs
        = std::int32_t(std::uint32_t(std::uint64_t(rundaro::Round(targetTime * 1000 / Real(m_lapsExact)))));
    if (targetLapMs <= 0) {
        ShowNoTarget();
        return;
    }
    pTimeOneKrug->setTag(targetLapMs);

    pTimeOneKrug->setCaption(rundaro::FormatFixedText(Real(TargetLapMs()) / 1000, 1));
    eTimeKrug->setText(pTimeOneKrug->caption());
    const Real lapSpeed = (Real(seLenKrug->value()) / 1000) / (Real(TargetLapMs()) / 1000 / 3600);
    eSpeedKrug->setText(rundaro::FormatFixedText(lapSpeed, 2));
}

QString TFormMain::TargetLapText() const
{
    return TargetLapMs() > 0 ? rundaro::FormatFixedText(Real(TargetLapMs()) / 1000, 1) : NoTargetText();
}

void TFormMain::ShowNoTarget()
{
    pTimeOneKrug->setTag(0);
    pTimeOneKrug->setCaption(NoTargetText());
    eTimeKrug->setText(NoTargetText());
    eSpeedKrug->setText(NoTargetText());
}

rundaro::PlanFigures TFormMain::ScheduleInForce() const
{
    rundaro::PlanFigures plan;
    // A laps text being typed may read below zero: no line but the start.
    plan.laps = std::max(seKrugov->value(), 0);
    plan.targetLapMs = TargetLapMs();
    plan.allowanceSeconds = seDopTime->value();
    plan.extraMetres = seLengthDop->value();
    plan.lapLength = seLenKrug->value();
    return plan;
}

rundaro::RaceSetup TFormMain::PlanInForce() const
{
    rundaro::RaceSetup setup;
    setup.plan = ScheduleInForce();
    // From the target itself: the panel may show the last lap for a while.
    setup.plan.lapTimeText = TargetLapText().toStdString();
    setup.plan.lapSpeedText = eSpeedKrug->text().toStdString();
    setup.trackLength = seLength->value();
    setup.targetSeconds = seTime->value();
    return setup;
}
