#pragma once

#include "db/engine.h"

#include <QHash>
#include <QList>
#include <QPair>

struct pg_conn;
class QDeadlineTimer;

namespace pw {

// The company in a database on a PostgreSQL server, for several workstations at once, through libpq:
// every value a real parameter of its statement, one round trip a statement.
//
// The location is a URI: postgresql://user@host:port/dbname?sslmode=require&host=/socket/dir, or
// postgres://…; every other libpq parameter may be added to the query. A password never comes in
// the URI: libpq finds it (~/.pgpass, PGPASSFILE, PGPASSWORD, a service file).
//
// The tables are the file's: "Company Data", "datalist" and one log per employee named by the
// employee's name, quoted, its letter case kept. Field names are stored in small letters, as
// PostgreSQL folds the unquoted names the program writes. Each table has one more column of the
// engine's own, pw_order, an identity that keeps stored order (with its index, so the last entry of
// a log is one look-up); no window shows it. Date-times are timestamp(0) without time zone, written
// and read as the text "YYYY-MM-DD HH:MM:SS", so no time zone ever shifts them and an hour that a
// daylight-saving change skips is kept as typed. The switches are smallint.
//
// Table names are matched with ASCII letter case aside, as SQLite matches them: 'A'–'Z' equal
// 'a'–'z', every other character only itself ("Zoë" opens "ZOë", never "ZOË"). A table whose
// stored name equals the requested one exactly wins over one that differs in letter case.
//
// Nothing waits forever: a connection is given up after 5 seconds, a statement after 30, and a lock
// held by another workstation after 5 (the action then fails with "in use", nothing stored). The
// deadlines are the program's own: every wait on the server's socket ends by then, whether the
// server answers or not. The server itself stops a slow statement a little earlier and says so; a
// server that says nothing by the deadline is asked to cancel the statement and the connection is
// given up (the next action connects again). TCP keepalives and tcp_user_timeout find a dead
// connection between actions. A
// write takes a lock on each table it touches (share row exclusive: other workstations still read,
// but a second writer of the same table waits), so a clock-in's check of the last entry and its new
// entry are never split by another workstation's clock event.
class PostgresEngine : public Engine {
public:
    struct Timeouts {
        int connectSeconds = 5;
        int statementMs = 30000;
        int lockMs = 5000;
    };

    explicit PostgresEngine(const QString &uri);
    PostgresEngine(const QString &uri, Timeouts timeouts);
    ~PostgresEngine() override;
    PostgresEngine(const PostgresEngine &) = delete;
    PostgresEngine &operator=(const PostgresEngine &) = delete;

    // Whether a location names a server: it begins with postgresql: or postgres: (in any letter
    // case), well-formed or not, so that a malformed address is refused and never taken for a file.
    static bool isServerLocation(const QString &location);
    // Whether a connection parameter holds a secret (a password, a key's passphrase): never to be
    // given in an address or a configuration file, nor shown.
    static bool isSecretParameter(const QString &key);
    // The SQLSTATE a server failure came with, as PostgreSQL spells it; empty when the server did
    // not answer.
    static QString sqlState(const DbError &error);

    static constexpr const char *kOrderColumn = "pw_order";

    const Timeouts &timeouts() const { return m_timeouts; }

    Location location() const override;
    bool isServer() const override { return true; }
    DbError check() const override;
    DbError createCompany() override;
    void removeEmptyPlace() override {}
    DbError connect() override;
    void disconnect() override;
    bool isConnected() const override;
    DbError run(const QString &statement, const QVariantList &values, Rows &rows, const RowHandler &each = {}) override;
    DbError verify() override;
    DbError checkInPlace() override { return {}; }
    QString beginWrite() const override;
    QString lockTable(const QString &quotedName) const override;
    QString lockAppendOnly(const QString &quotedName) const override;
    QString orderKey() const override;
    QStringList hiddenColumns() const override;
    QString sameNameAs(const QString &column) const override;
    bool reservesName(const QString &name) const override;
    int longestName() const override;
    DbResult<QString> storedOrderOf(const QString &table, const QList<FieldInfo> &fields) override;
    DbResult<QString> storedName(const QString &table) override;
    QString dateTimeAsText(const QString &column) const override;
    QString clockStatement() const override;
    DbResult<QString> selectList(const QString &table, const QStringList &fields) override;
    DbResult<QStringList> tableNames() override;
    DbResult<QList<NamedObject>> objectsNamed(const QString &name) override;
    DbResult<QList<FieldInfo>> columnsOf(const QString &table) override;
    QString createTable(const QString &quotedName, const QList<FieldInfo> &fields) const override;
    DbError keepAppendOnly(const QString &table) override;
    DbError scan(const QString &statement, const QVariantList &values, const RowVisitor &visit) override;

    // A failure the server or libpq reported: its SQLSTATE (empty when the server gave none) and
    // its words, while connecting or not, in the program's terms.
    DbError fromServer(const QString &state, const QString &text, bool connecting) const;

private:
    struct Column {
        QString name, type;
        int typmod = -1;
    };
    using Runner = std::function<DbError(const QString &, const QVariantList &, Rows &)>;
    DbResult<QList<Column>> catalogColumns(const QString &table);
    // A failure of libpq itself on the connection.
    DbError failureOf(pg_conn *conn) const;
    // libpq's connection parameters, keyword and value.
    QList<QPair<QByteArray, QByteArray>> connectParameters() const;
    // A new connection, made within the connection's limit; nullptr and why when there is none.
    pg_conn *newConnection(DbError &why) const;
    // Sends one statement and waits for its answer until the statement's deadline: its rows into
    // rows, or to each, or (raw) to visit one at a time as libpq holds them.
    DbError perform(pg_conn *conn, const QString &statement, const QVariantList &values, Rows &rows,
                    const RowHandler &each, const RowVisitor *visit) const;
    // Waits for the answers to what was sent on conn until the deadline, as perform().
    DbError answers(pg_conn *conn, const QDeadlineTimer &deadline, Rows &rows, const RowHandler &each,
                    const RowVisitor *visit) const;
    // The name of the statement prepared on the engine's connection for this text; made on first use.
    DbResult<QByteArray> prepared(const QString &statement, int parameters, const QDeadlineTimer &deadline) const;
    // Streams the rows of a statement without values as COPY's text, one line a row, until the
    // statement's deadline.
    DbError copyOut(pg_conn *conn, const QString &statement, const RowVisitor &visit) const;
    // A connection of its own for check() and createCompany(), which run before the company is open.
    DbError withConnection(const std::function<DbError(const Runner &)> &work) const;

    QString m_host, m_port, m_user, m_database, m_service;
    QList<QPair<QString, QString>> m_parameters; // further libpq parameters, passed on
    QString m_userOptions;                       // the URI's own "options"
    DbError m_uriError;
    Timeouts m_timeouts;
    pg_conn *m_conn = nullptr;
    mutable QHash<QString, QByteArray> m_prepared; // on m_conn: statement text -> name
};

} // namespace pw
