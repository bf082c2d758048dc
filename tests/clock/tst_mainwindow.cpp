// The main window: its controls and captions, the switches read at load, the clock display, the
// grid toggle, the menu enabling and leaving the window.
#include "admin/frmprop.h"
#include "clock/clicklabel.h"
#include "clock/frmmain.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "startup/frmlogon.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using pw::test::TestApp;

namespace {

QString textOf(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QPushButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    if (auto *c = qobject_cast<QCheckBox *>(w))
        return c->text();
    if (auto *r = qobject_cast<pw::RecordBrowser *>(w))
        return r->caption();
    return QStringLiteral("<no text>");
}

} // namespace

class tst_mainwindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controls_data();
    void controls();
    void tabsAndMenu();
    void switchesAtLoad_data();
    void switchesAtLoad();
    void editsLockedStillBrowses();
    void clockLabels();
    void menuEnabling();
    void leaving_data();
    void leaving();
    void gridToggle();
    void gridToggleWithoutTable_data();
    void gridToggleWithoutTable();
    void keyboardAccess();
};

void tst_mainwindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");

    QTest::newRow("Frame1") << "Frame1" << "Time and Date:" << "";
    QTest::newRow("lbldate") << "lbldate" << "" << "Current Date";
    QTest::newRow("lbltime") << "lbltime" << "" << "Current Time";
    QTest::newRow("nameemp") << "nameemp" << "" << "This displays the current users name";
    QTest::newRow("Label12") << "Label12" << "click here to" << "Click here to update the total hours";
    QTest::newRow("Label11") << "Label11" << "UPDATE" << "Update the total hours";
    QTest::newRow("Frame2") << "Frame2" << "Punchwell Data:" << "";
    QTest::newRow("lgndatetime") << "lgndatetime" << "<no text>" << "Current records time and data";
    QTest::newRow("Lastlogonvalue") << "Lastlogonvalue" << "LastLogon" << "Status of the current record. ";
    QTest::newRow("database") << "database" << " Browser"
                              << "Click on there \"browser\" buttons to move between records.";
    QTest::newRow("clockin") << "clockin" << "ClockIn (F1)" << "Click here to Clock In";
    QTest::newRow("clockout") << "clockout" << "ClockOut (F2)" << "Click here to Clock Out";
    QTest::newRow("Frame7") << "Frame7" << "Tot. Hours" << "";
    QTest::newRow("currhours") << "currhours" << "0" << "Total number of hours";
    QTest::newRow("frmmoney") << "frmmoney" << "Est. Wages" << "";
    QTest::newRow("currmoney") << "currmoney" << "0.00" << "";
    QTest::newRow("Label13") << "Label13" << "Punchwell" << "";
    QTest::newRow("Frame3") << "Frame3" << "Select an Employee:" << "";
    QTest::newRow("mandata") << "mandata" << "Browser" << "";
    QTest::newRow("manehours") << "manehours" << "0.00" << "";
    QTest::newRow("manemoney") << "manemoney" << "0.00" << "";
    QTest::newRow("Label8") << "Label8" << "Toggle Employee Grid" << "Click here to view an Employee's data in a Data Grid.";
    QTest::newRow("Frame4") << "Frame4" << "Functions:" << "";
    QTest::newRow("Command5") << "Command5" << "Add New" << "Add a new Employee";
    QTest::newRow("Deleteemp") << "Deleteemp" << "Delete" << "Delete an Employee";
    QTest::newRow("Command4") << "Command4" << "Clear Log" << "Clear an Employee's logs";
    QTest::newRow("Command3") << "Command3" << "Print Log" << "Print an Employee's Time Card";
    QTest::newRow("ChgPass") << "ChgPass" << "Chg Pass" << "Change an Employee's password";
    QTest::newRow("Command1") << "Command1" << "Get Hrs/$" << "Get the Employee's total number of hours and pay.";
    QTest::newRow("Command2") << "Command2" << "Properties" << "Change Punchwell's properties";
    QTest::newRow("Frame5") << "Frame5" << "About this Program:" << "";
    QTest::newRow("cmpname") << "cmpname" << "Company Name:" << "";
}

void tst_mainwindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    TestApp app;
    frmmain *m = app.main();
    QWidget *w = m->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    if (!text.isEmpty())
        QCOMPARE(textOf(w), text);
    QCOMPARE(w->toolTip(), tip);
    // Every control can be told apart by assistive technology.
    QVERIFY2(!w->accessibleName().isEmpty() || textOf(w) != QLatin1String("<no text>"), qPrintable(name));
}

void tst_mainwindow::tabsAndMenu()
{
    TestApp app;
    frmmain *m = app.main();
    QCOMPARE(m->windowTitle(), QStringLiteral("Punchwell"));
    QCOMPARE(m->SSTab1->count(), 3);
    QCOMPARE(m->SSTab1->tabText(0), QStringLiteral("Time Functions"));
    QCOMPARE(m->SSTab1->tabText(1), QStringLiteral("Management"));
    QCOMPARE(m->SSTab1->tabText(2), QStringLiteral("About"));
    QCOMPARE(m->usermenu->title(), QStringLiteral("&Tools"));
    const QList<QAction *> items = m->usermenu->actions();
    const QStringList names{"Clkin", "clkout", "prntdata", "dltdata", "dltlast", "chpass", "exitmain"};
    const QStringList captions{"Clock &In", "Clock &Out", "&Print Log", "&Clear Log", "&Delete Last",
                               "Change My Pass&word", "E&xit"};
    const QList<QKeySequence> keys{QKeySequence(Qt::Key_F1), QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_P),
                                   QKeySequence(Qt::CTRL | Qt::Key_D), {}, {}, {}};
    const QList<bool> enabled{true, true, false, false, true, true, true};
    QCOMPARE(items.size(), names.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->objectName(), names[i]);
        QCOMPARE(items[i]->text(), captions[i]);
        QCOMPARE(items[i]->shortcut(), keys[i]);
        QCOMPARE(items[i]->isEnabled(), enabled[i]);
    }
    QVERIFY(m->Picture1->isHidden());
    QVERIFY(m->Picture3->isHidden());
    QVERIFY(m->Picture2->isHidden());
    QVERIFY(!m->frmmoney->isHidden());
    QVERIFY(m->Thismoney->isHidden());
    QVERIFY(m->manlist->isReadOnly());
    QCOMPARE(m->Timer1->interval(), 250);
    QVERIFY(m->Timer1->isActive());
}

void tst_mainwindow::switchesAtLoad_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << QVariant(1) << true;
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("2") << QVariant(2) << false;
    QTest::newRow("-1") << QVariant(-1) << false;
    QTest::newRow("Null") << QVariant() << false;
}

void tst_mainwindow::switchesAtLoad()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, on);
    TestApp app;
    app.exec(QStringLiteral("UPDATE \"Company Data\" SET subs = ?, money = ?, edits = ?"), {stored, stored, stored});
    frmlogon *l = app.logon();
    Q_UNUSED(l);
    frmmain *m = app.main();
    frmprop *p = app.forms().prop();
    QCOMPARE(p->edits->isChecked(), on);
    QCOMPARE(p->money->isChecked(), on);
    QCOMPARE(p->subs->isChecked(), on);
    QCOMPARE(m->lgndatetime->isReadOnly(), on);
    QCOMPARE(m->frmmoney->isHidden(), on);
    QCOMPARE(m->Picture2->isHidden(), !on);
    // Reading the switches changes nothing in the file.
    const auto row = app.rows(QStringLiteral("SELECT subs, money, edits FROM \"Company Data\""));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(row[0][i].isNull(), stored.isNull());
        QCOMPARE(row[0][i].toLongLong(), stored.toLongLong());
    }
    // In effect from the first logon of the run.
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    QCOMPARE(m->frmmoney->isVisible(), !on);
    QCOMPARE(m->Picture2->isVisible(), on);
}

void tst_mainwindow::editsLockedStillBrowses()
{
    TestApp app;
    app.exec(QStringLiteral("UPDATE \"Company Data\" SET edits = 1"));
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 12:00:00"), QStringLiteral("Clocked Out"));
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    frmmain *m = app.main();
    QVERIFY(m->lgndatetime->isReadOnly());
    m->database->firstButton()->click();
    QCOMPARE(m->lgndatetime->text(), QStringLiteral("12/7/2026 8:00:00 AM"));
    m->database->nextButton()->click();
    QCOMPARE(m->lgndatetime->text(), QStringLiteral("12/7/2026 12:00:00 PM"));
    QCOMPARE(m->Lastlogonvalue->text(), QStringLiteral("Clocked Out"));
    m->database->nextButton()->click(); // stays on the last entry
    QCOMPARE(m->lgndatetime->text(), QStringLiteral("12/7/2026 12:00:00 PM"));
}

void tst_mainwindow::clockLabels()
{
    TestApp app;
    app.clock.set(2026, 12, 7, 9, 5, 0);
    frmmain *m = app.main();
    m->Timer1_Timer();
    QCOMPARE(m->lbltime->text(), QStringLiteral("9:05:00 AM"));
    QCOMPARE(m->lbldate->text(), QStringLiteral("12/7/26"));
    app.clock.set(2026, 12, 7, 23, 59, 59);
    m->Timer1_Timer();
    QCOMPARE(m->lbltime->text(), QStringLiteral("11:59:59 PM"));
    QCOMPARE(m->lbldate->text(), QStringLiteral("12/7/26"));
    app.clock.advance(1); // midnight
    m->Timer1_Timer();
    QCOMPARE(m->lbltime->text(), QStringLiteral("12:00:00 AM"));
    QCOMPARE(m->lbldate->text(), QStringLiteral("12/8/26"));
    // The running timer follows the clock within a quarter of a second.
    app.clock.set(2026, 12, 8, 14, 30, 1);
    QTRY_COMPARE_WITH_TIMEOUT(m->lbltime->text(), QStringLiteral("2:30:01 PM"), 400);
}

void tst_mainwindow::menuEnabling()
{
    TestApp app;
    frmmain *m = app.main();
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    QVERIFY(m->lgndatetime->text().isEmpty());
    QVERIFY(!m->prntdata->isEnabled());
    QVERIFY(!m->dltdata->isEnabled());
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    QVERIFY(!m->openLog(QStringLiteral("Manager")));
    QVERIFY(m->prntdata->isEnabled());
    QVERIFY(m->dltdata->isEnabled());
    // Typing follows too: an emptied box disables both.
    m->lgndatetime->clear();
    QVERIFY(!m->prntdata->isEnabled());
    QVERIFY(!m->dltdata->isEnabled());
    m->lgndatetime->setText(QStringLiteral("1"));
    QVERIFY(m->prntdata->isEnabled());
}

void tst_mainwindow::leaving_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("Exit") << false << "Click here for names-->";
    QTest::newRow("close box") << true << "Click here for choice of Names---->";
}

void tst_mainwindow::leaving()
{
    QFETCH(bool, closeBox);
    QFETCH(QString, prompt);
    TestApp app;
    app.managerLogOn();
    frmmain *m = app.main();
    QVERIFY(!m->Picture1->isHidden());
    if (closeBox)
        QVERIFY(!m->close());
    else
        m->exitmain->trigger();
    QVERIFY(!m->isVisible());
    QVERIFY(app.logon()->isVisible());
    QCOMPARE(app.logon()->namechoice->currentText(), prompt);
    QVERIFY(m->Picture1->isHidden());
    QVERIFY(!app.programEnd.ended());
    // The same window comes back, with the company name still on the "About" tab.
    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    QCOMPARE(app.main(), m);
    QCOMPARE(m->company->text(), QStringLiteral("Acme Widgets"));
}

void tst_mainwindow::gridToggle()
{
    TestApp app;
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Payroll"));
    app.managerLogOn();
    frmmain *m = app.main();
    QCOMPARE(m->manlist->text(), QStringLiteral("Manager"));
    m->Label8_Click();
    QVERIFY(!m->Picture3->isHidden());
    QCOMPARE(m->manuse->recordSource(), QStringLiteral("Manager"));
    QCOMPARE(m->DBGrid1->model()->rowCount(), 1);
    QCOMPARE(m->DBGrid1->model()->columnCount(), 4);
    QCOMPARE(m->DBGrid1->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("inoutfx"));
    QCOMPARE(m->DBGrid1->model()->index(0, 1).data().toString(), QStringLiteral("12/7/2026 8:00:00 AM"));
    QCOMPARE(m->DBGrid1->model()->index(0, 3).data().toString(), QStringLiteral("Payroll"));

    // The second click hides the grid, and reads the log again.
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 12:00:00"), QStringLiteral("Clocked Out"));
    m->Label8_Click();
    QVERIFY(m->Picture3->isHidden());
    QCOMPARE(m->DBGrid1->model()->rowCount(), 2);
    m->Label8_Click();
    QVERIFY(!m->Picture3->isHidden());
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_mainwindow::gridToggleWithoutTable_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::newRow("empty") << "";
    QTest::newRow("unknown") << "Nobody";
}

void tst_mainwindow::gridToggleWithoutTable()
{
    QFETCH(QString, chosen);
    TestApp app;
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"));
    app.managerLogOn();
    frmmain *m = app.main();
    m->Label8_Click();
    QCOMPARE(m->DBGrid1->model()->rowCount(), 1);
    m->Label8_Click();
    m->manlist->setText(chosen);
    m->Label8_Click();
    QVERIFY(!m->Picture3->isHidden());
    QCOMPARE(m->DBGrid1->model()->rowCount(), 0);
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_mainwindow::keyboardAccess()
{
    TestApp app;
    app.managerLogOn();
    frmmain *m = app.main();
    QVERIFY(QTest::qWaitForWindowActive(m));
    // The clickable labels take the focus and act on Space, like buttons.
    QCOMPARE(m->Label8->focusPolicy(), Qt::StrongFocus);
    m->SSTab1->setCurrentIndex(1);
    m->Label8->setFocus();
    QTest::keyClick(m->Label8, Qt::Key_Space);
    QVERIFY(!m->Picture3->isHidden());
    // Every button can be reached with the Tab key.
    for (QPushButton *b : m->findChildren<QPushButton *>())
        QVERIFY2(b->focusPolicy() & Qt::TabFocus, qPrintable(b->objectName()));
}

PW_TEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
