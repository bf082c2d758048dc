// `punchwell --copy-company FROM TO` between files: what it must only read stays byte for byte as it
// was, with nothing made beside it; a copy killed at any moment stands in the way of no later one;
// and each failure is one clear line.
#include "app/copycommand.h"
#include "db/database.h"
#include "testlib/companyfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>


using pw::test::Files;
using pw::test::filesIn;
using pw::test::makeCompanyFile;
using pw::test::sqlite;

class tst_copycommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyReadFilesStayAsTheyWere_data();
    void onlyReadFilesStayAsTheyWere();
    void killedCopyBlocksNoRetry();
    void folderNotWritable();
};

void tst_copycommand::onlyReadFilesStayAsTheyWere_data()
{
    QTest::addColumn<QByteArray>("sourceSql"); // run on the source company after it is made
    QTest::addColumn<QByteArray>("targetSql"); // the target: none when empty, else a company with this run on it
    QTest::addColumn<int>("exitCode");
    QTest::newRow("source as delivered") << QByteArray() << QByteArray() << 0;
    QTest::newRow("source in WAL mode") << QByteArray("PRAGMA journal_mode = WAL;") << QByteArray() << 0;
    QTest::newRow("source in DELETE mode") << QByteArray("PRAGMA journal_mode = DELETE;") << QByteArray() << 0;
    QTest::newRow("refused target") << QByteArray() << QByteArray("SELECT 1;") << 1;
    QTest::newRow("refused target in WAL mode") << QByteArray() << QByteArray("PRAGMA journal_mode = WAL;") << 1;
}

// The source, and a target that is refused, keep every byte; no file appears beside either.
void tst_copycommand::onlyReadFilesStayAsTheyWere()
{
    QFETCH(QByteArray, sourceSql);
    QFETCH(QByteArray, targetSql);
    QFETCH(int, exitCode);
    QTemporaryDir from, to;
    const QString source = from.filePath(QStringLiteral("source.mdb"));
    QVERIFY(makeCompanyFile(source, 50, sourceSql));
    const QString target = to.filePath(QStringLiteral("target.mdb"));
    if (!targetSql.isEmpty())
        QVERIFY(makeCompanyFile(target, 3, targetSql));
    const Files sourceBefore = filesIn(from.path()), targetBefore = filesIn(to.path());

    const pw::CopyCommandResult result = pw::copyCompanyCommand(source, target, from.path());
    QVERIFY2(result.exitCode == exitCode, qPrintable(result.line));
    QCOMPARE(filesIn(from.path()), sourceBefore);
    if (exitCode != 0) {
        QVERIFY2(result.line.contains(QLatin1String("holds a company already")), qPrintable(result.line));
        QCOMPARE(filesIn(to.path()), targetBefore);
    }
}

// A copy killed with SIGKILL at a moment picked at random leaves nothing that stops the next one.
void tst_copycommand::killedCopyBlocksNoRetry()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("big.mdb"));
    QVERIFY(makeCompanyFile(source, 300000));
    const auto copy = [&](QProcess &process) {
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(PUNCHWELL_BIN), {QStringLiteral("--copy-company"), source, QStringLiteral("killed.mdb")});
        return process.waitForStarted();
    };
    // How long a whole copy takes here.
    QElapsedTimer timer;
    timer.start();
    {
        QProcess whole;
        QVERIFY(copy(whole));
        QVERIFY(whole.waitForFinished(120000));
        QCOMPARE(whole.exitCode(), 0);
    }
    const qint64 takes = timer.elapsed();
    const int kills = qEnvironmentVariableIntValue("PUNCHWELL_KILLS") > 0 ? 3 : 6;
    for (int i = 0; i < kills; ++i) {
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("killed.mdb"))));
        QProcess killed;
        QVERIFY(copy(killed));
        QTest::qWait(int(QRandomGenerator::global()->bounded(takes)));
        // Killed only while it runs: a copy that has ended has no process id left (0), and a kill
        // of 0 would take the test's whole process group, the test runner with it.
        if (killed.state() != QProcess::NotRunning) {
            killed.kill();
            QVERIFY(killed.waitForFinished(10000));
        }
        if (QFile::exists(dir.filePath(QStringLiteral("killed.mdb")))) {
            // It named its file before the kill: the file is whole.
            pw::Database made(dir.filePath(QStringLiteral("killed.mdb")));
            QVERIFY(!made.open());
            continue;
        }
        QProcess retry;
        QVERIFY(copy(retry));
        QVERIFY(retry.waitForFinished(120000));
        QVERIFY2(retry.exitCode() == 0, retry.readAllStandardError().constData());
        // The killed copy's temporary file went with the retry.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"big.mdb", "killed.mdb"}));
    }
}

// A new file in a folder where nothing can be made: the line names the folder and the system's reason.
void tst_copycommand::folderNotWritable()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.mdb"));
    QVERIFY(makeCompanyFile(source, 1));
    const QString folder = dir.filePath(QStringLiteral("gone"));
    const pw::CopyCommandResult result = pw::copyCompanyCommand(source, QStringLiteral("gone/new.mdb"), dir.path());
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.line, QStringLiteral("the company was not copied: nothing can be written in the folder \u201c%1\u201d (No "
                                         "such file or directory) (error 3027)")
                              .arg(folder));
}

QTEST_GUILESS_MAIN(tst_copycommand)
#include "tst_copycommand.moc"
