// The private PostgreSQL server the server-engine tests run on: it starts on a socket of its own,
// takes names PostgreSQL only knows quoted, keeps what was committed through an immediate stop
// (as in a crash) and leaves nothing behind. The machine's own PostgreSQL is never touched.
#include "db/quoting.h"
#include "testlib/pgserver.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using pw::quoteIdentifier;
using pw::test::PgConnection;
using pw::test::PgServer;

namespace {

const QString kDatabase = QStringLiteral("Acme Widgets");
const QString kBob = QStringLiteral("O'Neil \"Bob\"");

// Runs one statement; with values, as its parameters.
bool exec(const PgConnection &db, const QString &sql, const QVariantList &values = {})
{
    const PgConnection::Result done = db.exec(sql, values);
    if (!done)
        qWarning("%s: %s", qPrintable(sql), qPrintable(done.error));
    return done.ok;
}

// The rows of a query, each value as text.
QList<QStringList> rows(const PgConnection &db, const QString &sql, const QVariantList &values = {})
{
    const PgConnection::Result done = db.exec(sql, values);
    if (!done) {
        qWarning("%s: %s", qPrintable(sql), qPrintable(done.error));
        return {{QStringLiteral("(failed)")}};
    }
    QList<QStringList> out;
    for (const QVariantList &row : done.rows) {
        QStringList texts;
        for (const QVariant &v : row)
            texts << v.toString();
        out << texts;
    }
    return out;
}

// Ended, or ended and not yet reaped by its parent.
bool processGone(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}

QString insertInto(const QString &table)
{
    return QStringLiteral("INSERT INTO %1 (%2, %3) VALUES ($1, $2)")
        .arg(quoteIdentifier(table), quoteIdentifier(QStringLiteral("Ename")), quoteIdentifier(QStringLiteral("inoutfx")));
}

QString selectFrom(const QString &table)
{
    return QStringLiteral("SELECT %2, %3 FROM %1 ORDER BY %4")
        .arg(quoteIdentifier(table), quoteIdentifier(QStringLiteral("Ename")), quoteIdentifier(QStringLiteral("inoutfx")),
             quoteIdentifier(QStringLiteral("id")));
}

} // namespace

class tst_pgserver : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listensOnlyOnItsSocket();
    void quotedNamesAreTablesOfTheirOwn();
    void committedRowsSurviveAnImmediateStop();
    void droppedDatabaseIsGone();
    void destructorStopsTheServerAndRemovesTheFolder();
    void cleanupTestCase();

private:
    PgConnection connect(const QString &database = kDatabase) const { return PgConnection(m_server.url(database)); }

    PgServer m_server;
};

void tst_pgserver::initTestCase()
{
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    QVERIFY2(m_server.createDatabase(kDatabase), qPrintable(m_server.errorString()));
}

void tst_pgserver::listensOnlyOnItsSocket()
{
    QVERIFY(m_server.isRunning());
    QVERIFY(m_server.socketDir().startsWith(QLatin1String("/tmp/")));
    QVERIFY(QFileInfo(m_server.socketDir() + QStringLiteral("/.s.PGSQL.5432")).exists());
    QVERIFY(m_server.url(kDatabase).startsWith(QLatin1String("postgresql://postgres@/Acme%20Widgets?host=/tmp/")));

    const PgConnection db = connect();
    QVERIFY2(db.isOpen(), qPrintable(db.error()));
    QCOMPARE(rows(db, QStringLiteral("SHOW listen_addresses")), (QList<QStringList>{{QString()}}));
    QCOMPARE(rows(db, QStringLiteral("SHOW unix_socket_directories")), (QList<QStringList>{{m_server.socketDir()}}));
    QCOMPARE(rows(db, QStringLiteral("SHOW data_directory")), (QList<QStringList>{{m_server.dir() + QStringLiteral("/data")}}));
    QCOMPARE(rows(db, QStringLiteral("SELECT current_database(), current_user")), (QList<QStringList>{{kDatabase, QStringLiteral("postgres")}}));
    // The server never runs as root.
    QVERIFY(QFileInfo(m_server.dir() + QStringLiteral("/data")).ownerId() != 0);
}

void tst_pgserver::quotedNamesAreTablesOfTheirOwn()
{
    const PgConnection db = connect();
    QVERIFY2(db.isOpen(), qPrintable(db.error()));
    for (const QString &table : {kBob, QStringLiteral("Ann"), QStringLiteral("ann")})
        QVERIFY(exec(db, QStringLiteral("CREATE TABLE %1 (%2 bigint GENERATED ALWAYS AS IDENTITY, %3 varchar(20), %4 varchar(11))")
                             .arg(quoteIdentifier(table), quoteIdentifier(QStringLiteral("id")),
                                  quoteIdentifier(QStringLiteral("Ename")), quoteIdentifier(QStringLiteral("inoutfx")))));
    QVERIFY(exec(db, insertInto(kBob), {kBob, QStringLiteral("Clocked In")}));
    QVERIFY(exec(db, insertInto(kBob), {kBob, QStringLiteral("Clocked Out")}));
    QVERIFY(exec(db, insertInto(QStringLiteral("Ann")), {QStringLiteral("Ann"), QStringLiteral("Clocked In")}));
    QVERIFY(exec(db, insertInto(QStringLiteral("ann")), {QStringLiteral("ann"), QStringLiteral("Clocked Out")}));

    QCOMPARE(rows(db, QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = $1 ORDER BY 1"),
                  {QStringLiteral("public")}),
             (QList<QStringList>{{QStringLiteral("Ann")}, {kBob}, {QStringLiteral("ann")}}));
    QCOMPARE(rows(db, selectFrom(kBob)), (QList<QStringList>{{kBob, QStringLiteral("Clocked In")}, {kBob, QStringLiteral("Clocked Out")}}));
    QCOMPARE(rows(db, selectFrom(QStringLiteral("Ann"))), (QList<QStringList>{{QStringLiteral("Ann"), QStringLiteral("Clocked In")}}));
    QCOMPARE(rows(db, selectFrom(QStringLiteral("ann"))), (QList<QStringList>{{QStringLiteral("ann"), QStringLiteral("Clocked Out")}}));
}

void tst_pgserver::committedRowsSurviveAnImmediateStop()
{
    const PgConnection writer = connect();
    const PgConnection unfinished = connect();
    QVERIFY2(writer.isOpen() && unfinished.isOpen(), qPrintable(writer.error() + unfinished.error()));
    QVERIFY(exec(writer, QStringLiteral("BEGIN")));
    QVERIFY(exec(writer, insertInto(kBob), {kBob, QStringLiteral("Clocked In")}));
    QVERIFY(exec(writer, QStringLiteral("COMMIT")));
    QVERIFY(exec(unfinished, QStringLiteral("BEGIN")));
    QVERIFY(exec(unfinished, insertInto(kBob), {kBob, QStringLiteral("Unfinished")}));

    QVERIFY2(m_server.stop(true), qPrintable(m_server.errorString()));
    QVERIFY(!m_server.isRunning());
    QVERIFY(!QFileInfo::exists(m_server.socketDir() + QStringLiteral("/.s.PGSQL.5432")));
    QVERIFY(!writer.exec(QStringLiteral("SELECT 1")));

    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    QVERIFY(m_server.isRunning());
    QVERIFY(m_server.logTail(50).contains(QLatin1String("database system was interrupted")));
    const PgConnection after = connect();
    QVERIFY2(after.isOpen(), qPrintable(after.error()));
    QCOMPARE(rows(after, selectFrom(kBob)),
             (QList<QStringList>{{kBob, QStringLiteral("Clocked In")}, {kBob, QStringLiteral("Clocked Out")},
                                 {kBob, QStringLiteral("Clocked In")}}));
    QCOMPARE(rows(after, selectFrom(QStringLiteral("ann"))), (QList<QStringList>{{QStringLiteral("ann"), QStringLiteral("Clocked Out")}}));
}

void tst_pgserver::droppedDatabaseIsGone()
{
    QVERIFY2(m_server.createDatabase(QStringLiteral("scratch")), qPrintable(m_server.errorString()));
    const PgConnection open = connect(QStringLiteral("scratch"));
    QVERIFY2(open.isOpen(), qPrintable(open.error()));
    // A session still connected does not keep the database.
    QVERIFY2(m_server.dropDatabase(QStringLiteral("scratch")), qPrintable(m_server.errorString()));
    const PgConnection again = connect(QStringLiteral("scratch"));
    QVERIFY(!again.isOpen());
    QVERIFY2(again.error().contains(QLatin1String("database \"scratch\" does not exist")), qPrintable(again.error()));
    QVERIFY(m_server.createDatabase(QStringLiteral("scratch")));
    QVERIFY(!m_server.createDatabase(QStringLiteral("scratch")));
    QVERIFY(m_server.errorString().contains(QLatin1String("already exists")));
    QVERIFY(m_server.dropDatabase(QStringLiteral("scratch")));
}

void tst_pgserver::destructorStopsTheServerAndRemovesTheFolder()
{
    QString dir;
    qint64 pid = 0;
    {
        PgServer server;
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        dir = server.dir();
        QFile pidFile(dir + QStringLiteral("/data/postmaster.pid"));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        pid = pidFile.readLine().trimmed().toLongLong();
        QVERIFY(pid > 0);
        QVERIFY(dir != m_server.dir());
    }
    QVERIFY(!QFileInfo::exists(dir));
    QTRY_VERIFY_WITH_TIMEOUT(processGone(pid), 5000);

    // A server that was stopped cannot be reached, and says so.
    PgServer stopped;
    QVERIFY(stopped.start());
    QVERIFY(stopped.stop());
    QVERIFY(!stopped.isRunning());
    QVERIFY(!stopped.createDatabase(QStringLiteral("late")));
    QVERIFY2(stopped.errorString().contains(QLatin1String("cannot connect to the server")), qPrintable(stopped.errorString()));
    QVERIFY2(stopped.errorString().contains(QLatin1String("database system is shut down")), qPrintable(stopped.errorString()));
}

void tst_pgserver::cleanupTestCase()
{
    QVERIFY2(m_server.stop(), qPrintable(m_server.errorString()));
}

QTEST_GUILESS_MAIN(tst_pgserver)
#include "tst_pgserver.moc"
