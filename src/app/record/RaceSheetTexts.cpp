#include "RaceSheetTexts.h"

#include "DisplayTexts.h"
#include "LocaleNumber.h"

#include <QCoreApplication>

QDateTime RaceStartTime(const rundaro::RaceRecord &race)
{
    return QDateTime::fromMSecsSinceEpoch(race.StartedAt());
}

rundaro::RaceSheet RaceSheetOf(const rundaro::RaceRecord &race)
{
    const QDateTime start = RaceStartTime(race);
    return rundaro::MakeRaceSheet(race, start.toString(QStringLiteral("dd.MM.yyyy")).toStdString(),
                                  start.toString(QStringLiteral("HH:mm:ss")).toStdString(),
                                  QString(rundaro::LocaleDecimalSeparator()).toStdString());
}

rundaro::RaceRowTexts LapTableHeaders()
{
    return rundaro::LapColumnHeaders();
}

QByteArray RaceCsvOf(const rundaro::RaceRecord &race)
{
    return QByteArray::fromStdString(rundaro::RaceCsv(RaceSheetOf(race)));
}

bool WriteRaceCsv(const rundaro::RaceRecord &race, const QString &path, QString &error)
{
    return WriteWholeFile(path, RaceCsvOf(race), error);
}

QString RaceFileBaseName(const rundaro::RaceRecord &race)
{
    return RaceStartTime(race).toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
}

QString RaceSummaryText(const rundaro::RaceRecord &race)
{
    QStringList parts;
    const int last = race.Passings() - 1;
    if (!race.Skater().empty())
        parts << QCoreApplication::translate("RaceSummary", "Läufer: %1").arg(QString::fromStdString(race.Skater()));
    if (last < 0)
        return parts.join(QStringLiteral("   "));
    const rundaro::PlanFigures &plan = race.Setup().plan;
    // The final time once stopped; before, the time at the last passing.
    parts << (race.IsStopped() ? QCoreApplication::translate("RaceSummary", "Endzeit: %1")
                               : QCoreApplication::translate("RaceSummary", "Zeit: %1"))
                 .arg(LocaleNumberText(rundaro::MinSecText(race.RaceMs(last), '.')));
    parts << QCoreApplication::translate("RaceSummary", "Durchschnitt: %1 km/h")
                 .arg(LocaleNumberText(rundaro::AverageSpeedText(plan, last + 1, race.RaceMs(last), '.')));
    std::optional<std::int32_t> best;
    for (int i = 0; i <= last; ++i)
        if (race.Row(i) >= 2 && (!best || race.LapMs(i) < *best))
            best = race.LapMs(i);
    if (best)
        parts << QCoreApplication::translate("RaceSummary", "Beste Runde: %1 s")
                     .arg(LocaleNumberText(rundaro::FormatFixed(rundaro::Real(*best) / 1000, 2, '.')));
    return parts.join(QStringLiteral("   "));
}
