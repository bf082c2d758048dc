#include "db/database.h"

#include "db/companydata.h"
#include "db/quoting.h"
#include "db/sqliteengine.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace pw {

namespace {

std::atomic<int> connectionCounter{0};

} // namespace

Database::Database(const QString &path) : Database(std::make_unique<SqliteEngine>(path)) {}

Database::Database(std::unique_ptr<Engine> engine)
    : m_engine(std::move(engine)), m_connection(QStringLiteral("punchwell-%1").arg(++connectionCounter))
{
}

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
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_engine->driver(), m_connection);
        if (!db.isValid()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            return DbError::of(DbReason::DriverMissing).withValue(m_engine->driver());
        }
        m_engine->configure(db);
        if (!db.open()) {
            DbError e = m_engine->error(db.lastError());
            if (!e)
                e = DbError::of(DbReason::CannotOpen);
            db = QSqlDatabase();
            close();
            return e;
        }
    }
    if (DbError e = m_engine->afterOpen(*this)) {
        close();
        return e;
    }
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
    return m_engine->verify(*this);
}

DbError Database::checkInPlace()
{
    return m_engine->checkInPlace(*this);
}

void Database::close()
{
    m_writing = false;
    m_locked.clear();
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connection) && sql().isOpen();
}

QSqlDatabase Database::sql() const
{
    return QSqlDatabase::database(m_connection, false);
}

QSqlQuery Database::query()
{
    reconnectIfLost();
    return QSqlQuery(sql());
}

DbError Database::reconnectIfLost()
{
    // Inside a write the transaction went with the connection: its remaining statements must fail,
    // not run on a new connection without it.
    if (!m_lost || m_writing || !QSqlDatabase::contains(m_connection))
        return {};
    QSqlDatabase db = sql();
    db.close();
    if (!db.open()) {
        m_reconnectError = m_engine->error(db.lastError());
        if (!m_reconnectError)
            m_reconnectError = DbError::of(DbReason::CannotOpen);
        return m_reconnectError;
    }
    m_lost = false;
    m_reconnectError = {};
    if (DbError e = m_engine->afterOpen(*this)) {
        db.close();
        m_lost = true;
        m_reconnectError = e;
        return e;
    }
    return {};
}

DbResult<QStringList> Database::texts(const QString &statement)
{
    QSqlQuery q = query();
    q.setForwardOnly(true);
    if (!q.exec(statement))
        return error(q);
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    if (q.lastError().type() != QSqlError::NoError)
        return error(q);
    return out;
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

DbError Database::error(const QSqlQuery &query) const
{
    // A statement on a connection that could not be made again fails for that reason.
    if (m_lost && m_reconnectError && !sql().isOpen())
        return m_reconnectError;
    DbError e = m_engine->error(query.lastError());
    // Qt refuses a statement on a connection its driver already knows to be broken without an
    // error of its own ("database not open"): that is a lost connection, never a success.
    if (!e)
        e = sql().isOpen() ? DbError::of(DbReason::EngineError) : DbError::of(DbReason::ConnectionNotOpen).at(location());
    if (e.number == ErrConnectionLost)
        m_lost = true;
    return e;
}

DbError Database::exec(const QString &statement, const QVariantList &values)
{
    QSqlQuery q = query();
    if (values.isEmpty()) {
        if (!q.exec(statement))
            return error(q);
        return {};
    }
    if (!q.prepare(statement))
        return error(q);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        return error(q);
    return {};
}

DbError Database::scan(const QString &statement, const QVariantList &values, const Engine::RowVisitor &visit)
{
    if (DbError e = reconnectIfLost())
        return e;
    const DbError e = m_engine->scan(*this, statement, values, visit);
    if (e.number == ErrConnectionLost)
        m_lost = true;
    return e;
}

DbResult<bool> Database::tableExists(const QString &name)
{
    auto objects = m_engine->objectsNamed(*this, name);
    if (!objects)
        return objects.error();
    for (const NamedObject &o : *objects)
        if (o.type == QLatin1String("table"))
            return true;
    return false;
}

DbResult<QStringList> Database::tableNames()
{
    return m_engine->tableNames(*this);
}

DbResult<QStringList> Database::fieldsOf(const QString &table)
{
    auto columns = m_engine->columnsOf(*this, table);
    if (!columns)
        return columns.error();
    QStringList names;
    for (const FieldInfo &f : *columns)
        names << f.name;
    return names;
}

DbError Database::lockForWrite(const QString &table)
{
    if (!m_writing || m_locked.contains(table))
        return {};
    const QString statement = m_engine->lockTable(quoteIdentifier(table));
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
    // begun on it: nothing of the write had been sent.
    if (m_error.number == ErrConnectionLost)
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
        m_db.m_writing = false;
        m_db.m_locked.clear();
    }
}

} // namespace pw
