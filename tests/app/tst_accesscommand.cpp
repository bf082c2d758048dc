// `punchwell --copy-company OLD.mdb TARGET` with an Access-format file as the source: into a new
// file and into a database on a server, read back; refused targets and files; a full disk and
// kills at random moments, with the old file never changed and the target whole or not there.
#include "db/database.h"
#include "db/journal.h"
#include "db/quoting.h"
#include "testlib/accessfixture.h"
#include "testlib/filestate.h"
#include "testlib/pgserver.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using pw::test::AccessCompanyFixture;
using pw::test::JetWriter;
using pw::test::fileBytes;

namespace {

struct Run {
    int exitCode = -1;
    QString out, err;
};

Run punchwell(const QStringList &arguments, const QString &folder, const std::function<void()> &inChild = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(QStringLiteral(PUNCHWELL_BIN), QStringList{QStringLiteral("--copy-company")} + arguments);
    if (!process.waitForFinished(120000))
        qFatal("punchwell did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// A failure is one line on the standard error, nothing on the standard output.
bool saysInOneLine(const Run &run, const QString &words)
{
    const bool ok = run.exitCode == 1 && run.out.isEmpty() && run.err.count(QLatin1Char('\n')) == 1 && run.err.endsWith(QLatin1Char('\n'))
        && run.err.startsWith(QStringLiteral("punchwell: the company was not copied: ")) && run.err.contains(words);
    if (!ok)
        qWarning("exit %d, out \"%s\", err \"%s\"; expected one line with \"%s\"", run.exitCode, qPrintable(run.out),
                 qPrintable(run.err), qPrintable(words));
    return ok;
}

// Rows of each table of a company, by table.
QMap<QString, qint64> sizes(pw::Database &db)
{
    QMap<QString, qint64> out;
    if (db.open())
        return out;
    const auto tables = db.tableNames();
    for (const QString &t : *tables) {
        const auto count = db.query(QStringLiteral("SELECT count(*) FROM %1").arg(pw::quoteIdentifier(t)));
        out[t] = count && !count->isEmpty() ? count->value(0, 0).toLongLong() : -1;
    }
    db.close();
    return out;
}

QMap<QString, qint64> sizesOf(const AccessCompanyFixture &fixture)
{
    // The journal holds the row of the import, then one row for the settings, each employee, each
    // log and each entry.
    QMap<QString, qint64> out{{QStringLiteral("Company Data"), 1}, {QStringLiteral("datalist"), fixture.employees.size()}};
    qint64 journal = 2 + fixture.employees.size();
    for (const QString &t : fixture.logOrder) {
        out[t] = fixture.logs[t].size();
        journal += 1 + out[t];
    }
    out[pw::kJournalTable] = journal;
    return out;
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class tst_accesscommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void toNewFile();
    void toServer();
    void refusedTargets_data();
    void refusedTargets();
    void faults_data();
    void faults();
    void diskFull();
    void killedAtAnyMoment();
    void punchwellFileAsSource();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_accesscommand::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// Relative names from the current folder; the report on the standard output; the new file a
// Punchwell company with every entry, its tasks as stored.
void tst_accesscommand::toNewFile()
{
    const auto fixture = AccessCompanyFixture::make(3, 50);
    QVERIFY(fixture.save(path(QStringLiteral("OLD.mdb"))));
    const QByteArray old = fileBytes(path(QStringLiteral("OLD.mdb")));
    const Run run = punchwell({QStringLiteral("OLD.mdb"), QStringLiteral("new.mdb")}, m_dir->path());
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.startsWith(QStringLiteral("Brought the company over from %1 to %2, read both back and found them equal.\n"
                                               "3 employees and 150 time log entries were brought over in ")
                                    .arg(path(QStringLiteral("OLD.mdb")), path(QStringLiteral("new.mdb")))),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("    Employee 002: 50\n")), qPrintable(run.out));
    QCOMPARE(fileBytes(path(QStringLiteral("OLD.mdb"))), old);
    QCOMPARE(filesIn(m_dir->path()), QStringList({QStringLiteral("OLD.mdb"), QStringLiteral("new.mdb")}));

    pw::Database db(path(QStringLiteral("new.mdb")));
    QCOMPARE(sizes(db), sizesOf(fixture));
    QVERIFY(!db.open());
    const auto log = db.query(QStringLiteral("SELECT datetime, activity FROM \"Employee 001\" ORDER BY rowid"));
    QVERIFY(log && log->size() > 10);
    QCOMPARE(log->value(0, 0).toString(), QStringLiteral("2024-01-01 07:00:00"));
    QVERIFY(log->value(0, 1).isNull());
    QCOMPARE(log->value(10, 1).toString(), QStringLiteral(" "));
}

// A database on a server as the target: written and compared there; a second copy is refused.
void tst_accesscommand::toServer()
{
    pw::test::PgServer server;
    if (!server.start())
        QSKIP(qPrintable(QStringLiteral("no private PostgreSQL server: %1").arg(server.errorString())));
    QVERIFY2(server.createDatabase(QStringLiteral("acme")), qPrintable(server.errorString()));
    auto fixture = AccessCompanyFixture::make(4, 300);
    const QString tooLong = QStringLiteral("Bartholomew Fitzgerald-Smythe");
    fixture.employees.append({tooLong, QStringLiteral("9"), QVariant(), QVariant()});
    QVERIFY(fixture.save(path(QStringLiteral("OLD.mdb"))));
    const QString url = server.url(QStringLiteral("acme"));

    const Run run = punchwell({path(QStringLiteral("OLD.mdb")), url}, m_dir->path());
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("5 employees and 1200 time log entries")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("Bartholomew Fitzgerald-Smythe: no time log")), qPrintable(run.out));
    const auto db = pw::Database::fromLocation(url);
    QCOMPARE(sizes(*db), sizesOf(fixture));

    QVERIFY(saysInOneLine(punchwell({path(QStringLiteral("OLD.mdb")), url}, m_dir->path()),
                          QStringLiteral("holds a company already")));
    QCOMPARE(sizes(*db), sizesOf(fixture));
}

void tst_accesscommand::refusedTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("words");
    QTest::newRow("a Punchwell company") << "company" << "holds a company already (the table \"Company Data\")";
    QTest::newRow("the old file itself") << "itself" << "the source and the target are the same";
    QTest::newRow("another Access file") << "access" << "it is a Microsoft Access (Jet) database";
    QTest::newRow("a folder that is not there") << "no folder" << "nothing can be written in the folder";
}

// A target that holds a company, or is not a place for one, is left as it was.
void tst_accesscommand::refusedTargets()
{
    QFETCH(QString, target);
    QFETCH(QString, words);
    QVERIFY(AccessCompanyFixture::make(2, 10).save(path(QStringLiteral("OLD.mdb"))));
    QString to = path(QStringLiteral("target.mdb"));
    if (target == QLatin1String("company"))
        QVERIFY(!pw::Database::createDelivered(to));
    if (target == QLatin1String("access"))
        QVERIFY(AccessCompanyFixture::make(1, 1).save(to));
    if (target == QLatin1String("itself"))
        to = QStringLiteral("./OLD.mdb");
    if (target == QLatin1String("no folder"))
        to = QStringLiteral("missing/new.mdb");
    const QByteArray before = QFile::exists(to) ? fileBytes(QDir(m_dir->path()).filePath(to)) : QByteArray();
    const QByteArray old = fileBytes(path(QStringLiteral("OLD.mdb")));
    QVERIFY(saysInOneLine(punchwell({QStringLiteral("OLD.mdb"), to}, m_dir->path()), words));
    QCOMPARE(fileBytes(path(QStringLiteral("OLD.mdb"))), old);
    if (!before.isNull())
        QCOMPARE(fileBytes(QDir(m_dir->path()).filePath(to)), before);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("missing"))));
}

void tst_accesscommand::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("words");
    QTest::newRow("not a company file") << "no datalist" << "the file \u201cOLD.mdb\u201d is an Access database, but not a company file";
    QTest::newRow("database password") << "password" << "the file \u201cOLD.mdb\u201d is protected by a database password";
    QTest::newRow("cut short") << "cut" << "the file \u201cOLD.mdb\u201d is damaged";
    // libmdb's own complaint stays off the terminal: the line is the program's alone.
    QTest::newRow("damaged list of tables") << "catalog" << "the file \u201cOLD.mdb\u201d is damaged: its list of tables cannot be read";
    QTest::newRow("unknown version") << "version" << "a version this program does not know (version number 66)";
    QTest::newRow("date outside Access's range") << "date" << "row 3 of the table \u201cEmployee 001\u201d has a date in the column \u201cdatetime\u201d outside the years 100 to 9999";
    QTest::newRow("a text no file can store, found by the comparison") << "surrogate" << "row 5 of the table \"Employee 002\" differs between the source and the target";
}

// Each old file the command cannot bring over: one line, and no target.
void tst_accesscommand::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, words);
    const QString old = path(QStringLiteral("OLD.mdb"));
    QVERIFY(pw::test::saveCompanyWithFault(fault, old));
    const QByteArray before = fileBytes(old);
    QVERIFY(saysInOneLine(punchwell({QStringLiteral("OLD.mdb"), QStringLiteral("new.mdb")}, m_dir->path()), words));
    QCOMPARE(fileBytes(old), before);
    QCOMPARE(filesIn(m_dir->path()), QStringList{QStringLiteral("OLD.mdb")});
}

// The disk fills up while the new file is written: one line, no target, nothing left beside it.
void tst_accesscommand::diskFull()
{
    QVERIFY(AccessCompanyFixture::make(5, 2000).save(path(QStringLiteral("OLD.mdb"))));
    const QByteArray old = fileBytes(path(QStringLiteral("OLD.mdb")));
    const Run run = punchwell({QStringLiteral("OLD.mdb"), QStringLiteral("new.mdb")}, m_dir->path(), [] {
        const rlimit limit{128 * 1024, 128 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
    });
    QVERIFY(saysInOneLine(run, QStringLiteral("the new company could not be made in %1: there is no room left to store the "
                                              "change (the disk or the database file is full)")
                                   .arg(path(QStringLiteral("new.mdb")))));
    QCOMPARE(fileBytes(path(QStringLiteral("OLD.mdb"))), old);
    QCOMPARE(filesIn(m_dir->path()), QStringList{QStringLiteral("OLD.mdb")});
}

// Killed at random moments: the target is whole or not there, the old file never changes, and the
// next run cleans up and brings the company over.
void tst_accesscommand::killedAtAnyMoment()
{
    const int kills = qEnvironmentVariableIntValue("PUNCHWELL_CONVERSION_KILLS") > 0 ? qEnvironmentVariableIntValue("PUNCHWELL_CONVERSION_KILLS") : 20;
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qInfo("random seed %u", seed);
    const auto fixture = AccessCompanyFixture::make(10, 4000);
    const QString old = path(QStringLiteral("OLD.mdb"));
    QVERIFY(fixture.save(old));
    const QByteArray before = fileBytes(old);
    const QString made = path(QStringLiteral("new.mdb"));

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(punchwell({old, made}, m_dir->path()).exitCode, 0);
    const qint64 took = timer.elapsed();

    int whole = 0, none = 0;
    for (int round = 0; round < kills; ++round) {
        QVERIFY(QFile::remove(made));
        QProcess process;
        process.start(QStringLiteral(PUNCHWELL_BIN), {QStringLiteral("--copy-company"), old, made});
        QVERIFY(process.waitForStarted());
        QTest::qWait(int(random.bounded(qint64(0), took + 20)));
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            QVERIFY(process.waitForFinished());
        }
        QCOMPARE(fileBytes(old), before);
        if (QFile::exists(made)) {
            ++whole;
            pw::Database db(made);
            QCOMPARE(sizes(db), sizesOf(fixture));
            continue;
        }
        ++none;
        const Run again = punchwell({old, made}, m_dir->path());
        QVERIFY2(again.exitCode == 0, qPrintable(QStringLiteral("exit %1: %2").arg(again.exitCode).arg(again.err)));
        QCOMPARE(filesIn(m_dir->path()), QStringList({QStringLiteral("OLD.mdb"), QStringLiteral("new.mdb")}));
    }
    qInfo("%d kills: %d left no target, %d a whole one (a run takes %lld ms)", kills, none, whole, took);
}

// Any other source goes through the ordinary copy.
void tst_accesscommand::punchwellFileAsSource()
{
    pw::test::TestApp app;
    app.addEmployee(QStringLiteral("Ann"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2024-01-02 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    app.db().close();
    const Run run = punchwell({app.path(), path(QStringLiteral("copy.mdb"))}, m_dir->path());
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.startsWith(QStringLiteral("Copied the company from %1 to %2: 4 tables, 4 rows")
                                    .arg(app.path(), path(QStringLiteral("copy.mdb")))),
             qPrintable(run.out));
}

PW_TEST_MAIN(tst_accesscommand)
#include "tst_accesscommand.moc"
