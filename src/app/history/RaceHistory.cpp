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

void RaceHistory::add(const QList<RaceHistoryEntry> &entries)
{
    m_model.append(entries);
    bool newName = false;
    for (const RaceHistoryEntry &entry : entries) {
        const QString name = QString::fromStdString(entry.race.skater);
        if (!name.isEmpty() && !m_nameList.contains(name)) {
            m_nameList.append(name);
            newName = true;
        }
    }
    if (newName) {
        m_nameList.sort(Qt::CaseInsensitive);
        m_names->setStringList(m_nameList);
    }
    emit changed();
}
