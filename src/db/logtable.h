#pragma once

#include "db/datetimecodec.h"
#include "db/dberror.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace pw {

class Database;

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
class LogTable {
public:
    LogTable(Database &db, const QString &name) : m_db(db), m_name(name) {}

    const QString &name() const { return m_name; }

    DbResult<bool> exists();
    // Makes the empty table (fails if a table of that name exists, in any letter case).
    DbError create();

    DbResult<qint64> count();
    DbResult<std::optional<LogEntry>> last();
    DbResult<std::optional<LogEntry>> first();

    // Appends one entry; an invalid activity is stored as Null.
    DbError append(const QString &ename, const LocalDateTime &when, const QString &inoutfx,
                   const QVariant &activity = QVariant());
    DbError deleteRow(qint64 rowid);
    DbError deleteAll();

    // Walks the date-times of every entry in stored order, fast: the callback gets each entry's
    // reading, or nothing for an entry without a readable date-time.
    DbError scanTimes(const std::function<void(std::optional<LocalDateTime>)> &visit);

private:
    Database &m_db;
    QString m_name;
};

} // namespace pw
