// The password dialog in both modes: whose row it writes, its mode switch, its keys and closing.
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::isHidden;
using pw::test::typeInto;

namespace {

const QString kNotFound =
    QStringLiteral("Sorry, their was a problem with the data file. Check with your system administrator.");

// Bob with a password, two rows named Dup, and the Manager (or Bob) logged on, through the password
// panel when the user has a password (the Manager's is managerPassword). Returns whether the logon
// succeeded.
bool setUp(TestApp &app, const QString &user = QStringLiteral("Manager"),
           const QString &managerPassword = QStringLiteral("boss"))
{
    app.addEmployee(QStringLiteral("Bob"), QStringLiteral("10"), QStringLiteral("old"));
    app.addEmployee(QStringLiteral("Dup"), QStringLiteral("10"), QStringLiteral("d1"));
    app.exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage, epass) VALUES ('Dup', '10', 'd2')"));
    app.exec(QStringLiteral("UPDATE datalist SET epass = ? WHERE Ename = 'Manager'"), {managerPassword});
    return app.logOn(user, user == QLatin1String("Bob") ? QStringLiteral("old") : managerPassword);
}

QList<QVariantList> passwords(TestApp &app)
{
    return app.rows(QStringLiteral("SELECT Ename, epass FROM datalist ORDER BY %1").arg(app.orderKey()));
}

// Opens the dialog from the menu ("own") or from "Chg Pass" ("employee").
QWidget *open(TestApp &app, const QString &mode)
{
    if (mode == QLatin1String("own"))
        pw::test::trigger(app.main(), "chpass");
    else
        click(app.main(), "ChgPass");
    QWidget *dialog = app.window("frmpass");
    if (!dialog)
        qFatal("the password dialog did not open");
    return dialog;
}

// The mode is the visibility of the employee-password panel.
bool isEmployeeMode(QWidget *dialog)
{
    return !isHidden(dialog, "Picture1");
}

bool isDefault(QWidget *dialog, const char *button)
{
    return child<QPushButton>(dialog, button)->isDefault();
}

} // namespace

class tst_password : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void change_data();
    void change();
    void notChanged_data();
    void notChanged();
    void modeSwitch();
    void enterKey_data();
    void enterKey();
};

void tst_password::change_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("shown"); // on the Management tab when OK is pressed
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("row"); // the one row that changes
    QTest::addColumn<QString>("managerBefore"); // the Manager's password until then
    QTest::addColumn<bool>("opensManagement");  // the box says the next logon opens management
    QTest::newRow("own, Manager") << "Manager" << "own" << "" << "n3w Pass" << 0 << "boss" << false;
    QTest::newRow("own, empty password") << "Manager" << "own" << "" << "" << 0 << "boss" << false;
    QTest::newRow("own, Manager's first password") << "Manager" << "own" << "" << "n3w Pass" << 0 << "" << true;
    QTest::newRow("own, Manager still without one") << "Manager" << "own" << "" << "" << 0 << "" << false;
    QTest::newRow("own, employee") << "Bob" << "own" << "" << " b0b " << 1 << "" << false;
    QTest::newRow("employee shown at OK") << "Manager" << "employee" << "Bob" << "x" << 1 << "boss" << false;
    QTest::newRow("first of equal rows") << "Manager" << "employee" << "Dup" << "d3" << 2 << "boss" << false;
}

void tst_password::change()
{
    QFETCH(QString, user);
    QFETCH(QString, mode);
    QFETCH(QString, shown);
    QFETCH(QString, password);
    QFETCH(int, row);
    QFETCH(QString, managerBefore);
    QFETCH(bool, opensManagement);
    TestApp app;
    QVERIFY(setUp(app, user, managerBefore));
    app.dialogs.clear(); // the Manager without a password was told so at the logon
    QWidget *m = app.main();
    QList<QVariantList> expected = passwords(app);
    expected[row][1] = password;

    QWidget *p = open(app, mode);
    // The Management tab moves on after the dialog opened.
    if (!shown.isEmpty())
        QVERIFY(pw::test::showEmployee(m, shown));
    const bool own = mode == QLatin1String("own");
    typeInto(p, own ? "newpasswrd" : "Text1", password);
    click(p, own ? "Command1" : "Command3");

    QCOMPARE(app.dialogs.count(), 1);
    QCOMPARE(app.dialogs.last().text, opensManagement ? QStringLiteral("Password Successfully Changed.  The Management "
                                                                       "functions open at your next logon.")
                                                      : QStringLiteral("Password Successfully Changed."));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Successful!"));
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Information);
    QCOMPARE(passwords(app), expected);
    pw::test::settle();
    QVERIFY(!app.window("frmpass"));

    // The next logon asks for the new password, or for none when it is empty.
    pw::test::trigger(m, "exitmain");
    QVERIFY(app.logOn(expected[row][0].toString(), password));
    QCOMPARE(isHidden(m, "Picture1"), password.isEmpty() || row != 0);
}

void tst_password::notChanged_data()
{
    QTest::addColumn<QString>("shown"); // on the Management tab; only Bob is listed
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("text"); // of the one box shown, if any
    QTest::newRow("other case") << "bob" << 0 << kNotFound;
    QTest::newRow("empty") << "" << 0 << kNotFound;
    QTest::newRow("unlisted") << "Nobody" << 0 << kNotFound;
    QTest::newRow("read-only file") << "Bob" << 1
                                   << "The password could not be stored: the database file is read-only, so nothing "
                                      "can be stored in it (error 3027).  Nothing was changed.";
    QTest::newRow("close box") << "Bob" << 2 << "";
    QTest::newRow("Esc") << "Bob" << 3 << "";
}

void tst_password::notChanged()
{
    QFETCH(QString, shown);
    QFETCH(int, how);
    QFETCH(QString, text);
    if (how == 1)
        PW_FILE_ONLY("a file made read-only");
    TestApp app;
    QVERIFY(setUp(app));
    const auto before = passwords(app);
    QWidget *p = open(app, QStringLiteral("employee"));
    if (shown == QLatin1String("Bob"))
        QVERIFY(pw::test::showEmployee(app.main(), shown));
    else
        QVERIFY(pw::test::showUnlisted(app, shown));
    typeInto(p, "Text1", QStringLiteral("new"));
    if (how == 1)
        app.exec(QStringLiteral("PRAGMA query_only = 1"));
    if (how <= 1)
        click(p, "Command3");
    else if (how == 2)
        QVERIFY(p->close());
    else
        QTest::keyClick(child<QLineEdit>(p, "Text1"), Qt::Key_Escape);
    QCOMPARE(app.dialogs.count(), text.isEmpty() ? 0 : 1);
    if (!text.isEmpty()) {
        QCOMPARE(app.dialogs.last().text, text);
        QCOMPARE(app.dialogs.last().title, QStringLiteral("Change Pass Error"));
        QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
    }
    QCOMPARE(passwords(app), before);
    pw::test::settle();
    QVERIFY(!app.window("frmpass"));
}

void tst_password::modeSwitch()
{
    TestApp app;
    QVERIFY(setUp(app));
    QWidget *p = open(app, QStringLiteral("own"));
    QVERIFY(p->isVisible());
    QCOMPARE(p->windowTitle(), QStringLiteral("Punchwell"));
    QCOMPARE(pw::test::textOf(p, "Frame1"), QStringLiteral("Enter New Password:"));
    QCOMPARE(pw::test::textOf(p, "Frame2"), QStringLiteral("Enter New Password:"));
    QCOMPARE(pw::test::textOf(p, "Command1") + pw::test::textOf(p, "Command2") + pw::test::textOf(p, "Command3"),
             QStringLiteral("OKCancelOK"));
    for (const char *name : {"newpasswrd", "Text1"}) {
        auto *box = child<QLineEdit>(p, name);
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        QCOMPARE(box->styleSheet(), QStringLiteral("lineedit-password-character: 43"));
    }
    QVERIFY(!isEmployeeMode(p));
    QVERIFY(isDefault(p, "Command1"));
    typeInto(p, "newpasswrd", QStringLiteral("half"));
    QVERIFY(isDefault(p, "Command1"));

    // "Chg Pass" turns the open dialog to the employee mode; the menu item leaves it there.
    QCOMPARE(open(app, QStringLiteral("employee")), p);
    QVERIFY(isEmployeeMode(p));
    QVERIFY(child<QWidget>(p, "Text1")->isVisible());
    for (const char *covered : {"Frame1", "Command1", "Command2"})
        QVERIFY2(!child<QWidget>(p, covered)->isVisible(), covered);
    QVERIFY(isDefault(p, "Command3"));
    QCOMPARE(open(app, QStringLiteral("own")), p);
    QVERIFY(isEmployeeMode(p));

    // Closed, it is unloaded: the menu item opens a fresh own-password dialog.
    p->close();
    pw::test::settle();
    QVERIFY(!app.window("frmpass"));
    p = open(app, QStringLiteral("own"));
    QVERIFY(!isEmployeeMode(p));
    QVERIFY(pw::test::textOf(p, "newpasswrd").isEmpty());
    QVERIFY(isDefault(p, "Command1"));
    // Cancel unloads too, and stores nothing.
    const auto before = passwords(app);
    typeInto(p, "newpasswrd", QStringLiteral("half"));
    click(p, "Command2");
    pw::test::settle();
    QVERIFY(!app.window("frmpass"));
    QCOMPARE(passwords(app), before);
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_password::enterKey_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("row");
    QTest::newRow("own") << "own" << 0;
    QTest::newRow("employee") << "employee" << 1;
}

void tst_password::enterKey()
{
    QFETCH(QString, mode);
    QFETCH(int, row);
    TestApp app;
    QVERIFY(setUp(app));
    pw::test::browse(app.main(), "mandata", "next"); // Bob
    QWidget *p = open(app, mode);
    QVERIFY(QTest::qWaitForWindowActive(p));
    auto *box = child<QLineEdit>(p, mode == QLatin1String("own") ? "newpasswrd" : "Text1");
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("k3y"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Successful!"));
    QCOMPARE(passwords(app)[row][1].toString(), QStringLiteral("k3y"));
}

PW_TEST_MAIN(tst_password)
#include "tst_password.moc"
