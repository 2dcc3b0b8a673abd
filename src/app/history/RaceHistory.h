#pragma once

#include "RaceHistoryModel.h"

#include <QObject>
#include <QStringList>

class QStringListModel;

// The saved races of the races folder, read once when first asked for and
// again on request: the table the history dialog shows, the skaters' names
// offered for completion and the races a comparison can choose from.
class RaceHistory : public QObject
{
    Q_OBJECT

public:
    RaceHistory(const QString &folder, QObject *parent);

    const QString &folder() const { return m_folder; }
    RaceHistoryModel &model() { return m_model; }
    const RaceHistoryModel &model() const { return m_model; }
    // The skaters' names, sorted, for a completer.
    QStringListModel *names() const { return m_names; }
    bool isComplete() const { return m_complete; }

    // Reads the folder unless it has been read or is being read.
    void ensureRead();
    // Reads the folder anew (a race may have been saved since).
    void reload();
    // Takes in the race file at `path`, just written: its entry is read
    // again, or listed first as the newest. Nothing until the folder is read.
    void learn(const QString &path);

signals:
    void changed();
    void complete();

private:
    Q_DISABLE_COPY(RaceHistory)

    void add(const QList<RaceHistoryEntry> &entries);
    void addName(const std::string &skater);

    QString m_folder;
    RaceHistoryModel m_model;
    RaceHistoryReader m_reader;
    QStringListModel *m_names = nullptr;
    QStringList m_nameList;
    bool m_started = false;
    bool m_complete = false;
};
