#include "db/employeelist.h"

#include "db/database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace pw {

DbResult<QStringList> EmployeeList::names()
{
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Ename FROM datalist ORDER BY rowid")))
        return DbError::fromSql(q.lastError());
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    if (q.lastError().type() != QSqlError::NoError)
        return DbError::fromSql(q.lastError());
    return names;
}

DbResult<std::optional<Employee>> EmployeeList::find(const QString &name)
{
    // "=" on text compares byte for byte: case, blanks and every character count.
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT rowid, Ename, Ewage, Ecomment, epass FROM datalist "
                                  "WHERE Ename = ? ORDER BY rowid LIMIT 1")))
        return DbError::fromSql(q.lastError());
    q.addBindValue(name);
    if (!q.exec())
        return DbError::fromSql(q.lastError());
    if (!q.next()) {
        if (q.lastError().type() != QSqlError::NoError)
            return DbError::fromSql(q.lastError());
        return std::optional<Employee>();
    }
    Employee e;
    e.rowid = q.value(0).toLongLong();
    e.name = q.value(1).toString();
    e.wage = q.value(2);
    e.comment = q.value(3);
    e.password = q.value(4);
    return std::optional<Employee>(e);
}

} // namespace pw
