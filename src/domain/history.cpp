#include "domain/history.h"

#include "db/database.h"

#include <algorithm>

namespace pw::history {

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
