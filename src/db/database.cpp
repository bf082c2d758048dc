#include "db/database.h"

#include "db/delivered.h"
#include "db/quoting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

#include <sqlite3.h>

#include <atomic>

namespace pw {

namespace {

std::atomic<int> connectionCounter{0};

DbError lastError(const QSqlQuery &q) { return DbError::fromSql(q.lastError()); }

// Runs SQL text of several statements on a raw handle.
DbError execScript(sqlite3 *db, const QByteArray &script)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(db, script.constData(), nullptr, nullptr, &message);
    const QString text = message ? QString::fromUtf8(message) : QString();
    sqlite3_free(message);
    return rc == SQLITE_OK ? DbError{} : DbError::fromSqlite(rc, text);
}

} // namespace

Database::Database(const QString &path)
    : m_path(QFileInfo(path).absoluteFilePath()),
      m_connection(QStringLiteral("punchwell-%1").arg(++connectionCounter))
{
}

Database::~Database()
{
    close();
}

DbError Database::checkFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return DbError::make(ErrFileNotFound, QStringLiteral("the file does not exist"));
    if (info.isDir())
        return DbError::make(ErrCannotOpen, QStringLiteral("it is a folder, not a database file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DbError::make(ErrCannotOpen,
                             QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    const QByteArray head = file.read(100);
    if (head.isEmpty())
        return DbError::make(ErrNotPunchwell, QStringLiteral("the file is empty"));
    if (!head.startsWith(QByteArrayLiteral("SQLite format 3\0"))) {
        if (head.mid(4, 15) == QByteArrayLiteral("Standard Jet DB") || head.mid(4, 15) == QByteArrayLiteral("Standard ACE DB"))
            return DbError::make(ErrNotADatabase,
                                 QStringLiteral("it is a Microsoft Access (Jet) database. This version of "
                                                "Punchwell keeps its data in an SQLite database and cannot "
                                                "read Access files"));
        return DbError::make(ErrNotADatabase, QStringLiteral("the file is not a database that Punchwell can read"));
    }
    if (head.size() < 100)
        return DbError::make(ErrDamaged, QStringLiteral("the file is damaged (it is cut short)"));
    return {};
}

DbError Database::open()
{
    close();
    if (DbError e = checkFile(m_path))
        return e;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        if (!db.isValid()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            return DbError::make(ErrGeneral, QStringLiteral("the SQLite database driver of Qt is not installed"));
        }
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (!db.open()) {
            DbError e = DbError::fromSql(db.lastError());
            if (!e)
                e = DbError::make(ErrCannotOpen, QStringLiteral("the database file cannot be opened"));
            db = QSqlDatabase();
            close();
            return e;
        }
    }
    // Every commit is made durable before the user is told (synchronous FULL). The rollback journal
    // is truncated rather than deleted after each commit, which saves a directory update per clock
    // event; the company's data is always whole in the one file between commits.
    exec(QStringLiteral("PRAGMA synchronous = FULL"));
    exec(QStringLiteral("PRAGMA journal_mode = TRUNCATE"));
    // The first read of the schema tells whether SQLite can use the file at all.
    DbResult<QStringList> tables = tableNames();
    if (!tables) {
        const DbError e = tables.error();
        close();
        return e;
    }
    for (const char *required : {"Company Data", "datalist"}) {
        DbResult<bool> has = tableExists(QString::fromLatin1(required));
        if (!has || !*has) {
            close();
            return has ? DbError::make(ErrNotPunchwell,
                                       QStringLiteral("it is not a Punchwell company database (the table \"%1\" "
                                                      "is missing)").arg(QString::fromLatin1(required)))
                       : has.error();
        }
    }
    return {};
}

DbError Database::verify()
{
    QSqlQuery q = query();
    if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")))
        return lastError(q);
    if (!q.next())
        return lastError(q);
    const QString result = q.value(0).toString();
    if (result != QLatin1String("ok"))
        return DbError::make(ErrDamaged, QStringLiteral("the database file is damaged (%1)").arg(result));
    return {};
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

sqlite3 *Database::handle() const
{
    const QVariant v = sql().driver() ? sql().driver()->handle() : QVariant();
    if (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3 *const *>(v.constData());
    return nullptr;
}

DbError Database::exec(const QString &statement, const QVariantList &values)
{
    QSqlQuery q = query();
    if (!q.prepare(statement))
        return lastError(q);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        return lastError(q);
    return {};
}

DbResult<bool> Database::tableExists(const QString &name)
{
    // SQLite resolves table names without regard to ASCII letter case; COLLATE NOCASE is that rule.
    QSqlQuery q = query();
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE")))
        return lastError(q);
    q.addBindValue(name);
    if (!q.exec())
        return lastError(q);
    const bool found = q.next();
    if (!found && q.lastError().type() != QSqlError::NoError)
        return lastError(q);
    return found;
}

DbResult<QStringList> Database::tableNames()
{
    QSqlQuery q = query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid")))
        return lastError(q);
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    if (q.lastError().type() != QSqlError::NoError)
        return lastError(q);
    return names;
}

DbError Database::checkInPlace() const
{
    // SQLite will not write to an open file that was moved away or deleted (the change would be
    // lost with it), but calls that a read-only file. Asking first gives the user the real reason.
    sqlite3 *db = handle();
    int moved = 0;
    if (db && sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved)
        return DbError::make(ErrFileNotFound,
                             QStringLiteral("the database file %1 was moved, renamed or deleted while Punchwell was "
                                            "running, so nothing can be stored in it. Put the file back, or start "
                                            "Punchwell again")
                                 .arg(QDir::toNativeSeparators(m_path)));
    return {};
}

Database::Transaction::Transaction(Database &db) : m_db(db)
{
    m_error = m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
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

DbError Database::createDelivered(const QString &path)
{
    const QFileInfo target(path);
    if (target.exists())
        return DbError::make(ErrGeneral, QStringLiteral("a file of that name exists already"));
    // Built beside the target under a temporary name, then renamed: a failure leaves no file.
    const QString temp = target.absolutePath() + QStringLiteral("/.Employee-%1.tmp").arg(QCoreApplication::applicationPid());
    QFile::remove(temp);
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(temp).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    DbError e;
    if (rc != SQLITE_OK) {
        e = DbError::fromSqlite(rc, db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString());
    } else {
        e = execScript(db, QByteArrayLiteral("BEGIN;") + QByteArray(kDeliveredSql) + QByteArrayLiteral(";COMMIT;"));
    }
    sqlite3_close(db);
    if (!e && !QFile::rename(temp, target.absoluteFilePath()))
        e = DbError::make(ErrCannotOpen, QStringLiteral("the new file could not be put in place"));
    if (e)
        QFile::remove(temp);
    return e;
}

} // namespace pw
