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

} // namespace pw::clearing
