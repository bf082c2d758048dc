// The storage layer, and what every storage engine must honour (this test runs on a file and on a
// server): quoting of awkward names, names matched letter case aside, the delivered database,
// stored order, transactions that store all or nothing, failures in the program's numbers, raw
// scans, opening checks, and the record set's moves.
#include "db/database.h"
#include "db/employeelist.h"
#include "db/logtable.h"
#include "db/quoting.h"
#include "db/recordset.h"
#include "db/schema.h"
#include "messages/errortext.h"
#include "testlib/coremain.h"
#include "testlib/testcompany.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using pw::test::TestCompany;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Whether the file now holds exactly these bytes.
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

class tst_storage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quoting_data();
    void quoting();
    void awkwardNames_data();
    void awkwardNames();
    void namesIgnoreLetterCase();
    void deliveredDatabase();
    void openRefuses_data();
    void openRefuses();
    void recordSetMoves();
    void recordSetOnMissingTable();
    void exactNameLookup();
    void storedOrder();
    void allOrNothing_data();
    void allOrNothing();
    void closedConnectionFails();
    void failuresInProgramsNumbers_data();
    void failuresInProgramsNumbers();
    void scans();
    void defensiveConnection();
};

void tst_storage::quoting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "Manager" << "\"Manager\"";
    QTest::newRow("blank inside") << "Company Data" << "\"Company Data\"";
    QTest::newRow("dot") << "J. Smith" << "\"J. Smith\"";
    QTest::newRow("double quotes") << "say \"hi\"" << "\"say \"\"hi\"\"\"";
    QTest::newRow("only a quote") << "\"" << "\"\"\"\"";
    QTest::newRow("empty") << "" << "\"\"";
}

void tst_storage::quoting()
{
    QFETCH(QString, name);
    QFETCH(QString, quoted);
    QCOMPARE(pw::quoteIdentifier(name), quoted);
}

void tst_storage::awkwardNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("leading blanks") << "  Ann";
    QTest::newRow("trailing blank") << "Ann ";
    QTest::newRow("dot") << "J. Smith";
    QTest::newRow("dots only") << "...";
    QTest::newRow("apostrophe") << "O'Neil";
    QTest::newRow("double quotes") << "Bob \"the\" Builder";
    QTest::newRow("brackets") << "[Dee] ]Dum[";
    QTest::newRow("semicolon and dashes") << "a; b -- c";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë Çelik Øster");
    QTest::newRow("20 characters") << "abcdefghij0123456789";
    QTest::newRow("injection") << "x\"; DROP TABLE datalist; --";
    QTest::newRow("the long one") << "O'Neil \"Bob\"; DROP TABLE datalist";
    QTest::newRow("tab") << "tab\there";
    QTest::newRow("sqlite words") << "select";
}

void tst_storage::awkwardNames()
{
    QFETCH(QString, name);
    TestCompany app;
    app.addEmployee(name, QStringLiteral("9.5"));
    // A server holds the log's Ename field to its 20 characters; a file takes any length.
    const QString ename = pw::test::onServer() ? name.left(20) : name;
    const QString task = pw::test::onServer() ? name.left(30) : name;
    app.addEntry(name, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "), ename);

    // The table has exactly the name, and nothing else in the file changed.
    const auto tables = app.db().tableNames();
    QVERIFY(tables);
    QCOMPARE(*tables, (QStringList{QStringLiteral("Company Data"), QStringLiteral("datalist"), QStringLiteral("Manager"), name}));
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist")).toInt(), 2);
    QCOMPARE(*app.db().tableExists(name), true);

    // A record set over it reads, writes, appends and deletes.
    pw::RecordSet rs(app.db());
    rs.setRecordSource(name);
    QVERIFY(!rs.refresh());
    QCOMPARE(rs.field(QStringLiteral("Ename")).toString(), ename);
    QVERIFY(!rs.setFields({{QStringLiteral("activity"), task}}));
    app.addEntry(name, QStringLiteral("2026-12-07 17:00:00"), QStringLiteral("Clocked Out"), QVariant(), ename);
    QVERIFY(!rs.moveLast());
    QCOMPARE(rs.field(QStringLiteral("inoutfx")).toString(), QStringLiteral("Clocked Out"));
    QVERIFY(!rs.deleteCurrent());
    const auto log = app.log(name);
    QCOMPARE(log.size(), 1);
    QCOMPARE(log[0][3].toString(), task);

    // The employee list finds the name exactly.
    pw::EmployeeList list(app.db());
    const auto found = list.find(name);
    QVERIFY(found && found->has_value());
    QCOMPARE((*found)->wage.toString(), QStringLiteral("9.5"));
}

void tst_storage::namesIgnoreLetterCase()
{
    TestCompany app;
    QCOMPARE(*app.db().tableExists(QStringLiteral("MANAGER")), true);
    QCOMPARE(*app.db().tableExists(QStringLiteral("company data")), true);
    QCOMPARE(*app.db().tableExists(QStringLiteral("DataList")), true);
    QCOMPARE(*app.db().tableExists(QStringLiteral("Manager ")), false);
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked In"));
    pw::RecordSet rs(app.db());
    rs.setRecordSource(QStringLiteral("mAnAgEr"));
    QVERIFY(!rs.refresh());
    QCOMPARE(rs.field(QStringLiteral("INOUTFX")).toString(), QStringLiteral("Clocked In"));
    QCOMPARE(rs.field(QStringLiteral("ename")).toString(), QStringLiteral("Manager"));
    QVERIFY(!rs.setFields({{QStringLiteral("ACTIVITY"), QStringLiteral("x")}}));
    QCOMPARE(app.log(QStringLiteral("Manager"))[0][3].toString(), QStringLiteral("x"));
}

void tst_storage::deliveredDatabase()
{
    TestCompany app{QString()}; // as delivered
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM \"Company Data\"")).toInt(), 0);
    const auto list = app.rows(QStringLiteral("SELECT Ename, epass FROM datalist ORDER BY %1").arg(app.orderKey()));
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0][0].toString(), QStringLiteral("Manager"));
    QVERIFY(!list[0][1].isNull());
    QCOMPARE(list[0][1].toString(), QString());
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM \"Manager\"")).toInt(), 0);
    const auto fields = app.db().columnsOf(QStringLiteral("Manager"));
    QVERIFY(fields);
    QStringList shape;
    for (const pw::FieldInfo &f : *fields)
        shape << QStringLiteral("%1 %2 %3").arg(pw::foldAsciiCase(f.name)).arg(int(f.kind)).arg(f.size);
    const bool server = pw::test::onServer(); // the server keeps no widths of its own
    QCOMPARE(shape, (QStringList{QStringLiteral("ename 0 %1").arg(server ? 0 : 20), QStringLiteral("datetime 4 0"),
                                 QStringLiteral("inoutfx 0 %1").arg(server ? 0 : 11),
                                 QStringLiteral("activity 0 %1").arg(server ? 0 : 30)}));
    if (pw::test::onServer())
        return; // the rest is about the file
    const auto columns = app.rows(QStringLiteral("SELECT name, type FROM pragma_table_info('Manager') ORDER BY cid"));
    QCOMPARE(columns.size(), 4);
    const QStringList expected{QStringLiteral("Ename VARCHAR(20)"), QStringLiteral("datetime DATETIME"),
                               QStringLiteral("inoutfx VARCHAR(11)"), QStringLiteral("activity VARCHAR(30)")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(columns[i][0].toString() + QLatin1Char(' ') + columns[i][1].toString(), expected[i]);

    // A delivered database is never written over an existing file.
    const QByteArray before = fileBytes(app.path());
    QCOMPARE(pw::Database::createDelivered(app.path()).number, int(pw::ErrGeneral));
    QCOMPARE(fileBytes(app.path()), before);
}

void tst_storage::openRefuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("words");
    QTest::newRow("missing") << "missing" << int(pw::ErrFileNotFound) << "does not exist";
    QTest::newRow("empty file") << "empty" << int(pw::ErrNotPunchwell) << "empty";
    QTest::newRow("text file") << "text" << int(pw::ErrNotADatabase) << "not a database";
    QTest::newRow("Access file") << "jet" << int(pw::ErrNotADatabase) << "Microsoft Access";
    QTest::newRow("other SQLite file") << "foreign" << int(pw::ErrNotPunchwell) << "not a Punchwell company database";
    QTest::newRow("cut short") << "truncated" << int(pw::ErrDamaged) << "damaged";
    QTest::newRow("damaged pages") << "damaged" << int(pw::ErrDamaged) << "damaged";
    QTest::newRow("a folder") << "folder" << int(pw::ErrCannotOpen) << "folder";
}

void tst_storage::openRefuses()
{
    PW_FILE_ONLY("what is in the file, and whether it is one");
    QFETCH(QString, kind);
    QFETCH(int, number);
    QFETCH(QString, words);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Employee.mdb"));
    if (kind == QLatin1String("empty")) {
        QVERIFY(writeFile(path, {}));
    } else if (kind == QLatin1String("text")) {
        QVERIFY(writeFile(path, "Name,Hours\nAnn,8\n"));
    } else if (kind == QLatin1String("jet")) {
        QByteArray jet(4096, '\0');
        jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
        QVERIFY(writeFile(path, jet));
    } else if (kind == QLatin1String("foreign")) {
        pw::Database::createDelivered(path);
        pw::Database d(path);
        QVERIFY(!d.open());
        QVERIFY(!d.exec(QStringLiteral("DROP TABLE datalist")));
    } else if (kind == QLatin1String("truncated")) {
        pw::Database::createDelivered(path);
        QByteArray bytes = fileBytes(path);
        QVERIFY(writeFile(path, bytes.left(60)));
    } else if (kind == QLatin1String("damaged")) {
        pw::Database::createDelivered(path);
        {
            pw::Database d(path);
            QVERIFY(!d.open());
            for (int i = 0; i < 200; ++i)
                d.exec(QStringLiteral("INSERT INTO Manager VALUES ('Manager', '2026-12-07 09:00:00', 'Clocked In', ?)"),
                       {QString(30, QLatin1Char('x'))});
        }
        QByteArray bytes = fileBytes(path);
        QVERIFY(bytes.size() >= 4 * 4096);
        // Scribble over every page after the schema page.
        for (qsizetype at = 4096; at < bytes.size(); ++at)
            bytes[at] = char(0xA5 ^ (at & 0xff));
        QVERIFY(writeFile(path, bytes));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Employee.mdb")));
    }
    const QByteArray before = QFileInfo(path).isFile() ? fileBytes(path) : QByteArray();

    pw::Database db(path);
    pw::DbError e = db.open();
    if (!e)
        e = db.verify();
    QCOMPARE(e.number, number);
    QVERIFY2(pw::ErrorText::describe(e).contains(words), qPrintable(pw::ErrorText::describe(e)));
    db.close();
    if (QFileInfo(path).isFile())
        QCOMPARE(fileBytes(path), before); // nothing is written to a file that is refused
    else
        QVERIFY(kind == QLatin1String("folder") || !QFileInfo::exists(path)); // nothing is created
}

void tst_storage::recordSetMoves()
{
    TestCompany app;
    for (int i = 1; i <= 3; ++i)
        app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 0%1:00:00").arg(i), QStringLiteral("Clocked In"),
                     QString::number(i));
    pw::RecordSet rs(app.db());
    rs.setRecordSource(QStringLiteral("Manager"));
    QVERIFY(!rs.isOpen());
    QVERIFY(!rs.refresh());
    auto at = [&rs] { return rs.hasCurrent() ? rs.field(QStringLiteral("activity")).toString() : QStringLiteral("-"); };
    QCOMPARE(at(), QStringLiteral("1"));
    rs.moveNext();
    rs.moveNext();
    QCOMPARE(at(), QStringLiteral("3"));
    rs.moveNext();
    QVERIFY(rs.eof());
    QCOMPARE(at(), QStringLiteral("-"));
    rs.moveNext(); // stays at the end
    QVERIFY(rs.eof());
    rs.movePrevious(); // from the end to the last row
    QCOMPARE(at(), QStringLiteral("3"));
    rs.moveFirst();
    rs.movePrevious();
    QVERIFY(rs.bof());
    rs.moveNext();
    QCOMPARE(at(), QStringLiteral("1"));

    // Deleting leaves no current row; the next move goes on from where the row was.
    rs.moveNext();
    QVERIFY(!rs.deleteCurrent());
    QVERIFY(!rs.hasCurrent());
    rs.moveNext();
    QCOMPARE(at(), QStringLiteral("3"));
    rs.movePrevious();
    QCOMPARE(at(), QStringLiteral("1"));

    // An empty table is at its end at once.
    app.exec(QStringLiteral("DELETE FROM \"Manager\""));
    QVERIFY(!rs.refresh());
    QVERIFY(rs.eof());
    QVERIFY(!rs.hasCurrent());
}

void tst_storage::recordSetOnMissingTable()
{
    TestCompany app;
    pw::RecordSet rs(app.db());
    rs.setRecordSource(QStringLiteral("Nobody"));
    const pw::DbError e = rs.refresh();
    QCOMPARE(e.number, int(pw::ErrTableMissing));
    QVERIFY(!rs.hasCurrent());
    QVERIFY(rs.eof());
    QVERIFY(rs.setFields({{QStringLiteral("Ename"), QStringLiteral("x")}}));
    QCOMPARE(*app.db().tableExists(QStringLiteral("Nobody")), false);
}

void tst_storage::exactNameLookup()
{
    TestCompany app;
    app.addEmployee(QStringLiteral("Bob"), QStringLiteral("12"), QVariant(QMetaType(QMetaType::QString)));
    pw::EmployeeList list(app.db());
    QVERIFY(list.find(QStringLiteral("Bob"))->has_value());
    QVERIFY(!list.find(QStringLiteral("bob"))->has_value());
    QVERIFY(!list.find(QStringLiteral("Bob "))->has_value());
    QVERIFY(!list.find(QStringLiteral(" Bob"))->has_value());
    QCOMPARE((*list.find(QStringLiteral("Bob")))->storedPassword(), QString());
    QCOMPARE(*list.names(), (QStringList{QStringLiteral("Manager"), QStringLiteral("Bob")}));
}

void tst_storage::storedOrder()
{
    // Rows come back in the order they were written, whatever they hold; an edit keeps a row in its
    // place, and a row written after a delete comes last.
    TestCompany app;
    const QString manager = QStringLiteral("Manager");
    for (const char *when : {"2026-12-07 09:00:00", "2026-12-01 17:00:00", "2026-12-09 08:00:00"})
        app.addEntry(manager, QString::fromLatin1(when), QStringLiteral("Clocked In"));
    pw::RecordSet rs(app.db());
    rs.setRecordSource(manager);
    QVERIFY(!rs.refresh());
    QVERIFY(!rs.moveNext());
    QVERIFY(!rs.setFields({{QStringLiteral("datetime"), QStringLiteral("2026-12-01 17:30:00")}}));
    QVERIFY(!rs.movePrevious());
    QVERIFY(!rs.deleteCurrent());
    app.addEntry(manager, QStringLiteral("2026-12-01 07:00:00"), QStringLiteral("Clocked Out"));

    QStringList scanned;
    QVERIFY(!pw::LogTable(app.db(), manager).scanDatesAndTasks([&](const QVariant &when, const QVariant &) {
        scanned << when.toString();
    }));
    QCOMPARE(scanned, (QStringList{"2026-12-01 17:30:00", "2026-12-09 08:00:00", "2026-12-01 07:00:00"}));
    // The grid reads the same order a block at a time.
    const auto block = pw::LogTable(app.db(), manager).rows({QStringLiteral("datetime")}, 1, 5);
    QVERIFY(block);
    QCOMPARE(*block, (QList<QVariantList>{{QStringLiteral("2026-12-09 08:00:00")}, {QStringLiteral("2026-12-01 07:00:00")}}));

    for (const char *name : {"Zed", "Amy"})
        app.addEmployee(QString::fromLatin1(name));
    QCOMPARE(*pw::EmployeeList(app.db()).names(), (QStringList{"Manager", "Zed", "Amy"}));
}

void tst_storage::allOrNothing_data()
{
    QTest::addColumn<QString>("ending"); // commit, rollback, or the transaction left without either
    QTest::addColumn<bool>("failing");    // a statement of the write fails before the ending
    QTest::addColumn<bool>("stored");
    QTest::newRow("committed") << "commit" << false << true;
    QTest::newRow("rolled back") << "rollback" << false << false;
    QTest::newRow("left without a commit") << "leave" << false << false;
    QTest::newRow("a step failed, rolled back") << "rollback" << true << false;
}

void tst_storage::allOrNothing()
{
    QFETCH(QString, ending);
    QFETCH(bool, failing);
    QFETCH(bool, stored);
    TestCompany app;
    app.keepRowsOnDelete(QStringLiteral("Manager"));
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked In"));
    {
        // A list row and a new table, as the add dialog stores them, in one write.
        pw::Database::Transaction write(app.db());
        QVERIFY(write.ok());
        QVERIFY(!app.db().exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage) VALUES (?, ?)"),
                               {QStringLiteral("Zed"), QStringLiteral("9")}));
        QVERIFY(!app.db().exec(app.db().engine().createTable(pw::quoteIdentifier(QStringLiteral("Zed")), pw::logFields())));
        if (failing)
            QCOMPARE(pw::ErrorText::numbered(app.db().exec(QStringLiteral("DELETE FROM \"Manager\""))), QStringLiteral("kept (error 3000)"));
        if (ending == QLatin1String("commit"))
            QVERIFY(!write.commit());
        else if (ending == QLatin1String("rollback"))
            write.rollback();
    }
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = 'Zed'")).toInt(), stored ? 1 : 0);
    QCOMPARE(*app.db().tableExists(QStringLiteral("Zed")), stored);
    QCOMPARE(app.log(QStringLiteral("Manager")).size(), 1);
    // The connection takes the next write as usual.
    pw::Database::Transaction next(app.db());
    QVERIFY(next.ok());
    QVERIFY(!app.db().exec(QStringLiteral("UPDATE datalist SET Ewage = '11' WHERE Ename = 'Manager'")));
    QVERIFY(!next.commit());
}

void tst_storage::closedConnectionFails()
{
    // A statement on a connection that is gone under the program fails as a lost connection, never
    // as a success; the next action connects again.
    TestCompany app;
    const auto when = *pw::LocalDateTime::fromStored(QStringView(u"2026-12-07 08:00:00"));
    {
        pw::Database::Transaction write(app.db());
        QVERIFY(write.ok());
        app.db().engine().disconnect();
        QCOMPARE(pw::LogTable(app.db(), QStringLiteral("Manager")).append(QStringLiteral("Manager"), when,
                                                                            QStringLiteral("Clocked In")).number,
                 int(pw::ErrConnectionLost));
    }
    QCOMPARE(*pw::LogTable(app.db(), QStringLiteral("Manager")).count(), 0);
}

void tst_storage::failuresInProgramsNumbers_data()
{
    QTest::addColumn<QString>("setUp"); // on the file | on a server
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("words"); // how the description begins
    QTest::newRow("missing table") << "|" << "SELECT * FROM \"Nobody\"" << int(pw::ErrTableMissing)
                                   << "a table cannot be found";
    QTest::newRow("missing table, written") << "|" << "INSERT INTO \"Nobody\" (Ename) VALUES ('x')"
                                            << int(pw::ErrTableMissing) << "a table cannot be found";
    QTest::newRow("refused by the company's own rule") << "keep|keep" << "DELETE FROM \"Manager\"" << int(pw::ErrGeneral)
                                                       << "kept";
    QTest::newRow("only for reading") << "PRAGMA query_only = 1|SET default_transaction_read_only = on"
                                      << "UPDATE datalist SET Ewage = '1'" << int(pw::ErrReadOnly) << "";
}

void tst_storage::failuresInProgramsNumbers()
{
    QFETCH(QString, setUp);
    QFETCH(QString, statement);
    QFETCH(int, number);
    QFETCH(QString, words);
    TestCompany app;
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked In"));
    const QString prepare = setUp.section(QLatin1Char('|'), pw::test::onServer() ? 1 : 0, pw::test::onServer() ? 1 : 0);
    if (prepare == QLatin1String("keep"))
        app.keepRowsOnDelete(QStringLiteral("Manager"));
    else if (!prepare.isEmpty())
        app.exec(prepare);
    const pw::DbError e = app.db().exec(statement);
    QCOMPARE(e.number, number);
    QVERIFY2(pw::ErrorText::describe(e).startsWith(words), qPrintable(pw::ErrorText::numbered(e)));
}

// What the file holds cannot take over the connection: the schema is not data to write, and a view
// or trigger of the file may not call a function that is not marked harmless.
void tst_storage::defensiveConnection()
{
    PW_FILE_ONLY("SQLite's own settings");
    TestCompany app;
    pw::Database &db = app.db();
    QCOMPARE(*db.texts(QStringLiteral("PRAGMA trusted_schema")), QStringList{"0"});
    QVERIFY(!db.exec(QStringLiteral("PRAGMA writable_schema = ON")));
    QVERIFY(db.exec(QStringLiteral("UPDATE sqlite_master SET sql = 'CREATE TABLE datalist (x)' WHERE name = 'datalist'")));
    QVERIFY(!db.exec(QStringLiteral("PRAGMA writable_schema = OFF")));
    QCOMPARE(*db.fieldsOf(QStringLiteral("datalist")), (QStringList{"Ename", "Ewage", "Ecomment", "epass"}));
}

void tst_storage::scans()
{
    TestCompany app;
    const QString manager = QStringLiteral("Manager");
    app.addEntry(manager, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Zoë's desk"));
    app.addEntry(manager, QStringLiteral("2026-12-07 12:00:00"), QStringLiteral("Lunch"), QStringLiteral("x"));
    app.addEntry(manager, QStringLiteral("2026-12-07 17:00:00"), QStringLiteral("Clocked Out"));
    // Each value's stored bytes, a Null as such, the order key as a number, with a bound value.
    QStringList seen;
    qint64 lastKey = 0;
    const pw::DbError e = app.db().scan(
        QStringLiteral("SELECT %1, activity, %2 FROM \"Manager\" WHERE inoutfx <> ? ORDER BY %2")
            .arg(app.dateTimeText(QStringLiteral("datetime")), app.orderKey()),
        {QStringLiteral("Lunch")}, [&](const pw::RawRow &row) {
            seen << QString::fromUtf8(row.text(0)) + QLatin1Char('/') +
                        (row.isNull(1) ? QStringLiteral("NULL") : QString::fromUtf8(row.text(1)));
            QVERIFY(row.integer(2) > lastKey);
            lastKey = row.integer(2);
        });
    QVERIFY2(!e, qPrintable(pw::ErrorText::numbered(e)));
    QCOMPARE(seen, (QStringList{QStringLiteral("2026-12-07 09:00:00/Zoë's desk"), "2026-12-07 17:00:00/NULL"}));
    const pw::DbError missing = app.db().scan(QStringLiteral("SELECT * FROM \"Nobody\""), {}, [](const pw::RawRow &) {});
    QCOMPARE(missing.number, int(pw::ErrTableMissing));
}

PW_CORE_TEST_MAIN(tst_storage)
#include "tst_storage.moc"
