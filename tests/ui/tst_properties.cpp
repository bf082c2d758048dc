// The company-wide switches: stored at each click, applied to the main window at once, and shown
// truly whenever the dialog loads, across closing and restarting.
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::isHidden;

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
QString mainWindow(QWidget *m)
{
    return QStringLiteral("%1 %2 %3")
        .arg(child<QLineEdit>(m, "lgndatetime")->isReadOnly() ? "locked" : "open",
             isHidden(m, "frmmoney") ? "-" : "wages", isHidden(m, "Picture2") ? "-" : "picture");
}

// The properties dialog as "Properties" on the Management tab opens it.
QWidget *openProperties(TestApp &app)
{
    click(app.main(), "Command2");
    return app.window("frmprop");
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
    QWidget *m = app.managerLogOn();
    QWidget *p = openProperties(app);
    QVERIFY(p);
    QVERIFY(p->isVisible());
    QCOMPARE(p->windowTitle(), QStringLiteral("Punchwell"));
    QCOMPARE(pw::test::textOf(p, "Frame1"), QStringLiteral("User Properties:"));
    auto *check = child<QCheckBox>(p, box.toUtf8().constData());
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
    QWidget *m = app.managerLogOn();
    QWidget *p = openProperties(app);
    QVERIFY(p);
    click(p, "money");
    click(p, "subs");
    // Stored by hand as 2, which reads as off: loading the dialog must not write it back.
    app.exec(QStringLiteral("UPDATE \"Company Data\" SET edits = 2"));

    // Closing unloads the dialog; the next load (the clock-in's look at subs included) reads the
    // stored switches again: the clock-in asks for no task.
    QVERIFY(p->close());
    pw::test::settle();
    QVERIFY(!app.window("frmprop"));
    click(m, "clockin");
    QVERIFY(!app.window("frmsub") || !app.window("frmsub")->isVisible());
    QCOMPARE(app.log(QStringLiteral("Manager")).size(), 1);
    QCOMPARE(app.log(QStringLiteral("Manager")).first()[3].toString(), QStringLiteral(" "));
    p = openProperties(app);
    QVERIFY(p);
    QVERIFY(p->isVisible());
    QVERIFY(!child<QCheckBox>(p, "edits")->isChecked());
    QVERIFY(child<QCheckBox>(p, "money")->isChecked());
    QVERIFY(child<QCheckBox>(p, "subs")->isChecked());
    QCOMPARE(stored(app), QStringLiteral("2 1 1"));
    QCOMPARE(mainWindow(m), QStringLiteral("open - picture"));

    // A restart with money stored as 1: ticked and in effect without a click.
    click(p, "subs");
    app.restart();
    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    QCOMPARE(mainWindow(app.main()), QStringLiteral("open - picture"));
    p = openProperties(app);
    QVERIFY(p);
    QVERIFY(child<QCheckBox>(p, "money")->isChecked());
    QVERIFY(!child<QCheckBox>(p, "subs")->isChecked());
    QCOMPARE(stored(app), QStringLiteral("2 1 0"));
}

PW_TEST_MAIN(tst_properties)
#include "tst_properties.moc"
