#include "db/logtable.h"

#include "db/database.h"
#include "db/quoting.h"
#include "db/schema.h"

namespace pw {

namespace {

DbResult<std::optional<LogEntry>> oneEntry(Database &db, const QString &quotedTable, bool descending)
{
    const QString key = db.orderKey();
    const auto rows = db.query(QStringLiteral("SELECT %1, Ename, %4, inoutfx, activity FROM %2 ORDER BY %1%3 LIMIT 1")
                                   .arg(key, quotedTable, descending ? QStringLiteral(" DESC") : QString(),
                                        db.engine().dateTimeAsText(QStringLiteral("datetime"))));
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return std::optional<LogEntry>();
    const QVariantList &row = rows->rows.first();
    LogEntry e;
    e.rowid = row[0].toLongLong();
    e.ename = row[1];
    e.datetime = row[2];
    e.inoutfx = row[3];
    e.activity = row[4];
    return std::optional<LogEntry>(e);
}

QVariant textOrNull(const RawRow &row, int column)
{
    if (row.isNull(column))
        return QVariant(QMetaType(QMetaType::QString));
    const QByteArrayView text = row.text(column);
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
    auto table = this->table();
    if (!table)
        return table.error();
    return m_db.scan(QStringLiteral("SELECT %3, activity FROM %1 ORDER BY %2")
                         .arg(*table, m_db.orderKey(), m_db.engine().dateTimeAsText(QStringLiteral("datetime"))),
                     {}, [&](const RawRow &row) { visit(textOrNull(row, 0), textOrNull(row, 1)); });
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
