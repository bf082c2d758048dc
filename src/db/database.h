#pragma once

#include "db/dberror.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

struct sqlite3;

namespace pw {

// The connection to the company database, "Employee.mdb". It never shows anything: every failure
// comes back as a DbError for the window to report.
class Database {
public:
    explicit Database(const QString &path);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Looks at the file before SQLite does: is it there, can it be read, is it an SQLite file.
    static DbError checkFile(const QString &path);
    // Opens the file (which must exist: nothing is ever created by opening) and checks that it holds
    // the company tables.
    DbError open();
    // A full look through the file for damaged pages.
    DbError verify();
    // Whether the file that is open is still the one at its path (not moved away or deleted).
    DbError checkInPlace() const;
    void close();
    bool isOpen() const;

    QString path() const { return m_path; }
    QSqlDatabase sql() const;
    // The raw SQLite handle of the same connection, for the few scans that must be fast.
    sqlite3 *handle() const;
    QSqlQuery query() const { return QSqlQuery(sql()); }

    // Runs one statement with bound values.
    DbError exec(const QString &statement, const QVariantList &values = {});
    // Whether a table of this name exists, with SQLite's own rule for letter case in names.
    DbResult<bool> tableExists(const QString &name);
    // The names of every table in the file.
    DbResult<QStringList> tableNames();

    // How long a write waits for another program to let go of the file.
    static constexpr int kBusyTimeoutMs = 2000;

    // One user action that writes: begun with the write lock taken, so it either waits for the
    // file or fails before anything is written; rolled back unless committed.
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

    // Writes the delivered company database (the Manager account, no settings row) to path,
    // which must not exist yet. The file appears whole or not at all.
    static DbError createDelivered(const QString &path);

private:
    QString m_path;
    QString m_connection;
};

} // namespace pw
