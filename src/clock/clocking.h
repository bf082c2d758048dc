#pragma once

#include "db/datetimecodec.h"
#include "db/dberror.h"

#include <QString>
#include <QVariant>

namespace pw {

class Database;

// The clock events of one employee's log. Each writes one entry in one transaction: it is stored
// whole and committed, or the log is left as it was.
namespace clocking {

enum class Outcome {
    Stored,       // the entry is stored and committed
    EmptyLog,     // clock-out refused: nothing to close
    NotClockedIn, // clock-out refused: the last entry is not "Clocked In"
    NotClockedOut // clock-in refused: the last entry is not "Clocked Out"
};

struct Result {
    Outcome outcome = Outcome::Stored;
    DbError error; // set when the log could not be read or the entry could not be stored
    bool ok() const { return !error; }
};

// Appends a "Clocked In" entry (ename, now, the task) unless the last entry says otherwise: an
// empty log or a last "Clocked Out" allows it.
Result clockIn(Database &db, const QString &table, const QString &ename, const LocalDateTime &now,
               const QString &activity);
// Appends a "Clocked Out" entry without a task when the last entry is "Clocked In".
Result clockOut(Database &db, const QString &table, const QString &ename, const LocalDateTime &now);
// Removes the most recent entry; an empty log is left alone. Tells whether an entry was removed.
DbResult<bool> deleteLast(Database &db, const QString &table);

} // namespace clocking
} // namespace pw
