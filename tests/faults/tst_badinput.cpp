// Hostile names, date-times and wages through the real windows. A name is taken through every
// function that takes one; a typed text through every box that reads a date-time or a wage. After
// each step the company file is compared table by table with how it stood before: only what the
// function is meant to change may differ, and that exactly as meant.
#include "platform/datetimecodec.h"
#include "db/quoting.h"
#include "platform/formats.h"
#include "testlib/filestate.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using pw::Dialogs;
using pw::test::TableDump;
using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::clickLabel;
using pw::test::lastBoxIs;
using pw::test::textOf;
using pw::test::trigger;
using pw::test::typeInto;

namespace {

const QString kIn = QStringLiteral("Clocked In");
const QString kOut = QStringLiteral("Clocked Out");
const QString kHeadings = QStringLiteral("{5}_Clock In_{40}_Clock Out_{70}_Activity_{110}_Sub Total (Hours)_");
const QString kLongName = QStringLiteral("Sorry, the name is to long.  Please type in a name with less than 20 "
                                         "characters and without special characters (i.e. period, quotation marks, "
                                         "etc.)");

// The company file between two looks at it.
class Watch {
public:
    explicit Watch(TestApp &app) : m_app(app), m_now(pw::test::dumpTables(app)) {}

    // Looks again; the tables beyond those allowed that changed since the last look.
    QStringList changedBeyond(const QStringList &mayChange = {})
    {
        m_before = m_now;
        m_now = pw::test::dumpTables(m_app);
        return pw::test::changedTables(m_before, m_now, mayChange);
    }
    // How many rows of a table differ between the last two looks (rows at the same place).
    int changedRows(const QString &table) const
    {
        const QStringList &a = m_before.value(table), &b = m_now.value(table);
        int n = int(qAbs(a.size() - b.size()));
        for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i)
            n += a[i] != b[i];
        return n;
    }
    const TableDump &now() const { return m_now; }

private:
    TestApp &m_app;
    TableDump m_now, m_before;
};

// The SQL that names the type of the value a column holds: "text" for text on either engine.
QString typeOf(const QString &column)
{
    return pw::test::onServer() ? QStringLiteral("pg_typeof(%1)::text").arg(column) : QStringLiteral("typeof(%1)").arg(column);
}

// An employee with one closed shift (the Manager is there already).
void staff(TestApp &app, const QString &name)
{
    if (name != QLatin1String("Manager"))
        app.addEmployee(name, QStringLiteral("9.99"));
    app.addEntry(name, QStringLiteral("2026-11-30 08:00:00"), kIn, QStringLiteral("Work"));
    app.addEntry(name, QStringLiteral("2026-11-30 12:00:00"), kOut);
}

QString general(const QString &stored)
{
    return pw::formats::generalDate(*pw::LocalDateTime::fromStored(QStringView(stored)));
}

QString shift(const QString &in, const QString &out, const QString &activity, const QString &subTotal)
{
    return QStringLiteral("{5}%1{40}%2{70}%3{110}%4").arg(general(in), general(out), activity, subTotal);
}

QStringList card(const QString &heading, const QString &name, const QStringList &shifts, const QString &total)
{
    QStringList lines{heading + QStringLiteral("Acme Widgets"), QString(), QString(),
                      QStringLiteral("Employee Name:  ") + name, QString(), kHeadings};
    return lines << shifts << QString() << QString() << name + QStringLiteral(" has a total of ") + total + QStringLiteral(" hours ");
}

void clockIn(TestApp &app, const QString &when, const QString &task)
{
    app.clock.set(QDateTime::fromString(when, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    click(app.main(), "clockin");
    typeInto(app.window("frmsub"), "activity", task);
    click(app.window("frmsub"), "Command1");
}

void clockOut(TestApp &app, const QString &when)
{
    app.clock.set(QDateTime::fromString(when, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    click(app.main(), "clockout");
}

// A reading moved by some seconds, in the stored form.
QString plus(const QString &stored, int seconds)
{
    return pw::LocalDateTime::fromQt(pw::LocalDateTime::fromStored(QStringView(stored))->toQDateTime().addSecs(seconds))->toStored();
}

QList<QVariantList> entries(const QList<QStringList> &rows, const QString &name)
{
    QList<QVariantList> out;
    for (const QStringList &r : rows)
        out << QVariantList{name, r[0], r[1], r.size() > 2 ? QVariant(r[2]) : QVariant(QMetaType(QMetaType::QString))};
    return out;
}

} // namespace

class tst_badinput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void names_data();
    void names();
    void typedTexts_data();
    void typedTexts();
};

void tst_badinput::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("single quote") << "O'Neil";
    QTest::newRow("double quotes") << "Bob \"the\" Builder";
    QTest::newRow("semicolon") << "Lee; Ann";
    QTest::newRow("dashes") << "Ann -- nights";
    QTest::newRow("dots") << "J. R. Smith.";
    QTest::newRow("brackets") << "[Lee] (x) {y} <z>";
    QTest::newRow("leading blanks") << "  Pat";
    QTest::newRow("trailing blanks") << "Pat  ";
    QTest::newRow("tabs") << "\tPat\tLee";
    QTest::newRow("non-ASCII letters") << QString::fromUtf8("Zoë Çelik Øster 名前");
    QTest::newRow("20 characters") << "abcdefghij0123456789";
    QTest::newRow("20 characters, one of two UTF-16 units") << QString::fromUtf8("abcdefghij012345678\U0001F600");
    QTest::newRow("Manager and a blank") << "Manager ";
    QTest::newRow("short SQL text") << "x\";DROP TABLE x;--";
    // Longer than the add dialog takes; a list from an earlier version may still hold them.
    QTest::newRow("21 characters") << "abcdefghij0123456789K";
    QTest::newRow("SQL text") << "x\"; DROP TABLE datalist; --";
}

void tst_badinput::names()
{
    QFETCH(QString, name);
    const QString password = QStringLiteral("p'w\"d;--"), wage = QStringLiteral("12.5"), task = QStringLiteral("a'b\"c;--[x]");
    if (QStringView(name).toUcs4().size() > 20)
        PW_FILE_ONLY("a name over 20 characters, as only a file of an earlier version holds; a server holds the log's "
                     "Ename field to 20");
    TestApp app;
    // Tables a name that is cut, trimmed or split by the quoting would reach instead.
    for (const char *other : {"Ann", "Pat", "x", "J", "Manager"})
        staff(app, QString::fromLatin1(other));
    const bool fits = QStringView(name).toUcs4().size() <= 20;
    Watch watch(app);

    // Add.
    QWidget *m = app.managerShowing(QStringLiteral("Manager"));
    QCOMPARE(watch.changedBeyond({QStringLiteral("datalist")}), QStringList()); // the Manager's password
    app.dialogs.clear();
    click(m, "Command5");
    QWidget *add = app.window("frmadd");
    QVERIFY(add);
    typeInto(add, "newemployee", name);
    typeInto(add, "passwrd", password);
    typeInto(add, "newwage", wage);
    click(add, "Command1");
    const QList<QVariantList> row{{name, wage, password, QStringLiteral("  \n")}};
    if (fits) {
        QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Employee has been added!"), QStringLiteral("Information"),
                          Dialogs::Icon::Information));
        QCOMPARE(watch.changedBeyond({QStringLiteral("datalist"), name}), QStringList());
        QCOMPARE(watch.changedRows(QStringLiteral("datalist")), 1);
        QCOMPARE(app.rows(QStringLiteral("SELECT Ename, Ewage, epass, Ecomment FROM datalist ORDER BY %1 DESC LIMIT 1")
                              .arg(app.orderKey())),
                 row);
        QCOMPARE(watch.now().value(name),
                 QStringList{pw::test::onServer()
                                 ? QStringLiteral("ename 0 0, datetime 4 0, inoutfx 0 0, activity 0 0")
                                 : QStringLiteral("CREATE TABLE %1 (Ename VARCHAR(20), datetime DATETIME, inoutfx VARCHAR(11), "
                                                  "activity VARCHAR(30))")
                                       .arg(pw::quoteIdentifier(name))});
    } else {
        QVERIFY(lastBoxIs(app.dialogs, kLongName, QStringLiteral("Add error"), Dialogs::Icon::Exclamation));
        QCOMPARE(watch.changedBeyond(), QStringList());
        click(add, "Command2");
        trigger(m, "exitmain");
        QVERIFY(!app.logOn(name));
        QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Please enter a valid Name or click on the Combo Box."),
                          QStringLiteral("Log In Error"), Dialogs::Icon::Exclamation));
        QCOMPARE(watch.changedBeyond(), QStringList());
        // Listed in the file, as an earlier version could leave it: the next start lists it.
        app.addEmployee(name, wage, password, QStringLiteral("  \n"));
        app.restart();
        watch.changedBeyond({QStringLiteral("datalist"), name});
    }
    const TableDump start = watch.now();

    // Logon, through the password panel.
    app.dialogs.clear();
    QVERIFY(app.logOn(name, password));
    m = app.main();
    QCOMPARE(textOf(m, "nameemp"), name);
    QVERIFY(!child<QWidget>(m, "Picture1")->isVisible());

    // Clock in and out, twice.
    clockIn(app, QStringLiteral("2026-12-01 08:00:00"), task);
    clockOut(app, QStringLiteral("2026-12-01 09:30:00"));
    clockIn(app, QStringLiteral("2026-12-02 08:00:00"), QString());
    clockOut(app, QStringLiteral("2026-12-02 10:00:00"));
    QCOMPARE(watch.changedBeyond({name}), QStringList());
    const QList<QStringList> day1{{"2026-12-01 08:00:00", kIn, task}, {"2026-12-01 09:30:00", kOut}};
    const QList<QStringList> day2{{"2026-12-02 08:00:00", kIn, " "}, {"2026-12-02 10:00:00", kOut}};
    QCOMPARE(app.log(name), entries(day1 + day2, name));

    // Count and print the own card: nothing stored changes.
    clickLabel(m, "Label11");
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("3.5 "));
    QCOMPARE(textOf(m, "currmoney"), QStringLiteral("43.75"));
    trigger(m, "prntdata");
    QCOMPARE(app.printers.printed().size(), 1);
    QCOMPARE(app.printers.printed().last().lines(),
             card(QStringLiteral("Punchwell Log for:  "), name,
                  {shift(day1[0][0], day1[1][0], task, "1.5 "), shift(day2[0][0], day2[1][0], " ", "2   ")}, "3.5 "));
    QCOMPARE(watch.changedBeyond(), QStringList());

    // Password, the own one.
    trigger(m, "chpass");
    typeInto(app.window("frmpass"), "newpasswrd", QStringLiteral("own ") + password);
    click(app.window("frmpass"), "Command1");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Password Successfully Changed."), QStringLiteral("Successful!"),
                      Dialogs::Icon::Information));
    QCOMPARE(watch.changedBeyond({QStringLiteral("datalist")}), QStringList());
    QCOMPARE(watch.changedRows(QStringLiteral("datalist")), 1);
    QCOMPARE(app.value(QStringLiteral("SELECT epass FROM datalist WHERE Ename = ?"), {name}).toString(),
             QStringLiteral("own ") + password);

    // The Manager: count, print, password and clear for the employee shown.
    m = app.managerShowing(name);
    watch.changedBeyond({QStringLiteral("datalist")});
    app.dialogs.clear();
    click(m, "Command1");
    QCOMPARE(textOf(m, "manehours"), QStringLiteral("3.5 "));
    QCOMPARE(textOf(m, "manemoney"), QStringLiteral("43.75"));
    app.dialogs.answer(Dialogs::No);
    click(m, "Command3");
    QCOMPARE(app.printers.printed().size(), 2);
    QCOMPARE(app.printers.printed().last().lines(),
             card(QStringLiteral("Punchwell Data for:  "), name,
                  {shift(day1[0][0], day1[1][0], task, "1.5 "), shift(day2[0][0], day2[1][0], " ", "2   ")}, "3.5 "));
    QCOMPARE(app.dialogs.count(), 2); // the question and the ending date
    QCOMPARE(watch.changedBeyond(), QStringList());

    click(m, "ChgPass");
    typeInto(app.window("frmpass"), "Text1", QStringLiteral("set ") + password);
    click(app.window("frmpass"), "Command3");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Password Successfully Changed."), QStringLiteral("Successful!"),
                      Dialogs::Icon::Information));
    QCOMPARE(watch.changedBeyond({QStringLiteral("datalist")}), QStringList());
    QCOMPARE(watch.changedRows(QStringLiteral("datalist")), 1);
    QCOMPARE(app.value(QStringLiteral("SELECT epass FROM datalist WHERE Ename = ?"), {name}).toString(),
             QStringLiteral("set ") + password);

    app.dialogs.answer(Dialogs::No);
    app.dialogs.answerInput(QStringLiteral("12/2/2026"));
    click(m, "Command4");
    QCOMPARE(watch.changedBeyond({name}), QStringList());
    QCOMPARE(app.log(name), entries(day2, name));

    // Clear, the own log.
    QVERIFY(app.logOn(name, QStringLiteral("set ") + password));
    app.dialogs.answer(Dialogs::Yes);
    trigger(m, "dltdata");
    QCOMPARE(watch.changedBeyond({name}), QStringList());
    QVERIFY(app.log(name).isEmpty());

    // Delete, with an open shift in the log.
    clockIn(app, QStringLiteral("2026-12-03 08:00:00"), task);
    QCOMPARE(watch.changedBeyond({name}), QStringList());
    m = app.managerShowing(name);
    app.dialogs.answer(Dialogs::Yes);
    click(m, "Deleteemp");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Employee has been deleted."), QStringLiteral("Information"),
                      Dialogs::Icon::Information));
    QVERIFY(app.log(name).isEmpty());
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = ?"), {name}).toInt(), 0);

    // Every table is as it was when the name came in, its own log emptied and kept; the list is as
    // it was before the name came.
    const TableDump end = pw::test::dumpTables(app);
    QCOMPARE(pw::test::changedTables(start, end, {QStringLiteral("datalist")}), QStringList());
    QStringList list = start.value(QStringLiteral("datalist"));
    list.removeLast();
    QCOMPARE(end.value(QStringLiteral("datalist")), list);
}

// One table of typed texts, each read as a date-time (the date-time box, the ending dates of
// printing and clearing) and as a wage per hour (the add dialog, the Management tab's wage box).
void tst_badinput::typedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reading"); // as a date-time, stored form; empty when refused
    QTest::addColumn<QString>("wages");   // the estimate for 1.5 hours; empty when not a usable wage
    QTest::newRow("general date") << "12/6/1998 9:05:00 AM" << "1998-12-06 09:05:00" << "";
    QTest::newRow("bare date") << "1/6/2026" << "2026-01-06 00:00:00" << "";
    QTest::newRow("blanks around, no seconds") << "  1/6/2026 5:00 PM  " << "2026-01-06 17:00:00" << "";
    QTest::newRow("two blanks inside") << "1/6/2026  9:05:00 AM" << "2026-01-06 09:05:00" << "";
    QTest::newRow("ISO with T") << "2026-12-07T14:30:05" << "2026-12-07 14:30:05" << "";
    QTest::newRow("ISO minutes") << "2026-12-07 14:30" << "2026-12-07 14:30:00" << "";
    QTest::newRow("first year") << "0001-01-01 00:02:00" << "0001-01-01 00:02:00" << "";
    QTest::newRow("last year") << "12/31/9999 11:58:00 PM" << "9999-12-31 23:58:00" << "";
    QTest::newRow("two-digit year") << "1/6/26" << "2026-01-06 00:00:00" << "";
    QTest::newRow("day and month swapped") << "13/6/2026" << "" << "";
    QTest::newRow("no such day") << "2/29/2026" << "" << "";
    QTest::newRow("13 PM") << "1/6/2026 13:00:00 PM" << "" << "";
    QTest::newRow("tab inside") << "1/6/2026\t9:05:00 AM" << "" << "";
    QTest::newRow("wide digits") << QString::fromUtf8("１/６/２０２６") << "" << "";
    QTest::newRow("words") << "tomorrow" << "" << "";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("blanks") << "   " << "" << "";
    QTest::newRow("date and SQL") << "1/6/2026'; DROP TABLE datalist; --" << "" << "";
    QTest::newRow("SQL") << "x\"; DROP TABLE datalist; --" << "" << "";
    QTest::newRow("non-ASCII") << QString::fromUtf8("zehn Euro ä") << "" << "";
    QTest::newRow("long") << QString(300, QLatin1Char('9')) << "" << "1.5e+300";
    QTest::newRow("whole wage") << "10" << "" << "15";
    QTest::newRow("wage with blanks") << " 7.25 " << "" << "10.875";
    QTest::newRow("wage and a tab") << "7.25\t" << "" << "10.875";
    // Only one reading fits: a group separator is followed by three digits.
    QTest::newRow("decimal comma") << "7,25" << "" << "10.875";
    QTest::newRow("thousands") << "1,000" << "" << "1500";
    QTest::newRow("exponent") << "1e3" << "" << "1500";
    QTest::newRow("negative") << "-10" << "" << "-15";
    QTest::newRow("a tenth") << "0.1" << "" << "0.15";
    QTest::newRow("dollar sign") << "$10" << "" << "";
    QTest::newRow("nan") << "nan" << "" << "";
    QTest::newRow("inf") << "inf" << "" << "";
    QTest::newRow("too large to count with") << "1e308" << "" << "";
}

void tst_badinput::typedTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, reading);
    QFETCH(QString, wages);
    const QString ann = QStringLiteral("Ann"), wes = QStringLiteral("Wes");
    TestApp app;
    staff(app, ann);
    QWidget *m = app.main();

    // The date-time box, stored by UPDATE and by a browse button; each time Ann logs on afresh, so
    // what a refused text left in the box is dropped.
    // The entry before the one corrected is as early as a date-time can be, so that every reading
    // keeps the log in order.
    app.exec(QStringLiteral("UPDATE \"Ann\" SET datetime = '0001-01-01 00:01:00' WHERE inoutfx = 'Clocked In'"));
    Watch watch(app);
    for (const bool byButton : {false, true}) {
        QVERIFY(app.logOn(ann));
        app.dialogs.clear();
        pw::test::browse(m, "database", "last");
        typeInto(m, "lgndatetime", text);
        if (byButton)
            pw::test::browse(m, "database", "first");
        else
            clickLabel(m, "Label11");
        if (reading.isEmpty()) {
            QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Invalid Date / Time.  Please correct the entry and try again"),
                              QStringLiteral("Punchwell"), Dialogs::Icon::None));
            QCOMPARE(watch.changedBeyond(), QStringList());
        } else {
            QCOMPARE(app.dialogs.count(), 0);
            QCOMPARE(watch.changedBeyond({ann}), QStringList());
            QCOMPARE(app.log(ann)[1][1].toString(), reading);
        }
    }
    QCOMPARE(app.log(ann)[0][1].toString(), QStringLiteral("0001-01-01 00:01:00"));

    // The ending date of a printed card: the shift that begins a minute before it is printed with
    // its clock-out at that very moment, and the one that begins a second after it is not.
    m = app.managerShowing(ann);
    app.exec(QStringLiteral("DELETE FROM \"Ann\""));
    const QString at = reading.isEmpty() ? QStringLiteral("2026-12-07 08:00:00") : reading;
    app.addEntry(ann, plus(at, -60), kIn, QStringLiteral("Work"));
    app.addEntry(ann, at, kOut);
    app.addEntry(ann, plus(at, 1), kIn, QStringLiteral("Late"));
    app.addEntry(ann, plus(at, 61), kOut);
    watch.changedBeyond({ann});
    app.dialogs.clear();
    app.dialogs.answer(Dialogs::No);
    app.dialogs.answerInput(text);
    click(m, "Command3");
    const QString refusal = QStringLiteral("\"%1\" is not a date.  Please type the ending date as a date and time, "
                                           "such as 12/7/2026 9:00:00 AM, or as a date alone.  Nothing was done.")
                                .arg(text);
    if (!reading.isEmpty()) {
        QCOMPARE(app.printers.printed().size(), 1);
        QCOMPARE(app.printers.printed().last().lines().mid(6, 1), QStringList{shift(plus(at, -60), at, "Work", "<.1 ")});
        QCOMPARE(app.printers.printed().last().lines().size(), 10);
    } else {
        QCOMPARE(app.printers.jobs.size(), 0);
        if (!text.isEmpty()) // an empty ending date is a cancel
            QVERIFY(lastBoxIs(app.dialogs, refusal, QStringLiteral("Print"), Dialogs::Icon::Exclamation));
    }
    QCOMPARE(watch.changedBeyond(), QStringList());

    // The ending date of a clearing: what is dated before it goes, what is dated at it stays.
    app.exec(QStringLiteral("DELETE FROM \"Ann\""));
    for (int s : {-1, 0, 1})
        app.addEntry(ann, plus(at, s), kIn, QStringLiteral("Work"));
    watch.changedBeyond({ann});
    QVERIFY(pw::test::showEmployee(m, ann));
    app.dialogs.clear();
    app.dialogs.answer(Dialogs::No);
    app.dialogs.answerInput(text);
    click(m, "Command4");
    if (!reading.isEmpty()) {
        QCOMPARE(watch.changedBeyond({ann}), QStringList());
        QCOMPARE(app.log(ann), entries({{at, kIn, "Work"}, {plus(at, 1), kIn, "Work"}}, ann));
    } else {
        if (!text.isEmpty())
            QVERIFY(lastBoxIs(app.dialogs, refusal, QStringLiteral("Clear"), Dialogs::Icon::Exclamation));
        QCOMPARE(watch.changedBeyond(), QStringList());
    }

    // A wage per hour typed into the add dialog: stored as typed, and counted only when it reads as
    // a number.
    app.dialogs.clear();
    click(m, "Command5");
    QWidget *add = app.window("frmadd");
    QVERIFY(add);
    typeInto(add, "newemployee", wes);
    typeInto(add, "newwage", text);
    if (text.isEmpty()) {
        QVERIFY(!child<QWidget>(add, "Command1")->isEnabled());
        return;
    }
    click(add, "Command1");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Employee has been added!"), QStringLiteral("Information"),
                      Dialogs::Icon::Information));
    QCOMPARE(app.rows(QStringLiteral("SELECT Ewage, %1 FROM datalist WHERE Ename = 'Wes'").arg(typeOf(QStringLiteral("Ewage")))),
             (QList<QVariantList>{{text, QStringLiteral("text")}}));
    app.addEntry(wes, QStringLiteral("2026-12-01 08:00:00"), kIn, QStringLiteral("Work"));
    app.addEntry(wes, QStringLiteral("2026-12-01 09:30:00"), kOut);
    watch.changedBeyond({wes, QStringLiteral("datalist")});
    const QString estimate = wages.isEmpty() ? QStringLiteral("0") : wages;
    QVERIFY(pw::test::showEmployee(m, wes));
    QCOMPARE(textOf(m, "emoney"), text);
    click(m, "Command1");
    QCOMPARE(textOf(m, "manehours"), QStringLiteral("1.5 "));
    QCOMPARE(textOf(m, "manemoney"), estimate);

    // The same wage typed into the Management tab's box for Ann is stored when the browser moves.
    QVERIFY(pw::test::showEmployee(m, ann));
    typeInto(m, "emoney", text);
    pw::test::browse(m, "mandata", "first");
    QCOMPARE(watch.changedBeyond({QStringLiteral("datalist")}), QStringList());
    QCOMPARE(watch.changedRows(QStringLiteral("datalist")), 1);
    QCOMPARE(app.rows(QStringLiteral("SELECT Ewage, %1 FROM datalist WHERE Ename = 'Ann'").arg(typeOf(QStringLiteral("Ewage")))),
             (QList<QVariantList>{{text, QStringLiteral("text")}}));

    // Wes counts his own wages; UPDATE says why a wage is not counted.
    QVERIFY(app.logOn(wes));
    app.dialogs.clear();
    clickLabel(m, "Label11");
    QCOMPARE(textOf(m, "currmoney"), estimate);
    if (wages.isEmpty()) {
        QCOMPARE(app.dialogs.count(), 1);
        QVERIFY2(app.dialogs.last().text.startsWith(QStringLiteral("Error number: %1  has occured:  the wage per hour of Wes")
                                                        .arg(pw::ErrWageNotANumber)),
                 qPrintable(app.dialogs.last().text));
    } else {
        QCOMPARE(app.dialogs.count(), 0);
    }
    QCOMPARE(watch.changedBeyond(), QStringList());
}

PW_TEST_MAIN(tst_badinput)
#include "tst_badinput.moc"
