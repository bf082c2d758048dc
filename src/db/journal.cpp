#include "db/journal.h"

#include "db/companycopy.h"
#include "db/database.h"
#include "db/quoting.h"

#include <QCryptographicHash>
#include <QSysInfo>
#include <QtEndian>

#include <algorithm>

namespace pw {

namespace {

const QString kSequence = QStringLiteral("sequence");
const QString kStoredAt = QStringLiteral("stored_at");
const QString kHash = QStringLiteral("hash");

void encodeField(QByteArray &out, const std::optional<QByteArray> &value)
{
    if (!value) {
        out.append('\0');
        return;
    }
    out.append('\1');
    char length[4];
    qToBigEndian(quint32(value->size()), length);
    out.append(length, 4);
    out.append(*value);
}

std::optional<QByteArray> utf8(const std::optional<QString> &text)
{
    return text ? std::optional<QByteArray>(text->toUtf8()) : std::nullopt;
}

std::optional<QString> textOrAbsent(const QVariant &v)
{
    return v.isNull() ? std::nullopt : std::optional<QString>(v.toString());
}

// A present text is bound as text even when empty: a null QString would be stored as Null.
QVariant bound(const QString &text)
{
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

QVariant bound(const std::optional<QString> &text)
{
    return text ? bound(*text) : QVariant();
}

JournalRow rowOf(const QVariantList &values)
{
    JournalRow row;
    row.entry.sequence = values.value(0).toLongLong();
    row.entry.storedAt = values.value(1).toString();
    row.entry.workstation = values.value(2).toString();
    row.entry.who = values.value(3).toString();
    row.entry.what = values.value(4).toString();
    row.entry.employee = textOrAbsent(values.value(5));
    row.entry.before = textOrAbsent(values.value(6));
    row.entry.after = textOrAbsent(values.value(7));
    row.hash = values.value(8).toString().toLatin1();
    return row;
}

} // namespace

const QList<FieldInfo> &journalFields()
{
    static const QList<FieldInfo> fields{{kSequence, FieldKind::Integer, 0},
                                         {kStoredAt, FieldKind::DateTime, 0},
                                         {QStringLiteral("workstation"), FieldKind::Text, 0},
                                         {QStringLiteral("who"), FieldKind::Text, 0},
                                         {QStringLiteral("what"), FieldKind::Text, 0},
                                         {QStringLiteral("employee"), FieldKind::Text, 0},
                                         {QStringLiteral("before"), FieldKind::Text, 0},
                                         {QStringLiteral("after"), FieldKind::Text, 0},
                                         {kHash, FieldKind::Text, 0}};
    return fields;
}

QByteArray journalEncoding(const std::optional<QByteArray> &previousHash, const JournalEntry &entry)
{
    QByteArray out;
    encodeField(out, previousHash);
    encodeField(out, QByteArray::number(entry.sequence));
    encodeField(out, entry.storedAt.toUtf8());
    encodeField(out, entry.workstation.toUtf8());
    encodeField(out, entry.who.toUtf8());
    encodeField(out, entry.what.toUtf8());
    encodeField(out, utf8(entry.employee));
    encodeField(out, utf8(entry.before));
    encodeField(out, utf8(entry.after));
    return out;
}

QByteArray journalHash(const std::optional<QByteArray> &previousHash, const JournalEntry &entry)
{
    return QCryptographicHash::hash(journalEncoding(previousHash, entry), QCryptographicHash::Sha256).toHex();
}

DbResult<QByteArray> companyDigest(Database &db)
{
    DatabaseSource source(db);
    auto tables = source.tables();
    if (!tables)
        return tables.error();
    QList<QByteArray> names;
    for (const QString &table : *tables)
        if (table.compare(kJournalTable, Qt::CaseInsensitive) != 0)
            names << table.toUtf8();
    std::sort(names.begin(), names.end());
    QCryptographicHash sha(QCryptographicHash::Sha256);
    QByteArray chunk;
    for (const QByteArray &name : std::as_const(names)) {
        chunk = QByteArrayLiteral("T");
        encodeField(chunk, name);
        sha.addData(chunk);
        if (DbError e = source.rows(QString::fromUtf8(name), [&](const QVariantList &row) -> DbError {
                chunk = QByteArrayLiteral("R");
                for (const QVariant &v : row)
                    encodeField(chunk, v.isNull() ? std::nullopt : std::optional<QByteArray>(v.toString().toUtf8()));
                sha.addData(chunk);
                return {};
            }))
            return e;
    }
    return sha.result().toHex();
}

DbResult<bool> Journal::exists()
{
    return m_db.tableExists(kJournalTable);
}

DbError Journal::create()
{
    m_db.noteJournal(std::nullopt);
    if (DbError e = m_db.exec(m_db.engine().createTable(quoteIdentifier(kJournalTable), journalFields())))
        return e;
    return m_db.engine().keepAppendOnly(kJournalTable);
}

QString Journal::selectRows() const
{
    QStringList columns;
    for (const FieldInfo &f : journalFields())
        columns << (f.kind == FieldKind::DateTime ? m_db.engine().dateTimeAsText(quoteIdentifier(f.name))
                                                  : quoteIdentifier(f.name));
    return QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), quoteIdentifier(kJournalTable));
}

DbError Journal::record(const JournalChange &change)
{
    return recordAll({change});
}

DbError Journal::recordAll(const QList<JournalChange> &changes)
{
    if (!m_db.journalKnown()) {
        const auto found = exists();
        if (!found)
            return found.error();
        m_db.noteJournal(*found);
    }
    if (!*m_db.journalKnown() || changes.isEmpty())
        return {};
    const JournalActor &actor = m_db.journalActor();
    const SystemClock systemClock;
    const Clock &clock = actor.clock ? *actor.clock : systemClock;
    JournalEntry entry;
    entry.storedAt = clock.localNow().toStored();
    entry.workstation = actor.workstation.isEmpty() ? QSysInfo::machineHostName() : actor.workstation;
    entry.who = actor.who;
    auto previous = lockAndReadLast();
    if (!previous)
        return previous.error();
    std::optional<JournalRow> last = std::move(*previous);
    for (const JournalChange &change : changes) {
        entry.what = change.what;
        entry.employee = change.employee;
        entry.before = change.before;
        entry.after = change.after;
        auto row = insertAfter(last, entry);
        if (!row)
            return row.error();
        last = std::move(*row);
    }
    return {};
}

DbResult<std::optional<JournalRow>> Journal::last()
{
    const auto rows = m_db.query(selectRows() + QStringLiteral(" ORDER BY %1 DESC LIMIT 1").arg(m_db.orderKey()));
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return std::optional<JournalRow>();
    return std::optional<JournalRow>(rowOf(rows->rows.first()));
}

DbResult<std::optional<JournalRow>> Journal::lockAndReadLast()
{
    if (DbError e = m_db.lockForAppend(kJournalTable))
        return e;
    return last();
}

DbResult<JournalRow> Journal::insertAfter(const std::optional<JournalRow> &previous, JournalEntry entry)
{
    std::optional<QByteArray> previousHash;
    entry.sequence = 1;
    if (previous) {
        previousHash = previous->hash;
        entry.sequence = previous->entry.sequence + 1;
    }
    JournalRow row{entry, journalHash(previousHash, entry)};
    QStringList columns, marks;
    for (const FieldInfo &f : journalFields()) {
        columns << quoteIdentifier(f.name);
        marks << QStringLiteral("?");
    }
    if (DbError e = m_db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(quoteIdentifier(kJournalTable), columns.join(QStringLiteral(", ")),
                                       marks.join(QStringLiteral(", "))),
                              {entry.sequence, bound(entry.storedAt), bound(entry.workstation), bound(entry.who), bound(entry.what),
                               bound(entry.employee), bound(entry.before), bound(entry.after),
                               QString::fromLatin1(row.hash)}))
        return e;
    return row;
}

DbResult<JournalRow> Journal::append(JournalEntry entry)
{
    const auto previous = lockAndReadLast();
    if (!previous)
        return previous.error();
    return insertAfter(*previous, std::move(entry));
}

DbError Journal::walk(const std::function<DbError(const JournalRow &)> &visit)
{
    return m_db.forEachRow(selectRows() + QStringLiteral(" ORDER BY %1").arg(m_db.orderKey()), {},
                           [&](const QVariantList &values) { return visit(rowOf(values)); });
}

} // namespace pw
