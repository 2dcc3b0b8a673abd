#include "RaceResultsModel.h"

#include "RaceHistoryModel.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QPalette>

namespace {

// The status words of the race files, German on disk, shown translated.
[[maybe_unused]] constexpr const char *kStatusTexts[] = {
    QT_TRANSLATE_NOOP("RaceResults", "läuft"),
    QT_TRANSLATE_NOOP("RaceResults", "beendet"),
    QT_TRANSLATE_NOOP("RaceResults", "abgebrochen"),
    QT_TRANSLATE_NOOP("RaceResults", "unterbrochen"),
};

} // namespace

RaceResultsModel::RaceResultsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

QString RaceResultsModel::statusText(const std::string &status)
{
    return QCoreApplication::translate("RaceResults", status.c_str());
}

void RaceResultsModel::setDay(const std::vector<const RaceHistoryEntry *> &saved,
                              const std::vector<const RaceHistoryEntry *> &removed, const QString &date)
{
    beginResetModel();
    m_day = date;
    m_rows.clear();
    std::vector<const rundaro::StoredRace *> races;
    races.reserve(saved.size());
    for (const RaceHistoryEntry *entry : saved)
        races.push_back(&entry->race);
    const std::string day = date.toStdString();
    for (const rundaro::DayResult &result : rundaro::DayResults(races, day))
        m_rows.push_back({*saved[result.race], result, false});
    std::vector<const rundaro::StoredRace *> gone;
    for (const RaceHistoryEntry *entry : removed)
        gone.push_back(&entry->race);
    for (const rundaro::DayResult &result : rundaro::DayResults(gone, day))
        m_rows.push_back({*removed[result.race], rundaro::DayResult{result.race}, true});
    endResetModel();
}

void RaceResultsModel::markMoved(int row, const QString &path, bool removed)
{
    Row &r = m_rows[std::size_t(row)];
    r.entry.path = path;
    r.removed = removed;
    r.result = rundaro::DayResult{r.result.race};
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void RaceResultsModel::markRenamed(int row, const QString &name)
{
    Row &r = m_rows[std::size_t(row)];
    r.entry.race.skater = name.toStdString();
    r.result = rundaro::DayResult{r.result.race};
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int RaceResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

int RaceResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString RaceResultsModel::text(const Row &row, int column) const
{
    const rundaro::StoredRace &race = row.entry.race;
    switch (column) {
    case Start: return QString::fromStdString(race.start);
    case Skater: return QString::fromStdString(race.skater);
    case Distance: return QStringLiteral("%1 m").arg(race.setup.trackLength);
    case FinalTime: return race.raceMs.empty() ? QString() : RaceTimeText(race.FinalMs());
    case Status: return row.removed ? tr("entfernt") : statusText(race.status);
    case DayBest: return row.result.dayBestMs > 0 ? RaceTimeText(row.result.dayBestMs) : QString();
    case PersonalBest: return row.result.personalBest ? tr("neu") : QString();
    default: return QString();
    }
}

QVariant RaceResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= size())
        return {};
    const Row &r = row(index.row());
    switch (role) {
    case Qt::DisplayRole: return text(r, index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == Distance || index.column() == FinalTime || index.column() == DayBest)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::FontRole:
        if (r.removed || r.result.dayBest || (r.result.personalBest && index.column() == PersonalBest)) {
            QFont font;
            font.setItalic(r.removed);
            font.setBold(!r.removed);
            return font;
        }
        return {};
    case Qt::ForegroundRole:
        // Removed races and races that are no result (stopped, cut short) greyed.
        if (r.removed || !r.entry.race.Finished())
            return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
        return {};
    default: return {};
    }
}

QVariant RaceResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const headers[]
        = {QT_TR_NOOP("Start"),  QT_TR_NOOP("Läufer"),     QT_TR_NOOP("Strecke"), QT_TR_NOOP("Endzeit"),
           QT_TR_NOOP("Status"), QT_TR_NOOP("Tagesbeste"), QT_TR_NOOP("Bestzeit")};
    return section >= 0 && section < ColumnCount ? tr(headers[section]) : QVariant();
}
