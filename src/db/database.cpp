#include "db/database.h"

#include "db/companydata.h"
#include "db/quoting.h"
#include "db/sqliteengine.h"

#include <type_traits>

namespace pw {

Database::Database(const QString &path) : Database(std::make_unique<SqliteEngine>(path)) {}

Database::Database(std::unique_ptr<Engine> engine) : m_engine(std::move(engine)) {}

std::unique_ptr<Database> Database::fromLocation(const QString &location, OpenFor use)
{
    return std::make_unique<Database>(Engine::forLocation(location, use));
}

Database::~Database()
{
    close();
}

DbError Database::checkFile(const QString &path)
{
    return SqliteEngine::checkFile(path);
}

DbError Database::createDelivered(const QString &path)
{
    return SqliteEngine::createDelivered(path);
}

DbError Database::check() const
{
    return m_engine->check();
}

DbError Database::createCompany()
{
    return m_engine->createCompany();
}

Location Database::location() const
{
    return m_engine->location();
}

DbError Database::openConnection()
{
    close();
    m_lost = false;
    m_reconnectError = {};
    if (DbError e = m_engine->connect()) {
        close();
        return e;
    }
    m_open = true;
    return {};
}

DbError Database::open()
{
    close();
    if (DbError e = m_engine->check())
        return e;
    if (DbError e = openConnection())
        return e;
    // The first read of the catalog tells whether the engine can use the company at all.
    DbResult<QStringList> tables = tableNames();
    if (!tables) {
        const DbError e = tables.error();
        close();
        return e;
    }
    for (const QString &required : {kSettingsTable, kEmployeeListTable}) {
        DbResult<bool> has = tableExists(required);
        if (!has || !*has) {
            close();
            return has ? DbError::of(DbReason::NotACompany).inTable(required) : has.error();
        }
    }
    return {};
}

DbError Database::openEmptyPlace()
{
    close();
    const DbError found = m_engine->check();
    if (found && found.number != ErrFileNotFound)
        return found;
    if (DbError e = openConnection())
        return e;
    m_madePlace = found.number == ErrFileNotFound;
    return {};
}

void Database::discardEmptyPlace()
{
    close();
    if (m_madePlace)
        m_engine->removeEmptyPlace();
    m_madePlace = false;
}

DbError Database::verify()
{
    return guarded([&] { return m_engine->verify(); });
}

DbError Database::checkInPlace()
{
    return m_engine->checkInPlace();
}

void Database::close()
{
    m_writing = false;
    m_locked.clear();
    m_open = false;
    m_journalKnown.reset();
    m_engine->disconnect();
}

bool Database::isOpen() const
{
    return m_engine->isConnected();
}

DbError Database::reconnectIfLost()
{
    // Inside a write the transaction went with the connection: its remaining statements must fail,
    // not run on a new connection without it.
    if (!m_lost || m_writing || !m_open)
        return {};
    m_engine->disconnect();
    if (DbError e = m_engine->connect()) {
        m_reconnectError = e;
        return e;
    }
    m_lost = false;
    m_reconnectError = {};
    return {};
}

DbError Database::noted(DbError e)
{
    if (!e)
        return e;
    // A statement on a connection that could not be made again fails for that reason.
    if (m_lost && m_reconnectError && !m_engine->isConnected())
        return m_reconnectError;
    if (e.number == ErrConnectionLost)
        m_lost = true;
    return e;
}

template <typename Request>
auto Database::guarded(Request request) -> decltype(request())
{
    using Result = decltype(request());
    if (DbError e = reconnectIfLost())
        return e;
    Result result = request();
    if constexpr (std::is_same_v<Result, DbError>)
        return noted(result);
    else
        return result ? result : Result(noted(result.error()));
}

DbResult<Rows> Database::query(const QString &statement, const QVariantList &values)
{
    return guarded([&]() -> DbResult<Rows> {
        Rows rows;
        if (DbError e = m_engine->run(statement, values, rows))
            return e;
        return rows;
    });
}

DbError Database::forEachRow(const QString &statement, const QVariantList &values, const RowHandler &each)
{
    return guarded([&] {
        Rows rows;
        return m_engine->run(statement, values, rows, each);
    });
}

DbError Database::exec(const QString &statement, const QVariantList &values)
{
    return guarded([&] {
        Rows rows;
        return m_engine->run(statement, values, rows);
    });
}

DbResult<QDateTime> Database::serverTime()
{
    const QString statement = m_engine->clockStatement();
    if (statement.isEmpty())
        return QDateTime();
    const DbResult<QStringList> read = texts(statement);
    if (!read)
        return read.error();
    bool ok = false;
    const qint64 ms = read->value(0).toLongLong(&ok);
    if (!ok)
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(ms);
}

DbResult<QStringList> Database::texts(const QString &statement)
{
    const auto rows = query(statement);
    if (!rows)
        return rows.error();
    return rows->texts();
}

DbError Database::scan(const QString &statement, const QVariantList &values, const Engine::RowVisitor &visit)
{
    return guarded([&] { return m_engine->scan(statement, values, visit); });
}

DbResult<QString> Database::storedName(const QString &table)
{
    return guarded([&] { return m_engine->storedName(table); });
}

DbResult<QList<NamedObject>> Database::objectsNamed(const QString &name)
{
    return guarded([&] { return m_engine->objectsNamed(name); });
}

DbResult<QList<FieldInfo>> Database::columnsOf(const QString &table)
{
    return guarded([&] { return m_engine->columnsOf(table); });
}

DbResult<QString> Database::selectList(const QString &table, const QStringList &fields)
{
    return guarded([&] { return m_engine->selectList(table, fields); });
}

DbResult<bool> Database::tableExists(const QString &name)
{
    auto objects = objectsNamed(name);
    if (!objects)
        return objects.error();
    for (const NamedObject &o : *objects)
        if (o.type == QLatin1String("table"))
            return true;
    return false;
}

DbResult<QStringList> Database::tableNames()
{
    return guarded([&] { return m_engine->tableNames(); });
}

DbResult<QStringList> Database::fieldsOf(const QString &table)
{
    auto columns = columnsOf(table);
    if (!columns)
        return columns.error();
    QStringList names;
    for (const FieldInfo &f : *columns)
        names << f.name;
    return names;
}

DbError Database::lockForWrite(const QString &table)
{
    return lockWith(table, m_engine->lockTable(quoteIdentifier(table)));
}

DbError Database::lockForAppend(const QString &table)
{
    return lockWith(table, m_engine->lockAppendOnly(quoteIdentifier(table)));
}

DbError Database::lockWith(const QString &table, const QString &statement)
{
    if (!m_writing || m_locked.contains(table))
        return {};
    if (statement.isEmpty())
        return {};
    if (DbError e = exec(statement))
        return e;
    m_locked.insert(table);
    return {};
}

Database::Transaction::Transaction(Database &db) : m_db(db)
{
    m_error = m_db.exec(m_db.engine().beginWrite());
    // A connection found lost by the first statement of a write is made again, and the write
    // begun on it: nothing of the write had been sent. A server that did not answer at all is not
    // waited for a second time.
    if (m_error.number == ErrConnectionLost && m_error.reason != DbReason::NoAnswer)
        m_error = m_db.exec(m_db.engine().beginWrite());
    m_open = !m_error;
    if (m_open) {
        m_db.m_writing = true;
        m_db.m_locked.clear();
        if (DbError e = m_db.checkInPlace()) {
            rollback();
            m_error = e;
        }
    }
}

Database::Transaction::~Transaction()
{
    rollback();
}

DbError Database::Transaction::commit()
{
    if (!m_open)
        return m_error ? m_error : DbError::of(DbReason::WriteNotBegun);
    DbError e = m_db.exec(QStringLiteral("COMMIT"));
    if (e) {
        if (e.number == ErrConnectionLost)
            e = DbError::around(DbReason::CommitUncertain, e);
        rollback();
        return e;
    }
    m_open = false;
    m_db.m_writing = false;
    m_db.m_locked.clear();
    return {};
}

void Database::Transaction::rollback()
{
    if (m_open) {
        m_open = false;
        m_db.exec(QStringLiteral("ROLLBACK"));
        // A journal made by the write is gone again.
        if (m_db.m_journalKnown == true)
            m_db.m_journalKnown.reset();
        m_db.m_writing = false;
        m_db.m_locked.clear();
    }
}

} // namespace pw
