#pragma once

#include "db/dberror.h"
#include "db/engine.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace pw {

class Database;

// The journal: every change the program makes to the company's records, one row each, in the order
// made, beside the log tables and never among them. Its name is longer than any employee's name may
// be, so no employee's log can bear it.
inline const QString kJournalTable = QStringLiteral("Punchwell journal of changes");

// The journal's fields, in their order.
const QList<FieldInfo> &journalFields();

// What one journal row says, its hash aside. A value that is absent (stored as Null) is not the
// same as an empty text, in the table and in the hash.
struct JournalEntry {
    qint64 sequence = 0;              // 1 for the first row, one more for each next
    QString storedAt;                 // "YYYY-MM-DD HH:MM:SS", the company's clock
    QString workstation;              // the computer's host name
    QString who;                      // the employee logged on, or "command line"
    QString what;                     // the action, one word
    std::optional<QString> employee;  // whose records changed, when the change is an employee's
    std::optional<QString> before;    // the value or entry before the change
    std::optional<QString> after;     // and after it
};

// One change as the operation that makes it tells it; the journal adds when, where and who.
struct JournalChange {
    QString what;
    std::optional<QString> employee;
    std::optional<QString> before;
    std::optional<QString> after;
};

struct JournalRow {
    JournalEntry entry;
    QByteArray hash; // 64 small hex digits
};

// One row of a walk through the journal, read from its stored bytes: its chain is checked on them,
// without a QString for every field; the row itself is made only when asked for. It lasts only for
// the call it is handed to.
class StoredJournalRow {
public:
    virtual qint64 sequence() const = 0;
    // The hash as stored, as JournalRow::hash has it.
    virtual QByteArrayView hash() const = 0;
    // Whether the stored hash is journalHash(previousHash, the row's entry).
    virtual bool follows(const std::optional<QByteArray> &previousHash) const = 0;
    // The row as Journal::walk gives it.
    virtual JournalRow row() const = 0;

protected:
    ~StoredJournalRow() = default;
};

// The bytes a row's hash is taken over: the previous row's hash (absent for the first row), the
// sequence number in decimal digits, storedAt, workstation, who, what, employee, before and after,
// in this order. Each is the byte 0 when absent, else the byte 1, the length of its UTF-8 in four
// bytes (most significant first) and the UTF-8 itself.
QByteArray journalEncoding(const std::optional<QByteArray> &previousHash, const JournalEntry &entry);
// SHA-256 of that encoding, as 64 small hex digits.
QByteArray journalHash(const std::optional<QByteArray> &previousHash, const JournalEntry &entry);

// SHA-256, as 64 small hex digits, of everything the company holds besides its journal: every
// table in the order of their names' UTF-8 bytes, each as the byte 'T' and its name, then each of
// its rows in stored order as the byte 'R' and its fields in their order. Names and fields are
// encoded as in journalEncoding: a field is absent when Null, else its text (a date-time as
// "YYYY-MM-DD HH:MM:SS", a number in decimal digits).
DbResult<QByteArray> companyDigest(Database &db);

// The journal table of one company.
class Journal {
public:
    explicit Journal(Database &db) : m_db(db) {}

    DbResult<bool> exists();
    // Makes the empty table.
    DbError create();
    // Inside a write: keeps every other writer off the journal until the write ends, reads the last
    // row, and appends the entry as the next one (its sequence number is set here). Gives back the
    // row as stored.
    DbResult<JournalRow> append(JournalEntry entry);
    // Inside a write: when the company has a journal, appends the change stamped with the
    // connection's actor (append's lock and chain); a company without a journal takes nothing.
    // Whether there is one is looked up once per connection.
    DbError record(const JournalChange &change);
    // The same for several changes of one write, in this order, under one lock.
    DbError recordAll(const QList<JournalChange> &changes);
    // The last row, or nothing for an empty journal.
    DbResult<std::optional<JournalRow>> last();
    // Every row in stored order; an error from visit stops the walk and is its result. Visit must
    // not use the database.
    DbError walk(const std::function<DbError(const JournalRow &)> &visit);
    // The same, each row as stored, for a walk that needs only some rows whole.
    DbError walkStored(const std::function<DbError(const StoredJournalRow &)> &visit);

private:
    QString selectRows() const;
    // What a next row needs of the last one: its sequence number and its hash.
    struct Link {
        qint64 sequence = 0;
        QByteArray hash;
    };
    DbResult<std::optional<Link>> lockAndReadLastLink();
    DbResult<JournalRow> insertAfter(const std::optional<Link> &previous, JournalEntry entry);

    Database &m_db;
};

} // namespace pw
