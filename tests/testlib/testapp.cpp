#include "testlib/testapp.h"
#include "testlib/testmain.h"

// The one place in the tests that knows the window classes: the program's registry of windows
// makes and finds them; everything else reaches them as widgets, by objectName.
#include "app/startup.h"
#include "ui/logonwindow.h"
#include "ui/mainwindow.h"
#include "ui/splashwindow.h"
#include "ui/windows.h"

#include "db/postgresengine.h"
#include "db/quoting.h"
#include "domain/recordviews.h"
#include "db/schema.h"
#include "testlib/pgserver.h"
#include "messages/errortext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QProcess>
#include <QUrl>

namespace pw::test {

namespace {

QtMessageHandler qtTestHandler = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (qtTestHandler)
        qtTestHandler(type, context, message);
}

// The company of each TestApp on a server is a schema of its own in the process's one database:
// the search_path in its URI makes it the schema every table is made in and found in, as public is
// in a database of a real company. A schema costs a millisecond, a database a tenth of a second.
const QString kServerDatabase = QStringLiteral("punchwell_tests");
int serverCompanies = 0;

// Short waits, so the window tests of a workstation held up by another stay quick (the engine's
// own tests check the real ones).
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

void quietOffscreenWarnings()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        qtTestHandler = qInstallMessageHandler(quietMessages);
    }
}

void settle(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

TestApp::TestApp(const QString &company, PrinterFactory *printerFactory)
{
    quietOffscreenWarnings();
    if (!m_dir.isValid())
        qFatal("no temporary folder");
    if (onServer()) {
        makeServerCompany();
    } else {
        m_path = m_dir.filePath(QStringLiteral("Employee.mdb"));
        if (DbError e = Database::createDelivered(m_path))
            qFatal("cannot make the delivered database: %s", qPrintable(pw::ErrorText::describe(e)));
    }
    m_printers = printerFactory ? printerFactory : &printers;
    openRun();
    if (!company.isNull())
        exec(QStringLiteral("INSERT INTO \"Company Data\" (company) VALUES (?)"), {company});
}

TestApp::~TestApp()
{
    m_windows.reset();
    settle(1);
    m_db.reset();
}

void TestApp::makeServerCompany()
{
    m_schema = QStringLiteral("company_%1").arg(++serverCompanies);
    const QString &schema = m_schema;
    PgServer &server = testServer();
    const QString maintenance = QStringLiteral("testapp-schema");
    {
        QSqlDatabase sql = openPostgres(server.url(kServerDatabase), maintenance);
        QSqlQuery q(sql);
        if (!sql.isOpen() || !q.exec(QStringLiteral("CREATE SCHEMA ") + quoteIdentifier(schema)))
            qFatal("cannot make a schema on the test server: %s %s", qPrintable(sql.lastError().text()),
                   qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(maintenance);
    m_path = server.url(kServerDatabase) + QStringLiteral("&options=") +
             QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("-c search_path=") + schema));
    Database company(std::make_unique<PostgresEngine>(m_path, serverTimeouts()));
    if (DbError e = company.createCompany())
        qFatal("cannot make the delivered company on the test server: %s", qPrintable(pw::ErrorText::numbered(e)));
}

void TestApp::openRun()
{
    if (onServer())
        m_db = std::make_unique<Database>(std::make_unique<PostgresEngine>(m_path, serverTimeouts()));
    else
        m_db = std::make_unique<Database>(m_path);
    if (DbError e = m_db->open())
        qFatal("cannot open the test database: %s", qPrintable(pw::ErrorText::describe(e)));
    m_windows = std::make_unique<Windows>(*m_db, Seams{dialogs, clock, programEnd, *m_printers});
}

void TestApp::restart()
{
    m_windows.reset();
    settle(1);
    m_db.reset();
    dialogs.clear();
    programEnd = FakeProgramEnd();
    openRun();
}

void TestApp::restartAt(const QString &location)
{
    m_windows.reset();
    settle(1);
    m_db.reset();
    dialogs.clear();
    programEnd = FakeProgramEnd();
    m_path = location;
    m_db = Database::fromLocation(location);
    m_windows = std::make_unique<Windows>(*m_db, Seams{dialogs, clock, programEnd, *m_printers});
}

QWidget *TestApp::logon() { return m_windows->logon(); }
QWidget *TestApp::main() { return m_windows->main(); }

QWidget *TestApp::window(const char *objectName)
{
    const QByteArray name(objectName);
    if (name == "frmsplash")
        return m_windows->hasSplash() ? m_windows->splash() : nullptr;
    if (name == "frmlogon")
        return m_windows->hasLogon() ? m_windows->logon() : nullptr;
    if (name == "frmmain")
        return m_windows->hasMain() ? m_windows->main() : nullptr;
    // A dialog that was closed is on its way out: let it go before looking.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return topLevel(objectName);
}

void TestApp::startProgram()
{
    startUp(*m_windows);
}

void TestApp::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = m_db->query();
    // Sent as it is without values: a server does not prepare every statement.
    if (values.isEmpty()) {
        if (!q.exec(sql))
            qFatal("exec failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return;
    }
    if (!q.prepare(sql))
        qFatal("prepare failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("exec failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

QList<QVariantList> TestApp::rows(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = m_db->query();
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        qFatal("prepare failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("exec failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    QList<QVariantList> out;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        out << row;
    }
    return out;
}

QVariant TestApp::value(const QString &sql, const QVariantList &values)
{
    const auto r = rows(sql, values);
    return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
}

void TestApp::createLog(const QString &table)
{
    exec(m_db->engine().createTable(quoteIdentifier(table), logFields()));
}

void TestApp::addEmployee(const QString &name, const QVariant &wage, const QVariant &password, const QVariant &comment)
{
    exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage, Ecomment, epass) VALUES (?, ?, ?, ?)"),
         {name, wage, comment, password});
    createLog(name);
}

void TestApp::addEntry(const QString &table, const QString &when, const QString &inoutfx, const QVariant &activity,
                       const QString &ename)
{
    exec(QStringLiteral("INSERT INTO %1 (Ename, datetime, inoutfx, activity) VALUES (?, ?, ?, ?)").arg(quoteIdentifier(table)),
         {ename.isNull() ? table : ename, when, inoutfx, activity});
}

QSqlDatabase TestApp::otherWorkstation(const QString &connectionName)
{
    if (!onServer())
        qFatal("otherWorkstation() is for a company on a server");
    QSqlDatabase other = openPostgres(testServer().url(kServerDatabase), connectionName);
    QSqlQuery q(other);
    if (!other.isOpen() || !q.exec(QStringLiteral("SET search_path = ") + quoteIdentifier(m_schema)))
        qFatal("cannot open a second connection: %s", qPrintable(other.lastError().text()));
    return other;
}

void TestApp::keepRowsOnDelete(const QString &table, const QString &condition)
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

QList<QVariantList> TestApp::log(const QString &table)
{
    // The table the name opens, letter case aside, as the program opens it.
    const auto stored = m_db->storedName(table);
    return rows(QStringLiteral("SELECT Ename, %1, inoutfx, activity FROM %2 ORDER BY %3")
                    .arg(dateTimeText(QStringLiteral("datetime")), quoteIdentifier(stored ? *stored : table), orderKey()));
}

QWidget *TestApp::managerLogOn()
{
    exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    if (!logOn(QStringLiteral("Manager"), QStringLiteral("boss")))
        qFatal("the Manager cannot log on");
    return main();
}

QWidget *TestApp::managerShowing(const QString &name)
{
    managerLogOn();
    if (!showEmployee(main(), name))
        qFatal("%s is not listed", qPrintable(name));
    return main();
}

bool TestApp::logOn(const QString &name, const QString &password)
{
    if (QWidget *m = window("frmmain"); m && m->isVisible())
        trigger(m, "exitmain");
    QWidget *l = logon();
    if (!l->isVisible())
        l->show();
    typeInto(l, "namechoice", name);
    click(l, "Command1");
    if (child<QWidget>(l, "passwordbx")->isVisible()) {
        typeInto(l, "txtpass", password);
        click(l, "Command3");
    }
    return main()->isVisible();
}

void leave(QWidget *main, bool closeBox)
{
    if (closeBox)
        main->close();
    else
        trigger(main, "exitmain");
}

bool showEmployee(QWidget *main, const QString &name)
{
    browse(main, "mandata", "first");
    for (int guard = 0; textOf(main, "manlist") != name && guard < 1000; ++guard) {
        const qint64 row = records(main, "mandata").currentRowid();
        browse(main, "mandata", "next");
        if (records(main, "mandata").currentRowid() == row)
            break; // the last row
    }
    return textOf(main, "manlist") == name;
}

bool showUnlisted(TestApp &app, const QString &name)
{
    const QString listed = QStringLiteral("SELECT %1 FROM datalist WHERE Ename = ?").arg(app.orderKey());
    if (!app.rows(listed, {name}).isEmpty()) {
        qWarning("\"%s\" is listed already", qPrintable(name));
        return false;
    }
    app.exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage) VALUES (?, '1')"), {name});
    const QVariant rowid = app.value(listed, {name});
    const bool shown = showEmployee(app.main(), name);
    app.exec(QStringLiteral("DELETE FROM datalist WHERE %1 = ?").arg(app.orderKey()), {rowid});
    if (!shown)
        qWarning("the Management tab could not be moved onto \"%s\"", qPrintable(name));
    return shown;
}

QStringList listedNames(QWidget *logon)
{
    auto *names = child<QComboBox>(logon, "namechoice");
    QStringList out;
    for (int i = 0; i < names->count(); ++i)
        out << names->itemText(i);
    return out;
}

bool lastBoxIs(const FakeDialogs &dialogs, const QString &text, const QString &title, Dialogs::Icon icon)
{
    if (dialogs.count() == 0) {
        qWarning("no box was shown; expected \"%s\"", qPrintable(text));
        return false;
    }
    const FakeDialogs::Shown &box = dialogs.last();
    bool same = true;
    if (box.text != text) {
        qWarning("the last box says  \"%s\"\n            expected \"%s\"", qPrintable(box.text), qPrintable(text));
        same = false;
    }
    if (box.title != title) {
        qWarning("the last box is titled \"%s\", expected \"%s\"", qPrintable(box.title), qPrintable(title));
        same = false;
    }
    if (box.icon != icon) {
        qWarning("the last box has icon %d, expected %d", int(box.icon), int(icon));
        same = false;
    }
    if (box.buttons != Dialogs::Buttons(Dialogs::Ok)) {
        qWarning("the last box has buttons 0x%x, expected only OK", unsigned(box.buttons.toInt()));
        same = false;
    }
    return same;
}

} // namespace pw::test
