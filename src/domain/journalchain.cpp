#include "domain/journalchain.h"

#include "db/database.h"
#include "db/journal.h"
#include "domain/journaling.h"

namespace pw {

DbError startJournal(Database &db)
{
    Journal journal(db);
    const auto exists = journal.exists();
    if (!exists || *exists)
        return exists ? DbError() : exists.error();
    Database::Transaction write(db);
    if (!write.ok())
        return write.beginError();
    // Looked at again inside the write: another workstation may have made it meanwhile.
    const auto made = journal.exists();
    if (!made)
        return made.error();
    if (*made)
        return {};
    const auto digest = companyDigest(db);
    if (!digest)
        return digest.error();
    DbError e = journal.create();
    if (!e)
        e = journal.record({journaling::kSeal, std::nullopt, std::nullopt, QString::fromLatin1(*digest)});
    if (!e)
        e = write.commit();
    if (e)
        db.noteJournal(std::nullopt); // the table may have gone with the write
    return e;
}

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
