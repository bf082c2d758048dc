#include "domain/clocking.h"

#include "db/database.h"
#include "db/logtable.h"
#include "domain/characters.h"
#include "domain/journaling.h"
#include "domain/recordviews.h"
#include "platform/typeddatetime.h"

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
    const Status was = statusOf(*last);
    if (status == kClockedIn) {
        if (was != Status::Empty && was != Status::ClockedOut)
            return {Outcome::NotClockedOut, {}};
    } else {
        if (was == Status::Empty)
            return {Outcome::EmptyLog, {}};
        if (was != Status::ClockedIn)
            return {Outcome::NotClockedIn, {}};
    }
    if (DbError e = log.append(ename, now, status, activity))
        return Result::failed(e);
    const QString entry = journaling::entryText(ename, now.toStored(), status, activity);
    if (DbError e = journaling::record(db, status == kClockedIn ? journaling::kClockIn : journaling::kClockOut, table,
                                       std::nullopt, entry))
        return Result::failed(e);
    if (DbError e = t.commit())
        return Result::failed(e);
    return {Outcome::Stored, {}};
}

} // namespace

Status statusOf(const QVariant &inoutfx)
{
    if (inoutfx.isNull())
        return Status::Other;
    const QString word = inoutfx.toString();
    return word == kClockedIn ? Status::ClockedIn : word == kClockedOut ? Status::ClockedOut : Status::Other;
}

Result requestClockIn(RecordView &log)
{
    if (DbError e = log.refresh())
        return Result::failed(e);
    if (log.eof())
        return {Outcome::Stored, {}};
    if (DbError e = log.moveLast())
        return Result::failed(e);
    return {statusOf(log.field(QStringLiteral("inoutfx"))) == Status::ClockedIn ? Outcome::NotClockedOut : Outcome::Stored, {}};
}

Status statusOf(const std::optional<LogEntry> &last)
{
    return last ? statusOf(last->inoutfx) : Status::Empty;
}

DbResult<bool> isClockedIn(Database &db, const QString &table)
{
    auto last = LogTable(db, table).last();
    if (!last)
        return last.error();
    return statusOf(*last) == Status::ClockedIn;
}

bool taskFits(const QString &task)
{
    return characters(task) <= kMaxTask;
}

Result clockIn(Database &db, const QString &table, const QString &ename, const LocalDateTime &now, const QString &activity)
{
    if (!taskFits(activity))
        return {Outcome::TaskTooLong, {}};
    return append(db, table, ename, now, kClockedIn, activity.isEmpty() ? QStringLiteral(" ") : activity);
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
    if (DbError e = journaling::record(db, journaling::kDeleteLast, table, journaling::entryText(**last)))
        return e;
    if (DbError e = t.commit())
        return e;
    return true;
}

DbResult<LocalDateTime> correctEntryTime(Database &db, const QString &table, qint64 entry, const QString &typed)
{
    const auto when = formats::parseTypedDateTime(typed);
    if (!when)
        return DbError::of(DbReason::NotADateTime).withValue(typed);
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    LogTable log(db, table);
    const auto was = log.entry(entry);
    if (!was)
        return was.error();
    // Removed meanwhile (by another workstation): nothing to correct, and not said to be corrected.
    if (!*was)
        return DbError::of(DbReason::NoCurrentRecord).inTable(table);
    // Entries are paired by their order in the log, so a correction may not pass either neighbour:
    // a clock-out put before its own clock-in would count its shift as negative hours.
    const auto previous = log.entryBefore(entry);
    if (!previous)
        return previous.error();
    const auto next = log.entryAfter(entry);
    if (!next)
        return next.error();
    const auto outOfOrder = [&](const std::optional<LogEntry> &neighbour, int side) -> std::optional<DbError> {
        const auto at = neighbour ? neighbour->when() : std::nullopt;
        if (!at || (side < 0 ? !(*when < *at) : !(*at < *when)))
            return std::nullopt;
        return DbError::of(DbReason::EntryOutOfOrder).inTable(table).withValue(when->toStored())
            .withOtherValue(at->toStored()).withAmounts(side);
    };
    if (auto refused = outOfOrder(*previous, -1))
        return *refused;
    if (auto refused = outOfOrder(*next, 1))
        return *refused;
    // The journal names the entry by its place in the log, so the change can be replayed.
    const auto place = log.position(entry);
    if (!place)
        return place.error();
    if (DbError e = log.setDateTime(entry, *when))
        return e;
    if (DbError e = journaling::record(db, journaling::kCorrect, table, journaling::correctionText(*place, (**was).datetime),
                                       journaling::correctionText(*place, when->toStored())))
        return e;
    if (DbError e = t.commit())
        return e;
    return *when;
}

} // namespace pw::clocking
