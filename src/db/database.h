#pragma once

#include "db/dberror.h"
#include "db/engine.h"
#include "platform/clock.h"

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

namespace pw {

// Who makes the changes a connection stores, for the journal's rows: the computer's host name, the
// employee logged on (or "command line"), and the clock that stamps each row (the company's clock
// in the program; this computer's clock when none is given).
struct JournalActor {
    QString workstation;
    QString who = QStringLiteral("command line");
    const Clock *clock = nullptr;
};

// The connection to the company database. It never shows anything: every failure comes back as a
// DbError for the window to report. What is particular to the storage engine (SQLite in the file
// "Employee.mdb", or PostgreSQL on a server) is the Engine's; everything else is said once here for
// every engine.
//
// A connection that was lost (a server stopped, a network gone) fails the statement that finds it
// out; the next statement outside a write connects again. A write that finds it out at its very
// beginning connects again at once, since nothing of it was sent.
class Database {
public:
    // The company in an SQLite file at this path.
    explicit Database(const QString &path);
    explicit Database(std::unique_ptr<Engine> engine);
    // The company at a location: an SQLite file's path or a postgresql:// URI.
    static std::unique_ptr<Database> fromLocation(const QString &location, OpenFor use = OpenFor::Use);
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
    // Opens a place that holds no company yet, for a copy to make one there: an SQLite file is made
    // if there is none, a server's database must exist. Nothing is checked for company tables.
    DbError openEmptyPlace();
    // Closes the connection and, when openEmptyPlace() made the place, removes it again.
    void discardEmptyPlace();
    // A full look through the company's storage for damage.
    DbError verify();
    // Whether the company can still take a write where it was opened (an SQLite file that was moved
    // away or deleted cannot).
    DbError checkInPlace();
    void close();
    bool isOpen() const;

    // Where the company is: the file's full path, or the database and its server.
    Location location() const;
    // Whether the company is a database on a server rather than a file.
    bool isServer() const { return m_engine->isServer(); }
    Engine &engine() const { return *m_engine; }

    // Every statement below runs on the connection, made again first if it was lost and no write
    // is under way. Each "?" in a statement is one of the values, bound; a statement without values
    // is sent as it is.

    // Runs one statement, and gives back its rows (values as QVariant) and how many rows it changed.
    DbResult<Rows> query(const QString &statement, const QVariantList &values = {});
    // Runs one statement and hands its rows to each, one at a time, never holding them all.
    DbError forEachRow(const QString &statement, const QVariantList &values, const RowHandler &each);
    // Runs one statement whose rows, if any, nobody needs.
    DbError exec(const QString &statement, const QVariantList &values = {});
    // The first column of every row a statement without values yields, as text.
    DbResult<QStringList> texts(const QString &statement);
    // The server's clock, read now, in this computer's local time; an invalid date-time for a file,
    // whose company clock is this computer's own.
    DbResult<QDateTime> serverTime();
    // Walks every row a statement yields, fast: the stored bytes, without QVariant or QString.
    DbError scan(const QString &statement, const QVariantList &values, const Engine::RowVisitor &visit);

    // Whether a table of this name exists, matched with the engine's rule for letter case in names.
    DbResult<bool> tableExists(const QString &name);
    // The names of every table of the company.
    DbResult<QStringList> tableNames();
    // The fields of a table, in their order; empty when there is no such table.
    DbResult<QStringList> fieldsOf(const QString &table);
    // The stored name of the table a name opens (letter case aside, by the engine's rule).
    DbResult<QString> storedName(const QString &table);
    // Every object (table, index, view, …) whose name equals this one, letter case aside.
    DbResult<QList<NamedObject>> objectsNamed(const QString &name);
    // A table's fields with their kinds, the engine's own left out; empty when there is no such table.
    DbResult<QList<FieldInfo>> columnsOf(const QString &table);
    // The select list that reads these fields of a stored table, date-times as text (every field a
    // window may show when fields is empty).
    DbResult<QString> selectList(const QString &table, const QStringList &fields);
    // Inside a write: keeps every other writer off the table (its stored name) until the write
    // ends, on engines that lock per table. Outside a write, and once locked, it does nothing.
    DbError lockForWrite(const QString &table);
    // The same for a table whose rows are only ever added (the journal).
    DbError lockForAppend(const QString &table);

    const JournalActor &journalActor() const { return m_actor; }
    void setJournalActor(const JournalActor &actor) { m_actor = actor; }
    void setJournalWho(const QString &who) { m_actor.who = who; }
    // Whether the company has a journal, as this connection last found out (nothing before it looked).
    std::optional<bool> journalKnown() const { return m_journalKnown; }
    void noteJournal(std::optional<bool> exists) { m_journalKnown = exists; }

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
    DbError openConnection();
    DbError reconnectIfLost();
    DbError lockWith(const QString &table, const QString &statement);
    // A failure of the engine, seen by the Database: a lost connection is noted, and a statement on
    // a connection that could not be made again fails for that reason.
    DbError noted(DbError e);
    // Runs one request to the engine with the reconnect policy around it.
    template <typename Request>
    auto guarded(Request request) -> decltype(request());

    std::unique_ptr<Engine> m_engine;
    // The connection is known to be gone, and why the last attempt to make it again failed.
    bool m_open = false; // opened, and not closed since (the connection may be lost)
    bool m_lost = false;
    DbError m_reconnectError;
    bool m_writing = false;
    QSet<QString> m_locked; // tables locked by the write under way
    bool m_madePlace = false;
    JournalActor m_actor;
    std::optional<bool> m_journalKnown;
};

} // namespace pw
