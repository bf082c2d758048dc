#pragma once

#include "db/dberror.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QSqlDatabase;
class QSqlError;

namespace pw {

class Database;

// One row of a raw scan: each column's stored bytes, read without a QVariant or QString per value.
class RawRow {
public:
    virtual bool isNull(int column) const = 0;
    // The column as UTF-8 text; valid until the scan moves on.
    virtual QByteArrayView text(int column) const = 0;
    virtual qint64 integer(int column) const = 0;

protected:
    ~RawRow() = default;
};

// An object of the company's storage that bears a name: a table, an index, a view.
struct NamedObject {
    QString type; // "table", "index", "view", ...
    QString name; // as stored
};

// What is particular to one storage engine. The tables of the company (db/*.cpp) say everything
// else once, for every engine, and ask the engine for these.
class Engine {
public:
    using RowVisitor = std::function<void(const RawRow &)>;

    virtual ~Engine() = default;

    // Where the company is, in words for messages (a file's full path).
    virtual QString location() const = 0;
    // Whether the company can be opened, without opening it; ErrFileNotFound when there is none.
    virtual DbError check() const = 0;
    // Makes the delivered company where there is none yet.
    virtual DbError createCompany() = 0;

    // The Qt SQL driver's name, and the connection's settings before it opens.
    virtual QString driver() const = 0;
    virtual void configure(QSqlDatabase &connection) const = 0;
    // Run once the connection is open, before anything is read.
    virtual DbError afterOpen(Database &db) = 0;
    virtual DbError verify(Database &db) = 0;
    virtual DbError checkInPlace(Database &db) = 0;

    // The statement that begins a write with the write lock taken.
    virtual QString beginWrite() const = 0;
    // A failure of the engine, in the program's terms.
    virtual DbError error(const QSqlError &error) const = 0;

    // The column that gives a table's stored order, and the columns the engine keeps for itself
    // (no window shows them).
    virtual QString orderKey() const = 0;
    virtual QStringList hiddenColumns() const = 0;
    // "column = ?", compared with the engine's rule for letter case in table names.
    virtual QString sameNameAs(const QString &column) const = 0;
    // Names the engine keeps for itself: no table of the company may bear one.
    virtual bool reservesName(const QString &name) const = 0;

    // The catalog.
    virtual DbResult<QStringList> tableNames(Database &db) = 0;
    // Every object whose name equals this one with the engine's rule for letter case.
    virtual DbResult<QList<NamedObject>> objectsNamed(Database &db, const QString &name) = 0;
    // A table's fields in their order, the engine's own left out; empty when there is no such table.
    virtual DbResult<QStringList> fieldsOf(Database &db, const QString &table) = 0;

    // The statement that makes an employee's empty time log, named by an already quoted name.
    virtual QString createLogTable(const QString &quotedName) const = 0;

    // Walks every row a statement yields, through the engine's own interface.
    virtual DbError scan(Database &db, const QString &statement, const QVariantList &values,
                         const RowVisitor &visit) = 0;
};

} // namespace pw
