// Clocking in and out through the real windows: buttons, menu items, F1 and F2, the task prompt,
// the refusals, delete-last and the totals shown after each.
#include "domain/recordviews.h"
#include "platform/typeddatetime.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::clickLabel;
using pw::test::lastBoxIs;
using pw::test::textOf;
using pw::test::tick;
using pw::test::trigger;
using pw::test::typeInto;

namespace {

const QString ann = QStringLiteral("Ann");
using Row = QVariantList;

Row in(const QString &when, const QString &task, const QString &name = ann)
{
    return {name, when, QStringLiteral("Clocked In"), task};
}
Row out(const QString &when, const QString &name = ann) { return {name, when, QStringLiteral("Clocked Out"), QVariant()}; }

// Compares a log with the expected rows, a Null activity included.
bool sameLog(const QList<QVariantList> &actual, const QList<Row> &expected)
{
    if (actual.size() != expected.size()) {
        qWarning("log has %d rows, expected %d", int(actual.size()), int(expected.size()));
        return false;
    }
    for (int r = 0; r < actual.size(); ++r)
        for (int c = 0; c < 4; ++c) {
            const QVariant &a = actual[r][c], &e = expected[r][c];
            if (a.isNull() != e.isNull() || (!e.isNull() && a.toString() != e.toString())) {
                qWarning("row %d field %d: '%s' (null %d), expected '%s' (null %d)", r, c, qPrintable(a.toString()),
                         a.isNull(), qPrintable(e.toString()), e.isNull());
                return false;
            }
        }
    return true;
}

// The properties dialog, opened with "Properties" by the Manager logged on with a password.
QWidget *openProperties(TestApp &app)
{
    click(app.managerLogOn(), "Command2");
    QWidget *properties = app.window("frmprop");
    if (!properties || !properties->isVisible())
        qFatal("the properties dialog did not open");
    return properties;
}

// Logs Ann (wage 10) on, with an empty log. With promptOff, the Manager has first switched the task
// prompt off ("Turn off all Login Descriptions").
QWidget *annLoggedOn(TestApp &app, bool promptOff = false)
{
    app.addEmployee(ann, QStringLiteral("10"));
    if (promptOff)
        tick(openProperties(app), "subs", true);
    app.clock.set(2026, 12, 7, 8, 0, 0);
    if (!app.logOn(ann))
        qFatal("Ann cannot log on");
    return app.main();
}

bool isEnabled(QWidget *window, const char *action)
{
    return child<QAction>(window, action)->isEnabled();
}

// Whether the task prompt is shown.
bool promptShown(TestApp &app)
{
    QWidget *prompt = app.window("frmsub");
    return prompt && prompt->isVisible();
}

} // namespace

class tst_clocking : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fullDay();
    void promptLength();
    void taskCharacters_data();
    void taskCharacters();
    void openPromptOverlong();
    void promptClosed();
    void promptClosedOnLeaving_data();
    void promptClosedOnLeaving();
    void subsSwitch();
    void refusals();
    void oddStatus();
    void openShiftCounts();
    void deleteLast();
    void updateAction();
    void wageThatIsNoNumber();
    void changedElsewhere_data();
    void changedElsewhere();
    void correctionKeepsOrder_data();
    void correctionKeepsOrder();
    void correctionOnLeaving_data();
    void correctionOnLeaving();
    void updateReports_data();
    void updateReports();
    void managementTotals();
    void fullDatabase();
    void missingLogTable();
};

void tst_clocking::fullDay()
{
    TestApp app;
    QWidget *m = annLoggedOn(app);
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("0"));
    QCOMPARE(textOf(m, "currmoney"), QStringLiteral("0"));

    // The button: the prompt comes up centred with the focus in its box.
    click(m, "clockin");
    QWidget *prompt = app.window("frmsub");
    QVERIFY(prompt);
    QVERIFY(prompt->isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(prompt->x(), (screen.width() - prompt->width()) / 2);
    QCOMPARE(prompt->windowTitle(), QStringLiteral("Punchwell"));
    QVERIFY(app.log(ann).isEmpty()); // nothing until "OK"
    typeInto(prompt, "activity", QStringLiteral("Filing"));
    click(prompt, "Command1");
    QVERIFY(!prompt->isVisible());
    QVERIFY(textOf(prompt, "activity").isEmpty());
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", "Filing")}));
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("0   "));
    QCOMPARE(textOf(m, "currmoney"), QStringLiteral("0"));
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 8:00:00 AM"));
    QCOMPARE(textOf(m, "Lastlogonvalue"), QStringLiteral("Clocked In"));
    QCOMPARE(textOf(m, "Label5"), QStringLiteral("Filing"));
    QVERIFY(isEnabled(m, "prntdata"));

    // The button again, an hour and a half later.
    app.clock.set(2026, 12, 7, 9, 30, 59);
    click(m, "clockout");
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("1.5 "));
    QCOMPARE(textOf(m, "currmoney"), QStringLiteral("15"));
    QCOMPARE(textOf(m, "Lastlogonvalue"), QStringLiteral("Clocked Out"));

    // The keys: F1 with the task typed and Enter, then F2.
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    app.clock.set(2026, 12, 7, 10, 0, 0);
    QTest::keyClick(m, Qt::Key_F1);
    prompt = app.window("frmsub");
    QVERIFY(prompt && prompt->isVisible());
    auto *task = child<QLineEdit>(prompt, "activity");
    QTRY_VERIFY(task->hasFocus());
    QTest::keyClicks(task, QStringLiteral("Inventory"));
    QTest::keyClick(task, Qt::Key_Return);
    QVERIFY(!promptShown(app));
    app.clock.set(2026, 12, 7, 12, 0, 0);
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    QTest::keyClick(m, Qt::Key_F2);

    // The menu items, with an empty task: a single blank is stored.
    app.clock.set(2026, 12, 7, 13, 0, 0);
    trigger(m, "Clkin");
    QVERIFY(promptShown(app));
    click(app.window("frmsub"), "Command1");
    app.clock.set(2026, 12, 7, 17, 0, 30);
    trigger(m, "clkout");

    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", "Filing"), out("2026-12-07 09:30:59"),
                                   in("2026-12-07 10:00:00", "Inventory"), out("2026-12-07 12:00:00"),
                                   in("2026-12-07 13:00:00", " "), out("2026-12-07 17:00:30")}));
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("7.5 "));
    QCOMPARE(textOf(m, "currmoney"), QStringLiteral("75"));
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 5:00:30 PM"));
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_clocking::promptLength()
{
    TestApp app;
    QWidget *m = annLoggedOn(app);
    click(m, "clockin");
    QWidget *prompt = app.window("frmsub");
    QVERIFY(prompt);
    const QString thirtyOne(31, QLatin1Char('x'));
    typeInto(prompt, "activity", thirtyOne);
    click(prompt, "Command1");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Sorry, Tasks can only be up to 30 characters in length."),
                      QStringLiteral("Clock In Error")));
    QVERIFY(prompt->isVisible());
    QCOMPARE(textOf(prompt, "activity"), thirtyOne);
    QVERIFY(app.log(ann).isEmpty());
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("0")); // the totals are left alone

    const QString thirty = QStringLiteral("O'Neil \"x\"; DROP TABLE Ann;--").leftJustified(30, QLatin1Char('.'));
    QCOMPARE(thirty.size(), 30);
    typeInto(prompt, "activity", thirty);
    click(prompt, "Command1");
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", thirty)}));
}

// A task is measured as a person counts characters, as a name is: a flag is one character.
void tst_clocking::taskCharacters_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<bool>("stored");
    const QString flag = QStringLiteral("\U0001F1E9\U0001F1EA"); // two code points, four UTF-16 units
    QTest::newRow("30 flags") << flag.repeated(30) << true;
    QTest::newRow("29 letters and a flag") << QString(29, QLatin1Char('x')) + flag << true;
    QTest::newRow("31 flags") << flag.repeated(31) << false;
    QTest::newRow("30 letters and an emoji") << QString(30, QLatin1Char('x')) + QStringLiteral("\U0001F600") << false;
}

void tst_clocking::taskCharacters()
{
    QFETCH(QString, task);
    QFETCH(bool, stored);
    TestApp app;
    QWidget *m = annLoggedOn(app);
    click(m, "clockin");
    QWidget *prompt = app.window("frmsub");
    QVERIFY(prompt);
    typeInto(prompt, "activity", task);
    click(prompt, "Command1");
    if (stored) {
        QCOMPARE(app.dialogs.count(), 0);
        QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", task)}));
    } else {
        QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Sorry, Tasks can only be up to 30 characters in length."),
                          QStringLiteral("Clock In Error")));
        QVERIFY(app.log(ann).isEmpty());
    }
}

// A prompt left open with a task too long for the field, then the prompt switched off: the clock-in
// that takes the prompt's text refuses it rather than storing it.
void tst_clocking::openPromptOverlong()
{
    TestApp app;
    QWidget *m = app.managerLogOn();
    app.clock.set(2026, 12, 7, 8, 0, 0);
    trigger(m, "Clkin");
    QWidget *prompt = app.window("frmsub");
    QVERIFY(prompt);
    typeInto(prompt, "activity", QString(31, QLatin1Char('x')));
    click(m, "Command2");
    tick(app.window("frmprop"), "subs", true);
    app.dialogs.clear();
    click(m, "clockin");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Sorry, Tasks can only be up to 30 characters in length."),
                      QStringLiteral("Clock In Error")));
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY(app.log(QStringLiteral("Manager")).isEmpty());
    // Nothing is left over for the next clock-in, which stores the blank task.
    click(m, "clockin");
    QCOMPARE(app.log(QStringLiteral("Manager")).size(), 1);
    QCOMPARE(app.log(QStringLiteral("Manager"))[0][3].toString(), QStringLiteral(" "));
}

void tst_clocking::promptClosed()
{
    TestApp app;
    QWidget *m = annLoggedOn(app);
    click(m, "clockin");
    QWidget *prompt = app.window("frmsub");
    QVERIFY(prompt);
    typeInto(prompt, "activity", QStringLiteral("Half typed"));
    prompt->close();
    QVERIFY(lastBoxIs(app.dialogs,
                      QStringLiteral("Clock In has been Canceled.  If you wish to disable the prompt for a project "
                                     "activity, check the box marked disable"),
                      QStringLiteral("Canceled")));
    pw::test::settle();
    QVERIFY(app.log(ann).isEmpty());
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("0"));
    QVERIFY(!app.window("frmsub"));

    // The next clock-in shows an empty, newly made prompt; Esc closes it like the close box.
    click(m, "clockin");
    QWidget *again = app.window("frmsub");
    QVERIFY(again);
    QVERIFY(again->isVisible());
    QVERIFY(textOf(again, "activity").isEmpty());
    QTest::keyClick(child<QLineEdit>(again, "activity"), Qt::Key_Escape);
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Canceled"));
    QVERIFY(app.log(ann).isEmpty());
}

void tst_clocking::promptClosedOnLeaving_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Exit") << false;
    QTest::newRow("close box") << true;
}

// A prompt left open when the employee leaves must not clock anybody in from the logon window.
void tst_clocking::promptClosedOnLeaving()
{
    QFETCH(bool, closeBox);
    TestApp app;
    QWidget *m = annLoggedOn(app);
    click(m, "clockin");
    QPointer<QWidget> prompt = app.window("frmsub");
    QVERIFY(prompt && prompt->isVisible());
    typeInto(prompt, "activity", QStringLiteral("Half typed"));
    pw::test::leave(m, closeBox);
    QVERIFY(!m->isVisible());
    QVERIFY(app.logon()->isVisible());
    // Closed as its close box closes it.
    QVERIFY(lastBoxIs(app.dialogs,
                      QStringLiteral("Clock In has been Canceled.  If you wish to disable the prompt for a project "
                                     "activity, check the box marked disable"),
                      QStringLiteral("Canceled")));
    QCOMPARE(app.dialogs.count(), 1);
    // Somebody at the logon window finds the prompt, if it is still there, and presses Enter in it.
    pw::test::settle();
    if (prompt && prompt->isVisible()) {
        typeInto(prompt, "activity", QStringLiteral("Not Ann"));
        QTest::keyClick(child<QLineEdit>(prompt, "activity"), Qt::Key_Return);
    }
    QVERIFY(!app.window("frmsub"));
    QVERIFY(app.log(ann).isEmpty());

    // Ann's next session starts with a new, empty prompt.
    QVERIFY(app.logOn(ann));
    click(m, "clockin");
    QVERIFY(promptShown(app));
    QVERIFY(textOf(app.window("frmsub"), "activity").isEmpty());
}

void tst_clocking::subsSwitch()
{
    // The Manager clocks in with the properties dialog open beside the main window.
    TestApp app;
    const QString manager = QStringLiteral("Manager");
    QWidget *props = openProperties(app);
    QWidget *m = app.main();
    app.clock.set(2026, 12, 7, 8, 0, 0);
    tick(props, "subs", true);
    QCOMPARE(app.value(QStringLiteral("SELECT subs FROM \"Company Data\"")).toInt(), 1);
    click(m, "clockin");
    QVERIFY(!promptShown(app));
    QVERIFY(sameLog(app.log(manager), {in("2026-12-07 08:00:00", " ", manager)}));
    app.clock.set(2026, 12, 7, 9, 0, 0);
    click(m, "clockout");

    // A prompt left open with text in it gives that text to the next switched-off clock-in.
    tick(props, "subs", false);
    click(m, "clockin");
    QVERIFY(promptShown(app));
    typeInto(app.window("frmsub"), "activity", QStringLiteral("Left open"));
    tick(props, "subs", true);
    app.clock.set(2026, 12, 7, 10, 0, 0);
    trigger(m, "Clkin");
    QVERIFY(sameLog(app.log(manager), {in("2026-12-07 08:00:00", " ", manager), out("2026-12-07 09:00:00", manager),
                                       in("2026-12-07 10:00:00", "Left open", manager)}));
    QVERIFY(textOf(app.window("frmsub"), "activity").isEmpty());
    QCOMPARE(app.dialogs.count(), 0);

    // The switch holds for everybody who logs on afterwards.
    app.addEmployee(ann);
    QVERIFY(app.logOn(ann));
    click(m, "clockin");
    QVERIFY(!promptShown(app));
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 10:00:00", " ")}));
}

void tst_clocking::refusals()
{
    TestApp app;
    QWidget *m = annLoggedOn(app);
    // Clock-out on an empty log: small "i".
    click(m, "clockout");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("You must first Clock in."), QStringLiteral("Clock out Error")));
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("0"));
    QVERIFY(app.log(ann).isEmpty());

    click(m, "clockin");
    click(app.window("frmsub"), "Command1");
    QVERIFY(!promptShown(app));
    // Clock-in while clocked in: refused before any prompt.
    trigger(m, "Clkin");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("You must first Clock Out."), QStringLiteral("Clock In Error")));
    QVERIFY(!promptShown(app));

    trigger(m, "clkout");
    // A second clock-out: capital "I".
    click(m, "clockout");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("You must first Clock In."), QStringLiteral("Clock out Error")));
    QCOMPARE(app.log(ann).size(), 2);
    QCOMPARE(app.dialogs.count(), 3);
}

void tst_clocking::oddStatus()
{
    // A last entry with another status passes the request, and is refused after "OK".
    TestApp app;
    QWidget *m = annLoggedOn(app);
    app.addEntry(ann, QStringLiteral("2026-12-07 07:00:00"), QStringLiteral("clocked out"));
    click(m, "clockin");
    QVERIFY(promptShown(app));
    click(app.window("frmsub"), "Command1");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("You must first Clock Out."), QStringLiteral("Clock In Error")));
    QCOMPARE(app.log(ann).size(), 1);
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("0   ")); // recomputed: one unpaired entry
    click(m, "clockout");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("You must first Clock In."), QStringLiteral("Clock out Error")));
}

void tst_clocking::openShiftCounts()
{
    TestApp app;
    QWidget *m = annLoggedOn(app, true);
    click(m, "clockin");
    app.clock.set(2026, 12, 7, 8, 45, 0);
    clickLabel(m, "Label11");
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("0.75"));
    QCOMPARE(textOf(m, "currmoney"), QStringLiteral("7.5"));
    // The count wrote nothing: the log still ends "Clocked In".
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", " ")}));
    QCOMPARE(textOf(m, "Lastlogonvalue"), QStringLiteral("Clocked In"));
    // A shift over midnight counts every minute across it.
    app.clock.set(2026, 12, 8, 0, 30, 0);
    clickLabel(m, "Label12");
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("16.5"));
}

void tst_clocking::deleteLast()
{
    TestApp app;
    QWidget *m = annLoggedOn(app);
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("A"));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked Out"));
    app.addEntry(ann, QStringLiteral("2026-12-07 10:00:00"), QStringLiteral("Clocked In"), QStringLiteral("B"));
    app.clock.set(2026, 12, 7, 11, 0, 0);
    clickLabel(m, "Label11");
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("2   "));

    trigger(m, "dltlast");
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", "A"), out("2026-12-07 09:00:00")}));
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 8:00:00 AM")); // the first entry
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("2   "));                  // not recomputed

    // Removing the clock-out re-opens the shift: clock-in is refused, clock-out allowed.
    trigger(m, "dltlast");
    click(m, "clockin");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("You must first Clock Out."), QStringLiteral("Clock In Error")));
    click(m, "clockout");
    QCOMPARE(app.log(ann).size(), 2);
    QCOMPARE(app.log(ann)[1][1].toString(), QStringLiteral("2026-12-07 11:00:00"));

    trigger(m, "dltlast");
    trigger(m, "dltlast");
    QVERIFY(app.log(ann).isEmpty());
    QVERIFY(textOf(m, "lgndatetime").isEmpty());
    QVERIFY(!isEnabled(m, "prntdata"));
    const int boxes = app.dialogs.count();
    trigger(m, "dltlast"); // an empty log: nothing, no message
    QCOMPARE(app.dialogs.count(), boxes);
}

void tst_clocking::updateAction()
{
    TestApp app;
    QWidget *m = annLoggedOn(app);
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked Out"));
    clickLabel(m, "Label11");
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("1   "));

    // A corrected clock-out time typed into the view is stored by UPDATE and counted.
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 9:00:00 AM"));
    typeInto(m, "lgndatetime", QStringLiteral("12/7/2026 9:30:00 AM"));
    clickLabel(m, "Label12");
    QCOMPARE(app.log(ann)[1][1].toString(), QStringLiteral("2026-12-07 09:30:00"));
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("1.5 "));
    QCOMPARE(app.dialogs.count(), 0);

    // Text that is not a date and time is refused, and nothing is stored.
    typeInto(m, "lgndatetime", QStringLiteral("half past nine"));
    clickLabel(m, "Label11");
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Invalid Date / Time.  Please correct the entry and try again"),
                      QStringLiteral("Punchwell"), Dialogs::Icon::None));
    QCOMPARE(app.log(ann)[1][1].toString(), QStringLiteral("2026-12-07 09:30:00"));
    // The browse buttons refuse it the same way, and stay on the entry.
    pw::test::browse(m, "database", "first");
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("half past nine"));
}

// A wage that is no number shows wages of 0, and its tool-tip says why; "22,50" is a number
// on every workstation.
void tst_clocking::wageThatIsNoNumber()
{
    TestApp app;
    app.addEmployee(ann, QStringLiteral("ten"));
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:30:00"), QStringLiteral("Clocked Out"));
    app.clock.set(2026, 12, 7, 10, 0, 0);
    QVERIFY(app.logOn(ann));
    auto *wages = pw::test::child<QLabel>(app.main(), "currmoney");
    QCOMPARE(wages->text(), QStringLiteral("0"));
    QCOMPARE(wages->toolTip(), QStringLiteral("Estimated wages: the wage per hour of Ann (\"ten\") is not a number, so "
                                              "the wages show 0"));
    pw::test::leave(app.main(), false);
    app.exec(QStringLiteral("UPDATE datalist SET Ewage = '22,50'"));
    QVERIFY(app.logOn(ann));
    QCOMPARE(wages->text(), QStringLiteral("33.75"));
    QCOMPARE(wages->toolTip(), QStringLiteral("Estimated wages"));
}

void tst_clocking::changedElsewhere_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("elsewhere"); // the entry another workstation added
    QTest::addColumn<QString>("box");
    QTest::newRow("clock out, already out") << "clockout" << "Clocked Out" << "You must first Clock In.";
    QTest::newRow("clock in, already in") << "clockin" << "Clocked In" << "You must first Clock Out.";
}

// An action refused because another workstation changed the log meanwhile: while the box says
// so, the window already shows the log as it now is.
void tst_clocking::changedElsewhere()
{
    QFETCH(QString, button);
    QFETCH(QString, elsewhere);
    QFETCH(QString, box);
    TestApp app;
    QWidget *m = annLoggedOn(app, true);
    if (elsewhere == QLatin1String("Clocked Out")) {
        QTest::mouseClick(pw::test::child<QPushButton>(m, "clockin"), Qt::LeftButton);
        QCOMPARE(textOf(m, "Lastlogonvalue"), QStringLiteral("Clocked In"));
    }
    app.addEntry(ann, QStringLiteral("2026-12-07 08:30:00"), elsewhere, QStringLiteral(" "));
    QString shownMeanwhile;
    app.dialogs.whileOpen([&] { shownMeanwhile = textOf(m, "Lastlogonvalue"); });
    QTest::mouseClick(pw::test::child<QPushButton>(m, qPrintable(button)), Qt::LeftButton);
    QVERIFY(lastBoxIs(app.dialogs, box, button == QLatin1String("clockin") ? QStringLiteral("Clock In Error")
                                                                          : QStringLiteral("Clock out Error"),
                      Dialogs::Icon::Exclamation));
    QCOMPARE(shownMeanwhile, elsewhere);
}

void tst_clocking::correctionKeepsOrder_data()
{
    QTest::addColumn<QString>("typed"); // for the clock-out at 9, between clock-ins at 8 and at 10
    QTest::addColumn<QString>("box");   // empty: stored
    QTest::newRow("within") << "12/7/2026 9:45 AM" << "";
    QTest::newRow("at its clock-in") << "12/7/2026 8:00 AM" << "";
    QTest::newRow("at the next clock-in") << "12/7/2026 10:00 AM" << "";
    QTest::newRow("before its clock-in")
        << "12/7/2026 7:50 AM"
        << "Invalid Date / Time.  12/7/2026 7:50:00 AM would come before 12/7/2026 8:00:00 AM, the date and time of the "
           "entry before it, and the entries of a log must stay in order. Please correct the entry and try again";
    QTest::newRow("after the next clock-in")
        << "12/8/2026 9:00 AM"
        << "Invalid Date / Time.  12/8/2026 9:00:00 AM would come after 12/7/2026 10:00:00 AM, the date and time of the "
           "entry after it, and the entries of a log must stay in order. Please correct the entry and try again";
}

// A correction may not pass the entries around it: the log's order is the order of its shifts.
void tst_clocking::correctionKeepsOrder()
{
    QFETCH(QString, typed);
    QFETCH(QString, box);
    TestApp app;
    QWidget *m = annLoggedOn(app);
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked Out"));
    app.addEntry(ann, QStringLiteral("2026-12-07 10:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    clickLabel(m, "Label11");
    pw::test::browse(m, "database", "previous");
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 9:00:00 AM"));
    typeInto(m, "lgndatetime", typed);
    clickLabel(m, "Label12");
    const QString stored = app.log(ann)[1][1].toString();
    if (box.isEmpty()) {
        QCOMPARE(app.dialogs.count(), 0);
        QCOMPARE(*pw::LocalDateTime::fromStored(QStringView(stored)), *pw::formats::parseTypedDateTime(typed));
        return;
    }
    QVERIFY(lastBoxIs(app.dialogs, box, QStringLiteral("Punchwell"), Dialogs::Icon::None));
    QCOMPARE(stored, QStringLiteral("2026-12-07 09:00:00"));
}

void tst_clocking::correctionOnLeaving_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::newRow("Exit") << false << "12/7/2026 9:30:00 AM" << "2026-12-07 09:30:00";
    QTest::newRow("close box, no seconds") << true << "12/7/2026 9:30 AM" << "2026-12-07 09:30:00";
    QTest::newRow("Exit, not a date-time") << false << "half past nine" << "";
    QTest::newRow("close box, not a date-time") << true << "12/7/2026 25:00" << "";
}

// A correction typed into the log view is stored on leaving, as moving to another entry stores it.
void tst_clocking::correctionOnLeaving()
{
    QFETCH(bool, closeBox);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    TestApp app;
    QWidget *m = annLoggedOn(app);
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked Out"));
    clickLabel(m, "Label11");
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 9:00:00 AM"));
    typeInto(m, "lgndatetime", typed);
    pw::test::leave(m, closeBox);
    if (!stored.isEmpty()) {
        QCOMPARE(app.dialogs.count(), 0);
        QVERIFY(!m->isVisible());
        QCOMPARE(app.log(ann)[1][1].toString(), stored);
        return;
    }
    // Refused: the window stays, with the text to correct, and nothing is stored.
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Invalid Date / Time.  Please correct the entry and try again"),
                      QStringLiteral("Punchwell"), Dialogs::Icon::None));
    QVERIFY(m->isVisible());
    QVERIFY(!app.logon()->isVisible());
    QCOMPARE(textOf(m, "lgndatetime"), typed);
    QCOMPARE(app.log(ann)[1][1].toString(), QStringLiteral("2026-12-07 09:00:00"));
    typeInto(m, "lgndatetime", QStringLiteral("12/7/2026 9:15:00 AM"));
    pw::test::leave(m, closeBox);
    QVERIFY(!m->isVisible());
    QCOMPARE(app.log(ann)[1][1].toString(), QStringLiteral("2026-12-07 09:15:00"));
    QCOMPARE(app.dialogs.count(), 1);
}

void tst_clocking::updateReports_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("money");
    QTest::newRow("wage not a number") << "UPDATE datalist SET Ewage = 'ten' WHERE Ename = 'Ann'" << "Error number: 3423  has occured:  "
                                       << "1   " << "0";
    QTest::newRow("unreadable date-time") << "UPDATE \"Ann\" SET datetime = 'soon' WHERE rowid = 2"
                                          << "Error number: 3421  has occured:  " << "0   " << "0";
    QTest::newRow("log table gone") << "DROP TABLE \"Ann\"" << "Error number: 3078  has occured:  " << "1   " << "0";
}

void tst_clocking::updateReports()
{
    QFETCH(QString, damage);
    QFETCH(QString, start);
    QFETCH(QString, hours);
    QFETCH(QString, money);
    if (damage.contains(QLatin1String("'soon'")))
        PW_FILE_ONLY("a server's date-time field holds nothing but date-times");
    TestApp app;
    app.addEmployee(ann, QStringLiteral("10"));
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked Out"));
    QVERIFY(app.logOn(ann));
    QWidget *m = app.main();
    QCOMPARE(textOf(m, "currmoney"), QStringLiteral("10"));
    app.exec(damage);
    if (damage.contains(QLatin1String("Ewage")))
        QVERIFY(app.logOn(ann)); // the wage is read at logon
    // A plain count (the one that follows the menu's "Clear Log" answered No) says nothing of a
    // wage or entry it cannot read; a log it cannot open it reports.
    app.dialogs.answer(Dialogs::No);
    trigger(m, "dltdata");
    QCOMPARE(app.dialogs.count(), damage.startsWith(QLatin1String("DROP")) ? 2 : 1);
    QCOMPARE(app.dialogs.shown().first().title, QStringLiteral("Punchwell Warning"));
    app.dialogs.clear();
    clickLabel(m, "Label11");
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY2(app.dialogs.last().text.startsWith(start), qPrintable(app.dialogs.last().text));
    QVERIFY(app.dialogs.last().text.endsWith(QStringLiteral(". Please try again.")));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Punchwell"));
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::None);
    QCOMPARE(textOf(m, "currhours"), hours);
    QCOMPARE(textOf(m, "currmoney"), money);
}

void tst_clocking::managementTotals()
{
    TestApp app;
    app.addEmployee(ann, QStringLiteral("7.25"));
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:30:00"), QStringLiteral("Clocked Out"));
    app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    QWidget *m = app.main();
    pw::test::browse(m, "mandata", "next");
    QCOMPARE(textOf(m, "manlist"), ann);
    QCOMPARE(textOf(m, "manehours"), QStringLiteral("0.00")); // browsing alone changes nothing
    click(m, "Command1");
    QCOMPARE(textOf(m, "manehours"), QStringLiteral("1.5 "));
    QCOMPARE(textOf(m, "manemoney"), QStringLiteral("10.875"));
    QCOMPARE(child<pw::LogView>(m, "manuse")->recordSource(), ann); // the grid shows Ann's log
    pw::test::browse(m, "mandata", "first");
    QCOMPARE(textOf(m, "manemoney"), QStringLiteral("10.875"));
    click(m, "Command1");
    QCOMPARE(textOf(m, "manehours"), QStringLiteral("0"));
    QCOMPARE(textOf(m, "manemoney"), QStringLiteral("0"));
}

void tst_clocking::fullDatabase()
{
    // The file cannot grow: the clock-in is refused with a message and the log is as it was.
    PW_FILE_ONLY("a limit on the file's size");
    TestApp app;
    QWidget *m = annLoggedOn(app, true);
    // Fill the log's pages with the smallest rows there are, until not one more fits.
    app.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(app.value(QStringLiteral("PRAGMA page_count")).toInt()));
    int filled = 0;
    while (!app.db().exec(QStringLiteral("INSERT INTO \"Ann\" (inoutfx) VALUES ('Clocked Out')")))
        ++filled;
    QVERIFY(filled > 0);
    const auto before = app.log(ann);
    app.clock.set(2026, 12, 7, 10, 0, 0);
    click(m, "clockin");
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY2(app.dialogs.last().text.startsWith(QStringLiteral("The clock-in could not be stored, so nothing was written")),
             qPrintable(app.dialogs.last().text));
    QVERIFY(app.dialogs.last().text.contains(QStringLiteral("error 3026")));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Clock In Error"));
    QCOMPARE(app.log(ann), before);
    // Room again: the program goes on.
    app.exec(QStringLiteral("PRAGMA max_page_count = 100000"));
    click(m, "clockin");
    QCOMPARE(app.log(ann).size(), before.size() + 1);
    QCOMPARE(app.log(ann).last()[2].toString(), QStringLiteral("Clocked In"));
}

void tst_clocking::missingLogTable()
{
    TestApp app;
    QWidget *m = annLoggedOn(app);
    app.exec(QStringLiteral("DROP TABLE \"Ann\""));
    click(m, "clockin");
    QVERIFY(app.dialogs.count() >= 1);
    QVERIFY(app.dialogs.last().text.contains(ann));
    QVERIFY(app.dialogs.last().text.contains(QStringLiteral("3078")));
    app.dialogs.clear();
    click(m, "clockout");
    QVERIFY(app.dialogs.count() >= 1);
    QVERIFY(app.dialogs.shown().first().text.contains(ann));
    trigger(m, "dltlast");
    QCOMPARE(*app.db().tableExists(ann), false);
}

PW_TEST_MAIN(tst_clocking)
#include "tst_clocking.moc"
