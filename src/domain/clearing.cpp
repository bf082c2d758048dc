#include "domain/clearing.h"

#include "db/database.h"
#include "db/journal.h"
#include "db/logtable.h"
#include "domain/journaling.h"

#include <QSet>

namespace pw::clearing {

namespace {

// Inside a write that removes entries: one journal row for each of these entries, with its content, in
// stored order (every entry when keys is nothing).
DbError recordRemoved(Database &db, LogTable &log, const std::optional<QSet<qint64>> &keys, const QString &what)
{
    // Read whole first: no statement may run on the connection while a walk is under way.
    QList<JournalChange> removed;
    if (DbError e = log.forEachEntry([&](const LogEntry &entry) {
            if (!keys || keys->contains(entry.rowid))
                removed.append({what, log.name(), journaling::entryText(entry), std::nullopt});
        }))
        return e;
    return Journal(db).recordAll(removed);
}

} // namespace

DbError recordRemovedEntries(Database &db, const QString &table, const QString &what)
{
    LogTable log(db, table);
    return recordRemoved(db, log, std::nullopt, what);
}

DbResult<Cleared> clearBefore(Database &db, const QString &table, const LocalDateTime &ending)
{
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    LogTable log(db, table);
    auto dated = log.keysDatedBefore(ending);
    if (!dated)
        return dated.error();
    const QSet<qint64> datedKeys(dated->begin(), dated->end());
    if (DbError e = recordRemoved(db, log, datedKeys, journaling::kClear))
        return e;
    if (DbError e = log.deleteRows(*dated))
        return e;
    Cleared cleared;
    cleared.dated = qint64(dated->size());

    // The clock-out of a shift whose clock-in went by date would now open the log: it goes too.
    // Only the first entry is looked at.
    auto first = log.first();
    if (!first)
        return first.error();
    if (first->has_value() && !(*first)->inoutfx.isNull() && (*first)->status() == kClockedOut) {
        if (DbError e = log.deleteRow((*first)->rowid))
            return e;
        if (DbError e = journaling::record(db, journaling::kClear, table, journaling::entryText(**first)))
            return e;
        cleared.leadingClockOut = true;
    }
    if (DbError e = t.commit())
        return e;
    return cleared;
}

DbResult<qint64> clearAll(Database &db, const QString &table)
{
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    LogTable log(db, table);
    auto count = log.count();
    if (!count)
        return count.error();
    if (DbError e = recordRemoved(db, log, std::nullopt, journaling::kClear))
        return e;
    if (DbError e = log.deleteAll())
        return e;
    if (DbError e = t.commit())
        return e;
    return *count;
}

StepResult clearEmployee(Database &db, const QString &employee, const LocalDateTime &ending, RunObserver &observer)
{
    bool empty = false;
    if (auto refused = runs::openListedLog(db, employee, observer, &empty))
        return *refused;
    // The dated deletion and the removal of a leading clock-out are one change: stored together,
    // or the log stays as it was.
    const auto cleared = clearBefore(db, employee, ending);
    if (!cleared) {
        observer.problem({StepProblem::NotCleared, employee, cleared.error(), {}});
        return cleared.error().number == ErrTableMissing ? StepResult::Skipped : StepResult::Stop;
    }
    observer.stepDone(employee);
    return StepResult::Done;
}

RunOutcome clearEveryone(Database &db, const LocalDateTime &ending, RunObserver &observer)
{
    return runs::walkEmployees(db, observer, [&](const QString &name) { return clearEmployee(db, name, ending, observer); });
}

} // namespace pw::clearing
