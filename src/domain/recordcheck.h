#pragma once

#include "db/dberror.h"

#include <QString>

#include <optional>

namespace pw {

class Database;

// The first place where what is stored is not what the journal says it must be.
struct RecordDifference {
    enum class Where {
        Settings,     // a row of "Company Data"
        EmployeeList, // a row of the employee list, its password aside
        Log,          // an employee's log: an entry, or the table itself (item 0)
    };
    Where where = Where::Log;
    QString log;                     // the log's name, for a log
    qint64 item = 0;                 // the row or entry, 1 for the first
    std::optional<QString> stored;   // as the journal writes it; nothing when there is none
    std::optional<QString> journal;  // what the journal says; nothing when it has none
};

// What checking a company's records found.
struct RecordCheck {
    enum class Outcome {
        Verified,      // the chain is whole, and every record is what it says
        NoJournal,     // the company has no journal yet
        ChainBroken,   // row `row` of the journal breaks the chain
        Contradicted,  // row `row` of the journal does not fit the records the rows before it made
        Differs,       // the records differ from the journal: `difference`
        SealNotFound,  // the noted seal is not one of the chain's own
    };
    Outcome outcome = Outcome::Verified;
    qint64 rows = 0;     // journal rows walked
    qint64 row = 0;      // the journal row concerned
    QString seal;        // the current seal, when the chain is whole
    RecordDifference difference;

    bool verified() const { return outcome == Outcome::Verified; }
};

// Walks the journal once: checks its chain, replays every row from the first (what the company held
// when the journal began, then each change) and compares the result with the company's "Company
// Data", employee list (passwords aside) and every log table. With a noted seal, also checks that
// some row of the chain bears it (the first 16 hex digits of its hash, letter case aside). Reads only.
DbResult<RecordCheck> verifyRecords(Database &db, const std::optional<QString> &notedSeal = std::nullopt);

} // namespace pw
