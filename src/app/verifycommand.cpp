#include "app/verifycommand.h"

#include "app/commandtext.h"
#include "app/options.h"
#include "db/database.h"
#include "domain/recordcheck.h"

namespace pw {

VerifyCommandResult verifyRecordsCommand(const CommandLine &line, const QString &folder)
{
    const CompanyLocation company = chooseLocation(line.database, folder);
    if (!company.ok())
        return {1, CommandText::optionsFault(company.fault)};
    // Read as --copy-company reads its source: nothing is ever written to the company.
    const auto db = Database::fromLocation(company.location, OpenFor::Reading);
    if (DbError e = db->open())
        return {1, CommandText::verifyUnreadable(db->location(), e)};
    const auto check = verifyRecords(*db, line.seal);
    db->close();
    if (!check)
        return {1, CommandText::verifyUnreadable(db->location(), check.error())};
    if (!check->verified())
        return {1, CommandText::recordsNotVerified(*check)};
    return {0, CommandText::recordsVerified(*check)};
}

} // namespace pw
