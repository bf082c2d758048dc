#pragma once

#include <QString>

#include <memory>
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

// What exactly went wrong: one reason for each thing the user is told, finer than the number where
// one number stands for several. Each reason has one number (numberOf); the words are composed
// above the storage layer, from the reason and the error's context.
enum class DbReason {
    None,

    // An SQLite file, looked at before SQLite opens it, made or moved.
    FileMissing,       // no file at the path
    FileIsFolder,
    FileUnreadable,    // engineText: the system's reason
    FileEmpty,
    FileIsAccess,      // an Access-format file where an SQLite file belongs
    NotADatabase,      // not an SQLite file (also SQLite's own SQLITE_NOTADB)
    FileCutShort,
    FileExists,        // the delivered file is not made over another
    FileNotPutInPlace, // the delivered file, made under a temporary name, could not take its name
    FileMoved,         // location: the open file was moved or deleted under the program
    FolderNotWritable, // file: the folder where a new file was to be made; engineText: the system's reason
    DamageFound,       // engineText: what SQLite's check found

    // SQLite's result codes.
    FileInUse,
    FileReadOnly,
    FileFull,
    FileDamaged,
    FileCannotOpen,
    DiskIo,
    TableMissing, // engineText: the engine's words naming the table (also a server's 42P01)
    EngineError,  // engineText: the engine's words, when it gave any

    // Any engine.
    NotOpen,        // a raw scan on a closed connection
    DriverMissing,  // value: the Qt SQL driver's name
    CannotOpen,     // the driver could not open the connection and gave no reason
    NotACompany,    // table: the company's table that is missing
    WriteNotBegun,  // a commit of a write that never began
    CommitUncertain, // cause: the connection ended during the commit: stored or not, nobody knows

    // A database on a server. location: the server's database.
    AddressUnusable,   // detail: an AddressFault
    AddressRefused,    // engineText: libpq's words on the connection parameters
    ServerCannotOpen,
    NoCompanyThere,
    CompanyThere,
    ServerTooOld,      // amount: the server's major version
    ConnectionNotOpen,
    NoSuchDatabase,
    LoginRefused,      // engineText
    ConnectTimeout,    // seconds
    ServerUnreachable, // engineText
    ConnectionLost,    // no answer in the middle of an action
    ConnectionEnded,   // engineText: the server stopped or ended the connection
    LockTimeout,       // seconds: another workstation held the data that long
    StatementTimeout,  // seconds
    NoAnswer,          // seconds: the server said nothing that long, and the connection was given up
    TableNotOnServer,  // table
    NotPermitted,      // engineText
    ServerReadOnly,    // engineText
    ServerFull,        // engineText
    ValueRefused,      // engineText
    ServerDamaged,     // engineText
    ServerIo,          // engineText
    EarlierStepFailed, // the transaction was aborted by a step before
    ServerError,       // engineText: the server's words, when it gave any

    // A copy of a company.
    CopyRefused,       // detail: a CopyRefusal, with its table, field, row and counts
    CopyTableFailed,   // table: the table being copied; cause: what failed
    CopySourceNotOpen,

    // Record sets and the views over them.
    ViewNotOpen,
    NoCurrentRecord,
    NoSuchField, // field

    // What a count or an edit found. table: the employee's log; value: the text concerned.
    UnreadableDateTime, // amount: the shifts left out
    WageNotANumber,
    WageTooLarge,
    NotADateTime,
    // A corrected date and time that would put the entry out of order. value: the new date-time,
    // otherValue: the neighbour's (both as stored); amount: -1 when it would come before the entry
    // it follows, 1 when after the entry that follows it.
    EntryOutOfOrder,

    // An Access-format (Jet) company file. file: the old file's path.
    AccessCannotOpen,      // engineText: the system's reason, when it gave one
    AccessNotAccess,
    AccessUnknownVersion,  // amount: the version byte
    AccessPassword,
    AccessDamaged,         // detail: a JetDamage, with its table, row, field and counts
    AccessNoSuchTable,     // table
    AccessDateOutOfRange,  // row, table, field; engineText: the stored number
    AccessUnreadableType,  // table, field; amount: libmdb's type code
    AccessNoEmployeeList,
    AccessNoNameField,     // table: the employee list
    AccessBinaryValue,     // row, table, field
    AccessCancelled,
    // Bringing it over. location: the new company's file.
    AccessBusy,            // file: the lock file another program holds
    AccessFolderNotWritable,
    AccessTargetExists,
    AccessNotNamed,        // engineText: the system's reason
    AccessNotKept,         // file: where the old file was to be kept; engineText: the system's reason
    AccessNotMade,         // cause: why the new company could not be made in location
};
// The last reason above; a new one goes before it, or becomes it.
inline constexpr DbReason kLastDbReason = DbReason::AccessNotMade;

// Why the address of a server cannot be used.
enum class AddressFault {
    NotPostgres,      // engineText: the scheme it names instead
    HoldsPassword,
    UnknownParameter, // field: the parameter
    Semicolon,        // field: the parameter whose value holds one
    Malformed,        // it begins as a server's address but is not one
    HoldsSecret,      // field: the secret parameter (other than the password)
};

// Why a copy of a company was refused or undone.
enum class CopyRefusal {
    SameSourceAndTarget,
    CompanyThere,     // location, table: the target's company table
    NoFields,         // table
    NameNotHeld,      // table: a name the target cannot hold
    SecondName,       // table: the second table of this name, letter case aside
    ReservedField,    // table, field
    TablesDiffer,
    FieldsDiffer,     // table
    RowCountDiffers,  // table; amount: rows in the source; otherAmount: rows in the target
    RowDiffers,       // table, row
    TargetMadeMeanwhile, // location: a file of the target's name appeared while the copy wrote its own
    TextNotUtf8,      // table, row, field: stored bytes that are not UTF-8 text
    TextHoldsNul,     // table, row, field: a text holding a NUL character
    NameNotMovable,   // table: a name brought in that some engine cannot hold
};
// The last refusal above; a new one goes before it, or becomes it.
inline constexpr CopyRefusal kLastCopyRefusal = CopyRefusal::NameNotMovable;

// What is damaged in an Access-format file.
enum class JetDamage {
    NotWholePages,        // amount: the file's bytes; otherAmount: the bytes of a page
    TooShortForCatalog,   // amount: the file's bytes
    CatalogUnreadable,
    DefinitionUnreadable, // table
    RowNotFound,          // table, row
    RowNotTakenApart,     // table, row
    ValueDamaged,         // table, row, field
    LongValueDamaged,     // table, row, field
    RowsLost,             // table; amount: rows the definition counts; otherAmount: rows read
};

// Where a company is kept: an SQLite file, or a database on a PostgreSQL server. Only the parts;
// the words for it are composed where messages are.
struct Location {
    QString file;     // an SQLite file's absolute path; empty for a server
    bool server = false;
    QString database; // empty: the server's default database
    QString host;     // a name, an address, or the folder of a socket; empty: this computer's server
    QString port;
    QString service;  // the service-file entry that names the server, when the host is not given

    static Location ofFile(const QString &path) { return {path, false, {}, {}, {}, {}}; }
    friend bool operator==(const Location &, const Location &) = default;
};

// A failure, as a reason and its context; never words for the user.
struct DbError {
    int number = ErrNone;
    DbReason reason = DbReason::None;
    std::variant<std::monostate, AddressFault, CopyRefusal, JetDamage> detail;

    Location location; // the company the failure is about, when the reason names it
    QString table;
    QString field;     // a field, a column, or a connection parameter
    QString file;      // a file other than the company's: an Access-format file, a lock file, a folder
    QString value;     // a value concerned, as typed or stored
    QString otherValue; // a second value the reason names
    qint64 row = 0;    // counted from 1
    qint64 amount = 0, otherAmount = 0; // the counts a reason names (see there)
    double seconds = 0;
    int engineCode = 0; // the storage engine's own code behind it (SQLite's primary result code, or
                        // PostgreSQL's SQLSTATE read as base-36 digits), 0 if none
    QString engineText; // the engine's (or the system's) own words, first line only
    std::shared_ptr<const DbError> cause; // what a failure of a wider step came from

    bool isError() const { return number != ErrNone; }
    explicit operator bool() const { return isError(); }

    static DbError of(DbReason reason);
    // A failure of a wider step that keeps the number of what caused it.
    static DbError around(DbReason reason, const DbError &cause);
    DbError &at(const Location &where) { location = where; return *this; }
    DbError &inTable(const QString &name) { table = name; return *this; }
    DbError &inField(const QString &name) { field = name; return *this; }
    DbError &inRow(qint64 r) { row = r; return *this; }
    DbError &aboutFile(const QString &path) { file = path; return *this; }
    DbError &withValue(const QString &text) { value = text; return *this; }
    DbError &withOtherValue(const QString &text) { otherValue = text; return *this; }
    DbError &withAmounts(qint64 first, qint64 second = 0) { amount = first; otherAmount = second; return *this; }
    DbError &after(double s) { seconds = s; return *this; }
    DbError &saying(const QString &text) { engineText = text; return *this; }
    template <typename Detail>
    DbError &because(Detail d) { detail = d; return *this; }
};

// The number the user is told for a reason.
int numberOf(DbReason reason);

inline DbError DbError::of(DbReason reason)
{
    DbError e;
    e.number = numberOf(reason);
    e.reason = reason;
    return e;
}

inline DbError DbError::around(DbReason reason, const DbError &cause)
{
    DbError e;
    e.number = cause.number;
    e.reason = reason;
    e.cause = std::make_shared<const DbError>(cause);
    return e;
}

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
