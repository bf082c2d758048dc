#pragma once

#include "db/dberror.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

namespace pw {

// What one statement gave back: the names of its columns (known also when no row came), its rows
// with each value as a QVariant (a stored Null is a null QVariant of the column's type), and how
// many rows a change touched.
struct Rows {
    QStringList columns;
    QList<QVariantList> rows;
    qint64 changed = 0;

    bool isEmpty() const { return rows.isEmpty(); }
    qsizetype size() const { return rows.size(); }
    // A value; an invalid QVariant past the last row.
    QVariant value(qsizetype row, int column) const
    {
        return row < rows.size() && column < rows[row].size() ? rows[row][column] : QVariant();
    }
    // One column of every row, as text.
    QStringList texts(int column = 0) const
    {
        QStringList out;
        out.reserve(rows.size());
        for (const QVariantList &row : rows)
            out << row.value(column).toString();
        return out;
    }
};

// Takes the rows of a statement one at a time; an error stops the walk and is its result.
using RowHandler = std::function<DbError(const QVariantList &)>;

// What a company is opened for: to use it, or only to read it (the source of a copy), when nothing
// may be written to the file or made beside it, not even a setting of the engine.
enum class OpenFor { Use, Reading };

// One row of a raw scan: each column's stored bytes, read without a QVariant or QString per value.
class RawRow {
public:
    virtual bool isNull(int column) const = 0;
    // The column as UTF-8 text; valid until the scan moves on.
    virtual QByteArrayView text(int column) const = 0;
    virtual qint64 integer(int column) const = 0;
    // Whether the value is stored as text: not a Null, a number or bytes. A server sends every value
    // as its text.
    virtual bool isText(int column) const = 0;
    // The value as a statement's rows give it (Rows), for one whose stored bytes do not say all of
    // it: a number kept in a text field, or text that is not ASCII. From a server, its text.
    virtual QVariant value(int column) const = 0;

protected:
    ~RawRow() = default;
};

// An object of the company's storage that bears a name: a table, an index, a view.
struct NamedObject {
    QString type; // "table", "index", "view", ...
    QString name; // as stored
};

// What a field holds, as far as copying a company from one engine to another needs to know.
enum class FieldKind {
    Text,     // size characters at most, or any length when size is 0
    SmallInt, // 16 bits (the switches)
    Integer,  // 64 bits
    Real,
    DateTime, // a local date and time to the second, read as "YYYY-MM-DD HH:MM:SS"
    Binary,
};

struct FieldInfo {
    QString name;
    FieldKind kind = FieldKind::Text;
    int size = 0;

    friend bool operator==(const FieldInfo &, const FieldInfo &) = default;
};

// Appends rows to one table inside a write under way, faster than one statement at a time.
class RowAppender {
public:
    virtual ~RowAppender() = default;
    // The row's values in the order of the fields the appender was made for. A row may wait to be
    // written with the next ones; an error may come from an earlier row.
    virtual DbError append(const QVariantList &row) = 0;
    // Writes every row that waits.
    virtual DbError finish() = 0;
};

// What is particular to one storage engine. The tables of the company (db/*.cpp) say everything
// else once, for every engine, and ask the engine for these.
class Engine {
public:
    using RowVisitor = std::function<void(const RawRow &)>;

    virtual ~Engine() = default;

    // The engine for a company's location: a postgresql:// or postgres:// URI names a database on
    // a PostgreSQL server, anything else is the path of an SQLite file.
    static std::unique_ptr<Engine> forLocation(const QString &location, OpenFor use = OpenFor::Use);

    // Where the company is: a file's full path, or a database on a server.
    virtual Location location() const = 0;
    // Whether the company is a database on a server rather than a file of this computer.
    virtual bool isServer() const = 0;
    // Whether the company can be opened, without opening it; ErrFileNotFound when there is none.
    virtual DbError check() const = 0;
    // Makes the delivered company where there is none yet.
    virtual DbError createCompany() = 0;
    // After a failed copy into a place that held no company: removes what opening it made there
    // (the file SQLite makes on opening). A server's database is left to its owner.
    virtual void removeEmptyPlace() = 0;

    // The connection, which the engine owns. connect() makes it and runs what every new connection
    // needs before anything is read (settings, a check of the server's version); a failure leaves it
    // closed. disconnect() ends it, if there is one.
    virtual DbError connect() = 0;
    virtual void disconnect() = 0;
    virtual bool isConnected() const = 0;

    // Runs one statement on the connection, each "?" a bound value; without values the text is sent
    // as it is. The rows come into rows, or one by one to each when given (then not kept).
    // ErrConnectionLost tells the Database that the connection is gone and must be made again.
    virtual DbError run(const QString &statement, const QVariantList &values, Rows &rows,
                        const RowHandler &each = {}) = 0;

    virtual DbError verify() = 0;
    virtual DbError checkInPlace() = 0;

    // The statement that begins a write with the write lock taken.
    virtual QString beginWrite() const = 0;
    // The statement that keeps every other writer off one table (named by its quoted stored name)
    // until the write ends; empty when beginWrite() keeps them off the whole company already.
    virtual QString lockTable(const QString &quotedName) const = 0;
    // The same for a table whose writers may only add rows (the journal): the lock asks for no
    // more right than adding them.
    virtual QString lockAppendOnly(const QString &quotedName) const { return lockTable(quotedName); }

    // The column that gives a table's stored order, and the columns the engine keeps for itself
    // (no window shows them).
    virtual QString orderKey() const = 0;
    virtual QStringList hiddenColumns() const = 0;
    // What gives the stored order of a table with these fields, which may have been made by hand:
    // the order key, or what stands for it where a field of that name hides it; empty when the
    // table has none and its rows come only in the engine's own order.
    virtual DbResult<QString> storedOrderOf(const QString &, const QList<FieldInfo> &) { return orderKey(); }
    // "column = ?", compared with the engine's rule for letter case in table names.
    virtual QString sameNameAs(const QString &column) const = 0;
    // Names the engine keeps for itself: no table of the company may bear one.
    virtual bool reservesName(const QString &name) const = 0;
    // The longest table name the engine stores whole, in bytes of UTF-8; 0 for no limit.
    virtual int longestName() const { return 0; }
    // Whether a table of the company can bear this name here.
    bool canHoldName(const QString &name) const
    {
        return !reservesName(name) && (longestName() == 0 || name.toUtf8().size() <= longestName());
    }
    // The same with every engine's rules, so a company whose tables bear only such names can move
    // between them: whether any engine keeps the name for itself, and whether every one holds it.
    static bool anyEngineReserves(const QString &name);
    static bool everyEngineHolds(const QString &name);
    // The stored name of the table that a name opens, found with the engine's rule for letter case;
    // the name itself when no table matches (a statement on it then fails as on a missing table).
    virtual DbResult<QString> storedName(const QString &table) = 0;

    // A column (SQL text naming it) read so that a date-time comes as the text
    // "YYYY-MM-DD HH:MM:SS", as the file stores it.
    virtual QString dateTimeAsText(const QString &column) const = 0;
    // The select list that reads these fields of a stored table, date-times as text; every field
    // the windows may show (the engine's own left out) when fields is empty.
    virtual DbResult<QString> selectList(const QString &table, const QStringList &fields) = 0;

    // The statement that reads the engine's own clock, as milliseconds since the epoch; empty when
    // the company's clock is the workstation's own (a file).
    virtual QString clockStatement() const { return {}; }

    // The catalog.
    virtual DbResult<QStringList> tableNames() = 0;
    // Every object whose name equals this one with the engine's rule for letter case.
    virtual DbResult<QList<NamedObject>> objectsNamed(const QString &name) = 0;
    // A table's fields in their order, the engine's own left out; empty when there is no such table.
    virtual DbResult<QList<FieldInfo>> columnsOf(const QString &table) = 0;

    // The statement that makes an empty table, named by an already quoted name, with these fields
    // in this order (and the engine's own columns).
    virtual QString createTable(const QString &quotedName, const QList<FieldInfo> &fields) const = 0;

    // Inside a write, after the journal table is made: no role but its owner may change or remove
    // its rows, whatever default privileges gave it.
    virtual DbError keepAppendOnly(const QString &) { return {}; }

    // An appender of rows to a table (its quoted name) with these fields (quoted), through the
    // engine's own interface; nullptr when the engine has none, and plain statements do.
    virtual std::unique_ptr<RowAppender> appender(const QString &, const QStringList &) { return nullptr; }

    // Walks every row a statement yields, through the engine's own interface. The visitor must not
    // use the database: the scan may still be reading.
    virtual DbError scan(const QString &statement, const QVariantList &values, const RowVisitor &visit) = 0;
};

} // namespace pw
