#pragma once

#include "db/dberror.h"
#include "platform/datetimecodec.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

namespace pw {

class Database;
class RawRow;

// The two status words, compared exactly as whole texts.
inline const QString kClockedIn = QStringLiteral("Clocked In");
inline const QString kClockedOut = QStringLiteral("Clocked Out");

// One entry of an employee's time log, as stored.
struct LogEntry {
    qint64 rowid = -1;
    QVariant ename, datetime, inoutfx, activity;

    QString status() const { return inoutfx.isNull() ? QString() : inoutfx.toString(); }
    std::optional<LocalDateTime> when() const
    {
        return datetime.isNull() ? std::nullopt : LocalDateTime::fromStored(QStringView(datetime.toString()));
    }
};

// An employee's time log: the table named by the employee's name, with the four fields Ename,
// datetime, inoutfx and activity in that order, no key and no index. Entries are in stored order.
// The name opens the table as the engine matches names (letter case aside); inside a write, the
// first use of the table keeps every other writer off it until the write ends, so what a write
// reads stays true until it commits.
class LogTable {
public:
    LogTable(Database &db, const QString &name) : m_db(db), m_name(name) {}

    const QString &name() const { return m_name; }

    // Makes the empty table. SQLite refuses a name that a table bears in any letter case; on a
    // server, the add dialog's own test (under the employee list's lock) keeps such a name out.
    DbError create();

    DbResult<qint64> count();
    DbResult<std::optional<LogEntry>> last();
    DbResult<std::optional<LogEntry>> first();
    // One entry by its key; nothing when there is none.
    DbResult<std::optional<LogEntry>> entry(qint64 rowid);
    // The entries just before and just after the one of this key, in stored order.
    DbResult<std::optional<LogEntry>> entryBefore(qint64 rowid);
    DbResult<std::optional<LogEntry>> entryAfter(qint64 rowid);
    // Where the entry of this key stands in stored order: 1 for the first.
    DbResult<qint64> position(qint64 rowid);
    // Every entry, key and values as stored, in stored order.
    DbError forEachEntry(const std::function<void(const LogEntry &)> &visit);

    // Appends one entry; an invalid activity is stored as Null.
    DbError append(const QString &ename, const LocalDateTime &when, const QString &inoutfx,
                   const QVariant &activity = QVariant());
    DbError deleteRow(qint64 rowid);
    DbError deleteAll();
    // Gives one entry (by its key) another date and time.
    DbError setDateTime(qint64 rowid, const LocalDateTime &when);

    // Walks the date-times of every entry in stored order, fast: the callback gets each entry's
    // reading, or nothing for an entry without a readable date-time.
    DbError scanTimes(const std::function<void(std::optional<LocalDateTime>)> &visit);
    // Walks every entry's datetime and activity in stored order, as stored (Null kept).
    DbError scanDatesAndTasks(const std::function<void(const QVariant &datetime, const QVariant &activity)> &visit);
    // The same as the stored bytes, for whole logs: each value's UTF-8, a Null as a null view (an
    // empty value's view is empty but not null). The views last only until the callback returns.
    // Walks every entry as stored, in stored order: Ename, datetime (as text), inoutfx, activity.
    DbError scanEntries(const std::function<void(const RawRow &)> &visit);
    DbError scanStoredDatesAndTasks(const std::function<void(QByteArrayView datetime, QByteArrayView activity)> &visit);
    // The keys of the entries whose date-time reads as one earlier than the ending date-time.
    // Each stored date-time is read as a date-time (not compared as text), so every form the
    // reader takes compares correctly.
    DbResult<QList<qint64>> keysDatedBefore(const LocalDateTime &ending);
    DbError deleteRows(const QList<qint64> &rowids);

    // For a grid: the table's fields in their order, and a block of its rows in stored order.
    DbResult<QStringList> fields();
    DbResult<QList<QVariantList>> rows(const QStringList &fields, qint64 offset, int limit);

private:
    // The table's stored name, quoted for SQL, locked inside a write.
    DbResult<QString> table();

    Database &m_db;
    QString m_name;
    std::optional<QString> m_stored;
};

} // namespace pw
