// Clearing logs through the real windows: the "Clear Log" button for one employee or all, up to an
// ending date, and the menu item "&Clear Log"; the stored rows are checked afterwards.
#include "domain/recordviews.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::textOf;

namespace {

const QString ann = QStringLiteral("Ann");
const QString bob = QStringLiteral("Bob");
const QString kIn = QStringLiteral("Clocked In");
const QString kOut = QStringLiteral("Clocked Out");

// An entry as "when status", the form the expectations are written in.
QStringList entries(TestApp &app, const QString &name)
{
    QStringList out;
    for (const QVariantList &row : app.log(name))
        out << row[1].toString() + QLatin1Char(' ') + row[2].toString();
    return out;
}

void fill(TestApp &app, const QString &name, const QStringList &log)
{
    for (const QString &e : log) {
        const QString status = e.mid(20);
        app.addEntry(name, e.left(19), status, status == kIn ? QVariant(QStringLiteral("Work")) : QVariant());
    }
}

pw::LogView *manuse(QWidget *main)
{
    return child<pw::LogView>(main, "manuse");
}

const QStringList kTwoDays{"2026-01-05 08:00:00 Clocked In", "2026-01-05 17:00:00 Clocked Out",
                           "2026-01-06 08:00:00 Clocked In", "2026-01-06 17:00:00 Clocked Out"};

} // namespace

class tst_clearing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneEmployee_data();
    void oneEmployee();
    void boxes();
    void enterAtEveryBox();
    void allEmployees();
    void cancelledRun();
    void nothingCleared_data();
    void nothingCleared();
    void missingLogInRun();
    void failureLeavesLog();
    void ownLogShown();
    void menuItem_data();
    void menuItem();
};

void tst_clearing::oneEmployee_data()
{
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("bare date") << kTwoDays << "1/6/2026"
                               << QStringList{"2026-01-06 08:00:00 Clocked In", "2026-01-06 17:00:00 Clocked Out"};
    QTest::newRow("noon: the leading clock-out goes too") << kTwoDays << "1/6/2026 12:00:00 PM" << QStringList();
    QTest::newRow("entry exactly at the ending stays")
        << kTwoDays << "1/6/2026 8:00:00 AM"
        << QStringList{"2026-01-06 08:00:00 Clocked In", "2026-01-06 17:00:00 Clocked Out"};
    QTest::newRow("ISO ending") << kTwoDays << "2026-01-05 17:00"
                                << QStringList{"2026-01-06 08:00:00 Clocked In", "2026-01-06 17:00:00 Clocked Out"};
    QTest::newRow("open shift before the ending")
        << QStringList{"2026-01-05 08:00:00 Clocked In", "2026-01-05 17:00:00 Clocked Out", "2026-01-06 08:00:00 Clocked In"}
        << "1/7/2026" << QStringList();
    QTest::newRow("default text: everything up to now") << kTwoDays << QString() << QStringList();
    QTest::newRow("ending before every entry") << kTwoDays << "1/1/2026" << kTwoDays;
    QTest::newRow("only one leading clock-out goes")
        << QStringList{"2026-01-04 17:00:00 Clocked Out", "2026-01-05 17:00:00 Clocked Out", "2026-01-06 08:00:00 Clocked In"}
        << "1/4/2026"
        << QStringList{"2026-01-05 17:00:00 Clocked Out", "2026-01-06 08:00:00 Clocked In"};
    QTest::newRow("out of order: compared one by one")
        << QStringList{"2026-01-06 08:00:00 Clocked In", "2026-01-04 17:00:00 Clocked Out", "2026-01-07 08:00:00 Clocked In"}
        << "1/5/2026" << QStringList{"2026-01-06 08:00:00 Clocked In", "2026-01-07 08:00:00 Clocked In"};
    QTest::newRow("unreadable date-time stays")
        << QStringList{"2026-01-05 08:00:00 Clocked In", "someday             Clocked In"} << "1/6/2026"
        << QStringList{"someday Clocked In"};
}

void tst_clearing::oneEmployee()
{
    QFETCH(QStringList, log);
    QFETCH(QString, ending);
    QFETCH(QStringList, left);
    if (QByteArray(QTest::currentDataTag()).contains("unreadable"))
        PW_FILE_ONLY("a server's date-time field holds nothing but date-times");

    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    fill(app, ann, log);
    fill(app, bob, kTwoDays);
    app.clock.set(2026, 12, 7, 9, 0, 0);
    QWidget *m = app.managerShowing(ann);

    app.dialogs.answer(Dialogs::No);
    if (!ending.isNull())
        app.dialogs.answerInput(ending);
    click(m, "Command4");

    QCOMPARE(app.dialogs.count(), 2);
    QStringList stored = entries(app, ann);
    for (QString &e : stored)
        e = e.simplified();
    QCOMPARE(stored, left);
    QCOMPARE(entries(app, bob), kTwoDays); // only the employee shown
    // The grid shows what is left; the tab is back on the first employee.
    QCOMPARE(manuse(m)->recordSource(), ann);
    QCOMPARE(manuse(m)->eof(), left.isEmpty());
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Manager"));
}

void tst_clearing::boxes()
{
    TestApp app;
    app.addEmployee(ann);
    app.clock.set(2026, 12, 6, 9, 5, 0);
    QWidget *m = app.managerShowing(ann);
    app.dialogs.answer(Dialogs::No);
    app.dialogs.answerInput(QString());
    click(m, "Command4");
    QCOMPARE(app.dialogs.count(), 2);
    const auto &q = app.dialogs.shown()[0];
    QCOMPARE(q.text, QStringLiteral("Would you like to clear the log for all employees? (default: clear current employee only)"));
    QCOMPARE(q.title, QStringLiteral("Clear"));
    QCOMPARE(q.icon, Dialogs::Icon::None);
    QCOMPARE(q.buttons, Dialogs::Yes | Dialogs::No | Dialogs::Cancel);
    // Enter keeps to the employee shown, as the question says; all employees must be chosen.
    QCOMPARE(q.defaultButton, Dialogs::No);
    const auto &in = app.dialogs.shown()[1];
    QCOMPARE(in.kind, pw::test::FakeDialogs::Shown::Input);
    QCOMPARE(in.title, QStringLiteral("Clear log until this date: "));
    QCOMPARE(in.text, QStringLiteral("Enter an ending date:"));
    QCOMPARE(in.defaultText, QStringLiteral("12/6/2026 9:05:00 AM"));
}

// Enter at the question and Enter at the ending date (each box answered by its default) clear the
// employee shown up to now, and nobody else.
void tst_clearing::enterAtEveryBox()
{
    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    fill(app, ann, kTwoDays);
    fill(app, bob, kTwoDays);
    fill(app, QStringLiteral("Manager"), kTwoDays);
    QWidget *m = app.managerShowing(ann);
    click(m, "Command4");
    QCOMPARE(app.dialogs.count(), 2);
    QVERIFY(entries(app, ann).isEmpty());
    QCOMPARE(entries(app, bob), kTwoDays);
    QCOMPARE(entries(app, QStringLiteral("Manager")), kTwoDays);
}

// Every listed employee, the Manager included, up to the same ending date.
void tst_clearing::allEmployees()
{
    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    fill(app, QStringLiteral("Manager"), {"2026-01-05 08:00:00 Clocked In", "2026-01-06 09:00:00 Clocked Out"});
    fill(app, ann, kTwoDays);
    fill(app, bob, {"2026-01-06 07:00:00 Clocked In", "2026-01-06 15:00:00 Clocked Out"});
    QWidget *m = app.managerShowing(bob);
    app.dialogs.answer(Dialogs::Yes);
    app.dialogs.answerInput(QStringLiteral("1/6/2026 8:00:00 AM"));
    click(m, "Command4");

    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(entries(app, QStringLiteral("Manager")), QStringList());
    QCOMPARE(entries(app, ann), (QStringList{"2026-01-06 08:00:00 Clocked In", "2026-01-06 17:00:00 Clocked Out"}));
    QCOMPARE(entries(app, bob), QStringList());
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Manager"));
    QCOMPARE(manuse(m)->recordSource(), bob);
    QCOMPARE(app.dialogs.progressShown().size(), 1);
    QCOMPARE(app.dialogs.progressShown()[0].names, (QStringList{QStringLiteral("Manager"), ann, bob}));
}

// Cancel in the progress window stops the run after the employee under way: the logs cleared stay
// cleared, the rest are untouched, and a box says how far it got.
void tst_clearing::cancelledRun()
{
    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    fill(app, ann, kTwoDays);
    fill(app, bob, {"2026-01-06 07:00:00 Clocked In", "2026-01-06 15:00:00 Clocked Out"});
    QWidget *m = app.managerShowing(bob);
    app.dialogs.cancelProgressAfter(2);
    app.dialogs.answer(Dialogs::Yes);
    app.dialogs.answerInput(QStringLiteral("1/7/2026"));
    click(m, "Command4");

    QCOMPARE(entries(app, ann), QStringList());
    QCOMPARE(entries(app, bob), (QStringList{"2026-01-06 07:00:00 Clocked In", "2026-01-06 15:00:00 Clocked Out"}));
    QCOMPARE(app.dialogs.count(), 3);
    QVERIFY(pw::test::lastBoxIs(app.dialogs, QStringLiteral("Clearing was stopped after 2 of 3 employees."),
                                QStringLiteral("Clear"), Dialogs::Icon::Information));
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Manager"));
}

// Cancel leaves the tab where it was; an empty or unreadable ending date deletes nothing and brings
// the tab back to the first employee; a name not in the list is refused.
void tst_clearing::nothingCleared_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("tabAfter");

    QTest::newRow("cancel") << int(Dialogs::Cancel) << QString() << ann << QString() << QString() << ann;
    QTest::newRow("empty ending") << int(Dialogs::No) << "" << ann << QString() << QString() << "Manager";
    QTest::newRow("empty ending, all") << int(Dialogs::Yes) << "" << ann << QString() << QString() << "Manager";
    QTest::newRow("not a date") << int(Dialogs::No) << "end of June" << ann
                                << "\"end of June\" is not a date.  Please type the ending date as a date and time, "
                                   "such as 12/7/2026 9:00:00 AM, or as a date alone.  Nothing was done."
                                << "Clear" << "Manager";
    QTest::newRow("no such day, all") << int(Dialogs::Yes) << "2/30/2026" << ann
                                      << "\"2/30/2026\" is not a date.  Please type the ending date as a date and "
                                         "time, such as 12/7/2026 9:00:00 AM, or as a date alone.  Nothing was done."
                                      << "Clear" << "Manager";
    QTest::newRow("name not listed") << int(Dialogs::No) << "1/7/2026" << "Zed"
                                     << "Please enter a valid Name or click on the Combo Box." << "Log In Error"
                                     << "Manager";
    QTest::newRow("empty name") << int(Dialogs::No) << "1/7/2026" << ""
                                << "Please enter a valid Name or click on the Combo Box." << "Log In Error"
                                << "Manager";
}

void tst_clearing::nothingCleared()
{
    QFETCH(int, answer);
    QFETCH(QString, ending);
    QFETCH(QString, shownName);
    QFETCH(QString, refusal);
    QFETCH(QString, title);
    QFETCH(QString, tabAfter);

    TestApp app;
    app.addEmployee(ann);
    fill(app, ann, kTwoDays);
    fill(app, QStringLiteral("Manager"), kTwoDays);
    // Zed's log exists, but he is not listed.
    app.createLog(QStringLiteral("Zed"));
    fill(app, QStringLiteral("Zed"), kTwoDays);
    app.clock.set(2026, 12, 7, 9, 0, 0);
    QWidget *m = app.managerShowing(ann);
    if (shownName != ann)
        QVERIFY(pw::test::showUnlisted(app, shownName));

    app.dialogs.answer(Dialogs::Button(answer));
    if (!ending.isNull())
        app.dialogs.answerInput(ending);
    click(m, "Command4");

    QCOMPARE(entries(app, ann), kTwoDays);
    QCOMPARE(entries(app, QStringLiteral("Manager")), kTwoDays);
    QCOMPARE(entries(app, QStringLiteral("Zed")), kTwoDays);
    QCOMPARE(textOf(m, "manlist"), tabAfter.isEmpty() ? shownName : tabAfter);
    if (refusal.isEmpty()) {
        QCOMPARE(app.dialogs.count(), answer == Dialogs::Cancel ? 1 : 2);
        return;
    }
    QCOMPARE(app.dialogs.count(), 3);
    QVERIFY(pw::test::lastBoxIs(app.dialogs, refusal, title));
}

void tst_clearing::missingLogInRun()
{
    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    fill(app, bob, kTwoDays);
    app.exec(QStringLiteral("DROP TABLE \"Ann\""));
    QWidget *m = app.managerShowing(ann);
    app.dialogs.answer(Dialogs::Yes);
    app.dialogs.answerInput(QStringLiteral("1/6/2026"));
    click(m, "Command4");
    QCOMPARE(app.dialogs.count(), 3);
    QVERIFY(app.dialogs.last().text.startsWith(QStringLiteral("The time log of Ann cannot be used")));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Clear"));
    QCOMPARE(entries(app, bob), (QStringList{"2026-01-06 08:00:00 Clocked In", "2026-01-06 17:00:00 Clocked Out"}));
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Manager"));
}

// The dated deletion and the leading clock-out removal are one change: when the removal fails, the
// dated deletion is undone too.
void tst_clearing::failureLeavesLog()
{
    TestApp app;
    app.addEmployee(ann);
    fill(app, ann, kTwoDays);
    app.keepRowsOnDelete(ann, QStringLiteral("old.datetime = '2026-01-06 17:00:00'"));
    QWidget *m = app.managerShowing(ann);
    app.dialogs.answer(Dialogs::No);
    app.dialogs.answerInput(QStringLiteral("1/6/2026 12:00:00 PM"));
    click(m, "Command4");
    QCOMPARE(entries(app, ann), kTwoDays);
    QCOMPARE(app.dialogs.count(), 3);
    QVERIFY(app.dialogs.last().text.startsWith(QStringLiteral("The log of Ann could not be cleared, so it is unchanged: ")));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Clear"));
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
}

// Clearing the logged-on Manager's own log through the button: the log view shows what is left.
void tst_clearing::ownLogShown()
{
    TestApp app;
    fill(app, QStringLiteral("Manager"), kTwoDays);
    QWidget *m = app.managerShowing(QStringLiteral("Manager"));
    QVERIFY(!textOf(m, "lgndatetime").isEmpty());
    app.dialogs.answer(Dialogs::No);
    app.dialogs.answerInput(QStringLiteral("1/6/2026 12:00:00 PM"));
    click(m, "Command4");
    QCOMPARE(entries(app, QStringLiteral("Manager")), QStringList());
    QCOMPARE(textOf(m, "lgndatetime"), QString());
    QVERIFY(!child<QAction>(m, "prntdata")->isEnabled());
    QVERIFY(!child<QAction>(m, "dltdata")->isEnabled());
}

// The menu item: the warning, then everything of the own log goes (Yes) or nothing (No); the
// totals are counted again either way.
void tst_clearing::menuItem_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("yes") << int(Dialogs::Yes) << true;
    QTest::newRow("no") << int(Dialogs::No) << false;
}

void tst_clearing::menuItem()
{
    QFETCH(int, answer);
    QFETCH(bool, emptied);

    TestApp app;
    app.addEmployee(ann, QStringLiteral("10"));
    app.addEmployee(bob);
    fill(app, ann, kTwoDays);
    fill(app, ann, {"2026-01-07 08:00:00 Clocked In"});
    fill(app, bob, kTwoDays);
    app.clock.set(2026, 1, 7, 9, 30, 0);
    QVERIFY(app.logOn(ann));
    QWidget *m = app.main();
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("19.5"));
    // Half an hour later the shown totals are out of date.
    app.clock.set(2026, 1, 7, 10, 0, 0);

    app.dialogs.answer(Dialogs::Button(answer));
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    QTest::keyClick(m, Qt::Key_D, Qt::ControlModifier);

    QCOMPARE(app.dialogs.count(), 1);
    const auto &box = app.dialogs.last();
    QCOMPARE(box.text, QStringLiteral("This will delete all clock in and clock out values.  It should only be done at the "
                                      "end of a time period.  Are you sure you want to continue ?"));
    QCOMPARE(box.title, QStringLiteral("Punchwell Warning"));
    QCOMPARE(box.icon, Dialogs::Icon::Critical);
    QCOMPARE(box.buttons, Dialogs::Yes | Dialogs::No);
    QCOMPARE(box.defaultButton, Dialogs::No);

    QCOMPARE(entries(app, ann).size(), emptied ? 0 : 5);
    QCOMPARE(entries(app, bob), kTwoDays);
    QCOMPARE(textOf(m, "currhours"), emptied ? QStringLiteral("0") : QStringLiteral("20  "));
    QCOMPARE(textOf(m, "currmoney"), emptied ? QStringLiteral("0") : QStringLiteral("200"));
    QCOMPARE(textOf(m, "Lastlogonvalue"), emptied ? QString() : kIn);
}

PW_TEST_MAIN(tst_clearing)

#include "tst_clearing.moc"
