#include "db/journal.h"

#include "db/companycopy.h"
#include "db/database.h"
#include "db/quoting.h"

#include <QCryptographicHash>
#include <QSysInfo>
#include <QtEndian>

#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string>

namespace pw {

namespace {

const QString kSequence = QStringLiteral("sequence");
const QString kStoredAt = QStringLiteral("stored_at");
const QString kHash = QStringLiteral("hash");

void encodeField(std::string &out, const std::optional<QByteArrayView> &value)
{
    if (!value) {
        out += '\0';
        return;
    }
    out += '\1';
    char length[4];
    qToBigEndian(quint32(value->size()), length);
    out.append(length, 4);
    out.append(value->data(), std::size_t(value->size()));
}

// A row's encoding (journalEncoding) from the previous hash, the sequence number and the row's seven
// fields as UTF-8, in their order.
void encodeRow(std::string &out, const std::optional<QByteArrayView> &previousHash, qint64 sequence,
               const std::array<std::optional<QByteArrayView>, 7> &fields)
{
    encodeField(out, previousHash);
    char digits[24];
    encodeField(out, QByteArrayView(digits, std::to_chars(digits, digits + sizeof digits, sequence).ptr));
    for (const std::optional<QByteArrayView> &field : fields)
        encodeField(out, field);
}

std::optional<QByteArray> utf8(const std::optional<QString> &text)
{
    return text ? std::optional<QByteArray>(text->toUtf8()) : std::nullopt;
}

std::optional<QByteArrayView> viewOf(const std::optional<QByteArray> &bytes)
{
    return bytes ? std::optional<QByteArrayView>(*bytes) : std::nullopt;
}

// SHA-256 as 64 small hex digits. libcrypto's digest uses the processor's SHA instructions where
// it has them, several times as fast as Qt's own over a journal's short rows; Qt's is the one used
// when libcrypto cannot give one. Both give the same digest.
class Sha256Hex {
public:
    Sha256Hex() : m_context(EVP_MD_CTX_new()) {}
    ~Sha256Hex() { EVP_MD_CTX_free(m_context); }
    Sha256Hex(const Sha256Hex &) = delete;
    Sha256Hex &operator=(const Sha256Hex &) = delete;

    // The digest of data, good until the next call.
    QByteArrayView of(QByteArrayView data)
    {
        static constexpr char kDigits[] = "0123456789abcdef";
        unsigned char digest[32];
        unsigned int size = 0;
        const EVP_MD *sha256 = libcryptoSha256();
        if (!m_context || !sha256 || !EVP_DigestInit_ex(m_context, sha256, nullptr)
            || !EVP_DigestUpdate(m_context, data.data(), std::size_t(data.size()))
            || !EVP_DigestFinal_ex(m_context, digest, &size) || size != sizeof digest) {
            const QByteArray qt = QCryptographicHash::hash(data, QCryptographicHash::Sha256);
            std::memcpy(digest, qt.constData(), sizeof digest);
        }
        for (std::size_t i = 0; i < sizeof digest; ++i) {
            m_hex[2 * i] = kDigits[digest[i] >> 4];
            m_hex[2 * i + 1] = kDigits[digest[i] & 15];
        }
        return QByteArrayView(m_hex, sizeof m_hex);
    }

private:
    static const EVP_MD *libcryptoSha256()
    {
        // Fetched once: fetched for every digest, it would cost nearly as much as the digest.
        static EVP_MD *const fetched = EVP_MD_fetch(nullptr, "SHA256", nullptr);
        return fetched;
    }

    EVP_MD_CTX *m_context;
    char m_hex[64];
};

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

// The columns of selectRows(), in its order.
enum Column {
    SequenceColumn,
    StoredAtColumn,
    WorkstationColumn,
    WhoColumn,
    WhatColumn,
    EmployeeColumn,
    BeforeColumn,
    AfterColumn,
    HashColumn,
    ColumnCount
};

// A row from its sequence number and its other columns as text (nothing for a Null).
template <typename Text>
JournalRow journalRowOf(qint64 sequence, Text text)
{
    JournalRow row;
    row.entry.sequence = sequence;
    row.entry.storedAt = text(StoredAtColumn).value_or(QString());
    row.entry.workstation = text(WorkstationColumn).value_or(QString());
    row.entry.who = text(WhoColumn).value_or(QString());
    row.entry.what = text(WhatColumn).value_or(QString());
    row.entry.employee = text(EmployeeColumn);
    row.entry.before = text(BeforeColumn);
    row.entry.after = text(AfterColumn);
    row.hash = text(HashColumn).value_or(QString()).toLatin1();
    return row;
}

JournalRow rowOf(const QVariantList &values)
{
    return journalRowOf(values.value(SequenceColumn).toLongLong(),
                        [&](int column) { return textOrAbsent(values.value(column)); });
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One row of the walk's scan. A value stored as ASCII text is taken as its bytes, which are what a
// statement reads too; any other (text that is not ASCII, a number or bytes in a text field) as a
// statement reads it, so the row and its hash are the same as from a statement's rows.
class ScannedRow final : public StoredJournalRow {
public:
    void read(const RawRow &raw)
    {
        m_sequence = raw.value(SequenceColumn).toLongLong();
        for (int c = StoredAtColumn; c < ColumnCount; ++c) {
            Field &f = m_fields[std::size_t(c)];
            if (raw.isText(c)) {
                const QByteArrayView bytes = raw.text(c);
                if (isAscii(bytes)) {
                    f.bytes = bytes;
                    f.ascii = true;
                    continue;
                }
            }
            const QVariant value = raw.value(c);
            f.ascii = false;
            f.text = value.toString();
            f.read = c == HashColumn ? f.text.toLatin1() : f.text.toUtf8();
            f.bytes = value.isNull() ? std::nullopt : std::optional<QByteArrayView>(f.read);
        }
    }

    qint64 sequence() const override { return m_sequence; }
    QByteArrayView hash() const override { return m_fields[HashColumn].bytes.value_or(QByteArrayView()); }

    bool follows(const std::optional<QByteArray> &previousHash) const override
    {
        // Stored_at, workstation, who and what are texts even when Null: empty ones.
        const auto present = [this](int c) { return m_fields[std::size_t(c)].bytes.value_or(QByteArrayView("", 0)); };
        const auto asStored = [this](int c) { return m_fields[std::size_t(c)].bytes; };
        m_encoding.clear();
        encodeRow(m_encoding, viewOf(previousHash), m_sequence,
                  {present(StoredAtColumn), present(WorkstationColumn), present(WhoColumn), present(WhatColumn),
                   asStored(EmployeeColumn), asStored(BeforeColumn), asStored(AfterColumn)});
        return m_sha.of(QByteArrayView(m_encoding.data(), qsizetype(m_encoding.size()))) == hash();
    }

    JournalRow row() const override
    {
        return journalRowOf(m_sequence, [this](int c) -> std::optional<QString> {
            const Field &f = m_fields[std::size_t(c)];
            if (!f.bytes)
                return std::nullopt;
            return f.ascii ? QString::fromLatin1(*f.bytes) : f.text;
        });
    }

private:
    struct Field {
        std::optional<QByteArrayView> bytes; // as the row's hash takes it; nothing for a Null
        bool ascii = false;                  // the stored bytes themselves
        QString text;                        // otherwise: the value as a statement reads it,
        QByteArray read;                     // and its bytes
    };

    qint64 m_sequence = 0;
    std::array<Field, ColumnCount> m_fields;
    mutable std::string m_encoding;
    mutable Sha256Hex m_sha;
};

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
    const QByteArray storedAt = entry.storedAt.toUtf8(), workstation = entry.workstation.toUtf8(),
                     who = entry.who.toUtf8(), what = entry.what.toUtf8();
    const std::optional<QByteArray> employee = utf8(entry.employee), before = utf8(entry.before), after = utf8(entry.after);
    std::string out;
    encodeRow(out, viewOf(previousHash), entry.sequence,
              {storedAt, workstation, who, what, viewOf(employee), viewOf(before), viewOf(after)});
    return QByteArray(out.data(), qsizetype(out.size()));
}

QByteArray journalHash(const std::optional<QByteArray> &previousHash, const JournalEntry &entry)
{
    return Sha256Hex().of(journalEncoding(previousHash, entry)).toByteArray();
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
    std::string chunk;
    const auto add = [&] { sha.addData(QByteArrayView(chunk.data(), qsizetype(chunk.size()))); };
    for (const QByteArray &name : std::as_const(names)) {
        chunk.clear();
        chunk += 'T';
        encodeField(chunk, name);
        add();
        if (DbError e = source.rows(QString::fromUtf8(name), [&](const QVariantList &row) -> DbError {
                chunk.clear();
                chunk += 'R';
                for (const QVariant &v : row)
                    encodeField(chunk, viewOf(v.isNull() ? std::nullopt : std::optional<QByteArray>(v.toString().toUtf8())));
                add();
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
    auto previous = lockAndReadLastLink();
    if (!previous)
        return previous.error();
    std::optional<Link> last = std::move(*previous);
    for (const JournalChange &change : changes) {
        entry.what = change.what;
        entry.employee = change.employee;
        entry.before = change.before;
        entry.after = change.after;
        const auto row = insertAfter(last, entry);
        if (!row)
            return row.error();
        last = Link{row->entry.sequence, row->hash};
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

DbResult<std::optional<Journal::Link>> Journal::lockAndReadLastLink()
{
    if (DbError e = m_db.lockForAppend(kJournalTable))
        return e;
    // Only the two fields a next row needs, read as the whole row reads them: every change pays
    // for this read.
    const auto rows = m_db.query(QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %4 DESC LIMIT 1")
                                     .arg(quoteIdentifier(kSequence), quoteIdentifier(kHash), quoteIdentifier(kJournalTable),
                                          m_db.orderKey()));
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return std::optional<Link>();
    const QVariantList &last = rows->rows.first();
    return std::optional<Link>(Link{last.value(0).toLongLong(), last.value(1).toString().toLatin1()});
}

DbResult<JournalRow> Journal::insertAfter(const std::optional<Link> &previous, JournalEntry entry)
{
    std::optional<QByteArray> previousHash;
    entry.sequence = 1;
    if (previous) {
        previousHash = previous->hash;
        entry.sequence = previous->sequence + 1;
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
    const auto previous = lockAndReadLastLink();
    if (!previous)
        return previous.error();
    return insertAfter(*previous, std::move(entry));
}

DbError Journal::walk(const std::function<DbError(const JournalRow &)> &visit)
{
    return walkStored([&](const StoredJournalRow &row) { return visit(row.row()); });
}

DbError Journal::walkStored(const std::function<DbError(const StoredJournalRow &)> &visit)
{
    // A raw scan cannot be stopped: after a visit's error the rows left are read but not looked at.
    ScannedRow scanned;
    DbError stopped;
    const DbError e = m_db.scan(selectRows() + QStringLiteral(" ORDER BY %1").arg(m_db.orderKey()), {},
                                [&](const RawRow &raw) {
                                    if (stopped)
                                        return;
                                    scanned.read(raw);
                                    stopped = visit(scanned);
                                });
    return e ? e : stopped;
}

} // namespace pw
