#include "db/logtable.h"

#include "db/database.h"
#include "db/quoting.h"

#include <QSqlError>
#include <QSqlQuery>

namespace pw {

namespace {

DbResult<std::optional<LogEntry>> oneEntry(Database &db, const QString &table, bool descending)
{
    QSqlQuery q = db.query();
    q.setForwardOnly(true);
    const QString key = db.orderKey();
    if (!q.exec(QStringLiteral("SELECT %1, Ename, datetime, inoutfx, activity FROM %2 ORDER BY %1%3 LIMIT 1")
                    .arg(key, quoteIdentifier(table), descending ? QStringLiteral(" DESC") : QString())))
        return db.error(q);
    if (!q.next()) {
        if (q.lastError().type() != QSqlError::NoError)
            return db.error(q);
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

QVariant textOrNull(const RawRow &row, int column)
{
    if (row.isNull(column))
        return QVariant(QMetaType(QMetaType::QString));
    const QByteArrayView text = row.text(column);
    return QString::fromUtf8(text.data(), text.size());
}

} // namespace

DbError LogTable::create()
{
    return m_db.exec(m_db.engine().createLogTable(quoteIdentifier(m_name)));
}

DbResult<qint64> LogTable::count()
{
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quoteIdentifier(m_name))) || !q.next())
        return m_db.error(q);
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
    return m_db.exec(QStringLiteral("INSERT INTO %1 (Ename, datetime, inoutfx, activity) VALUES (?, ?, ?, ?)")
                         .arg(quoteIdentifier(m_name)),
                     {ename, when.toStored(), inoutfx,
                      activity.isValid() ? activity : QVariant(QMetaType(QMetaType::QString))});
}

DbError LogTable::deleteRow(qint64 rowid)
{
    return m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quoteIdentifier(m_name), m_db.orderKey()), {rowid});
}

DbError LogTable::deleteRows(const QList<qint64> &rowids)
{
    if (rowids.isEmpty())
        return {};
    QSqlQuery q = m_db.query();
    if (!q.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quoteIdentifier(m_name), m_db.orderKey())))
        return m_db.error(q);
    for (qint64 rowid : rowids) {
        q.bindValue(0, rowid);
        if (!q.exec())
            return m_db.error(q);
    }
    return {};
}

DbError LogTable::deleteAll()
{
    return m_db.exec(QStringLiteral("DELETE FROM %1").arg(quoteIdentifier(m_name)));
}

DbError LogTable::scanTimes(const std::function<void(std::optional<LocalDateTime>)> &visit)
{
    // The count walks whole logs: no QVariant or QString per row, just the stored bytes.
    return m_db.scan(QStringLiteral("SELECT datetime FROM %1 ORDER BY %2").arg(quoteIdentifier(m_name), m_db.orderKey()),
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
    return m_db.scan(QStringLiteral("SELECT datetime, activity FROM %1 ORDER BY %2")
                         .arg(quoteIdentifier(m_name), m_db.orderKey()),
                     {}, [&](const RawRow &row) { visit(textOrNull(row, 0), textOrNull(row, 1)); });
}

DbResult<QList<qint64>> LogTable::keysDatedBefore(const LocalDateTime &ending)
{
    QList<qint64> keys;
    const DbError e = m_db.scan(QStringLiteral("SELECT %2, datetime FROM %1 ORDER BY %2")
                                    .arg(quoteIdentifier(m_name), m_db.orderKey()),
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
    QStringList quoted;
    for (const QString &f : fields)
        quoted << quoteIdentifier(f);
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3 LIMIT ? OFFSET ?")
                       .arg(quoted.join(QStringLiteral(", ")), quoteIdentifier(m_name), m_db.orderKey())))
        return m_db.error(q);
    q.addBindValue(limit);
    q.addBindValue(offset);
    if (!q.exec())
        return m_db.error(q);
    QList<QVariantList> out;
    while (q.next()) {
        QVariantList row;
        row.reserve(fields.size());
        for (int c = 0; c < int(fields.size()); ++c)
            row << q.value(c);
        out << row;
    }
    if (q.lastError().type() != QSqlError::NoError)
        return m_db.error(q);
    return out;
}

} // namespace pw
