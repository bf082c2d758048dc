#include "domain/clocking.h"

#include "db/database.h"
#include "db/logtable.h"
#include "domain/characters.h"

namespace pw::clocking {

namespace {

// Reads the last entry and, when allowed, appends the new one, all inside one write transaction
// so that nothing can slip in between the check and the entry.
Result append(Database &db, const QString &table, const QString &ename, const LocalDateTime &now,
              const QString &status, const QVariant &activity)
{
    Database::Transaction t(db);
    if (!t.ok())
        return Result::failed(t.beginError());
    LogTable log(db, table);
    auto last = log.last();
    if (!last)
        return Result::failed(last.error());
    const QString lastStatus = last->has_value() ? (*last)->status() : QString();
    if (status == kClockedIn) {
        if (last->has_value() && lastStatus != kClockedOut)
            return {Outcome::NotClockedOut, {}};
    } else {
        if (!last->has_value())
            return {Outcome::EmptyLog, {}};
        if (lastStatus != kClockedIn)
            return {Outcome::NotClockedIn, {}};
    }
    if (DbError e = log.append(ename, now, status, activity))
        return Result::failed(e);
    if (DbError e = t.commit())
        return Result::failed(e);
    return {Outcome::Stored, {}};
}

} // namespace

DbResult<bool> isClockedIn(Database &db, const QString &table)
{
    auto last = LogTable(db, table).last();
    if (!last)
        return last.error();
    return last->has_value() && !(*last)->inoutfx.isNull() && (*last)->status() == kClockedIn;
}

bool taskFits(const QString &task)
{
    return characters(task) <= kMaxTask;
}

Result clockIn(Database &db, const QString &table, const QString &ename, const LocalDateTime &now, const QString &activity)
{
    if (!taskFits(activity))
        return {Outcome::TaskTooLong, {}};
    return append(db, table, ename, now, kClockedIn, activity);
}

Result clockOut(Database &db, const QString &table, const QString &ename, const LocalDateTime &now)
{
    return append(db, table, ename, now, kClockedOut, QVariant());
}

DbResult<bool> deleteLast(Database &db, const QString &table)
{
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    LogTable log(db, table);
    auto last = log.last();
    if (!last)
        return last.error();
    if (!last->has_value())
        return false;
    if (DbError e = log.deleteRow((*last)->rowid))
        return e;
    if (DbError e = t.commit())
        return e;
    return true;
}

} // namespace pw::clocking
