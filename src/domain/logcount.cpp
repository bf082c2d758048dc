// The count of a stored log; the arithmetic itself is in totals.cpp.
#include "domain/totals.h"

#include "db/database.h"
#include "db/logtable.h"

namespace pw {

DbResult<LogCount> countLog(Database &db, const QString &table, const LocalDateTime &now)
{
    LogTable log(db, table);
    auto last = log.last();
    if (!last)
        return last.error();
    LogCount count;
    if (!last->has_value())
        return count;
    count.openShift = (*last)->status() == kClockedIn;

    totals::Pairing pairing;
    qint64 entries = 0;
    if (DbError e = log.scanTimes([&](const std::optional<LocalDateTime> &reading) {
            ++entries;
            pairing.add(reading);
        }))
        return e;
    // The open shift ends now, in memory only: the stored log is never touched by a count.
    if (count.openShift)
        pairing.add(now);
    count.entries = entries;
    count.totalMinutes = pairing.totalMinutes();
    count.unreadablePairs = pairing.unreadablePairs();
    count.unpaired = pairing.unpaired();
    return count;
}

DbResult<Totals> countTotals(Database &db, const QString &name, const QString &wageText, const LocalDateTime &now,
                             const QLocale &locale)
{
    auto count = countLog(db, name, now);
    if (!count)
        return count.error();
    return Totals{*count, totalsText(*count, wageText, name, locale)};
}

} // namespace pw
