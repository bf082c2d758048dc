// The main window: its controls and captions, the switches read at load, the clock display, the
// grid toggle, the menu enabling and leaving the window.
#include "platform/formats.h"
#include "platform/typeddatetime.h"
#include "ui/recordbrowser.h"
#include "domain/recordviews.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::clickLabel;
using pw::test::isHidden;
using pw::test::textOf;
using pw::test::typeInto;

namespace {

QString shownText(QWidget *w)
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
        return pw::test::child<QLabel>(r, "caption")->text();
    return QStringLiteral("<no text>");
}

// Leaves the main window as a user does ("Exit" or its close box), or as a workstation by the door
// does when nobody touches it ("idle"). Returns whether the window is hidden afterwards.
bool leaveBy(TestApp &app, const QString &how)
{
    if (how == QLatin1String("idle"))
        app.setIdleLogoff(std::chrono::milliseconds(200));
    else
        pw::test::leave(app.main(), how == QLatin1String("close box"));
    return QTest::qWaitFor([&app] { return !app.main()->isVisible(); }, 10000);
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
    void leavingClosesDialogs_data();
    void leavingClosesDialogs();
    void logonStartsOnTimeFunctions();
    void widenedWindowCentred();
    void gridToggle();
    void gridToggleWithoutTable_data();
    void gridToggleWithoutTable();
    void keyboardAccess();
    void shownDatesReadBack_data();
    void shownDatesReadBack();
    void forgottenClockOut_data();
    void forgottenClockOut();
    void idleLogoff_data();
    void idleLogoff();
    void idleClosesABox();
    void idleWithACorrection();
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
    QTest::newRow("cmdhistory") << "cmdhistory" << "History" << "Show every change to the employee's records";
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
    QWidget *w = child<QWidget>(app.main(), name.toUtf8().constData());
    if (!text.isEmpty())
        QCOMPARE(shownText(w), text);
    QCOMPARE(w->toolTip(), tip);
    // Every control can be told apart by assistive technology.
    QVERIFY2(!w->accessibleName().isEmpty() || shownText(w) != QLatin1String("<no text>"), qPrintable(name));
}

void tst_mainwindow::tabsAndMenu()
{
    TestApp app;
    QWidget *m = app.main();
    QCOMPARE(m->windowTitle(), QStringLiteral("Punchwell"));
    auto *tabs = child<QTabWidget>(m, "SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Time Functions"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Management"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("About"));
    auto *menu = child<QMenu>(m, "usermenu");
    QCOMPARE(menu->title(), QStringLiteral("&Tools"));
    const QList<QAction *> items = menu->actions();
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
    QVERIFY(isHidden(m, "Picture1"));
    QVERIFY(isHidden(m, "Picture3"));
    QVERIFY(isHidden(m, "Picture2"));
    QVERIFY(!isHidden(m, "frmmoney"));
    QVERIFY(child<QLineEdit>(m, "manlist")->isReadOnly());
    QCOMPARE(child<QTimer>(m, "Timer1")->interval(), 250);
    QVERIFY(child<QTimer>(m, "Timer1")->isActive());
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
    app.logon();
    QWidget *m = app.main();
    QCOMPARE(child<QLineEdit>(m, "lgndatetime")->isReadOnly(), on);
    QCOMPARE(isHidden(m, "frmmoney"), on);
    QCOMPARE(isHidden(m, "Picture2"), !on);
    // Reading the switches changes nothing in the file.
    const auto row = app.rows(QStringLiteral("SELECT subs, money, edits FROM \"Company Data\""));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(row[0][i].isNull(), stored.isNull());
        QCOMPARE(row[0][i].toLongLong(), stored.toLongLong());
    }
    // In effect from the first logon of the run.
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    QCOMPARE(child<QWidget>(m, "frmmoney")->isVisible(), !on);
    QCOMPARE(child<QWidget>(m, "Picture2")->isVisible(), on);
    // The properties dialog shows them ticked when the Manager opens it.
    app.managerLogOn();
    pw::test::click(m, "Command2");
    QWidget *p = app.window("frmprop");
    QVERIFY(p && p->isVisible());
    QCOMPARE(child<QCheckBox>(p, "edits")->isChecked(), on);
    QCOMPARE(child<QCheckBox>(p, "money")->isChecked(), on);
    QCOMPARE(child<QCheckBox>(p, "subs")->isChecked(), on);
}

void tst_mainwindow::editsLockedStillBrowses()
{
    TestApp app;
    app.exec(QStringLiteral("UPDATE \"Company Data\" SET edits = 1"));
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 12:00:00"), QStringLiteral("Clocked Out"));
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    QWidget *m = app.main();
    QVERIFY(child<QLineEdit>(m, "lgndatetime")->isReadOnly());
    pw::test::browse(m, "database", "first");
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 8:00:00 AM"));
    pw::test::browse(m, "database", "next");
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 12:00:00 PM"));
    QCOMPARE(textOf(m, "Lastlogonvalue"), QStringLiteral("Clocked Out"));
    pw::test::browse(m, "database", "next"); // stays on the last entry
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 12:00:00 PM"));
}

void tst_mainwindow::clockLabels()
{
    TestApp app;
    app.clock.set(2026, 12, 7, 9, 5, 0);
    QWidget *m = app.main();
    // Shown at once when the window loads.
    QCOMPARE(textOf(m, "lbltime"), QStringLiteral("9:05:00 AM"));
    QCOMPARE(textOf(m, "lbldate"), QStringLiteral("12/7/26"));
    // The running timer follows the clock within a quarter of a second; the date changes with the
    // time, in the same tick.
    app.clock.set(2026, 12, 7, 23, 59, 59);
    QTRY_COMPARE_WITH_TIMEOUT(textOf(m, "lbltime"), QStringLiteral("11:59:59 PM"), 400);
    QCOMPARE(textOf(m, "lbldate"), QStringLiteral("12/7/26"));
    app.clock.advance(1); // midnight
    QTRY_COMPARE_WITH_TIMEOUT(textOf(m, "lbltime"), QStringLiteral("12:00:00 AM"), 400);
    QCOMPARE(textOf(m, "lbldate"), QStringLiteral("12/8/26"));
    app.clock.set(2026, 12, 8, 14, 30, 1);
    QTRY_COMPARE_WITH_TIMEOUT(textOf(m, "lbltime"), QStringLiteral("2:30:01 PM"), 400);
}

void tst_mainwindow::menuEnabling()
{
    TestApp app;
    QWidget *m = app.main();
    auto *print = child<QAction>(m, "prntdata");
    auto *clear = child<QAction>(m, "dltdata");
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    QVERIFY(textOf(m, "lgndatetime").isEmpty());
    QVERIFY(!print->isEnabled());
    QVERIFY(!clear->isEnabled());
    // An entry in the log, shown at the next logon, enables both.
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 8:00:00 AM"));
    QVERIFY(print->isEnabled());
    QVERIFY(clear->isEnabled());
    // Typing follows too: an emptied box disables both.
    typeInto(m, "lgndatetime", QString());
    QVERIFY(!print->isEnabled());
    QVERIFY(!clear->isEnabled());
    typeInto(m, "lgndatetime", QStringLiteral("1"));
    QVERIFY(print->isEnabled());
}

void tst_mainwindow::leaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("Exit") << "Exit" << "Click here for names-->";
    QTest::newRow("close box") << "close box" << "Click here for choice of Names---->";
    QTest::newRow("idle") << "idle" << "Click here for names-->";
}

void tst_mainwindow::leaving()
{
    QFETCH(QString, how);
    QFETCH(QString, prompt);
    TestApp app;
    QWidget *m = app.managerLogOn();
    QVERIFY(!isHidden(m, "Picture1"));
    if (how == QLatin1String("close box"))
        QVERIFY(!m->close());
    else
        QVERIFY(leaveBy(app, how));
    QVERIFY(!m->isVisible());
    QVERIFY(app.logon()->isVisible());
    QCOMPARE(textOf(app.logon(), "namechoice"), prompt);
    QVERIFY(isHidden(m, "Picture1"));
    QVERIFY(!app.programEnd.ended());
    // The same window comes back, with the company name still on the "About" tab.
    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    QCOMPARE(app.main(), m);
    QCOMPARE(textOf(m, "company"), QStringLiteral("Acme Widgets"));
}

void tst_mainwindow::leavingClosesDialogs_data()
{
    QTest::addColumn<QString>("opener"); // the button or menu item that opened the dialog
    QTest::addColumn<QString>("how");
    for (const char *how : {"Exit", "close box", "idle"}) {
        QTest::addRow("Add New, %s", how) << "Command5" << how;
        QTest::addRow("Chg Pass, %s", how) << "ChgPass" << how;
        QTest::addRow("Change My Password, %s", how) << "chpass" << how;
        QTest::addRow("Properties, %s", how) << "Command2" << how;
    }
}

// A dialog the Manager left open must not let whoever comes to the logon window next add an
// employee, set a password or flip a switch: leaving closes it as Cancel would.
void tst_mainwindow::leavingClosesDialogs()
{
    QFETCH(QString, opener);
    QFETCH(QString, how);
    TestApp app;
    QWidget *m = app.managerLogOn();
    const char *name = nullptr;
    std::function<void(QWidget *)> fillIn, finish;
    if (opener == QLatin1String("Command5")) {
        name = "frmadd";
        fillIn = [](QWidget *d) {
            typeInto(d, "newemployee", QStringLiteral("Mallory"));
            typeInto(d, "newwage", QStringLiteral("99"));
        };
        finish = [](QWidget *d) { pw::test::click(d, "Command1"); };
    } else if (opener == QLatin1String("ChgPass")) {
        name = "frmpass";
        fillIn = [](QWidget *d) { typeInto(d, "Text1", QStringLiteral("taken")); };
        finish = [](QWidget *d) { pw::test::click(d, "Command3"); };
    } else if (opener == QLatin1String("chpass")) {
        name = "frmpass";
        fillIn = [](QWidget *d) { typeInto(d, "newpasswrd", QStringLiteral("taken")); };
        finish = [](QWidget *d) { pw::test::click(d, "Command1"); };
    } else {
        name = "frmprop";
        fillIn = [](QWidget *) {};
        finish = [](QWidget *d) { pw::test::tick(d, "edits", true); };
    }
    if (opener == QLatin1String("chpass"))
        pw::test::trigger(m, "chpass");
    else
        pw::test::click(m, opener.toUtf8().constData());
    QPointer<QWidget> dialog = app.window(name);
    QVERIFY(dialog && dialog->isVisible());
    fillIn(dialog);

    QVERIFY(leaveBy(app, how));
    QVERIFY(app.logon()->isVisible());
    QCOMPARE(app.dialogs.count(), 0);
    // Whoever stands at the logon window now finds the dialog, if it is still there, and finishes it.
    pw::test::settle();
    if (dialog && dialog->isVisible())
        finish(dialog);
    QVERIFY2(!app.window(name), "the dialog outlived the Manager's session");
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = 'Mallory'")).toInt(), 0);
    QCOMPARE(app.value(QStringLiteral("SELECT epass FROM datalist WHERE Ename = 'Manager'")).toString(),
             QStringLiteral("boss"));
    QVERIFY(app.value(QStringLiteral("SELECT edits FROM \"Company Data\"")).isNull());
    QVERIFY(!child<QLineEdit>(m, "lgndatetime")->isReadOnly());
    // Closed as Cancel closes it: the name box of the Management tab is usable again.
    QVERIFY(child<QLineEdit>(m, "manlist")->isEnabled());
}

// Whatever tab the last user left, the next logon starts on "Time Functions".
void tst_mainwindow::logonStartsOnTimeFunctions()
{
    TestApp app;
    app.addEmployee(QStringLiteral("Ann"));
    QWidget *m = app.managerLogOn();
    auto *tabs = child<QTabWidget>(m, "SSTab1");
    QCOMPARE(tabs->currentIndex(), 0);
    tabs->setCurrentIndex(1);
    QVERIFY(app.logOn(QStringLiteral("Ann")));
    QCOMPARE(tabs->currentIndex(), 0);
    tabs->setCurrentIndex(2);
    pw::test::leave(m, true);
    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    QCOMPARE(tabs->currentIndex(), 0);
}

// A name too long for the window widens it; widened, it is in the middle of the screen again.
void tst_mainwindow::widenedWindowCentred()
{
    TestApp app;
    const QString longName = QStringLiteral("Maximilian Alexander Wolfgang-Wilhelmsson von Hohenzollern");
    app.addEmployee(longName);
    QWidget *m = app.main();
    const QRect screen = m->screen()->geometry();
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    const QRect usual = m->geometry();
    QVERIFY(app.logOn(longName));
    pw::test::settle();
    QVERIFY(m->width() > usual.width());
    QVERIFY(child<QLabel>(m, "nameemp")->width() >= child<QLabel>(m, "nameemp")->sizeHint().width());
    QCOMPARE(m->x(), screen.x() + (screen.width() - m->width()) / 2);
    // A window that need not grow keeps its place.
    m->move(m->pos() + QPoint(10, 10));
    const QPoint moved = m->pos();
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    pw::test::settle();
    QCOMPARE(m->pos(), moved);
}

void tst_mainwindow::gridToggle()
{
    TestApp app;
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Payroll"));
    QWidget *m = app.managerLogOn();
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Manager"));
    clickLabel(m, "Label8");
    QVERIFY(!isHidden(m, "Picture3"));
    QCOMPARE(child<pw::LogView>(m, "manuse")->recordSource(), QStringLiteral("Manager"));
    const QAbstractItemModel *grid = child<QTableView>(m, "DBGrid1")->model();
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->columnCount(), 4);
    QCOMPARE(grid->headerData(2, Qt::Horizontal).toString(), QStringLiteral("inoutfx"));
    QCOMPARE(grid->index(0, 1).data().toString(), QStringLiteral("12/7/2026 8:00:00 AM"));
    QCOMPARE(grid->index(0, 3).data().toString(), QStringLiteral("Payroll"));

    // The second click hides the grid, and reads the log again.
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 12:00:00"), QStringLiteral("Clocked Out"));
    clickLabel(m, "Label8");
    QVERIFY(isHidden(m, "Picture3"));
    QCOMPARE(child<QTableView>(m, "DBGrid1")->model()->rowCount(), 2);
    clickLabel(m, "Label8");
    QVERIFY(!isHidden(m, "Picture3"));
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_mainwindow::gridToggleWithoutTable_data()
{
    QTest::addColumn<QString>("chosen"); // shown on the tab, listed by no row
    QTest::newRow("empty") << "";
    QTest::newRow("unknown") << "Nobody";
}

void tst_mainwindow::gridToggleWithoutTable()
{
    QFETCH(QString, chosen);
    TestApp app;
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"));
    QWidget *m = app.managerLogOn();
    clickLabel(m, "Label8");
    QCOMPARE(child<QTableView>(m, "DBGrid1")->model()->rowCount(), 1);
    clickLabel(m, "Label8");
    QVERIFY(pw::test::showUnlisted(app, chosen));
    clickLabel(m, "Label8");
    QVERIFY(!isHidden(m, "Picture3"));
    QCOMPARE(child<QTableView>(m, "DBGrid1")->model()->rowCount(), 0);
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_mainwindow::keyboardAccess()
{
    TestApp app;
    QWidget *m = app.managerLogOn();
    QVERIFY(QTest::qWaitForWindowActive(m));
    // The clickable labels take the focus and act on Space, like buttons.
    auto *toggle = child<QLabel>(m, "Label8");
    QCOMPARE(toggle->focusPolicy(), Qt::StrongFocus);
    child<QTabWidget>(m, "SSTab1")->setCurrentIndex(1);
    toggle->setFocus();
    QTest::keyClick(toggle, Qt::Key_Space);
    QVERIFY(!isHidden(m, "Picture3"));
    // Every button can be reached with the Tab key.
    for (QPushButton *b : m->findChildren<QPushButton *>())
        QVERIFY2(b->focusPolicy() & Qt::TabFocus, qPrintable(b->objectName()));
}

// Every date and time the windows show, in the system's own formats, reads back as the same
// date-time when it is typed back: the date label, the entry's date-time, and the default text of
// the ending-date box.
void tst_mainwindow::shownDatesReadBack_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shownEntry"); // 2026-12-07 14:05:09 in the log view
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "12/7/2026 2:05:09 PM";
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "07/12/2026 14:05:09";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "07.12.2026 14:05:09";
}

void tst_mainwindow::shownDatesReadBack()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, shownEntry);
    const QLocale before;
    QLocale::setDefault(locale);
    struct Restore {
        QLocale locale;
        ~Restore() { QLocale::setDefault(locale); }
    } restore{before};

    TestApp app;
    app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 14:05:09"), QStringLiteral("Clocked In"),
                 QStringLiteral(" "));
    app.clock.set(2026, 12, 7, 16, 30, 45);
    QWidget *m = app.managerLogOn();
    QTRY_VERIFY(textOf(m, "lbldate") != QLatin1String("Date"));

    // The date label: the day's first instant.
    const auto date = pw::formats::parseTypedDateTime(textOf(m, "lbldate"));
    QVERIFY2(date, qPrintable(textOf(m, "lbldate")));
    QCOMPARE(date->toStored(), QStringLiteral("2026-12-07 00:00:00"));

    // The entry's date-time, stored again by UPDATE as it reads: no box, nothing changed.
    QCOMPARE(textOf(m, "lgndatetime"), shownEntry);
    app.dialogs.clear();
    clickLabel(m, "Label11");
    QCOMPARE(app.dialogs.count(), 0);
    QCOMPARE(app.log(QStringLiteral("Manager"))[0][1].toString(), QStringLiteral("2026-12-07 14:05:09"));

    // The ending-date box's default text, taken as it stands, prints everything up to now.
    app.dialogs.answer(pw::Dialogs::No);
    pw::test::click(m, "Command3");
    QCOMPARE(app.dialogs.count(), 2);
    const auto ending = pw::formats::parseTypedDateTime(app.dialogs.last().defaultText);
    QVERIFY2(ending, qPrintable(app.dialogs.last().defaultText));
    QCOMPARE(ending->toStored(), QStringLiteral("2026-12-07 16:30:45"));
    QCOMPARE(app.printers.printed().size(), 1);
}


void tst_mainwindow::forgottenClockOut_data()
{
    QTest::addColumn<QString>("last");   // the last entry's date-time, or none
    QTest::addColumn<QString>("status"); // and its status word
    QTest::addColumn<QString>("since");  // what the notice says; empty: no notice
    // The logon is at 12/7/2026 9:00:00 AM.
    QTest::newRow("in for 16 hours and a second") << "2026-12-06 16:59:59" << "Clocked In" << "12/6/2026 4:59:59 PM";
    QTest::newRow("in for 16 hours exactly") << "2026-12-06 17:00:00" << "Clocked In" << "";
    QTest::newRow("out since yesterday") << "2026-12-06 08:00:00" << "Clocked Out" << "";
    QTest::newRow("nothing in the log") << "" << "" << "";
}

// Whoever logs on still clocked in from more than 16 hours ago is told since when, on the window,
// until the logoff or the clock-out.
void tst_mainwindow::forgottenClockOut()
{
    QFETCH(QString, last);
    QFETCH(QString, status);
    QFETCH(QString, since);
    TestApp app;
    app.addEmployee(QStringLiteral("Ann"));
    if (!last.isEmpty())
        app.addEntry(QStringLiteral("Ann"), last, status, QStringLiteral("Night shift"));
    QWidget *m = app.main();
    for (const char *until : {"exitmain", "clockout"}) {
        QVERIFY(app.logOn(QStringLiteral("Ann")));
        QCOMPARE(isHidden(m, "forgottenclockout"), since.isEmpty());
        if (since.isEmpty())
            return;
        QCOMPARE(textOf(m, "forgottenclockout"), QStringLiteral("You have been clocked in since %1, more than 16 hours "
                                                                "ago. Did you forget to clock out?").arg(since));
        if (qstrcmp(until, "clockout") == 0)
            pw::test::click(m, until);
        else
            pw::test::trigger(m, until);
        QVERIFY(isHidden(m, "forgottenclockout"));
    }
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_mainwindow::idleLogoff_data()
{
    QTest::addColumn<int>("after");        // the idle logoff in milliseconds; 0: not set
    QTest::addColumn<QString>("activity"); // every quarter of a second meanwhile
    QTest::newRow("not set") << 0 << "";
    QTest::newRow("keys") << 1000 << "keys";
    QTest::newRow("clicks in a dialog") << 1000 << "clicks";
}

// Idle time counts from the last key or click in any of the program's windows.
void tst_mainwindow::idleLogoff()
{
    QFETCH(int, after);
    QFETCH(QString, activity);
    TestApp app;
    app.setIdleLogoff(std::chrono::milliseconds(after));
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    pw::test::trigger(app.main(), "chpass");
    for (int quarter = 0; quarter < 7; ++quarter) {
        QTest::qWait(250);
        QVERIFY(app.main()->isVisible());
        if (activity == QLatin1String("keys"))
            QTest::keyClick(app.main(), Qt::Key_Shift);
        else if (activity == QLatin1String("clicks"))
            QTest::mouseClick(app.window("frmpass"), Qt::LeftButton);
    }
    if (after > 0)
        QTRY_VERIFY_WITH_TIMEOUT(!app.main()->isVisible() && !app.window("frmpass"), 10000);
}

// A box left open is closed with its cautious answer; the window goes once the action is over.
void tst_mainwindow::idleClosesABox()
{
    TestApp app;
    QWidget *m = app.managerLogOn();
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    bool shownAfterTheBox = false;
    app.dialogs.whileOpen([&] {
        QMessageBox box(QMessageBox::Critical, QString(), QString(), QMessageBox::Yes | QMessageBox::No, m);
        box.setEscapeButton(QMessageBox::No);
        QTimer::singleShot(10000, &box, [&box] { box.done(QMessageBox::Yes); });
        app.setIdleLogoff(std::chrono::milliseconds(200));
        answer = QMessageBox::StandardButton(box.exec());
        shownAfterTheBox = m->isVisible();
    });
    click(m, "Deleteemp");
    QCOMPARE(answer, QMessageBox::No);
    QVERIFY(shownAfterTheBox);
    QTRY_VERIFY_WITH_TIMEOUT(!m->isVisible(), 10000);
}

// Nobody is there to correct a date and time that does not read as one: it is dropped, not asked
// about, and the window goes.
void tst_mainwindow::idleWithACorrection()
{
    TestApp app;
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"));
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    typeInto(app.main(), "lgndatetime", QStringLiteral("7:30 tomorrow"));
    QVERIFY(leaveBy(app, QStringLiteral("idle")));
    QCOMPARE(app.dialogs.count(), 1); // the Manager's own, at the logon
    QCOMPARE(app.log(QStringLiteral("Manager")).value(0).value(1).toString(), QStringLiteral("2026-12-07 08:00:00"));
}

PW_TEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
