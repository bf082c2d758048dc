#include "db/logtable.h"

#include "db/database.h"
#include "db/quoting.h"
#include "db/schema.h"

namespace pw {

namespace {

// The key and the four fields of a log's entries, date-times as text; the rest of the statement follows.
QString selectEntries(Database &db, const QString &quotedTable)
{
    return QStringLiteral("SELECT %1, Ename, %3, inoutfx, activity FROM %2")
        .arg(db.orderKey(), quotedTable, db.engine().dateTimeAsText(QStringLiteral("datetime")));
}

LogEntry entryOf(const QVariantList &row)
{
    LogEntry e;
    e.rowid = row[0].toLongLong();
    e.ename = row[1];
    e.datetime = row[2];
    e.inoutfx = row[3];
    e.activity = row[4];
    return e;
}

DbResult<std::optional<LogEntry>> firstEntryOf(Database &db, const QString &statement, const QVariantList &values = {})
{
    const auto rows = db.query(statement, values);
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return std::optional<LogEntry>();
    return std::optional<LogEntry>(entryOf(rows->rows.first()));
}

DbResult<std::optional<LogEntry>> oneEntry(Database &db, const QString &quotedTable, bool descending)
{
    return firstEntryOf(db, selectEntries(db, quotedTable)
                                + QStringLiteral(" ORDER BY %1%2 LIMIT 1")
                                      .arg(db.orderKey(), descending ? QStringLiteral(" DESC") : QString()));
}

// A column's stored bytes: null for a Null, never null otherwise (an empty text included).
QByteArrayView storedText(const RawRow &row, int column)
{
    // Only a value without bytes can be a Null: the engine is asked only then.
    const QByteArrayView text = row.text(column);
    if (!text.isEmpty())
        return text;
    return row.isNull(column) ? QByteArrayView() : QByteArrayView("", 0);
}

QVariant textOrNull(QByteArrayView text)
{
    if (text.isNull())
        return QVariant(QMetaType(QMetaType::QString));
    return QString::fromUtf8(text.data(), text.size());
}

} // namespace

DbResult<QString> LogTable::table()
{
    if (!m_stored) {
        auto stored = m_db.storedName(m_name);
        if (!stored)
            return stored.error();
        m_stored = *stored;
    }
    if (DbError e = m_db.lockForWrite(*m_stored))
        return e;
    return quoteIdentifier(*m_stored);
}

DbError LogTable::create()
{
    return m_db.exec(m_db.engine().createTable(quoteIdentifier(m_name), logFields()));
}

DbResult<qint64> LogTable::count()
{
    auto table = this->table();
    if (!table)
        return table.error();
    const auto rows = m_db.query(QStringLiteral("SELECT count(*) FROM %1").arg(*table));
    if (!rows)
        return rows.error();
    return rows->value(0, 0).toLongLong();
}

DbResult<std::optional<LogEntry>> LogTable::last()
{
    auto table = this->table();
    if (!table)
        return table.error();
    return oneEntry(m_db, *table, true);
}

DbResult<std::optional<LogEntry>> LogTable::entry(qint64 rowid)
{
    auto table = this->table();
    if (!table)
        return table.error();
    return firstEntryOf(m_db, selectEntries(m_db, *table) + QStringLiteral(" WHERE %1 = ?").arg(m_db.orderKey()), {rowid});
}

DbResult<std::optional<LogEntry>> LogTable::entryBefore(qint64 rowid)
{
    auto table = this->table();
    if (!table)
        return table.error();
    return firstEntryOf(m_db, selectEntries(m_db, *table) + QStringLiteral(" WHERE %1 < ? ORDER BY %1 DESC LIMIT 1").arg(m_db.orderKey()),
                        {rowid});
}

DbResult<std::optional<LogEntry>> LogTable::entryAfter(qint64 rowid)
{
    auto table = this->table();
    if (!table)
        return table.error();
    return firstEntryOf(m_db, selectEntries(m_db, *table) + QStringLiteral(" WHERE %1 > ? ORDER BY %1 LIMIT 1").arg(m_db.orderKey()),
                        {rowid});
}

DbResult<qint64> LogTable::position(qint64 rowid)
{
    auto table = this->table();
    if (!table)
        return table.error();
    const auto rows = m_db.query(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 <= ?").arg(*table, m_db.orderKey()), {rowid});
    if (!rows)
        return rows.error();
    return rows->value(0, 0).toLongLong();
}

DbError LogTable::forEachEntry(const std::function<void(const LogEntry &)> &visit)
{
    auto table = this->table();
    if (!table)
        return table.error();
    return m_db.forEachRow(selectEntries(m_db, *table) + QStringLiteral(" ORDER BY %1").arg(m_db.orderKey()), {},
                           [&](const QVariantList &row) -> DbError {
                               visit(entryOf(row));
                               return {};
                           });
}

DbResult<std::optional<LogEntry>> LogTable::first()
{
    auto table = this->table();
    if (!table)
        return table.error();
    return oneEntry(m_db, *table, false);
}

DbError LogTable::append(const QString &ename, const LocalDateTime &when, const QString &inoutfx, const QVariant &activity)
{
    auto table = this->table();
    if (!table)
        return table.error();
    return m_db.exec(QStringLiteral("INSERT INTO %1 (Ename, datetime, inoutfx, activity) VALUES (?, ?, ?, ?)").arg(*table),
                     {ename, when.toStored(), inoutfx,
                      activity.isValid() ? activity : QVariant(QMetaType(QMetaType::QString))});
}

DbError LogTable::deleteRow(qint64 rowid)
{
    auto table = this->table();
    if (!table)
        return table.error();
    return m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(*table, m_db.orderKey()), {rowid});
}

DbError LogTable::setDateTime(qint64 rowid, const LocalDateTime &when)
{
    auto table = this->table();
    if (!table)
        return table.error();
    return m_db.exec(QStringLiteral("UPDATE %1 SET datetime = ? WHERE %2 = ?").arg(*table, m_db.orderKey()),
                     {when.toStored(), rowid});
}

DbError LogTable::deleteRows(const QList<qint64> &rowids)
{
    if (rowids.isEmpty())
        return {};
    auto table = this->table();
    if (!table)
        return table.error();
    const QString statement = QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(*table, m_db.orderKey());
    for (qint64 rowid : rowids)
        if (DbError e = m_db.exec(statement, {rowid}))
            return e;
    return {};
}

DbError LogTable::deleteAll()
{
    auto table = this->table();
    if (!table)
        return table.error();
    return m_db.exec(QStringLiteral("DELETE FROM %1").arg(*table));
}

DbError LogTable::scanTimes(const std::function<void(std::optional<LocalDateTime>)> &visit)
{
    auto table = this->table();
    if (!table)
        return table.error();
    // The count walks whole logs: no QVariant or QString per row, just the stored bytes.
    return m_db.scan(QStringLiteral("SELECT %3 FROM %1 ORDER BY %2")
                         .arg(*table, m_db.orderKey(), m_db.engine().dateTimeAsText(QStringLiteral("datetime"))),
                     {}, [&](const RawRow &row) {
                         if (row.isNull(0)) {
                             visit(std::nullopt);
                         } else {
                             const QByteArrayView text = row.text(0);
                             visit(LocalDateTime::fromStored(text.data(), text.size()));
                         }
                     });
}

DbError LogTable::scanDatesAndTasks(const std::function<void(const QVariant &, const QVariant &)> &visit)
{
    return scanStoredDatesAndTasks(
        [&](QByteArrayView datetime, QByteArrayView activity) { visit(textOrNull(datetime), textOrNull(activity)); });
}

DbError LogTable::scanEntries(const std::function<void(const RawRow &)> &visit)
{
    auto table = this->table();
    if (!table)
        return table.error();
    return m_db.scan(QStringLiteral("SELECT Ename, %3, inoutfx, activity FROM %1 ORDER BY %2")
                         .arg(*table, m_db.orderKey(), m_db.engine().dateTimeAsText(QStringLiteral("datetime"))),
                     {}, visit);
}

DbError LogTable::scanStoredDatesAndTasks(const std::function<void(QByteArrayView, QByteArrayView)> &visit)
{
    auto table = this->table();
    if (!table)
        return table.error();
    return m_db.scan(QStringLiteral("SELECT %3, activity FROM %1 ORDER BY %2")
                         .arg(*table, m_db.orderKey(), m_db.engine().dateTimeAsText(QStringLiteral("datetime"))),
                     {}, [&](const RawRow &row) { visit(storedText(row, 0), storedText(row, 1)); });
}

DbResult<QList<qint64>> LogTable::keysDatedBefore(const LocalDateTime &ending)
{
    auto table = this->table();
    if (!table)
        return table.error();
    QList<qint64> keys;
    const DbError e = m_db.scan(QStringLiteral("SELECT %2, %3 FROM %1 ORDER BY %2")
                                    .arg(*table, m_db.orderKey(), m_db.engine().dateTimeAsText(QStringLiteral("datetime"))),
                                {}, [&](const RawRow &row) {
                                    if (row.isNull(1))
                                        return;
                                    const QByteArrayView text = row.text(1);
                                    const auto when = LocalDateTime::fromStored(text.data(), text.size());
                                    if (when && *when < ending)
                                        keys.append(row.integer(0));
                                });
    if (e)
        return e;
    return keys;
}

DbResult<QStringList> LogTable::fields()
{
    return m_db.fieldsOf(m_name);
}

DbResult<QList<QVariantList>> LogTable::rows(const QStringList &fields, qint64 offset, int limit)
{
    auto table = this->table();
    if (!table)
        return table.error();
    // The fields as the engine reads them for a window: date-times as text, its own columns never.
    auto select = m_db.selectList(*m_stored, fields);
    if (!select)
        return select.error();
    auto rows = m_db.query(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3 LIMIT ? OFFSET ?").arg(*select, *table, m_db.orderKey()),
                           {limit, offset});
    if (!rows)
        return rows.error();
    return rows->rows;
}

} // namespace pw
