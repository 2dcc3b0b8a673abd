#include "RaceHistory.h"

#include <QStringListModel>

RaceHistory::RaceHistory(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_names(new QStringListModel(this))
{
    setObjectName(QStringLiteral("RaceHistory"));
    connect(&m_reader, &RaceHistoryReader::batchRead, this, &RaceHistory::add);
    connect(&m_reader, &RaceHistoryReader::finished, this, [this] {
        m_complete = true;
        emit complete();
    });
}

void RaceHistory::ensureRead()
{
    if (!m_started)
        reload();
}

void RaceHistory::reload()
{
    m_started = true;
    m_complete = false;
    m_model.clear();
    m_nameList.clear();
    m_reader.read(m_folder);
    emit changed();
}

void RaceHistory::learn(const QString &path)
{
    if (!m_started)
        return;
    const RaceHistoryEntry entry = ReadRaceHistoryEntry(path);
    m_model.put(entry);
    addName(entry.race.skater);
    m_names->setStringList(m_nameList);
    emit changed();
}

void RaceHistory::add(const QList<RaceHistoryEntry> &entries)
{
    // A file learnt while the folder was being read may come again.
    QList<RaceHistoryEntry> fresh;
    fresh.reserve(entries.size());
    for (const RaceHistoryEntry &entry : entries)
        if (m_model.rowOf(entry.path) < 0)
            fresh.append(entry);
    m_model.append(fresh);
    const qsizetype names = m_nameList.size();
    for (const RaceHistoryEntry &entry : fresh)
        addName(entry.race.skater);
    if (m_nameList.size() != names)
        m_names->setStringList(m_nameList);
    emit changed();
}

void RaceHistory::addName(const std::string &skater)
{
    const QString name = QString::fromStdString(skater);
    if (name.isEmpty() || m_nameList.contains(name))
        return;
    m_nameList.append(name);
    m_nameList.sort(Qt::CaseInsensitive);
}
