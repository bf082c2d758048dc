// The Who's In button of the Management tab: a roll call of everyone clocked in now, read again at
// each opening, and gone with the session.
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QPointer>
#include <QTableWidget>
#include <QTest>

using pw::test::TestApp;
using pw::test::click;

class tst_whosin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rollCall();
};

namespace {

// The rows of the roll call the button opens, or nothing when the window is not shown.
QList<QStringList> openWhosIn(TestApp &app, QPointer<QWidget> *window = nullptr)
{
    click(app.main(), "cmdwhosin");
    QWidget *whosIn = app.window("frmwhosin");
    if (window)
        *window = whosIn;
    auto *list = pw::test::child<QTableWidget>(whosIn, "whosinlist");
    QList<QStringList> shown;
    for (int r = 0; r < list->rowCount(); ++r) {
        shown << QStringList();
        for (int c = 0; c < list->columnCount(); ++c)
            shown.last() << list->item(r, c)->text();
    }
    return whosIn->isVisible() ? shown : QList<QStringList>();
}

} // namespace

void tst_whosin::rollCall()
{
    TestApp app;
    const QString in = QStringLiteral("Clocked In"), out = QStringLiteral("Clocked Out");
    app.addEmployee(QStringLiteral("Kim"));
    app.addEntry(QStringLiteral("Kim"), QStringLiteral("2026-12-07 07:00:00"), in, QStringLiteral("Sanding"));
    app.addEmployee(QStringLiteral("Lee")); // clocked in and out again
    app.addEntry(QStringLiteral("Lee"), QStringLiteral("2026-12-07 07:30:00"), in, QStringLiteral(" "));
    app.addEntry(QStringLiteral("Lee"), QStringLiteral("2026-12-07 09:00:00"), out);
    app.addEmployee(QStringLiteral("Max")); // an empty log
    app.exec(QStringLiteral("INSERT INTO datalist (Ename) VALUES ('Ghost')")); // listed without a log
    app.addEmployee(QStringLiteral("Zoë"));
    app.addEntry(QStringLiteral("Zoë"), QStringLiteral("2026-12-06 22:15:00"), in, QStringLiteral(" "));
    app.managerShowing(QStringLiteral("Kim"));

    QPointer<QWidget> whosIn;
    const QList<QStringList> expected{{"Kim", "12/7/2026 7:00:00 AM", "Sanding"}, {"Zoë", "12/6/2026 10:15:00 PM", " "}};
    QCOMPARE(openWhosIn(app, &whosIn), expected);
    QCOMPARE(app.dialogs.count(), 0);

    // Opened again, it shows the logs as they now are.
    app.addEntry(QStringLiteral("Kim"), QStringLiteral("2026-12-07 12:00:00"), out);
    QCOMPARE(openWhosIn(app), expected.mid(1));

    // Whoever comes to the logon window next does not find it.
    pw::test::leave(app.main(), false);
    pw::test::settle();
    QVERIFY(!whosIn);
}

PW_TEST_MAIN(tst_whosin)
#include "tst_whosin.moc"
