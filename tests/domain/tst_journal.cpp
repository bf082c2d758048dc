// The journal of changes: its hash chain, computed the same on every engine, and every way of
// breaking it found. It runs on a file and on a server.
#include "db/journal.h"
#include "db/quoting.h"
#include "domain/employeename.h"
#include "domain/journalchain.h"
#include "testlib/coremain.h"
#include "testlib/testcompany.h"

#include <QTest>

using pw::JournalEntry;
using pw::test::TestCompany;

namespace {

// Two rows whose hashes were computed apart from the program, with the recipe the README gives.
JournalEntry first()
{
    return {0, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("desk-1"), QStringLiteral("Ann"),
            QStringLiteral("clockin"), QStringLiteral("Ann"), std::nullopt, QStringLiteral("Zo\u00eb")};
}
JournalEntry second()
{
    return {0, QStringLiteral("2026-12-07 08:00:01"), QStringLiteral("desk-1"), QStringLiteral("command line"),
            QStringLiteral("company"), std::nullopt, QString(), QStringLiteral("Acme")};
}
const QByteArray kFirstHash = "78e33c62db244bdb30a648928dacb6837f2a973213f3606ce8fcf60fc903bf3e";
const QByteArray kSecondHash = "22a6f5d87f9defa84d91a64e124022a7b80eefaf3dc76fb11b6d838cf33740eb";

QString journalTable()
{
    return pw::quoteIdentifier(pw::kJournalTable);
}

} // namespace

class tst_journal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nameIsNoEmployeeName();
    void storedChainVerifies();
    void brokenChainFound_data();
    void brokenChainFound();
};

void tst_journal::nameIsNoEmployeeName()
{
    QVERIFY(pw::employeeNameFaults(pw::kJournalTable).tooLong);
}

void tst_journal::storedChainVerifies()
{
    TestCompany app;
    pw::Journal journal(app.db());
    QCOMPARE(pw::verifyChain(app.db())->present, false);
    QVERIFY(!journal.create());
    QCOMPARE(pw::verifyChain(app.db())->rows, 0);
    {
        pw::Database::Transaction t(app.db());
        QCOMPARE(journal.append(first())->hash, kFirstHash);
        QCOMPARE(journal.append(second())->hash, kSecondHash);
        QVERIFY(!t.commit());
    }
    // Read back as stored: absent and empty values stay apart, and the chain verifies.
    const auto rows = app.rows(QStringLiteral("SELECT sequence, employee IS NULL, before IS NULL, before FROM %1 ORDER BY %2")
                                   .arg(journalTable(), app.orderKey()));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1][0].toLongLong(), 2);
    QVERIFY(rows[1][1].toBool() && !rows[1][2].toBool() && rows[1][3].toString().isEmpty());
    const auto check = pw::verifyChain(app.db());
    QVERIFY(check->whole());
    QCOMPARE(check->rows, 2);
    QCOMPARE(check->seal(), QString::fromLatin1(kSecondHash.left(16)));
}

void tst_journal::brokenChainFound_data()
{
    QTest::addColumn<QString>("tamper"); // SQL on the journal, %1 its name
    QTest::addColumn<int>("brokenAt");

    QTest::newRow("a value changed") << "UPDATE %1 SET after = 'Zoe' WHERE sequence = 1" << 1;
    QTest::newRow("absent made empty") << "UPDATE %1 SET employee = '' WHERE sequence = 2" << 2;
    QTest::newRow("who changed") << "UPDATE %1 SET who = 'Bob' WHERE sequence = 3" << 3;
    QTest::newRow("a row removed") << "DELETE FROM %1 WHERE sequence = 2" << 2;
    QTest::newRow("a hash changed") << "UPDATE %1 SET hash = upper(hash) WHERE sequence = 1" << 1;
    QTest::newRow("a row inserted") << "INSERT INTO %1 (sequence, stored_at, workstation, who, what, hash) "
                                       "SELECT 4, stored_at, workstation, who, what, hash FROM %1 WHERE sequence = 3"
                                    << 4;
}

void tst_journal::brokenChainFound()
{
    QFETCH(QString, tamper);
    QFETCH(int, brokenAt);
    TestCompany app;
    pw::Journal journal(app.db());
    QVERIFY(!journal.create());
    {
        pw::Database::Transaction t(app.db());
        for (const JournalEntry &e : {first(), second(), first()})
            QVERIFY(journal.append(e));
        QVERIFY(!t.commit());
    }
    app.exec(tamper.arg(journalTable()));
    const auto check = pw::verifyChain(app.db());
    QVERIFY(check);
    QVERIFY(!check->whole());
    QCOMPARE(check->brokenAt.value_or(0), brokenAt);
}

PW_CORE_TEST_MAIN(tst_journal)
#include "tst_journal.moc"
