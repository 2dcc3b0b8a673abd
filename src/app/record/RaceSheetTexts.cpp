#include "RaceSheetTexts.h"

#include "LapColumns.h"
#include "LocaleNumber.h"

#include <QSaveFile>

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
    rundaro::RaceRowTexts headers;
    static_assert(std::size(kLapColumns) == std::tuple_size_v<rundaro::RaceRowTexts>);
    for (std::size_t i = 0; i < headers.size(); ++i)
        headers[i] = kLapColumns[i].header; // German: the file's stable format
    return headers;
}

QByteArray RaceCsvOf(const rundaro::RaceRecord &race)
{
    return QByteArray::fromStdString(rundaro::RaceCsv(RaceSheetOf(race), LapTableHeaders()));
}

bool WriteRaceCsv(const rundaro::RaceRecord &race, const QString &path, QString &error)
{
    return WriteWholeFile(path, RaceCsvOf(race), error);
}

bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = file.errorString();
    return false;
}

QString RaceFileBaseName(const rundaro::RaceRecord &race)
{
    return RaceStartTime(race).toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
}
