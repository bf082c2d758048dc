#pragma once

#include "db/dberror.h"
#include "db/journal.h"

#include <QList>
#include <QString>

namespace pw {

class Database;

// The journal of changes as people read it.
namespace history {

// The journal rows of one employee (whose employee field is exactly that name), newest first;
// none for a company without a journal. Reads only.
DbResult<QList<JournalRow>> employeeRows(Database &db, const QString &employee);

} // namespace history
} // namespace pw
