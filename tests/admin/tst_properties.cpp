// The company-wide switches: stored at each click, applied to the main window at once, and shown
// truly whenever the dialog loads, across closing and restarting.
#include "admin/frmprop.h"
#include "clock/frmmain.h"
#include "startup/frmlogon.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using pw::test::TestApp;

namespace {

// The stored switches, edits, money and subs, as text ("" for Null).
QString stored(TestApp &app)
{
    const auto row = app.rows(QStringLiteral("SELECT edits, money, subs FROM \"Company Data\"")).first();
    QStringList out;
    for (const QVariant &v : row)
        out << (v.isNull() ? QString() : v.toString());
    return out.join(QLatin1Char(' '));
}

// What the main window shows of the switches: edits locks the date box, money swaps the wages
// frame for the picture.
QString mainWindow(frmmain *m)
{
    return QStringLiteral("%1 %2 %3")
        .arg(m->lgndatetime->isReadOnly() ? "locked" : "open", m->frmmoney->isHidden() ? "-" : "wages",
             m->Picture2->isHidden() ? "-" : "picture");
}

} // namespace

class tst_properties : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clicks_data();
    void clicks();
    void reloadAndRestart();
};

void tst_properties::clicks_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("onStored");
    QTest::addColumn<QString>("onShown");
    QTest::addColumn<QString>("offStored");
    QTest::newRow("edits") << "edits" << "Disable Employee Edits" << "1  " << "locked wages -" << "0  ";
    QTest::newRow("money") << "money" << "Disable Employee Wages Display" << " 1 " << "open - picture" << " 0 ";
    QTest::newRow("subs") << "subs" << "Turn off all Login Descriptions" << "  1" << "open wages -" << "  0";
}

void tst_properties::clicks()
{
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QFETCH(QString, onStored);
    QFETCH(QString, onShown);
    QFETCH(QString, offStored);
    TestApp app;
    app.managerLogOn();
    frmmain *m = app.main();
    m->Command2->click();
    frmprop *p = app.forms().prop();
    QVERIFY(p->isVisible());
    QCOMPARE(p->windowTitle(), QStringLiteral("Punchwell"));
    QCOMPARE(p->Frame1->title(), QStringLiteral("User Properties:"));
    auto *check = p->findChild<QCheckBox *>(box);
    QVERIFY(check);
    QCOMPARE(check->text(), caption);

    check->click();
    QCOMPARE(stored(app), onStored);
    QCOMPARE(mainWindow(m), onShown);
    check->click();
    QCOMPARE(stored(app), offStored);
    QCOMPARE(mainWindow(m), QStringLiteral("open wages -"));
    QCOMPARE(app.dialogs.count(), 0);
}

void tst_properties::reloadAndRestart()
{
    TestApp app;
    app.managerLogOn();
    frmmain *m = app.main();
    m->Command2->click();
    frmprop *p = app.forms().prop();
    p->money->click();
    p->subs->click();
    // Stored by hand as 2, which reads as off: loading the dialog must not write it back.
    app.exec(QStringLiteral("UPDATE \"Company Data\" SET edits = 2"));

    // Closing unloads the dialog; the next load (the clock-in's look at subs included) reads the
    // stored switches again.
    QVERIFY(p->close());
    pw::test::settle();
    QVERIFY(!app.forms().hasProp());
    QVERIFY(app.forms().prop()->subs->isChecked());
    m->Command2->click();
    p = app.forms().prop();
    QVERIFY(p->isVisible());
    QVERIFY(!p->edits->isChecked());
    QVERIFY(p->money->isChecked());
    QCOMPARE(stored(app), QStringLiteral("2 1 1"));
    QCOMPARE(mainWindow(m), QStringLiteral("open - picture"));

    // A restart with money stored as 1: ticked and in effect without a click.
    p->subs->click();
    app.restart();
    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    QVERIFY(app.forms().prop()->money->isChecked());
    QVERIFY(!app.forms().prop()->subs->isChecked());
    QCOMPARE(mainWindow(app.main()), QStringLiteral("open - picture"));
    QCOMPARE(stored(app), QStringLiteral("2 1 0"));
}

PW_TEST_MAIN(tst_properties)
#include "tst_properties.moc"
