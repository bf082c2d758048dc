#pragma once

#include "db/dberror.h"
#include "domain/runs.h"
#include "platform/datetimecodec.h"

#include <QString>

namespace pw {

class Database;

// Clearing employee logs. Entries go for good; each clearing of one log is one transaction, so a
// failure leaves that log exactly as it was.
namespace clearing {

struct Cleared {
    qint64 dated = 0;               // entries dated before the ending date-time
    bool leadingClockOut = false;   // a "Clocked Out" entry left at the head of the log, removed too
};

// Deletes every entry dated before the ending date-time, wherever it stands (an entry dated exactly
// then, a later one, and one without a readable date-time stay); then, when the log now begins
// with a "Clocked Out" entry, that one entry too.
DbResult<Cleared> clearBefore(Database &db, const QString &table, const LocalDateTime &ending);

// Inside a write that removes a log's entries: a journal row for each, with its content, before
// they go.
DbError recordRemovedEntries(Database &db, const QString &table, const QString &what);

// Deletes every entry of a log; returns how many there were.
DbResult<qint64> clearAll(Database &db, const QString &table);

// "Clear Log" of one listed employee up to the ending date-time, as clearBefore clears it; what
// went wrong is told to the observer.
StepResult clearEmployee(Database &db, const QString &employee, const LocalDateTime &ending, RunObserver &observer);

// The same for every employee of the list, in its order.
RunOutcome clearEveryone(Database &db, const LocalDateTime &ending, RunObserver &observer);

} // namespace clearing
} // namespace pw
