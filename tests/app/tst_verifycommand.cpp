// punchwell --verify-records on companies in every state: one line, the right exit code, and the
// company only read.
#include "app/options.h"
#include "app/verifycommand.h"
#include "db/database.h"
#include "domain/journalchain.h"
#include "domain/recordcheck.h"
#include "testlib/companyfiles.h"
#include "testlib/filestate.h"
#include "testlib/testmain.h"

#include <QTemporaryDir>
#include <QTest>

class tst_verifycommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneLine_data();
    void oneLine();
};

void tst_verifycommand::oneLine_data()
{
    QTest::addColumn<QByteArray>("then"); // SQL on the file once its journal began; "-": no journal;
                                          // "missing", "damaged": the file gone, or overwritten
    QTest::addColumn<QStringList>("options");  // after --verify-records; %1: the seal the journal began with
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("line");         // what it begins with; %1: the seal now
    const QString tampered = QStringLiteral("the records do not verify: ");
    QTest::newRow("whole") << QByteArray() << QStringList() << 0 << "The records verify: 7 rows in the journal, seal %1";
    QTest::newRow("a seal noted") << QByteArray() << QStringList{"--seal", "%1"} << 0 << "The records verify: ";
    QTest::newRow("a seal of another chain") << QByteArray() << QStringList{"--seal", "0123456789ABCDEF"} << 1
                                             << tampered + "the seal noted is not one of this journal's own";
    QTest::newRow("no journal") << QByteArray("-") << QStringList() << 1
                                << "the records cannot be verified: the company has no journal of changes yet";
    QTest::newRow("no file") << QByteArray("missing") << QStringList() << 1 << "the records were not verified: ";
    QTest::newRow("a damaged file") << QByteArray("damaged") << QStringList() << 1 << "the records were not verified: ";
    QTest::newRow("an entry's task") << QByteArray("UPDATE Kim SET activity = 'row 9' WHERE rowid = 2") << QStringList()
                                     << 1
                                     << tampered + "the log of “Kim”, entry 2: stored [\"Kim\",\"2026-01-01 08:00:00\","
                                                   "\"Clocked In\",\"row 9\"], the journal says [\"Kim\",\"2026-01-01 "
                                                   "08:00:00\",\"Clocked In\",\"row 2\"]";
    QTest::newRow("an entry removed") << QByteArray("DELETE FROM Kim WHERE rowid = 3") << QStringList() << 1
                                      << tampered + "the log of “Kim”, entry 3: stored nothing, the journal says ";
    QTest::newRow("a journal row") << QByteArray("UPDATE \"Punchwell journal of changes\" SET who = 'Kim' WHERE sequence = 5")
                                   << QStringList() << 1 << tampered + "row 5 of the journal breaks its chain";
    QTest::newRow("a wage") << QByteArray("UPDATE datalist SET Ewage = '99'") << QStringList() << 1
                            << tampered + "the employee list, row 1: stored {\"name\":\"Manager\",\"note\":\"\",\"wage\":\"99\"}";
}

void tst_verifycommand::oneLine()
{
    QFETCH(QByteArray, then);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, line);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Employee.mdb"));
    QVERIFY(pw::test::makeCompanyFile(path, 3));
    QString sealed;
    if (then != "-") {
        pw::Database db(path);
        QVERIFY(!db.open());
        QVERIFY(!pw::startJournal(db));
        sealed = pw::verifyChain(db)->seal();
        db.close();
        if (then == "missing")
            QVERIFY(QFile::remove(path));
        else if (then == "damaged")
            pw::test::overwrite(path, QByteArray("not a company at all. ").repeated(500));
        else
            QVERIFY(then.isEmpty() || pw::test::sqlite(path, then));
    }
    const pw::test::Files before = pw::test::filesIn(dir.path());
    options.replaceInStrings(QStringLiteral("%1"), sealed);

    const auto result = pw::verifyRecordsCommand(pw::parseCommandLine(QStringList{"--verify-records"} + options), dir.path());
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.line.startsWith(QString(line).replace(QLatin1String("%1"), sealed)), qPrintable(result.line));
    QVERIFY(!result.line.contains(u'\n'));
    QCOMPARE(pw::test::filesIn(dir.path()), before); // only read
}

PW_TEST_MAIN(tst_verifycommand)
#include "tst_verifycommand.moc"
