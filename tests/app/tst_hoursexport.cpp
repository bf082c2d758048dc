// The hours file for payroll: the CSV read back, its shifts against the time card's, the command's
// refusals, and the Management tab's Export button with fake boxes.
#include "app/exportcommand.h"
#include "app/options.h"
#include "domain/hoursexport.h"
#include "domain/journalchain.h"
#include "domain/timecard.h"
#include "testlib/companyfiles.h"
#include "testlib/csvreader.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QDir>
#include <QFile>
#include <QTest>

using pw::Dialogs;
using pw::LocalDateTime;
using pw::test::TestApp;

namespace {

using Table = pw::test::CsvTable;
using pw::test::bytesOf;
using pw::test::readCsv;

const QString kKim = QStringLiteral("Kim");
const QString kZoe = QString::fromUtf8("Zoë Øster");

} // namespace

class tst_hoursexport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shifts_data();
    void shifts();
    void commandLine_data();
    void commandLine();
    void refused_data();
    void refused();
    void exportButton();
};

// Each log's rows (with Zoë's one shift after Kim's), checked field by field, and their number
// against the time card's shifts of the same log through the same ending.
void tst_hoursexport::shifts_data()
{
    QTest::addColumn<QStringList>("log"); // "datetime|status|task" each
    QTest::addColumn<QString>("ending");
    QTest::addColumn<Table>("rows");      // Kim's rows, without the name column and the wage
    const QString in = QStringLiteral("Clocked In"), out = QStringLiteral("Clocked Out");
    QTest::newRow("two shifts")
        << QStringList{"2026-12-01 09:00:00|" + in + "|Filing", "2026-12-01 17:30:00|" + out + "|",
                       "2026-12-02 08:00:00|" + in + "|Say \"hi\", then go", "2026-12-02 08:20:59|" + out + "|"}
        << "2026-12-07 17:00:00"
        << Table{{"2026-12-01T09:00:00", "2026-12-01T17:30:00", "510", "8.50", "Filing", "85.00"},
                 {"2026-12-02T08:00:00", "2026-12-02T08:20:59", "20", "0.33", "Say \"hi\", then go", "3.33"}};
    QTest::newRow("through an ending date")
        << QStringList{"2026-12-01 09:00:00|" + in + "|A", "2026-12-01 12:00:00|" + out + "|",
                       "2026-12-05 09:00:00|" + in + "|B", "2026-12-09 10:00:00|" + out + "|",
                       "2026-12-10 09:00:00|" + in + "|C", "2026-12-10 10:00:00|" + out + "|"}
        << "2026-12-06 00:00:00"
        // The clock-out after the ending closes the shift "now"; entries after the ending in the
        // clock-in place are passed over.
        << Table{{"2026-12-01T09:00:00", "2026-12-01T12:00:00", "180", "3.00", "A", "30.00"},
                 {"2026-12-05T09:00:00", "2026-12-07T17:00:00", "3360", "56.00", "B", "560.00"}};
    QTest::newRow("starts with a clock-out")
        << QStringList{"2026-12-01 08:00:00|" + out + "|", "2026-12-01 09:00:00|" + in + "|X",
                       "2026-12-01 10:00:00|" + out + "|"}
        << "2026-12-07 17:00:00"
        << Table{{"2026-12-01T08:00:00", "2026-12-01T09:00:00", "60", "1.00", "", "10.00"},
                 {"2026-12-01T10:00:00", "2026-12-07T17:00:00", "9060", "151.00", "", "1510.00"}};
    QTest::newRow("open shift at the end")
        << QStringList{"2026-12-07 13:15:00|" + in + "|Late, again"} << "2026-12-07 17:00:00"
        << Table{{"2026-12-07T13:15:00", "2026-12-07T17:00:00", "225", "3.75", "Late, again", "37.50"}};
    QTest::newRow("unreadable date-time")
        << QStringList{"soon|" + in + "|", "2026-12-01 10:00:00|" + out + "|"} << "2026-12-07 17:00:00"
        << Table{{"soon", "2026-12-01T10:00:00", "", "", "", ""}};
    QTest::newRow("empty log") << QStringList{} << "2026-12-07 17:00:00" << Table{};
}

void tst_hoursexport::shifts()
{
    QFETCH(QStringList, log);
    QFETCH(QString, ending);
    QFETCH(Table, rows);
    TestApp app;
    app.addEmployee(kKim, QStringLiteral("10"));
    app.addEmployee(kZoe, QStringLiteral("12.5"));
    QList<pw::timecard::Entry> entries;
    for (const QString &e : log) {
        const QStringList f = e.split(u'|');
        app.addEntry(kKim, f[0], f[1], f[2].isEmpty() ? QVariant() : QVariant(f[2]));
        entries.append({f[0], f[2].isEmpty() ? QVariant() : QVariant(f[2])});
    }
    app.addEntry(kZoe, QStringLiteral("2026-12-03 07:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Früh"));
    app.addEntry(kZoe, QStringLiteral("2026-12-03 07:48:00"), QStringLiteral("Clocked Out"));
    const LocalDateTime now = *LocalDateTime::fromStored(u"2026-12-07 17:00:00");
    const LocalDateTime through = *LocalDateTime::fromStored(QStringView(ending));
    const QString file = QDir(app.dir()).filePath(QStringLiteral("hours.csv"));

    const pw::hoursexport::Outcome done = pw::hoursexport::exportHours(app.db(), file, through, now);
    QCOMPARE(done.status, pw::hoursexport::Outcome::Saved);
    Table csv;
    QVERIFY(readCsv(bytesOf(file), &csv));
    Table expected{pw::hoursexport::kHeader.split(u',')};
    for (const QStringList &r : rows)
        expected << QStringList{kKim, r[0], r[1], r[2], r[3], r[4], QStringLiteral("10"), r[5]};
    expected << QStringList{kZoe, "2026-12-03T07:00:00", "2026-12-03T07:48:00", "48", "0.80", QString::fromUtf8("Früh"),
                            "12.5", "10.00"};
    QCOMPARE(csv, expected);
    QCOMPARE(done.shifts, qint64(rows.size() + 1));
    // The manager and the two: every listed employee, with or without shifts.
    QCOMPARE(done.employees, 3);

    pw::timecard::CardBuilder card({}, through, now, [](const pw::timecard::Line &) {});
    for (const auto &e : entries)
        card.add(e);
    card.finish();
    QCOMPARE(card.shifts(), int(rows.size()));
}

void tst_hoursexport::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("through"); // stored form, when accepted with one
    QTest::newRow("file only") << QStringList{"--export-hours", "h.csv"} << int(pw::OptionsFault::None) << QString();
    QTest::newRow("ISO through") << QStringList{"--export-hours", "h.csv", "--through", "2026-12-07T14:30"}
                                 << int(pw::OptionsFault::None) << "2026-12-07 14:30:00";
    QTest::newRow("typed through") << QStringList{"--through", "12/7/26 2:30 PM", "--export-hours", "h.csv"}
                                   << int(pw::OptionsFault::None) << "2026-12-07 14:30:00";
    QTest::newRow("no file") << QStringList{"--export-hours"} << int(pw::OptionsFault::ExportWithoutFile) << QString();
    QTest::newRow("twice") << QStringList{"--export-hours", "a", "--export-hours", "b"} << int(pw::OptionsFault::ExportTwice)
                           << QString();
    QTest::newRow("not a date") << QStringList{"--export-hours", "h.csv", "--through", "Friday-ish"}
                                << int(pw::OptionsFault::ThroughNotADateTime) << QString();
    QTest::newRow("through alone") << QStringList{"--through", "2026-12-07"} << int(pw::OptionsFault::ThroughWithoutExport)
                                   << QString();
    QTest::newRow("with a copy") << QStringList{"--export-hours", "h.csv", "--copy-company", "a", "b"}
                                 << int(pw::OptionsFault::ExportWithCopy) << QString();
}

void tst_hoursexport::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, fault);
    QFETCH(QString, through);
    const pw::CommandLine line = pw::parseCommandLine(arguments);
    QCOMPARE(int(line.fault.kind), fault);
    if (fault != pw::OptionsFault::None)
        return;
    QCOMPARE(line.mode, pw::CommandLine::Mode::ExportHours);
    QCOMPARE(line.exportFile, QStringLiteral("h.csv"));
    QCOMPARE(line.through ? line.through->toStored() : QString(), through);
}

// Nothing is written, and the company keeps every byte: one line says why.
void tst_hoursexport::refused_data()
{
    QTest::addColumn<QByteArray>("company"); // the bytes of Employee.mdb; empty: a company with a log
    QTest::addColumn<bool>("folderWritable"); // false: "out" is a file, so no file can be made in it
    QTest::addColumn<QString>("says");
    QTest::newRow("missing company") << QByteArray("-") << true << "cannot be read";
    QTest::newRow("damaged company") << QByteArray(4096, 'x') << true << "cannot be read";
    QTest::newRow("foreign company") << QByteArray("sqlite") << true << "cannot be read";
    QTest::newRow("folder not writable") << QByteArray() << false << "cannot be written";
}

void tst_hoursexport::refused()
{
    QFETCH(QByteArray, company);
    QFETCH(bool, folderWritable);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Employee.mdb"));
    if (company.isEmpty())
        QVERIFY(pw::test::makeCompanyFile(path, 5));
    else if (company == "sqlite")
        QVERIFY(pw::test::sqlite(path, "CREATE TABLE other (x);"));
    else if (company != "-") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(company) == company.size());
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    if (folderWritable) {
        QVERIFY(QDir().mkdir(out));
    } else {
        QFile f(out);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
    }
    const pw::test::Files before = pw::test::filesIn(dir.path());

    pw::CommandLine line = pw::parseCommandLine({QStringLiteral("--export-hours"), QStringLiteral("out/hours.csv")});
    const pw::SystemClock clock;
    const pw::ExportCommandResult result = pw::exportHoursCommand(line, dir.path(), clock);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.line.contains(says) && !result.line.contains(u'\n'), qPrintable(result.line));
    QCOMPARE(pw::test::filesIn(dir.path()), before);
    if (folderWritable)
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Ending date, save dialog, file, and the box that names it with the records' seal; a cancelled
// dialog writes nothing.
void tst_hoursexport::exportButton()
{
    TestApp app;
    app.addEmployee(kKim);
    app.addEntry(kKim, QStringLiteral("2026-12-01 09:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Filing"));
    app.addEntry(kKim, QStringLiteral("2026-12-01 10:30:00"), QStringLiteral("Clocked Out"));
    app.clock.set(2026, 12, 7, 17, 0, 0);
    QWidget *m = app.managerLogOn();
    QCOMPARE(pw::test::textOf(m, "cmdexport"), QStringLiteral("Export"));
    const QString file = QDir(app.dir()).filePath(QStringLiteral("pay.csv"));

    app.dialogs.clear();
    app.dialogs.answerInput(QStringLiteral("12/6/2026"));
    app.dialogs.answerFile(QString());
    pw::test::click(m, "cmdexport");
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.dialogs.shown()[1].kind, pw::test::FakeDialogs::Shown::SaveFile);
    QVERIFY(!QFile::exists(file));

    app.dialogs.clear();
    app.dialogs.answerInput(QStringLiteral("12/6/2026"));
    app.dialogs.answerFile(file);
    pw::test::click(m, "cmdexport");
    QVERIFY(pw::test::lastBoxIs(
        app.dialogs,
        QStringLiteral("The hours of 2 employees (1 shift) were saved in %1 (the records have no journal yet).").arg(file),
        QStringLiteral("Export"), Dialogs::Icon::Information));
    Table csv;
    QVERIFY(readCsv(bytesOf(file), &csv));
    QCOMPARE(csv.size(), 2);
    QCOMPARE(csv[1], (QStringList{kKim, "2026-12-01T09:00:00", "2026-12-01T10:30:00", "90", "1.50", "Filing", "10", "15.00"}));

    QVERIFY(!pw::startJournal(app.db()));
    const auto check = pw::verifyChain(app.db());
    QVERIFY(check && check->whole());
    app.dialogs.answerInput(QStringLiteral("12/6/2026"));
    app.dialogs.answerFile(file);
    pw::test::click(m, "cmdexport");
    QVERIFY(pw::test::lastBoxIs(
        app.dialogs, QStringLiteral("The hours of 2 employees (1 shift) were saved in %1 (seal %2).").arg(file, check->seal()),
        QStringLiteral("Export"), Dialogs::Icon::Information));
}

PW_TEST_MAIN(tst_hoursexport)
#include "tst_hoursexport.moc"
