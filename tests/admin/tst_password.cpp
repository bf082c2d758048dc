// The password dialog in both modes: whose row it writes, its mode switch, its keys and closing.
#include "admin/frmpass.h"
#include "clock/frmmain.h"
#include "db/recordbrowser.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using pw::Dialogs;
using pw::test::TestApp;

namespace {

const QString kNotFound =
    QStringLiteral("Sorry, their was a problem with the data file. Check with your system administrator.");

// Bob with a password, two rows named Dup, and the Manager logged on through the password panel.
void setUp(TestApp &app, const QString &user = QStringLiteral("Manager"))
{
    app.addEmployee(QStringLiteral("Bob"), QStringLiteral("10"), QStringLiteral("old"));
    app.addEmployee(QStringLiteral("Dup"), QStringLiteral("10"), QStringLiteral("d1"));
    app.exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage, epass) VALUES ('Dup', '10', 'd2')"));
    app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    QVERIFY(app.logOn(user, user == QLatin1String("Bob") ? QStringLiteral("old") : QStringLiteral("boss")));
}

QList<QVariantList> passwords(TestApp &app)
{
    return app.rows(QStringLiteral("SELECT Ename, epass FROM datalist ORDER BY rowid"));
}

// Opens the dialog from the menu ("own") or from "Chg Pass" ("employee").
frmpass *open(TestApp &app, const QString &mode)
{
    if (mode == QLatin1String("own"))
        app.main()->chpass->trigger();
    else
        app.main()->ChgPass->click();
    return app.forms().pass();
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
    QTest::newRow("own, Manager") << "Manager" << "own" << "" << "n3w Pass" << 0;
    QTest::newRow("own, empty password") << "Manager" << "own" << "" << "" << 0;
    QTest::newRow("own, employee") << "Bob" << "own" << "" << " b0b " << 1;
    QTest::newRow("employee shown at OK") << "Manager" << "employee" << "Bob" << "x" << 1;
    QTest::newRow("first of equal rows") << "Manager" << "employee" << "Dup" << "d3" << 2;
}

void tst_password::change()
{
    QFETCH(QString, user);
    QFETCH(QString, mode);
    QFETCH(QString, shown);
    QFETCH(QString, password);
    QFETCH(int, row);
    TestApp app;
    setUp(app, user);
    frmmain *m = app.main();
    QList<QVariantList> expected = passwords(app);
    expected[row][1] = password;

    frmpass *p = open(app, mode);
    // The Management tab moves on after the dialog opened.
    while (!shown.isEmpty() && m->manlist->text() != shown)
        m->mandata->nextButton()->click();
    (mode == QLatin1String("own") ? p->newpasswrd : p->Text1)->setText(password);
    (mode == QLatin1String("own") ? p->Command1 : p->Command3)->click();

    QCOMPARE(app.dialogs.count(), 1);
    QCOMPARE(app.dialogs.last().text, QStringLiteral("Password Successfully Changed."));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Successful!"));
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Information);
    QCOMPARE(passwords(app), expected);
    pw::test::settle();
    QVERIFY(!app.forms().hasPass());

    // The next logon asks for the new password, or for none when it is empty.
    m->exitmain->trigger();
    QVERIFY(app.logOn(expected[row][0].toString(), password));
    QCOMPARE(m->Picture1->isHidden(), password.isEmpty() || row != 0);
}

void tst_password::notChanged_data()
{
    QTest::addColumn<QString>("shown");
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
    TestApp app;
    setUp(app);
    const auto before = passwords(app);
    frmpass *p = open(app, QStringLiteral("employee"));
    app.main()->manlist->setText(shown);
    p->Text1->setText(QStringLiteral("new"));
    if (how == 1)
        app.exec(QStringLiteral("PRAGMA query_only = 1"));
    if (how <= 1)
        p->Command3->click();
    else if (how == 2)
        QVERIFY(p->close());
    else
        QTest::keyClick(p->Text1, Qt::Key_Escape);
    QCOMPARE(app.dialogs.count(), text.isEmpty() ? 0 : 1);
    if (!text.isEmpty()) {
        QCOMPARE(app.dialogs.last().text, text);
        QCOMPARE(app.dialogs.last().title, QStringLiteral("Change Pass Error"));
        QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
    }
    QCOMPARE(passwords(app), before);
    pw::test::settle();
    QVERIFY(!app.forms().hasPass());
}

void tst_password::modeSwitch()
{
    TestApp app;
    setUp(app);
    frmpass *p = open(app, QStringLiteral("own"));
    QVERIFY(p->isVisible());
    QCOMPARE(p->windowTitle(), QStringLiteral("Punchwell"));
    QCOMPARE(p->Frame1->title(), QStringLiteral("Enter New Password:"));
    QCOMPARE(p->Frame2->title(), QStringLiteral("Enter New Password:"));
    QCOMPARE(p->Command1->text() + p->Command2->text() + p->Command3->text(), QStringLiteral("OKCancelOK"));
    for (QLineEdit *box : {p->newpasswrd, p->Text1}) {
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        QCOMPARE(box->styleSheet(), QStringLiteral("lineedit-password-character: 43"));
    }
    QVERIFY(!p->isEmployeeMode());
    QVERIFY(p->Command1->isDefault());
    p->newpasswrd->setText(QStringLiteral("half"));
    QVERIFY(p->Command1->isDefault());

    // "Chg Pass" turns the open dialog to the employee mode; the menu item leaves it there.
    QCOMPARE(open(app, QStringLiteral("employee")), p);
    QVERIFY(p->isEmployeeMode());
    QVERIFY(p->Text1->isVisible());
    QVERIFY(!p->Frame1->isVisible() && !p->Command1->isVisible() && !p->Command2->isVisible());
    QVERIFY(p->Command3->isDefault());
    QCOMPARE(open(app, QStringLiteral("own")), p);
    QVERIFY(p->isEmployeeMode());

    // Closed, it is unloaded: the menu item opens a fresh own-password dialog.
    p->close();
    pw::test::settle();
    QVERIFY(!app.forms().hasPass());
    p = open(app, QStringLiteral("own"));
    QVERIFY(!p->isEmployeeMode());
    QVERIFY(p->newpasswrd->text().isEmpty());
    QVERIFY(p->Command1->isDefault());
    // Cancel unloads too, and stores nothing.
    const auto before = passwords(app);
    p->newpasswrd->setText(QStringLiteral("half"));
    p->Command2->click();
    pw::test::settle();
    QVERIFY(!app.forms().hasPass());
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
    setUp(app);
    app.main()->mandata->nextButton()->click(); // Bob
    frmpass *p = open(app, mode);
    QVERIFY(QTest::qWaitForWindowActive(p));
    QLineEdit *box = mode == QLatin1String("own") ? p->newpasswrd : p->Text1;
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("k3y"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Successful!"));
    QCOMPARE(passwords(app)[row][1].toString(), QStringLiteral("k3y"));
}

PW_TEST_MAIN(tst_password)
#include "tst_password.moc"
