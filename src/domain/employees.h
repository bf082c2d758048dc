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
    Blank,        // nothing but blanks (spaces, tabs and the like): a name nobody could pick out
    BadCharacter, // a character that cannot be part of a table name (NUL, a broken surrogate)
    Reserved,     // names beginning with "sqlite_" belong to an SQLite file itself (on any engine)
    TableTaken,   // another table of the file has this name, letter case aside
    TooLongToStore, // longer than some engine stores as a table name (a server: 63 bytes of UTF-8)
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

// Whether a name may be deleted, found out before the user is asked to confirm it.
enum class DeleteRefusal {
    None,
    Manager,        // the built-in account is never deleted
    NotListed,      // no list row has exactly this name
    ListUnreadable, // the list could not be read (error says why)
};
struct DeleteCheck {
    DeleteRefusal refusal = DeleteRefusal::None;
    DbError error;
};
DeleteCheck checkDeletion(Database &db, const QString &name);

// Empties the employee's log table (the table stays) and removes every list row of that exact name,
// in one transaction. A log table that another listed employee also opens (the same name in other
// letter case) is left alone; a missing log table leaves only the list rows to remove.
DbError deleteEmployee(Database &db, const QString &name);

// Writes an employee's wage per hour and notes into the list row (by its key), each exactly as
// typed; a detail given as nothing keeps what is stored. One transaction.
DbError changeEmployeeDetails(Database &db, qint64 row, const std::optional<QString> &wage,
                              const std::optional<QString> &notes);

// Writes the password of the first list row of exactly this name; false when there is none. When
// opensManagement is given, it tells whether the change gave the Manager, who had no password, one:
// the Manager's next logon then opens the management functions.
DbResult<bool> changePassword(Database &db, const QString &name, const QString &password,
                              bool *opensManagement = nullptr);

} // namespace pw
