#include "domain/session.h"

#include "domain/employees.h"

namespace pw {

void Session::logOn(const QString &name, const QString &wage, bool passwordGiven)
{
    m_name = name;
    m_wage = wage;
    m_management = passwordGiven && isManager(name);
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
