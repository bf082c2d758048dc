#include "db/employeelist.h"

#include "db/database.h"
#include "db/quoting.h"
#include "db/schema.h"

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
    return firstWhere(QStringLiteral("Ename = ?"), name);
}

DbResult<std::optional<Employee>> EmployeeList::at(qint64 rowid)
{
    return firstWhere(m_db.orderKey() + QStringLiteral(" = ?"), rowid);
}

namespace {

Employee employeeOf(const QVariantList &row)
{
    Employee e;
    e.rowid = row[0].toLongLong();
    e.name = row[1].toString();
    e.wage = row[2];
    e.comment = row[3];
    e.password = row[4];
    return e;
}

} // namespace

DbResult<QList<Employee>> EmployeeList::all()
{
    if (DbError e = lock())
        return e;
    const auto rows = m_db.query(QStringLiteral("SELECT %1, Ename, Ewage, Ecomment, epass FROM datalist ORDER BY %1")
                                     .arg(m_db.orderKey()));
    if (!rows)
        return rows.error();
    QList<Employee> all;
    for (const QVariantList &row : rows->rows)
        all << employeeOf(row);
    return all;
}

DbResult<std::optional<Employee>> EmployeeList::firstWhere(const QString &condition, const QVariant &value)
{
    if (DbError e = lock())
        return e;
    const auto rows = m_db.query(QStringLiteral("SELECT %1, Ename, Ewage, Ecomment, epass FROM datalist "
                                                "WHERE %2 ORDER BY %1 LIMIT 1").arg(m_db.orderKey(), condition),
                                 {value});
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return std::optional<Employee>();
    return std::optional<Employee>(employeeOf(rows->rows.first()));
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
    const auto done = m_db.query(QStringLiteral("UPDATE datalist SET epass = ? WHERE %1 = "
                                                "(SELECT %1 FROM datalist WHERE Ename = ? ORDER BY %1 LIMIT 1)").arg(m_db.orderKey()),
                                 {password, name});
    if (!done)
        return done.error();
    return done->changed > 0;
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
    const auto done = m_db.query(QStringLiteral("DELETE FROM datalist WHERE Ename = ?"), {name});
    if (!done)
        return done.error();
    return int(done->changed);
}

namespace {

// The answer of a query that yields one true-or-false value.
DbResult<bool> yesNo(Database &db, const QString &statement, const QVariantList &values = {})
{
    const auto rows = db.query(statement, values);
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return DbError::of(DbReason::EngineError);
    return rows->value(0, 0).toBool();
}

} // namespace

DbResult<bool> EmployeeList::sharesLogWithOthers(const QString &name)
{
    if (DbError e = lock())
        return e;
    return yesNo(m_db,
                 QStringLiteral("SELECT EXISTS (SELECT 1 FROM datalist WHERE %1 AND Ename <> ?)")
                     .arg(m_db.engine().sameNameAs(QStringLiteral("Ename"))),
                 {name, name});
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
    auto objects = m_db.objectsNamed(name);
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
    auto filled = yesNo(m_db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(quoteIdentifier(table)));
    if (!filled)
        return filled.error();
    if (*filled)
        return LogName::Taken;
    auto used = yesNo(m_db,
                      QStringLiteral("SELECT EXISTS (SELECT 1 FROM datalist WHERE %1)")
                          .arg(m_db.engine().sameNameAs(QStringLiteral("Ename"))),
                      {table});
    if (!used)
        return used.error();
    return *used ? LogName::Taken : LogName::KeptLog;
}

} // namespace pw
