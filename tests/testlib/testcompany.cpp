#include "testlib/testcompany.h"

#include "messages/errortext.h"

#include "db/postgresengine.h"
#include "db/quoting.h"
#include "db/schema.h"
#include "testlib/coremain.h"
#include "testlib/pgserver.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QUrl>

namespace pw::test {

namespace {

// The company of each test on a server is a schema of its own in the process's one database:
// the search_path in its URI makes it the schema every table is made in and found in, as public is
// in a database of a real company. A schema costs a millisecond, a database a tenth of a second.
const QString kServerDatabase = QStringLiteral("punchwell_tests");
int serverCompanies = 0;

// Short waits, so the tests of a workstation held up by another stay quick (the engine's own
// tests check the real ones).
PostgresEngine::Timeouts serverTimeouts()
{
    PostgresEngine::Timeouts t;
    t.lockMs = 2000;
    return t;
}

} // namespace

bool onServer()
{
    static const bool server = qEnvironmentVariable("PUNCHWELL_TEST_ENGINE").compare(QLatin1String("postgresql"),
                                                                                       Qt::CaseInsensitive) == 0;
    return server;
}

namespace {

std::unique_ptr<PgServer> processServer;

// Should the test process die (a qFatal, a crash, CTest's timeout), a watchman left behind stops
// its server at once and removes the folder, so no server outlives the test.
void leaveWatchman(const PgServer &server)
{
    const QString script = QStringLiteral("while kill -0 %1 2>/dev/null; do sleep 1; done; "
                                          "pid=$(head -n 1 '%2/data/postmaster.pid' 2>/dev/null) && kill -QUIT \"$pid\"; "
                                          "sleep 2; rm -rf '%2'")
                               .arg(QCoreApplication::applicationPid())
                               .arg(server.dir());
    QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
}

} // namespace

PgServer &testServer()
{
    if (!processServer) {
        processServer = std::make_unique<PgServer>();
        if (!processServer->start())
            qFatal("the test's PostgreSQL server cannot be started: %s", qPrintable(processServer->errorString()));
        leaveWatchman(*processServer);
        if (!processServer->createDatabase(kServerDatabase))
            qFatal("%s", qPrintable(processServer->errorString()));
    } else if (!processServer->isRunning() && !processServer->start()) {
        // A test that stopped it and failed before starting it again.
        qFatal("the test's PostgreSQL server cannot be started again: %s", qPrintable(processServer->errorString()));
    }
    return *processServer;
}

void stopTestServer()
{
    processServer.reset();
}

QString freshServerDatabase()
{
    static int databases = 0;
    const QString name = QStringLiteral("fresh %1").arg(++databases);
    if (!testServer().createDatabase(name))
        qFatal("%s", qPrintable(testServer().errorString()));
    return testServer().url(name);
}

void newEmployeeNameRows()
{
    QTest::newRow("20 characters") << "ABCDEFGHIJKLMNOPQRST";
    QTest::newRow("20 non-ASCII characters") << QString(20, QChar(0xE9));
    // A letter with a combining accent is one character to the eye, two code points underneath.
    QTest::newRow("20 letters with combining accents") << QStringLiteral("e\u0301").repeated(20);
    QTest::newRow("other case of a kept log") << "DANA";
    QTest::newRow("quotes") << "O'Neil \"Bob\"; DROP";
    QTest::newRow("injection") << "a\"; DROP TABLE b;--";
    QTest::newRow("dots") << "J. R. Smith.";
    QTest::newRow("brackets") << "[Lee] (nights)";
    QTest::newRow("leading blanks") << "  Pat";
    QTest::newRow("trailing blank") << "Pat ";
    QTest::newRow("non-ASCII") << "Zoë Çelik 名前";
}

TestCompany::TestCompany(const QString &company)
{
    if (!m_dir.isValid())
        qFatal("no temporary folder");
    if (onServer()) {
        makeServerCompany();
    } else {
        m_path = m_dir.filePath(QStringLiteral("Employee.mdb"));
        if (DbError e = Database::createDelivered(m_path))
            qFatal("cannot make the delivered database: %s", qPrintable(pw::ErrorText::describe(e)));
    }
    open();
    if (!company.isNull())
        exec(QStringLiteral("INSERT INTO \"Company Data\" (company) VALUES (?)"), {company});
}

TestCompany::~TestCompany()
{
    m_db.reset();
}

void TestCompany::makeServerCompany()
{
    m_schema = QStringLiteral("company_%1").arg(++serverCompanies);
    const QString &schema = m_schema;
    PgServer &server = testServer();
    {
        const PgConnection sql(server.url(kServerDatabase));
        const PgConnection::Result made = sql.exec(QStringLiteral("CREATE SCHEMA ") + quoteIdentifier(schema));
        if (!made)
            qFatal("cannot make a schema on the test server: %s", qPrintable(made.error));
    }
    m_path = server.url(kServerDatabase) + QStringLiteral("&options=") +
             QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("-c search_path=") + schema));
    Database company(std::make_unique<PostgresEngine>(m_path, serverTimeouts()));
    if (DbError e = company.createCompany())
        qFatal("cannot make the delivered company on the test server: %s", qPrintable(pw::ErrorText::numbered(e)));
}

void TestCompany::open()
{
    if (onServer())
        m_db = std::make_unique<Database>(std::make_unique<PostgresEngine>(m_path, serverTimeouts()));
    else
        m_db = std::make_unique<Database>(m_path);
    if (DbError e = m_db->open())
        qFatal("cannot open the test database: %s", qPrintable(pw::ErrorText::describe(e)));
}

void TestCompany::restart()
{
    m_db.reset();
    dialogs.clear();
    open();
}

void TestCompany::restartAt(const QString &location)
{
    m_db.reset();
    dialogs.clear();
    m_path = location;
    m_db = Database::fromLocation(location);
}

void TestCompany::exec(const QString &sql, const QVariantList &values)
{
    if (DbError e = m_db->exec(sql, values))
        qFatal("exec failed: %s: %s", qPrintable(sql), qPrintable(ErrorText::numbered(e)));
}

QList<QVariantList> TestCompany::rows(const QString &sql, const QVariantList &values)
{
    const auto rows = m_db->query(sql, values);
    if (!rows)
        qFatal("query failed: %s: %s", qPrintable(sql), qPrintable(ErrorText::numbered(rows.error())));
    return rows->rows;
}

QVariant TestCompany::value(const QString &sql, const QVariantList &values)
{
    const auto r = rows(sql, values);
    return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
}

void TestCompany::createLog(const QString &table)
{
    exec(m_db->engine().createTable(quoteIdentifier(table), logFields()));
}

void TestCompany::addEmployee(const QString &name, const QVariant &wage, const QVariant &password, const QVariant &comment)
{
    exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage, Ecomment, epass) VALUES (?, ?, ?, ?)"),
         {name, wage, comment, password});
    createLog(name);
}

void TestCompany::addEntry(const QString &table, const QString &when, const QString &inoutfx, const QVariant &activity,
                           const QString &ename)
{
    exec(QStringLiteral("INSERT INTO %1 (Ename, datetime, inoutfx, activity) VALUES (?, ?, ?, ?)").arg(quoteIdentifier(table)),
         {ename.isNull() ? table : ename, when, inoutfx, activity});
}

PgConnection TestCompany::otherWorkstation()
{
    if (!onServer())
        qFatal("otherWorkstation() is for a company on a server");
    PgConnection other(testServer().url(kServerDatabase));
    const PgConnection::Result set = other.exec(QStringLiteral("SET search_path = ") + quoteIdentifier(m_schema));
    if (!set)
        qFatal("cannot open a second connection: %s", qPrintable(set.error));
    return other;
}

void TestCompany::keepRowsOnDelete(const QString &table, const QString &condition)
{
    static int triggers = 0;
    const QString name = QStringLiteral("keep_%1").arg(++triggers);
    if (onServer()) {
        exec(QStringLiteral("CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS "
                            "$$BEGIN RAISE EXCEPTION 'kept'; END$$").arg(name));
        exec(QStringLiteral("CREATE TRIGGER %1 BEFORE DELETE ON %2 FOR EACH ROW %3 EXECUTE FUNCTION %1()")
                 .arg(name, quoteIdentifier(table),
                      condition.isEmpty() ? QString() : QStringLiteral("WHEN (%1)").arg(condition)));
    } else {
        exec(QStringLiteral("CREATE TRIGGER %1 BEFORE DELETE ON %2 %3 BEGIN SELECT RAISE(ABORT, 'kept'); END")
                 .arg(name, quoteIdentifier(table),
                      condition.isEmpty() ? QString() : QStringLiteral("WHEN %1").arg(condition)));
    }
}

QList<QVariantList> TestCompany::log(const QString &table)
{
    // The table the name opens, letter case aside, as the program opens it.
    const auto stored = m_db->storedName(table);
    return rows(QStringLiteral("SELECT Ename, %1, inoutfx, activity FROM %2 ORDER BY %3")
                    .arg(dateTimeText(QStringLiteral("datetime")), quoteIdentifier(stored ? *stored : table), orderKey()));
}

} // namespace pw::test
