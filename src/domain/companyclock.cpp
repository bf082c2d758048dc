#include "domain/companyclock.h"

#include "db/database.h"

namespace pw {

CompanyClock::CompanyClock(const Clock &workstation, Database &db) : m_workstation(workstation), m_db(db) {}

void CompanyClock::synchronise() const
{
    m_tried.start();
    const DbResult<QDateTime> reading = m_db.serverTime();
    if (!reading || !reading->isValid())
        return;
    m_reading = *reading;
    m_since.start();
}

QDateTime CompanyClock::now() const
{
    if (!m_db.isServer() || !m_db.isOpen())
        return m_workstation.now();
    if (!m_tried.isValid() || m_tried.hasExpired(kReadAgainMs))
        synchronise();
    if (!m_reading.isValid())
        return m_workstation.now();
    return m_reading.addMSecs(m_since.elapsed());
}

} // namespace pw
