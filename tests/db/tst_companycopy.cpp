// Copying a company between files: two copies at once into one new file, what a killed copy leaves,
// sources and refused targets that must stay byte for byte as they were, values that cannot be
// carried exactly, and names only one engine can hold.
#include "db/companycopy.h"
#include "db/database.h"
#include "db/quoting.h"
#include "messages/errortext.h"
#include "testlib/companyfiles.h"
#include "testlib/coremain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <thread>

#include <sys/wait.h>
#include <unistd.h>

using pw::Database;
using pw::DbError;
using pw::ErrorText;
using pw::test::makeCompanyFile;
using pw::test::sqlite;

namespace {

QByteArray why(const DbError &e)
{
    return ErrorText::numbered(e).toUtf8();
}

// Why a result failed, for a check's message (which is built whether the check fails or not).
template <typename T>
QByteArray why(const pw::DbResult<T> &result)
{
    return result ? QByteArray() : why(result.error());
}

} // namespace

class tst_companycopy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoCopiesIntoOneNewFile();
    void leftoversOfAKilledCopyGo();
    void carriedExactlyOrRefused_data();
    void carriedExactlyOrRefused();

private:
    QTemporaryDir m_dir;
};

// Two copies at once into the same new file: exactly one succeeds, and its file is there, whole.
void tst_companycopy::twoCopiesIntoOneNewFile()
{
    const QString source = m_dir.filePath(QStringLiteral("race-source.mdb"));
    QVERIFY(makeCompanyFile(source, 20000));
    const QString target = m_dir.filePath(QStringLiteral("race.mdb"));
    for (int round = 0; round < 8; ++round) {
        QFile::remove(target);
        DbError results[2];
        bool done[2] = {false, false};
        const auto copy = [&](int i) {
            Database from(source);
            Database to(target);
            if (DbError e = from.open()) {
                results[i] = e;
                return;
            }
            const auto copied = pw::copyCompany(from, to);
            done[i] = copied.ok();
            if (!copied)
                results[i] = copied.error();
        };
        std::thread first(copy, 0), second(copy, 1);
        first.join();
        second.join();
        QVERIFY2(done[0] != done[1], qPrintable(QStringLiteral("round %1: %2 / %3")
                                                    .arg(round)
                                                    .arg(done[0] ? QStringLiteral("copied") : ErrorText::numbered(results[0]),
                                                         done[1] ? QStringLiteral("copied") : ErrorText::numbered(results[1]))));
        const DbError &lost = results[done[0] ? 1 : 0];
        QVERIFY2(ErrorText::describe(lost).contains(QLatin1String("race.mdb")), why(lost).constData());
        Database made(target);
        QVERIFY2(!made.open(), qPrintable(QStringLiteral("round %1").arg(round)));
        QVERIFY(!made.verify());
        QCOMPARE(made.texts(QStringLiteral("SELECT count(*) FROM Kim"))->value(0), QStringLiteral("20000"));
        made.close();
        // Nothing else is left beside the two files.
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*race*")}, QDir::Files | QDir::Hidden),
                 (QStringList{"race-source.mdb", "race.mdb"}));
    }
}

// What a copy killed half-way leaves (its temporary file and journal, under the name of a process
// that has ended) stands in nobody's way, and the next copy into the same file removes it.
void tst_companycopy::leftoversOfAKilledCopyGo()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.mdb"));
    QVERIFY(makeCompanyFile(source, 10));
    const QString target = dir.filePath(QStringLiteral("killed.mdb"));
    // A child that has ended gives a process number nobody holds.
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    QVERIFY(child > 0);
    QVERIFY(waitpid(child, nullptr, 0) == child);
    // ".NAME.copy-HOST-PID-N", as the header of safefile describes it: a file half written, and
    // its hot journal.
    const QString host = QSysInfo::machineHostName().replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString left = dir.filePath(QStringLiteral(".killed.mdb.copy-%1-%2-1").arg(host, QString::number(child)));
    QVERIFY(QFile::copy(source, left));
    QFile journal(left + QStringLiteral("-journal"));
    QVERIFY(journal.open(QIODevice::WriteOnly) && journal.write(QByteArray(4096, 'j')) == 4096);
    journal.close();
    // A live program's temporary file is another matter: it stays.
    const QString live = dir.filePath(QStringLiteral(".killed.mdb.copy-%1-%2-1").arg(host, QString::number(getpid())));
    QVERIFY(QFile::copy(source, live));

    Database from(source);
    QVERIFY(!from.open());
    Database to(target);
    const auto copied = pw::copyCompany(from, to);
    QVERIFY2(copied, why(copied).constData());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QFileInfo(live).fileName(), "killed.mdb", "source.mdb"}));
    QVERIFY(!to.open());
}

void tst_companycopy::carriedExactlyOrRefused_data()
{
    QTest::addColumn<QByteArray>("sql");    // run on the source company
    QTest::addColumn<QString>("refusal");   // the words of the refusal; empty: the copy succeeds
    QTest::addColumn<QString>("query");     // on the copy: what it holds, as one text
    QTest::addColumn<QString>("held");
    QTest::addColumn<QStringList>("inEngineOrder");
    const QByteArray entry = "INSERT INTO Kim VALUES ('Kim', '2026-01-02 09:00:00', 'Clocked In', ";
    QTest::newRow("text not UTF-8") << entry + "CAST(X'41FF42' AS TEXT));" << QStringLiteral(
        "row 11 of the table \"Kim\" holds in the field \"activity\" bytes that are not UTF-8 text, which cannot be copied exactly")
                                    << QString() << QString() << QStringList();
    QTest::newRow("text with a NUL") << entry + "CAST(X'410042' AS TEXT));" << QStringLiteral(
        "row 11 of the table \"Kim\" holds in the field \"activity\" a text with a NUL character, which a database server "
        "cannot keep") << QString() << QString() << QStringList();
    QTest::newRow("a name in UTF-8") << entry + "'Zo\xc3\xab');" << QString()
                                     << "SELECT hex(activity) FROM Kim ORDER BY rowid DESC LIMIT 1" << "5A6FC3AB"
                                     << QStringList();
    QTest::newRow("a field named rowid")
        << QByteArray("CREATE TABLE notes (rowid INTEGER, note TEXT);"
                      "INSERT INTO notes VALUES (3, 'first'), (2, 'second'), (1, 'third');")
        << QString() << "SELECT group_concat(rowid || note, ' ') FROM (SELECT * FROM notes ORDER BY _rowid_)"
        << "3first 2second 1third" << QStringList();
    QTest::newRow("a table without rowid")
        << QByteArray("CREATE TABLE codes (code TEXT PRIMARY KEY, meaning TEXT) WITHOUT ROWID;"
                      "INSERT INTO codes VALUES ('b', 'two'), ('a', 'one');")
        << QString() << "SELECT group_concat(code || meaning, ' ') FROM (SELECT * FROM codes ORDER BY rowid)"
        << "aone btwo" << QStringList{"codes"};
}

// Every value arrives as it was stored, in stored order; a value that cannot is refused with the
// table, the row and the field, and no file is made.
void tst_companycopy::carriedExactlyOrRefused()
{
    QFETCH(QByteArray, sql);
    QFETCH(QString, refusal);
    QFETCH(QString, query);
    QFETCH(QString, held);
    QFETCH(QStringList, inEngineOrder);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.mdb"));
    QVERIFY(makeCompanyFile(source, 10));
    QVERIFY(sqlite(source, sql));
    const QString target = dir.filePath(QStringLiteral("copy.mdb"));
    Database from(source);
    QVERIFY(!from.open());
    Database to(target);
    const auto copied = pw::copyCompany(from, to);
    if (!refusal.isEmpty()) {
        QVERIFY(!copied);
        QCOMPARE(ErrorText::describe(copied.error()), QStringLiteral("the company was not copied: ") + refusal);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"source.mdb"});
        return;
    }
    QVERIFY2(copied, why(copied).constData());
    QCOMPARE(copied->inEngineOrder, inEngineOrder);
    QVERIFY(!to.open());
    QCOMPARE(*to.texts(query), QStringList{held});
}

PW_CORE_TEST_MAIN(tst_companycopy)
#include "tst_companycopy.moc"
