#include "db/recordset.h"

#include "db/database.h"
#include "db/quoting.h"

namespace pw {

RecordSet::RecordSet(Database &db, QObject *parent) : QObject(parent), m_db(db) {}

void RecordSet::setRecordSource(const QString &table)
{
    m_table = table;
    m_stored.clear();
    m_select.clear();
    setClosed();
}

DbError RecordSet::resolve()
{
    auto stored = m_db.storedName(m_table);
    if (!stored)
        return stored.error();
    auto select = m_db.selectList(*stored, {});
    if (!select)
        return select.error();
    m_stored = *stored;
    m_select = *select;
    return {};
}

void RecordSet::setClosed()
{
    const bool had = m_state != State::Closed;
    m_state = State::Closed;
    m_rowid = -1;
    m_fields.clear();
    m_values.clear();
    if (had)
        Q_EMIT currentChanged();
}

DbError RecordSet::fetchOne(const QString &where, bool descending, const QVariantList &values, State whenNone)
{
    if (m_select.isEmpty()) {
        if (DbError e = resolve()) {
            setClosed();
            return e;
        }
    }
    const QString key = m_db.orderKey();
    const QString sql = QStringLiteral("SELECT %4, %5 FROM %1%2 ORDER BY %4%3 LIMIT 1")
                            .arg(quoteIdentifier(m_stored), where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where,
                                 descending ? QStringLiteral(" DESC") : QString(), key, m_select);
    const auto rows = m_db.query(sql, values);
    if (!rows) {
        setClosed();
        return rows.error();
    }
    const bool found = !rows->isEmpty();
    // The field names stay known on an empty view (an empty row of the table's shape). The
    // engine's own columns are left out.
    const QStringList hidden = m_db.engine().hiddenColumns();
    m_fields.clear();
    m_values.clear();
    for (int i = 1; i < int(rows->columns.size()); ++i) {
        if (hidden.contains(rows->columns.at(i), Qt::CaseInsensitive))
            continue;
        m_fields << rows->columns.at(i);
        m_values << (found ? rows->value(0, i) : QVariant());
    }
    if (found) {
        m_rowid = rows->value(0, 0).toLongLong();
        m_state = State::Current;
    } else {
        m_state = whenNone;
    }
    Q_EMIT currentChanged();
    return {};
}

DbError RecordSet::refresh()
{
    m_select.clear();
    return fetchOne(QString(), false, {}, State::Eof);
}

DbError RecordSet::moveFirst()
{
    if (m_state == State::Current)
        Q_EMIT aboutToLeaveRow();
    return fetchOne(QString(), false, {}, State::Eof);
}

DbError RecordSet::moveLast()
{
    if (m_state == State::Current)
        Q_EMIT aboutToLeaveRow();
    return fetchOne(QString(), true, {}, State::Eof);
}

DbError RecordSet::moveNext()
{
    switch (m_state) {
    case State::Closed:
        return DbError::of(DbReason::ViewNotOpen);
    case State::Eof:
        return {};
    case State::Bof:
        return fetchOne(QString(), false, {}, State::Eof);
    case State::Current:
        Q_EMIT aboutToLeaveRow();
        [[fallthrough]];
    case State::Deleted:
        return fetchOne(m_db.orderKey() + QStringLiteral(" > ?"), false, {m_rowid}, State::Eof);
    }
    return {};
}

DbError RecordSet::movePrevious()
{
    switch (m_state) {
    case State::Closed:
        return DbError::of(DbReason::ViewNotOpen);
    case State::Bof:
        return {};
    case State::Eof:
        return fetchOne(QString(), true, {}, State::Bof);
    case State::Current:
        Q_EMIT aboutToLeaveRow();
        [[fallthrough]];
    case State::Deleted:
        return fetchOne(m_db.orderKey() + QStringLiteral(" < ?"), true, {m_rowid}, State::Bof);
    }
    return {};
}

QVariant RecordSet::field(const QString &name) const
{
    if (m_state != State::Current)
        return {};
    const int i = indexOf(name);
    return i < 0 ? QVariant() : m_values.at(i);
}

int RecordSet::indexOf(const QString &name) const
{
    for (int i = 0; i < int(m_fields.size()); ++i)
        if (m_fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

DbError RecordSet::setFields(const Fields &fields)
{
    if (m_state != State::Current)
        return DbError::of(DbReason::NoCurrentRecord);
    if (fields.empty())
        return {};
    QStringList assignments;
    std::vector<int> indexes;
    for (const auto &f : fields) {
        const int index = indexOf(f.first);
        if (index < 0)
            return DbError::of(DbReason::NoSuchField).inField(f.first);
        assignments << QStringLiteral("%1 = ?").arg(quoteIdentifier(m_fields.at(index)));
        indexes.push_back(index);
    }
    QVariantList values;
    for (const auto &f : fields)
        values << f.second;
    values << m_rowid;
    if (DbError e = m_db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                  .arg(quoteIdentifier(m_stored), assignments.join(QStringLiteral(", ")), m_db.orderKey()),
                              values))
        return e;
    for (size_t i = 0; i < indexes.size(); ++i)
        m_values[indexes[i]] = fields[i].second;
    Q_EMIT currentChanged();
    return {};
}

void RecordSet::noteStored(const Fields &fields)
{
    if (m_state != State::Current)
        return;
    for (const auto &f : fields)
        if (const int index = indexOf(f.first); index >= 0)
            m_values[index] = f.second;
    Q_EMIT currentChanged();
}

DbError RecordSet::deleteCurrent()
{
    if (m_state != State::Current)
        return DbError::of(DbReason::NoCurrentRecord);
    if (DbError e = m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quoteIdentifier(m_stored), m_db.orderKey()),
                              {m_rowid}))
        return e;
    m_state = State::Deleted;
    for (QVariant &v : m_values)
        v = QVariant();
    Q_EMIT currentChanged();
    return {};
}

} // namespace pw
