// One working day through the real windows on a company on a database server: the window tests
// run on a file, the storage and domain tests on both engines; this shows the windows wired to a
// server's company from the logon, clocking and a corrected time to the Manager's add, print,
// clear and delete.
#include "testlib/filestate.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QTest>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::click;
using pw::test::lastBoxIs;
using pw::test::listedNames;
using pw::test::textOf;
using pw::test::typeInto;

namespace {

const QString ann = QStringLiteral("Ann");
const QString dana = QStringLiteral("Dana");
const QString kIn = QStringLiteral("Clocked In");
const QString kOut = QStringLiteral("Clocked Out");
const QVariant kNull = QVariant(QMetaType(QMetaType::QString));

// Clocks in through the button and the task prompt.
void clockIn(TestApp &app, const QString &task)
{
    click(app.main(), "clockin");
    QWidget *prompt = app.window("frmsub");
    if (!prompt || !prompt->isVisible())
        qFatal("the task prompt did not open");
    typeInto(prompt, "activity", task);
    click(prompt, "Command1");
}

} // namespace

class tst_workingday : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void workingDay();
};

void tst_workingday::initTestCase()
{
    PW_SERVER_ONLY("the window tests run the same on a file");
}

void tst_workingday::workingDay()
{
    TestApp app;
    app.addEmployee(QStringLiteral("bob"), QStringLiteral("12"), QStringLiteral("pw"));
    app.addEmployee(ann, QStringLiteral("10"));

    // Ann logs on from the list and clocks in and out twice.
    QCOMPARE(listedNames(app.logon()), (QStringList{ann, QStringLiteral("bob"), QStringLiteral("Manager")}));
    app.clock.set(2026, 12, 7, 8, 0, 0);
    QVERIFY(app.logOn(ann));
    QWidget *m = app.main();
    QCOMPARE(textOf(m, "nameemp"), ann);
    clockIn(app, QStringLiteral("Filing"));
    app.clock.set(2026, 12, 7, 12, 30, 59);
    click(m, "clockout");
    app.clock.set(2026, 12, 7, 13, 0, 0);
    clockIn(app, QStringLiteral("Zoë's desk"));
    app.clock.set(2026, 12, 7, 17, 0, 30);
    click(m, "clockout");
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("8.5 "));
    QCOMPARE(textOf(m, "currmoney"), QStringLiteral("85"));
    QCOMPARE(textOf(m, "Lastlogonvalue"), kOut);
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 5:00:30 PM"));
    // The last clock-out corrected in the view, stored by UPDATE and counted.
    typeInto(m, "lgndatetime", QStringLiteral("12/7/2026 5:30:00 PM"));
    pw::test::clickLabel(m, "Label12");
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("9   "));
    QCOMPARE(textOf(m, "currmoney"), QStringLiteral("90"));
    QCOMPARE(app.log(ann), (QList<QVariantList>{{ann, "2026-12-07 08:00:00", kIn, "Filing"},
                                                {ann, "2026-12-07 12:30:59", kOut, kNull},
                                                {ann, "2026-12-07 13:00:00", kIn, QStringLiteral("Zoë's desk")},
                                                {ann, "2026-12-07 17:30:00", kOut, kNull}}));
    QCOMPARE(app.dialogs.count(), 0);

    // The Manager adds Dana: a list row and an empty log, whose fields the server keeps without
    // widths of its own.
    app.clock.set(2026, 12, 7, 18, 0, 0);
    app.managerLogOn();
    click(m, "Command5");
    QWidget *add = app.window("frmadd");
    QVERIFY(add);
    typeInto(add, "newemployee", dana);
    typeInto(add, "passwrd", QStringLiteral("pw"));
    typeInto(add, "newwage", QStringLiteral("11.5"));
    click(add, "Command1");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Employee has been added!"), QStringLiteral("Information"),
                      Dialogs::Icon::Information));
    QCOMPARE(app.rows(QStringLiteral("SELECT Ename, Ewage, epass, Ecomment FROM datalist WHERE Ename = ?"), {dana}),
             (QList<QVariantList>{{dana, QStringLiteral("11.5"), QStringLiteral("pw"), QStringLiteral("  \n")}}));
    QCOMPARE(pw::test::fieldShapes(app, dana), (QStringList{"ename 0 0", "datetime 4 0", "inoutfx 0 0", "activity 0 0"}));
    QVERIFY(app.log(dana).isEmpty());
    QVERIFY(listedNames(app.logon()).contains(dana));

    // Ann's card up to now, printed without a change to the company.
    QVERIFY(pw::test::showEmployee(m, ann));
    app.dialogs.clear();
    const qint64 before = pw::test::changeCount(app);
    app.dialogs.answer(Dialogs::No);
    click(m, "Command3");
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.printers.printed().size(), 1);
    const QString headings = QStringLiteral("{5}_Clock In_{40}_Clock Out_{70}_Activity_{110}_Sub Total (Hours)_");
    QCOMPARE(app.printers.printed().first().lines(),
             (QStringList{"Punchwell Data for:  Acme Widgets", "", "", "Employee Name:  Ann", "", headings,
                          "{5}12/7/2026 8:00:00 AM{40}12/7/2026 12:30:59 PM{70}Filing{110}4.5 ",
                          QStringLiteral("{5}12/7/2026 1:00:00 PM{40}12/7/2026 5:30:00 PM{70}Zoë's desk{110}4.5 "), "",
                          "", "Ann has a total of 9    hours "}));
    QCOMPARE(pw::test::changeCount(app), before);

    // Ann's log cleared up to one o'clock: the afternoon stays.
    app.dialogs.clear();
    app.dialogs.answer(Dialogs::No);
    app.dialogs.answerInput(QStringLiteral("12/7/2026 1:00:00 PM"));
    click(m, "Command4");
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.log(ann), (QList<QVariantList>{{ann, "2026-12-07 13:00:00", kIn, QStringLiteral("Zoë's desk")},
                                                {ann, "2026-12-07 17:30:00", kOut, kNull}}));

    // Dana deleted: the row goes, the emptied log is kept.
    app.addEntry(dana, QStringLiteral("2026-12-07 18:00:00"), kIn, QStringLiteral(" "));
    QVERIFY(pw::test::showEmployee(m, dana));
    app.dialogs.clear();
    app.dialogs.answer(Dialogs::Yes);
    click(m, "Deleteemp");
    QCOMPARE(app.dialogs.count(), 2);
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Employee has been deleted."), QStringLiteral("Information"),
                      Dialogs::Icon::Information));
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = ?"), {dana}).toInt(), 0);
    QCOMPARE(*app.db().tableExists(dana), true);
    QVERIFY(app.log(dana).isEmpty());
    QVERIFY(!listedNames(app.logon()).contains(dana));
    QCOMPARE(app.log(ann).size(), 2);
}

PW_TEST_MAIN(tst_workingday)
#include "tst_workingday.moc"
