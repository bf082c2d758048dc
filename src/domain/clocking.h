#pragma once

#include "db/dberror.h"
#include "db/logtable.h"
#include "platform/datetimecodec.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace pw {

class Database;
class RecordView;

// The clock events of one employee's log. Each writes one entry in one transaction: it is stored
// whole and committed, or the log is left as it was.
namespace clocking {

// The longest task a clock-in stores, in characters (the width of the activity field).
inline constexpr int kMaxTask = 30;

// What the last entry of a log says, the one rule every check of a log's state reads: its status
// word compared exactly as a whole text ("clocked in" is neither), Null counting as no word.
enum class Status {
    Empty,      // the log has no entry: as good as clocked out
    ClockedIn,  // "Clocked In"
    ClockedOut, // "Clocked Out"
    Other,      // anything else, Null included
};
Status statusOf(const QVariant &inoutfx);
Status statusOf(const std::optional<LogEntry> &last);

enum class Outcome {
    Stored,        // the entry is stored and committed
    EmptyLog,      // clock-out refused: nothing to close
    NotClockedIn,  // clock-out refused: the last entry is not "Clocked In"
    NotClockedOut, // clock-in refused: the last entry is not "Clocked Out"
    TaskTooLong,   // clock-in refused: the task has more than kMaxTask characters
    Failed,        // the log could not be read or the entry could not be stored; nothing was written
};

struct Result {
    Outcome outcome = Outcome::Stored;
    DbError error; // why, when the outcome is Failed

    bool stored() const { return outcome == Outcome::Stored; }
    static Result failed(DbError e) { return {Outcome::Failed, std::move(e)}; }
};

// Whether the last entry of the log reads exactly "Clocked In"; false for an empty log.
DbResult<bool> isClockedIn(Database &db, const QString &table);

// The clock-in request, before any task is asked for: refused (NotClockedOut) only while the last
// entry reads exactly "Clocked In". An entry of another status passes here and is refused when the
// clock-in is stored. Decided through the window's view of the log, which is read again and left
// on its last entry, so the view shows what the request saw without a read of its own.
Result requestClockIn(RecordView &log);

// Whether a task fits the activity field: at most kMaxTask characters as a person counts them.
bool taskFits(const QString &task);

// Appends a "Clocked In" entry (ename, now, the task) unless the last entry says otherwise: an
// empty log or a last "Clocked Out" allows it. A task too long for the field is refused whatever
// the log says, before anything is read; no task at all is stored as one blank.
Result clockIn(Database &db, const QString &table, const QString &ename, const LocalDateTime &now,
               const QString &activity);
// Appends a "Clocked Out" entry without a task when the last entry is "Clocked In".
Result clockOut(Database &db, const QString &table, const QString &ename, const LocalDateTime &now);
// Removes the most recent entry; an empty log is left alone. Tells whether an entry was removed.
DbResult<bool> deleteLast(Database &db, const QString &table);

// A correction of an entry's date and time, typed as a person writes one. Text that does not read
// as a date and time is refused with ErrRefusedValue and nothing is stored; otherwise the entry
// (by its key) gets that date-time, in one transaction. Returns the stored form.
DbResult<LocalDateTime> correctEntryTime(Database &db, const QString &table, qint64 entry, const QString &typed);

} // namespace clocking
} // namespace pw
