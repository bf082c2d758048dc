#include "reports/clearing.h"

#include "db/database.h"
#include "db/logtable.h"
#include "db/quoting.h"

#include <sqlite3.h>

#include <vector>

namespace pw::clearing {

namespace {

DbError sqliteError(sqlite3 *handle, int rc)
{
    return DbError::fromSqlite(rc, QString::fromUtf8(sqlite3_errmsg(handle)));
}

// The rowids of the entries dated before the ending date-time. Each stored date-time is read as a
// date-time (not compared as text), so every form the reader takes compares correctly.
DbResult<std::vector<qint64>> datedBefore(Database &db, const QString &table, const LocalDateTime &ending)
{
    sqlite3 *handle = db.handle();
    if (!handle)
        return DbError::make(ErrGeneral, QStringLiteral("the database is not open"));
    const QByteArray sql = QStringLiteral("SELECT rowid, datetime FROM %1 ORDER BY rowid").arg(quoteIdentifier(table)).toUtf8();
    sqlite3_stmt *st = nullptr;
    int rc = sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &st, nullptr);
    if (rc != SQLITE_OK) {
        const DbError e = sqliteError(handle, rc);
        sqlite3_finalize(st);
        return e;
    }
    std::vector<qint64> rowids;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        if (sqlite3_column_type(st, 1) == SQLITE_NULL)
            continue;
        const auto when = LocalDateTime::fromStored(reinterpret_cast<const char *>(sqlite3_column_text(st, 1)),
                                                    sqlite3_column_bytes(st, 1));
        if (when && *when < ending)
            rowids.push_back(sqlite3_column_int64(st, 0));
    }
    const DbError e = rc == SQLITE_DONE ? DbError{} : sqliteError(handle, rc);
    sqlite3_finalize(st);
    if (e)
        return e;
    return rowids;
}

DbError deleteRows(Database &db, const QString &table, const std::vector<qint64> &rowids)
{
    if (rowids.empty())
        return {};
    sqlite3 *handle = db.handle();
    const QByteArray sql = QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(table)).toUtf8();
    sqlite3_stmt *st = nullptr;
    int rc = sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &st, nullptr);
    DbError e;
    if (rc != SQLITE_OK)
        e = sqliteError(handle, rc);
    for (size_t i = 0; !e && i < rowids.size(); ++i) {
        sqlite3_bind_int64(st, 1, rowids[i]);
        rc = sqlite3_step(st);
        if (rc != SQLITE_DONE)
            e = sqliteError(handle, rc);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    return e;
}

} // namespace

DbResult<Cleared> clearBefore(Database &db, const QString &table, const LocalDateTime &ending)
{
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    auto dated = datedBefore(db, table, ending);
    if (!dated)
        return dated.error();
    if (DbError e = deleteRows(db, table, *dated))
        return e;
    Cleared cleared;
    cleared.dated = qint64(dated->size());

    // The clock-out of a shift whose clock-in went by date would now open the log: it goes too.
    // Only the first entry is looked at.
    LogTable log(db, table);
    auto first = log.first();
    if (!first)
        return first.error();
    if (first->has_value() && !(*first)->inoutfx.isNull() && (*first)->status() == kClockedOut) {
        if (DbError e = log.deleteRow((*first)->rowid))
            return e;
        cleared.leadingClockOut = true;
    }
    if (DbError e = t.commit())
        return e;
    return cleared;
}

DbResult<qint64> clearAll(Database &db, const QString &table)
{
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    LogTable log(db, table);
    auto count = log.count();
    if (!count)
        return count.error();
    if (DbError e = log.deleteAll())
        return e;
    if (DbError e = t.commit())
        return e;
    return *count;
}

} // namespace pw::clearing
