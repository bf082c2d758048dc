#include "domain/clearing.h"

#include "db/database.h"
#include "db/logtable.h"

namespace pw::clearing {

DbResult<Cleared> clearBefore(Database &db, const QString &table, const LocalDateTime &ending)
{
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    LogTable log(db, table);
    auto dated = log.keysDatedBefore(ending);
    if (!dated)
        return dated.error();
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
