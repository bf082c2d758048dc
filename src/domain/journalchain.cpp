#include "domain/journalchain.h"

#include "db/database.h"
#include "db/journal.h"

namespace pw {

DbResult<ChainCheck> verifyChain(Database &db)
{
    Journal journal(db);
    ChainCheck check;
    const auto exists = journal.exists();
    if (!exists)
        return exists.error();
    check.present = *exists;
    if (!check.present)
        return check;
    std::optional<QByteArray> previous;
    // A broken row stops the walk with an error of its own, which is not reported as one.
    const DbError e = journal.walk([&](const JournalRow &row) -> DbError {
        ++check.rows;
        if (row.entry.sequence != check.rows || row.hash != journalHash(previous, row.entry)) {
            check.brokenAt = check.rows;
            return DbError::of(DbReason::EngineError);
        }
        previous = row.hash;
        return {};
    });
    if (e && !check.brokenAt)
        return e;
    check.lastHash = previous.value_or(QByteArray());
    if (check.brokenAt)
        check.lastHash.clear();
    return check;
}

} // namespace pw
