// Clocking in and out through the real windows: buttons, menu items, F1 and F2, the task prompt,
// the refusals, delete-last and the totals shown after each.
#include "admin/frmprop.h"
#include "clock/clicklabel.h"
#include "clock/frmmain.h"
#include "clock/frmsub.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "startup/forms.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

using pw::Dialogs;
using pw::test::TestApp;

namespace {

const QString ann = QStringLiteral("Ann");
using Row = QVariantList;

Row in(const QString &when, const QString &task) { return {ann, when, QStringLiteral("Clocked In"), task}; }
Row out(const QString &when) { return {ann, when, QStringLiteral("Clocked Out"), QVariant()}; }

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

// Logs Ann (wage 10) on, with an empty log.
frmmain *annLoggedOn(TestApp &app, const QString &wage = QStringLiteral("10"))
{
    app.addEmployee(ann, wage);
    app.clock.set(2026, 12, 7, 8, 0, 0);
    if (!app.logOn(ann))
        qFatal("Ann cannot log on");
    return app.main();
}

} // namespace

class tst_clocking : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fullDay();
    void promptLength();
    void promptClosed();
    void subsSwitch();
    void refusals();
    void oddStatus();
    void openShiftCounts();
    void deleteLast();
    void updateAction();
    void updateReports_data();
    void updateReports();
    void managementTotals();
    void fullDatabase();
    void missingLogTable();
};

void tst_clocking::fullDay()
{
    TestApp app;
    frmmain *m = annLoggedOn(app);
    QCOMPARE(m->currhours->text(), QStringLiteral("0"));
    QCOMPARE(m->currmoney->text(), QStringLiteral("0"));

    // The button: the prompt comes up centred with the focus in its box.
    m->clockin->click();
    frmsub *prompt = app.forms().sub();
    QVERIFY(prompt->isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(prompt->x(), (screen.width() - prompt->width()) / 2);
    QCOMPARE(prompt->windowTitle(), QStringLiteral("Punchwell"));
    QVERIFY(app.log(ann).isEmpty()); // nothing until "OK"
    prompt->activity->setText(QStringLiteral("Filing"));
    prompt->Command1->click();
    QVERIFY(!prompt->isVisible());
    QVERIFY(prompt->activity->text().isEmpty());
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", "Filing")}));
    QCOMPARE(m->currhours->text(), QStringLiteral("0   "));
    QCOMPARE(m->currmoney->text(), QStringLiteral("0"));
    QCOMPARE(m->lgndatetime->text(), QStringLiteral("12/7/2026 8:00:00 AM"));
    QCOMPARE(m->Lastlogonvalue->text(), QStringLiteral("Clocked In"));
    QCOMPARE(m->Label5->text(), QStringLiteral("Filing"));
    QVERIFY(m->prntdata->isEnabled());

    // The button again, an hour and a half later.
    app.clock.set(2026, 12, 7, 9, 30, 59);
    m->clockout->click();
    QCOMPARE(m->currhours->text(), QStringLiteral("1.5 "));
    QCOMPARE(m->currmoney->text(), QStringLiteral("15"));
    QCOMPARE(m->Lastlogonvalue->text(), QStringLiteral("Clocked Out"));

    // The keys: F1 with the task typed and Enter, then F2.
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    app.clock.set(2026, 12, 7, 10, 0, 0);
    QTest::keyClick(m, Qt::Key_F1);
    QVERIFY(prompt->isVisible());
    QTRY_VERIFY(prompt->activity->hasFocus());
    QTest::keyClicks(prompt->activity, QStringLiteral("Inventory"));
    QTest::keyClick(prompt->activity, Qt::Key_Return);
    QVERIFY(!prompt->isVisible());
    app.clock.set(2026, 12, 7, 12, 0, 0);
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    QTest::keyClick(m, Qt::Key_F2);

    // The menu items, with an empty task: a single blank is stored.
    app.clock.set(2026, 12, 7, 13, 0, 0);
    m->Clkin->trigger();
    QVERIFY(prompt->isVisible());
    prompt->Command1->click();
    app.clock.set(2026, 12, 7, 17, 0, 30);
    m->clkout->trigger();

    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", "Filing"), out("2026-12-07 09:30:59"),
                                   in("2026-12-07 10:00:00", "Inventory"), out("2026-12-07 12:00:00"),
                                   in("2026-12-07 13:00:00", " "), out("2026-12-07 17:00:30")}));
    QCOMPARE(m->currhours->text(), QStringLiteral("7.5 "));
    QCOMPARE(m->currmoney->text(), QStringLiteral("75"));
    QCOMPARE(m->lgndatetime->text(), QStringLiteral("12/7/2026 5:00:30 PM"));
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_clocking::promptLength()
{
    TestApp app;
    frmmain *m = annLoggedOn(app);
    m->clockin->click();
    frmsub *prompt = app.forms().sub();
    const QString thirtyOne(31, QLatin1Char('x'));
    prompt->activity->setText(thirtyOne);
    prompt->Command1->click();
    expectBox(app.dialogs, QStringLiteral("Sorry, Tasks can only be up to 30 characters in length."), QStringLiteral("Clock In Error"));
    QVERIFY(prompt->isVisible());
    QCOMPARE(prompt->activity->text(), thirtyOne);
    QVERIFY(app.log(ann).isEmpty());
    QCOMPARE(m->currhours->text(), QStringLiteral("0")); // the totals are left alone

    const QString thirty = QStringLiteral("O'Neil \"x\"; DROP TABLE Ann;--").leftJustified(30, QLatin1Char('.'));
    QCOMPARE(thirty.size(), 30);
    prompt->activity->setText(thirty);
    prompt->Command1->click();
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", thirty)}));
}

void tst_clocking::promptClosed()
{
    TestApp app;
    frmmain *m = annLoggedOn(app);
    m->clockin->click();
    frmsub *prompt = app.forms().sub();
    prompt->activity->setText(QStringLiteral("Half typed"));
    prompt->close();
    expectBox(app.dialogs,
              QStringLiteral("Clock In has been Canceled.  If you wish to disable the prompt for a project activity, "
                             "check the box marked disable"),
              QStringLiteral("Canceled"));
    pw::test::settle();
    QVERIFY(app.log(ann).isEmpty());
    QCOMPARE(m->currhours->text(), QStringLiteral("0"));
    QVERIFY(!app.forms().hasSub());

    // The next clock-in shows an empty, newly made prompt; Esc closes it like the close box.
    m->clockin->click();
    frmsub *again = app.forms().sub();
    QVERIFY(again->isVisible());
    QVERIFY(again->activity->text().isEmpty());
    QTest::keyClick(again->activity, Qt::Key_Escape);
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Canceled"));
    QVERIFY(app.log(ann).isEmpty());
}

void tst_clocking::subsSwitch()
{
    TestApp app;
    frmmain *m = annLoggedOn(app);
    app.forms().prop()->subs->setChecked(true);
    QCOMPARE(app.value(QStringLiteral("SELECT subs FROM \"Company Data\"")).toInt(), 1);
    m->clockin->click();
    QVERIFY(!app.forms().hasSub() || !app.forms().sub()->isVisible());
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", " ")}));
    app.clock.set(2026, 12, 7, 9, 0, 0);
    m->clockout->click();

    // A prompt left open with text in it gives that text to the next switched-off clock-in.
    app.forms().prop()->subs->setChecked(false);
    m->clockin->click();
    app.forms().sub()->activity->setText(QStringLiteral("Left open"));
    app.forms().prop()->subs->setChecked(true);
    app.clock.set(2026, 12, 7, 10, 0, 0);
    m->Clkin->trigger();
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", " "), out("2026-12-07 09:00:00"),
                                   in("2026-12-07 10:00:00", "Left open")}));
    QVERIFY(app.forms().sub()->activity->text().isEmpty());
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_clocking::refusals()
{
    TestApp app;
    frmmain *m = annLoggedOn(app);
    // Clock-out on an empty log: small "i".
    m->clockout->click();
    expectBox(app.dialogs, QStringLiteral("You must first Clock in."), QStringLiteral("Clock out Error"));
    QCOMPARE(m->currhours->text(), QStringLiteral("0"));
    QVERIFY(app.log(ann).isEmpty());

    app.forms().prop()->subs->setChecked(true);
    m->clockin->click();
    // Clock-in while clocked in: refused before any prompt.
    app.forms().prop()->subs->setChecked(false);
    m->Clkin->trigger();
    expectBox(app.dialogs, QStringLiteral("You must first Clock Out."), QStringLiteral("Clock In Error"));
    QVERIFY(!app.forms().hasSub() || !app.forms().sub()->isVisible());

    m->clkout->trigger();
    // A second clock-out: capital "I".
    m->clockout->click();
    expectBox(app.dialogs, QStringLiteral("You must first Clock In."), QStringLiteral("Clock out Error"));
    QCOMPARE(app.log(ann).size(), 2);
    QCOMPARE(app.dialogs.count(), 3);
}

void tst_clocking::oddStatus()
{
    // A last entry with another status passes the request, and is refused after "OK".
    TestApp app;
    frmmain *m = annLoggedOn(app);
    app.addEntry(ann, QStringLiteral("2026-12-07 07:00:00"), QStringLiteral("clocked out"));
    m->clockin->click();
    QVERIFY(app.forms().sub()->isVisible());
    app.forms().sub()->Command1->click();
    expectBox(app.dialogs, QStringLiteral("You must first Clock Out."), QStringLiteral("Clock In Error"));
    QCOMPARE(app.log(ann).size(), 1);
    QCOMPARE(m->currhours->text(), QStringLiteral("0   ")); // recomputed: one unpaired entry
    m->clockout->click();
    expectBox(app.dialogs, QStringLiteral("You must first Clock In."), QStringLiteral("Clock out Error"));
}

void tst_clocking::openShiftCounts()
{
    TestApp app;
    frmmain *m = annLoggedOn(app);
    app.forms().prop()->subs->setChecked(true);
    m->clockin->click();
    app.clock.set(2026, 12, 7, 8, 45, 0);
    QTest::mouseClick(m->Label11, Qt::LeftButton);
    QCOMPARE(m->currhours->text(), QStringLiteral("0.75"));
    QCOMPARE(m->currmoney->text(), QStringLiteral("7.5"));
    // The count wrote nothing: the log still ends "Clocked In".
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", " ")}));
    QCOMPARE(m->Lastlogonvalue->text(), QStringLiteral("Clocked In"));
    // A shift over midnight counts every minute across it.
    app.clock.set(2026, 12, 8, 0, 30, 0);
    QTest::mouseClick(m->Label12, Qt::LeftButton);
    QCOMPARE(m->currhours->text(), QStringLiteral("16.5"));
}

void tst_clocking::deleteLast()
{
    TestApp app;
    frmmain *m = annLoggedOn(app);
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("A"));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked Out"));
    app.addEntry(ann, QStringLiteral("2026-12-07 10:00:00"), QStringLiteral("Clocked In"), QStringLiteral("B"));
    app.clock.set(2026, 12, 7, 11, 0, 0);
    QTest::mouseClick(m->Label11, Qt::LeftButton);
    QCOMPARE(m->currhours->text(), QStringLiteral("2   "));

    m->dltlast->trigger();
    QVERIFY(sameLog(app.log(ann), {in("2026-12-07 08:00:00", "A"), out("2026-12-07 09:00:00")}));
    QCOMPARE(m->lgndatetime->text(), QStringLiteral("12/7/2026 8:00:00 AM")); // the first entry
    QCOMPARE(m->currhours->text(), QStringLiteral("2   "));                  // not recomputed

    // Removing the clock-out re-opens the shift: clock-in is refused, clock-out allowed.
    m->dltlast->trigger();
    m->clockin->click();
    expectBox(app.dialogs, QStringLiteral("You must first Clock Out."), QStringLiteral("Clock In Error"));
    m->clockout->click();
    QCOMPARE(app.log(ann).size(), 2);
    QCOMPARE(app.log(ann)[1][1].toString(), QStringLiteral("2026-12-07 11:00:00"));

    m->dltlast->trigger();
    m->dltlast->trigger();
    QVERIFY(app.log(ann).isEmpty());
    QVERIFY(m->lgndatetime->text().isEmpty());
    QVERIFY(!m->prntdata->isEnabled());
    const int boxes = app.dialogs.count();
    m->dltlast->trigger(); // an empty log: nothing, no message
    QCOMPARE(app.dialogs.count(), boxes);
}

void tst_clocking::updateAction()
{
    TestApp app;
    frmmain *m = annLoggedOn(app);
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked Out"));
    QTest::mouseClick(m->Label11, Qt::LeftButton);
    QCOMPARE(m->currhours->text(), QStringLiteral("1   "));

    // A corrected clock-out time typed into the view is stored by UPDATE and counted.
    QCOMPARE(m->lgndatetime->text(), QStringLiteral("12/7/2026 9:00:00 AM"));
    m->lgndatetime->setText(QStringLiteral("12/7/2026 9:30:00 AM"));
    QTest::mouseClick(m->Label12, Qt::LeftButton);
    QCOMPARE(app.log(ann)[1][1].toString(), QStringLiteral("2026-12-07 09:30:00"));
    QCOMPARE(m->currhours->text(), QStringLiteral("1.5 "));
    QCOMPARE(app.dialogs.count(), 0);

    // Text that is not a date and time is refused, and nothing is stored.
    m->lgndatetime->setText(QStringLiteral("half past nine"));
    QTest::mouseClick(m->Label11, Qt::LeftButton);
    expectBox(app.dialogs, QStringLiteral("Invalid Date / Time.  Please correct the entry and try again"), QStringLiteral("Punchwell"),
              Dialogs::Icon::None);
    QCOMPARE(app.log(ann)[1][1].toString(), QStringLiteral("2026-12-07 09:30:00"));
    // The browse buttons refuse it the same way, and stay on the entry.
    m->database->firstButton()->click();
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(m->lgndatetime->text(), QStringLiteral("half past nine"));
}

void tst_clocking::updateReports_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("money");
    QTest::newRow("wage not a number") << "UPDATE datalist SET Ewage = 'ten' WHERE Ename = 'Ann'" << "Error number: 3423  has occured:  "
                                       << "1   " << "0";
    QTest::newRow("unreadable date-time") << "UPDATE Ann SET datetime = 'soon' WHERE rowid = 2"
                                          << "Error number: 3421  has occured:  " << "0   " << "0";
    QTest::newRow("log table gone") << "DROP TABLE Ann" << "Error number: 3078  has occured:  " << "1   " << "0";
}

void tst_clocking::updateReports()
{
    QFETCH(QString, damage);
    QFETCH(QString, start);
    QFETCH(QString, hours);
    QFETCH(QString, money);
    TestApp app;
    app.addEmployee(ann, QStringLiteral("10"));
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked Out"));
    QVERIFY(app.logOn(ann));
    frmmain *m = app.main();
    QCOMPARE(m->currmoney->text(), QStringLiteral("10"));
    app.exec(damage);
    if (damage.contains(QLatin1String("Ewage")))
        QVERIFY(app.logOn(ann)); // the wage is read at logon
    // A plain count says nothing of a wage or entry it cannot read.
    m->fxngettotal(ann);
    QCOMPARE(app.dialogs.count(), damage.startsWith(QLatin1String("DROP")) ? 1 : 0);
    app.dialogs.clear();
    QTest::mouseClick(m->Label11, Qt::LeftButton);
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY2(app.dialogs.last().text.startsWith(start), qPrintable(app.dialogs.last().text));
    QVERIFY(app.dialogs.last().text.endsWith(QStringLiteral(". Please try again.")));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Punchwell"));
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::None);
    QCOMPARE(m->currhours->text(), hours);
    QCOMPARE(m->currmoney->text(), money);
}

void tst_clocking::managementTotals()
{
    TestApp app;
    app.addEmployee(ann, QStringLiteral("7.25"));
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:30:00"), QStringLiteral("Clocked Out"));
    app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    frmmain *m = app.main();
    m->mandata->nextButton()->click();
    QCOMPARE(m->manlist->text(), ann);
    QCOMPARE(m->manehours->text(), QStringLiteral("0.00")); // browsing alone changes nothing
    m->Command1->click();
    QCOMPARE(m->manehours->text(), QStringLiteral("1.5 "));
    QCOMPARE(m->manemoney->text(), QStringLiteral("10.875"));
    QCOMPARE(m->manuse->recordSource(), ann); // the grid shows Ann's log
    m->mandata->firstButton()->click();
    QCOMPARE(m->manemoney->text(), QStringLiteral("10.875"));
    m->Command1->click();
    QCOMPARE(m->manehours->text(), QStringLiteral("0"));
    QCOMPARE(m->manemoney->text(), QStringLiteral("0"));
}

void tst_clocking::fullDatabase()
{
    // The file cannot grow: the clock-in is refused with a message and the log is as it was.
    TestApp app;
    frmmain *m = annLoggedOn(app);
    app.forms().prop()->subs->setChecked(true);
    // Fill the log's pages with the smallest rows there are, until not one more fits.
    app.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(app.value(QStringLiteral("PRAGMA page_count")).toInt()));
    int filled = 0;
    while (!app.db().exec(QStringLiteral("INSERT INTO Ann (inoutfx) VALUES ('Clocked Out')")))
        ++filled;
    QVERIFY(filled > 0);
    const auto before = app.log(ann);
    app.clock.set(2026, 12, 7, 10, 0, 0);
    m->clockin->click();
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY2(app.dialogs.last().text.startsWith(QStringLiteral("The clock-in could not be stored, so nothing was written")),
             qPrintable(app.dialogs.last().text));
    QVERIFY(app.dialogs.last().text.contains(QStringLiteral("error 3026")));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Clock In Error"));
    QCOMPARE(app.log(ann), before);
    // Room again: the program goes on.
    app.exec(QStringLiteral("PRAGMA max_page_count = 100000"));
    m->clockin->click();
    QCOMPARE(app.log(ann).size(), before.size() + 1);
    QCOMPARE(app.log(ann).last()[2].toString(), QStringLiteral("Clocked In"));
}

void tst_clocking::missingLogTable()
{
    TestApp app;
    frmmain *m = annLoggedOn(app);
    app.exec(QStringLiteral("DROP TABLE Ann"));
    m->clockin->click();
    QVERIFY(app.dialogs.count() >= 1);
    QVERIFY(app.dialogs.last().text.contains(ann));
    QVERIFY(app.dialogs.last().text.contains(QStringLiteral("3078")));
    app.dialogs.clear();
    m->clockout->click();
    QVERIFY(app.dialogs.count() >= 1);
    QVERIFY(app.dialogs.shown().first().text.contains(ann));
    m->dltlast->trigger();
    QCOMPARE(*app.db().tableExists(ann), false);
}

PW_TEST_MAIN(tst_clocking)
#include "tst_clocking.moc"
