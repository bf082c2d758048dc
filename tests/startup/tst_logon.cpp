// The logon window: the name list, every logon path, the password panel and leaving.
#include "clock/frmmain.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "startup/frmlogon.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::listedNames;

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
    void missingLogTable();
    void exitAndClose();
};

void tst_logon::loadsSortedList()
{
    TestApp app;
    staff(app);
    frmlogon *l = app.logon();
    QCOMPARE(listedNames(l), (QStringList{QStringLiteral(" Dee"), QStringLiteral("alice"), QStringLiteral("Bob"),
                                     QStringLiteral("Carl"), QStringLiteral("Manager")}));
    QCOMPARE(l->namechoice->currentText(), QStringLiteral("Click here for names-->"));
    QVERIFY(l->Command1->isDefault());
    QVERIFY(l->passwordbx->isHidden());
    QCOMPARE(l->Frame1->title(), QStringLiteral("Find Your Name"));
    QCOMPARE(l->Frame2->title(), QStringLiteral("Password Required:"));
    QCOMPARE(l->Command1->text(), QStringLiteral("OK"));
    QCOMPARE(l->Command2->text(), QStringLiteral("Exit"));
    QCOMPARE(l->Command3->text(), QStringLiteral("OK"));
    QCOMPARE(l->Command4->text(), QStringLiteral("Cancel"));
    QCOMPARE(l->txtpass->echoMode(), QLineEdit::Password);
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
    QVERIFY(app.logon()->passwordbx->isHidden());
    QCOMPARE(app.main()->nameemp->text(), typed); // the typed text, overwritten by the next logon
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist")).toInt(), 5);
}

void tst_logon::withoutPassword_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("wage");
    QTest::newRow("Null password") << "Bob" << "12.50";
    QTest::newRow("empty password") << "alice" << "9";
    QTest::newRow("leading blank") << " Dee" << "10";
}

void tst_logon::withoutPassword()
{
    QFETCH(QString, name);
    QFETCH(QString, wage);
    TestApp app;
    staff(app);
    app.addEntry(name, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Filing"));
    QVERIFY(app.logOn(name));
    QCOMPARE(app.dialogs.count(), 0);
    frmmain *m = app.main();
    QVERIFY(!app.logon()->isVisible());
    QCOMPARE(m->nameemp->text(), name);
    QCOMPARE(m->Thismoney->text(), wage);
    QCOMPARE(m->database->records().recordSource(), name);
    QCOMPARE(m->lgndatetime->text(), QStringLiteral("12/7/2026 8:00:00 AM"));
    QCOMPARE(m->Lastlogonvalue->text(), QStringLiteral("Clocked In"));
    QCOMPARE(m->Label5->text(), QStringLiteral("Filing"));
    QVERIFY(m->Picture1->isHidden());
    QVERIFY(app.logon()->txtpass->text().isEmpty());
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
    QVERIFY(app.main()->Picture1->isHidden());
}

void tst_logon::passwordPanel()
{
    TestApp app;
    staff(app);
    frmlogon *l = app.logon();
    l->show();
    l->namechoice->setEditText(QStringLiteral("Carl"));
    l->Command1->click();
    QVERIFY(!l->passwordbx->isHidden());
    QVERIFY(!l->Frame1->isVisible()); // covered by the panel
    QVERIFY(!app.main()->isVisible());
    QCOMPARE(app.main()->Thismoney->text(), QStringLiteral("11"));

    // Any number of wrong tries; each empties the box.
    for (const QString &wrong : {QStringLiteral("secret"), QStringLiteral("Secret "), QString(), QStringLiteral("x")}) {
        l->txtpass->setText(wrong);
        QVERIFY(l->Command3->isDefault());
        l->Command3->click();
        QCOMPARE(app.dialogs.last().text, QStringLiteral("Incorrect Password, Please retry or Cancel."));
        QCOMPARE(app.dialogs.last().title, QStringLiteral("Password Error"));
        QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
        QVERIFY(l->txtpass->text().isEmpty());
        QVERIFY(!l->passwordbx->isHidden());
        QVERIFY(!app.main()->isVisible());
    }
    QCOMPARE(app.dialogs.count(), 4);
    l->txtpass->setText(QStringLiteral("Secret"));
    l->Command3->click();
    QCOMPARE(app.dialogs.count(), 4);
    QVERIFY(app.main()->isVisible());
    QVERIFY(!l->isVisible());
    QVERIFY(l->passwordbx->isHidden());
    QVERIFY(l->txtpass->text().isEmpty());
    QCOMPARE(app.main()->nameemp->text(), QStringLiteral("Carl"));
    QCOMPARE(app.main()->database->records().recordSource(), QStringLiteral("Carl"));
    QVERIFY(app.main()->Picture1->isHidden()); // only the Manager gets the panel
}

void tst_logon::passwordCancel()
{
    TestApp app;
    staff(app);
    frmlogon *l = app.logon();
    l->show();
    l->namechoice->setEditText(QStringLiteral("Carl"));
    l->Command1->click();
    l->txtpass->setText(QStringLiteral("half"));
    l->Command4->click();
    QVERIFY(l->passwordbx->isHidden());
    QVERIFY(l->Frame1->isVisible());
    QCOMPARE(l->namechoice->currentText(), QStringLiteral("Click here for names-->"));
    QVERIFY(!app.main()->isVisible());
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_logon::managerWithPassword()
{
    TestApp app;
    app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    QCOMPARE(app.dialogs.count(), 0);
    QVERIFY(!app.main()->Picture1->isHidden());
    // Leaving hides the panel again until the next password logon.
    app.main()->exitmain->trigger();
    QVERIFY(app.main()->Picture1->isHidden());
}

void tst_logon::enterKeys()
{
    TestApp app;
    staff(app);
    frmlogon *l = app.logon();
    l->show();
    QVERIFY(QTest::qWaitForWindowActive(l));
    l->namechoice->setFocus();
    l->namechoice->lineEdit()->selectAll();
    QTest::keyClicks(l->namechoice, QStringLiteral("Carl"));
    QTest::keyClick(l->namechoice, Qt::Key_Return);
    QVERIFY(!l->passwordbx->isHidden());
    QTRY_VERIFY(l->txtpass->hasFocus());
    QTest::keyClicks(l->txtpass, QStringLiteral("Secret"));
    QTest::keyClick(l->txtpass, Qt::Key_Return);
    QVERIFY(app.main()->isVisible());
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_logon::missingLogTable()
{
    TestApp app;
    staff(app);
    app.exec(QStringLiteral("DROP TABLE Bob"));
    QVERIFY(!app.logOn(QStringLiteral("Bob")));
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY(app.dialogs.last().text.contains(QStringLiteral("Bob")));
    QCOMPARE(app.dialogs.last().title, kLogInError);
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
    QVERIFY(app.logon()->isVisible());
    // The logon window is still usable.
    QVERIFY(app.logOn(QStringLiteral("alice")));
    QCOMPARE(app.main()->nameemp->text(), QStringLiteral("alice"));
}

void tst_logon::exitAndClose()
{
    {
        TestApp app;
        app.logon()->show();
        app.logon()->Command2->click();
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
        frmlogon *l = app.logon();
        l->show();
        QTest::keyClick(l, Qt::Key_Escape);
        QVERIFY(l->isVisible());
        QVERIFY(!app.programEnd.ended());
        l->namechoice->setEditText(QStringLiteral("Carl"));
        l->Command1->click();
        QTest::keyClick(l->txtpass, Qt::Key_Escape);
        QVERIFY(l->passwordbx->isHidden());
        QVERIFY(l->isVisible());
    }
}

PW_TEST_MAIN(tst_logon)
#include "tst_logon.moc"
