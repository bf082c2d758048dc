#include "domain/logon.h"

#include "db/database.h"
#include "db/employeelist.h"

namespace pw {

namespace logon {

Choice choose(Database &db, const QString &name)
{
    Choice c;
    c.name = name;
    auto found = EmployeeList(db).find(name);
    if (!found) {
        c.outcome = Choice::ListUnreadable;
        c.error = found.error();
        return c;
    }
    if (!found->has_value())
        return c;
    c.wage = (*found)->wage.toString();
    c.m_password = (*found)->storedPassword();
    auto hasLog = db.tableExists(name);
    if (!hasLog) {
        c.outcome = Choice::LogUnusable;
        c.error = hasLog.error();
    } else if (!*hasLog) {
        c.outcome = Choice::LogMissing;
    } else {
        c.outcome = c.m_password.isEmpty() ? Choice::LoggedOn : Choice::PasswordAsked;
    }
    return c;
}

bool passwordAccepted(const Choice &choice, const QString &typed)
{
    return choice.outcome == Choice::PasswordAsked && choice.m_password == typed;
}

} // namespace logon

Location companyLocation(const Database &db)
{
    return db.location();
}

} // namespace pw
