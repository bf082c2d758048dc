#pragma once

#include "db/dberror.h"
#include "db/journal.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace pw {

class Database;

// What a walk through the journal found.
struct ChainCheck {
    bool present = false;            // the company has a journal table
    qint64 rows = 0;                 // rows walked (up to and with the first broken one)
    std::optional<qint64> brokenAt;  // the position (1 for the first row) of the first row that breaks the chain
    QByteArray lastHash;             // of the last row when the chain is whole

    bool whole() const { return present && !brokenAt; }
    // The seal a person notes: the first 16 hex digits of the last row's hash.
    QString seal() const { return QString::fromLatin1(lastHash.left(16)); }
};

// Inside a write, in a company without a journal: makes the journal, with this change as its first
// row and after it what the company holds, row by row (each row of "Company Data" and of the employee
// list, each log table and each of its entries, in stored order).
DbError sealJournal(Database &db, const JournalChange &first);

// Every log table of the company (tables with a log's four fields), in the engine's order.
DbResult<QStringList> logTables(Database &db);

// A company without a journal gets one, in one write: the table, and a first row "seal" whose
// after is the digest of every other table, so what was there before is covered from then on.
// A company that has one is left as it is.
DbError startJournal(Database &db);

// Recomputes every row's hash from the row before it and its own content, in stored order, and
// checks that the sequence numbers run 1, 2, 3, ... without a gap. Reads only.
// Each row that keeps the chain is also given to `each`, in order.
DbResult<ChainCheck> verifyChain(Database &db, const std::function<void(const JournalRow &)> &each = {});

} // namespace pw
