#include "db/recordset.h"

#include "db/database.h"
#include "db/quoting.h"

#include <QSqlError>
#include <QSqlQuery>

namespace pw {

RecordSet::RecordSet(Database &db, QObject *parent) : QObject(parent), m_db(db) {}

void RecordSet::setRecordSource(const QString &table)
{
    m_table = table;
    setClosed();
}

void RecordSet::setClosed()
{
    const bool had = m_state != State::Closed;
    m_state = State::Closed;
    m_rowid = -1;
    m_record = QSqlRecord();
    if (had)
        Q_EMIT currentChanged();
}

void RecordSet::close()
{
    setClosed();
}

DbError RecordSet::fetchOne(const QString &where, bool descending, const QVariantList &values, State whenNone)
{
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT rowid, * FROM %1%2 ORDER BY rowid%3 LIMIT 1")
                            .arg(quoteIdentifier(m_table), where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where,
                                 descending ? QStringLiteral(" DESC") : QString());
    if (!q.prepare(sql)) {
        const DbError e = DbError::fromSql(q.lastError());
        setClosed();
        return e;
    }
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        const DbError e = DbError::fromSql(q.lastError());
        setClosed();
        return e;
    }
    if (q.next()) {
        QSqlRecord rec = q.record();
        m_rowid = rec.value(0).toLongLong();
        rec.remove(0);
        m_record = rec;
        m_state = State::Current;
    } else {
        if (q.lastError().type() != QSqlError::NoError) {
            const DbError e = DbError::fromSql(q.lastError());
            setClosed();
            return e;
        }
        // Keep the field names (an empty row of the table's shape) so hasField() still answers.
        m_record = q.record();
        if (!m_record.isEmpty())
            m_record.remove(0);
        m_record.clearValues();
        m_state = whenNone;
    }
    Q_EMIT currentChanged();
    return {};
}

DbError RecordSet::refresh()
{
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
        return DbError::make(ErrGeneral, QStringLiteral("the view is not open"));
    case State::Eof:
        return {};
    case State::Bof:
        return fetchOne(QString(), false, {}, State::Eof);
    case State::Current:
        Q_EMIT aboutToLeaveRow();
        [[fallthrough]];
    case State::Deleted:
        return fetchOne(QStringLiteral("rowid > ?"), false, {m_rowid}, State::Eof);
    }
    return {};
}

DbError RecordSet::movePrevious()
{
    switch (m_state) {
    case State::Closed:
        return DbError::make(ErrGeneral, QStringLiteral("the view is not open"));
    case State::Bof:
        return {};
    case State::Eof:
        return fetchOne(QString(), true, {}, State::Bof);
    case State::Current:
        Q_EMIT aboutToLeaveRow();
        [[fallthrough]];
    case State::Deleted:
        return fetchOne(QStringLiteral("rowid < ?"), true, {m_rowid}, State::Bof);
    }
    return {};
}

DbResult<bool> RecordSet::isEmpty() const
{
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(quoteIdentifier(m_table))) || !q.next())
        return DbError::fromSql(q.lastError());
    return !q.value(0).toBool();
}

QVariant RecordSet::field(const QString &name) const
{
    if (m_state != State::Current)
        return {};
    return m_record.value(name);
}

DbError RecordSet::setField(const QString &name, const QVariant &value)
{
    return setFields({{name, value}});
}

DbError RecordSet::setFields(const Fields &fields)
{
    if (m_state != State::Current)
        return DbError::make(ErrGeneral, QStringLiteral("there is no current record"));
    if (fields.empty())
        return {};
    QStringList assignments;
    std::vector<int> indexes;
    for (const auto &f : fields) {
        const int index = m_record.indexOf(f.first);
        if (index < 0)
            return DbError::make(ErrGeneral, QStringLiteral("the table has no field \"%1\"").arg(f.first));
        assignments << QStringLiteral("%1 = ?").arg(quoteIdentifier(m_record.fieldName(index)));
        indexes.push_back(index);
    }
    QSqlQuery q = m_db.query();
    if (!q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                       .arg(quoteIdentifier(m_table), assignments.join(QStringLiteral(", ")))))
        return DbError::fromSql(q.lastError());
    for (const auto &f : fields)
        q.addBindValue(f.second);
    q.addBindValue(m_rowid);
    if (!q.exec())
        return DbError::fromSql(q.lastError());
    for (size_t i = 0; i < indexes.size(); ++i)
        m_record.setValue(indexes[i], fields[i].second);
    Q_EMIT currentChanged();
    return {};
}

DbError RecordSet::addNew(const Fields &fields)
{
    QStringList names, marks;
    for (const auto &f : fields) {
        names << quoteIdentifier(f.first);
        marks << QStringLiteral("?");
    }
    QSqlQuery q = m_db.query();
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(quoteIdentifier(m_table), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))))
        return DbError::fromSql(q.lastError());
    for (const auto &f : fields)
        q.addBindValue(f.second);
    if (!q.exec())
        return DbError::fromSql(q.lastError());
    return {};
}

DbError RecordSet::deleteCurrent()
{
    if (m_state != State::Current)
        return DbError::make(ErrGeneral, QStringLiteral("there is no current record"));
    QSqlQuery q = m_db.query();
    if (!q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(m_table))))
        return DbError::fromSql(q.lastError());
    q.addBindValue(m_rowid);
    if (!q.exec())
        return DbError::fromSql(q.lastError());
    m_state = State::Deleted;
    m_record.clearValues();
    Q_EMIT currentChanged();
    return {};
}

} // namespace pw
