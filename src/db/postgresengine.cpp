// Everything that is particular to PostgreSQL: the URI and the connection's settings, the catalog,
// the SQLSTATEs and libpq's messages in the program's terms, and the company as delivered.
#include "db/postgresengine.h"

#include "db/quoting.h"
#include "db/schema.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUrlQuery>

#include <libpq-fe.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <vector>

namespace pw {

namespace {

const QString kDriver = QStringLiteral("QPSQL");

// PostgreSQL cuts longer names short (NAMEDATALEN - 1).
constexpr int kMaxNameBytes = 63;

// The letter-case rule for names in SQL: only 'A'–'Z' fold, whatever the database's locale.
QString folded(const QString &expression)
{
    return QStringLiteral("translate(%1, 'ABCDEFGHIJKLMNOPQRSTUVWXYZ', 'abcdefghijklmnopqrstuvwxyz')").arg(expression);
}

// The schema the company lives in: the first of the connection's search_path (public unless the
// server or the role says otherwise).
const QString kSchema = QStringLiteral(
    "(SELECT n.oid FROM pg_catalog.pg_namespace n WHERE n.nspname = pg_catalog.current_schema())");

// The table a name opens: its own letter case first, then the oldest that differs only in case.
// Binds the name twice.
QString tableOid()
{
    return QStringLiteral("(SELECT c.oid FROM pg_catalog.pg_class c WHERE c.relnamespace = %1 AND c.relkind IN "
                          "('r', 'p') AND %2 = %3 ORDER BY c.relname = ? DESC, c.oid LIMIT 1)")
        .arg(kSchema, folded(QStringLiteral("c.relname")), folded(QStringLiteral("?")));
}

// Types QPSQL reads well as they are; every other is read as its text.
bool readsAsItIs(const QString &type)
{
    static const QStringList types{QStringLiteral("int2"),   QStringLiteral("int4"),    QStringLiteral("int8"),
                                   QStringLiteral("float4"), QStringLiteral("float8"),  QStringLiteral("text"),
                                   QStringLiteral("varchar"), QStringLiteral("bpchar"), QStringLiteral("bytea")};
    return types.contains(type);
}

FieldInfo fieldOf(const QString &name, const QString &type, int typmod)
{
    FieldInfo f{name, FieldKind::Text, 0};
    if (type == QLatin1String("int2"))
        f.kind = FieldKind::SmallInt;
    else if (type == QLatin1String("int4") || type == QLatin1String("int8"))
        f.kind = FieldKind::Integer;
    else if (type == QLatin1String("float4") || type == QLatin1String("float8"))
        f.kind = FieldKind::Real;
    else if (type == QLatin1String("timestamp") || type == QLatin1String("timestamptz") || type == QLatin1String("date"))
        f.kind = FieldKind::DateTime;
    else if (type == QLatin1String("bytea"))
        f.kind = FieldKind::Binary;
    else if ((type == QLatin1String("varchar") || type == QLatin1String("bpchar")) && typmod > 4)
        f.size = typmod - 4;
    return f;
}

QString columnType(const FieldInfo &f)
{
    switch (f.kind) {
    case FieldKind::Text:
        // The lengths of names and tasks are the program's rule, in characters as a person counts
        // them (an accented letter or a flag is one); the server, like the file, keeps what it is
        // given rather than counting code points of its own.
        return QStringLiteral("text");
    case FieldKind::SmallInt:
        return QStringLiteral("smallint");
    case FieldKind::Integer:
        return QStringLiteral("bigint");
    case FieldKind::Real:
        return QStringLiteral("double precision");
    case FieldKind::DateTime:
        return QStringLiteral("timestamp(0) without time zone");
    case FieldKind::Binary:
        return QStringLiteral("bytea");
    }
    return QStringLiteral("text");
}

// A value for libpq's connection string: in '…', with \ and ' escaped.
QString conninfoValue(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

// The part of a server's message that says what happened, without "FATAL:" and the hints.
QString firstLine(const QString &text)
{
    QString line = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    for (const char *prefix : {"FATAL:", "ERROR:"})
        if (line.startsWith(QLatin1String(prefix)))
            line = line.mid(int(qstrlen(prefix))).trimmed();
    return line;
}

// A statement with Qt's "?" placeholders as libpq's $1, $2, ...: a "?" inside a quoted name or a
// text literal is left alone.
QByteArray withNumberedParameters(const QString &statement)
{
    QString out;
    out.reserve(statement.size() + 8);
    QChar quote;
    int n = 0;
    for (QChar c : statement) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('?')) {
            out += QLatin1Char('$') + QString::number(++n);
            continue;
        }
        out += c;
    }
    return out.toUtf8();
}

// A row of a scan, as libpq gives it: each value's text as the server sent it.
class PqRow : public RawRow {
public:
    void setResult(const PGresult *result) { m_result = result; }
    bool isNull(int column) const override { return PQgetisnull(m_result, 0, column); }
    QByteArrayView text(int column) const override
    {
        return QByteArrayView(PQgetvalue(m_result, 0, column), PQgetlength(m_result, 0, column));
    }
    qint64 integer(int column) const override { return std::strtoll(PQgetvalue(m_result, 0, column), nullptr, 10); }

private:
    const PGresult *m_result = nullptr;
};

} // namespace

bool PostgresEngine::isServerLocation(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString PostgresEngine::sqlState(const DbError &error)
{
    if (error.engineCode <= 0)
        return {};
    return QString::number(error.engineCode, 36).toUpper().rightJustified(5, QLatin1Char('0'));
}

PostgresEngine::PostgresEngine(const QString &uri) : PostgresEngine(uri, Timeouts()) {}

PostgresEngine::PostgresEngine(const QString &uri, Timeouts timeouts)
    : m_timeouts(timeouts), m_connection(kDriver, [this](const QSqlError &e) { return fromDriver(e); })
{
    const auto refuse = [this](AddressFault why) -> DbError & {
        m_uriError = DbError::of(DbReason::AddressUnusable).because(why);
        return m_uriError;
    };
    const QUrl url(uri);
    if (!isServerLocation(uri) || !url.isValid()) {
        refuse(AddressFault::NotPostgres).saying(url.errorString());
        return;
    }
    if (!url.password().isEmpty()) {
        refuse(AddressFault::HoldsPassword);
        return;
    }
    m_user = url.userName(QUrl::FullyDecoded);
    m_host = url.host(QUrl::FullyDecoded);
    if (url.port() > 0)
        m_port = QString::number(url.port());
    m_database = url.path(QUrl::FullyDecoded).mid(1);

    static const QRegularExpression keyword(QStringLiteral("^[a-z_]+$"));
    const QUrlQuery query(url);
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (!keyword.match(key).hasMatch()) {
            refuse(AddressFault::UnknownParameter).inField(key);
            return;
        }
        // QPSQL hands its options to libpq with every ';' turned into a blank.
        if (value.contains(QLatin1Char(';'))) {
            refuse(AddressFault::Semicolon).inField(key);
            return;
        }
        if (key == QLatin1String("password")) {
            refuse(AddressFault::HoldsPassword);
            return;
        }
        if (key == QLatin1String("host"))
            m_host = value;
        else if (key == QLatin1String("port"))
            m_port = value;
        else if (key == QLatin1String("dbname"))
            m_database = value;
        else if (key == QLatin1String("user"))
            m_user = value;
        else if (key == QLatin1String("options"))
            m_userOptions = value;
        else {
            if (key == QLatin1String("service"))
                m_service = value;
            m_parameters.append({key, value});
        }
    }
}

Location PostgresEngine::location() const
{
    Location where;
    where.server = true;
    where.database = m_database;
    where.host = m_host;
    where.port = m_port;
    where.service = m_service;
    return where;
}

QString PostgresEngine::connectOptions() const
{
    QStringList options;
    bool ownTimeout = false;
    for (const auto &[key, value] : m_parameters) {
        options << key + QLatin1Char('=') + conninfoValue(value);
        ownTimeout = ownTimeout || key == QLatin1String("connect_timeout");
    }
    if (!ownTimeout)
        options << QStringLiteral("connect_timeout=%1").arg(m_timeouts.connectSeconds);
    options << QStringLiteral("fallback_application_name=Punchwell");
    // A statement, and a wait for another workstation's lock, end with an error instead of hanging.
    QString serverOptions = QStringLiteral("-c statement_timeout=%1 -c lock_timeout=%2")
                                .arg(m_timeouts.statementMs)
                                .arg(m_timeouts.lockMs);
    if (!m_userOptions.isEmpty())
        serverOptions += QLatin1Char(' ') + m_userOptions;
    options << QStringLiteral("options=") + conninfoValue(serverOptions);
    if (!m_port.isEmpty() && m_port.toInt() <= 0)
        options << QStringLiteral("port=") + conninfoValue(m_port); // a list, one port per host
    return options.join(QLatin1Char(';'));
}

void PostgresEngine::configure(QSqlDatabase &connection) const
{
    connection.setHostName(m_host);
    if (m_port.toInt() > 0)
        connection.setPort(m_port.toInt());
    connection.setUserName(m_user);
    connection.setDatabaseName(m_database);
    connection.setConnectOptions(connectOptions());
}

DbError PostgresEngine::withConnection(const std::function<DbError(const Runner &)> &work) const
{
    if (m_uriError)
        return m_uriError;
    QtSqlConnection connection(kDriver, [this](const QSqlError &e) { return fromDriver(e); });
    if (DbError e = connection.open([this](QSqlDatabase &db) { configure(db); }))
        return e.reason == DbReason::CannotOpen ? DbError::of(DbReason::ServerCannotOpen).at(location()) : e;
    const DbError notOpen = DbError::of(DbReason::ConnectionNotOpen).at(location());
    return work([&](const QString &statement, const QVariantList &values, Rows &rows) {
        return connection.run(statement, values, rows, {}, notOpen);
    });
}

DbError PostgresEngine::check() const
{
    // A database without the settings and the list holds no company (yet).
    return withConnection([this](const Runner &run) -> DbError {
        Rows rows;
        if (DbError e = run(QStringLiteral("SELECT count(*) FROM pg_catalog.pg_class c WHERE c.relnamespace = %1 AND "
                                           "c.relkind IN ('r', 'p') AND %2 IN (?, ?)")
                                .arg(kSchema, folded(QStringLiteral("c.relname"))),
                            {foldAsciiCase(kSettingsTable), foldAsciiCase(kEmployeeListTable)}, rows))
            return e;
        if (rows.value(0, 0).toInt() == 0)
            return DbError::of(DbReason::NoCompanyThere).at(location());
        return {};
    });
}

DbError PostgresEngine::createCompany()
{
    // The delivered company: an empty "Company Data", "datalist" with the Manager and no password,
    // and the Manager's empty log. All of it, or nothing.
    return withConnection([this](const Runner &run) -> DbError {
        Rows rows;
        if (DbError e = run(QStringLiteral("BEGIN"), {}, rows))
            return e;
        const auto fail = [&](const DbError &e) {
            run(QStringLiteral("ROLLBACK"), {}, rows);
            return e;
        };
        const QList<std::pair<QString, QVariantList>> statements{
            {createTable(quoteIdentifier(kSettingsTable), settingsFields()), {}},
            {createTable(quoteIdentifier(kEmployeeListTable), employeeListFields()), {}},
            {QStringLiteral("INSERT INTO %1 (Ename, Ewage, Ecomment, epass) VALUES (?, ?, ?, ?)")
                 .arg(quoteIdentifier(kEmployeeListTable)),
             {kManagerAccount, QStringLiteral("0"), QStringLiteral(""), QStringLiteral("")}},
            {createTable(quoteIdentifier(kManagerAccount), logFields()), {}},
        };
        for (const auto &[statement, values] : statements) {
            if (DbError e = run(statement, values, rows)) {
                fail(e);
                if (sqlState(e) == QLatin1String("42P07"))
                    return DbError::of(DbReason::CompanyThere).at(location());
                return e;
            }
        }
        if (DbError e = run(QStringLiteral("COMMIT"), {}, rows))
            return fail(e);
        return {};
    });
}

DbError PostgresEngine::connect()
{
    if (m_uriError)
        return m_uriError;
    if (DbError e = m_connection.open([this](QSqlDatabase &db) { configure(db); }))
        return e;
    // Identity columns came with version 10.
    Rows rows;
    DbError e = run(QStringLiteral("SHOW server_version_num"), {}, rows);
    if (!e && rows.isEmpty())
        e = DbError::of(DbReason::EngineError);
    const int version = rows.value(0, 0).toInt();
    if (!e && version < 100000)
        e = DbError::of(DbReason::ServerTooOld).at(location()).withAmounts(version / 10000);
    if (e)
        m_connection.close();
    return e;
}

DbError PostgresEngine::run(const QString &statement, const QVariantList &values, Rows &rows, const RowHandler &each)
{
    return m_connection.run(statement, values, rows, each, DbError::of(DbReason::ConnectionNotOpen).at(location()));
}

DbError PostgresEngine::verify()
{
    // The server looks after its own storage; what can be checked here is that it answers.
    Rows rows;
    return run(QStringLiteral("SELECT 1"), {}, rows);
}

QString PostgresEngine::beginWrite() const
{
    return QStringLiteral("BEGIN");
}

QString PostgresEngine::lockTable(const QString &quotedName) const
{
    // Conflicts with itself and with every change, not with reading: a second writer of the table
    // waits (lock_timeout at most) until the first commits, then reads what it wrote.
    return QStringLiteral("LOCK TABLE %1 IN SHARE ROW EXCLUSIVE MODE").arg(quotedName);
}

QString PostgresEngine::orderKey() const
{
    return QString::fromLatin1(kOrderColumn);
}

QStringList PostgresEngine::hiddenColumns() const
{
    return {QString::fromLatin1(kOrderColumn)};
}

QString PostgresEngine::sameNameAs(const QString &column) const
{
    return folded(column) + QStringLiteral(" = ") + folded(QStringLiteral("?"));
}

bool PostgresEngine::reservesName(const QString &) const
{
    return false;
}

int PostgresEngine::longestName() const
{
    // A longer name would be cut short, and two such names would open the same table.
    return kMaxNameBytes;
}

QString PostgresEngine::dateTimeAsText(const QString &column) const
{
    // The server's ISO text of a timestamp(0) is the stored form exactly; a QDateTime would pass
    // through the time zone, where an hour skipped by daylight saving does not exist.
    return column + QStringLiteral("::text");
}

DbResult<QString> PostgresEngine::storedName(const QString &table)
{
    Rows rows;
    if (DbError e = run(QStringLiteral("SELECT c.relname FROM pg_catalog.pg_class c WHERE c.oid = %1").arg(tableOid()),
                        {table, table}, rows))
        return e;
    if (!rows.isEmpty())
        return rows.value(0, 0).toString();
    return table;
}

DbResult<QList<PostgresEngine::Column>> PostgresEngine::catalogColumns(const QString &table)
{
    // The engine's own columns (the identity that keeps stored order) are left out.
    Rows rows;
    if (DbError e = run(QStringLiteral("SELECT a.attname, t.typname, a.atttypmod FROM pg_catalog.pg_attribute a "
                                       "JOIN pg_catalog.pg_type t ON t.oid = a.atttypid "
                                       "WHERE a.attrelid = %1 AND a.attnum > 0 AND NOT a.attisdropped "
                                       "AND a.attidentity = '' AND a.attname <> ? ORDER BY a.attnum")
                            .arg(tableOid()),
                        {table, table, QString::fromLatin1(kOrderColumn)}, rows))
        return e;
    QList<Column> columns;
    for (const QVariantList &row : std::as_const(rows.rows))
        columns.append({row.value(0).toString(), row.value(1).toString(), row.value(2).toInt()});
    return columns;
}

DbResult<QList<FieldInfo>> PostgresEngine::columnsOf(const QString &table)
{
    auto columns = catalogColumns(table);
    if (!columns)
        return columns.error();
    QList<FieldInfo> fields;
    for (const Column &c : *columns)
        fields << fieldOf(c.name, c.type, c.typmod);
    return fields;
}

DbResult<QString> PostgresEngine::selectList(const QString &table, const QStringList &fields)
{
    auto columns = catalogColumns(table);
    if (!columns)
        return columns.error();
    if (columns->isEmpty())
        return DbError::of(DbReason::TableNotOnServer).inTable(table).at(location());
    const auto expression = [](const Column &c) {
        const QString quoted = quoteIdentifier(c.name);
        return readsAsItIs(c.type) ? quoted : QStringLiteral("%1::text AS %1").arg(quoted);
    };
    QStringList list;
    if (fields.isEmpty()) {
        for (const Column &c : *columns)
            list << expression(c);
    } else {
        for (const QString &f : fields) {
            const auto found = std::find_if(columns->begin(), columns->end(), [&](const Column &c) { return c.name == f; });
            list << (found == columns->end() ? quoteIdentifier(f) : expression(*found));
        }
    }
    return list.join(QStringLiteral(", "));
}

DbResult<QStringList> PostgresEngine::tableNames()
{
    Rows rows;
    if (DbError e = run(QStringLiteral("SELECT c.relname FROM pg_catalog.pg_class c WHERE c.relnamespace = %1 "
                                       "AND c.relkind IN ('r', 'p') ORDER BY c.oid")
                            .arg(kSchema),
                        {}, rows))
        return e;
    return rows.texts();
}

DbResult<QList<NamedObject>> PostgresEngine::objectsNamed(const QString &name)
{
    // Tables, views, indexes, sequences and types share one name space in a schema. The types
    // every table brings along, and the array types, are the table's, not objects of their own.
    Rows rows;
    if (DbError e = run(QStringLiteral("SELECT CASE c.relkind WHEN 'r' THEN 'table' WHEN 'p' THEN 'table' WHEN 'v' THEN 'view' "
                                  "WHEN 'm' THEN 'view' WHEN 'i' THEN 'index' WHEN 'I' THEN 'index' "
                                  "WHEN 'S' THEN 'sequence' ELSE 'other' END, c.relname, c.oid "
                                  "FROM pg_catalog.pg_class c WHERE c.relnamespace = %1 AND %2 = %4 "
                                  "UNION ALL SELECT 'type', t.typname, t.oid FROM pg_catalog.pg_type t "
                                  "WHERE t.typnamespace = %1 AND t.typrelid = 0 AND t.typelem = 0 AND %3 = %4 "
                                  "ORDER BY 3")
                       .arg(kSchema, folded(QStringLiteral("c.relname")), folded(QStringLiteral("t.typname")),
                            folded(QStringLiteral("?"))),
                        {name, name}, rows))
        return e;
    QList<NamedObject> objects;
    for (const QVariantList &row : std::as_const(rows.rows))
        objects.append({row.value(0).toString(), row.value(1).toString()});
    return objects;
}

QString PostgresEngine::createTable(const QString &quotedName, const QList<FieldInfo> &fields) const
{
    // Field names in small letters: the program's SQL names fields unquoted, which PostgreSQL folds.
    QStringList columns;
    for (const FieldInfo &f : fields)
        columns << quoteIdentifier(foldAsciiCase(f.name)) + QLatin1Char(' ') + columnType(f);
    columns << QStringLiteral("%1 bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY").arg(quoteIdentifier(orderKey()));
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quotedName, columns.join(QStringLiteral(", ")));
}

DbError PostgresEngine::scan(const QString &statement, const QVariantList &values, const RowVisitor &visit)
{
    // Whole logs are read through libpq itself, a row at a time: no QVariant or QString per value,
    // and no more than one row held, however long the log. Nothing else runs on the connection
    // until the last row is in.
    const QSqlDatabase connection = m_connection.database();
    const QVariant handle = connection.driver() ? connection.driver()->handle() : QVariant();
    PGconn *conn = nullptr;
    // libpq's PGconn is the struct pg_conn: Qt names the handle's type by either.
    if (handle.isValid() && (qstrcmp(handle.typeName(), "PGconn*") == 0 || qstrcmp(handle.typeName(), "pg_conn*") == 0))
        conn = *static_cast<PGconn *const *>(handle.constData());
    if (!conn || !connection.isOpen())
        return DbError::of(DbReason::ConnectionNotOpen).at(location());
    const QByteArray sql = withNumberedParameters(statement);
    std::vector<QByteArray> texts;
    texts.reserve(size_t(values.size()));
    std::vector<const char *> parameters;
    for (const QVariant &v : values) {
        if (v.isNull()) {
            parameters.push_back(nullptr);
        } else {
            texts.push_back(v.toString().toUtf8());
            parameters.push_back(texts.back().constData());
        }
    }
    if (!PQsendQueryParams(conn, sql.constData(), int(parameters.size()), nullptr, parameters.data(), nullptr, nullptr, 0))
        return failureOf(conn);
    PQsetSingleRowMode(conn);
    PqRow row;
    DbError e;
    while (PGresult *result = PQgetResult(conn)) {
        const ExecStatusType status = PQresultStatus(result);
        if (status == PGRES_SINGLE_TUPLE) {
            if (!e) {
                row.setResult(result);
                visit(row);
            }
        } else if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK && !e) {
            const char *state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
            e = fromServer(state ? QString::fromLatin1(state) : QString(), QString::fromUtf8(PQresultErrorMessage(result)),
                           false);
        }
        PQclear(result);
    }
    if (!e && PQstatus(conn) != CONNECTION_OK)
        e = failureOf(conn);
    return e;
}

DbError PostgresEngine::fromDriver(const QSqlError &error) const
{
    if (error.type() == QSqlError::NoError)
        return {};
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    return fromServer(error.nativeErrorCode(), text, error.type() == QSqlError::ConnectionError);
}

DbError PostgresEngine::failureOf(PGconn *conn) const
{
    // Outside a result there is no SQLSTATE; libpq's state of the connection tells a lost one.
    const QString said = firstLine(QString::fromUtf8(PQerrorMessage(conn)));
    if (PQstatus(conn) != CONNECTION_OK)
        return DbError::of(DbReason::ConnectionLost).at(location()).saying(said);
    return DbError::of(DbReason::ServerError).at(location()).saying(said);
}

DbError PostgresEngine::fromServer(const QString &state, const QString &text, bool connecting) const
{
    const QString said = firstLine(text);
    DbError e;
    bool ok = false;
    const int code = state.size() == 5 ? state.toInt(&ok, 36) : 0;
    const auto is = [&](const char *sqlState) { return state == QLatin1String(sqlState); };
    const auto set = [&](DbReason reason) {
        e = DbError::of(reason).at(location()).saying(said);
        e.engineCode = ok ? code : 0;
        return e;
    };

    if (state.isEmpty()) {
        // A connection that fails comes from QPSQL as libpq's message alone: the driver closes
        // libpq's connection (and with it PQconnectionNeedsPassword and the like) before it returns,
        // and libpq has no SQLSTATE for what happens before the server answers. Its words are the
        // only thing that tells these apart; they are read here once, and nowhere else.
        const auto says = [&](const char *words) { return text.contains(QLatin1String(words), Qt::CaseInsensitive); };
        if (says("database \"") && says("does not exist"))
            return set(DbReason::NoSuchDatabase);
        if (says("password authentication failed") || says("no password supplied") ||
            says("authentication failed") || (says("role \"") && says("does not exist")) || says("pg_hba.conf"))
            return set(DbReason::LoginRefused);
        if (says("timeout expired"))
            return set(DbReason::ConnectTimeout).after(m_timeouts.connectSeconds);
        if (text.trimmed().startsWith(QLatin1String("invalid"), Qt::CaseInsensitive) || says("unrecognized"))
            return set(DbReason::AddressRefused);
        if (connecting || says("Connection refused") || says("No such file or directory") || says("could not connect") ||
            says("could not translate host name") || says("unreachable") || says("No route to host") ||
            says("shutting down") || says("starting up") || says("too many clients"))
            return set(DbReason::ServerUnreachable);
        // A statement that gets no answer at all: the connection is gone.
        return set(DbReason::ConnectionLost);
    }
    if (is("55P03") || is("40P01") || is("40001"))
        return set(DbReason::LockTimeout).after(m_timeouts.lockMs / 1000.0);
    if (is("57014"))
        return set(DbReason::StatementTimeout).after(m_timeouts.statementMs / 1000.0);
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P")))
        return set(DbReason::ConnectionEnded);
    if (is("3D000"))
        return set(DbReason::NoSuchDatabase);
    if (state.startsWith(QLatin1String("28")))
        return set(DbReason::LoginRefused);
    if (is("42P01"))
        return set(DbReason::TableMissing);
    if (is("42501"))
        return set(DbReason::NotPermitted);
    if (is("25006"))
        return set(DbReason::ServerReadOnly);
    if (is("53100"))
        return set(DbReason::ServerFull);
    if (state.startsWith(QLatin1String("22")))
        return set(DbReason::ValueRefused);
    if (state.startsWith(QLatin1String("XX")))
        return set(DbReason::ServerDamaged);
    if (is("58030"))
        return set(DbReason::ServerIo);
    if (is("25P02"))
        return set(DbReason::EarlierStepFailed);
    return set(DbReason::ServerError);
}

} // namespace pw
