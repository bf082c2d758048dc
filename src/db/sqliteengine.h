#pragma once

#include "db/engine.h"
#include "db/qtconnection.h"

struct sqlite3;

namespace pw {

// The company in one SQLite 3 file, "Employee.mdb" in the working folder unless told otherwise.
// Table names are matched with ASCII letter case aside (SQLite's own rule); stored order is rowid
// order. A write waits up to kBusyTimeoutMs for another program to let go of the file; BEGIN
// IMMEDIATE takes the write lock of the whole file, so no table needs a lock of its own. Date-times
// are stored as text, so they read as text already.
//
// Every connection is defensive: the schema cannot be written as data, and nothing the file holds
// (a view, a trigger, a default) may call a function with effects outside it. A file opened for
// reading only is opened read-only, without a setting that writes; a file in WAL mode that no
// program has open is read as it stands, so no -wal or -shm file is made beside it.
class SqliteEngine : public Engine {
public:
    explicit SqliteEngine(const QString &path, OpenFor use = OpenFor::Use);

    // Looks at the file before SQLite does: is it there, can it be read, is it an SQLite file.
    static DbError checkFile(const QString &path);
    // Writes the delivered company database to path, which must not exist yet. The file appears
    // whole or not at all.
    static DbError createDelivered(const QString &path);
    // An SQLite result code and message, in the program's terms.
    static DbError fromSqlite(int code, const QString &message);

    static constexpr int kBusyTimeoutMs = 2000;

    Location location() const override { return Location::ofFile(m_path); }
    bool isServer() const override { return false; }
    DbError check() const override;
    DbError createCompany() override;
    void removeEmptyPlace() override;
    DbError connect() override;
    void disconnect() override { m_connection.close(); }
    bool isConnected() const override { return m_connection.isOpen(); }
    DbError run(const QString &statement, const QVariantList &values, Rows &rows, const RowHandler &each = {}) override;
    DbError verify() override;
    DbError checkInPlace() override;
    QString beginWrite() const override;
    QString lockTable(const QString &) const override { return {}; }
    QString orderKey() const override;
    QStringList hiddenColumns() const override { return {}; }
    DbResult<QString> storedOrderOf(const QString &table, const QList<FieldInfo> &fields) override;
    QString sameNameAs(const QString &column) const override;
    bool reservesName(const QString &name) const override;
    DbResult<QString> storedName(const QString &table) override { return table; }
    QString dateTimeAsText(const QString &column) const override { return column; }
    DbResult<QString> selectList(const QString &table, const QStringList &fields) override;
    DbResult<QStringList> tableNames() override;
    DbResult<QList<NamedObject>> objectsNamed(const QString &name) override;
    DbResult<QList<FieldInfo>> columnsOf(const QString &table) override;
    QString createTable(const QString &quotedName, const QList<FieldInfo> &fields) const override;
    std::unique_ptr<RowAppender> appender(const QString &quotedTable, const QStringList &quotedFields) override;
    DbError scan(const QString &statement, const QVariantList &values, const RowVisitor &visit) override;

private:
    sqlite3 *handle() const;

    QString m_path;
    OpenFor m_use;
    QtSqlConnection m_connection;
};

} // namespace pw
