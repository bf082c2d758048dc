#include "domain/journalchain.h"

#include "db/database.h"
#include "db/companydata.h"
#include "db/employeelist.h"
#include "db/journal.h"
#include "db/logtable.h"
#include "db/schema.h"
#include "domain/journaling.h"

namespace pw {

namespace {

bool isJournalOrListed(const QString &table)
{
    return sameAsciiName(table, kJournalTable) || sameAsciiName(table, kSettingsTable)
           || sameAsciiName(table, kEmployeeListTable);
}

} // namespace

DbResult<QStringList> logTables(Database &db)
{
    auto tables = db.tableNames();
    if (!tables)
        return tables.error();
    EmployeeList list(db);
    QStringList logs;
    for (const QString &table : std::as_const(*tables)) {
        if (isJournalOrListed(table))
            continue;
        const auto isLog = list.isLogTable(table);
        if (!isLog)
            return isLog.error();
        if (*isLog)
            logs << table;
    }
    return logs;
}

DbError sealJournal(Database &db, const JournalChange &first)
{
    Journal journal(db);
    if (DbError e = journal.create())
        return e;
    QList<JournalChange> found{first};
    const auto settings = CompanyData(db).rows();
    if (!settings)
        return settings.error();
    for (const QVariantList &row : *settings)
        found.append({journaling::kFoundSettings, std::nullopt, std::nullopt, journaling::settingsText(row)});
    const auto employees = EmployeeList(db).all();
    if (!employees)
        return employees.error();
    for (const Employee &e : *employees)
        found.append({journaling::kFoundEmployee, e.name, std::nullopt, journaling::detailsText(e.wage, e.comment)});
    const auto logs = logTables(db);
    if (!logs)
        return logs.error();
    for (const QString &table : *logs) {
        found.append({journaling::kFoundLog, table, std::nullopt, std::nullopt});
        if (DbError e = LogTable(db, table).forEachEntry([&](const LogEntry &entry) {
                found.append({journaling::kFoundEntry, table, std::nullopt, journaling::entryText(entry)});
            }))
            return e;
    }
    return journal.recordAll(found);
}

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
    // Nobody is logged on yet: the program itself opens the journal.
    const QString who = db.journalActor().who;
    if (who.isEmpty())
        db.setJournalWho(QStringLiteral("Punchwell"));
    DbError e = sealJournal(db, {journaling::kSeal, std::nullopt, std::nullopt, QString::fromLatin1(*digest)});
    db.setJournalWho(who);
    if (!e)
        e = write.commit();
    if (e)
        db.noteJournal(std::nullopt); // the table may have gone with the write
    return e;
}

DbResult<ChainCheck> verifyChain(Database &db, const std::function<void(const JournalRow &)> &each)
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
    const DbError e = journal.walkStored([&](const StoredJournalRow &row) -> DbError {
        ++check.rows;
        if (row.sequence() != check.rows || !row.follows(previous)) {
            check.brokenAt = check.rows;
            return DbError::of(DbReason::EngineError);
        }
        previous = row.hash().toByteArray();
        if (each)
            each(row.row());
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
