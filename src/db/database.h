#pragma once

#include "db/dberror.h"
#include "db/engine.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class QSqlDatabase;
class QSqlQuery;

namespace pw {

// The connection to the company database. It never shows anything: every failure comes back as a
// DbError for the window to report. What is particular to the storage engine (today SQLite, in the
// file "Employee.mdb") is the Engine's; everything else is said once here for every engine.
class Database {
public:
    // The company in an SQLite file at this path.
    explicit Database(const QString &path);
    explicit Database(std::unique_ptr<Engine> engine);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Looks at the SQLite file at path before SQLite does: is it there, can it be read, is it an
    // SQLite file.
    static DbError checkFile(const QString &path);
    // Writes the delivered company database (the Manager account, no settings row) to path,
    // which must not exist yet. The file appears whole or not at all.
    static DbError createDelivered(const QString &path);

    // Whether the company can be opened, without opening it; ErrFileNotFound when there is none.
    DbError check() const;
    // Makes the delivered company where there is none yet.
    DbError createCompany();
    // Opens the company (which must exist: nothing is ever created by opening) and checks that it
    // holds the company tables.
    DbError open();
    // A full look through the company's storage for damage.
    DbError verify();
    // Whether the company can still take a write where it was opened (an SQLite file that was moved
    // away or deleted cannot).
    DbError checkInPlace();
    void close();
    bool isOpen() const;

    // Where the company is, for messages: the file's full path.
    QString path() const;
    Engine &engine() const { return *m_engine; }
    QSqlDatabase sql() const;
    QSqlQuery query() const;

    // Runs one statement with bound values.
    DbError exec(const QString &statement, const QVariantList &values = {});
    // The error a query ran into, in the program's terms.
    DbError error(const QSqlQuery &query) const;
    // Walks every row a statement yields, fast: the stored bytes, without QVariant or QString.
    DbError scan(const QString &statement, const QVariantList &values, const Engine::RowVisitor &visit);

    // Whether a table of this name exists, matched with the engine's rule for letter case in names.
    DbResult<bool> tableExists(const QString &name);
    // The names of every table of the company.
    DbResult<QStringList> tableNames();
    // The fields of a table, in their order; empty when there is no such table.
    DbResult<QStringList> fieldsOf(const QString &table);

    // The column that gives a table's stored order.
    QString orderKey() const { return m_engine->orderKey(); }

    // One user action that writes: begun with the write lock taken, so it either waits for the
    // company's storage or fails before anything is written; rolled back unless committed.
    class Transaction {
    public:
        explicit Transaction(Database &db);
        ~Transaction();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;

        const DbError &beginError() const { return m_error; }
        bool ok() const { return !m_error; }
        DbError commit();
        void rollback();

    private:
        Database &m_db;
        DbError m_error;
        bool m_open = false;
    };

private:
    std::unique_ptr<Engine> m_engine;
    QString m_connection;
};

} // namespace pw
