#pragma once

#include "db/dberror.h"
#include "db/employeelist.h"
#include "domain/employeename.h"

#include <QString>

#include <optional>

namespace pw {

class Database;

// The built-in account: it cannot be deleted, and a password logon opens the management functions
// to it. Names are compared exactly, so "manager" is an ordinary employee.
inline const QString kManager = QStringLiteral("Manager");
bool isManager(const QString &name);

// Every listed name, in stored order.
DbResult<QStringList> employeeNames(Database &db);

// The first list row of exactly this name.
DbResult<std::optional<Employee>> findEmployee(Database &db, const QString &name);

// What the logon needs to know of a name.
struct LogonCandidate {
    bool listed = false;  // a list row has exactly this name
    bool hasLog = false;  // and its time log exists
    DbError logError;     // whether the log exists could not be found out
    QString password;     // empty: none (an empty text and a Null alike)
    QString wage;         // the wage per hour, as stored
};
DbResult<LogonCandidate> findForLogon(Database &db, const QString &name);

// What the add dialog collects, exactly as typed.
struct NewEmployee {
    QString name, wage, password, comment;
};

// Why a new employee's name is refused; nothing is stored for any of them.
enum class AddRefusal {
    None,
    TooLong,      // more than kMaxEmployeeName characters
    Exists,       // a listed employee has exactly this name
    Empty,        // no name at all
    BadCharacter, // a character that cannot be part of a table name (NUL, a broken surrogate)
    Reserved,     // names beginning with "sqlite_" belong to the database itself
    TableTaken,   // another table of the file has this name, letter case aside
    TooLongToStore, // longer than the company's database stores as a table name
};

struct AddResult {
    AddRefusal refusal = AddRefusal::None;
    DbError error;          // the database failed; nothing was stored
    bool reusedLog = false; // the kept, emptied log of a deleted employee of this name serves again

    bool added() const { return refusal == AddRefusal::None && !error; }
};

// Tests the name, then stores the list row and makes the employee's log table (or takes over a
// kept, emptied one) in one transaction: both are stored, or neither.
AddResult addEmployee(Database &db, const NewEmployee &employee);

// Empties the employee's log table (the table stays) and removes every list row of that exact name,
// in one transaction. A log table that another listed employee also opens (the same name in other
// letter case) is left alone; a missing log table leaves only the list rows to remove.
DbError deleteEmployee(Database &db, const QString &name);

// Writes the password of the first list row of exactly this name; false when there is none.
DbResult<bool> changePassword(Database &db, const QString &name, const QString &password);

} // namespace pw
