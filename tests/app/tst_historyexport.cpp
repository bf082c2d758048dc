// The journal of changes as a CSV file for an inspector, read back field by field, and the records'
// seal on the lines of both exports: a company the commands only read, and no file where they refuse.
#include "app/exportcommand.h"
#include "app/options.h"
#include "db/journal.h"
#include "db/quoting.h"
#include "domain/clocking.h"
#include "domain/employees.h"
#include "domain/historyexport.h"
#include "domain/journalchain.h"
#include "domain/journaling.h"
#include "testlib/companyfiles.h"
#include "testlib/csvreader.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QDir>
#include <QTest>

using pw::test::CsvTable;

namespace {

const QString kKim = QStringLiteral("Kim");

// A row that changes Kim's wage, in its own write.
bool recordWage(pw::Database &db)
{
    pw::Database::Transaction write(db);
    return !pw::Journal(db).record({QStringLiteral("wage"), kKim, QStringLiteral("10"), QStringLiteral("12")})
        && !write.commit();
}

} // namespace

class tst_historyexport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rows();
    void commandLine();
    void commands_data();
    void commands();
};

// Every row in sequence order, texts that need quoting (commas, quotes, a line break) as stored,
// absent values empty, date-times in ISO 8601; the seal is the last row's.
void tst_historyexport::rows()
{
    pw::test::TestApp app;
    app.addEmployee(kKim, QStringLiteral("10"), QString(), QStringLiteral("Days"));
    QVERIFY(!pw::startJournal(app.db()));
    app.clock.set(2026, 12, 7, 8, 0, 0);
    pw::journaling::setWorkstation(app.db(), QStringLiteral("desk, 1"), app.clock);
    pw::journaling::setWho(app.db(), QStringLiteral("Manager"));
    const auto now = *pw::LocalDateTime::fromStored(u"2026-12-07 08:00:00");
    QVERIFY(pw::clocking::clockIn(app.db(), kKim, kKim, now, QStringLiteral("Say \"hi\", then go")).stored());
    QVERIFY(!pw::changeEmployeeDetails(app.db(), (**pw::findEmployee(app.db(), kKim)).rowid, std::nullopt,
                                       QStringLiteral("Days\r\nand nights")));
    const QString file = QDir(app.dir()).filePath(QStringLiteral("journal.csv"));

    const pw::historyexport::Outcome done = pw::historyexport::exportHistory(app.db(), file);
    QCOMPARE(done.status, pw::historyexport::Outcome::Saved);
    QCOMPARE(done.seal.digits, pw::verifyChain(app.db())->seal());
    CsvTable csv;
    QVERIFY(pw::test::readCsv(pw::test::bytesOf(file), &csv));
    CsvTable stored{pw::historyexport::kHeader.split(u',')};
    for (const QVariantList &row : app.rows(QStringLiteral("SELECT * FROM %1 ORDER BY sequence")
                                                .arg(pw::quoteIdentifier(pw::kJournalTable)))) {
        QStringList fields;
        for (const QVariant &v : row)
            fields << v.toString(); // Null: empty
        fields[1][10] = u'T';
        stored << fields;
    }
    QCOMPARE(csv, stored);
    QCOMPARE(csv[csv.size() - 2][1], QStringLiteral("2026-12-07T08:00:00"));
    QCOMPARE(csv.last().last().left(16), done.seal.digits);
}

// What the parser must not let pass silently.
void tst_historyexport::commandLine()
{
    const auto fault = [](const QStringList &arguments) { return pw::parseCommandLine(arguments).fault.kind; };
    QCOMPARE(fault({"--export-history", "j", "--export-history", "k"}), pw::OptionsFault::HistoryTwice);
    QCOMPARE(fault({"--export-history", "j", "--export-hours", "h"}), pw::OptionsFault::HistoryWithOther);
    QCOMPARE(fault({"--export-history", "j", "--through", "2026-12-07"}), pw::OptionsFault::ThroughWithoutExport);
}

// Each command on each state of the journal. The hours are written whatever the journal says; the
// journal only when it verifies.
void tst_historyexport::commands_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("company"); // no journal, whole, broken
    QTest::addColumn<bool>("writable");   // false: "out" is a file, so no file can be made in it
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("line");    // what it begins with; %1: the file, %2: the seal
    const QString history = QStringLiteral("--export-history"), hours = QStringLiteral("--export-hours");
    const QString refused = QStringLiteral("the journal was not exported: ");
    const QString broken = QStringLiteral("the records' journal is broken: they do not verify from row 2 on");
    QTest::newRow("journal") << history << "whole" << true << 0 << "Exported the journal's %3 rows to %1 (seal %2).";
    QTest::newRow("journal, none yet") << history << "no journal" << true << 1
                                       << refused + "the records have no journal yet";
    QTest::newRow("journal, broken") << history << "broken" << true << 1 << refused + broken;
    QTest::newRow("journal, not writable") << history << "whole" << false << 1 << refused + "%1 cannot be written: ";
    const QString exported = QStringLiteral("Exported 0 shifts of 1 employee to %1 (");
    QTest::newRow("hours") << hours << "whole" << true << 0 << exported + "seal %2).";
    QTest::newRow("hours, no journal") << hours << "no journal" << true << 0
                                       << exported + "the records have no journal yet).";
    QTest::newRow("hours, broken") << hours << "broken" << true << 0 << exported + broken + ").";
}

void tst_historyexport::commands()
{
    QFETCH(QString, option);
    QFETCH(QString, company);
    QFETCH(bool, writable);
    QFETCH(int, exitCode);
    QFETCH(QString, line);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Acme.mdb"));
    QVERIFY(pw::test::makeCompanyFile(path, 3));
    pw::Database db(path);
    QVERIFY(!db.open());
    if (company != QLatin1String("no journal"))
        QVERIFY(!pw::startJournal(db) && recordWage(db));
    if (company == QLatin1String("broken"))
        QVERIFY(!db.exec(QStringLiteral("UPDATE %1 SET who = 'x' WHERE sequence = 2")
                             .arg(pw::quoteIdentifier(pw::kJournalTable))));
    const QString seal = pw::verifyChain(db)->seal();
    const qint64 journalRows = pw::verifyChain(db)->rows;
    db.close();
    const QString out = dir.filePath(QStringLiteral("out"));
    QFile notFolder(out);
    QVERIFY(writable ? QDir().mkdir(out) : notFolder.open(QIODevice::WriteOnly));
    const QString file = dir.filePath(QStringLiteral("out/made.csv"));
    const pw::test::Files before = pw::test::filesIn(dir.path());

    const pw::CommandLine command = pw::parseCommandLine({QStringLiteral("--database=Acme.mdb"), option, file});
    const pw::SystemClock clock;
    const pw::ExportCommandResult result = option == QLatin1String("--export-hours")
        ? pw::exportHoursCommand(command, dir.path(), clock)
        : pw::exportHistoryCommand(command, dir.path());
    QCOMPARE(result.exitCode, exitCode);
    const QString expected = QString(line).replace(QLatin1String("%1"), file).replace(QLatin1String("%2"), seal)
                                 .replace(QLatin1String("%3"), QString::number(journalRows));
    QVERIFY2(exitCode == 0 ? result.line == expected : result.line.startsWith(expected), qPrintable(result.line));
    QVERIFY(!result.line.contains(u'\n'));
    QCOMPARE(pw::test::filesIn(dir.path()), before);
    if (writable)
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), exitCode ? QStringList() : QStringList{"made.csv"});
}

PW_TEST_MAIN(tst_historyexport)
#include "tst_historyexport.moc"
