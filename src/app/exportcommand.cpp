#include "app/exportcommand.h"

#include "app/commandtext.h"
#include "app/options.h"
#include "db/database.h"
#include "domain/companyclock.h"
#include "domain/historyexport.h"
#include "domain/hoursexport.h"

#include <QDir>

#include <memory>

namespace pw {

namespace {

// The company of the command line, opened only to be read, and the absolute path of the file to
// write; or the line that says why the company cannot be read.
struct ReadCompany {
    std::unique_ptr<Database> db;
    QString file;
    ExportCommandResult refused;
};

ReadCompany openToRead(const CommandLine &line, const QString &folder, const QString &file, CommandText::Export what)
{
    ReadCompany read;
    const CompanyLocation company = chooseLocation(line.database, folder);
    if (!company.ok()) {
        read.refused = {1, CommandText::optionsFault(company.fault)};
        return read;
    }
    // Read as --copy-company reads its source: nothing is ever written to the company.
    auto db = Database::fromLocation(company.location, OpenFor::Reading);
    if (DbError e = db->open()) {
        read.refused = {1, CommandText::exportUnreadable(what, db->location(), e)};
        return read;
    }
    read.db = std::move(db);
    read.file = QDir::cleanPath(QDir(folder).absoluteFilePath(file));
    return read;
}

} // namespace

ExportCommandResult exportHoursCommand(const CommandLine &line, const QString &folder, const Clock &workstation)
{
    constexpr auto kHours = CommandText::Export::Hours;
    const ReadCompany company = openToRead(line, folder, line.exportFile, kHours);
    if (!company.db)
        return company.refused;
    Database &db = *company.db;
    const CompanyClock clock(workstation, db);
    const LocalDateTime now = clock.localNow();
    const hoursexport::Outcome done = hoursexport::exportHours(db, company.file, line.through.value_or(now), now);
    db.close();
    switch (done.status) {
    case hoursexport::Outcome::Saved:
        return {0, CommandText::hoursExported(company.file, done.employees, done.shifts, done.seal)};
    case hoursexport::Outcome::Unreadable:
        return {1, CommandText::exportUnreadable(kHours, db.location(), done.error)};
    case hoursexport::Outcome::NotSaved:
        break;
    }
    return {1, CommandText::exportNotSaved(kHours, company.file, done.why)};
}

ExportCommandResult exportHistoryCommand(const CommandLine &line, const QString &folder)
{
    constexpr auto kHistory = CommandText::Export::History;
    const ReadCompany company = openToRead(line, folder, line.historyFile, kHistory);
    if (!company.db)
        return company.refused;
    Database &db = *company.db;
    const historyexport::Outcome done = historyexport::exportHistory(db, company.file);
    db.close();
    switch (done.status) {
    case historyexport::Outcome::Saved:
        return {0, CommandText::historyExported(company.file, done.seal)};
    case historyexport::Outcome::NotSealed:
        return {1, CommandText::historyNotSealed(done.seal)};
    case historyexport::Outcome::Unreadable:
        return {1, CommandText::exportUnreadable(kHistory, db.location(), done.error)};
    case historyexport::Outcome::NotSaved:
        break;
    }
    return {1, CommandText::exportNotSaved(kHistory, company.file, done.why)};
}

} // namespace pw
