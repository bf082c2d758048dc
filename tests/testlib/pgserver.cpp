#include "testlib/pgserver.h"

#include "db/quoting.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include <libpq-fe.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace pw::test {

namespace {

// Wrapped in '…' for postgresql.conf, with every ' doubled.
QString confString(const QString &value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

// A process that has ended but is not yet reaped (a zombie) counts as ended.
bool processAlive(qint64 pid)
{
    if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM))
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
}

} // namespace

PgServer::PgServer() = default;

PgServer::~PgServer()
{
    if (m_dir.isEmpty())
        return;
    if (isRunning() && !stop(true)) {
        // pg_ctl could not do it: an immediate stop is SIGQUIT to the postmaster, then make sure.
        const qint64 pid = postmasterPid();
        ::kill(static_cast<pid_t>(pid), SIGQUIT);
        QDeadlineTimer deadline(10000);
        while (processAlive(pid) && !deadline.hasExpired())
            QThread::msleep(50);
        if (processAlive(pid))
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        qWarning("the test's PostgreSQL server did not stop by itself: %s", qPrintable(m_error));
    }
    QDir(m_dir).removeRecursively();
}

QString PgServer::binDir()
{
    const QString configured = qEnvironmentVariable("PUNCHWELL_PG_BIN");
    return configured.isEmpty() ? QStringLiteral("/usr/lib/postgresql/15/bin") : configured;
}

bool PgServer::fail(const QString &what)
{
    m_error = what;
    const QString tail = logTail();
    if (!tail.isEmpty())
        m_error += QStringLiteral("\nThe server's log ends with:\n") + tail;
    return false;
}

bool PgServer::runTool(const QString &tool, const QStringList &args, int timeoutMs)
{
    const QString program = binDir() + QLatin1Char('/') + tool;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // The folder is the only one the server's user may be able to enter.
    process.setWorkingDirectory(m_dir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    // A session of its own, so the server is no member of the test's process group: a shell or a
    // test runner that watches that group must not take a server the test pauses (SIGSTOP) for a
    // stopped test.
    process.setChildProcessModifier([] { ::setsid(); });
    if (m_runAs.isEmpty()) {
        process.start(program, args);
    } else {
        const QString runuser = QStandardPaths::findExecutable(
            QStringLiteral("runuser"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/bin")});
        if (runuser.isEmpty())
            return fail(QStringLiteral("runuser (util-linux) is missing; it is needed to run the server as %1").arg(m_runAs));
        process.start(runuser, QStringList{QStringLiteral("-u"), m_runAs, QStringLiteral("--"), program} + args);
    }
    const QString command = tool + QLatin1Char(' ') + args.join(QLatin1Char(' '));
    if (!process.waitForStarted(10000))
        return fail(QStringLiteral("%1 could not be started: %2").arg(command, process.errorString()));
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return fail(QStringLiteral("%1 did not finish within %2 s:\n%3")
                        .arg(command)
                        .arg(timeoutMs / 1000)
                        .arg(QString::fromLocal8Bit(process.readAll())));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return fail(QStringLiteral("%1 failed (exit code %2):\n%3")
                        .arg(command)
                        .arg(process.exitCode())
                        .arg(QString::fromLocal8Bit(process.readAll())));
    return true;
}

bool PgServer::makeCluster()
{
    if (!QFileInfo(binDir() + QStringLiteral("/initdb")).isExecutable())
        return fail(QStringLiteral("%1/initdb is missing; the Debian package postgresql-15 provides it").arg(binDir()));

    // Under /tmp, not TMPDIR: the socket's whole path must stay under about 100 characters.
    QByteArray name("/tmp/pwpg-XXXXXX");
    if (!::mkdtemp(name.data()))
        return fail(QStringLiteral("cannot make a folder under /tmp: %1").arg(QString::fromLocal8Bit(strerror(errno))));
    m_dir = QString::fromLocal8Bit(name);

    if (::geteuid() == 0) {
        // PostgreSQL refuses to run as root: the folder goes to an unprivileged user, who runs
        // every tool. /tmp lets anybody reach the folder.
        const passwd *user = ::getpwnam("postgres");
        if (!user)
            user = ::getpwnam("nobody");
        if (!user)
            return fail(QStringLiteral("running as root, and there is neither a postgres nor a nobody user to run the server"));
        m_runAs = QString::fromLocal8Bit(user->pw_name);
        if (::chown(name.constData(), user->pw_uid, user->pw_gid) != 0)
            return fail(QStringLiteral("cannot give %1 to %2: %3")
                            .arg(m_dir, m_runAs, QString::fromLocal8Bit(strerror(errno))));
    }

    // --no-sync: a test cluster need not survive the machine going down.
    if (!runTool(QStringLiteral("initdb"),
                 {QStringLiteral("--auth=trust"), QStringLiteral("--username=postgres"), QStringLiteral("--encoding=UTF8"),
                  QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--no-sync"), QStringLiteral("--pgdata=") + m_dir + QStringLiteral("/data")},
                 120000))
        return false;

    // Written into the cluster's own configuration rather than given to pg_ctl, so that every start
    // of this cluster, by hand as well, listens only on the socket in the folder.
    // fsync = off: the tests stop the server process (pg_ctl -m immediate), never the machine. A
    // commit still writes its WAL into the kernel's buffers before it returns, and a killed process
    // leaves those buffers behind, so recovery finds every committed transaction. Only a crash of
    // the machine itself would lose them. synchronous_commit stays on: with it off a commit would
    // return before its WAL is written, and an immediate stop could lose it.
    QFile conf(m_dir + QStringLiteral("/data/postgresql.conf"));
    if (!conf.open(QIODevice::Append | QIODevice::Text))
        return fail(QStringLiteral("cannot add to %1: %2").arg(conf.fileName(), conf.errorString()));
    const QString settings = QStringLiteral("\n# Private test server\n"
                                            "listen_addresses = ''\n"
                                            "unix_socket_directories = %1\n"
                                            "fsync = off\n")
                                 .arg(confString(m_dir));
    if (conf.write(settings.toUtf8()) < 0 || !conf.flush())
        return fail(QStringLiteral("cannot add to %1: %2").arg(conf.fileName(), conf.errorString()));
    return true;
}

bool PgServer::start()
{
    m_error.clear();
    if (isRunning())
        return true;
    if (m_dir.isEmpty() && !makeCluster())
        return false;
    return runTool(QStringLiteral("pg_ctl"),
                   {QStringLiteral("--wait"), QStringLiteral("--timeout=60"), QStringLiteral("--pgdata=") + m_dir + QStringLiteral("/data"),
                    QStringLiteral("--log=") + m_dir + QStringLiteral("/server.log"), QStringLiteral("start")},
                   90000);
}

bool PgServer::stop(bool immediate)
{
    m_error.clear();
    if (!isRunning())
        return true;
    return runTool(QStringLiteral("pg_ctl"),
                   {QStringLiteral("--wait"), QStringLiteral("--timeout=60"), QStringLiteral("--pgdata=") + m_dir + QStringLiteral("/data"),
                    QStringLiteral("--mode=") + (immediate ? QStringLiteral("immediate") : QStringLiteral("fast")), QStringLiteral("stop")},
                   90000);
}

qint64 PgServer::postmasterPid() const
{
    if (m_dir.isEmpty())
        return 0;
    // The postmaster removes the file when it ends, also after an immediate stop.
    QFile pidFile(m_dir + QStringLiteral("/data/postmaster.pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return 0;
    return pidFile.readLine().trimmed().toLongLong();
}

namespace {

// The postmaster and every process it started.
QList<pid_t> serverProcesses(qint64 postmaster)
{
    QList<pid_t> pids{static_cast<pid_t>(postmaster)};
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!number || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // pid (name) state ppid ...
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLongLong() == postmaster)
            pids << pid;
    }
    return pids;
}

bool signalServer(qint64 postmaster, int signal)
{
    if (postmaster <= 0)
        return false;
    // The postmaster first, so it starts nothing new while the others are stopped.
    bool ok = true;
    for (pid_t pid : serverProcesses(postmaster))
        ok = ::kill(pid, signal) == 0 && ok;
    return ok;
}

} // namespace

bool PgServer::pause()
{
    m_error.clear();
    return signalServer(postmasterPid(), SIGSTOP) || fail(QStringLiteral("cannot stop the server's processes"));
}

bool PgServer::resume()
{
    m_error.clear();
    return signalServer(postmasterPid(), SIGCONT) || fail(QStringLiteral("cannot let the server's processes go on"));
}

bool PgServer::isRunning() const
{
    return processAlive(postmasterPid());
}

QString PgServer::url(const QString &database) const
{
    return QStringLiteral("postgresql://postgres@/%1?host=%2")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(database)),
             QString::fromLatin1(QUrl::toPercentEncoding(m_dir, "/")));
}

bool PgServer::execOnMaintenanceDatabase(const QString &sql)
{
    m_error.clear();
    const PgConnection db(url(QStringLiteral("postgres")));
    if (!db.isOpen())
        return fail(QStringLiteral("cannot connect to the server: %1").arg(db.error()));
    const PgConnection::Result done = db.exec(sql);
    return done || fail(QStringLiteral("%1 failed: %2").arg(sql, done.error));
}

bool PgServer::createDatabase(const QString &name)
{
    return execOnMaintenanceDatabase(QStringLiteral("CREATE DATABASE ") + quoteIdentifier(name));
}

bool PgServer::dropDatabase(const QString &name)
{
    // FORCE ends the sessions still connected to it.
    return execOnMaintenanceDatabase(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(quoteIdentifier(name)));
}

QString PgServer::logTail(int lines) const
{
    QFile log(m_dir + QStringLiteral("/server.log"));
    if (m_dir.isEmpty() || !log.open(QIODevice::ReadOnly))
        return {};
    QStringList all = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return all.mid(qMax(0, all.size() - lines)).join(QLatin1Char('\n'));
}

PgConnection::PgConnection(const QString &url)
{
    // The URL is expanded as libpq's own dbname; the encoding given after it wins over any in it.
    const QByteArray dbname = url.toUtf8();
    const char *const keys[] = {"dbname", "client_encoding", nullptr};
    const char *const values[] = {dbname.constData(), "UTF8", nullptr};
    m_conn = PQconnectdbParams(keys, values, 1);
}

PgConnection::~PgConnection()
{
    if (m_conn)
        PQfinish(m_conn);
}

PgConnection::PgConnection(PgConnection &&other) noexcept : m_conn(std::exchange(other.m_conn, nullptr)) {}

PgConnection &PgConnection::operator=(PgConnection &&other) noexcept
{
    if (this != &other) {
        if (m_conn)
            PQfinish(m_conn);
        m_conn = std::exchange(other.m_conn, nullptr);
    }
    return *this;
}

bool PgConnection::isOpen() const
{
    return m_conn && PQstatus(m_conn) == CONNECTION_OK;
}

QString PgConnection::error() const
{
    return m_conn ? QString::fromUtf8(PQerrorMessage(m_conn)).trimmed() : QStringLiteral("no connection");
}

PgConnection::Result PgConnection::exec(const QString &sql, const QVariantList &values) const
{
    Result out;
    if (!isOpen()) {
        out.error = error();
        return out;
    }
    const QByteArray statement = sql.toUtf8();
    PGresult *result = nullptr;
    if (values.isEmpty()) {
        result = PQexec(m_conn, statement.constData());
    } else {
        QList<QByteArray> texts;
        for (const QVariant &v : values)
            texts << v.toString().toUtf8();
        std::vector<const char *> params;
        for (qsizetype i = 0; i < values.size(); ++i)
            params.push_back(values[i].isNull() ? nullptr : texts.at(i).constData());
        result = PQexecParams(m_conn, statement.constData(), int(params.size()), nullptr, params.data(), nullptr, nullptr, 0);
    }
    const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    out.ok = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    if (!out.ok) {
        out.error = result ? QString::fromUtf8(PQresultErrorMessage(result)).trimmed() : error();
    } else {
        for (int row = 0; row < PQntuples(result); ++row) {
            QVariantList line;
            for (int column = 0; column < PQnfields(result); ++column)
                line << (PQgetisnull(result, row, column)
                             ? QVariant()
                             : QVariant(QString::fromUtf8(PQgetvalue(result, row, column), PQgetlength(result, row, column))));
            out.rows << line;
        }
    }
    PQclear(result);
    return out;
}

} // namespace pw::test
