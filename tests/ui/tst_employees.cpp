// Adding and deleting employees through the add dialog and the Management tab.
#include "domain/recordviews.h"
#include "db/schema.h"
#include "testlib/filestate.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"
#include "messages/errortext.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::lastBoxIs;
using pw::test::listedNames;
using pw::test::textOf;
using pw::test::trigger;
using pw::test::typeInto;

namespace {

const QString kLongName = QStringLiteral("Sorry, the name is to long.  Please type in a name with less than 20 "
                                         "characters and without special characters (i.e. period, quotation marks, "
                                         "etc.)");
const QString kTaken = QStringLiteral("Sorry, the data file already holds a table of this name (capital and small "
                                      "letters count as the same there).  Please type in another name.");

QWidget *openAdd(TestApp &app, const QString &name, const QString &wage = QStringLiteral("10"))
{
    click(app.main(), "Command5");
    QWidget *a = app.window("frmadd");
    if (!a)
        qFatal("the add dialog did not open");
    typeInto(a, "newemployee", name);
    typeInto(a, "passwrd", QStringLiteral("pw"));
    typeInto(a, "newwage", wage);
    return a;
}

bool listEnabled(TestApp &app)
{
    return child<QWidget>(app.main(), "manlist")->isEnabled();
}

int tableCount(TestApp &app)
{
    return int(app.db().tableNames()->size());
}

// Everything the company holds that an add or a delete could change.
QList<QVariantList> snapshot(TestApp &app)
{
    QList<QVariantList> all = app.rows(QStringLiteral("SELECT 'list', Ename, Ewage, epass, Ecomment FROM datalist ORDER BY %1")
                                           .arg(app.orderKey()));
    for (const QString &object : pw::test::storedObjects(app))
        all << QVariantList{object};
    return all;
}

} // namespace

class tst_employees : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addDialog();
    void addLogOnDelete_data();
    void addLogOnDelete();
    void refused_data();
    void refused();
    void closedWithoutAdding_data();
    void closedWithoutAdding();
    void storingFails_data();
    void storingFails();
    void deleteRefused_data();
    void deleteRefused();
    void deleteKinds_data();
    void deleteKinds();
    void deleteFailsHalfway();
};

void tst_employees::addDialog()
{
    TestApp app;
    app.managerLogOn();
    click(app.main(), "Command5");
    QWidget *a = app.window("frmadd");
    QVERIFY(a);
    QVERIFY(a->isVisible());
    QVERIFY(!listEnabled(app));
    QCOMPARE(a->windowTitle(), QStringLiteral("Punchwell"));
    QCOMPARE(textOf(a, "Frame1"), QStringLiteral("Add a New Employee:"));
    QCOMPARE(textOf(a, "comments"), QStringLiteral("  \n"));
    QCOMPARE(child<QLineEdit>(a, "passwrd")->echoMode(), QLineEdit::Password);
    auto *ok = child<QPushButton>(a, "Command1");
    QVERIFY(ok->isDefault());
    QVERIFY(!ok->isEnabled());
    // A single blank is a wage; an emptied box disables OK again.
    typeInto(a, "newwage", QStringLiteral(" "));
    QVERIFY(ok->isEnabled());
    typeInto(a, "newwage", QString());
    QVERIFY(!ok->isEnabled());

    // Tab order.
    QVERIFY(QTest::qWaitForWindowActive(a));
    child<QWidget>(a, "newemployee")->setFocus();
    for (const char *next : {"passwrd", "newwage", "comments", "Command2"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(a, next)); // OK is skipped while disabled
    }
}

void tst_employees::addLogOnDelete_data()
{
    QTest::addColumn<QString>("name");
    pw::test::newEmployeeNameRows();
}

void tst_employees::addLogOnDelete()
{
    QFETCH(QString, name);
    TestApp app;
    app.createLog(QStringLiteral("Dana")); // the kept, emptied log of a deleted "Dana"
    QWidget *m = app.managerLogOn();
    const int tables = tableCount(app) + (name == QLatin1String("DANA") ? 0 : 1);

    QWidget *a = openAdd(app, name, QStringLiteral(" "));
    typeInto(a, "passwrd", QString());
    click(a, "Command1");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Employee has been added!"), QStringLiteral("Information"),
                      Dialogs::Icon::Information));
    QCOMPARE(app.dialogs.count(), 1);
    QCOMPARE(app.rows(QStringLiteral("SELECT Ename, Ewage, epass, Ecomment FROM datalist WHERE %1 > 1").arg(app.orderKey())),
             (QList<QVariantList>{{name, QStringLiteral(" "), QString(), QStringLiteral("  \n")}}));
    QCOMPARE(tableCount(app), tables);
    // The file declares the fields' widths; the server keeps no width of its own (the program keeps
    // the lengths, counted as a person counts characters).
    QCOMPARE(pw::test::fieldShapes(app, name), pw::test::onServer()
                                     ? (QStringList{"ename 0 0", "datetime 4 0", "inoutfx 0 0", "activity 0 0"})
                                     : (QStringList{"ename 0 20", "datetime 4 0", "inoutfx 0 11", "activity 0 30"}));
    if (!pw::test::onServer())
        QCOMPARE(app.rows(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), {name}),
                 (QList<QVariantList>{{"Ename", "VARCHAR(20)"}, {"datetime", "DATETIME"}, {"inoutfx", "VARCHAR(11)"},
                                      {"activity", "VARCHAR(30)"}}));
    QVERIFY(app.log(name).isEmpty());
    pw::test::settle();
    QVERIFY(!app.window("frmadd"));
    QVERIFY(listEnabled(app));
    pw::test::browse(m, "mandata", "last");
    QCOMPARE(textOf(m, "manlist"), name);
    const QStringList names = listedNames(app.logon());
    QVERIFY(names.contains(name));
    for (int i = 1; i < names.size(); ++i)
        QVERIFY(QString::compare(names[i - 1], names[i], Qt::CaseInsensitive) <= 0);

    // The new employee logs on at once and has a working log.
    trigger(m, "exitmain");
    QVERIFY(app.logOn(name));
    QCOMPARE(textOf(m, "nameemp"), name);
    QCOMPARE(pw::test::records(m, "database").recordSource(), name);
    app.clock.set(2026, 12, 7, 8, 0, 0);
    click(m, "clockin");
    QWidget *prompt = app.window("frmsub");
    QVERIFY(prompt);
    typeInto(prompt, "activity", QStringLiteral("Stock"));
    click(prompt, "Command1");
    app.clock.set(2026, 12, 7, 9, 30, 0);
    click(m, "clockout");
    QCOMPARE(app.log(name), (QList<QVariantList>{{name, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Stock")},
                                                 {name, QStringLiteral("2026-12-07 09:30:00"), QStringLiteral("Clocked Out"), QVariant(QMetaType(QMetaType::QString))}}));
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("1.5 "));

    // Deleted: the log is emptied but kept, the row and the logon list's item are gone.
    app.managerLogOn();
    pw::test::browse(m, "mandata", "last");
    app.dialogs.clear();
    app.dialogs.answer(Dialogs::Yes);
    click(m, "Deleteemp");
    QCOMPARE(app.dialogs.count(), 2);
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Employee has been deleted."), QStringLiteral("Information"),
                      Dialogs::Icon::Information));
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = ?"), {name}).toInt(), 0);
    QVERIFY(app.log(name).isEmpty());
    QCOMPARE(tableCount(app), tables);
    QVERIFY(!listedNames(app.logon()).contains(name));
    QCOMPARE(child<pw::LogView>(m, "manuse")->recordSource(), name);
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Manager"));

    // Added again, the employee takes over the kept log.
    app.dialogs.clear();
    click(openAdd(app, name), "Command1");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Employee has been added!"), QStringLiteral("Information"),
                      Dialogs::Icon::Information));
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = ?"), {name}).toInt(), 1);
    QCOMPARE(tableCount(app), tables);
}

void tst_employees::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString addError = QStringLiteral("Add Error");
    const QString exists = QStringLiteral("Sorry, this Employee already exists.");
    QTest::newRow("21 characters") << "ABCDEFGHIJKLMNOPQRSTU" << "Add error" << kLongName;
    QTest::newRow("21 non-ASCII characters") << QString(21, QChar(0x540D)) << "Add error" << kLongName;
    QTest::newRow("21 emoji") << QStringLiteral("\U0001F600").repeated(21) << "Add error" << kLongName;
    QTest::newRow("21 letters with combining accents") << QStringLiteral("e\u0301").repeated(21) << "Add error"
                                                       << kLongName;
    QTest::newRow("Manager") << "Manager" << addError << exists;
    QTest::newRow("listed employee") << "Bob" << addError << exists;
    QTest::newRow("manager") << "manager" << addError << kTaken;
    QTest::newRow("employee in other case") << "BOB" << addError << kTaken;
    QTest::newRow("list table") << "DataList" << addError << kTaken;
    QTest::newRow("settings table") << "company data" << addError << kTaken;
    QTest::newRow("unlisted log with entries") << "kept" << addError << kTaken;
    QTest::newRow("table of other fields") << "OTHER" << addError << kTaken;
    QTest::newRow("index") << "ByName" << addError << kTaken;
    QTest::newRow("empty") << "" << addError << "Sorry, the name is empty.  Please type in the new Employee's name.";
    const QString blank = QStringLiteral("Sorry, the name is only blanks.  Please type in the new Employee's name.");
    QTest::newRow("three blanks") << "   " << addError << blank;
    QTest::newRow("a tab and a non-breaking space") << "\t\u00a0" << addError << blank;
    const QString reserved = QStringLiteral("Sorry, names beginning with \"sqlite_\" are reserved for the data file "
                                            "itself.  Please type in another name.");
    QTest::newRow("sqlite_master") << "sqlite_master" << addError << reserved;
    QTest::newRow("SQLITE_ new") << "SQLite_Joe" << addError << reserved;
    const QString character = QStringLiteral("Sorry, the name holds a character that cannot be stored.  Please type "
                                             "in the name without it.");
    QTest::newRow("NUL") << QString::fromUtf16(u"Al\0Bo", 5) << addError << character;
    QTest::newRow("lone surrogate") << (QStringLiteral("Al") + QChar(0xD800)) << addError << character;
}

void tst_employees::refused()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, text);
    if (name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
        PW_FILE_ONLY("names the SQLite file keeps for itself");
    if (name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
        PW_FILE_ONLY("names the SQLite file keeps for itself");
    TestApp app;
    app.addEmployee(QStringLiteral("Bob"));
    app.createLog(QStringLiteral("Kept"));
    app.addEntry(QStringLiteral("Kept"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"));
    app.exec(QStringLiteral("CREATE TABLE \"Other\" (Ename text, datetime text, inoutfx text)"));
    app.exec(QStringLiteral("CREATE INDEX ByName ON datalist (Ename)"));
    app.managerLogOn();
    const auto before = snapshot(app);
    QWidget *a = openAdd(app, name);
    // A second press with the boxes unchanged is refused the same way (a too long name is gone).
    const bool cleared = title == QLatin1String("Add error");
    for (int press = 1; press <= (cleared ? 1 : 2); ++press) {
        child<QWidget>(a, "newwage")->setFocus();
        click(a, "Command1");
        QCOMPARE(app.dialogs.count(), press);
        QVERIFY(lastBoxIs(app.dialogs, text, title, Dialogs::Icon::Exclamation));
        // Back to the name, to correct it.
        QCOMPARE(a->focusWidget(), child<QWidget>(a, "newemployee"));
    }
    QCOMPARE(textOf(a, "newemployee"), cleared ? QString() : name);
    QCOMPARE(textOf(a, "passwrd"), QStringLiteral("pw"));
    QCOMPARE(textOf(a, "newwage"), QStringLiteral("10"));
    QVERIFY(a->isVisible());
    QVERIFY(!listEnabled(app));
    QCOMPARE(snapshot(app), before);
}

void tst_employees::closedWithoutAdding_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("Esc") << 2;
}

void tst_employees::closedWithoutAdding()
{
    QFETCH(int, how);
    TestApp app;
    app.managerLogOn();
    const auto before = snapshot(app);
    QWidget *a = openAdd(app, QStringLiteral("Zed"));
    if (how == 0)
        click(a, "Command2");
    else if (how == 1)
        QVERIFY(a->close());
    else
        QTest::keyClick(a, Qt::Key_Escape);
    pw::test::settle();
    QVERIFY(!app.window("frmadd"));
    QVERIFY(listEnabled(app));
    QCOMPARE(app.dialogs.count(), 0);
    QCOMPARE(snapshot(app), before);
    // The next opening starts afresh.
    click(app.main(), "Command5");
    QWidget *again = app.window("frmadd");
    QVERIFY(again);
    for (const char *box : {"newemployee", "passwrd", "newwage"})
        QVERIFY2(textOf(again, box).isEmpty(), box);
}

void tst_employees::storingFails_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("repair");
    QTest::addColumn<QString>("why");
    // A full file takes the list row but has no page left for the new table.
    QTest::newRow("file full") << "PRAGMA max_page_count = %1" << "PRAGMA max_page_count = 1000000"
                               << "there is no room left to store the change (the disk or the database file is full) "
                                  "(error 3026)";
    QTest::newRow("read-only") << "PRAGMA query_only = 1" << "PRAGMA query_only = 0"
                               << "the database file is read-only, so nothing can be stored in it (error 3027)";
}

void tst_employees::storingFails()
{
    QFETCH(QString, fault);
    QFETCH(QString, repair);
    QFETCH(QString, why);
    PW_FILE_ONLY("limits set on the file");
    TestApp app;
    app.managerLogOn();
    const auto before = snapshot(app);
    app.exec(QString(fault).replace(QStringLiteral("%1"), app.value(QStringLiteral("PRAGMA page_count")).toString()));
    QWidget *a = openAdd(app, QStringLiteral("Zed"));
    click(a, "Command1");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Sorry, the Employee could not be added: %1.  Nothing was stored.").arg(why),
                      QStringLiteral("Add Error"), Dialogs::Icon::Exclamation));
    QCOMPARE(snapshot(app), before);
    QVERIFY(a->isVisible());
    QCOMPARE(textOf(a, "newemployee"), QStringLiteral("Zed"));
    QVERIFY(!listedNames(app.logon()).contains(QStringLiteral("Zed")));

    // Nothing half-made stands in the way of the next try.
    app.exec(repair);
    click(a, "Command1");
    QCOMPARE(app.dialogs.last().text, QStringLiteral("Employee has been added!"));
    QVERIFY(app.log(QStringLiteral("Zed")).isEmpty());
}

void tst_employees::deleteRefused_data()
{
    QTest::addColumn<QString>("shown"); // on the Management tab; only the Manager and Bob are listed
    QTest::addColumn<QString>("text");
    const QString missing = QStringLiteral("Sorry, the Name doesn't appear to exist.  Try again.");
    QTest::newRow("Manager") << "Manager" << "Sorry, cannot delete the Manager";
    QTest::newRow("other case") << "bob" << missing;
    QTest::newRow("unlisted") << "Nobody" << missing;
    QTest::newRow("empty") << "" << missing;
}

void tst_employees::deleteRefused()
{
    QFETCH(QString, shown);
    QFETCH(QString, text);
    TestApp app;
    app.addEmployee(QStringLiteral("Bob"));
    app.addEntry(QStringLiteral("Bob"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"));
    app.managerLogOn();
    if (shown == QLatin1String("Manager"))
        QVERIFY(pw::test::showEmployee(app.main(), shown));
    else
        QVERIFY(pw::test::showUnlisted(app, shown));
    const auto before = snapshot(app);
    click(app.main(), "Deleteemp");
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY(lastBoxIs(app.dialogs, text, QStringLiteral("Delete Error"), Dialogs::Icon::Exclamation));
    QCOMPARE(snapshot(app), before);
    QCOMPARE(app.log(QStringLiteral("Bob")).size(), 1);
}

void tst_employees::deleteKinds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("No") << "Dup" << "No" << false;
    QTest::newRow("Enter answers No") << "Dup" << "Enter" << false;
    QTest::newRow("two equal rows") << "Dup" << "Yes" << true;
    QTest::newRow("other case of a listed log") << "bob" << "Yes" << true;
    QTest::newRow("missing log") << "Gone" << "Yes" << true;
    QTest::newRow("settings table's name") << "company DATA" << "Yes" << true;
}

void tst_employees::deleteKinds()
{
    QFETCH(QString, name);
    QFETCH(QString, answer);
    QFETCH(bool, deleted);
    TestApp app;
    app.addEmployee(QStringLiteral("Bob"));
    app.addEntry(QStringLiteral("Bob"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"));
    app.addEmployee(QStringLiteral("Dup"));
    app.addEntry(QStringLiteral("Dup"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"));
    // Rows that earlier versions could leave: a second equal row, and names without a log of their own.
    for (const char *extra : {"Dup", "bob", "Gone", "company DATA"})
        app.exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage) VALUES (?, '1')"), {QString::fromLatin1(extra)});
    QWidget *m = app.managerLogOn();
    QVERIFY(pw::test::showEmployee(m, name));
    if (answer != QLatin1String("Enter"))
        app.dialogs.answer(answer == QLatin1String("Yes") ? Dialogs::Yes : Dialogs::No);
    const int listedBefore = app.value(QStringLiteral("SELECT count(*) FROM datalist")).toInt();
    const int rowsOfName = app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = ?"), {name}).toInt();
    click(m, "Deleteemp");

    const auto &question = app.dialogs.shown().first();
    QCOMPARE(question.text, QStringLiteral("Deleting an employee is permanent.  He/She will no longer be able to use "
                                           "the Punchwell Program unless you add them again. Do you want to continue ?"));
    QCOMPARE(question.title, QStringLiteral("Punchwell Warning"));
    QCOMPARE(question.icon, Dialogs::Icon::Critical);
    QCOMPARE(question.buttons, Dialogs::Yes | Dialogs::No);
    QCOMPARE(question.defaultButton, Dialogs::No);
    QCOMPARE(app.dialogs.count(), deleted ? 2 : 1);
    if (deleted)
        QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Employee has been deleted."), QStringLiteral("Information"),
                          Dialogs::Icon::Information));
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist")).toInt(),
             listedBefore - (deleted ? rowsOfName : 0));
    QCOMPARE(app.log(QStringLiteral("Dup")).size(), name == QLatin1String("Dup") && deleted ? 0 : 1);
    QCOMPARE(listedNames(app.logon()).contains(name), !deleted);
    // Another employee's log, and the settings, are never emptied by a name in other case.
    QCOMPARE(app.log(QStringLiteral("Bob")).size(), 1);
    QCOMPARE(app.value(QStringLiteral("SELECT company FROM \"Company Data\"")).toString(), QStringLiteral("Acme Widgets"));
}

void tst_employees::deleteFailsHalfway()
{
    TestApp app;
    app.addEmployee(QStringLiteral("Bob"));
    app.addEntry(QStringLiteral("Bob"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"));
    // The log can be emptied, but the list refuses to give up its row.
    app.keepRowsOnDelete(QStringLiteral("datalist"));
    app.managerLogOn();
    const auto before = snapshot(app);
    QVERIFY(pw::test::showEmployee(app.main(), QStringLiteral("Bob")));
    app.dialogs.answer(Dialogs::Yes);
    click(app.main(), "Deleteemp");
    QVERIFY(lastBoxIs(app.dialogs,
                      QStringLiteral("Sorry, the Employee could not be deleted: kept (error 3000).  Nothing was changed."),
                      QStringLiteral("Delete Error"), Dialogs::Icon::Exclamation));
    QCOMPARE(snapshot(app), before);
    QCOMPARE(app.log(QStringLiteral("Bob")).size(), 1);
    QVERIFY(listedNames(app.logon()).contains(QStringLiteral("Bob")));
}

PW_TEST_MAIN(tst_employees)
#include "tst_employees.moc"
