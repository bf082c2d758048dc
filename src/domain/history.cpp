#include "domain/history.h"

#include "db/database.h"
#include "domain/journalchain.h"

#include <algorithm>

namespace pw::history {

Seal sealOf(const ChainCheck &check)
{
    Seal seal;
    if (!check.present || check.rows == 0)
        return seal;
    seal.rows = check.rows;
    if (!check.whole()) {
        seal.status = Seal::Broken;
        seal.brokenAt = check.brokenAt.value_or(0);
        return seal;
    }
    seal.status = Seal::Sealed;
    seal.digits = check.seal();
    return seal;
}

DbResult<Seal> readSeal(Database &db)
{
    const auto check = verifyChain(db);
    if (!check)
        return check.error();
    return sealOf(*check);
}

DbResult<QList<JournalRow>> employeeRows(Database &db, const QString &employee)
{
    Journal journal(db);
    const auto exists = journal.exists();
    if (!exists)
        return exists.error();
    QList<JournalRow> rows;
    if (!*exists)
        return rows;
    if (DbError e = journal.walk([&](const JournalRow &row) -> DbError {
            if (row.entry.employee && *row.entry.employee == employee)
                rows.append(row);
            return {};
        }))
        return e;
    std::reverse(rows.begin(), rows.end());
    return rows;
}

} // namespace pw::history
