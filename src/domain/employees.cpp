// The administration procedures: adding and deleting employees, changing passwords.
#include "domain/employees.h"

#include "domain/employeename.h"
#include "domain/clearing.h"
#include "domain/journaling.h"

#include "db/database.h"
#include "db/employeelist.h"
#include "db/logtable.h"

namespace pw {

namespace {

AddResult refused(AddRefusal why)
{
    AddResult r;
    r.refusal = why;
    return r;
}

AddResult failed(const DbError &error)
{
    AddResult r;
    r.error = error;
    return r;
}

} // namespace

AddResult addEmployee(Database &db, const NewEmployee &employee)
{
    const QString &name = employee.name;
    const NameFaults faults = employeeNameFaults(name);
    if (faults.tooLong)
        return refused(AddRefusal::TooLong);

    // Every test and both writes happen under the write lock, so nothing changes in between.
    Database::Transaction t(db);
    if (!t.ok())
        return failed(t.beginError());

    // A name no table can bear is never sent to the database, not even to look it up: a server
    // cannot take a NUL in a value at all. (An empty name holds no bad character.)
    if (faults.badCharacter)
        return refused(AddRefusal::BadCharacter);
    EmployeeList list(db);
    auto existing = list.find(name);
    if (!existing)
        return failed(existing.error());
    if (existing->has_value())
        return refused(AddRefusal::Exists);
    if (faults.empty)
        return refused(AddRefusal::Empty);
    // Blanks around a name are kept as typed; a name of blanks alone is none.
    if (name.trimmed().isEmpty())
        return refused(AddRefusal::Blank);
    // Every engine's rules, not only this one's: the company must be able to move to the other.
    if (Engine::anyEngineReserves(name))
        return refused(AddRefusal::Reserved);
    if (!Engine::everyEngineHolds(name))
        return refused(AddRefusal::TooLongToStore);
    auto use = list.logNameUse(name);
    if (!use)
        return failed(use.error());
    if (*use == EmployeeList::LogName::Taken)
        return refused(AddRefusal::TableTaken);

    if (DbError e = list.append(name, employee.wage, employee.password, employee.comment))
        return failed(e);
    AddResult result;
    result.reusedLog = *use == EmployeeList::LogName::KeptLog;
    if (!result.reusedLog) {
        if (DbError e = LogTable(db, name).create())
            return failed(e);
    }
    // The row as the engine stored it (an engine may keep an empty text as Null).
    const auto stored = list.find(name);
    if (!stored)
        return failed(stored.error());
    const QString details = *stored ? journaling::detailsText((**stored).wage, (**stored).comment)
                                    : journaling::detailsText(employee.wage, employee.comment);
    if (DbError e = journaling::record(db, journaling::kAddEmployee, name, std::nullopt, details))
        return failed(e);
    if (DbError e = t.commit())
        return failed(e);
    return result;
}

DeleteCheck checkDeletion(Database &db, const QString &name)
{
    if (isManager(name))
        return {DeleteRefusal::Manager, {}};
    const auto listed = EmployeeList(db).find(name);
    if (!listed)
        return {DeleteRefusal::ListUnreadable, listed.error()};
    if (!listed->has_value())
        return {DeleteRefusal::NotListed, {}};
    return {};
}

DbError deleteEmployee(Database &db, const QString &name)
{
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    EmployeeList list(db);
    // Only a time log is emptied: a listed name that is the settings' or the list's own table in
    // other letter case (possible in files from earlier versions) leaves that table alone.
    LogTable log(db, name);
    auto isLog = list.isLogTable(name);
    if (!isLog)
        return isLog.error();
    if (*isLog) {
        auto shared = list.sharesLogWithOthers(name);
        if (!shared)
            return shared.error();
        if (!*shared) {
            if (DbError e = clearing::recordRemovedEntries(db, name, journaling::kRemoveEntry))
                return e;
            if (DbError e = log.deleteAll())
                return e;
        }
    }
    auto listed = list.find(name);
    if (!listed)
        return listed.error();
    auto removed = list.remove(name);
    if (!removed)
        return removed.error();
    const std::optional<QString> details =
        *listed ? std::optional<QString>(journaling::detailsText((**listed).wage, (**listed).comment)) : std::nullopt;
    if (DbError e = journaling::record(db, journaling::kDeleteEmployee, name, details))
        return e;
    return t.commit();
}

bool isManager(const QString &name)
{
    return name == kManager;
}

DbResult<QStringList> employeeNames(Database &db)
{
    return EmployeeList(db).names();
}

DbResult<std::optional<Employee>> findEmployee(Database &db, const QString &name)
{
    return EmployeeList(db).find(name);
}

DbError changeEmployeeDetails(Database &db, qint64 row, const std::optional<QString> &wage,
                              const std::optional<QString> &notes)
{
    if (!wage && !notes)
        return {};
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    EmployeeList list(db);
    const auto was = list.at(row);
    if (!was)
        return was.error();
    if (DbError e = list.setDetails(row, wage, notes))
        return e;
    if (*was) {
        const Employee &before = **was;
        // The values as the engine stored them (an engine may keep an empty text as Null).
        const auto now = list.at(row);
        if (!now)
            return now.error();
        const Employee after = now->value_or(before);
        if (wage)
            if (DbError e = journaling::record(db, journaling::kWage, before.name, journaling::valueText(before.wage),
                                               journaling::valueText(after.wage)))
                return e;
        if (notes)
            if (DbError e = journaling::record(db, journaling::kNote, before.name, journaling::valueText(before.comment),
                                               journaling::valueText(after.comment)))
                return e;
    }
    return t.commit();
}

DbResult<bool> changePassword(Database &db, const QString &name, const QString &password, bool *opensManagement)
{
    if (opensManagement)
        *opensManagement = false;
    Database::Transaction t(db);
    if (!t.ok())
        return t.beginError();
    EmployeeList list(db);
    // The row as it was, read inside the write: had the Manager a password until now?
    const auto before = list.find(name);
    if (!before)
        return before.error();
    auto found = list.setPassword(name, password);
    if (!found || !*found)
        return found;
    // That it changed, never what it is.
    if (DbError e = journaling::record(db, journaling::kPassword, name))
        return e;
    if (DbError e = t.commit())
        return e;
    if (opensManagement)
        *opensManagement = isManager(name) && *before && (**before).storedPassword().isEmpty() && !password.isEmpty();
    return true;
}

} // namespace pw
