#include "db/database.h"

#include "db/companydata.h"
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

QString Database::path() const
{
    return m_engine->location();
}

DbError Database::open()
{
    close();
    if (DbError e = m_engine->check())
        return e;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_engine->driver(), m_connection);
        if (!db.isValid()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            return DbError::make(ErrGeneral, QStringLiteral("the %1 database driver of Qt is not installed")
                                                 .arg(m_engine->driver()));
        }
        m_engine->configure(db);
        if (!db.open()) {
            DbError e = m_engine->error(db.lastError());
            if (!e)
                e = DbError::make(ErrCannotOpen, QStringLiteral("the database cannot be opened"));
            db = QSqlDatabase();
            close();
            return e;
        }
    }
    if (DbError e = m_engine->afterOpen(*this)) {
        close();
        return e;
    }
    // The first read of the catalog tells whether the engine can use the company at all.
    DbResult<QStringList> tables = tableNames();
    if (!tables) {
        const DbError e = tables.error();
        close();
        return e;
    }
    for (const QString &required : {kSettingsTable, QStringLiteral("datalist")}) {
        DbResult<bool> has = tableExists(required);
        if (!has || !*has) {
            close();
            return has ? DbError::make(ErrNotPunchwell,
                                       QStringLiteral("it is not a Punchwell company database (the table \"%1\" "
                                                      "is missing)").arg(required))
                       : has.error();
        }
    }
    return {};
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

QSqlQuery Database::query() const
{
    return QSqlQuery(sql());
}

DbError Database::error(const QSqlQuery &query) const
{
    return m_engine->error(query.lastError());
}

DbError Database::exec(const QString &statement, const QVariantList &values)
{
    QSqlQuery q = query();
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
    return m_engine->scan(*this, statement, values, visit);
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
    return m_engine->fieldsOf(*this, table);
}

Database::Transaction::Transaction(Database &db) : m_db(db)
{
    m_error = m_db.exec(m_db.engine().beginWrite());
    m_open = !m_error;
    if (m_open) {
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
        return m_error ? m_error : DbError::make(ErrGeneral, QStringLiteral("the change was not begun"));
    DbError e = m_db.exec(QStringLiteral("COMMIT"));
    if (e) {
        rollback();
        return e;
    }
    m_open = false;
    return {};
}

void Database::Transaction::rollback()
{
    if (m_open) {
        m_open = false;
        m_db.exec(QStringLiteral("ROLLBACK"));
    }
}

} // namespace pw
