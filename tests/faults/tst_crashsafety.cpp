// Nothing lost: a process clocking in and out is killed at random moments, over and over; the file
// stays sound and holds every event the process said was stored. And two programs on one file: the
// second one's writes wait, then say the database is in use, and neither loses anything.
#include "db/database.h"
#include "db/sqliteengine.h"
#include "db/logtable.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using pw::test::TestApp;
using pw::test::click;

namespace {

const QString ann = QStringLiteral("Ann");

struct Acknowledged {
    qint64 rowid;
    QString when;
    QString status;
};

} // namespace

class tst_crashsafety : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void killedWhileClocking();
    void twoCopiesAtOnce();
};

void tst_crashsafety::killedWhileClocking()
{
    PW_FILE_ONLY("the file's journal after a kill (a server stopped in the middle of clocking is in tst_concurrency)");
    const int kills = qEnvironmentVariableIntValue("PUNCHWELL_KILLS") > 0 ? qEnvironmentVariableIntValue("PUNCHWELL_KILLS") : 200;
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qInfo("random seed %u", seed);

    TestApp app;
    app.addEmployee(ann);
    const QString path = app.path();
    app.db().close();

    QList<Acknowledged> acknowledged;
    qint64 entries = 0;
    int events = 0;
    int midWrite = 0; // kills that left a transaction half-done for the next opening to roll back
    for (int round = 0; round < kills; ++round) {
        QProcess helper;
        helper.start(QStringLiteral(CLOCK_HELPER), {QStringLiteral("clock"), path, ann});
        QVERIFY2(helper.waitForStarted(), qPrintable(helper.errorString()));
        // Once it is clocking, it is killed at a random moment: in its first event, in the middle of
        // one, or after many.
        QVERIFY(helper.waitForReadyRead(20000));
        QVERIFY(helper.canReadLine());
        QCOMPARE(helper.readLine(), QByteArray("ready\n"));
        QTest::qWait(int(random.bounded(0, 40)));
        helper.kill();
        QVERIFY(helper.waitForFinished());
        const QList<QByteArray> lines = helper.readAllStandardOutput().split('\n');
        for (const QByteArray &line : lines) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 5 && f[0] == "stored")
                acknowledged.push_back({f[1].toLongLong(), QString::fromLatin1(f[2] + ' ' + f[3]),
                                        f[4] == "in" ? pw::kClockedIn : pw::kClockedOut});
        }
        const QByteArray errors = helper.readAllStandardError();
        QVERIFY2(errors.isEmpty(), errors.constData());

        if (QFileInfo(path + QStringLiteral("-journal")).size() > 0)
            ++midWrite;
        // The file after the kill: sound, every entry whole, alternating, nothing acknowledged lost.
        pw::Database db(path);
        QVERIFY(!db.open());
        const auto check = db.query(QStringLiteral("PRAGMA integrity_check"));
        QVERIFY(check && !check->isEmpty());
        QCOMPARE(check->value(0, 0).toString(), QStringLiteral("ok"));
        const auto stored = db.query(QStringLiteral("SELECT rowid, Ename, datetime, inoutfx, activity, typeof(activity) FROM Ann ORDER BY rowid"));
        QVERIFY(stored);
        QHash<qint64, QStringList> rows;
        qint64 count = 0;
        for (const QVariantList &row : stored->rows) {
            const auto q = [&row](int i) { return row.value(i); };
            const QString status = q(3).toString();
            const QString expected = count % 2 == 0 ? pw::kClockedIn : pw::kClockedOut;
            QCOMPARE(status, expected);
            QCOMPARE(q(1).toString(), ann);
            const QString when = q(2).toString();
            const auto dt = pw::LocalDateTime::fromStored(QStringView(when));
            QVERIFY2(dt && dt->toStored() == when, qPrintable(when));
            if (status == pw::kClockedIn)
                QCOMPARE(q(4).toString(), QStringLiteral(" "));
            else
                QCOMPARE(q(5).toString(), QStringLiteral("null"));
            rows.insert(q(0).toLongLong(), {when, status});
            ++count;
        }
        // At most one event may have been stored without being acknowledged before the kill.
        QVERIFY(count >= entries);
        for (const Acknowledged &a : acknowledged) {
            QVERIFY2(rows.contains(a.rowid), qPrintable(QStringLiteral("acknowledged entry %1 is missing").arg(a.rowid)));
            QCOMPARE(rows.value(a.rowid), (QStringList{a.when, a.status}));
        }
        events += int(acknowledged.size());
        acknowledged.clear();
        entries = count;
    }
    qInfo("kills: %d (%d in the middle of a write), acknowledged events checked: %d, entries in the log: %lld", kills,
          midWrite, events, entries);
    // The kills landed among real work: some in the middle of a write, some after stored events
    // (how many of each depends on how busy the machine is).
    QVERIFY(midWrite > 0);
    QVERIFY(events > 0);
}

void tst_crashsafety::twoCopiesAtOnce()
{
    const QString bob = QStringLiteral("Bob");
    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    QVERIFY(app.logOn(ann));
    QWidget *m = app.main();
    app.addEntry(ann, QStringLiteral("2026-12-07 07:00:00"), pw::kClockedIn, QStringLiteral(" "));

    // Another copy, at another workstation, is in the middle of storing Bob's clock-in.
    QProcess other;
    other.start(QStringLiteral(CLOCK_HELPER), {QStringLiteral("hold"), app.path(), bob});
    QVERIFY(other.waitForReadyRead(10000));
    QCOMPARE(other.readLine().trimmed(), QByteArray("held"));

    QElapsedTimer waited;
    waited.start();
    app.clock.set(2026, 12, 7, 8, 0, 0);
    click(m, "clockout");
    if (pw::test::onServer()) {
        // A server keeps other workstations off the log being written only: Ann's goes on at once.
        QVERIFY2(waited.elapsed() < 1500, qPrintable(QString::number(waited.elapsed())));
        QCOMPARE(app.dialogs.count(), 0);
        QCOMPARE(app.log(ann).size(), 2);
        QVERIFY(app.log(bob).isEmpty()); // not committed yet
        other.write("commit\n");
        QVERIFY(other.waitForFinished(10000));
        QCOMPARE(other.readAll().trimmed(), QByteArray("committed"));
        QCOMPARE(app.log(bob).size(), 1);
        QCOMPARE(app.log(bob)[0][3].toString(), QStringLiteral("held"));
        return;
    }
    QVERIFY(waited.elapsed() >= pw::SqliteEngine::kBusyTimeoutMs - 100); // it waited for the file first
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY2(app.dialogs.last().text.contains(QStringLiteral("the database is in use")), qPrintable(app.dialogs.last().text));
    QCOMPARE(app.log(ann).size(), 1);

    // The other copy finishes; then this one's clock-out goes through. Nothing is lost on either side.
    other.write("commit\n");
    QVERIFY(other.waitForFinished(10000));
    QCOMPARE(other.readAll().trimmed(), QByteArray("committed"));
    click(m, "clockout");
    QCOMPARE(app.dialogs.count(), 1);
    const auto annLog = app.log(ann);
    QCOMPARE(annLog.size(), 2);
    QCOMPARE(annLog[1][1].toString(), QStringLiteral("2026-12-07 08:00:00"));
    QCOMPARE(annLog[1][2].toString(), pw::kClockedOut);
    const auto bobLog = app.log(bob);
    QCOMPARE(bobLog.size(), 1);
    QCOMPARE(bobLog[0][3].toString(), QStringLiteral("held"));
}

PW_TEST_MAIN(tst_crashsafety)
#include "tst_crashsafety.moc"
