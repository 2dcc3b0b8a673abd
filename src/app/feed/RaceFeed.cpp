#include "RaceFeed.h"

RaceFeed::RaceFeed(const rundaro::RaceRecord &record, PlanSource plan, QObject *parent)
    : QObject(parent)
    , m_record(record)
    , m_plan(std::move(plan))
{
    setObjectName(QStringLiteral("RaceFeed"));
}

void RaceFeed::setNextSkater(const std::string &name)
{
    if (name == m_nextSkater)
        return;
    m_nextSkater = name;
    emit nextSkaterChanged();
}
