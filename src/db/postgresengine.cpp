// Everything that is particular to PostgreSQL: the URI and the connection's settings, the catalog,
// the SQLSTATEs and libpq's messages in the program's terms, and the company as delivered.
#include "db/postgresengine.h"

#include "db/quoting.h"
#include "db/schema.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <QUrlQuery>

#include <libpq-fe.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include <poll.h>

namespace pw {

namespace {

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

// The key of the advisory lock that keeps writers of the journal one after another ("PWJL").
constexpr qint64 kAppendOnlyLockKey = 0x50574a4c;

// The table a name opens: its own letter case first, then the oldest that differs only in case.
// Binds the name twice.
QString tableOid()
{
    return QStringLiteral("(SELECT c.oid FROM pg_catalog.pg_class c WHERE c.relnamespace = %1 AND c.relkind IN "
                          "('r', 'p') AND %2 = %3 ORDER BY c.relname = ? DESC, c.oid LIMIT 1)")
        .arg(kSchema, folded(QStringLiteral("c.relname")), folded(QStringLiteral("?")));
}

// Types whose values read well as they are; every other is read as its text.
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

// A value of a scan as a statement's rows give a text: a Null of text, or the text.
QVariant textValue(const RawRow &row, int column)
{
    if (row.isNull(column))
        return QVariant(QMetaType::fromType<QString>());
    const QByteArrayView text = row.text(column);
    return QString::fromUtf8(text.data(), text.size());
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
    bool isText(int column) const override { return !isNull(column); }
    QVariant value(int column) const override { return textValue(*this, column); }

private:
    const PGresult *m_result = nullptr;
};

enum class Wait { Ready, TimedOut, Failed };

// Waits until the connection's socket can be written (or read), or the deadline passes.
Wait waitFor(PGconn *conn, bool writing, const QDeadlineTimer &deadline)
{
    pollfd socket{PQsocket(conn), short(writing ? POLLOUT : POLLIN), 0};
    if (socket.fd < 0)
        return Wait::Failed;
    for (;;) {
        const qint64 left = deadline.remainingTime();
        const int ready = ::poll(&socket, 1, left < 0 ? -1 : int(left));
        if (ready > 0)
            return Wait::Ready;
        if (ready == 0)
            return Wait::TimedOut;
        if (errno != EINTR)
            return Wait::Failed;
    }
}

// Asks the server to stop the statement under way, without waiting for it: libpq's cancel waits for
// the server to close the request's connection, which a server that hangs never does.
void cancelInBackground(PGconn *conn)
{
    PGcancel *cancel = PQgetCancel(conn);
    if (!cancel)
        return;
    std::thread([cancel]() {
        char ignored[256];
        PQcancel(cancel, ignored, int(sizeof ignored));
        PQfreeCancel(cancel);
    }).detach();
}

// The values of a statement as libpq's parameters: each as its text (a QByteArray as its bytes,
// binary), a null as SQL's NULL. The server infers each parameter's type from the statement.
class Parameters {
public:
    explicit Parameters(const QVariantList &values)
    {
        m_data.reserve(size_t(values.size()));
        for (const QVariant &v : values) {
            if (v.isNull()) {
                m_data.emplace_back();
                m_values.push_back(nullptr);
                m_lengths.push_back(0);
                m_formats.push_back(0);
                continue;
            }
            const bool binary = v.typeId() == QMetaType::QByteArray;
            if (binary)
                m_data.push_back(v.toByteArray());
            else if (v.typeId() == QMetaType::Bool)
                m_data.push_back(v.toBool() ? QByteArrayLiteral("true") : QByteArrayLiteral("false"));
            else
                m_data.push_back(v.toString().toUtf8());
            m_values.push_back(m_data.back().constData());
            m_lengths.push_back(int(m_data.back().size()));
            m_formats.push_back(binary ? 1 : 0);
        }
    }
    int count() const { return int(m_values.size()); }
    const char *const *values() const { return m_values.data(); }
    const int *lengths() const { return m_lengths.data(); }
    const int *formats() const { return m_formats.data(); }

private:
    std::vector<QByteArray> m_data;
    std::vector<const char *> m_values;
    std::vector<int> m_lengths, m_formats;
};

// A row of COPY's text output: values apart by tabs, \N for a Null, a backslash before each
// character it escapes.
class CopyRow : public RawRow {
public:
    void setLine(const char *line, int length)
    {
        m_fields.clear();
        m_text.clear();
        // Decoded values are never longer than the line, so the buffer never moves under them.
        m_text.reserve(length);
        if (length > 0 && line[length - 1] == '\n')
            --length;
        const char *end = line + length;
        const char *field = line;
        bool escaped = false;
        for (const char *p = line;; ++p) {
            if (p == end || *p == '\t') {
                addField(field, int(p - field), escaped);
                if (p == end)
                    break;
                field = p + 1;
                escaped = false;
            } else if (*p == '\\' && p + 1 < end) {
                escaped = true;
                ++p;
            }
        }
    }
    bool isNull(int column) const override { return column >= int(m_fields.size()) || !m_fields[size_t(column)].data; }
    QByteArrayView text(int column) const override
    {
        if (isNull(column))
            return {};
        return QByteArrayView(m_fields[size_t(column)].data, m_fields[size_t(column)].length);
    }
    qint64 integer(int column) const override
    {
        const QByteArrayView t = text(column);
        return t.isEmpty() ? 0 : t.toLongLong();
    }
    bool isText(int column) const override { return !isNull(column); }
    QVariant value(int column) const override { return textValue(*this, column); }

private:
    struct Field {
        const char *data; // nullptr for a Null
        int length;
    };

    void addField(const char *p, int length, bool escaped)
    {
        if (!escaped) {
            m_fields.push_back({p, length});
            return;
        }
        if (length == 2 && p[1] == 'N') {
            m_fields.push_back({nullptr, 0});
            return;
        }
        const qsizetype start = m_text.size();
        for (int i = 0; i < length; ++i) {
            char c = p[i];
            if (c == '\\' && i + 1 < length) {
                switch (c = p[++i]) {
                case 'b': c = '\b'; break;
                case 'f': c = '\f'; break;
                case 'n': c = '\n'; break;
                case 'r': c = '\r'; break;
                case 't': c = '\t'; break;
                case 'v': c = '\v'; break;
                default: break;
                }
            }
            m_text.append(c);
        }
        m_fields.push_back({m_text.constData() + start, int(m_text.size() - start)});
    }

    std::vector<Field> m_fields;
    QByteArray m_text;
};

// The type a column's values take, by the server's type of the column.
QMetaType::Type variantType(Oid type)
{
    switch (type) {
    case 16: return QMetaType::Bool;         // bool
    case 17: return QMetaType::QByteArray;   // bytea
    case 20: return QMetaType::LongLong;     // int8
    case 21:                                  // int2
    case 23: return QMetaType::Int;          // int4
    case 26: return QMetaType::UInt;         // oid
    case 700:                                 // float4
    case 701:                                 // float8
    case 1700: return QMetaType::Double;     // numeric
    case 1082: return QMetaType::QDate;
    case 1083: return QMetaType::QTime;
    case 1114:                                // timestamp
    case 1184: return QMetaType::QDateTime;  // timestamptz
    default: return QMetaType::QString;
    }
}

QVariant valueOf(const PGresult *result, int row, int column, QMetaType::Type type)
{
    if (PQgetisnull(result, row, column))
        return QVariant(QMetaType(type));
    const char *text = PQgetvalue(result, row, column);
    const int length = PQgetlength(result, row, column);
    switch (type) {
    case QMetaType::Bool:
        return QVariant(text[0] == 't');
    case QMetaType::LongLong:
        return QVariant(qlonglong(std::strtoll(text, nullptr, 10)));
    case QMetaType::Int:
        return QVariant(int(std::strtol(text, nullptr, 10)));
    case QMetaType::UInt:
        return QVariant(uint(std::strtoul(text, nullptr, 10)));
    case QMetaType::Double:
        return QVariant(QByteArrayView(text, length).toDouble());
    case QMetaType::QByteArray: {
        size_t size = 0;
        unsigned char *bytes = PQunescapeBytea(reinterpret_cast<const unsigned char *>(text), &size);
        const QByteArray out(reinterpret_cast<const char *>(bytes), qsizetype(size));
        PQfreemem(bytes);
        return out;
    }
    case QMetaType::QDate:
        return QDate::fromString(QString::fromLatin1(text, length), Qt::ISODate);
    case QMetaType::QTime:
        return QTime::fromString(QString::fromLatin1(text, length), Qt::ISODate);
    case QMetaType::QDateTime:
        return QDateTime::fromString(QString::fromLatin1(text, length), Qt::ISODate);
    default:
        return QString::fromUtf8(text, length);
    }
}

// The rows of a result, into rows or to each.
DbError readRows(const PGresult *result, Rows &rows, const RowHandler &each)
{
    const int columns = PQnfields(result);
    std::vector<QMetaType::Type> types;
    rows.columns.clear();
    for (int c = 0; c < columns; ++c) {
        rows.columns << QString::fromUtf8(PQfname(result, c));
        types.push_back(variantType(PQftype(result, c)));
    }
    rows.rows.clear();
    const int count = PQntuples(result);
    if (!each)
        rows.rows.reserve(count);
    QVariantList row;
    for (int r = 0; r < count; ++r) {
        row.clear();
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << valueOf(result, r, c, types[size_t(c)]);
        if (!each)
            rows.rows << row;
        else if (DbError e = each(row))
            return e;
    }
    return {};
}

} // namespace

bool PostgresEngine::isServerLocation(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql:"), Qt::CaseInsensitive) ||
           location.startsWith(QLatin1String("postgres:"), Qt::CaseInsensitive);
}

bool PostgresEngine::isSecretParameter(const QString &key)
{
    // libpq marks the parameters it would not show ("*"); the two it has always had are named too.
    static const QSet<QString> secrets = [] {
        QSet<QString> keys{QStringLiteral("password"), QStringLiteral("sslpassword")};
        if (PQconninfoOption *options = PQconndefaults()) {
            for (const PQconninfoOption *o = options; o->keyword; ++o)
                if (o->dispchar && std::strchr(o->dispchar, '*'))
                    keys.insert(QString::fromLatin1(o->keyword));
            PQconninfoFree(options);
        }
        return keys;
    }();
    return secrets.contains(key.trimmed().toLower());
}

QString PostgresEngine::sqlState(const DbError &error)
{
    if (error.engineCode <= 0)
        return {};
    return QString::number(error.engineCode, 36).toUpper().rightJustified(5, QLatin1Char('0'));
}

PostgresEngine::PostgresEngine(const QString &uri) : PostgresEngine(uri, Timeouts()) {}

PostgresEngine::PostgresEngine(const QString &uri, Timeouts timeouts)
    : m_timeouts(timeouts)
{
    const auto refuse = [this](AddressFault why) -> DbError & {
        m_uriError = DbError::of(DbReason::AddressUnusable).because(why);
        return m_uriError;
    };
    // Nothing of the address itself goes into a refusal: it may hold a password.
    if (!isServerLocation(uri)) {
        refuse(AddressFault::NotPostgres).saying(uri.section(QLatin1Char(':'), 0, 0).left(20));
        return;
    }
    const QUrl url(uri);
    if (!url.password().isEmpty()) {
        refuse(AddressFault::HoldsPassword);
        return;
    }
    if (uri.mid(uri.indexOf(QLatin1Char(':')) + 1, 2) != QLatin1String("//") || !url.isValid()) {
        // A password in an address that cannot be read is still a password.
        const QString userinfo = uri.section(QLatin1Char('@'), 0, 0);
        refuse(uri.contains(QLatin1Char('@')) && userinfo.section(QLatin1Char(':'), 1).contains(QLatin1Char(':'))
                   ? AddressFault::HoldsPassword
                   : AddressFault::Malformed);
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
        // Refused since the first server engine, whose driver turned every ';' of an option into a blank.
        if (value.contains(QLatin1Char(';'))) {
            refuse(AddressFault::Semicolon).inField(key);
            return;
        }
        if (key == QLatin1String("password")) {
            refuse(AddressFault::HoldsPassword);
            return;
        }
        if (isSecretParameter(key)) {
            refuse(AddressFault::HoldsSecret).inField(key);
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

QList<QPair<QByteArray, QByteArray>> PostgresEngine::connectParameters() const
{
    QList<QPair<QByteArray, QByteArray>> parameters;
    const auto add = [&](const char *key, const QString &value) {
        if (!value.isEmpty())
            parameters.append({QByteArray(key), value.toUtf8()});
    };
    add("host", m_host);
    add("port", m_port);
    add("user", m_user);
    add("dbname", m_database);
    QSet<QString> given;
    for (const auto &[key, value] : m_parameters) {
        parameters.append({key.toUtf8(), value.toUtf8()});
        given.insert(key);
    }
    const auto byDefault = [&](const char *key, const QString &value) {
        if (!given.contains(QLatin1String(key)))
            add(key, value);
    };
    byDefault("connect_timeout", QString::number(m_timeouts.connectSeconds));
    // A connection that dies between actions is found out by the system, not at the next action.
    byDefault("keepalives", QStringLiteral("1"));
    byDefault("keepalives_idle", QStringLiteral("10"));
    byDefault("keepalives_interval", QStringLiteral("2"));
    byDefault("keepalives_count", QStringLiteral("3"));
    byDefault("tcp_user_timeout", QString::number(m_timeouts.statementMs));
    add("fallback_application_name", QStringLiteral("Punchwell"));
    add("client_encoding", QStringLiteral("UTF8"));
    // The server stops a slow statement, and a wait for another workstation's lock, a little before
    // the program stops waiting, so that a server that answers says why. Date-times in ISO form.
    QString serverOptions = QStringLiteral("-c statement_timeout=%1 -c lock_timeout=%2 -c datestyle=ISO")
                                .arg(m_timeouts.statementMs - qMin(1000, m_timeouts.statementMs / 4))
                                .arg(m_timeouts.lockMs);
    if (!m_userOptions.isEmpty())
        serverOptions += QLatin1Char(' ') + m_userOptions;
    add("options", serverOptions);
    return parameters;
}

PGconn *PostgresEngine::newConnection(DbError &why) const
{
    const auto parameters = connectParameters();
    std::vector<const char *> keys, values;
    for (const auto &[key, value] : parameters) {
        keys.push_back(key.constData());
        values.push_back(value.constData());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);
    PGconn *conn = PQconnectStartParams(keys.data(), values.data(), 0);
    if (!conn) {
        why = DbError::of(DbReason::ServerCannotOpen).at(location());
        return nullptr;
    }
    PQsetNoticeProcessor(conn, [](void *, const char *) {}, nullptr);
    const QDeadlineTimer deadline(m_timeouts.connectSeconds * 1000);
    PostgresPollingStatusType state = PGRES_POLLING_WRITING;
    while (PQstatus(conn) != CONNECTION_BAD && state != PGRES_POLLING_FAILED) {
        if (state == PGRES_POLLING_OK) {
            // Identity columns came with version 10.
            const int version = PQserverVersion(conn);
            if (version >= 100000)
                return conn;
            PQfinish(conn);
            why = DbError::of(DbReason::ServerTooOld).at(location()).withAmounts(version / 10000);
            return nullptr;
        }
        const Wait waited = waitFor(conn, state == PGRES_POLLING_WRITING, deadline);
        if (waited == Wait::TimedOut) {
            PQfinish(conn);
            why = DbError::of(DbReason::ConnectTimeout).at(location()).after(m_timeouts.connectSeconds);
            return nullptr;
        }
        if (waited == Wait::Failed)
            break;
        state = PQconnectPoll(conn);
    }
    why = fromServer(QString(), QString::fromUtf8(PQerrorMessage(conn)), true);
    PQfinish(conn);
    return nullptr;
}

DbError PostgresEngine::withConnection(const std::function<DbError(const Runner &)> &work) const
{
    if (m_uriError)
        return m_uriError;
    DbError why;
    PGconn *conn = newConnection(why);
    if (!conn)
        return why;
    const DbError result = work([&](const QString &statement, const QVariantList &values, Rows &rows) {
        return perform(conn, statement, values, rows, {}, nullptr);
    });
    PQfinish(conn);
    return result;
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
        for (const DeliveredStatement &statement : deliveredCompany(*this)) {
            if (DbError e = run(statement.sql, statement.values, rows)) {
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

PostgresEngine::~PostgresEngine()
{
    disconnect();
}

DbError PostgresEngine::connect()
{
    disconnect();
    if (m_uriError)
        return m_uriError;
    DbError why;
    m_conn = newConnection(why);
    return why;
}

void PostgresEngine::disconnect()
{
    if (m_conn)
        PQfinish(m_conn);
    m_conn = nullptr;
    m_prepared.clear();
}

bool PostgresEngine::isConnected() const
{
    return m_conn && PQstatus(m_conn) == CONNECTION_OK;
}

DbError PostgresEngine::run(const QString &statement, const QVariantList &values, Rows &rows, const RowHandler &each)
{
    const DbError e = perform(m_conn, statement, values, rows, each, nullptr);
    // A server that did not answer may still be working on the statement: the connection is
    // given up, and the next action makes a new one.
    if (e.reason == DbReason::NoAnswer)
        disconnect();
    return e;
}

DbError PostgresEngine::perform(PGconn *conn, const QString &statement, const QVariantList &values, Rows &rows,
                                const RowHandler &each, const RowVisitor *visit) const
{
    if (!conn || PQstatus(conn) != CONNECTION_OK)
        return DbError::of(DbReason::ConnectionNotOpen).at(location());
    rows = Rows();
    const QDeadlineTimer deadline(m_timeouts.statementMs);
    int sent;
    if (values.isEmpty() && !visit) {
        // Sent as it is: it may hold several statements.
        sent = PQsendQuery(conn, statement.toUtf8().constData());
    } else {
        const Parameters parameters(values);
        if (conn == m_conn && !visit) {
            // Prepared once a connection, then one trip each time, without parsing and planning.
            const auto name = prepared(statement, parameters.count(), deadline);
            if (!name)
                return name.error();
            sent = PQsendQueryPrepared(conn, name->constData(), parameters.count(), parameters.values(),
                                       parameters.lengths(), parameters.formats(), 0);
        } else {
            sent = PQsendQueryParams(conn, withNumberedParameters(statement).constData(), parameters.count(), nullptr,
                                     parameters.values(), parameters.lengths(), parameters.formats(), 0);
        }
    }
    if (!sent)
        return failureOf(conn);
    if (visit)
        PQsetSingleRowMode(conn);
    return answers(conn, deadline, rows, each, visit);
}

DbResult<QByteArray> PostgresEngine::prepared(const QString &statement, int parameters, const QDeadlineTimer &deadline) const
{
    const auto found = m_prepared.constFind(statement);
    if (found != m_prepared.constEnd())
        return *found;
    const QByteArray name = QByteArrayLiteral("pw_") + QByteArray::number(m_prepared.size() + 1);
    if (!PQsendPrepare(m_conn, name.constData(), withNumberedParameters(statement).constData(), parameters, nullptr))
        return failureOf(m_conn);
    Rows unused;
    if (DbError e = answers(m_conn, deadline, unused, {}, nullptr))
        return e;
    m_prepared.insert(statement, name);
    return name;
}

DbError PostgresEngine::answers(PGconn *conn, const QDeadlineTimer &deadline, Rows &rows, const RowHandler &each,
                                const RowVisitor *visit) const
{
    const auto giveUp = [&]() {
        cancelInBackground(conn);
        return DbError::of(DbReason::NoAnswer).at(location()).after(m_timeouts.statementMs / 1000.0);
    };
    for (int flushed; (flushed = PQflush(conn)) != 0;) {
        if (flushed < 0)
            return failureOf(conn);
        const Wait waited = waitFor(conn, true, deadline);
        if (waited == Wait::TimedOut)
            return giveUp();
        if (waited == Wait::Failed || !PQconsumeInput(conn))
            return failureOf(conn);
    }

    PqRow row;
    DbError e;
    for (;;) {
        while (PQisBusy(conn)) {
            const Wait waited = waitFor(conn, false, deadline);
            if (waited == Wait::TimedOut)
                return giveUp();
            if (waited == Wait::Failed || !PQconsumeInput(conn))
                return e ? e : failureOf(conn);
        }
        PGresult *result = PQgetResult(conn);
        if (!result)
            break;
        switch (PQresultStatus(result)) {
        case PGRES_SINGLE_TUPLE:
            if (!e) {
                row.setResult(result);
                (*visit)(row);
            }
            break;
        case PGRES_TUPLES_OK:
            if (!e && !visit)
                e = readRows(result, rows, each);
            break;
        case PGRES_COMMAND_OK:
            rows.changed = std::strtoll(PQcmdTuples(result), nullptr, 10);
            break;
        case PGRES_EMPTY_QUERY:
            break;
        default:
            if (!e) {
                const char *state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
                e = fromServer(state ? QString::fromLatin1(state) : QString(),
                               QString::fromUtf8(PQresultErrorMessage(result)), false);
            }
            break;
        }
        PQclear(result);
    }
    if (!e && PQstatus(conn) != CONNECTION_OK)
        e = failureOf(conn);
    return e;
}

DbError PostgresEngine::verify()
{
    // The server looks after its own storage; what can be checked here is that it answers.
    Rows rows;
    return run(QStringLiteral("SELECT 1"), {}, rows);
}

QString PostgresEngine::lockAppendOnly(const QString &) const
{
    // Locking a table against writers of its own kind asks for the right to change or remove its
    // rows, which the journal's writers lack. A lock of the write's own under the journal's key
    // (there is one such table) keeps a second writer waiting the same way until the first commits.
    return QStringLiteral("SELECT pg_catalog.pg_advisory_xact_lock(%1)").arg(kAppendOnlyLockKey);
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

QString PostgresEngine::clockStatement() const
{
    // clock_timestamp(), not now(): the instant of reading, not the start of a transaction.
    return QStringLiteral("SELECT (extract(epoch FROM clock_timestamp()) * 1000)::bigint");
}

DbResult<QString> PostgresEngine::storedOrderOf(const QString &table, const QList<FieldInfo> &)
{
    // A table made by hand on the server may lack the order column.
    bool has = false;
    if (DbError e = scan(QStringLiteral("SELECT 1 FROM pg_catalog.pg_attribute WHERE attrelid = %1 AND attname = ? "
                                           "AND NOT attisdropped")
                                .arg(tableOid()),
                            {table, table, QString::fromLatin1(kOrderColumn)}, [&](const RawRow &) { has = true; }))
        return e;
    return has ? orderKey() : QString();
}

QString PostgresEngine::dateTimeAsText(const QString &column) const
{
    // The server's ISO text of a timestamp(0) is the stored form exactly; a QDateTime would pass
    // through the time zone, where an hour skipped by daylight saving does not exist.
    return column + QStringLiteral("::text");
}

DbError PostgresEngine::keepAppendOnly(const QString &table)
{
    // The owner's default privileges may have given the workstations' role every right on the
    // table as it was made; what goes beyond reading and adding rows is taken back.
    Rows grantees;
    if (DbError e = run(QStringLiteral("SELECT DISTINCT g.grantee FROM information_schema.role_table_grants g "
                                       "WHERE g.table_schema = pg_catalog.current_schema() AND g.table_name = ? "
                                       "AND g.grantee NOT IN (CURRENT_USER, ?) AND g.privilege_type IN (?, ?, ?)"),
                        {table, QStringLiteral("PUBLIC"), QStringLiteral("UPDATE"), QStringLiteral("DELETE"),
                         QStringLiteral("TRUNCATE")},
                        grantees))
        return e;
    for (qsizetype i = 0; i < grantees.size(); ++i) {
        Rows none;
        if (DbError e = run(QStringLiteral("REVOKE UPDATE, DELETE, TRUNCATE ON TABLE %1 FROM %2")
                                .arg(quoteIdentifier(table), quoteIdentifier(grantees.value(i, 0).toString())),
                            {}, none))
            return e;
    }
    return {};
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

DbError PostgresEngine::copyOut(PGconn *conn, const QString &statement, const RowVisitor &visit) const
{
    if (!conn || PQstatus(conn) != CONNECTION_OK)
        return DbError::of(DbReason::ConnectionNotOpen).at(location());
    if (!PQsendQuery(conn, QStringLiteral("COPY (%1) TO STDOUT").arg(statement).toUtf8().constData()))
        return failureOf(conn);
    const QDeadlineTimer deadline(m_timeouts.statementMs);
    const auto wait = [&]() -> DbError {
        const Wait waited = waitFor(conn, false, deadline);
        if (waited == Wait::TimedOut) {
            cancelInBackground(conn);
            return DbError::of(DbReason::NoAnswer).at(location()).after(m_timeouts.statementMs / 1000.0);
        }
        if (waited == Wait::Failed || !PQconsumeInput(conn))
            return failureOf(conn);
        return {};
    };
    CopyRow row;
    DbError e;
    for (;;) {
        while (PQisBusy(conn))
            if (DbError failed = wait())
                return failed;
        PGresult *result = PQgetResult(conn);
        if (!result)
            break;
        const ExecStatusType status = PQresultStatus(result);
        if (status == PGRES_COPY_OUT) {
            PQclear(result);
            for (;;) {
                char *line = nullptr;
                const int length = PQgetCopyData(conn, &line, 1);
                if (length > 0) {
                    if (!e) {
                        row.setLine(line, length);
                        visit(row);
                    }
                    PQfreemem(line);
                } else if (length == 0) {
                    if (DbError failed = wait())
                        return failed;
                } else {
                    break; // the end of the rows, or a failure the next result tells
                }
            }
            continue;
        }
        if (status != PGRES_COMMAND_OK && !e) {
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

DbError PostgresEngine::scan(const QString &statement, const QVariantList &values, const RowVisitor &visit)
{
    // Whole logs stream as COPY's text, a row at a time: no QVariant or QString per value, and no
    // more than one row held, however long the log. Nothing else runs on the connection until the
    // last row is in. A statement with values (COPY takes none) comes a row at a time from libpq.
    Rows unused;
    const DbError e = values.isEmpty() ? copyOut(m_conn, statement, visit)
                                       : perform(m_conn, statement, values, unused, {}, &visit);
    if (e.reason == DbReason::NoAnswer)
        disconnect();
    return e;
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
        // libpq has no SQLSTATE for what happens before the server answers, or for a connection that
        // breaks: its message is all there is. Its words are the only thing that tells these apart;
        // they are read here once, and nowhere else.
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
