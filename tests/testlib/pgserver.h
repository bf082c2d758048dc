#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct pg_conn;

namespace pw::test {

// A PostgreSQL server of the test's own: a cluster made with initdb in a short temporary folder
// under /tmp, listening only on a Unix socket in that folder (never on TCP), with trust
// authentication for the role "postgres". The machine's own clusters, services and ports are
// never touched. The server runs as the user running the test; as root (the server refuses root)
// it runs as the unprivileged "postgres" system user through runuser, which owns the folder.
//
// The server's output goes to server.log in the folder; every failure's errorString() ends with
// the last lines of that log. The destructor stops the server at once and removes the folder.
class PgServer {
public:
    PgServer();
    ~PgServer();
    PgServer(const PgServer &) = delete;
    PgServer &operator=(const PgServer &) = delete;

    // Starts the server; the first start makes the cluster, a later one (after stop()) runs the same
    // cluster again, with everything it had committed. Waits until it accepts connections.
    bool start();
    // A clean stop (a checkpoint, then the server ends), or an immediate one: every server process
    // ends at once with no checkpoint, as in a crash, and the next start recovers from the WAL.
    bool stop(bool immediate = false);
    bool isRunning() const;
    // Stops every process of the server where it stands (SIGSTOP), as a machine that hangs or a
    // network that drops every packet would: connections stay open, nothing answers. resume()
    // lets them go on.
    bool pause();
    bool resume();

    // Why the last call failed.
    QString errorString() const { return m_error; }

    // The folder holding the cluster and the socket; the socket folder is what libpq calls host.
    QString dir() const { return m_dir; }
    QString socketDir() const { return m_dir; }
    // postgresql://postgres@/DATABASE?host=SOCKETDIR
    QString url(const QString &database) const;

    bool createDatabase(const QString &name);
    bool dropDatabase(const QString &name);

    // The last lines the server wrote to its log.
    QString logTail(int lines = 20) const;

    // The folder with initdb and pg_ctl (PUNCHWELL_PG_BIN overrides Debian's place).
    static QString binDir();

private:
    bool makeCluster();
    bool runTool(const QString &tool, const QStringList &args, int timeoutMs);
    bool fail(const QString &what);
    bool execOnMaintenanceDatabase(const QString &sql);
    qint64 postmasterPid() const;

    QString m_dir;
    QString m_runAs; // empty: run the tools as ourselves
    QString m_error;
};

// A plain libpq connection of a test's own, beside the program's engine: to set a server up, to
// look at what it holds without any of our code, or to play another workstation. Made from a
// postgresql:// URL as url() gives (the socket folder as the "host" query item; any other libpq
// parameter may be added to the query), connected at once, in UTF-8. Closed when it goes.
class PgConnection {
public:
    struct Result {
        bool ok = false;
        QString error; // the server's or libpq's words when not ok
        // Every value as the server's text, NULL as a null QVariant.
        QList<QVariantList> rows;
        explicit operator bool() const { return ok; }
    };

    explicit PgConnection(const QString &url);
    ~PgConnection();
    PgConnection(PgConnection &&other) noexcept;
    PgConnection &operator=(PgConnection &&other) noexcept;
    PgConnection(const PgConnection &) = delete;
    PgConnection &operator=(const PgConnection &) = delete;

    bool isOpen() const;
    // Why the connection failed, or what libpq said last.
    QString error() const;

    // One statement. Without values it is sent as it is (several statements, or a CREATE FUNCTION
    // with its body, may go at once); with values they are its parameters $1, $2, … as text, a null
    // QVariant as NULL.
    Result exec(const QString &sql, const QVariantList &values = {}) const;

private:
    pg_conn *m_conn = nullptr;
};

} // namespace pw::test
