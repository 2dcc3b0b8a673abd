#pragma once

#include "DayResults.h"
#include "RaceHistoryReader.h"

#include <QAbstractTableModel>

#include <vector>

// The results of one day as a table: start, skater, distance, final time,
// status, the skater's best of the day at that distance and a new personal
// best marked; the day's best of each skater in bold. Removed races of the
// day (from the folder `gelöscht`) follow, greyed, so that they can be
// restored; they count for nothing.
class RaceResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Start, Skater, Distance, FinalTime, Status, DayBest, PersonalBest, ColumnCount };

    struct Row
    {
        RaceHistoryEntry entry;
        rundaro::DayResult result;
        bool removed = false;
    };

    explicit RaceResultsModel(QObject *parent = nullptr);

    // The results of `date` ("dd.MM.yyyy") among every saved race, and the
    // removed races of that day after them.
    void setDay(const std::vector<const RaceHistoryEntry *> &saved,
                const std::vector<const RaceHistoryEntry *> &removed, const QString &date);
    const QString &day() const { return m_day; }
    const Row &row(int row) const { return m_rows[std::size_t(row)]; }
    int size() const { return int(m_rows.size()); }

    // What the window knows at once after an action on a file, until the
    // races are read again: the row's file moved (removed or restored), or
    // its skater renamed. A removed row counts for nothing meanwhile.
    void markMoved(int row, const QString &path, bool removed);
    void markRenamed(int row, const QString &name);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A race file's status word in the program's language.
    static QString statusText(const std::string &status);

private:
    Q_DISABLE_COPY(RaceResultsModel)

    QString text(const Row &row, int column) const;

    std::vector<Row> m_rows;
    QString m_day;
};
