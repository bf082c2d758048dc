#include "domain/openshift.h"

#include "db/logtable.h"
#include "domain/clocking.h"

namespace pw::openshift {

DbResult<std::optional<LocalDateTime>> forgottenSince(Database &db, const QString &name, const LocalDateTime &now)
{
    const auto last = LogTable(db, name).last();
    if (!last)
        return last.error();
    if (clocking::statusOf(*last) != clocking::Status::ClockedIn)
        return std::optional<LocalDateTime>();
    const std::optional<LocalDateTime> since = (*last)->when();
    if (!since || now.seconds() - since->seconds() <= kForgottenAfterSeconds)
        return std::optional<LocalDateTime>();
    return since;
}

} // namespace pw::openshift
