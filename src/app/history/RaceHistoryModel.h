#pragma once

#include "RaceHistoryReader.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSortFilterProxyModel>

#include <vector>

// The races of the history as a table: date, start, skater, distance, laps,
// final time, average speed, status; an unreadable file shows its name and
// its reason. Rows come in the reader's order (newest first).
class RaceHistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Date, Start, Skater, Distance, Laps, FinalTime, Speed, Status, ColumnCount };

    explicit RaceHistoryModel(QObject *parent = nullptr);

    void append(const QList<RaceHistoryEntry> &entries);
    // Replaces the entry of the same file, or lists it first (the newest).
    void put(const RaceHistoryEntry &entry);
    // The row of the file at `path`; -1 when it is not listed.
    int rowOf(const QString &path) const;
    void clear();
    const RaceHistoryEntry &entry(int row) const { return m_entries[std::size_t(row)]; }
    int size() const { return int(m_entries.size()); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Q_DISABLE_COPY(RaceHistoryModel)

    QString text(const RaceHistoryEntry &entry, int column) const;

    std::vector<RaceHistoryEntry> m_entries;
    // Each file's row, kept while rows are only appended.
    QHash<QString, int> m_rows;
};

// Keeps the races of one skater and one distance; an empty skater or a
// distance of 0 keeps all. Unreadable files stay listed unless filtered.
class RaceHistoryFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit RaceHistoryFilter(QObject *parent = nullptr);

    void setSkater(const QString &skater);
    void setDistance(qint64 metres);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    Q_DISABLE_COPY(RaceHistoryFilter)

    QString m_skater;
    qint64 m_distance = 0;
};

// "m:ss,hh" of a race time in the locale's figures.
QString RaceTimeText(std::int32_t ms);
// A race file's status in the program's language.
QString RaceStatusText(const std::string &status);
// The race's average speed over what it covered, in the locale's figures.
QString AverageSpeedOf(const rundaro::StoredRace &race);
