#include "domain/whosin.h"

#include "db/employeelist.h"
#include "db/logtable.h"
#include "domain/clocking.h"

#include <QSet>

namespace pw::whosin {

DbResult<QList<ClockedIn>> clockedIn(Database &db)
{
    const auto names = EmployeeList(db).names();
    if (!names)
        return names.error();
    QList<ClockedIn> in;
    QSet<QString> seen;
    for (const QString &name : *names) {
        if (seen.contains(name))
            continue;
        seen.insert(name);
        const auto last = LogTable(db, name).last();
        if (!last) {
            if (last.error().number == ErrTableMissing)
                continue;
            return last.error();
        }
        if (clocking::statusOf(*last) == clocking::Status::ClockedIn)
            in.append({name, (*last)->datetime, (*last)->activity});
    }
    return in;
}

} // namespace pw::whosin
