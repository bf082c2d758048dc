#include "db/employeelist.h"

#include "db/database.h"
#include "db/quoting.h"
#include "db/schema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace pw {

DbError EmployeeList::lock()
{
    return m_db.lockForWrite(kEmployeeListTable);
}

DbResult<QStringList> EmployeeList::names()
{
    if (DbError e = lock())
        return e;
    return m_db.texts(QStringLiteral("SELECT Ename FROM datalist ORDER BY %1").arg(m_db.orderKey()));
}

DbResult<std::optional<Employee>> EmployeeList::find(const QString &name)
{
    // "=" on text compares byte for byte: case, blanks and every character count.
    if (DbError e = lock())
        return e;
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT %1, Ename, Ewage, Ecomment, epass FROM datalist "
                                  "WHERE Ename = ? ORDER BY %1 LIMIT 1").arg(m_db.orderKey())))
        return m_db.error(q);
    q.addBindValue(name);
    if (!q.exec())
        return m_db.error(q);
    if (!q.next()) {
        if (q.lastError().type() != QSqlError::NoError)
            return m_db.error(q);
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

DbError EmployeeList::append(const QString &name, const QString &wage, const QString &password,
                             const QString &comment)
{
    if (DbError e = lock())
        return e;
    return m_db.exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage, epass, Ecomment) VALUES (?, ?, ?, ?)"),
                     {name, wage, password, comment});
}

DbResult<bool> EmployeeList::setPassword(const QString &name, const QString &password)
{
    if (DbError e = lock())
        return e;
    QSqlQuery q = m_db.query();
    if (!q.prepare(QStringLiteral("UPDATE datalist SET epass = ? WHERE %1 = "
                                  "(SELECT %1 FROM datalist WHERE Ename = ? ORDER BY %1 LIMIT 1)").arg(m_db.orderKey())))
        return m_db.error(q);
    q.addBindValue(password);
    q.addBindValue(name);
    if (!q.exec())
        return m_db.error(q);
    return q.numRowsAffected() > 0;
}

DbError EmployeeList::setDetails(qint64 rowid, const std::optional<QString> &wage, const std::optional<QString> &comment)
{
    QStringList assignments;
    QVariantList values;
    if (wage) {
        assignments << QStringLiteral("Ewage = ?");
        values << *wage;
    }
    if (comment) {
        assignments << QStringLiteral("Ecomment = ?");
        values << *comment;
    }
    if (assignments.isEmpty())
        return {};
    if (DbError e = lock())
        return e;
    values << rowid;
    return m_db.exec(QStringLiteral("UPDATE datalist SET %1 WHERE %2 = ?").arg(assignments.join(QStringLiteral(", ")),
                                                                               m_db.orderKey()),
                     values);
}

DbResult<int> EmployeeList::remove(const QString &name)
{
    if (DbError e = lock())
        return e;
    QSqlQuery q = m_db.query();
    if (!q.prepare(QStringLiteral("DELETE FROM datalist WHERE Ename = ?")))
        return m_db.error(q);
    q.addBindValue(name);
    if (!q.exec())
        return m_db.error(q);
    return q.numRowsAffected();
}

namespace {

// The answer of a query that yields one true-or-false value.
DbResult<bool> yesNo(Database &db, QSqlQuery &q)
{
    if (!q.exec() || !q.next())
        return db.error(q);
    return q.value(0).toBool();
}

} // namespace

DbResult<bool> EmployeeList::sharesLogWithOthers(const QString &name)
{
    if (DbError e = lock())
        return e;
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT EXISTS (SELECT 1 FROM datalist WHERE %1 AND Ename <> ?)")
                       .arg(m_db.engine().sameNameAs(QStringLiteral("Ename")))))
        return m_db.error(q);
    q.addBindValue(name);
    q.addBindValue(name);
    return yesNo(m_db, q);
}

DbResult<bool> EmployeeList::isLogTable(const QString &name)
{
    auto fields = m_db.fieldsOf(name);
    if (!fields)
        return fields.error();
    QStringList lower;
    for (const QString &f : *fields)
        lower << f.toLower();
    return lower == QStringList{QStringLiteral("ename"), QStringLiteral("datetime"), QStringLiteral("inoutfx"),
                                QStringLiteral("activity")};
}

DbResult<EmployeeList::LogName> EmployeeList::logNameUse(const QString &name)
{
    if (DbError e = lock())
        return e;
    auto objects = m_db.engine().objectsNamed(m_db, name);
    if (!objects)
        return objects.error();
    if (objects->isEmpty())
        return LogName::Free;
    if (objects->size() != 1 || objects->first().type != QLatin1String("table"))
        return LogName::Taken;
    const QString table = objects->first().name;

    auto isLog = isLogTable(table);
    if (!isLog)
        return isLog.error();
    if (!*isLog)
        return LogName::Taken;

    // No rows, and nobody listed who would open it.
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(quoteIdentifier(table))) || !q.next())
        return m_db.error(q);
    if (q.value(0).toBool())
        return LogName::Taken;
    if (!q.prepare(QStringLiteral("SELECT EXISTS (SELECT 1 FROM datalist WHERE %1)")
                       .arg(m_db.engine().sameNameAs(QStringLiteral("Ename")))))
        return m_db.error(q);
    q.addBindValue(table);
    auto used = yesNo(m_db, q);
    if (!used)
        return used.error();
    return *used ? LogName::Taken : LogName::KeptLog;
}

} // namespace pw
