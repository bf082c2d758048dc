#include "db/logtable.h"

#include "db/database.h"
#include "db/quoting.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

namespace pw {

namespace {

DbResult<std::optional<LogEntry>> oneEntry(Database &db, const QString &table, bool descending)
{
    QSqlQuery q = db.query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT rowid, Ename, datetime, inoutfx, activity FROM %1 ORDER BY rowid%2 LIMIT 1")
                    .arg(quoteIdentifier(table), descending ? QStringLiteral(" DESC") : QString())))
        return DbError::fromSql(q.lastError());
    if (!q.next()) {
        if (q.lastError().type() != QSqlError::NoError)
            return DbError::fromSql(q.lastError());
        return std::optional<LogEntry>();
    }
    LogEntry e;
    e.rowid = q.value(0).toLongLong();
    e.ename = q.value(1);
    e.datetime = q.value(2);
    e.inoutfx = q.value(3);
    e.activity = q.value(4);
    return std::optional<LogEntry>(e);
}

} // namespace

DbResult<bool> LogTable::exists()
{
    return m_db.tableExists(m_name);
}

DbError LogTable::create()
{
    return m_db.exec(QStringLiteral("CREATE TABLE %1 (Ename VARCHAR(20), datetime DATETIME, inoutfx VARCHAR(11), "
                                    "activity VARCHAR(30))")
                         .arg(quoteIdentifier(m_name)));
}

DbResult<qint64> LogTable::count()
{
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quoteIdentifier(m_name))) || !q.next())
        return DbError::fromSql(q.lastError());
    return q.value(0).toLongLong();
}

DbResult<std::optional<LogEntry>> LogTable::last()
{
    return oneEntry(m_db, m_name, true);
}

DbResult<std::optional<LogEntry>> LogTable::first()
{
    return oneEntry(m_db, m_name, false);
}

DbError LogTable::append(const QString &ename, const LocalDateTime &when, const QString &inoutfx, const QVariant &activity)
{
    QSqlQuery q = m_db.query();
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (Ename, datetime, inoutfx, activity) VALUES (?, ?, ?, ?)")
                       .arg(quoteIdentifier(m_name))))
        return DbError::fromSql(q.lastError());
    q.addBindValue(ename);
    q.addBindValue(when.toStored());
    q.addBindValue(inoutfx);
    q.addBindValue(activity.isValid() ? activity : QVariant(QMetaType(QMetaType::QString)));
    if (!q.exec())
        return DbError::fromSql(q.lastError());
    return {};
}

DbError LogTable::deleteRow(qint64 rowid)
{
    return m_db.exec(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(m_name)), {rowid});
}

DbError LogTable::deleteAll()
{
    return m_db.exec(QStringLiteral("DELETE FROM %1").arg(quoteIdentifier(m_name)));
}

DbError LogTable::scanTimes(const std::function<void(std::optional<LocalDateTime>)> &visit)
{
    // The count walks whole logs, so it reads through SQLite directly: no QVariant or QString per
    // row, just the stored bytes of the date-time.
    sqlite3 *db = m_db.handle();
    if (!db)
        return DbError::make(ErrGeneral, QStringLiteral("the database is not open"));
    const QByteArray sql = QStringLiteral("SELECT datetime FROM %1 ORDER BY rowid").arg(quoteIdentifier(m_name)).toUtf8();
    sqlite3_stmt *st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr);
    if (rc != SQLITE_OK) {
        const DbError e = DbError::fromSqlite(rc, QString::fromUtf8(sqlite3_errmsg(db)));
        sqlite3_finalize(st);
        return e;
    }
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        if (sqlite3_column_type(st, 0) == SQLITE_NULL) {
            visit(std::nullopt);
        } else {
            const char *text = reinterpret_cast<const char *>(sqlite3_column_text(st, 0));
            visit(LocalDateTime::fromStored(text, sqlite3_column_bytes(st, 0)));
        }
    }
    const DbError e = rc == SQLITE_DONE ? DbError{} : DbError::fromSqlite(rc, QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_finalize(st);
    return e;
}

} // namespace pw
