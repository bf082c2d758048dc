#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

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

// A QPSQL connection made from a postgresql:// URL (user, database, and the socket folder as the
// "host" query item; a port and a password if given), opened. The connection is registered under
// connectionName; remove it with QSqlDatabase::removeDatabase when done. On failure the returned
// database is not open and its lastError() says why.
QSqlDatabase openPostgres(const QString &url, const QString &connectionName, const QString &connectOptions = {});

} // namespace pw::test
