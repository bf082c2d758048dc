#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace pw {

// Error numbers that the program reports to the user, so a message can be quoted on the phone.
enum ErrorNumber : int {
    ErrNone = 0,
    ErrGeneral = 3000,         // any other database failure
    ErrFileNotFound = 3024,    // "Employee.mdb" is not there
    ErrDiskFull = 3026,        // the disk or the database file is full
    ErrReadOnly = 3027,        // the file cannot be written
    ErrIo = 3043,              // the disk could not be read or written
    ErrDamaged = 3049,         // the file is damaged
    ErrCannotOpen = 3051,      // the file cannot be opened or read
    ErrTableMissing = 3078,    // a table (an employee's log) does not exist
    ErrInUse = 3260,           // another program holds the file
    ErrNotADatabase = 3343,    // the file is not an SQLite database
    ErrNotPunchwell = 3344,    // an SQLite file without the company tables
    ErrUnreadableDateTime = 3421, // a stored entry whose date-time cannot be read
    ErrWageNotANumber = 3423,  // a wage per hour that is not a number
    ErrRefusedValue = 3426,    // a typed value the bound view refused (not a date and time)
    ErrBadName = 3125,         // a name that cannot be used as a table name
    // A company on a database server:
    ErrLoginRefused = 3029,    // the server refused the user name or the password
    ErrNoSuchDatabase = 3044,  // the server has no database of that name
    ErrConnectionLost = 3146,  // the connection to the server ended during an action
    ErrServerUnreachable = 3151, // the server cannot be reached (down, wrong address, no network)
    ErrTimeout = 3234,         // the server did not finish a statement in time
};

struct DbError {
    int number = ErrNone;
    QString description; // plain words for the user
    int engineCode = 0;  // the storage engine's own code behind it (SQLite's primary result code, or
                         // PostgreSQL's SQLSTATE read as base-36 digits), 0 if none

    bool isError() const { return number != ErrNone; }
    explicit operator bool() const { return isError(); }

    // The description and the number, as every box that reports a failure shows them:
    // "the database file is damaged (error 3049)".
    QString text() const { return QStringLiteral("%1 (error %2)").arg(description).arg(number); }

    static DbError make(int number, QString description) { return {number, std::move(description), 0}; }
};

// A value or the error that prevented it.
template <typename T>
class DbResult {
public:
    DbResult(T value) : m_v(std::move(value)) {}
    DbResult(DbError error) : m_v(std::move(error)) {}

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T &value() const { return std::get<0>(m_v); }
    T &value() { return std::get<0>(m_v); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    const DbError &error() const { return std::get<1>(m_v); }

private:
    std::variant<T, DbError> m_v;
};

} // namespace pw
