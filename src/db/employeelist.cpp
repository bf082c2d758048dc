#include "db/employeelist.h"

#include "db/database.h"
#include "db/quoting.h"

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

DbError EmployeeList::append(const QString &name, const QString &wage, const QString &password,
                             const QString &comment)
{
    return m_db.exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage, epass, Ecomment) VALUES (?, ?, ?, ?)"),
                     {name, wage, password, comment});
}

DbResult<bool> EmployeeList::setPassword(const QString &name, const QString &password)
{
    QSqlQuery q = m_db.query();
    if (!q.prepare(QStringLiteral("UPDATE datalist SET epass = ? WHERE rowid = "
                                  "(SELECT rowid FROM datalist WHERE Ename = ? ORDER BY rowid LIMIT 1)")))
        return DbError::fromSql(q.lastError());
    q.addBindValue(password);
    q.addBindValue(name);
    if (!q.exec())
        return DbError::fromSql(q.lastError());
    return q.numRowsAffected() > 0;
}

DbResult<int> EmployeeList::remove(const QString &name)
{
    QSqlQuery q = m_db.query();
    if (!q.prepare(QStringLiteral("DELETE FROM datalist WHERE Ename = ?")))
        return DbError::fromSql(q.lastError());
    q.addBindValue(name);
    if (!q.exec())
        return DbError::fromSql(q.lastError());
    return q.numRowsAffected();
}

namespace {

// The answer of a query that yields one true-or-false value.
DbResult<bool> yesNo(QSqlQuery &q)
{
    if (!q.exec() || !q.next())
        return DbError::fromSql(q.lastError());
    return q.value(0).toBool();
}

} // namespace

DbResult<bool> EmployeeList::sharesLogWithOthers(const QString &name)
{
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT EXISTS (SELECT 1 FROM datalist WHERE Ename = ? COLLATE NOCASE "
                                  "AND Ename <> ?)")))
        return DbError::fromSql(q.lastError());
    q.addBindValue(name);
    q.addBindValue(name);
    return yesNo(q);
}

DbResult<bool> EmployeeList::isLogTable(const QString &name)
{
    // pragma_table_info finds the table as SQLite does, letter case aside; no table, no fields.
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid")))
        return DbError::fromSql(q.lastError());
    q.addBindValue(name);
    if (!q.exec())
        return DbError::fromSql(q.lastError());
    QStringList fields;
    while (q.next())
        fields << q.value(0).toString().toLower();
    if (q.lastError().type() != QSqlError::NoError)
        return DbError::fromSql(q.lastError());
    return fields == QStringList{QStringLiteral("ename"), QStringLiteral("datetime"), QStringLiteral("inoutfx"),
                                 QStringLiteral("activity")};
}

DbResult<EmployeeList::LogName> EmployeeList::logNameUse(const QString &name)
{
    // SQLite keeps tables, indexes, views and triggers in one name space, and matches names with
    // ASCII letter case aside: COLLATE NOCASE is that rule.
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT type, name FROM sqlite_master WHERE name = ? COLLATE NOCASE")))
        return DbError::fromSql(q.lastError());
    q.addBindValue(name);
    if (!q.exec())
        return DbError::fromSql(q.lastError());
    QStringList types;
    QString table;
    while (q.next()) {
        types << q.value(0).toString();
        table = q.value(1).toString();
    }
    if (q.lastError().type() != QSqlError::NoError)
        return DbError::fromSql(q.lastError());
    if (types.isEmpty())
        return LogName::Free;
    if (types != QStringList{QStringLiteral("table")})
        return LogName::Taken;

    auto isLog = isLogTable(table);
    if (!isLog)
        return isLog.error();
    if (!*isLog)
        return LogName::Taken;

    // No rows, and nobody listed who would open it.
    if (!q.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(quoteIdentifier(table))) || !q.next())
        return DbError::fromSql(q.lastError());
    if (q.value(0).toBool())
        return LogName::Taken;
    if (!q.prepare(QStringLiteral("SELECT EXISTS (SELECT 1 FROM datalist WHERE Ename = ? COLLATE NOCASE)")))
        return DbError::fromSql(q.lastError());
    q.addBindValue(table);
    auto used = yesNo(q);
    if (!used)
        return used.error();
    return *used ? LogName::Taken : LogName::KeptLog;
}

} // namespace pw
