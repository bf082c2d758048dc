// The journal of changes: its hash chain, computed the same on every engine, and every way of
// breaking it found. It runs on a file and on a server.
#include "db/journal.h"
#include "db/quoting.h"
#include "domain/clearing.h"
#include "domain/clocking.h"
#include "domain/companysettings.h"
#include "domain/employeename.h"
#include "domain/employees.h"
#include "domain/journalchain.h"
#include "domain/journaling.h"
#include "domain/recordcheck.h"
#include "testlib/coremain.h"
#include "testlib/testcompany.h"

#include <QJsonArray>
#include <QJsonDocument>
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

pw::LocalDateTime at(const char *stored)
{
    return *pw::LocalDateTime::fromStored(QStringView(QString::fromLatin1(stored)));
}

// A domain operation on Ann (wage 10, notes "Days", a password, one closed shift on 1 December);
// false when it did not store its change.
bool change(TestCompany &app, const QString &which)
{
    using namespace pw;
    Database &db = app.db();
    const QString ann = QStringLiteral("Ann");
    if (which == QLatin1String("clock in"))
        return clocking::clockIn(db, ann, ann, at("2026-12-07 09:00:00"), QStringLiteral("Till")).stored();
    if (which == QLatin1String("clock out")) {
        app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), kClockedIn, QStringLiteral("Till"), ann);
        return clocking::clockOut(db, ann, ann, at("2026-12-07 17:00:00")).stored();
    }
    if (which == QLatin1String("delete last"))
    {
        const auto removed = clocking::deleteLast(db, ann);
        return removed && *removed;
    }
    if (which == QLatin1String("correct")) {
        const qint64 first = app.value(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1 LIMIT 1")
                                            .arg(app.orderKey(), quoteIdentifier(ann))).toLongLong();
        return bool(clocking::correctEntryTime(db, ann, first, QStringLiteral("12/1/2026 7:45 AM")));
    }
    if (which == QLatin1String("clear"))
        return clearing::clearBefore(db, ann, at("2026-12-01 09:00:00")).operator bool();
    if (which == QLatin1String("add"))
        return addEmployee(db, {QStringLiteral("Bob"), QStringLiteral("12"), QStringLiteral("s3cret-bob"),
                                QStringLiteral("Nights")}).added();
    if (which == QLatin1String("delete"))
        return !deleteEmployee(db, ann);
    const auto listed = findEmployee(db, ann);
    const qint64 row = listed && *listed ? (**listed).rowid : -1;
    if (which == QLatin1String("wage"))
        return !changeEmployeeDetails(db, row, QStringLiteral("11.50"), std::nullopt);
    if (which == QLatin1String("note"))
        return !changeEmployeeDetails(db, row, std::nullopt, QStringLiteral("Evenings"));
    if (which == QLatin1String("password"))
    {
        const auto found = changePassword(db, ann, QStringLiteral("s3cret-new"));
        return found && *found;
    }
    CompanySettings settings(db);
    if (which == QLatin1String("switch"))
        return !settings.setSwitch(Switch::Money, true);
    app.exec(QStringLiteral("DELETE FROM %1").arg(quoteIdentifier(kSettingsTable)));
    return !settings.storeCompany(QStringLiteral("Acme \"Tools\""));
}

} // namespace

class tst_journal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nameIsNoEmployeeName();
    void storedChainVerifies();
    void brokenChainFound_data();
    void brokenChainFound();
    void everyChangeJournaled_data();
    void everyChangeJournaled();
    void noJournalNoRow();
    void entryTextAsJsonWritesIt_data();
    void entryTextAsJsonWritesIt();
    void everyChangeReplays();
    void tamperingFound_data();
    void tamperingFound();
    void notedSealChecked();
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

void tst_journal::everyChangeJournaled_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("rows"); // the rows it adds; the last is the one below
    QTest::addColumn<QString>("what");
    QTest::addColumn<QVariant>("employee"); // Null: absent
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("after");

    const QVariant none(QMetaType(QMetaType::QString));
    const QString ann = QStringLiteral("Ann");
    const QString closed = QStringLiteral(R"(["Ann","2026-12-01 09:30:00","Clocked Out",null])");
    QTest::newRow("clock in") << "clock in" << 1 << "clockin" << QVariant(ann) << none
                              << QVariant(R"(["Ann","2026-12-07 09:00:00","Clocked In","Till"])");
    QTest::newRow("clock out") << "clock out" << 1 << "clockout" << QVariant(ann) << none
                               << QVariant(R"(["Ann","2026-12-07 17:00:00","Clocked Out",null])");
    QTest::newRow("delete last") << "delete last" << 1 << "deletelast" << QVariant(ann) << QVariant(closed) << none;
    // The entry by its place in the log, so that the change can be replayed.
    QTest::newRow("correct") << "correct" << 1 << "correct" << QVariant(ann)
                             << QVariant(R"({"datetime":"2026-12-01 08:00:00","entry":1})")
                             << QVariant(R"({"datetime":"2026-12-01 07:45:00","entry":1})");
    // The dated clock-in, then the clock-out left at the head of the log.
    QTest::newRow("clear") << "clear" << 2 << "clear" << QVariant(ann) << QVariant(closed) << none;
    QTest::newRow("add") << "add" << 1 << "addemployee" << QVariant("Bob") << none
                         << QVariant(R"({"note":"Nights","wage":"12"})");
    // Each entry of the log, then the list row without its password.
    QTest::newRow("delete") << "delete" << 3 << "deleteemployee" << QVariant(ann)
                            << QVariant(R"({"note":"Days","wage":"10"})") << none;
    QTest::newRow("wage") << "wage" << 1 << "wage" << QVariant(ann) << QVariant("10") << QVariant("11.50");
    QTest::newRow("note") << "note" << 1 << "note" << QVariant(ann) << QVariant("Days") << QVariant("Evenings");
    QTest::newRow("password") << "password" << 1 << "password" << QVariant(ann) << none << none;
    QTest::newRow("switch") << "switch" << 1 << "switch" << none << QVariant(R"({"money":null})")
                            << QVariant(R"({"money":1})");
    QTest::newRow("company") << "company" << 1 << "company" << none << none << QVariant("Acme \"Tools\"");
}

void tst_journal::everyChangeJournaled()
{
    QFETCH(QString, change);
    QFETCH(int, rows);
    QFETCH(QString, what);
    QFETCH(QVariant, employee);
    QFETCH(QVariant, before);
    QFETCH(QVariant, after);
    TestCompany app;
    app.addEmployee(QStringLiteral("Ann"), QStringLiteral("10"), QStringLiteral("s3cret-ann"), QStringLiteral("Days"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2026-12-01 08:00:00"), pw::kClockedIn, QStringLiteral("Stock"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2026-12-01 09:30:00"), pw::kClockedOut);
    pw::Journal journal(app.db());
    QVERIFY(!journal.create());
    {
        // A row already there: the change's rows go on from it.
        pw::Database::Transaction t(app.db());
        QVERIFY(journal.append(first()));
        QVERIFY(!t.commit());
    }

    QVERIFY(::change(app, change));
    const auto stored = app.rows(QStringLiteral("SELECT who, what, employee, before, after, workstation FROM %1 ORDER BY %2")
                                     .arg(journalTable(), app.orderKey()));
    QCOMPARE(stored.size(), 1 + rows);
    const QVariantList &last = stored.last();
    QCOMPARE(last[0].toString(), QStringLiteral("command line"));
    QCOMPARE(last[1].toString(), what);
    for (int i : {2, 3, 4}) {
        const QVariant &expected = i == 2 ? employee : i == 3 ? before : after;
        QCOMPARE(last[i].isNull(), expected.isNull());
        QCOMPARE(last[i].toString(), expected.toString());
    }
    QVERIFY(!last[5].toString().isEmpty());
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM %1 WHERE before LIKE '%s3cret%' OR after LIKE '%s3cret%'")
                           .arg(journalTable())).toInt(), 0);
    const auto check = pw::verifyChain(app.db());
    QVERIFY(check && check->whole());
    QCOMPARE(check->rows, 1 + rows);
}

// Until the company has a journal, every change is stored as before, and nothing else.
void tst_journal::noJournalNoRow()
{
    TestCompany app;
    app.addEmployee(QStringLiteral("Ann"));
    QVERIFY(change(app, QStringLiteral("clock in")));
    QCOMPARE(app.log(QStringLiteral("Ann")).size(), 1);
    QCOMPARE(*app.db().tableExists(pw::kJournalTable), false);
}

namespace {

using Outcome = pw::RecordCheck::Outcome;
using Where = pw::RecordDifference::Where;

// Ann (wage 10, one closed shift on 1 December) and Kim, with the journal begun on what they hold.
void sealedCompany(TestCompany &app)
{
    app.addEmployee(QStringLiteral("Ann"), QStringLiteral("10"), QStringLiteral("s3cret-ann"), QStringLiteral("Days"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2026-12-01 08:00:00"), pw::kClockedIn, QStringLiteral("Stock"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2026-12-01 09:30:00"), pw::kClockedOut);
    app.addEmployee(QStringLiteral("Kim"));
    app.addEntry(QStringLiteral("Kim"), QStringLiteral("2026-12-02 07:00:00"), pw::kClockedIn, QString());
    QVERIFY(!pw::startJournal(app.db()));
}

QString outcomeOf(TestCompany &app, const std::optional<QString> &seal = std::nullopt)
{
    const auto check = pw::verifyRecords(app.db(), seal);
    if (!check)
        return QStringLiteral("unreadable");
    return QStringLiteral("%1 row %2 where %3 item %4").arg(int(check->outcome)).arg(check->row).arg(int(check->difference.where))
        .arg(check->difference.item);
}

} // namespace

void tst_journal::entryTextAsJsonWritesIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QStringLiteral("Sanding, again");
    QTest::newRow("quotes and backslash") << QStringLiteral("say \"hi\" \\ there");
    QTest::newRow("named controls") << QStringLiteral("a\bb\fc\nd\re\tf");
    QTest::newRow("other controls") << QString::fromUtf16(u"\x01\x1f\x7f end");
    QTest::newRow("two and three bytes") << QString::fromUtf16(u"Zo\u00eb \u540d\u524d \u2028");
    QTest::newRow("four bytes") << QString::fromUtf16(u"\U0001F600 ok");
    QTest::newRow("lone surrogates") << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b") + QChar(0xDC00);
    QTest::newRow("empty") << QString(QLatin1String(""));
}

// The journal's entries are written by hand for speed: exactly as QJsonDocument writes them, which
// is what rows stored earlier hold.
void tst_journal::entryTextAsJsonWritesIt()
{
    QFETCH(QString, text);
    const QVariant none;
    const QJsonArray fields{QJsonValue(text), QJsonValue(QJsonValue::Null), QJsonValue(QStringLiteral("Clocked In")), QJsonValue(text)};
    QCOMPARE(pw::journaling::entryText(text, none, QStringLiteral("Clocked In"), text),
             QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact)));
}

// Each kind of change, one after another, replays from the journal to exactly what is stored.
void tst_journal::everyChangeReplays()
{
    using namespace pw;
    TestCompany app;
    sealedCompany(app);
    QCOMPARE(outcomeOf(app), outcomeOf(app)); // reading changes nothing
    QVERIFY(verifyRecords(app.db())->verified());
    Database &db = app.db();
    const QString ann = QStringLiteral("Ann");
    CompanySettings settings(db);
    const auto annRow = [&] { return (**findEmployee(db, ann)).rowid; };
    const QList<std::pair<const char *, std::function<bool()>>> changes{
        {"clock in", [&] { return clocking::clockIn(db, ann, ann, at("2026-12-07 09:00:00"), QStringLiteral("Till")).stored(); }},
        {"clock out", [&] { return clocking::clockOut(db, ann, ann, at("2026-12-07 17:00:00")).stored(); }},
        {"correct", [&] {
             const qint64 second = app.value(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1 LIMIT 1 OFFSET 2")
                                                 .arg(app.orderKey(), quoteIdentifier(ann))).toLongLong();
             return bool(clocking::correctEntryTime(db, ann, second, QStringLiteral("12/7/2026 8:45 AM")));
         }},
        {"wage", [&] { return !changeEmployeeDetails(db, annRow(), QStringLiteral("11.50"), std::nullopt); }},
        {"note", [&] { return !changeEmployeeDetails(db, annRow(), std::nullopt, QStringLiteral("Evenings")); }},
        {"password", [&] { return *changePassword(db, ann, QStringLiteral("s3cret-new")); }},
        {"company", [&] { return !settings.storeCompany(QStringLiteral("Acme")); }},
        {"switch", [&] { return !settings.setSwitch(Switch::Edits, true); }},
        {"delete last", [&] { return *clocking::deleteLast(db, ann); }},
        {"clear", [&] { return bool(clearing::clearBefore(db, ann, at("2026-12-01 09:00:00"))); }},
        {"add", [&] { return addEmployee(db, {QStringLiteral("Bob"), QStringLiteral("12"), QString(), QString()}).added(); }},
        {"delete", [&] { return !deleteEmployee(db, QStringLiteral("Kim")); }},
    };
    for (const auto &[which, made] : changes) {
        QVERIFY2(made(), which);
        const auto check = verifyRecords(db);
        QVERIFY2(check && check->verified(), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(which), outcomeOf(app))));
    }
}

void tst_journal::tamperingFound_data()
{
    QTest::addColumn<QString>("tamper"); // SQL: %1 the journal, %2 the key of stored order, %3 Ann's log
    QTest::addColumn<QString>("found");  // as outcomeOf tells it

    const auto found = [](Outcome o, qint64 row, Where w, qint64 item) {
        return QStringLiteral("%1 row %2 where %3 item %4").arg(int(o)).arg(row).arg(int(w)).arg(item);
    };
    const QString first = QStringLiteral(" WHERE %2 = (SELECT min(%2) FROM %3)");
    QTest::newRow("an entry's time") << "UPDATE %3 SET datetime = '2026-12-01 07:00:00'" + first << found(Outcome::Differs, 0, Where::Log, 1);
    QTest::newRow("an entry's task") << "UPDATE %3 SET activity = 'Lunch'" + first << found(Outcome::Differs, 0, Where::Log, 1);
    QTest::newRow("an entry's status") << "UPDATE %3 SET inoutfx = 'Clocked Out'" + first << found(Outcome::Differs, 0, Where::Log, 1);
    QTest::newRow("an entry added") << "INSERT INTO %3 (Ename, datetime, inoutfx) VALUES ('Ann', '2026-12-07 18:00:00', 'Clocked Out')"
                                    << found(Outcome::Differs, 0, Where::Log, 4);
    QTest::newRow("an entry removed") << "DELETE FROM %3" + first << found(Outcome::Differs, 0, Where::Log, 1);
    QTest::newRow("a wage") << "UPDATE datalist SET Ewage = '99' WHERE Ename = 'Ann'" << found(Outcome::Differs, 0, Where::EmployeeList, 2);
    QTest::newRow("a switch") << "UPDATE \"Company Data\" SET money = 1" << found(Outcome::Differs, 0, Where::Settings, 1);
    QTest::newRow("a journal row changed") << "UPDATE %1 SET after = NULL WHERE sequence = 4" << found(Outcome::ChainBroken, 4, Where::Log, 0);
    QTest::newRow("a journal row removed") << "DELETE FROM %1 WHERE sequence = 4" << found(Outcome::ChainBroken, 4, Where::Log, 0);
    QTest::newRow("a journal row inserted") << "INSERT INTO %1 (sequence, stored_at, workstation, who, what, hash) "
                                               "SELECT 99, stored_at, workstation, who, what, hash FROM %1 WHERE sequence = 2"
                                            << found(Outcome::ChainBroken, 14, Where::Log, 0);
    // The chain stays whole, but the clock-in it told of is stored without it.
    QTest::newRow("the last journal row removed") << "DELETE FROM %1 WHERE sequence = (SELECT max(sequence) FROM %1)"
                                                  << found(Outcome::Differs, 0, Where::Log, 3);
    QTest::newRow("the journal dropped") << "DROP TABLE %1" << found(Outcome::NoJournal, 0, Where::Log, 0);
}

// Whatever is changed behind the program's back is found, and named.
void tst_journal::tamperingFound()
{
    QFETCH(QString, tamper);
    QFETCH(QString, found);
    TestCompany app;
    app.exec(QStringLiteral("INSERT INTO \"Company Data\" (company) VALUES ('Acme')"));
    sealedCompany(app);
    QVERIFY(pw::clocking::clockIn(app.db(), QStringLiteral("Ann"), QStringLiteral("Ann"), at("2026-12-07 09:00:00"),
                                  QStringLiteral("Till")).stored());
    QVERIFY(pw::verifyRecords(app.db())->verified());
    app.exec(tamper.replace(QLatin1String("%1"), journalTable())
                 .replace(QLatin1String("%2"), app.orderKey())
                 .replace(QLatin1String("%3"), pw::quoteIdentifier(QStringLiteral("Ann"))));
    QCOMPARE(outcomeOf(app), found);
}

// A seal noted earlier is one of the chain's own, in either letter case; another is not.
void tst_journal::notedSealChecked()
{
    TestCompany app;
    sealedCompany(app);
    const QString noted = pw::verifyRecords(app.db())->seal;
    QCOMPARE(noted.size(), 16);
    QVERIFY(pw::clocking::clockIn(app.db(), QStringLiteral("Ann"), QStringLiteral("Ann"), at("2026-12-07 09:00:00"),
                                  QStringLiteral("Till")).stored());
    const auto now = pw::verifyRecords(app.db(), noted.toUpper());
    QVERIFY(now->verified());
    QVERIFY(now->seal != noted);
    QCOMPARE(pw::verifyRecords(app.db(), QStringLiteral("0123456789abcdef"))->outcome, Outcome::SealNotFound);
}

PW_CORE_TEST_MAIN(tst_journal)
#include "tst_journal.moc"
