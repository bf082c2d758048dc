// The company on a PostgreSQL server, through the same classes the program uses on a file: stored
// order, the hidden order column, date-times, names in any letter case and hostile names, two
// workstations at once, the server's failures, and copying a company between a file and a server.
// Everything runs on a private server the test starts; the machine's own PostgreSQL is never used.
#include "db/companycopy.h"
#include "db/companydata.h"
#include "db/database.h"
#include "db/employeelist.h"
#include "db/logtable.h"
#include "db/postgresengine.h"
#include "db/quoting.h"
#include "db/recordset.h"
#include "db/sqliteengine.h"
#include "domain/characters.h"
#include "domain/clocking.h"
#include "domain/employees.h"
#include "domain/totals.h"
#include "testlib/pgserver.h"
#include "messages/errortext.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace pw;
using pw::test::PgConnection;
using pw::test::PgServer;

namespace {

const QString kHostile = QStringLiteral("O'Neil \"Bob\"; DROP TABLE datalist");
const QString kDotted = QStringLiteral("J. R. Smith.");
const QString kZoe = QStringLiteral("Zoë");

// Why a result failed, for a check's message (which is built whether the check fails or not).
template <typename T>
QByteArray why(const DbResult<T> &result)
{
    return result ? QByteArray() : ErrorText::numbered(result.error()).toUtf8();
}

LocalDateTime at(const char *stored)
{
    return *LocalDateTime::fromStored(QStringView(QString::fromLatin1(stored)));
}

// Each value as text, Null as NULL: what a dump of the rows would show.
QString text(const QVariant &v)
{
    return v.isNull() ? QStringLiteral("NULL") : v.toString();
}

// The rows of a query on an SQLite file, each value as text.
QList<QStringList> rowsOf(QSqlDatabase db, const QString &sql)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql))
        return {{QStringLiteral("failed: ") + q.lastError().text()}};
    QList<QStringList> out;
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << text(q.value(i));
        out << row;
    }
    return out;
}

// The same on a server; values are the parameters $1, $2, ….
QList<QStringList> rowsOf(const PgConnection &db, const QString &sql, const QVariantList &values = {})
{
    const PgConnection::Result done = db.exec(sql, values);
    if (!done)
        return {{QStringLiteral("failed: ") + done.error}};
    QList<QStringList> out;
    for (const QVariantList &row : done.rows) {
        QStringList texts;
        for (const QVariant &v : row)
            texts << text(v);
        out << texts;
    }
    return out;
}

// Every data row of an SQLite file, table by table in the order they were made, rows in rowid
// order: what sqlite3's .dump would insert.
QStringList dumpFile(const QString &path)
{
    const QString name = QStringLiteral("dump-%1").arg(path);
    QStringList lines;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            return {QStringLiteral("cannot open ") + path};
        for (const QStringList &table :
             rowsOf(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid")))
            for (const QStringList &row : rowsOf(db, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(quoteIdentifier(table[0]))))
                lines << table[0] + QStringLiteral(": ") + row.join(QLatin1Char('|'));
    }
    QSqlDatabase::removeDatabase(name);
    return lines;
}

// The same of a server's database, read with plain SQL: every column but the order column, each as
// its text, rows in the order column's order.
QStringList dumpServer(const PgConnection &db)
{
    QStringList lines;
    for (const QStringList &table :
         rowsOf(db, QStringLiteral("SELECT relname FROM pg_class WHERE relnamespace = 'public'::regnamespace AND relkind = 'r' "
                                   "ORDER BY oid"))) {
        QStringList columns;
        for (const QStringList &c : rowsOf(db, QStringLiteral("SELECT column_name FROM information_schema.columns WHERE "
                                                               "table_schema = 'public' AND table_name = $1 AND column_name <> $2 "
                                                               "ORDER BY ordinal_position"),
                                           {table[0], QStringLiteral("pw_order")}))
            columns << quoteIdentifier(c[0]) + QStringLiteral("::text");
        for (const QStringList &row : rowsOf(db, QStringLiteral("SELECT %1 FROM %2 ORDER BY pw_order")
                                                     .arg(columns.join(QStringLiteral(", ")), quoteIdentifier(table[0]))))
            lines << table[0] + QStringLiteral(": ") + row.join(QLatin1Char('|'));
    }
    return lines;
}

QStringList entriesOf(Database &db, const QString &table)
{
    QStringList out;
    const DbError e = LogTable(db, table).scanDatesAndTasks(
        [&](const QVariant &when, const QVariant &task) { out << text(when) + QLatin1Char('/') + text(task); });
    if (e)
        out << QStringLiteral("failed: ") + ErrorText::numbered(e);
    return out;
}

} // namespace

class tst_postgres : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void locations_data();
    void locations();
    void createCompanyInEmptyDatabase();
    void storedOrderAndHiddenColumn();
    void dateTimesStoredExactly_data();
    void dateTimesStoredExactly();
    void namesWithLetterCaseAside_data();
    void namesWithLetterCaseAside();
    void addDialogRefusesNameInOtherCase();
    void hostileNames_data();
    void hostileNames();
    void twoWorkstationsClockAtOnce();
    void lockHeldElsewhereMeansInUse();
    void failuresInTheProgramsTerms_data();
    void failuresInTheProgramsTerms();
    void messagesNoTestServerGives_data();
    void messagesNoTestServerGives();
    void slowStatementIsStopped();
    void copyFileToServerAndBack();
    void copyRefusesAndLeavesTargetUntouched();
    void copyHandMadeTableAndRefusedText();
    void lostConnectionComesBack();
    void serverThatStopsAnsweringIsGivenUp();
    void serverStoppedDuringWrite();
    void cleanupTestCase();

private:
    // A new, empty database on the server, and its URI.
    QString freshDatabase();
    // A Database on a new database holding the delivered company, opened; m_uri is its URI.
    std::unique_ptr<Database> freshCompany(PostgresEngine::Timeouts timeouts = PostgresEngine::Timeouts());
    // One company for every row of the current test function.
    Database &sharedCompany();
    // A plain connection to the server, beside the program's.
    PgConnection raw(const QString &uri) const { return PgConnection(uri); }

    PgServer m_server;
    QTemporaryDir m_dir;
    int m_databases = 0;
    QString m_uri;
    std::unique_ptr<Database> m_shared;
    QString m_sharedUri, m_sharedFor;
};

void tst_postgres::initTestCase()
{
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    QVERIFY(m_dir.isValid());
}

void tst_postgres::cleanup()
{
    if (!m_server.isRunning())
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
}

QString tst_postgres::freshDatabase()
{
    const QString name = QStringLiteral("company %1").arg(++m_databases);
    if (!m_server.createDatabase(name))
        qFatal("%s", qPrintable(m_server.errorString()));
    return m_server.url(name);
}

std::unique_ptr<Database> tst_postgres::freshCompany(PostgresEngine::Timeouts timeouts)
{
    m_uri = freshDatabase();
    auto db = std::make_unique<Database>(std::make_unique<PostgresEngine>(m_uri, timeouts));
    if (DbError e = db->createCompany())
        qFatal("%s", qPrintable(ErrorText::numbered(e)));
    if (DbError e = db->open())
        qFatal("%s", qPrintable(ErrorText::numbered(e)));
    return db;
}

Database &tst_postgres::sharedCompany()
{
    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (!m_shared || m_sharedFor != function) {
        m_shared.reset();
        m_shared = freshCompany();
        m_sharedUri = m_uri;
        m_sharedFor = function;
    }
    return *m_shared;
}

void tst_postgres::cleanupTestCase()
{
    m_shared.reset();
}

void tst_postgres::locations_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<bool>("server");
    QTest::addColumn<QString>("words");

    QTest::newRow("socket folder") << "postgresql://postgres@/acme?host=/tmp/x" << true
                                   << "the database \"acme\" on the server at /tmp/x";
    QTest::newRow("host and port") << "POSTGRES://bob@db.example.com:5433/Acme%20Widgets?sslmode=require" << true
                                   << "the database \"Acme Widgets\" on the server at db.example.com:5433";
    QTest::newRow("this computer") << "postgresql:///acme" << true
                                   << "the database \"acme\" on the PostgreSQL server of this computer";
    QTest::newRow("a file") << "Employee.mdb" << false << QDir::current().absoluteFilePath(QStringLiteral("Employee.mdb"));
    QTest::newRow("a file named like a scheme") << "postgresql.mdb" << false
                                                << QDir::current().absoluteFilePath(QStringLiteral("postgresql.mdb"));
}

void tst_postgres::locations()
{
    QFETCH(QString, location);
    QFETCH(bool, server);
    QFETCH(QString, words);
    const auto db = Database::fromLocation(location);
    QCOMPARE(db->isServer(), server);
    QCOMPARE(ErrorText::location(db->location()), words);
}

void tst_postgres::createCompanyInEmptyDatabase()
{
    const QString uri = freshDatabase();
    Database db(std::make_unique<PostgresEngine>(uri));
    const DbError none = db.check();
    QCOMPARE(none.number, int(ErrFileNotFound));
    QCOMPARE(db.open().number, int(ErrFileNotFound));

    QCOMPARE(ErrorText::numbered(db.createCompany()), ErrorText::numbered(DbError()));
    QVERIFY(!db.check());
    QVERIFY(!db.open());
    QCOMPARE(*db.tableNames(), (QStringList{QStringLiteral("Company Data"), QStringLiteral("datalist"), QStringLiteral("Manager")}));
    const auto manager = EmployeeList(db).find(QStringLiteral("Manager"));
    QVERIFY(manager && manager->has_value());
    QCOMPARE((*manager)->wage.toString(), QStringLiteral("0"));
    QVERIFY(!(*manager)->password.isNull());
    QCOMPARE((*manager)->storedPassword(), QString());
    QVERIFY(!CompanyData(db).read()->has_value()); // a first run
    QCOMPARE(*LogTable(db, QStringLiteral("Manager")).count(), 0);

    // The column types, as the server holds them; the order column is the only one more.
    const PgConnection sql = raw(uri);
    QCOMPARE(rowsOf(sql, QStringLiteral("SELECT attname, format_type(atttypid, atttypmod), attidentity FROM pg_attribute "
                                        "WHERE attrelid = '\"Manager\"'::regclass AND attnum > 0 ORDER BY attnum")),
             (QList<QStringList>{{"ename", "text", ""},
                                 {"datetime", "timestamp(0) without time zone", ""},
                                 {"inoutfx", "text", ""},
                                 {"activity", "text", ""},
                                 {"pw_order", "bigint", "a"}}));
    QCOMPARE(rowsOf(sql, QStringLiteral("SELECT format_type(atttypid, atttypmod) FROM pg_attribute WHERE attrelid = "
                                        "'\"Company Data\"'::regclass AND attname = 'subs'")),
             (QList<QStringList>{{"smallint"}}));

    // A second time nothing changes.
    const DbError again = db.createCompany();
    QVERIFY(ErrorText::describe(again).contains(QLatin1String("holds a company already")));
    QCOMPARE(*EmployeeList(db).names(), QStringList{QStringLiteral("Manager")});
}

void tst_postgres::storedOrderAndHiddenColumn()
{
    auto db = freshCompany();
    LogTable log(*db, QStringLiteral("Manager"));
    // Stored order is the order of writing, not of the date-times.
    QVERIFY(!log.append(QStringLiteral("Manager"), at("2026-12-07 09:00:00"), kClockedIn, QStringLiteral("b")));
    QVERIFY(!log.append(QStringLiteral("Manager"), at("2026-12-01 17:00:00"), kClockedOut));
    QVERIFY(!log.append(QStringLiteral("Manager"), at("2026-12-09 08:00:00"), kClockedIn, QStringLiteral(" ")));
    QCOMPARE(entriesOf(*db, QStringLiteral("Manager")),
             (QStringList{"2026-12-07 09:00:00/b", "2026-12-01 17:00:00/NULL", "2026-12-09 08:00:00/ "}));
    QCOMPARE((*log.last())->datetime.toString(), QStringLiteral("2026-12-09 08:00:00"));

    // The windows never see the order column: not the grid, not a record set, not the fields.
    QCOMPARE(*log.fields(), (QStringList{"ename", "datetime", "inoutfx", "activity"}));
    const auto grid = log.rows(*log.fields(), 1, 5);
    QVERIFY(grid);
    QCOMPARE(grid->size(), 2);
    QCOMPARE(grid->at(0), (QVariantList{QStringLiteral("Manager"), QStringLiteral("2026-12-01 17:00:00"), kClockedOut,
                                        QVariant(QMetaType(QMetaType::QString))}));
    RecordSet records(*db);
    records.setRecordSource(QStringLiteral("Manager"));
    QVERIFY(!records.refresh());
    QStringList seen;
    while (!records.eof()) {
        QVERIFY(!records.field(QStringLiteral("pw_order")).isValid());
        seen << records.field(QStringLiteral("Datetime")).toString();
        QVERIFY(!records.moveNext());
    }
    QCOMPARE(seen, (QStringList{"2026-12-07 09:00:00", "2026-12-01 17:00:00", "2026-12-09 08:00:00"}));

    // An edit keeps the row where it is; a deleted row leaves a gap the next entry does not fill.
    QVERIFY(!records.moveFirst());
    QVERIFY(!records.moveNext());
    QVERIFY(!records.setFields({{QStringLiteral("datetime"), QStringLiteral("2026-12-01 17:30:00")}}));
    QVERIFY(!records.movePrevious());
    QVERIFY(!records.deleteCurrent());
    QVERIFY(!log.append(QStringLiteral("Manager"), at("2026-12-01 07:00:00"), kClockedOut));
    QCOMPARE(entriesOf(*db, QStringLiteral("Manager")),
             (QStringList{"2026-12-01 17:30:00/NULL", "2026-12-09 08:00:00/ ", "2026-12-01 07:00:00/NULL"}));

    // The employee list keeps its order too.
    for (const QString &name : {QStringLiteral("Zed"), QStringLiteral("Amy")})
        QVERIFY(addEmployee(*db, {name, QStringLiteral("10"), QString(), QString()}).added());
    QCOMPARE(*EmployeeList(*db).names(), (QStringList{"Manager", "Zed", "Amy"}));
}

void tst_postgres::dateTimesStoredExactly_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("an hour skipped by daylight saving") << "2026-03-29 02:30:00";
    QTest::newRow("an hour that comes twice") << "2026-10-25 02:30:00";
    QTest::newRow("winter") << "2026-12-07 09:00:00";
    QTest::newRow("first day of the reckoning") << "1899-12-30 00:00:00";
    QTest::newRow("the last second") << "9999-12-31 23:59:59";
    QTest::newRow("year one") << "0001-01-01 00:00:00";
}

void tst_postgres::dateTimesStoredExactly()
{
    QFETCH(QString, stored);
    QCOMPARE(qgetenv("TZ"), QByteArray("Europe/Berlin"));
    Database *db = &sharedCompany();
    const QString name = QStringLiteral("Manager");
    QVERIFY(!LogTable(*db, name).deleteAll());
    const auto when = LocalDateTime::fromStored(QStringView(stored));
    QVERIFY(when);
    QVERIFY(clocking::clockIn(*db, name, name, *when, QStringLiteral("task")).stored());

    QCOMPARE((*LogTable(*db, name).last())->datetime.toString(), stored);
    QCOMPARE(entriesOf(*db, name), QStringList{stored + QStringLiteral("/task")});
    std::optional<LocalDateTime> scanned;
    QVERIFY(!LogTable(*db, name).scanTimes([&](std::optional<LocalDateTime> t) { scanned = t; }));
    QVERIFY(scanned && *scanned == *when);
    RecordSet records(*db);
    records.setRecordSource(name);
    QVERIFY(!records.moveLast());
    QCOMPARE(records.field(QStringLiteral("datetime")).toString(), stored);
    // What the server holds, asked without any of our code.
    const PgConnection sql = raw(m_sharedUri);
    QCOMPARE(rowsOf(sql, QStringLiteral("SELECT datetime::text FROM \"Manager\"")), QList<QStringList>{{stored}});
    // Written back through a record set, unchanged.
    QVERIFY(!records.setFields({{QStringLiteral("datetime"), stored}}));
    QCOMPARE(rowsOf(sql, QStringLiteral("SELECT datetime::text FROM \"Manager\"")), QList<QStringList>{{stored}});
}

void tst_postgres::namesWithLetterCaseAside_data()
{
    QTest::addColumn<QStringList>("tables");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("opens"); // empty: none

    QTest::newRow("same case") << QStringList{"Ann"} << "Ann" << "Ann";
    QTest::newRow("small letters") << QStringList{"Ann"} << "ann" << "Ann";
    QTest::newRow("capitals") << QStringList{"Ann"} << "ANN" << "Ann";
    QTest::newRow("own case wins") << QStringList{"Bob", "bob"} << "bob" << "bob";
    QTest::newRow("else the older") << QStringList{"Bob", "bob"} << "BOB" << "Bob";
    QTest::newRow("ASCII letters fold") << QStringList{kZoe} << "zoë" << kZoe;
    QTest::newRow("other letters do not") << QStringList{kZoe} << "ZOË" << "";
    QTest::newRow("blanks count") << QStringList{"Ann"} << "Ann " << "";
}

void tst_postgres::namesWithLetterCaseAside()
{
    QFETCH(QStringList, tables);
    QFETCH(QString, asked);
    QFETCH(QString, opens);
    auto db = freshCompany();
    for (const QString &t : tables) {
        QVERIFY(!db->exec(db->engine().createTable(quoteIdentifier(t), logFields())));
        QVERIFY(!LogTable(*db, t).append(t, at("2026-12-07 09:00:00"), kClockedIn, t));
    }
    const auto exists = db->tableExists(asked);
    QVERIFY2(exists, why(exists).constData());
    QCOMPARE(*exists, !opens.isEmpty());
    const auto last = LogTable(*db, asked).last();
    const auto fields = db->fieldsOf(asked);
    QVERIFY2(fields, why(fields).constData());
    if (opens.isEmpty()) {
        QCOMPARE(last.error().number, int(ErrTableMissing));
        QCOMPARE(*fields, QStringList());
        return;
    }
    QVERIFY2(last, why(last).constData());
    QCOMPARE((*last)->activity.toString(), opens);
    QCOMPARE(fields->size(), 4);
    RecordSet records(*db);
    records.setRecordSource(asked);
    QVERIFY(!records.refresh());
    QCOMPARE(records.field(QStringLiteral("activity")).toString(), opens);
}

void tst_postgres::addDialogRefusesNameInOtherCase()
{
    auto db = freshCompany();
    QVERIFY(addEmployee(*db, {QStringLiteral("Ann"), QStringLiteral("12.50"), QString(), QString()}).added());
    QCOMPARE(addEmployee(*db, {QStringLiteral("ann"), QStringLiteral("1"), QString(), QString()}).refusal, AddRefusal::TableTaken);
    QCOMPARE(addEmployee(*db, {QStringLiteral("MANAGER"), QStringLiteral("1"), QString(), QString()}).refusal,
             AddRefusal::TableTaken);
    QCOMPARE(addEmployee(*db, {QStringLiteral("DataList"), QStringLiteral("1"), QString(), QString()}).refusal,
             AddRefusal::TableTaken);
    QCOMPARE(addEmployee(*db, {QStringLiteral("Ann_pkey"), QStringLiteral("1"), QString(), QString()}).refusal,
             AddRefusal::TableTaken); // the order column's index
    QCOMPARE(*db->tableNames(), (QStringList{"Company Data", "datalist", "Manager", "Ann"}));

    // "ann" opens Ann's log, as on a file; deleting Ann keeps the emptied log for a later "ANN".
    QVERIFY(clocking::clockIn(*db, QStringLiteral("ann"), QStringLiteral("Ann"), at("2026-12-07 09:00:00"), QString()).stored());
    QCOMPARE(*LogTable(*db, QStringLiteral("Ann")).count(), 1);
    QVERIFY(!deleteEmployee(*db, QStringLiteral("Ann")));
    const AddResult again = addEmployee(*db, {QStringLiteral("ANN"), QStringLiteral("1"), QString(), QString()});
    QVERIFY(again.added());
    QVERIFY(again.reusedLog);
    QCOMPARE(*db->tableNames(), (QStringList{"Company Data", "datalist", "Manager", "Ann"}));
}

void tst_postgres::hostileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quotes and a statement") << kHostile;
    QTest::newRow("dots") << kDotted;
    QTest::newRow("a letter beyond ASCII") << kZoe;
    QTest::newRow("twenty characters") << QStringLiteral("Maximilian Oberhuber");
    QTest::newRow("percent and question") << QStringLiteral("%1 ?2 $1");
}

void tst_postgres::hostileNames()
{
    QFETCH(QString, name);
    Database *db = &sharedCompany();
    EmployeeList list(*db);
    if (characters(name) <= kMaxEmployeeName) {
        const AddResult added = addEmployee(*db, {name, QStringLiteral("9"), QStringLiteral("pw"), QStringLiteral("note")});
        QVERIFY2(added.added(), qPrintable(ErrorText::numbered(added.error)));
    } else {
        QVERIFY(!list.append(name, QStringLiteral("9"), QStringLiteral("pw"), QStringLiteral("note")));
        QVERIFY(!LogTable(*db, name).create());
    }
    // The log's Ename field holds 20 characters; the server, unlike SQLite, holds it to that.
    const QString ename = name.left(kMaxEmployeeName);
    QVERIFY(clocking::clockIn(*db, name, ename, at("2026-12-07 09:00:00"), name.left(30)).stored());
    QVERIFY(clocking::clockOut(*db, name, ename, at("2026-12-07 17:15:00")).stored());
    QCOMPARE(clocking::clockOut(*db, name, ename, at("2026-12-07 17:16:00")).outcome, clocking::Outcome::NotClockedIn);
    const auto count = countLog(*db, name, at("2026-12-08 00:00:00"));
    QVERIFY(count);
    QCOMPARE(count->totalMinutes, 495.0f);
    QCOMPARE(list.names()->last(), name);
    QVERIFY((*db->tableNames()).contains(name));
    QVERIFY((*db->tableNames()).contains(QStringLiteral("datalist")));
    const auto found = list.find(name);
    QVERIFY(found && found->has_value());
    QCOMPARE((*found)->storedPassword(), QStringLiteral("pw"));
    QVERIFY(!deleteEmployee(*db, name));
    QVERIFY(!list.find(name)->has_value());
    QCOMPARE(*LogTable(*db, name).count(), 0);
}

void tst_postgres::twoWorkstationsClockAtOnce()
{
    auto first = freshCompany();
    const QString uri = m_uri;
    const QString ann = QStringLiteral("Manager");

    // The first workstation has read the log inside its write...
    Database::Transaction write(*first);
    QVERIFY(write.ok());
    LogTable log(*first, ann);
    QVERIFY(!(*log.last()).has_value());

    // ...when the second clocks in too: it waits for the first.
    clocking::Result second;
    QThread *other = QThread::create([&] {
        Database db(std::make_unique<PostgresEngine>(uri));
        if (DbError e = db.open())
            second = clocking::Result::failed(e);
        else
            second = clocking::clockIn(db, ann, ann, at("2026-12-07 09:00:01"), QStringLiteral("second"));
    });
    other->start();
    const PgConnection watch = raw(uri);
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf(watch, QStringLiteral("SELECT count(*) FROM pg_locks WHERE NOT granted")),
                              QList<QStringList>{{"1"}}, 4000);
    QVERIFY(!log.append(ann, at("2026-12-07 09:00:00"), kClockedIn, QStringLiteral("first")));
    QVERIFY(!write.commit());
    QVERIFY(other->wait(10000));
    delete other;

    // Exactly one clock-in; the second saw it and was refused as a user would be.
    QCOMPARE(second.outcome, clocking::Outcome::NotClockedOut);
    QCOMPARE(entriesOf(*first, ann), QStringList{"2026-12-07 09:00:00/first"});
}

void tst_postgres::lockHeldElsewhereMeansInUse()
{
    auto db = freshCompany();
    const PgConnection other = raw(m_uri);
    QVERIFY(other.exec(QStringLiteral("BEGIN")));
    QVERIFY(other.exec(QStringLiteral("LOCK TABLE \"Manager\" IN SHARE ROW EXCLUSIVE MODE")));

    // Reading is not held up...
    QCOMPARE(*clocking::isClockedIn(*db, QStringLiteral("Manager")), false);
    // ...a write waits five seconds, then gives up with nothing stored.
    QElapsedTimer waited;
    waited.start();
    const auto result = clocking::clockIn(*db, QStringLiteral("Manager"), QStringLiteral("Manager"), at("2026-12-07 09:00:00"), QString());
    QCOMPARE(result.outcome, clocking::Outcome::Failed);
    QCOMPARE(result.error.number, int(ErrInUse));
    QVERIFY2(ErrorText::describe(result.error).startsWith(QLatin1String("the database is in use")), qPrintable(ErrorText::numbered(result.error)));
    QVERIFY2(waited.elapsed() >= 4900 && waited.elapsed() < 8000, qPrintable(QString::number(waited.elapsed())));
    QVERIFY(other.exec(QStringLiteral("ROLLBACK")));
    QCOMPARE(*LogTable(*db, QStringLiteral("Manager")).count(), 0);
    // Once the other lets go, the same connection writes again.
    QVERIFY(clocking::clockIn(*db, QStringLiteral("Manager"), QStringLiteral("Manager"), at("2026-12-07 09:00:00"), QString()).stored());
}

void tst_postgres::failuresInTheProgramsTerms_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("words");

    const QString socket = m_server.socketDir();
    QTest::newRow("server down") << QStringLiteral("postgresql://postgres@/x?host=/tmp/pw-no-server-here") << int(ErrServerUnreachable)
                                 << "the database \"x\" on the server at /tmp/pw-no-server-here cannot be reached";
    QTest::newRow("database missing") << m_server.url(QStringLiteral("nowhere")) << int(ErrNoSuchDatabase)
                                      << "there is no such database: the database \"nowhere\" on the server at " + socket;
    QTest::newRow("unknown user") << QStringLiteral("postgresql://nobody@/postgres?host=") + socket << int(ErrLoginRefused)
                                  << "the server refused the user name or the password";
    QTest::newRow("password in the address") << QStringLiteral("postgresql://bob:secret@/postgres?host=") + socket
                                             << int(ErrCannotOpen) << "the server's address cannot be used: it holds a password";
    QTest::newRow("unknown parameter") << QStringLiteral("postgresql://postgres@/postgres?host=%1&colour=blue").arg(socket)
                                       << int(ErrCannotOpen) << "invalid connection option \"colour\"";
}

void tst_postgres::failuresInTheProgramsTerms()
{
    QFETCH(QString, uri);
    QFETCH(int, number);
    QFETCH(QString, words);
    Database db(std::make_unique<PostgresEngine>(uri));
    const DbError e = db.open();
    QCOMPARE(e.number, number);
    QVERIFY2(ErrorText::describe(e).contains(words), qPrintable(ErrorText::numbered(e)));
    QVERIFY(!ErrorText::describe(e).contains(QLatin1String("secret")));
    QVERIFY(!ErrorText::location(db.location()).contains(QLatin1String("secret")));
    QCOMPARE(db.createCompany().number, number);
}

void tst_postgres::messagesNoTestServerGives_data()
{
    // libpq's words for what a private server with trust authentication never says.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("wrong password") << "connection to server at \"db\" (10.0.0.5), port 5432 failed: FATAL:  password "
                                       "authentication failed for user \"bob\"" << int(ErrLoginRefused);
    QTest::newRow("no password") << "fe_sendauth: no password supplied" << int(ErrLoginRefused);
    QTest::newRow("nobody listening") << "connection to server at \"db\" (10.0.0.5), port 5432 failed: Connection refused\n"
                                         "\tIs the server running on that host and accepting TCP/IP connections?"
                                      << int(ErrServerUnreachable);
    QTest::newRow("no answer") << "connection to server at \"db\" (10.0.0.5), port 5432 failed: timeout expired"
                               << int(ErrServerUnreachable);
}

void tst_postgres::messagesNoTestServerGives()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    const PostgresEngine engine(QStringLiteral("postgresql://bob@db/acme"));
    const DbError e = engine.fromServer(QString(), text, true);
    QCOMPARE(e.number, number);
    QVERIFY2(ErrorText::describe(e).contains(QLatin1String("the database \"acme\" on the server at db")), qPrintable(ErrorText::numbered(e)));
}

void tst_postgres::slowStatementIsStopped()
{
    auto db = freshCompany({5, 300, 5000});
    QElapsedTimer waited;
    waited.start();
    const DbError e = db->exec(QStringLiteral("SELECT pg_sleep(5)"));
    QCOMPARE(e.number, int(ErrTimeout));
    QVERIFY2(ErrorText::describe(e).endsWith(QLatin1String("did not finish the action within 0.3 seconds, so it was stopped")),
             qPrintable(ErrorText::numbered(e)));
    QVERIFY(waited.elapsed() < 3000);
    // The connection goes on.
    QCOMPARE(*LogTable(*db, QStringLiteral("Manager")).count(), 0);
}

void tst_postgres::copyFileToServerAndBack()
{
    // A company in a file, with everything a file may hold.
    const QString file = m_dir.filePath(QStringLiteral("copy-source.mdb"));
    QVERIFY(!Database::createDelivered(file));
    Database source(file);
    QVERIFY(!source.open());
    QVERIFY(!CompanyData(source).storeCompany(QStringLiteral("Acme \"Widgets\"")));
    QVERIFY(!CompanyData(source).setSwitch(Switch::Money, true));
    for (const QString &name : {kDotted, kZoe, QStringLiteral("Ann")})
        QVERIFY(addEmployee(source, {name, QStringLiteral("12,50"), QString(), QStringLiteral("line 1\nline 2")}).added());
    QVERIFY(!EmployeeList(source).append(kHostile, QStringLiteral("1"), QStringLiteral("x"), QString()));
    QVERIFY(!LogTable(source, kHostile).create());
    QVERIFY(clocking::clockIn(source, kHostile, kHostile.left(20), at("2026-03-29 02:30:00"), QStringLiteral("'; --")).stored());
    QVERIFY(clocking::clockOut(source, kHostile, kHostile.left(20), at("2026-03-29 03:10:59")).stored());
    {
        Database::Transaction write(source);
        for (int i = 0; i < 300; ++i) // more rows than one statement inserts
            QVERIFY(!LogTable(source, kZoe).append(kZoe, *LocalDateTime::fromParts(2026, 1 + i % 12, 1 + i % 28, i % 24, i % 60, 7),
                                                     i % 2 ? kClockedOut : kClockedIn,
                                                     i % 2 ? QVariant() : QVariant(QStringLiteral("é"))));
        QVERIFY(!write.commit());
    }
    QVERIFY(!source.exec(QStringLiteral("CREATE TABLE \"Old notes\" (id INTEGER, note TEXT, amount REAL, due DATETIME)")));
    QVERIFY(!source.exec(QStringLiteral("INSERT INTO \"Old notes\" VALUES (?, ?, ?, ?)"),
                         {7, QStringLiteral("kept"), 2.5, QStringLiteral("2026-12-24 18:00:00")}));
    QVERIFY(!source.exec(QStringLiteral("INSERT INTO \"Old notes\" VALUES (?, ?, ?, ?)"),
                         {QVariant(QMetaType(QMetaType::LongLong)), QVariant(QMetaType(QMetaType::QString)),
                          QVariant(QMetaType(QMetaType::Double)), QVariant(QMetaType(QMetaType::QString))}));
    const QStringList before = dumpFile(file);
    QCOMPARE(before.size(), 1 + 5 + 2 + 300 + 2);

    // File to server.
    const QString uri = freshDatabase();
    Database server(std::make_unique<PostgresEngine>(uri));
    const auto there = copyCompany(source, server);
    QVERIFY2(there, why(there).constData());
    QCOMPARE(there->tables, 8);
    QCOMPARE(there->rows, qint64(before.size()));
    QCOMPARE(dumpServer(raw(uri)), before);
    QVERIFY(!server.open());
    QCOMPARE((*CompanyData(server).read())->company, QStringLiteral("Acme \"Widgets\""));
    QVERIFY(switchIsOn((*CompanyData(server).read())->money));
    QCOMPARE(entriesOf(server, kHostile), (QStringList{"2026-03-29 02:30:00/'; --", "2026-03-29 03:10:59/NULL"}));
    QCOMPARE(clocking::clockIn(server, kHostile, kHostile.left(20), at("2026-03-29 02:30:00"), QString()).outcome,
             clocking::Outcome::Stored);
    QVERIFY(*clocking::deleteLast(server, kHostile));

    // And back into a new file: the same rows, in the same order.
    const QString back = m_dir.filePath(QStringLiteral("copy-back.mdb"));
    Database file2(back);
    const auto home = copyCompany(server, file2);
    QVERIFY2(home, why(home).constData());
    QCOMPARE(dumpFile(back), before);
    QVERIFY(!file2.open());
    QVERIFY(!file2.verify());
    QCOMPARE(*file2.fieldsOf(QStringLiteral("Ann")), (QStringList{"Ename", "datetime", "inoutfx", "activity"}));
}

void tst_postgres::copyRefusesAndLeavesTargetUntouched()
{
    // A target that holds a company already.
    const QString file = m_dir.filePath(QStringLiteral("refuse-source.mdb"));
    QVERIFY(!Database::createDelivered(file));
    Database source(file);
    QVERIFY(!source.open());
    auto company = freshCompany();
    const QString uri = m_uri;
    QVERIFY(!LogTable(*company, QStringLiteral("Manager")).append(QStringLiteral("Manager"), at("2026-12-07 09:00:00"), kClockedIn));
    const QStringList held = dumpServer(raw(uri));
    company->close();
    const auto refused = copyCompany(source, *company);
    QVERIFY(!refused);
    QVERIFY2(ErrorText::describe(refused.error()).contains(QLatin1String("holds a company already")), why(refused).constData());
    QCOMPARE(dumpServer(raw(uri)), held);

    // A value the server cannot store: the reason names the table, and nothing stays behind.
    QVERIFY(!LogTable(source, QStringLiteral("Manager")).append(QStringLiteral("Manager"), at("2026-12-07 09:00:00"), kClockedIn));
    QVERIFY(!source.exec(QStringLiteral("UPDATE Manager SET datetime = ?"), {QStringLiteral("half past nine")}));
    const QString empty = freshDatabase();
    Database target(std::make_unique<PostgresEngine>(empty));
    const auto failed = copyCompany(source, target);
    QVERIFY(!failed);
    QVERIFY2(ErrorText::describe(failed.error()).startsWith(QLatin1String("the table \"Manager\" could not be copied: the server "
                                                                  "refused a value")),
             why(failed).constData());
    QVERIFY(!ErrorText::describe(failed.error()).contains(QLatin1Char('\n')));
    QCOMPARE(rowsOf(raw(empty), QStringLiteral("SELECT count(*) FROM pg_class WHERE relnamespace = 'public'::regnamespace")),
             QList<QStringList>{{"0"}});

    // A file made for a copy that fails is removed again: a table no file can hold.
    QVERIFY(!company->open());
    QVERIFY(!company->exec(company->engine().createTable(quoteIdentifier(QStringLiteral("sqlite_kept")), logFields())));
    const QString path = m_dir.filePath(QStringLiteral("never.mdb"));
    Database never(path);
    const auto notMade = copyCompany(*company, never);
    QVERIFY(!notMade);
    QVERIFY2(ErrorText::describe(notMade.error()).contains(QLatin1String("sqlite_kept")), why(notMade).constData());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
}

void tst_postgres::copyHandMadeTableAndRefusedText()
{
    // A table made by hand on the server, without the order column: copied in the server's order,
    // and named in the report.
    auto company = freshCompany();
    QVERIFY(!company->exec(QStringLiteral("CREATE TABLE \"Handmade\" (note text)")));
    QVERIFY(!company->exec(QStringLiteral("INSERT INTO \"Handmade\" VALUES ('one'), ('two')")));
    const QString back = m_dir.filePath(QStringLiteral("handmade.mdb"));
    Database file(back);
    const auto copied = copyCompany(*company, file);
    QVERIFY2(copied, why(copied).constData());
    QCOMPARE(copied->inEngineOrder, QStringList{"Handmade"});
    QVERIFY(!file.open());
    QCOMPARE(*file.texts(QStringLiteral("SELECT note FROM Handmade ORDER BY rowid")), (QStringList{"one", "two"}));

    // A text holding a NUL, which the server cannot keep: refused by its place, in the program's words.
    const QString nul = m_dir.filePath(QStringLiteral("nul.mdb"));
    QVERIFY(!Database::createDelivered(nul));
    Database source(nul);
    QVERIFY(!source.open());
    QVERIFY(!source.exec(QStringLiteral("UPDATE datalist SET Ecomment = CAST(X'410042' AS TEXT)")));
    Database server(std::make_unique<PostgresEngine>(freshDatabase()));
    const auto refused = copyCompany(source, server);
    QVERIFY(!refused);
    QCOMPARE(ErrorText::describe(refused.error()),
             QStringLiteral("the company was not copied: row 1 of the table \"datalist\" holds in the field \"Ecomment\" a "
                            "text with a NUL character, which a database server cannot keep"));
}

// A server that stops answering (a machine that hangs, a network that drops every packet) is given
// up within the limits, never waited for without end: the action fails with the program's error and
// nothing of it is stored. Once the server answers again, the next action connects by itself.
void tst_postgres::serverThatStopsAnsweringIsGivenUp()
{
    const PostgresEngine::Timeouts limits{2, 1500, 1000};
    constexpr qint64 slack = 700; // for a busy machine
    auto db = freshCompany(limits);
    const QString manager = QStringLiteral("Manager");
    QVERIFY(clocking::clockIn(*db, manager, manager, at("2026-12-07 09:00:00"), QStringLiteral("x")).stored());

    QVERIFY2(m_server.pause(), qPrintable(m_server.errorString()));
    auto goOn = qScopeGuard([&] { m_server.resume(); });
    QElapsedTimer waited;
    waited.start();
    const auto out = clocking::clockOut(*db, manager, manager, at("2026-12-07 17:00:00"));
    QCOMPARE(out.error.number, int(ErrConnectionLost));
    QVERIFY2(waited.elapsed() < limits.statementMs + slack, qPrintable(QString::number(waited.elapsed())));
    QVERIFY2(ErrorText::describe(out.error).contains(QLatin1String("did not answer within 1.5 seconds")),
             qPrintable(ErrorText::numbered(out.error)));

    // A new connection waits no longer than the connection's limit.
    waited.restart();
    const auto count = LogTable(*db, manager).count();
    QCOMPARE(count.error().number, int(ErrServerUnreachable));
    QVERIFY2(waited.elapsed() < limits.connectSeconds * 1000 + slack, qPrintable(QString::number(waited.elapsed())));

    goOn.dismiss();
    QVERIFY2(m_server.resume(), qPrintable(m_server.errorString()));
    QCOMPARE(*LogTable(*db, manager).count(), 1);
    QCOMPARE(*clocking::isClockedIn(*db, manager), true);
    QVERIFY(clocking::clockOut(*db, manager, manager, at("2026-12-07 17:00:00")).stored());
    QCOMPARE(*LogTable(*db, manager).count(), 2);
}

void tst_postgres::lostConnectionComesBack()
{
    auto db = freshCompany();
    const QString manager = QStringLiteral("Manager");
    QVERIFY(clocking::clockIn(*db, manager, manager, at("2026-12-07 09:00:00"), QStringLiteral("x")).stored());

    QVERIFY(m_server.stop(true));
    // The action that finds the connection gone fails; while the server is down, so does each next.
    const auto lost = countLog(*db, manager, at("2026-12-07 10:00:00"));
    QCOMPARE(lost.error().number, int(ErrConnectionLost));
    QVERIFY2(ErrorText::describe(lost.error()).contains(ErrorText::location(db->location())), why(lost).constData());
    const auto down = clocking::isClockedIn(*db, manager);
    QCOMPARE(down.error().number, int(ErrServerUnreachable));
    QCOMPARE(clocking::clockOut(*db, manager, manager, at("2026-12-07 10:00:00")).error.number, int(ErrServerUnreachable));

    // Once it is back, the next action connects again by itself.
    QVERIFY(m_server.start());
    QCOMPARE(*clocking::isClockedIn(*db, manager), true);

    // A write that is the first to meet a lost connection begins again on a new one.
    QVERIFY(m_server.stop(true));
    QVERIFY(m_server.start());
    const auto out = clocking::clockOut(*db, manager, manager, at("2026-12-07 17:00:00"));
    QVERIFY2(out.stored(), qPrintable(ErrorText::numbered(out.error)));
    QCOMPARE(entriesOf(*db, manager), (QStringList{"2026-12-07 09:00:00/x", "2026-12-07 17:00:00/NULL"}));
}

void tst_postgres::serverStoppedDuringWrite()
{
    auto db = freshCompany();
    const QString manager = QStringLiteral("Manager");
    {
        // A write whose connection goes never goes on without its transaction, even once the
        // server is back.
        Database::Transaction write(*db);
        QVERIFY(write.ok());
        QVERIFY(!LogTable(*db, manager).append(manager, at("2026-12-07 08:00:00"), kClockedIn));
        QVERIFY(m_server.stop(true));
        QVERIFY(m_server.start());
        for (const char *second : {"2026-12-07 08:00:01", "2026-12-07 08:00:02"}) {
            const DbError e = LogTable(*db, manager).append(manager, at(second), kClockedIn);
            QCOMPARE(e.number, int(ErrConnectionLost));
            // The box says so, and it holds (below).
            QVERIFY2(ErrorText::failure(QStringLiteral("The clock-in could not be stored"), e).endsWith(
                         QLatin1String("  Nothing was stored.")),
                     qPrintable(ErrorText::numbered(e)));
        }
    }
    QCOMPARE(*LogTable(*db, manager).count(), 0);
    {
        // A commit cut off: the program cannot know whether it was stored, and says so.
        Database::Transaction write(*db);
        QVERIFY(write.ok());
        QVERIFY(!LogTable(*db, manager).append(manager, at("2026-12-07 09:00:00"), kClockedIn));
        QVERIFY(m_server.stop(true));
        const DbError e = write.commit();
        QCOMPARE(e.number, int(ErrConnectionLost));
        QVERIFY2(ErrorText::describe(e).contains(QLatin1String("may or may not have been stored")), qPrintable(ErrorText::numbered(e)));
        // The box does not claim, with its caller, that nothing was stored.
        const QString box = ErrorText::failure(QStringLiteral("Sorry, the Employee could not be added"), e,
                                               QStringLiteral("  Nothing was stored."));
        QVERIFY2(box.endsWith(QLatin1String("Look at the data again before you repeat it (error 3146).")), qPrintable(box));
    }
    QVERIFY(m_server.start());
    QCOMPARE(*LogTable(*db, manager).count(), 0);
    QVERIFY(clocking::clockIn(*db, manager, manager, at("2026-12-07 09:05:00"), QString()).stored());
    QCOMPARE(*LogTable(*db, manager).count(), 1);
}

QTEST_GUILESS_MAIN(tst_postgres)
#include "tst_postgres.moc"
