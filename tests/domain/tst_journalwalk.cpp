// The journal walked from its stored bytes: every row as a statement reads it, whatever its values
// hold, and the chain checked on those values; on a file and on a server.
#include "db/journal.h"
#include "db/quoting.h"
#include "domain/journalchain.h"
#include "testlib/coremain.h"
#include "testlib/testcompany.h"

#include <QTest>

using pw::JournalEntry;
using pw::JournalRow;
using pw::test::TestCompany;

namespace {

std::optional<QString> textOf(const QVariant &value)
{
    return value.isNull() ? std::nullopt : std::optional<QString>(value.toString());
}

} // namespace

class tst_journalwalk : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsAsStatementsRead_data();
    void rowsAsStatementsRead();
};

void tst_journalwalk::rowsAsStatementsRead_data()
{
    QTest::addColumn<QVariantList>("values"); // workstation, who, what, employee, before, after
    QTest::addColumn<bool>("asText");         // bytes (a QByteArray) stored as text, not as bytes
    QTest::addColumn<bool>("fileOnly");
    const QVariant null(QMetaType(QMetaType::QString));
    QTest::newRow("ASCII") << QVariantList{"desk-1", "Ann", "clockin", "Ann", null, R"(["Ann"])"} << false << false;
    QTest::newRow("not ASCII") << QVariantList{QString::fromUtf8("desk-\xC3\xB8"), QString::fromUtf8("Zo\xC3\xAB"), "note",
                                               QString::fromUtf8("Zo\xC3\xAB \xC3\x98ster"), "", QString::fromUtf8("fr\xC3\xBCh")}
                               << false << false;
    // A server's rows drop a leading byte order mark; a file's keep it.
    QTest::newRow("byte order mark first") << QVariantList{QString::fromUtf8("\xEF\xBB\xBF" "desk"), "Ann", "note",
                                                           QString::fromUtf8("\xEF\xBB\xBF" "Ann"), "x", "y"}
                                           << false << false;
    QTest::newRow("Null in every field") << QVariantList{null, null, null, null, null, null} << false << false;
    QTest::newRow("bytes in text fields") << QVariantList{QByteArray("desk"), QByteArray("\xEF\xBB\xBF" "Ann"), "note",
                                                          QByteArray("Zo\xC3\xAB"), QByteArray("\xFF"), QByteArray()}
                                          << false << true;
    QTest::newRow("text that is not UTF-8") << QVariantList{QByteArray("desk\xFF"), QByteArray("\xC0\xAF"), "note",
                                                            QByteArray("\xED\xA0\x80"), QByteArray("\xEF\xBF\xBF"), "z"}
                                            << true << true;
}

// Rows stored by hand, each hashed over what a statement reads of it: the walk gives those rows,
// and the chain they make is whole.
void tst_journalwalk::rowsAsStatementsRead()
{
    QFETCH(QVariantList, values);
    QFETCH(bool, asText);
    QFETCH(bool, fileOnly);
    if (fileOnly)
        PW_FILE_ONLY("a server keeps only UTF-8 text in a text field");
    TestCompany app;
    QVERIFY(!pw::Journal(app.db()).create());
    const QString journal = pw::quoteIdentifier(pw::kJournalTable);
    const QString value = asText ? QStringLiteral("CAST(? AS TEXT)") : QStringLiteral("?");
    for (int sequence = 1; sequence <= 3; ++sequence)
        app.exec(QStringLiteral("INSERT INTO %1 (sequence, stored_at, workstation, who, what, employee, before, after, "
                                "hash) VALUES (?, '2026-12-07 08:00:00', %2, %2, %2, %2, %2, %2, '')")
                     .arg(journal, value),
                 QVariantList{sequence} + values);

    QList<JournalRow> expected;
    std::optional<QByteArray> previous;
    for (const QVariantList &r :
         app.rows(QStringLiteral("SELECT sequence, %1, workstation, who, what, employee, before, after FROM %2 ORDER BY %3")
                      .arg(app.dateTimeText(QStringLiteral("stored_at")), journal, app.orderKey()))) {
        const JournalEntry entry{r[0].toLongLong(), r[1].toString(), r[2].toString(), r[3].toString(), r[4].toString(),
                                 textOf(r[5]), textOf(r[6]), textOf(r[7])};
        expected.append({entry, pw::journalHash(previous, entry)});
        app.exec(QStringLiteral("UPDATE %1 SET hash = ? WHERE sequence = ?").arg(journal),
                 {QString::fromLatin1(expected.last().hash), entry.sequence});
        previous = expected.last().hash;
    }

    QList<JournalRow> walked;
    QVERIFY(!pw::Journal(app.db()).walk([&](const JournalRow &row) {
        walked.append(row);
        return pw::DbError();
    }));
    QCOMPARE(walked.size(), expected.size());
    for (qsizetype i = 0; i < walked.size(); ++i) {
        const JournalEntry &w = walked[i].entry, &e = expected[i].entry;
        QCOMPARE(w.sequence, e.sequence);
        QCOMPARE(QStringList({w.storedAt, w.workstation, w.who, w.what}), QStringList({e.storedAt, e.workstation, e.who, e.what}));
        QCOMPARE(w.employee, e.employee);
        QCOMPARE(w.before, e.before);
        QCOMPARE(w.after, e.after);
        QCOMPARE(walked[i].hash, expected[i].hash);
    }
    const auto check = pw::verifyChain(app.db());
    QVERIFY(check && check->whole());
    QCOMPARE(check->rows, 3);
    QCOMPARE(check->lastHash, expected.last().hash);
}

PW_CORE_TEST_MAIN(tst_journalwalk)
#include "tst_journalwalk.moc"
