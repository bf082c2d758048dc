#include "domain/session.h"

namespace pw {

void Session::logOn(const QString &name, const QString &wage, bool managementOpen)
{
    m_name = name;
    m_wage = wage;
    m_management = managementOpen;
    m_loggedOn = true;
    Q_EMIT loggedOn();
}

void Session::logOff()
{
    if (!m_loggedOn)
        return;
    m_loggedOn = false;
    m_management = false;
    Q_EMIT loggedOff();
}

} // namespace pw
