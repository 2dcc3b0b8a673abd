#include "RaceHistoryModel.h"

#include "DisplayTexts.h"
#include "LapTexts.h"

#include <QBrush>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString RaceTimeText(std::int32_t ms)
{
    return LocaleNumberText(rundaro::MinSecText(ms, '.'));
}

QString RaceStatusText(const std::string &status)
{
    // The race file's words, German there, in the program's language here.
    [[maybe_unused]] static const char *const words[] = {
        QT_TRANSLATE_NOOP("RaceHistoryModel", "läuft"),
        QT_TRANSLATE_NOOP("RaceHistoryModel", "beendet"),
        QT_TRANSLATE_NOOP("RaceHistoryModel", "abgebrochen"),
        QT_TRANSLATE_NOOP("RaceHistoryModel", "unterbrochen"),
    };
    return QCoreApplication::translate("RaceHistoryModel", status.c_str());
}

QString AverageSpeedOf(const rundaro::StoredRace &race)
{
    if (race.raceMs.empty())
        return QString();
    return LocaleNumberText(
        rundaro::AverageSpeedText(race.setup.plan, std::int64_t(race.raceMs.size()), race.FinalMs(), '.'));
}

RaceHistoryModel::RaceHistoryModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RaceHistoryModel::append(const QList<RaceHistoryEntry> &entries)
{
    if (entries.isEmpty())
        return;
    beginInsertRows({}, size(), size() + int(entries.size()) - 1);
    for (const RaceHistoryEntry &entry : entries) {
        m_rows.insert(entry.path, size());
        m_entries.push_back(entry);
    }
    endInsertRows();
}

void RaceHistoryModel::put(const RaceHistoryEntry &entry)
{
    const int row = rowOf(entry.path);
    if (row >= 0) {
        m_entries[std::size_t(row)] = entry;
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        return;
    }
    beginInsertRows({}, 0, 0);
    m_entries.insert(m_entries.begin(), entry);
    for (auto it = m_rows.begin(); it != m_rows.end(); ++it)
        ++it.value();
    m_rows.insert(entry.path, 0);
    endInsertRows();
}

int RaceHistoryModel::rowOf(const QString &path) const
{
    return m_rows.value(path, -1);
}

void RaceHistoryModel::clear()
{
    beginResetModel();
    m_entries.clear();
    m_rows.clear();
    endResetModel();
}

int RaceHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

int RaceHistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString RaceHistoryModel::text(const RaceHistoryEntry &entry, int column) const
{
    const rundaro::StoredRace &race = entry.race;
    if (!entry.readable()) {
        if (column == Date)
            return QFileInfo(entry.path).fileName();
        return column == Status ? entry.reason : QString();
    }
    switch (column) {
    case Date: return QString::fromStdString(race.date);
    case Start: return QString::fromStdString(race.start);
    case Skater: return QString::fromStdString(race.skater);
    case Distance: return QStringLiteral("%1 m").arg(race.setup.trackLength);
    case Laps: return QString::number(race.setup.plan.laps);
    case FinalTime: return race.raceMs.empty() ? QString() : RaceTimeText(race.FinalMs());
    case Speed: return AverageSpeedOf(race);
    case Status: return RaceStatusText(race.status);
    default: return QString();
    }
}

QVariant RaceHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= size())
        return {};
    const RaceHistoryEntry &e = entry(index.row());
    if (role == Qt::DisplayRole)
        return text(e, index.column());
    if (role == Qt::ToolTipRole && !e.readable())
        return QDir::toNativeSeparators(e.path);
    // A race stopped before its distance is listed, greyed: it is no result.
    if (role == Qt::ForegroundRole && e.readable() && e.race.Stopped() && !e.race.Finished())
        return QBrush(QColor(Qt::gray));
    if (role == Qt::TextAlignmentRole && index.column() >= Distance && index.column() <= Speed)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant RaceHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const headers[]
        = {QT_TR_NOOP("Datum"),  QT_TR_NOOP("Start"),   QT_TR_NOOP("Läufer"), QT_TR_NOOP("Strecke"),
           QT_TR_NOOP("Runden"), QT_TR_NOOP("Endzeit"), QT_TR_NOOP("km/h"),   QT_TR_NOOP("Status")};
    return section >= 0 && section < ColumnCount ? tr(headers[section]) : QVariant();
}

RaceHistoryFilter::RaceHistoryFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void RaceHistoryFilter::setSkater(const QString &skater)
{
    if (skater == m_skater)
        return;
    m_skater = skater;
    invalidateFilter();
}

void RaceHistoryFilter::setDistance(qint64 metres)
{
    if (metres == m_distance)
        return;
    m_distance = metres;
    invalidateFilter();
}

bool RaceHistoryFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    if (m_skater.isEmpty() && m_distance == 0)
        return true;
    const auto *model = static_cast<const RaceHistoryModel *>(sourceModel());
    const RaceHistoryEntry &entry = model->entry(sourceRow);
    if (!entry.readable())
        return false;
    if (!m_skater.isEmpty() && QString::fromStdString(entry.race.skater).compare(m_skater, Qt::CaseInsensitive) != 0)
        return false;
    return m_distance == 0 || entry.race.setup.trackLength == m_distance;
}
