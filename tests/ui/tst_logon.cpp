// The logon window: the name list, every logon path, the password panel and leaving.
#include "db/recordset.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::isHidden;
using pw::test::listedNames;
using pw::test::textOf;
using pw::test::typeInto;

namespace {

const QString kLogInError = QStringLiteral("Log In Error");
const QString kNotFound = QStringLiteral("Please enter a valid Name or click on the Combo Box.");

// The employees every logon test starts with.
void staff(TestApp &app)
{
    app.addEmployee(QStringLiteral("Bob"), QStringLiteral("12.50"), QVariant(QMetaType(QMetaType::QString)));
    app.addEmployee(QStringLiteral("alice"), QStringLiteral("9"), QString());
    app.addEmployee(QStringLiteral("Carl"), QStringLiteral("11"), QStringLiteral("Secret"));
    app.addEmployee(QStringLiteral(" Dee"), QStringLiteral("10"), QString());
}

} // namespace

class tst_logon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadsSortedList();
    void refused_data();
    void refused();
    void withoutPassword_data();
    void withoutPassword();
    void managerWithoutPassword();
    void passwordPanel();
    void passwordCancel();
    void managerWithPassword();
    void enterKeys();
    void typingOverPrompt_data();
    void typingOverPrompt();
    void arrowFromPrompt_data();
    void arrowFromPrompt();
    void typedNameKept_data();
    void typedNameKept();
    void missingLogTable();
    void exitAndClose();
};

void tst_logon::loadsSortedList()
{
    TestApp app;
    staff(app);
    QWidget *l = app.logon();
    QCOMPARE(listedNames(l), (QStringList{QStringLiteral(" Dee"), QStringLiteral("alice"), QStringLiteral("Bob"),
                                     QStringLiteral("Carl"), QStringLiteral("Manager")}));
    QCOMPARE(textOf(l, "namechoice"), QStringLiteral("Click here for names-->"));
    QVERIFY(child<QPushButton>(l, "Command1")->isDefault());
    QVERIFY(isHidden(l, "passwordbx"));
    QCOMPARE(textOf(l, "Frame1"), QStringLiteral("Find Your Name"));
    QCOMPARE(textOf(l, "Frame2"), QStringLiteral("Password Required:"));
    QCOMPARE(textOf(l, "Command1"), QStringLiteral("OK"));
    QCOMPARE(textOf(l, "Command2"), QStringLiteral("Exit"));
    QCOMPARE(textOf(l, "Command3"), QStringLiteral("OK"));
    QCOMPARE(textOf(l, "Command4"), QStringLiteral("Cancel"));
    QCOMPARE(child<QLineEdit>(l, "txtpass")->echoMode(), QLineEdit::Password);
}

void tst_logon::refused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("unknown") << "Zed";
    QTest::newRow("other case") << "bob";
    QTest::newRow("other case of Manager") << "manager";
    QTest::newRow("trailing blank") << "Bob ";
    QTest::newRow("leading blank missing") << "Dee";
    QTest::newRow("the prompt itself") << "Click here for names-->";
    QTest::newRow("empty") << "";
    QTest::newRow("injection") << "Bob' OR '1'='1";
}

void tst_logon::refused()
{
    QFETCH(QString, typed);
    TestApp app;
    staff(app);
    QVERIFY(!app.logOn(typed));
    QCOMPARE(app.dialogs.count(), 1);
    QCOMPARE(app.dialogs.last().text, kNotFound);
    QCOMPARE(app.dialogs.last().title, kLogInError);
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(app.dialogs.last().buttons, Dialogs::Buttons(Dialogs::Ok));
    QVERIFY(app.logon()->isVisible());
    QVERIFY(isHidden(app.logon(), "passwordbx"));
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist")).toInt(), 5);
}

void tst_logon::withoutPassword_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("wages"); // an hour's wage per hour, counted at logon
    QTest::newRow("Null password") << "Bob" << "12.5";
    QTest::newRow("empty password") << "alice" << "9";
    QTest::newRow("leading blank") << " Dee" << "10";
}

void tst_logon::withoutPassword()
{
    QFETCH(QString, name);
    QFETCH(QString, wages);
    TestApp app;
    staff(app);
    app.addEntry(name, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Filing"));
    QVERIFY(app.logOn(name));
    QCOMPARE(app.dialogs.count(), 0);
    QWidget *m = app.main();
    QVERIFY(!app.logon()->isVisible());
    QCOMPARE(textOf(m, "nameemp"), name);
    // The logon counts the open shift up to now (9:00) with the employee's wage per hour.
    QCOMPARE(textOf(m, "currhours"), QStringLiteral("1   "));
    QCOMPARE(textOf(m, "currmoney"), wages);
    QCOMPARE(pw::test::records(m, "database").recordSource(), name);
    QCOMPARE(textOf(m, "lgndatetime"), QStringLiteral("12/7/2026 8:00:00 AM"));
    QCOMPARE(textOf(m, "Lastlogonvalue"), QStringLiteral("Clocked In"));
    QCOMPARE(textOf(m, "Label5"), QStringLiteral("Filing"));
    QVERIFY(isHidden(m, "Picture1"));
    QVERIFY(textOf(app.logon(), "txtpass").isEmpty());
}

void tst_logon::managerWithoutPassword()
{
    TestApp app;
    QVERIFY(app.logOn(QStringLiteral("Manager")));
    QCOMPARE(app.dialogs.count(), 1);
    QCOMPARE(app.dialogs.last().text,
             QStringLiteral("You will be unable to use Management functions until you change your password."));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Information"));
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
    QVERIFY(isHidden(app.main(), "Picture1"));
}

void tst_logon::passwordPanel()
{
    TestApp app;
    staff(app);
    QWidget *l = app.logon();
    l->show();
    pw::test::settle();
    const QRect place = l->geometry();
    typeInto(l, "namechoice", QStringLiteral("Carl"));
    click(l, "Command1");
    QVERIFY(!isHidden(l, "passwordbx"));
    QVERIFY(!child<QWidget>(l, "Frame1")->isVisible()); // covered by the panel
    pw::test::settle();
    QCOMPARE(l->geometry(), place); // the window keeps still
    QVERIFY(!app.main()->isVisible());

    // Any number of wrong tries; each empties the box.
    for (const QString &wrong : {QStringLiteral("secret"), QStringLiteral("Secret "), QString(), QStringLiteral("x")}) {
        typeInto(l, "txtpass", wrong);
        QVERIFY(child<QPushButton>(l, "Command3")->isDefault());
        click(l, "Command3");
        QCOMPARE(app.dialogs.last().text, QStringLiteral("Incorrect Password, Please retry or Cancel."));
        QCOMPARE(app.dialogs.last().title, QStringLiteral("Password Error"));
        QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
        QVERIFY(textOf(l, "txtpass").isEmpty());
        QVERIFY(!isHidden(l, "passwordbx"));
        QVERIFY(!app.main()->isVisible());
    }
    QCOMPARE(app.dialogs.count(), 4);
    typeInto(l, "txtpass", QStringLiteral("Secret"));
    click(l, "Command3");
    QCOMPARE(app.dialogs.count(), 4);
    QVERIFY(app.main()->isVisible());
    QVERIFY(!l->isVisible());
    QVERIFY(isHidden(l, "passwordbx"));
    QVERIFY(textOf(l, "txtpass").isEmpty());
    QCOMPARE(textOf(app.main(), "nameemp"), QStringLiteral("Carl"));
    QCOMPARE(pw::test::records(app.main(), "database").recordSource(), QStringLiteral("Carl"));
    QVERIFY(isHidden(app.main(), "Picture1")); // only the Manager gets the panel
}

void tst_logon::passwordCancel()
{
    TestApp app;
    staff(app);
    QWidget *l = app.logon();
    l->show();
    typeInto(l, "namechoice", QStringLiteral("Carl"));
    click(l, "Command1");
    typeInto(l, "txtpass", QStringLiteral("half"));
    click(l, "Command4");
    QVERIFY(isHidden(l, "passwordbx"));
    QVERIFY(child<QWidget>(l, "Frame1")->isVisible());
    QCOMPARE(textOf(l, "namechoice"), QStringLiteral("Click here for names-->"));
    QVERIFY(!app.main()->isVisible());
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_logon::managerWithPassword()
{
    TestApp app;
    app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    QCOMPARE(app.dialogs.count(), 0);
    QVERIFY(!isHidden(app.main(), "Picture1"));
    // Leaving hides the panel again until the next password logon.
    pw::test::trigger(app.main(), "exitmain");
    QVERIFY(isHidden(app.main(), "Picture1"));
}

void tst_logon::enterKeys()
{
    TestApp app;
    staff(app);
    QWidget *l = app.logon();
    l->show();
    QVERIFY(QTest::qWaitForWindowActive(l));
    auto *names = child<QComboBox>(l, "namechoice");
    names->setFocus();
    names->lineEdit()->selectAll();
    QTest::keyClicks(names, QStringLiteral("Carl"));
    QTest::keyClick(names, Qt::Key_Return);
    QVERIFY(!isHidden(l, "passwordbx"));
    auto *password = child<QLineEdit>(l, "txtpass");
    QTRY_VERIFY(password->hasFocus());
    QTest::keyClicks(password, QStringLiteral("Secret"));
    QTest::keyClick(password, Qt::Key_Return);
    QVERIFY(app.main()->isVisible());
    QCOMPARE(app.dialogs.count(), 0);
}

namespace {

// Brings the prompt into the name box the way a user meets it: the window's load, leaving the
// main window by "Exit" or its close box (after a name chosen from the list), or "Cancel" on the
// password panel. The logon window is shown and active afterwards.
bool promptBy(TestApp &app, const QString &how)
{
    QWidget *l = app.logon();
    l->show();
    if (!QTest::qWaitForWindowActive(l))
        return false;
    auto *names = child<QComboBox>(l, "namechoice");
    if (how == QLatin1String("Cancel")) {
        typeInto(l, "namechoice", QStringLiteral("Carl"));
        click(l, "Command1");
        click(l, "Command4");
    } else if (how != QLatin1String("load")) {
        names->setCurrentIndex(names->findText(QStringLiteral("Bob")));
        click(l, "Command1");
        if (!app.main()->isVisible())
            return false;
        pw::test::leave(app.main(), how == QLatin1String("close box"));
    }
    // The main window going and the logon window coming are both settled before the test goes on.
    pw::test::settle();
    if (!l->isActiveWindow())
        l->activateWindow();
    return QTest::qWaitFor([l] { return l->isActiveWindow(); })
        && names->currentText().startsWith(QLatin1String("Click here for "));
}

} // namespace

void tst_logon::typingOverPrompt_data()
{
    QTest::addColumn<QString>("how");   // how the prompt came into the box
    QTest::addColumn<QString>("focus"); // how the box got the focus
    for (const char *focus : {"window", "Tab", "mouse"})
        for (const char *how : {"load", "Exit", "close box", "Cancel"})
            QTest::addRow("%s, %s", how, focus) << how << focus;
}

// The first typed character replaces the prompt, however the box got the focus.
void tst_logon::typingOverPrompt()
{
    QFETCH(QString, how);
    QFETCH(QString, focus);
    TestApp app;
    staff(app);
    QVERIFY(promptBy(app, how));
    QWidget *l = app.logon();
    auto *names = child<QComboBox>(l, "namechoice");
    if (focus == QLatin1String("Tab")) {
        auto *exit = child<QPushButton>(l, "Command2");
        exit->setFocus();
        QTest::keyClick(exit, Qt::Key_Tab); // round to the first control
    } else if (focus == QLatin1String("mouse")) {
        QTest::mouseClick(names->lineEdit(), Qt::LeftButton, {}, names->lineEdit()->rect().center());
    }
    QWidget *typedInto = QApplication::focusWidget();
    QVERIFY(typedInto == names || typedInto == names->lineEdit());
    QTest::keyClicks(typedInto, QStringLiteral("Bob"));
    QCOMPARE(names->currentText(), QStringLiteral("Bob"));
    QTest::keyClick(typedInto, Qt::Key_Return);
    QVERIFY(app.main()->isVisible());
    QCOMPARE(textOf(app.main(), "nameemp"), QStringLiteral("Bob"));
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_logon::arrowFromPrompt_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("load") << "load";
    QTest::newRow("Exit") << "Exit";
    QTest::newRow("close box") << "close box";
    QTest::newRow("Cancel") << "Cancel";
}

// Down from the prompt goes to the first name of the list, whatever was chosen before.
void tst_logon::arrowFromPrompt()
{
    QFETCH(QString, how);
    TestApp app;
    staff(app);
    QVERIFY(promptBy(app, how));
    auto *names = child<QComboBox>(app.logon(), "namechoice");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(names->currentText(), QStringLiteral(" Dee"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(names->currentText(), QStringLiteral("alice"));
}

void tst_logon::typedNameKept_data()
{
    QTest::addColumn<QString>("how");   // how the prompt came into the box (promptBy)
    QTest::addColumn<QString>("typed"); // then typed over it
    QTest::addColumn<QString>("shown"); // what the box shows, also after each press of "OK"
    QTest::addColumn<bool>("enter");    // "OK" by Enter in the box; else Tab away and a click
    QTest::newRow("Enter on the prompt after Exit") << "Exit" << "" << "Click here for names-->" << true;
    QTest::newRow("Enter on the prompt after Cancel") << "Cancel" << "" << "Click here for names-->" << true;
    QTest::newRow("other case, Enter") << "load" << "bob" << "bob" << true;
    QTest::newRow("other case, leaving the box") << "load" << "bob" << "bob" << false;
    QTest::newRow("a start in another case") << "load" << "bO" << "bO" << true;
    QTest::newRow("a start, completed") << "load" << "Bo" << "Bob" << true;
}

// The box holds what was typed: a completion may add to it, never change a typed letter, and
// pressing "OK" again never brings back the name chosen before.
void tst_logon::typedNameKept()
{
    QFETCH(QString, how);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, enter);
    TestApp app;
    staff(app);
    QVERIFY(promptBy(app, how));
    QWidget *l = app.logon();
    QTest::keyClicks(QApplication::focusWidget(), typed);
    const bool listed = listedNames(l).contains(shown);
    for (int press = 1; press <= (listed ? 1 : 2); ++press) {
        QTest::keyClick(QApplication::focusWidget(), enter ? Qt::Key_Return : Qt::Key_Tab);
        if (!enter)
            click(l, "Command1");
        QCOMPARE(app.main()->isVisible(), listed);
        QCOMPARE(textOf(listed ? app.main() : l, listed ? "nameemp" : "namechoice"), shown);
        QCOMPARE(app.dialogs.count(), listed ? 0 : press);
        QVERIFY(listed || pw::test::lastBoxIs(app.dialogs, kNotFound, kLogInError));
    }
}

void tst_logon::missingLogTable()
{
    TestApp app;
    staff(app);
    app.exec(QStringLiteral("DROP TABLE \"Bob\""));
    QVERIFY(!app.logOn(QStringLiteral("Bob")));
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY(app.dialogs.last().text.contains(QStringLiteral("Bob")));
    QCOMPARE(app.dialogs.last().title, kLogInError);
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
    QVERIFY(app.logon()->isVisible());
    // The logon window is still usable.
    QVERIFY(app.logOn(QStringLiteral("alice")));
    QCOMPARE(textOf(app.main(), "nameemp"), QStringLiteral("alice"));
}

void tst_logon::exitAndClose()
{
    {
        TestApp app;
        app.logon()->show();
        click(app.logon(), "Command2");
        QVERIFY(app.programEnd.ended());
        QVERIFY(!app.logon()->isVisible());
    }
    {
        TestApp app;
        app.logon()->show();
        app.logon()->close();
        QVERIFY(app.programEnd.ended());
    }
    {
        // Esc on the name panel does not end the program; on the password panel it cancels.
        TestApp app;
        staff(app);
        QWidget *l = app.logon();
        l->show();
        QTest::keyClick(l, Qt::Key_Escape);
        QVERIFY(l->isVisible());
        QVERIFY(!app.programEnd.ended());
        typeInto(l, "namechoice", QStringLiteral("Carl"));
        click(l, "Command1");
        QTest::keyClick(child<QLineEdit>(l, "txtpass"), Qt::Key_Escape);
        QVERIFY(isHidden(l, "passwordbx"));
        QVERIFY(l->isVisible());
    }
}

PW_TEST_MAIN(tst_logon)
#include "tst_logon.moc"
