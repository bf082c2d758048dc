// Everything that is particular to SQLite: the file, its checks and settings, its catalog, its
// error codes, and the raw scans through SQLite's own interface.
#include "db/sqliteengine.h"

#include "db/quoting.h"
#include "db/schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QStringEncoder>
#include <QUrl>

#include <sqlite3.h>

#include <cerrno>
#include <vector>

namespace pw {

namespace {

// A write the system refused for want of room (a full disk, a limit on a file's size) is an I/O
// error to SQLite; the user is told what it is.
DbError roomAside(DbError e, sqlite3 *db)
{
    const int why = db ? sqlite3_system_errno(db) : 0;
    if (e.reason == DbReason::DiskIo && (why == ENOSPC || why == EFBIG)) {
        const int code = e.engineCode;
        e = DbError::of(DbReason::FileFull).saying(e.engineText);
        e.engineCode = code;
    }
    return e;
}

// One prepared statement of SQLite's own interface, finalized whatever way its scope is left.
class Statement {
public:
    Statement(sqlite3 *db, const QByteArray &sql) : m_db(db)
    {
        m_rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &m_st, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_st); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool prepared() const { return m_rc == SQLITE_OK && m_st; }
    sqlite3_stmt *get() const { return m_st; }
    DbError error(int rc) const { return roomAside(SqliteEngine::fromSqlite(rc, QString::fromUtf8(sqlite3_errmsg(m_db))), m_db); }
    DbError prepareError() const { return error(m_rc == SQLITE_OK ? SQLITE_ERROR : m_rc); }

    DbError bind(const QVariantList &values)
    {
        if (m_text.size() < size_t(values.size()))
            m_text.resize(size_t(values.size()));
        for (int i = 0; i < int(values.size()); ++i) {
            const QVariant &v = values[i];
            int rc;
            if (v.isNull()) {
                rc = sqlite3_bind_null(m_st, i + 1);
            } else if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int) {
                rc = sqlite3_bind_int64(m_st, i + 1, v.toLongLong());
            } else if (v.typeId() == QMetaType::Double) {
                rc = sqlite3_bind_double(m_st, i + 1, v.toDouble());
            } else if (v.typeId() == QMetaType::QByteArray) {
                const QByteArray bytes = v.toByteArray();
                rc = sqlite3_bind_blob64(m_st, i + 1, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
            } else {
                // As UTF-8, SQLite's own form, into a buffer the statement keeps for the parameter.
                const QString other = v.typeId() == QMetaType::QString ? QString() : v.toString();
                const QString &text = v.typeId() == QMetaType::QString ? *static_cast<const QString *>(v.constData()) : other;
                QByteArray &utf8 = m_text[size_t(i)];
                utf8.resize(m_encoder.requiredSpace(text.size()));
                const char *end = m_encoder.appendToBuffer(utf8.data(), text);
                rc = sqlite3_bind_text(m_st, i + 1, utf8.constData(), int(end - utf8.constData()), SQLITE_STATIC);
            }
            if (rc != SQLITE_OK)
                return error(rc);
        }
        return {};
    }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_st = nullptr;
    int m_rc;
    QStringEncoder m_encoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    std::vector<QByteArray> m_text; // each bound text, until the next bind
};

class SqliteRow : public RawRow {
public:
    explicit SqliteRow(sqlite3_stmt *st) : m_st(st) {}
    bool isNull(int column) const override { return sqlite3_column_type(m_st, column) == SQLITE_NULL; }
    QByteArrayView text(int column) const override
    {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_st, column));
        return QByteArrayView(p, p ? sqlite3_column_bytes(m_st, column) : 0);
    }
    qint64 integer(int column) const override { return sqlite3_column_int64(m_st, column); }
    bool isText(int column) const override { return sqlite3_column_type(m_st, column) == SQLITE_TEXT; }
    QVariant value(int column) const override
    {
        // As Qt's SQLite driver reads a row: by the value's storage class.
        switch (sqlite3_column_type(m_st, column)) {
        case SQLITE_NULL:
            return QVariant(QMetaType::fromType<QString>());
        case SQLITE_INTEGER:
            return qint64(sqlite3_column_int64(m_st, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_st, column);
        case SQLITE_BLOB:
            return QByteArray(static_cast<const char *>(sqlite3_column_blob(m_st, column)),
                              sqlite3_column_bytes(m_st, column));
        default:
            return QString(reinterpret_cast<const QChar *>(sqlite3_column_text16(m_st, column)),
                           sqlite3_column_bytes16(m_st, column) / qsizetype(sizeof(QChar)));
        }
    }

private:
    sqlite3_stmt *m_st;
};

// Runs SQL text of several statements on a raw handle.
DbError execScript(sqlite3 *db, const QByteArray &script)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(db, script.constData(), nullptr, nullptr, &message);
    const QString text = message ? QString::fromUtf8(message) : QString();
    sqlite3_free(message);
    return rc == SQLITE_OK ? DbError{} : SqliteEngine::fromSqlite(rc, text);
}

} // namespace

namespace {

// A failure Qt's SQLite driver reports, as SQLite's own code and words.
DbError fromDriver(const QSqlError &error)
{
    if (error.type() == QSqlError::NoError)
        return {};
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    return SqliteEngine::fromSqlite(ok ? code : SQLITE_ERROR, text);
}

} // namespace

SqliteEngine::SqliteEngine(const QString &path, OpenFor use)
    : m_path(QFileInfo(path).absoluteFilePath()), m_use(use),
      m_connection(QStringLiteral("QSQLITE"), [this](const QSqlError &e) { return roomAside(fromDriver(e), handle()); })
{
}

DbError SqliteEngine::fromSqlite(int code, const QString &message)
{
    const int primary = code & 0xff;
    DbReason reason = DbReason::EngineError;
    switch (primary) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        reason = DbReason::FileInUse;
        break;
    case SQLITE_READONLY:
        reason = DbReason::FileReadOnly;
        break;
    case SQLITE_FULL:
        reason = DbReason::FileFull;
        break;
    case SQLITE_CORRUPT:
        reason = DbReason::FileDamaged;
        break;
    case SQLITE_NOTADB:
        reason = DbReason::NotADatabase;
        break;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        reason = DbReason::FileCannotOpen;
        break;
    case SQLITE_IOERR:
        reason = DbReason::DiskIo;
        break;
    default:
        // SQLite reports a missing table as SQLITE_ERROR, told apart from its other errors only by
        // its words; they are read here once, and nowhere else.
        if (message.startsWith(QLatin1String("no such table")))
            reason = DbReason::TableMissing;
        break;
    }
    DbError e = DbError::of(reason).saying(message);
    e.engineCode = primary;
    return e;
}


DbError SqliteEngine::checkFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return DbError::of(DbReason::FileMissing);
    if (info.isDir())
        return DbError::of(DbReason::FileIsFolder);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DbError::of(DbReason::FileUnreadable).saying(file.errorString());
    const QByteArray head = file.read(100);
    if (head.isEmpty())
        return DbError::of(DbReason::FileEmpty);
    if (!head.startsWith(QByteArrayLiteral("SQLite format 3\0"))) {
        if (head.mid(4, 15) == QByteArrayLiteral("Standard Jet DB") || head.mid(4, 15) == QByteArrayLiteral("Standard ACE DB"))
            return DbError::of(DbReason::FileIsAccess);
        return DbError::of(DbReason::NotADatabase);
    }
    if (head.size() < 100)
        return DbError::of(DbReason::FileCutShort);
    return {};
}

DbError SqliteEngine::check() const
{
    return checkFile(m_path);
}

DbError SqliteEngine::createCompany()
{
    return createDelivered(m_path);
}

void SqliteEngine::removeEmptyPlace()
{
    QFile::remove(m_path);
    QFile::remove(m_path + QStringLiteral("-journal"));
}

DbError SqliteEngine::createDelivered(const QString &path)
{
    const QFileInfo target(path);
    if (target.exists())
        return DbError::of(DbReason::FileExists);
    // Built beside the target under a temporary name, then renamed: a failure leaves no file.
    const QString temp = target.absolutePath() + QStringLiteral("/.Employee-%1.tmp").arg(QCoreApplication::applicationPid());
    QFile::remove(temp);
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(temp).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    DbError e;
    if (rc != SQLITE_OK) {
        e = fromSqlite(rc, db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString());
    } else {
        e = execScript(db, "BEGIN");
        const SqliteEngine engine(path);
        for (const DeliveredStatement &statement : deliveredCompany(engine)) {
            if (e)
                break;
            Statement st(db, statement.sql.toUtf8());
            if (!st.prepared())
                e = st.prepareError();
            else if (!(e = st.bind(statement.values)) && (rc = sqlite3_step(st.get())) != SQLITE_DONE)
                e = st.error(rc);
        }
        if (!e)
            e = execScript(db, "COMMIT");
    }
    sqlite3_close(db);
    if (!e && !QFile::rename(temp, target.absoluteFilePath()))
        e = DbError::of(DbReason::FileNotPutInPlace);
    if (e)
        QFile::remove(temp);
    return e;
}

namespace {

// Whether the file is in WAL mode (its header's read and write versions are 2) with no -wal file
// beside it, so no program has it open and everything is in the file itself.
bool walModeAtRest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(20);
    return head.size() == 20 && (head[18] == 2 || head[19] == 2) && !QFileInfo::exists(path + QStringLiteral("-wal"));
}

} // namespace

DbError SqliteEngine::connect()
{
    if (DbError e = m_connection.open([this](QSqlDatabase &db) {
            QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
            db.setDatabaseName(m_path);
            if (m_use == OpenFor::Reading) {
                options += QStringLiteral(";QSQLITE_OPEN_READONLY");
                // A read-only connection to a WAL file would make its -wal and -shm files and leave them.
                if (walModeAtRest(m_path)) {
                    options += QStringLiteral(";QSQLITE_OPEN_URI");
                    db.setDatabaseName(QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded)
                                       + QStringLiteral("?mode=ro&immutable=1"));
                }
            }
            db.setConnectOptions(options);
        }))
        return e;
    if (sqlite3 *raw = handle()) {
        sqlite3_db_config(raw, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(raw, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    }
    if (m_use == OpenFor::Reading)
        return {};
    // Every commit is made durable before the user is told (synchronous FULL). The rollback journal
    // is truncated rather than deleted after each commit, which saves a directory update per clock
    // event; the company's data is always whole in the one file between commits.
    Rows ignored;
    run(QStringLiteral("PRAGMA synchronous = FULL"), {}, ignored);
    run(QStringLiteral("PRAGMA journal_mode = TRUNCATE"), {}, ignored);
    return {};
}

DbError SqliteEngine::run(const QString &statement, const QVariantList &values, Rows &rows, const RowHandler &each)
{
    return m_connection.run(statement, values, rows, each, DbError::of(DbReason::ConnectionNotOpen).at(location()));
}

DbError SqliteEngine::verify()
{
    Rows rows;
    if (DbError e = run(QStringLiteral("PRAGMA quick_check(1)"), {}, rows))
        return e;
    if (rows.isEmpty())
        return DbError::of(DbReason::EngineError);
    const QString result = rows.value(0, 0).toString();
    if (result != QLatin1String("ok"))
        return DbError::of(DbReason::DamageFound).saying(result);
    return {};
}

sqlite3 *SqliteEngine::handle() const
{
    const QSqlDatabase sql = m_connection.database();
    const QVariant v = sql.driver() ? sql.driver()->handle() : QVariant();
    if (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3 *const *>(v.constData());
    return nullptr;
}

DbError SqliteEngine::checkInPlace()
{
    // SQLite will not write to an open file that was moved away or deleted (the change would be
    // lost with it), but calls that a read-only file. Asking first gives the user the real reason.
    sqlite3 *raw = handle();
    int moved = 0;
    if (raw && sqlite3_file_control(raw, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved)
        return DbError::of(DbReason::FileMoved).at(location());
    return {};
}

QString SqliteEngine::beginWrite() const
{
    return QStringLiteral("BEGIN IMMEDIATE");
}

QString SqliteEngine::orderKey() const
{
    return QStringLiteral("rowid");
}

DbResult<QString> SqliteEngine::storedOrderOf(const QString &table, const QList<FieldInfo> &fields)
{
    // A field named rowid hides the rowid under that name, but not under its other two; a table
    // WITHOUT ROWID (where no name reads a rowid), or one whose fields take all three, has no
    // rowid to read.
    for (const QString &alias : {QStringLiteral("rowid"), QStringLiteral("_rowid_"), QStringLiteral("oid")}) {
        bool hidden = false;
        for (const FieldInfo &f : fields)
            hidden = hidden || sameAsciiName(f.name, alias);
        if (!hidden) {
            const bool readable = !scan(QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(alias, quoteIdentifier(table)), {},
                                           [](const RawRow &) {});
            return readable ? alias : QString();
        }
    }
    return QString();
}

QString SqliteEngine::sameNameAs(const QString &column) const
{
    // SQLite resolves table names without regard to ASCII letter case; COLLATE NOCASE is that rule.
    return column + QStringLiteral(" = ? COLLATE NOCASE");
}

bool SqliteEngine::reservesName(const QString &name) const
{
    return name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive);
}

DbResult<QStringList> SqliteEngine::tableNames()
{
    Rows rows;
    if (DbError e = run(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"), {}, rows))
        return e;
    return rows.texts();
}

DbResult<QList<NamedObject>> SqliteEngine::objectsNamed(const QString &name)
{
    // Tables, indexes, views and triggers share one name space.
    Rows rows;
    if (DbError e = run(QStringLiteral("SELECT type, name FROM sqlite_master WHERE %1").arg(sameNameAs(QStringLiteral("name"))),
                        {name}, rows))
        return e;
    QList<NamedObject> objects;
    for (const QVariantList &row : std::as_const(rows.rows))
        objects.append({row.value(0).toString(), row.value(1).toString()});
    return objects;
}

namespace {

// A declared column type read as SQLite reads it (its affinity rules), with a date or a time
// named in it taken as a date-time, and the size of a text in parentheses kept.
FieldInfo fieldFromDeclared(const QString &name, const QString &declared)
{
    const QString type = declared.toUpper();
    FieldInfo f{name, FieldKind::Text, 0};
    if (type.contains(QLatin1String("INT"))) {
        f.kind = FieldKind::Integer;
    } else if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB")) ||
               type.contains(QLatin1String("TEXT"))) {
        const qsizetype open = type.indexOf(QLatin1Char('('));
        const qsizetype close = type.indexOf(QLatin1Char(')'), open);
        if (open >= 0 && close > open)
            f.size = qMax(0, type.mid(open + 1, close - open - 1).trimmed().toInt());
    } else if (type.contains(QLatin1String("BLOB"))) {
        f.kind = FieldKind::Binary;
    } else if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA")) ||
               type.contains(QLatin1String("DOUB"))) {
        f.kind = FieldKind::Real;
    } else if (type.contains(QLatin1String("DATE")) || type.contains(QLatin1String("TIME"))) {
        f.kind = FieldKind::DateTime;
    } else if (type.contains(QLatin1String("BOOL"))) {
        f.kind = FieldKind::Integer;
    } else if (!type.isEmpty()) {
        f.kind = FieldKind::Real; // NUMERIC, DECIMAL
    }
    return f;
}

QString declaredType(const FieldInfo &f)
{
    switch (f.kind) {
    case FieldKind::Text:
        return f.size > 0 ? QStringLiteral("VARCHAR(%1)").arg(f.size) : QStringLiteral("TEXT");
    case FieldKind::SmallInt:
    case FieldKind::Integer:
        return QStringLiteral("INTEGER");
    case FieldKind::Real:
        return QStringLiteral("REAL");
    case FieldKind::DateTime:
        return QStringLiteral("DATETIME");
    case FieldKind::Binary:
        return QStringLiteral("BLOB");
    }
    return QStringLiteral("TEXT");
}

// A plain name (ASCII letters, digits and '_', not a keyword) stays bare, as the delivered file and
// every earlier version wrote the log's fields; any other goes through the quoting helper.
QString fieldName(const QString &name)
{
    bool plain = !name.isEmpty() && !name.front().isDigit();
    for (QChar c : name)
        plain = plain && c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('_'));
    const QByteArray latin = name.toLatin1();
    if (plain && !sqlite3_keyword_check(latin.constData(), int(latin.size())))
        return name;
    return quoteIdentifier(name);
}

} // namespace

DbResult<QString> SqliteEngine::selectList(const QString &, const QStringList &fields)
{
    if (fields.isEmpty())
        return QStringLiteral("*");
    QStringList quoted;
    for (const QString &f : fields)
        quoted << quoteIdentifier(f);
    return quoted.join(QStringLiteral(", "));
}

DbResult<QList<FieldInfo>> SqliteEngine::columnsOf(const QString &table)
{
    // pragma_table_info finds the table as SQLite does, letter case aside; no table, no fields.
    Rows rows;
    if (DbError e = run(QStringLiteral("SELECT name, type FROM pragma_table_info(?) ORDER BY cid"), {table}, rows))
        return e;
    QList<FieldInfo> fields;
    for (const QVariantList &row : std::as_const(rows.rows))
        fields << fieldFromDeclared(row.value(0).toString(), row.value(1).toString());
    return fields;
}

QString SqliteEngine::createTable(const QString &quotedName, const QList<FieldInfo> &fields) const
{
    QStringList columns;
    for (const FieldInfo &f : fields)
        columns << fieldName(f.name) + QLatin1Char(' ') + declaredType(f);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quotedName, columns.join(QStringLiteral(", ")));
}

namespace {

// Rows gathered and inserted many to a statement; the last few one by one.
class SqliteAppender : public RowAppender {
public:
    SqliteAppender(sqlite3 *db, const QString &head, int fields, int rowsPerStatement)
        : m_many(db, insert(head, fields, rowsPerStatement)), m_one(db, insert(head, fields, 1)),
          m_width(fields), m_valuesPerStatement(qsizetype(fields) * rowsPerStatement)
    {
        m_pending.reserve(m_valuesPerStatement);
    }
    bool prepared() const { return m_many.prepared() && m_one.prepared(); }

    DbError append(const QVariantList &row) override
    {
        m_pending.append(row);
        if (m_pending.size() < m_valuesPerStatement)
            return {};
        const DbError e = run(m_many, m_pending);
        m_pending.clear();
        return e;
    }

    DbError finish() override
    {
        DbError e;
        for (qsizetype at = 0; at < m_pending.size() && !e; at += m_width)
            e = run(m_one, m_pending.mid(at, m_width));
        m_pending.clear();
        return e;
    }

private:
    static QByteArray insert(const QString &head, int fields, int rows)
    {
        QStringList marks;
        for (int i = 0; i < fields; ++i)
            marks << QStringLiteral("?");
        const QString one = QLatin1Char('(') + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
        QStringList all;
        for (int i = 0; i < rows; ++i)
            all << one;
        return (head + all.join(QStringLiteral(", "))).toUtf8();
    }
    static DbError run(Statement &st, const QVariantList &values)
    {
        if (DbError e = st.bind(values))
            return e;
        const int rc = sqlite3_step(st.get());
        sqlite3_reset(st.get());
        return rc == SQLITE_DONE ? DbError{} : st.error(rc);
    }

    Statement m_many, m_one;
    qsizetype m_width;
    qsizetype m_valuesPerStatement;
    QVariantList m_pending; // the values of the rows not inserted yet, one row after another
};

} // namespace

std::unique_ptr<RowAppender> SqliteEngine::appender(const QString &quotedTable, const QStringList &quotedFields)
{
    sqlite3 *raw = handle();
    if (!raw || quotedFields.isEmpty())
        return nullptr;
    // Within SQLite's oldest limit of 999 bound values a statement.
    const int fields = int(quotedFields.size());
    const int rows = qMax(1, 900 / fields);
    auto appender = std::make_unique<SqliteAppender>(
        raw, QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(quotedTable, quotedFields.join(QStringLiteral(", "))), fields, rows);
    if (!appender->prepared())
        return nullptr;
    return appender;
}

DbError SqliteEngine::scan(const QString &statement, const QVariantList &values, const RowVisitor &visit)
{
    // Whole logs are read this way: no QVariant or QString per value, just the stored bytes.
    sqlite3 *raw = handle();
    if (!raw)
        return DbError::of(DbReason::NotOpen);
    Statement st(raw, statement.toUtf8());
    if (!st.prepared())
        return st.prepareError();
    if (DbError e = st.bind(values))
        return e;
    const SqliteRow row(st.get());
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW)
        visit(row);
    return rc == SQLITE_DONE ? DbError{} : st.error(rc);
}

} // namespace pw
