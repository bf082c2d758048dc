#pragma once

#include "db/dberror.h"
#include "db/journal.h"

#include <QList>
#include <QString>

namespace pw {

class Database;
struct ChainCheck;

// The journal of changes as people read it: one employee's changes, and the seal that shows the
// records were not rewritten.
namespace history {

// What the journal says of the records, for the line that reports an export.
struct Seal {
    enum Status {
        Sealed,    // the chain is whole: digits holds the seal
        NoJournal, // the company has no journal yet, or one without rows
        Broken,    // a row breaks the chain: brokenAt is its position (1 for the first row)
    } status = NoJournal;
    QString digits;
    qint64 rows = 0; // the rows the seal covers
    qint64 brokenAt = 0;
};

// What a walk through the chain found, as a seal.
Seal sealOf(const ChainCheck &check);
// Walks the chain (reading only) for the records' seal.
DbResult<Seal> readSeal(Database &db);

// The journal rows of one employee (whose employee field is exactly that name), newest first;
// none for a company without a journal. Reads only.
DbResult<QList<JournalRow>> employeeRows(Database &db, const QString &employee);

} // namespace history
} // namespace pw
