// Several workstations at once, on a file and on a server: eight processes clock hundreds of events
// each, and nothing is lost or doubled; a server stopped at random in the middle of clocking loses
// no event it had confirmed; and the program's own --copy-company moves a company from a file to a
// server and back without changing a value.
#include "db/companydata.h"
#include "db/database.h"
#include "db/employeelist.h"
#include "db/journal.h"
#include "db/logtable.h"
#include "db/postgresengine.h"
#include "db/quoting.h"
#include "domain/clocking.h"
#include "domain/employees.h"
#include "domain/journalchain.h"
#include "domain/recordcheck.h"
#include "testlib/pgserver.h"
#include "messages/errortext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace pw;
using pw::test::PgServer;

namespace {

constexpr int kProcesses = 8;

// 250 events a workstation; fewer where the build is slow on purpose (the sanitizer run sets
// PUNCHWELL_EVENTS).
int eventsEach()
{
    const int set = qEnvironmentVariableIntValue("PUNCHWELL_EVENTS");
    return set > 0 ? set : 250;
}

// The names of tst_badinput: quotes, SQL, dots, blanks, letters beyond ASCII, 20 characters.
const QStringList kHostileNames{QStringLiteral("O'Neil"),
                                QStringLiteral("Bob \"the\" Builder"),
                                QStringLiteral("Lee; Ann"),
                                QStringLiteral("Ann -- nights"),
                                QStringLiteral("J. R. Smith."),
                                QStringLiteral("[Lee] (x) {y} <z>"),
                                QStringLiteral("  Pat"),
                                QStringLiteral("Pat  "),
                                QStringLiteral("\tPat\tLee"),
                                QString::fromUtf8("Zoë Çelik Øster 名前"),
                                QStringLiteral("abcdefghij0123456789"),
                                QStringLiteral("x\";DROP TABLE x;--")};

LocalDateTime at(int day, int minute)
{
    return *LocalDateTime::fromParts(2026, 12, day, minute / 60, minute % 60, 7);
}

// Runs the program itself, without a display, and gives its exit code and output.
struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run punchwell(const QStringList &arguments, const QString &folder)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No display: a mode that made windows would fail to start on this platform.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(PUNCHWELL), arguments);
    if (!p.waitForFinished(120000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

// The data rows the sqlite3 tool's .dump gives for a file, table by table in stored order.
QStringList sqliteDump(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), path, QStringLiteral(".dump")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QStringLiteral("sqlite3 failed: ") + QString::fromLocal8Bit(p.readAllStandardError())};
    QStringList rows;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("INSERT INTO ")))
            rows << line;
    return rows;
}

// A log read back: its entries in stored order, and what is wrong with it as a log that only the
// clock functions wrote (alternating, beginning with a clock-in, every field whole).
struct LogCheck {
    qint64 entries = 0;
    QString fault;
};

LogCheck checkLog(Database &db, const QString &name)
{
    LogCheck check;
    const auto rows = db.query(QStringLiteral("SELECT Ename, %1, inoutfx, activity FROM %2 ORDER BY %3")
                                   .arg(db.engine().dateTimeAsText(QStringLiteral("datetime")), quoteIdentifier(name), db.orderKey()));
    if (!rows) {
        check.fault = ErrorText::numbered(rows.error());
        return check;
    }
    for (const QVariantList &row : rows->rows) {
        const bool in = check.entries % 2 == 0;
        const QString when = row[1].toString();
        const auto parsed = LocalDateTime::fromStored(QStringView(when));
        if (row[0].toString() != name || !parsed || parsed->toStored() != when ||
            row[2].toString() != (in ? kClockedIn : kClockedOut) ||
            (in ? row[3].toString() != QStringLiteral(" ") : !row[3].isNull())) {
            check.fault = QStringLiteral("entry %1 is %2 | %3 | %4 | %5")
                              .arg(check.entries)
                              .arg(row[0].toString(), when, row[2].toString(), row[3].toString());
            return check;
        }
        ++check.entries;
    }
    return check;
}

} // namespace

class tst_concurrency : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void eightWorkstations_data();
    void eightWorkstations();
    void serverStoppedWhileClocking();
    void roundTripThroughServer_data();
    void roundTripThroughServer();
    void copyCommandRefuses_data();
    void copyCommandRefuses();

private:
    // A new company at a new place on the given engine ("file" or "server"): its location.
    QString newCompany(const QString &engine);

    PgServer m_server;
    QTemporaryDir m_dir;
    int m_places = 0;
};

void tst_concurrency::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
}

QString tst_concurrency::newCompany(const QString &engine)
{
    QString location;
    if (engine == QLatin1String("server")) {
        const QString name = QStringLiteral("company %1").arg(++m_places);
        if (!m_server.createDatabase(name))
            qFatal("%s", qPrintable(m_server.errorString()));
        location = m_server.url(name);
        Database db(Engine::forLocation(location));
        if (DbError e = db.createCompany())
            qFatal("%s", qPrintable(pw::ErrorText::numbered(e)));
    } else {
        location = m_dir.filePath(QStringLiteral("company-%1.mdb").arg(++m_places));
        if (DbError e = Database::createDelivered(location))
            qFatal("%s", qPrintable(pw::ErrorText::numbered(e)));
    }
    return location;
}

void tst_concurrency::eightWorkstations_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<bool>("sameEmployee");
    QTest::newRow("file, one employee") << "file" << true;
    QTest::newRow("file, one employee each") << "file" << false;
    QTest::newRow("server, one employee") << "server" << true;
    QTest::newRow("server, one employee each") << "server" << false;
}

void tst_concurrency::eightWorkstations()
{
    QFETCH(QString, engine);
    QFETCH(bool, sameEmployee);
    const int kEventsEach = eventsEach();
    const QString location = newCompany(engine);
    QStringList names;
    {
        const auto db = Database::fromLocation(location);
        QVERIFY(!db->open());
        QVERIFY(!CompanyData(*db).storeCompany(QStringLiteral("Acme Widgets")));
        QVERIFY(!startJournal(*db));
        for (int i = 0; i < (sameEmployee ? 1 : kProcesses); ++i) {
            names << QStringLiteral("Worker %1").arg(i + 1);
            QVERIFY(addEmployee(*db, {names.last(), QStringLiteral("10"), QString(), QString()}).added());
        }
    }

    // Eight workstations, each clocking 250 events as fast as it can.
    std::vector<std::unique_ptr<QProcess>> helpers;
    QElapsedTimer took;
    took.start();
    for (int i = 0; i < kProcesses; ++i) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(CLOCK_HELPER),
                 {QStringLiteral("clock"), location, names[sameEmployee ? 0 : i], QString::number(kEventsEach)});
        helpers.push_back(std::move(p));
    }
    int inUse = 0;
    for (auto &p : helpers) {
        QVERIFY(p->waitForFinished(240000));
        const QByteArray out = p->readAllStandardOutput();
        QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        QVERIFY2(out.contains("done " + QByteArray::number(kEventsEach)), out.constData());
        inUse += out.mid(out.indexOf("in use ") + 7).trimmed().toInt();
    }
    const qint64 ms = took.elapsed();
    const int events = kProcesses * kEventsEach;
    qInfo("%s: %d events in %lld ms, %.0f events a second (%d waits that ran out, tried again)",
          QTest::currentDataTag(), events, ms, events * 1000.0 / double(qMax<qint64>(ms, 1)), inUse);

    // Not one event lost or doubled, every log alternating and whole.
    const auto db = Database::fromLocation(location);
    QVERIFY(!db->open());
    qint64 total = 0;
    for (const QString &name : std::as_const(names)) {
        const LogCheck log = checkLog(*db, name);
        QVERIFY2(log.fault.isEmpty(), qPrintable(name + QStringLiteral(": ") + log.fault));
        if (!sameEmployee)
            QCOMPARE(log.entries, qint64(kEventsEach));
        total += log.entries;
    }
    QCOMPARE(total, qint64(events));
    // One chain, not forked: each event has its row, in the order the events were stored.
    const auto records = verifyRecords(*db);
    QVERIFY(records);
    QVERIFY2(records->verified(), qPrintable(QStringLiteral("outcome %1 at row %2").arg(int(records->outcome)).arg(records->row)));
    QCOMPARE(db->query(QStringLiteral("SELECT count(*) FROM %1 WHERE what IN ('clockin', 'clockout')")
                           .arg(quoteIdentifier(kJournalTable)))->value(0, 0).toLongLong(), qint64(events));
    db->close();

    // The result copied back to a file by the program compares equal.
    const QString backup = m_dir.filePath(QStringLiteral("backup-%1.mdb").arg(++m_places));
    const Run copied = punchwell({QStringLiteral("--copy-company"), location, backup}, m_dir.path());
    QVERIFY2(copied.exitCode == 0, copied.err.constData());
    QVERIFY2(copied.out.contains("read back and found equal"), copied.out.constData());
    Database file(backup);
    QVERIFY(!file.open());
    for (const QString &name : std::as_const(names))
        QCOMPARE(checkLog(file, name).entries, sameEmployee ? qint64(events) : qint64(kEventsEach));
}

void tst_concurrency::serverStoppedWhileClocking()
{
    // The server is stopped at once (as in a crash) at a random moment of clocking, again and again;
    // after each stop every event the workstation had been told was stored is there, whole, and
    // the log still alternates.
    const int stops = qEnvironmentVariableIntValue("PUNCHWELL_STOPS") > 0 ? qEnvironmentVariableIntValue("PUNCHWELL_STOPS") : 50;
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qInfo("random seed %u", seed);
    const QString location = newCompany(QStringLiteral("server"));
    const QString ann = QStringLiteral("Ann");
    {
        const auto db = Database::fromLocation(location);
        QVERIFY(!db->open());
        QVERIFY(addEmployee(*db, {ann, QStringLiteral("10"), QString(), QString()}).added());
    }
    QHash<qint64, QString> confirmed; // order key -> "date-time status"
    int midWrite = 0;
    for (int stop = 0; stop < stops; ++stop) {
        QProcess helper;
        helper.start(QStringLiteral(CLOCK_HELPER), {QStringLiteral("clock"), location, ann});
        QVERIFY(helper.waitForReadyRead(20000));
        QCOMPARE(helper.readLine(), QByteArray("ready\n"));
        QTest::qWait(int(random.bounded(5, 60)));
        QVERIFY2(m_server.stop(true), qPrintable(m_server.errorString()));
        QVERIFY(helper.waitForFinished(20000));
        // The helper ends on the lost connection, with the reason; it never hangs.
        QCOMPARE(helper.exitCode(), 1);
        const QByteArray why = helper.readAllStandardError();
        if (why.contains("the connection to"))
            ++midWrite;
        for (const QByteArray &line : helper.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 5 && f[0] == "stored")
                confirmed.insert(f[1].toLongLong(), QString::fromLatin1(f[2] + ' ' + f[3] + ' ' + f[4]));
        }
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));

        const auto db = Database::fromLocation(location);
        QVERIFY(!db->open());
        const LogCheck log = checkLog(*db, ann);
        QVERIFY2(log.fault.isEmpty(), qPrintable(log.fault));
        QHash<qint64, QString> stored;
        const auto rows = db->query(QStringLiteral("SELECT pw_order, datetime::text, inoutfx FROM \"Ann\""));
        QVERIFY(rows);
        for (const QVariantList &row : rows->rows)
            stored.insert(row[0].toLongLong(),
                          row[1].toString() + (row[2].toString() == kClockedIn ? QStringLiteral(" in") : QStringLiteral(" out")));
        for (auto c = confirmed.begin(); c != confirmed.end(); ++c)
            QVERIFY2(stored.value(c.key()) == c.value(),
                     qPrintable(QStringLiteral("confirmed entry %1 (%2) is %3").arg(c.key()).arg(c.value(), stored.value(c.key()))));
    }
    qInfo("stops: %d (%d found a statement under way), confirmed events checked: %lld", stops, midWrite,
          qint64(confirmed.size()));
    QVERIFY(confirmed.size() > stops); // the stops landed among real work
}

void tst_concurrency::roundTripThroughServer_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("a company") << QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")};
    QTest::newRow("hostile names") << kHostileNames;
}

void tst_concurrency::roundTripThroughServer()
{
    // A file with settings, employees and their logs; to a server and back, by the program itself.
    QFETCH(QStringList, names);
    const QString original = newCompany(QStringLiteral("file"));
    {
        Database db(original);
        QVERIFY(!db.open());
        QVERIFY(!CompanyData(db).storeCompany(QStringLiteral("O'Neil \"Bob\"; DROP TABLE datalist")));
        QVERIFY(!CompanyData(db).setSwitch(Switch::Edits, true));
        QVERIFY(!startJournal(db));
        int day = 1;
        for (const QString &name : names) {
            QVERIFY(addEmployee(db, {name, QStringLiteral("12,50"), QStringLiteral("p'w"), QStringLiteral("a\nb")}).added());
            QVERIFY(clocking::clockIn(db, name, name, at(day, 480), name.left(30)).stored());
            QVERIFY(clocking::clockOut(db, name, name, at(day, 1000)).stored());
            QVERIFY(clocking::clockIn(db, name, name, at(++day, 60), QStringLiteral(" ")).stored());
        }
    }
    const QStringList before = sqliteDump(original);
    // Settings, the Manager, the list, the logs; the journal: its seal, the settings, the Manager's
    // row and log as found, then each name's addition and three clock events.
    QCOMPARE(before.size(), 2 + names.size() + 3 * names.size() + 4 + 4 * names.size());
    const Run sealed = punchwell({QStringLiteral("--verify-records"), QStringLiteral("--database"), original}, m_dir.path());
    QVERIFY2(sealed.exitCode == 0 && sealed.out.contains("seal "), sealed.err.constData());

    const QString empty = QStringLiteral("empty %1").arg(++m_places);
    QVERIFY(m_server.createDatabase(empty));
    const QString server = m_server.url(empty);
    const Run there = punchwell({QStringLiteral("--copy-company"), original, server}, m_dir.path());
    QVERIFY2(there.exitCode == 0, there.err.constData());
    QCOMPARE(there.out.count('\n'), 1);
    QVERIFY2(there.out.contains("Its records verify, seal " + sealed.out.mid(sealed.out.indexOf("seal ") + 5, 16)),
             there.out.constData());
    const QString back = m_dir.filePath(QStringLiteral("back-%1.mdb").arg(++m_places));
    const Run home = punchwell({QStringLiteral("--copy-company"), server, back}, m_dir.path());
    QVERIFY2(home.exitCode == 0, home.err.constData());
    QCOMPARE(sqliteDump(back), before);
    // The same seal at every step: the journal travels as it is, and the records still verify.
    for (const QString &where : {server, back}) {
        const Run verified = punchwell({QStringLiteral("--verify-records"), QStringLiteral("--database"), where}, m_dir.path());
        QCOMPARE(verified.exitCode, 0);
        QCOMPARE(verified.out, sealed.out);
    }
}

void tst_concurrency::copyCommandRefuses_data()
{
    QTest::addColumn<QString>("case_");
    QTest::addColumn<QString>("words");
    QTest::newRow("target holds a company") << "taken" << "holds a company already";
    QTest::newRow("no company at the source") << "nothing" << "cannot be read";
    QTest::newRow("server down") << "down" << "cannot be reached";
    QTest::newRow("same place") << "same" << "the source and the target are the same";
    QTest::newRow("one location only") << "one" << "--copy-company needs two locations";
}

void tst_concurrency::copyCommandRefuses()
{
    // Every refusal is one line on the standard error and a non-zero exit, and the target is as it was.
    QFETCH(QString, case_);
    QFETCH(QString, words);
    const QString file = newCompany(QStringLiteral("file"));
    const QString server = newCompany(QStringLiteral("server"));
    QStringList arguments{QStringLiteral("--copy-company")};
    QString target;
    if (case_ == QLatin1String("taken"))
        arguments << file << (target = server);
    else if (case_ == QLatin1String("nothing"))
        arguments << m_dir.filePath(QStringLiteral("none.mdb")) << (target = m_dir.filePath(QStringLiteral("never.mdb")));
    else if (case_ == QLatin1String("down"))
        arguments << file << QStringLiteral("postgresql://postgres@/x?host=/tmp/pw-no-server-here");
    else if (case_ == QLatin1String("same"))
        arguments << file << (target = file);
    else
        arguments << file;
    const QStringList held = target.isEmpty() || target.startsWith(QLatin1String("postgresql")) ? QStringList() : sqliteDump(target);
    const Run run = punchwell(arguments, m_dir.path());
    QVERIFY(run.exitCode != 0);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(words.toUtf8()), run.err.constData());
    QCOMPARE(run.err.trimmed().count('\n'), case_ == QLatin1String("one") ? 1 : 0); // the usage hint is the second line
    if (case_ == QLatin1String("nothing"))
        QVERIFY(!QFile::exists(target));
    else if (!held.isEmpty())
        QCOMPARE(sqliteDump(target), held);
    if (case_ == QLatin1String("taken")) {
        const auto db = Database::fromLocation(server);
        QVERIFY(!db->open());
        QCOMPARE(*db->tableNames(), (QStringList{QStringLiteral("Company Data"), QStringLiteral("datalist"), QStringLiteral("Manager")}));
        QVERIFY(!CompanyData(*db).read()->has_value());
    }
}

QTEST_GUILESS_MAIN(tst_concurrency)
#include "tst_concurrency.moc"
