// An Access-format Employee.mdb at the start: the offer, the conversion with the old file kept, the
// logon that follows, and every fault with both files as they were: refused files, a cancel, a
// full disk and a kill at any moment (in a process of its own, limited or killed).
#include "access/accessconversion.h"
#include "db/database.h"
#include "db/journal.h"
#include "db/quoting.h"
#include "testlib/accessfixture.h"
#include "testlib/filestate.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using pw::Dialogs;
using pw::test::AccessCompanyFixture;
using pw::test::FakeDialogs;
using pw::test::JetWriter;
using pw::test::TestApp;
using pw::test::fileBytes;

namespace {

const QString kKept = QStringLiteral("Employee (Access).mdb");

QByteArray accessBytes(const JetWriter &writer)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("x.mdb"));
    QString error;
    if (!writer.save(file, &error))
        qFatal("cannot write an Access file: %s", qPrintable(error));
    return fileBytes(file);
}

// Puts an Access-format file where the test's company database was.
void putAccessFile(TestApp &app, const QByteArray &bytes)
{
    app.db().close();
    QFile::remove(app.path() + QStringLiteral("-journal"));
    pw::test::overwrite(app.path(), bytes);
}

// The files of the folder, but for an empty journal SQLite leaves beside a file it wrote.
QStringList filesIn(const QString &dir)
{
    QStringList files;
    for (const QFileInfo &f : QDir(dir).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
        if (!(f.fileName().endsWith(QLatin1String("-journal")) && f.size() == 0))
            files << f.fileName();
    return files;
}

void start(TestApp &app)
{
    app.startProgram();
    pw::test::settle();
}

bool isSqlite(const QString &path)
{
    return fileBytes(path).startsWith(QByteArrayLiteral("SQLite format 3\0"));
}

// Rows of every log table of a Punchwell file, by table.
QMap<QString, qint64> logSizes(const QString &path)
{
    QMap<QString, qint64> sizes;
    pw::Database db(path);
    if (db.open())
        return sizes;
    const auto tables = db.tableNames();
    for (const QString &t : *tables) {
        if (t == QLatin1String("datalist") || t == QLatin1String("Company Data"))
            continue;
        const auto count = db.query(QStringLiteral("SELECT count(*) FROM %1").arg(pw::quoteIdentifier(t)));
        sizes[t] = count && !count->isEmpty() ? count->value(0, 0).toLongLong() : -1;
    }
    return sizes;
}

// The program in a process of its own on the folder: its boxes, one a line.
struct HelperRun {
    int exitCode = -1;
    QStringList lines;
};

} // namespace

class tst_accessstartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void convertsAndLogsOn();
    void declined();
    void faults_data();
    void faults();
    void noCompanySettings();
    void keptNameTaken();
    void leftovers_data();
    void leftovers();
    void cancelled();
    void diskFull();
    void killedAtAnyMoment();
};

// Yes: the company is brought over, the old file kept byte for byte under its second name, and
// the logon window follows with the company as it was; a name the add dialog would refuse logs on.
void tst_accessstartup::convertsAndLogsOn()
{
    TestApp app;
    auto fixture = AccessCompanyFixture::make(4, 30);
    const QString longName = QStringLiteral("Christopher Longname-Smith"); // 26 characters
    fixture.employees.append({longName, QStringLiteral("11"), QVariant(), QStringLiteral("pw")});
    fixture.addLog(longName, {pw::test::fixtureEntry(longName, 0)});
    const QByteArray jet = accessBytes(fixture.writer());
    putAccessFile(app, jet);
    // A folder shared by the workstations: the group may write the company file.
    const QFile::Permissions shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
        | QFile::ReadUser | QFile::WriteUser;
    QVERIFY(QFile::setPermissions(app.path(), shared));
    app.dialogs.answer(Dialogs::Yes);
    start(app);

    QCOMPARE(app.dialogs.count(), 2);
    const FakeDialogs::Shown &offer = app.dialogs.shown()[0];
    QCOMPARE(offer.icon, Dialogs::Icon::Question);
    QCOMPARE(offer.buttons, Dialogs::Yes | Dialogs::No);
    QVERIFY2(offer.text.contains(QDir::toNativeSeparators(app.path())), qPrintable(offer.text));
    QVERIFY2(offer.text.contains(QStringLiteral("Jet 4 (Access 2000-2003)) with 5 employees")), qPrintable(offer.text));
    QVERIFY2(offer.text.contains(QStringLiteral("the old file is kept, renamed \u201cEmployee (Access).mdb\u201d, and is never "
                                                "written to")),
             qPrintable(offer.text));
    QVERIFY2(offer.text.contains(QStringLiteral("a new Punchwell file \u201cEmployee.mdb\u201d is made from it")), qPrintable(offer.text));
    const FakeDialogs::Shown &done = app.dialogs.shown()[1];
    QCOMPARE(done.icon, Dialogs::Icon::Information);
    QVERIFY2(done.text.contains(QStringLiteral("The old Access-format file is kept as \u201cEmployee (Access).mdb\u201d.")), qPrintable(done.text));
    QVERIFY2(done.text.contains(QStringLiteral("5 employees and 121 time log entries were brought over in")), qPrintable(done.text));
    QVERIFY2(done.text.contains(QStringLiteral("Employee 003: 30\n")), qPrintable(done.text));
    QVERIFY2(done.text.contains(QStringLiteral("\u201cChristopher Longname-Smith\u201d (longer than 20 characters)")), qPrintable(done.text));
    QCOMPARE(app.dialogs.progressShown().size(), 1);
    QCOMPARE(app.dialogs.progressShown()[0].steps, 7);
    QCOMPARE(app.dialogs.progressShown()[0].names.first(), QStringLiteral("Bringing over \u201cCompany Data\u201d"));
    QVERIFY(app.dialogs.progressShown()[0].finished);

    QCOMPARE(filesIn(app.dir()), QStringList({kKept, QStringLiteral("Employee.mdb")}));
    QCOMPARE(fileBytes(QDir(app.dir()).filePath(kKept)), jet);
    QVERIFY(isSqlite(app.path()));
    QCOMPARE(QFile::permissions(app.path()), shared);

    QVERIFY(!app.programEnd.ended());
    QVERIFY(app.logon()->isVisible());
    QCOMPARE(pw::test::textOf(app.main(), "company"), QStringLiteral("Acme Widgets"));
    QCOMPARE(pw::test::listedNames(app.logon()).size(), 5);
    const QList<QVariantList> log = app.log(QStringLiteral("Employee 002"));
    QCOMPARE(log.size(), 30);
    QCOMPARE(log[1].mid(0, 3), QVariantList({QStringLiteral("Employee 002"), QStringLiteral("2024-01-01 15:00:01"),
                                             QStringLiteral("Clocked Out")}));
    QVERIFY(log[1][3].isNull());
    QCOMPARE(log[10][3], QVariant(QStringLiteral(" ")));
    QVERIFY(app.logOn(longName, QStringLiteral("pw")));
}

// No: the program ends and nothing is written anywhere.
void tst_accessstartup::declined()
{
    TestApp app;
    const QByteArray jet = accessBytes(AccessCompanyFixture::make(2, 10).writer());
    putAccessFile(app, jet);
    app.dialogs.answer(Dialogs::No);
    start(app);
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY(app.programEnd.ended());
    QCOMPARE(app.programEnd.exitCode(), 1);
    QVERIFY(!app.window("frmlogon"));
    QCOMPARE(filesIn(app.dir()), QStringList{QStringLiteral("Employee.mdb")});
    QCOMPARE(fileBytes(app.path()), jet);
}

void tst_accessstartup::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("offered"); // the file looked sound, so the question came first
    QTest::newRow("not a company file") << "no datalist" << "is an Access database, but not a company file: it has no table \u201cdatalist\u201d" << false;
    QTest::newRow("database password") << "password" << "is protected by a database password" << false;
    QTest::newRow("cut short") << "cut" << "is damaged" << false;
    QTest::newRow("unknown version") << "version" << "of a version this program does not know" << false;
    QTest::newRow("date outside Access's range") << "date" << "Row 3 of the table \u201cEmployee 001\u201d has a date in the column \u201cdatetime\u201d outside the years 100 to 9999" << true;
    QTest::newRow("another conversion under way") << "locked" << "Another program is making a new company file" << true;
    QTest::newRow("a text no file can store, found by the comparison") << "surrogate" << "row 5 of the table \"Employee 002\" differs between the source and the target" << true;
}

// Each fault: a box that says what is wrong, an orderly end, the file as it was and nothing beside it.
void tst_accessstartup::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, words);
    QFETCH(bool, offered);
    TestApp app;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("x.mdb"));
    QVERIFY(pw::test::saveCompanyWithFault(fault == QLatin1String("locked") ? QString() : fault, file));
    const QByteArray jet = fileBytes(file);
    putAccessFile(app, jet);
    QLockFile other(app.path() + QStringLiteral(".converting.lock"));
    if (fault == QLatin1String("locked"))
        QVERIFY(other.tryLock(0));

    start(app);
    QCOMPARE(app.dialogs.count(), offered ? 2 : 1);
    const FakeDialogs::Shown &box = app.dialogs.last();
    QCOMPARE(box.icon, Dialogs::Icon::Critical);
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(app.path())), qPrintable(box.text));
    QVERIFY2(box.text.contains(words), qPrintable(box.text));
    QVERIFY2(box.text.contains(offered ? QStringLiteral("Nothing has been changed: \u201cEmployee.mdb\u201d is still the Access-format file")
                                       : QStringLiteral("Nothing has been changed.")),
             qPrintable(box.text));
    QVERIFY(app.programEnd.ended());
    QVERIFY(!app.window("frmlogon"));
    QCOMPARE(fileBytes(app.path()), jet);
    QStringList expected{QStringLiteral("Employee.mdb")};
    if (fault == QLatin1String("locked"))
        expected << QStringLiteral("Employee.mdb.converting.lock");
    QCOMPARE(filesIn(app.dir()), expected);
}

// A company that never had its first start: brought over, then the first start asks for the name.
void tst_accessstartup::noCompanySettings()
{
    TestApp app;
    auto fixture = AccessCompanyFixture::make(1, 0);
    fixture.settings.clear();
    putAccessFile(app, accessBytes(fixture.writer()));
    start(app);
    QCOMPARE(app.dialogs.count(), 2);
    QVERIFY2(app.dialogs.last().text.contains(QStringLiteral("The old file held no company settings: Punchwell will ask for "
                                                             "the company name.")),
             qPrintable(app.dialogs.last().text));
    QVERIFY(!app.programEnd.ended());
    QVERIFY(app.window("frmstartup"));
    QVERIFY(app.window("frmstartup")->isVisible());
}

// The second name is taken by another file: it is left alone, and the old file gets the next name.
void tst_accessstartup::keptNameTaken()
{
    TestApp app;
    const QByteArray jet = accessBytes(AccessCompanyFixture::make(2, 5).writer());
    putAccessFile(app, jet);
    const QString taken = QDir(app.dir()).filePath(kKept);
    pw::test::overwrite(taken, QByteArrayLiteral("an older company"));
    start(app);
    QVERIFY2(app.dialogs.shown()[0].text.contains(QStringLiteral("renamed \u201cEmployee (Access 2).mdb\u201d")),
             qPrintable(app.dialogs.shown()[0].text));
    QVERIFY(app.logon()->isVisible());
    QCOMPARE(fileBytes(taken), QByteArrayLiteral("an older company"));
    QCOMPARE(fileBytes(QDir(app.dir()).filePath(QStringLiteral("Employee (Access 2).mdb"))), jet);
}

void tst_accessstartup::leftovers_data()
{
    QTest::addColumn<bool>("access");
    QTest::addColumn<QByteArray>("lock"); // the lock file's bytes; none when null
    QTest::newRow("beside the new file: the swap was made") << false << QByteArray();
    QTest::newRow("beside the old file: the old one was kept, the swap not made") << true << QByteArray();
    QTest::newRow("killed as it made the lock file") << true << QByteArray("");
    QTest::newRow("killed as it wrote the lock file") << true << QByteArray("4194303\n");
    QTest::newRow("the lock of a program that is gone") << true << QByteArray("4194303\npunchwell\n") + QSysInfo::machineHostName().toUtf8() + '\n';
}

// A conversion killed earlier left its temporary files: the next start removes them, and where the
// old file was kept under its second name already, that name serves again.
void tst_accessstartup::leftovers()
{
    QFETCH(bool, access);
    QFETCH(QByteArray, lock);
    TestApp app;
    QByteArray jet;
    if (access) {
        jet = accessBytes(AccessCompanyFixture::make(2, 5).writer());
        putAccessFile(app, jet);
        QVERIFY(QFile::copy(app.path(), QDir(app.dir()).filePath(kKept)));
    } else {
        app.db().close();
    }
    for (const char *suffix : {".converting", ".converting-journal", ".keeping"})
        pw::test::overwrite(app.path() + QLatin1String(suffix), QByteArrayLiteral("half written"));
    if (!lock.isNull())
        pw::test::overwrite(app.path() + QLatin1String(".converting.lock"), lock);
    start(app);
    QVERIFY(app.logon()->isVisible());
    QStringList expected{QStringLiteral("Employee.mdb")};
    if (access)
        expected.prepend(kKept);
    QCOMPARE(filesIn(app.dir()), expected);
    if (access) {
        QCOMPARE(app.dialogs.count(), 2);
        QCOMPARE(fileBytes(QDir(app.dir()).filePath(kKept)), jet);
    } else {
        QCOMPARE(app.dialogs.count(), 0);
    }
}

// Cancel in the progress window: nothing is left of the new file.
void tst_accessstartup::cancelled()
{
    TestApp app;
    const QByteArray jet = accessBytes(AccessCompanyFixture::make(4, 20).writer());
    putAccessFile(app, jet);
    app.dialogs.cancelProgressAfter(3);
    start(app);
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Information);
    QVERIFY2(app.dialogs.last().text.contains(QStringLiteral("it was cancelled. \u201cEmployee.mdb\u201d is still the "
                                                             "Access-format file, unchanged.")),
             qPrintable(app.dialogs.last().text));
    QVERIFY(app.programEnd.ended());
    QCOMPARE(filesIn(app.dir()), QStringList{QStringLiteral("Employee.mdb")});
    QCOMPARE(fileBytes(app.path()), jet);
}

// The disk fills up while the new file is written (a file size limit on the process): a box says
// so, and the folder is as it was.
void tst_accessstartup::diskFull()
{
    TestApp app;
    const QByteArray jet = accessBytes(AccessCompanyFixture::make(5, 2000).writer());
    putAccessFile(app, jet);
    QProcess helper;
    helper.setChildProcessModifier([] {
        const rlimit limit{128 * 1024, 128 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
    });
    helper.start(QStringLiteral(STARTUP_HELPER), {app.dir()});
    QVERIFY(helper.waitForFinished(60000));
    const QStringList lines = QString::fromUtf8(helper.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(helper.readAllStandardError().isEmpty(), "the helper wrote to stderr");
    QCOMPARE(helper.exitCode(), 1);
    QCOMPARE(lines.size(), 4); // starting, the offer, the failure, ended
    const QString failure = lines[2];
    QVERIFY2(failure.startsWith(QStringLiteral("box %1 Punchwell could not bring the company over").arg(int(Dialogs::Icon::Critical))),
             qPrintable(failure));
    QVERIFY2(failure.contains(QStringLiteral("the disk could not be read or written")) || failure.contains(QStringLiteral("no room left")),
             qPrintable(failure));
    QCOMPARE(filesIn(app.dir()), QStringList{QStringLiteral("Employee.mdb")});
    QCOMPARE(fileBytes(app.path()), jet);
}

// The program killed at random moments of the conversion: each time "Employee.mdb" is the old file
// or the whole new one, never neither, the old file's bytes are never changed, and the next start
// cleans up and ends with the company brought over.
void tst_accessstartup::killedAtAnyMoment()
{
    const int kills = qEnvironmentVariableIntValue("PUNCHWELL_CONVERSION_KILLS") > 0 ? qEnvironmentVariableIntValue("PUNCHWELL_CONVERSION_KILLS") : 20;
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qInfo("random seed %u", seed);
    const auto fixture = AccessCompanyFixture::make(10, 4000);
    const QByteArray jet = accessBytes(fixture.writer());
    // The journal: the import's row, the settings, each employee, each log and each entry.
    QMap<QString, qint64> sizes;
    qint64 journal = 2 + fixture.employees.size();
    for (const QString &t : fixture.logOrder) {
        sizes[t] = fixture.logs[t].size();
        journal += 1 + sizes[t];
    }
    sizes[pw::kJournalTable] = journal;

    // How long a whole conversion takes here, so the kills fall before, inside and after it.
    qint64 took = 0;
    {
        QTemporaryDir dir;
        pw::test::overwrite(dir.filePath(QStringLiteral("Employee.mdb")), jet);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(pw::convertAccessFileInPlace(dir.filePath(QStringLiteral("Employee.mdb"))));
        took = timer.elapsed();
    }

    int oldFile = 0, newFile = 0;
    for (int round = 0; round < kills; ++round) {
        TestApp app;
        putAccessFile(app, jet);
        const QString kept = QDir(app.dir()).filePath(kKept);
        QProcess helper;
        helper.start(QStringLiteral(STARTUP_HELPER), {app.dir()});
        QVERIFY(helper.waitForReadyRead(20000));
        QTest::qWait(int(random.bounded(qint64(0), took * 3 / 2 + 50)));
        if (helper.state() != QProcess::NotRunning) {
            helper.kill();
            QVERIFY(helper.waitForFinished());
        }

        QVERIFY(QFile::exists(app.path()));
        if (fileBytes(app.path()) == jet) {
            ++oldFile;
            QVERIFY(!QFile::exists(kept) || fileBytes(kept) == jet);
        } else {
            ++newFile;
            QVERIFY(isSqlite(app.path()));
            QCOMPARE(logSizes(app.path()), sizes);
            QCOMPARE(fileBytes(kept), jet);
        }

        // The next start.
        start(app);
        QVERIFY2(app.logon()->isVisible(), qPrintable(app.dialogs.texts().join(QLatin1Char('|'))));
        QCOMPARE(filesIn(app.dir()), QStringList({kKept, QStringLiteral("Employee.mdb")}));
        QCOMPARE(fileBytes(kept), jet);
        app.db().close();
        QCOMPARE(logSizes(app.path()), sizes);
    }
    qInfo("%d kills: %d left the old file in place, %d the new one (a conversion takes %lld ms)", kills, oldFile,
          newFile, took);
}

PW_TEST_MAIN(tst_accessstartup)
#include "tst_accessstartup.moc"
