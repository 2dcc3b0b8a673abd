#include "RaceResultsCsv.h"

#include "RaceResultsModel.h"

#include <QStringList>

namespace {

// A text field as a spreadsheet takes it: quoted when it holds a separator,
// a quote or a line break, and never read as a formula.
QString textField(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u';') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        text = u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return text;
}

} // namespace

QString SecondsText(std::int32_t ms)
{
    const std::int32_t hundredths = ms / 10;
    return QStringLiteral("%1,%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QByteArray RaceResultsCsv(const RaceResultsModel &model)
{
    QString csv = QStringLiteral("Datum;Start;Läufer;Strecke (m);Endzeit (s);Status;Tagesbeste (s);Neue Bestzeit\r\n");
    for (int i = 0; i < model.size(); ++i) {
        const RaceResultsModel::Row &row = model.row(i);
        if (row.removed)
            continue;
        const rundaro::StoredRace &race = row.entry.race;
        const QStringList fields = {
            QString::fromStdString(race.date),
            QString::fromStdString(race.start),
            textField(QString::fromStdString(race.skater)),
            QString::number(race.setup.trackLength),
            race.raceMs.empty() ? QString() : SecondsText(race.FinalMs()),
            QString::fromStdString(race.status),
            row.result.dayBestMs > 0 ? SecondsText(row.result.dayBestMs) : QString(),
            row.result.personalBest ? QStringLiteral("ja") : QString(),
        };
        csv += fields.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}
