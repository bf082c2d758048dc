// The History button of the Management tab: the shown employee's changes from the journal, newest
// first, read again at each opening, and gone with the session.
#include "db/journal.h"
#include "domain/journalchain.h"
#include "testlib/filestate.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QPointer>
#include <QSysInfo>
#include <QTableWidget>
#include <QTest>

using pw::test::TestApp;
using pw::test::click;

namespace {

const QString kKim = QStringLiteral("Kim");

// The History window that the button opens, and what its grid shows: the headers, then each row.
QList<QStringList> openHistory(TestApp &app, QPointer<QWidget> *window = nullptr)
{
    click(app.main(), "cmdhistory");
    QWidget *history = app.window("frmhistory");
    if (window)
        *window = history;
    auto *grid = pw::test::child<QTableWidget>(history, "historygrid");
    QList<QStringList> shown{{}};
    for (int c = 0; c < grid->columnCount(); ++c)
        shown[0] << grid->horizontalHeaderItem(c)->text();
    for (int r = 0; r < grid->rowCount(); ++r) {
        shown << QStringList();
        for (int c = 0; c < grid->columnCount(); ++c)
            shown.last() << grid->item(r, c)->text();
    }
    return history->isVisible() ? shown : QList<QStringList>();
}

// Kim clocks in at 8 with a task and out at 9, through the windows.
void clockKim(TestApp &app, const QString &task)
{
    app.clock.set(2026, 12, 7, 8, 0, 0);
    QVERIFY(app.logOn(kKim));
    click(app.main(), "clockin");
    pw::test::typeInto(app.window("frmsub"), "activity", task);
    click(app.window("frmsub"), "Command1");
    app.clock.set(2026, 12, 7, 9, 0, 0);
    click(app.main(), "clockout");
}

// A new wage for the employee the Management tab shows, stored as a move of the browser stores it.
void changeWage(TestApp &app, const QString &wage, int hour)
{
    app.clock.set(2026, 12, 7, hour, 0, 0);
    pw::test::typeInto(app.main(), "emoney", wage);
    pw::test::browse(app.main(), "mandata", "first");
    QVERIFY(pw::test::showEmployee(app.main(), kKim));
}

} // namespace

class tst_history : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void employeesChanges();
    void nothingToShow_data();
    void nothingToShow();
};

void tst_history::employeesChanges()
{
    TestApp app;
    app.addEmployee(kKim, QStringLiteral("10"));
    QVERIFY(!pw::startJournal(app.db()));
    clockKim(app, QStringLiteral("Filing, again"));
    app.managerShowing(kKim);
    changeWage(app, QStringLiteral("11.50"), 10);
    // Another employee's rows, and names that only look like Kim's.
    for (const char *other : {"Lee", "kim", "Kim ", "Kimberly"}) {
        pw::Database::Transaction write(app.db());
        const QString name = QString::fromLatin1(other);
        QVERIFY(!pw::Journal(app.db()).record({QStringLiteral("note"), name, QString(), QStringLiteral("x")}));
        QVERIFY(!write.commit());
    }

    QPointer<QWidget> history;
    const QString host = QSysInfo::machineHostName();
    QList<QStringList> kims{
        {"When", "Workstation", "Who", "What", "Before", "After"},
        {"12/7/2026 10:00:00 AM", host, "Manager", "wage", "10", "11.50"},
        {"12/7/2026 9:00:00 AM", host, "Kim", "clockout", "", R"(["Kim","2026-12-07 09:00:00","Clocked Out",null])"},
        {"12/7/2026 8:00:00 AM", host, "Kim", "clockin", "",
         R"(["Kim","2026-12-07 08:00:00","Clocked In","Filing, again"])"}};
    // Below them, the oldest: Kim's row and log as the journal found them when it began.
    const auto found = [](const QList<QStringList> &shown) {
        return shown.size() == 0 ? QStringList() : QStringList{shown[shown.size() - 2][3], shown.last()[3]};
    };
    QList<QStringList> shown = openHistory(app, &history);
    QCOMPARE(found(shown), QStringList({"foundlog", "foundemployee"}));
    QCOMPARE(shown.mid(0, shown.size() - 2), kims);

    // Opened again, it shows what was stored since.
    changeWage(app, QStringLiteral("12"), 11);
    kims.insert(1, {"12/7/2026 11:00:00 AM", host, "Manager", "wage", "11.50", "12"});
    shown = openHistory(app);
    QCOMPARE(shown.mid(0, shown.size() - 2), kims);
    QCOMPARE(app.dialogs.count(), 0);

    // Whoever comes to the logon window next does not find it.
    pw::test::leave(app.main(), false);
    pw::test::settle();
    QVERIFY(!history);
}

// A company without a journal has no history yet; a company file that cannot be read is said so.
void tst_history::nothingToShow_data()
{
    QTest::addColumn<QByteArray>("overwrite"); // the company file's bytes once the tab shows Kim; empty: kept
    QTest::newRow("no journal") << QByteArray();
    QTest::newRow("file unreadable") << QByteArray("not a database, not at all ").repeated(600);
}

void tst_history::nothingToShow()
{
    QFETCH(QByteArray, overwrite);
    TestApp app;
    app.addEmployee(kKim);
    app.managerShowing(kKim);
    if (!overwrite.isEmpty())
        pw::test::overwrite(app.path(), overwrite);
    app.dialogs.clear();
    QCOMPARE(openHistory(app).size(), 1);
    QCOMPARE(app.dialogs.count(), overwrite.isEmpty() ? 0 : 1);
    if (!overwrite.isEmpty())
        QVERIFY(pw::test::lastBoxIs(app.dialogs,
                                    QStringLiteral("Sorry, the history could not be read: the file is not a database "
                                                   "that Punchwell can read (error 3343)."),
                                    QStringLiteral("History")));
}

PW_TEST_MAIN(tst_history)
#include "tst_history.moc"
