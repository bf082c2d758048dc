#include "app/exportcommand.h"

#include "app/commandtext.h"
#include "app/options.h"
#include "db/database.h"
#include "domain/companyclock.h"
#include "domain/hoursexport.h"

#include <QDir>

namespace pw {

ExportCommandResult exportHoursCommand(const CommandLine &line, const QString &folder, const Clock &workstation)
{
    const CompanyLocation company = chooseLocation(line.database, folder);
    if (!company.ok())
        return {1, CommandText::optionsFault(company.fault)};
    // Read as --copy-company reads its source: nothing is ever written to the company.
    const auto db = Database::fromLocation(company.location, OpenFor::Reading);
    if (DbError e = db->open())
        return {1, CommandText::exportUnreadable(db->location(), e)};
    const CompanyClock clock(workstation, *db);
    const LocalDateTime now = clock.localNow();
    const QString file = QDir::cleanPath(QDir(folder).absoluteFilePath(line.exportFile));
    const hoursexport::Outcome done = hoursexport::exportHours(*db, file, line.through.value_or(now), now);
    db->close();
    switch (done.status) {
    case hoursexport::Outcome::Saved:
        return {0, CommandText::hoursExported(file, done.employees, done.shifts)};
    case hoursexport::Outcome::Unreadable:
        return {1, CommandText::exportUnreadable(db->location(), done.error)};
    case hoursexport::Outcome::NotSaved:
        break;
    }
    return {1, CommandText::exportNotSaved(file, done.why)};
}

} // namespace pw
