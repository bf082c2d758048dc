// The company file failing under the running program, through the real windows: each failure ends
// in a box that says what is wrong, nothing is half-written, and the program works again once the
// file is back in order.
#include "db/journal.h"
#include "db/quoting.h"
#include "testlib/filestate.h"
#include "testlib/pgserver.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QAction>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <optional>

using pw::Dialogs;
using pw::test::FakeDialogs;
using pw::test::TableDump;
using pw::test::TestApp;
using pw::test::click;
using pw::test::textOf;
using pw::test::typeInto;

namespace {

const QString ann = QStringLiteral("Ann");
const QString bob = QStringLiteral("Bob");
const QString kNotes = QStringLiteral("Night shifts only. ").repeated(1000);

// Ann and Bob, each with one closed shift; the Manager has the password "boss"; clock-in asks for
// no task (the switch was set in an earlier run, before any window is loaded).
void company(TestApp &app)
{
    for (const QString &name : {ann, bob}) {
        app.addEmployee(name, QStringLiteral("10"));
        app.addEntry(name, QStringLiteral("2026-12-01 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Stock"));
        app.addEntry(name, QStringLiteral("2026-12-01 09:30:00"), QStringLiteral("Clocked Out"));
    }
    app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    app.exec(QStringLiteral("UPDATE \"Company Data\" SET subs = 1"));
    app.clock.set(2026, 12, 7, 9, 0, 0);
}

// One user action that writes, as the window offers it.
struct Operation {
    QString title;                  // of the box that reports its failure
    Dialogs::Icon icon;             // and its icon
    QStringList changes;            // the tables it is meant to change
    std::function<bool()> prepare;  // gets the windows ready (again); false when it cannot
    std::function<void()> act;      // the click, with the answers to its boxes
    std::function<bool()> done;     // its whole change is stored
};

Operation operation(TestApp &app, const QString &which)
{
    QWidget *m = app.main();
    auto onTab = [&app] {
        if (!pw::test::child<QWidget>(app.main(), "Picture1")->isVisible())
            app.managerShowing(ann);
        return textOf(app.main(), "manlist") == ann || pw::test::showEmployee(app.main(), ann);
    };
    const Dialogs::Icon warning = Dialogs::Icon::Exclamation;
    if (which == QLatin1String("clock-in"))
        return {QStringLiteral("Clock In Error"), warning, {ann},
                [&app] { return (textOf(app.main(), "nameemp") == ann && app.main()->isVisible()) || app.logOn(ann); },
                [m] { click(m, "clockin"); },
                [&app] { return app.log(ann).size() == 3 && app.log(ann).last()[2] == QStringLiteral("Clocked In"); }};
    if (which == QLatin1String("add"))
        return {QStringLiteral("Add Error"), warning, {QStringLiteral("datalist"), QStringLiteral("Zed")},
                [&app, onTab] {
                    if (!onTab())
                        return false;
                    if (!app.window("frmadd") || !app.window("frmadd")->isVisible())
                        click(app.main(), "Command5");
                    QWidget *add = app.window("frmadd");
                    if (!add)
                        return false;
                    typeInto(add, "newemployee", QStringLiteral("Zed"));
                    typeInto(add, "newwage", QStringLiteral("12"));
                    return true;
                },
                [&app] { click(app.window("frmadd"), "Command1"); },
                [&app] {
                    return app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = 'Zed'")).toInt() == 1
                        && *app.db().tableExists(QStringLiteral("Zed"));
                }};
    if (which == QLatin1String("clear"))
        return {QStringLiteral("Clear"), warning, {ann}, onTab,
                [&app, m] {
                    app.dialogs.answer(Dialogs::No);
                    app.dialogs.answerInput(QStringLiteral("12/7/2026"));
                    click(m, "Command4");
                },
                [&app] { return app.log(ann).isEmpty(); }};
    // The wage and the notes typed on the Management tab, stored when the browser moves on (a
    // failure there is reported like one of UPDATE, without an icon).
    if (which == QLatin1String("edit"))
        return {QStringLiteral("Punchwell"), Dialogs::Icon::None, {QStringLiteral("datalist")},
                [&app, onTab] {
                    if (!onTab())
                        return false;
                    typeInto(app.main(), "emoney", QStringLiteral("12"));
                    typeInto(app.main(), "Text1", kNotes);
                    return true;
                },
                [m] { pw::test::browse(m, "mandata", "first"); },
                [&app] {
                    return app.rows(QStringLiteral("SELECT Ewage, Ecomment FROM datalist WHERE Ename = 'Ann'"))
                        == QList<QVariantList>{{QStringLiteral("12"), kNotes}};
                }};
    // Printing reads only, so only a damaged file stops it.
    if (which == QLatin1String("print"))
        return {QStringLiteral("Print"), warning, {}, onTab,
                [&app, m] {
                    app.printers.clear();
                    app.dialogs.answer(Dialogs::No);
                    click(m, "Command3");
                },
                [&app] { return app.printers.printed().size() == 1; }};
    return {QStringLiteral("Delete Error"), warning, {QStringLiteral("datalist"), ann}, onTab,
            [&app, m] {
                app.dialogs.answer(Dialogs::Yes);
                click(m, "Deleteemp");
            },
            [&app] { return app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = 'Ann'")).toInt() == 0; }};
}

// The boxes that report a failure: everything with an OK button only, but the confirmations.
QList<FakeDialogs::Shown> failures(const TestApp &app)
{
    QList<FakeDialogs::Shown> out;
    for (const FakeDialogs::Shown &s : app.dialogs.shown())
        if (s.kind == FakeDialogs::Shown::Message && s.buttons == Dialogs::Buttons(Dialogs::Ok)
            && s.icon != Dialogs::Icon::Information)
            out << s;
    return out;
}

// The file's bytes damaged as the fault says. Another program that rewrites the file changes the
// change counter in its header, so the program's connection reads the file afresh.
QByteArray damaged(QByteArray bytes, const QString &fault)
{
    if (fault == QLatin1String("not SQLite"))
        return QByteArrayLiteral("Name,Hours\nAnn,1.5\nBob,1.5\n");
    const int pageSize = (uchar(bytes[16]) << 8) | uchar(bytes[17]);
    if (fault == QLatin1String("truncated"))
        bytes.truncate(2 * pageSize); // the schema and the settings stay; the list and the logs are cut off
    else
        for (qsizetype at = 2 * pageSize; at < bytes.size(); ++at) // every page after the settings
            bytes[at] = char(0x5A ^ (at & 0xff));
    bytes[27] = char(bytes[27] + 1);
    return bytes;
}

} // namespace

class tst_faults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileFaults_data();
    void fileFaults();
    void missingLog_data();
    void missingLog();
    void journalRefuses_data();
    void journalRefuses();

private:
    void serverFails(TestApp &app, const Operation &op, const QString &fault, int number, const QString &words,
                     const TableDump &before);
};

void tst_faults::fileFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("number"); // the error number every failure box gives; 0: the operation succeeds
    QTest::addColumn<QString>("words");
    const struct {
        const char *fault;
        int number;
        const char *words;
    } faults[] = {
        {"missing", pw::ErrFileNotFound, "moved, renamed or deleted"},
        {"read-only", pw::ErrReadOnly, "read-only"},
        {"locked", pw::ErrInUse, "the database is in use"},
        {"truncated", pw::ErrDamaged, "damaged"},
        {"damaged pages", pw::ErrDamaged, "damaged"},
        {"not SQLite", pw::ErrNotADatabase, "not a database"},
        {"full", 0, ""},
    };
    // What befalls a database server under the running program: it stops (and is not back before the
    // action), it stops and comes back (the connection the program held is gone), another
    // workstation holds the table, the action takes longer than the server allows.
    const QString server = pw::test::onServer() ? QStringLiteral("on the server at ") + pw::test::testServer().socketDir()
                                                : QString();
    const struct {
        const char *fault;
        int number;
        QString words;
    } serverFaults[] = {
        // The first statement finds the connection gone; a later one of the same action finds
        // that no new one can be made.
        {"server down", pw::ErrConnectionLost, server},
        {"connection lost", pw::ErrConnectionLost, QStringLiteral("was lost") },
        {"held by another workstation", pw::ErrInUse, QStringLiteral("another workstation is changing the same data")},
        {"too slow", pw::ErrTimeout, QStringLiteral("did not finish the action within")},
    };
    for (const auto &f : serverFaults)
        for (const char *op : {"clock-in", "add", "clear", "delete", "edit"})
            QTest::addRow("%s, %s", f.fault, op) << QString::fromLatin1(f.fault) << QString::fromLatin1(op) << f.number << f.words;
    for (const auto &f : faults)
        for (const char *op : {"clock-in", "add", "clear", "delete"}) {
            const QString fault = QString::fromLatin1(f.fault);
            // Deleting takes no room, so a full file can still be cleared (which is how room is
            // made). A full file at clock-in and at an add, and a read-only one at an add, are in the
            // clock and employee tests.
            if ((fault == QLatin1String("full") && QByteArray(op) != "clear" && QByteArray(op) != "delete")
                || (fault == QLatin1String("read-only") && QByteArray(op) == "add"))
                continue;
            QTest::addRow("%s, %s", f.fault, op) << fault << QString::fromLatin1(op) << f.number << QString::fromLatin1(f.words);
        }
    for (const auto &f : faults)
        if (QByteArray(f.fault) == "truncated" || QByteArray(f.fault) == "damaged pages" || QByteArray(f.fault) == "not SQLite")
            QTest::addRow("%s, print", f.fault) << QString::fromLatin1(f.fault) << QStringLiteral("print") << f.number
                                                << QString::fromLatin1(f.words);
    // The wage fits where it stood, the long notes need pages the file cannot have.
    QTest::newRow("full, edit") << "full" << "edit" << int(pw::ErrDiskFull) << "no room left";
}

void tst_faults::fileFaults()
{
    QFETCH(QString, fault);
    QFETCH(QString, operation);
    QFETCH(int, number);
    QFETCH(QString, words);
    const bool serverFault = number == pw::ErrConnectionLost ||
                             fault == QLatin1String("held by another workstation") || number == pw::ErrTimeout;
    if (serverFault)
        PW_SERVER_ONLY("a fault of a database server");
    else
        PW_FILE_ONLY("a fault of the SQLite file");
    TestApp app;
    company(app);
    const Operation op = ::operation(app, operation);
    QVERIFY(op.prepare());
    const TableDump before = pw::test::dumpTables(app);
    if (serverFault) {
        serverFails(app, op, fault, number, words, before);
        return;
    }
    const QByteArray good = pw::test::fileBytes(app.path());
    const QString moved = app.path() + QStringLiteral(".moved");

    QByteArray bad;
    std::optional<pw::test::WriteLockHolder> other;
    if (fault == QLatin1String("missing")) {
        QVERIFY(QFile::rename(app.path(), moved));
    } else if (fault == QLatin1String("read-only")) {
        app.exec(QStringLiteral("PRAGMA query_only = 1"));
    } else if (fault == QLatin1String("locked")) {
        other.emplace(app.path());
        QVERIFY(other->holding());
    } else if (fault == QLatin1String("full")) {
        app.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(app.value(QStringLiteral("PRAGMA page_count")).toInt()));
    } else {
        bad = damaged(good, fault);
        pw::test::overwrite(app.path(), bad);
    }
    app.dialogs.clear();
    op.act();
    const QList<FakeDialogs::Shown> boxes = failures(app);

    if (number == 0) {
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.isEmpty() ? QString() : boxes.first().text));
        QVERIFY(op.done());
        QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app), op.changes), QStringList());
        return;
    }
    // One box for one failure: what follows the failed step does not report it again.
    QVERIFY(!boxes.isEmpty());
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, op.title);
    QCOMPARE(boxes.first().icon, op.icon);
    for (const FakeDialogs::Shown &box : boxes)
        QVERIFY2(box.text.contains(QString::number(number)) && box.text.contains(words), qPrintable(box.text));
    if (!bad.isEmpty())
        QVERIFY(pw::test::fileBytes(app.path()) == bad); // not a byte written to a damaged file

    // The file back in order: nothing of the failed operation is in it, and it can be done now.
    if (fault == QLatin1String("missing"))
        QVERIFY(QFile::rename(moved, app.path()));
    else if (fault == QLatin1String("read-only"))
        app.exec(QStringLiteral("PRAGMA query_only = 0"));
    else if (fault == QLatin1String("full"))
        app.exec(QStringLiteral("PRAGMA max_page_count = 1000000"));
    other.reset();
    if (!bad.isEmpty())
        pw::test::overwrite(app.path(), good);
    QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app)), QStringList());
    app.dialogs.clear();
    QVERIFY(op.prepare());
    op.act();
    QVERIFY(failures(app).isEmpty());
    QVERIFY(op.done());
    QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app), op.changes), QStringList());
}

// A server fault under an action: every box names the server and says what happened, nothing of
// the action is stored, and once the server is back in order the next try connects again and
// stores it whole.
void tst_faults::serverFails(TestApp &app, const Operation &op, const QString &fault, int number, const QString &words,
                             const TableDump &before)
{
    pw::test::PgServer &server = pw::test::testServer();
    std::optional<pw::test::PgConnection> other;
    QStringList cleanup;
    if (fault == QLatin1String("server down")) {
        QVERIFY(server.stop(true));
    } else if (fault == QLatin1String("connection lost")) {
        QVERIFY(server.stop(true));
        QVERIFY(server.start());
    } else if (fault == QLatin1String("held by another workstation")) {
        // Another workstation in the middle of a write of every table the action may touch.
        other = app.otherWorkstation();
        QVERIFY(other->exec(QStringLiteral("BEGIN")));
        for (const QString &table : {ann, bob, QStringLiteral("datalist")})
            QVERIFY(other->exec(QStringLiteral("LOCK TABLE %1 IN SHARE ROW EXCLUSIVE MODE").arg(pw::quoteIdentifier(table))));
    } else {
        // Every change of the action's tables takes a second, and the server allows half of one.
        app.exec(QStringLiteral("CREATE FUNCTION slow() RETURNS trigger LANGUAGE plpgsql AS "
                                "$$BEGIN PERFORM pg_sleep(1); RETURN NULL; END$$"));
        for (const QString &table : {ann, QStringLiteral("datalist")})
            app.exec(QStringLiteral("CREATE TRIGGER slow AFTER INSERT OR UPDATE OR DELETE ON %1 FOR EACH STATEMENT "
                                    "EXECUTE FUNCTION slow()").arg(pw::quoteIdentifier(table)));
        app.exec(QStringLiteral("SET statement_timeout = 500"));
        cleanup << QStringLiteral("RESET statement_timeout") << QStringLiteral("DROP FUNCTION slow() CASCADE");
    }
    app.dialogs.clear();
    QElapsedTimer took;
    took.start();
    op.act();
    const qint64 elapsed = took.elapsed();
    const QList<FakeDialogs::Shown> boxes = failures(app);

    if (boxes.isEmpty() && fault == QLatin1String("connection lost")) {
        // An action that begins with its write connects again at once: nothing of it had been sent.
        QVERIFY(op.done());
        QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app), op.changes), QStringList());
        return;
    }
    QVERIFY(!boxes.isEmpty());
    QCOMPARE(boxes.first().title, op.title);
    QCOMPARE(boxes.first().icon, op.icon);
    for (const FakeDialogs::Shown &box : boxes) {
        const bool numbered = box.text.contains(QString::number(number)) ||
                              (fault == QLatin1String("server down") &&
                               box.text.contains(QString::number(pw::ErrServerUnreachable)));
        QVERIFY2(numbered && box.text.contains(words), qPrintable(box.text));
        // A server lost in the middle: the box says what became of the action (checked below).
        if (number == pw::ErrConnectionLost)
            QVERIFY2(box.text.endsWith(QLatin1String("  Nothing was stored."))
                         || box.text.endsWith(QLatin1String(". Nothing was stored. Please try again.")),
                     qPrintable(box.text));
    }
    QVERIFY2(elapsed < 10000, qPrintable(QString::number(elapsed))); // the window never hangs

    // The server back in order: nothing of the failed action is stored, and it can be done now.
    if (!server.isRunning())
        QVERIFY(server.start());
    if (other) {
        other->exec(QStringLiteral("ROLLBACK"));
        other.reset();
    }
    for (const QString &sql : std::as_const(cleanup))
        app.exec(sql);
    QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app)), QStringList());
    app.dialogs.clear();
    QVERIFY(op.prepare());
    op.act();
    QVERIFY2(failures(app).isEmpty(), qPrintable(app.dialogs.texts().join(QStringLiteral(" / "))));
    QVERIFY(op.done());
    QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app), op.changes), QStringList());
}

// A listed employee whose log table is gone, in the functions that open a log and have no test of
// this elsewhere (the logon, clocking in and out, UPDATE, printing and clearing all employees and
// deleting the employee have theirs beside their other tests).
void tst_faults::missingLog_data()
{
    QTest::addColumn<bool>("management"); // the Manager on the Management tab; otherwise Ann logged on
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("title");
    QTest::newRow("delete last") << false << "dltlast" << "Punchwell";
    QTest::newRow("print, menu") << false << "prntdata" << "Punchwell";
    QTest::newRow("clear, menu") << false << "dltdata" << "Punchwell";
    QTest::newRow("Get Hrs/$") << true << "Command1" << "Punchwell";
    QTest::newRow("grid toggle") << true << "Label8" << "Punchwell";
    QTest::newRow("print, one") << true << "Command3" << "Print";
    QTest::newRow("clear, one") << true << "Command4" << "Clear";
}

void tst_faults::missingLog()
{
    QFETCH(bool, management);
    QFETCH(QString, function);
    QFETCH(QString, title);
    TestApp app;
    company(app);
    QWidget *m = management ? app.managerShowing(ann) : (app.logOn(ann), app.main());
    QVERIFY(m->isVisible());
    app.exec(QStringLiteral("DROP TABLE \"Ann\""));
    const TableDump before = pw::test::dumpTables(app);
    app.dialogs.clear();

    app.dialogs.answer(function == QLatin1String("prntdata") ? Dialogs::Ok : function == QLatin1String("dltdata") ? Dialogs::Yes : Dialogs::No);
    const QByteArray name = function.toUtf8();
    if (QAction *item = m->findChild<QAction *>(function)) {
        QVERIFY(item->isEnabled());
        item->trigger();
    } else if (m->findChild<QLabel *>(function)) {
        pw::test::clickLabel(m, name.constData());
    } else {
        click(m, name.constData());
    }

    bool told = false;
    for (const FakeDialogs::Shown &box : app.dialogs.shown())
        told = told
            || (box.title == title && box.icon == Dialogs::Icon::Exclamation && box.text.contains(ann)
                && box.text.contains(QString::number(pw::ErrTableMissing)));
    QVERIFY2(told, qPrintable(app.dialogs.texts().join(QStringLiteral(" / "))));
    QVERIFY(!*app.db().tableExists(ann)); // not made anew behind the Manager's back
    QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app)), QStringList());

    // Everybody else goes on working.
    pw::test::trigger(m, "exitmain");
    app.dialogs.clear();
    QVERIFY(app.logOn(bob));
    click(m, "clockin");
    QCOMPARE(app.log(bob).size(), 3);
    QCOMPARE(app.dialogs.count(), 0);
}


void tst_faults::journalRefuses_data()
{
    QTest::addColumn<QString>("operation");
    for (const char *op : {"clock-in", "add", "clear", "delete", "edit"})
        QTest::newRow(op) << QString::fromLatin1(op);
}

// A journal row that cannot be stored fails the whole change: one box, nothing of it in the file;
// once the journal takes rows again the change is stored with its rows.
void tst_faults::journalRefuses()
{
    PW_FILE_ONLY("a trigger of the SQLite file stands for any failure of the journal's insert");
    QFETCH(QString, operation);
    TestApp app;
    company(app);
    QVERIFY(!pw::Journal(app.db()).create());
    const Operation op = ::operation(app, operation);
    QVERIFY(op.prepare());
    const TableDump before = pw::test::dumpTables(app);
    app.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                 .arg(pw::quoteIdentifier(pw::kJournalTable)));
    app.dialogs.clear();
    op.act();
    const QList<FakeDialogs::Shown> boxes = failures(app);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, op.title);
    app.exec(QStringLiteral("DROP TRIGGER refuse"));
    QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app)), QStringList());

    app.dialogs.clear();
    QVERIFY(op.prepare());
    op.act();
    QVERIFY(failures(app).isEmpty());
    QVERIFY(op.done());
    QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app), op.changes + QStringList{pw::kJournalTable}),
             QStringList());
    QVERIFY(app.value(QStringLiteral("SELECT count(*) FROM %1").arg(pw::quoteIdentifier(pw::kJournalTable))).toInt() > 0);
}

PW_TEST_MAIN(tst_faults)
#include "tst_faults.moc"
