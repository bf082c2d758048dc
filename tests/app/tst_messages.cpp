// The words of every failure, as the windows (ErrorText) and the terminal (CommandText) compose them
// from a reason and its context.
#include "access/accessconversion.h"
#include "app/commandtext.h"
#include "app/options.h"
#include "db/companycopy.h"
#include "db/postgresengine.h"
#include "db/sqliteengine.h"
#include "messages/errortext.h"

#include <QRegularExpression>
#include <QTest>

#include <sqlite3.h>

using pw::AddressFault;
using pw::CommandText;
using pw::CopyRefusal;
using pw::DbError;
using pw::DbReason;
using pw::ErrorText;
using pw::JetDamage;

Q_DECLARE_METATYPE(pw::DbError)

namespace {

// A failure with every piece of context a sentence may name.
DbError withContext(DbReason reason, bool server)
{
    DbError e = DbError::of(reason)
                    .inTable(QStringLiteral("Kim"))
                    .inField(QStringLiteral("datetime"))
                    .inRow(7)
                    .aboutFile(QStringLiteral("/srv/OLD.mdb"))
                    .withValue(QStringLiteral("abc"))
                    .withAmounts(3, 4)
                    .after(5)
                    .saying(QStringLiteral("said"));
    pw::Location where = pw::Location::ofFile(QStringLiteral("/srv/Employee.mdb"));
    if (server)
        where = {{}, true, QStringLiteral("acme"), QStringLiteral("db"), QStringLiteral("5432"), {}};
    e.at(where);
    e.cause = std::make_shared<const DbError>(DbError::of(DbReason::FileFull));
    return e;
}

bool isAccess(DbReason r)
{
    return r >= DbReason::AccessCannotOpen;
}

const QRegularExpression kPlaceholder(QStringLiteral("%\\d"));

} // namespace

class tst_messages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyFailureHasWords_data();
    void everyFailureHasWords();
    void copyFailuresReadAsBefore_data();
    void copyFailuresReadAsBefore();
    void everyOptionsFaultHasWords();
    void copiedLine();
    void controlCharactersInOneLine();
    void accessReport();
    void engineFailuresInTheProgramsTerms_data();
    void engineFailuresInTheProgramsTerms();
    void lostServerInBoxes_data();
    void lostServerInBoxes();
};

void tst_messages::everyFailureHasWords_data()
{
    QTest::addColumn<DbError>("error");
    for (int r = int(DbReason::None) + 1; r <= int(pw::kLastDbReason); ++r) {
        const auto reason = DbReason(r);
        for (bool server : {false, true})
            QTest::addRow("reason %d%s", r, server ? " on a server" : "") << withContext(reason, server);
    }
    for (int d = 0; d <= int(pw::kLastCopyRefusal); ++d)
        QTest::addRow("copy refusal %d", d) << withContext(DbReason::CopyRefused, false).because(CopyRefusal(d));
    for (int d = 0; d <= int(AddressFault::Semicolon); ++d)
        QTest::addRow("address fault %d", d) << withContext(DbReason::AddressUnusable, true).because(AddressFault(d));
    for (int d = 0; d <= int(JetDamage::RowsLost); ++d)
        QTest::addRow("Access damage %d", d) << withContext(DbReason::AccessDamaged, false).because(JetDamage(d));
}

// Words for each reason and variant, every placeholder filled, the number to quote at the end; an
// Access file's failure in its two spellings, the same words but for the first letter.
void tst_messages::everyFailureHasWords()
{
    QFETCH(DbError, error);
    QVERIFY(error.number != pw::ErrNone);
    const QString words = ErrorText::describe(error);
    QVERIFY(!words.isEmpty());
    QVERIFY2(!words.contains(kPlaceholder), qPrintable(words));
    QCOMPARE(ErrorText::numbered(error), QStringLiteral("%1 (error %2)").arg(words).arg(error.number));
    if (!isAccess(error.reason))
        return;
    const QString sentence = ErrorText::accessFailure(error, ErrorText::Start::Sentence);
    const QString inLine = ErrorText::accessFailure(error, ErrorText::Start::InLine);
    QVERIFY2(!sentence.contains(kPlaceholder) && sentence.endsWith(QLatin1Char('.')), qPrintable(sentence));
    QCOMPARE(inLine, sentence.front().isUpper() ? sentence.front().toLower() + sentence.mid(1) : sentence);
}

void tst_messages::copyFailuresReadAsBefore_data()
{
    QTest::addColumn<DbError>("error");
    QTest::addColumn<QString>("line");      // --copy-company's line
    QTest::addColumn<QString>("conversion"); // the box's words when an Access-format file's company was not made
    const DbError differs = DbError::of(DbReason::CopyRefused)
                                .because(CopyRefusal::RowDiffers)
                                .inTable(QStringLiteral("Employee 002"))
                                .inRow(37);
    const QString differsWords = QStringLiteral(
        "row 37 of the table \"Employee 002\" differs between the source and the target after the copy (error 3000)");
    QTest::newRow("a refusal") << differs << "the company was not copied: " + differsWords
                               << "The new company could not be made in /srv/new.mdb: " + differsWords + ".";
    const QString full =
        QStringLiteral("there is no room left to store the change (the disk or the database file is full) (error 3026)");
    QTest::newRow("a failure") << DbError::of(DbReason::FileFull) << "the company was not copied: " + full
                               << "The new company could not be made in /srv/new.mdb: " + full + ".";
    const DbError table = DbError::around(DbReason::CopyTableFailed,
                                          DbError::of(DbReason::ValueRefused).saying(QStringLiteral("bad date")))
                              .inTable(QStringLiteral("Manager"));
    const QString tableWords =
        QStringLiteral("the table \"Manager\" could not be copied: the server refused a value (bad date) (error 3426)");
    QTest::newRow("a table's failure") << table << "the company was not copied: " + tableWords
                                       << "The new company could not be made in /srv/new.mdb: " + tableWords + ".";
}

void tst_messages::copyFailuresReadAsBefore()
{
    QFETCH(DbError, error);
    QFETCH(QString, line);
    QFETCH(QString, conversion);
    QCOMPARE(CommandText::copyFailed(error), line);
    const DbError notMade =
        DbError::around(DbReason::AccessNotMade, error).at(pw::Location::ofFile(QStringLiteral("/srv/new.mdb")));
    QCOMPARE(ErrorText::accessFailure(notMade), conversion);
    QCOMPARE(CommandText::accessNotCopied(notMade), "the company was not copied: t" + conversion.mid(1));
}

void tst_messages::everyOptionsFaultHasWords()
{
    for (int k = pw::OptionsFault::None + 1; k <= pw::OptionsFault::ConfigIdleLogoffTwice; ++k) {
        const pw::OptionsFault fault{pw::OptionsFault::Kind(k), QStringLiteral("--x"), QStringLiteral("/srv/P.conf"), 2,
                                     QStringLiteral("url")};
        const QString words = CommandText::optionsFault(fault);
        QVERIFY2(!words.isEmpty() && !words.contains(kPlaceholder), qPrintable(QString::number(k) + words));
    }
}

// The report of a company brought over, as the start-up box and the command line show it.
void tst_messages::accessReport()
{
    pw::AccessReport r;
    r.hasSettings = true;
    r.entries = 100021;
    r.milliseconds = 1500;
    r.employees = {{QStringLiteral("Manager"), 0}, {QStringLiteral("Bob"), 100000}};
    r.leftOutTables = {QStringLiteral("Switchboard Items")};
    r.leftOutFields = {{QStringLiteral("datalist"), QStringLiteral("Photo")}, {QStringLiteral("Kim"), QStringLiteral("Note")}};
    pw::UnusualName tooLong{QStringLiteral("Bartholomew Fitzgerald-Smythe"), {}, 1, false, {}};
    tooLong.faults.tooLong = true;
    pw::UnusualName empty{QString(), {}, 1, false, {}};
    empty.faults.empty = true;
    r.unusualNames = {tooLong, {QStringLiteral("manager"), {}, 1, false, QStringLiteral("Manager")},
                      {QStringLiteral("Kim"), {}, 2, false, {}}, empty};
    QCOMPARE(CommandText::leftOutFields(r), QStringList({QStringLiteral("\u201cdatalist\u201d.\u201cPhoto\u201d"),
                                                         QStringLiteral("\u201cKim\u201d.\u201cNote\u201d")}));
    QCOMPARE(CommandText::unusualNames(r),
             QStringList({QStringLiteral("\u201cBartholomew Fitzgerald-Smythe\u201d (longer than 20 characters)"),
                          QStringLiteral("\u201cmanager\u201d (the same as \u201cManager\u201d but for capital and small "
                                         "letters, so the two share one time log)"),
                          QStringLiteral("\u201cKim\u201d (listed 2 times)"), QStringLiteral("\u201c\u201d (an empty name)")}));
    const QString text = CommandText::accessReport(r);
    QVERIFY2(text.startsWith(QStringLiteral("2 employees and 100021 time log entries were brought over in 1.5 seconds.")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\u201cSwitchboard Items\u201d")), qPrintable(text));
}

void tst_messages::engineFailuresInTheProgramsTerms_data()
{
    QTest::addColumn<QString>("engine"); // "sqlite" with a result code, or a server's SQLSTATE
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("words");
    const QString server = QStringLiteral("the database \"acme\" on the server at db");
    const auto sqlite = [](int code) { return QString::number(code); };
    QTest::newRow("file busy") << "sqlite" << sqlite(SQLITE_BUSY) << "database is locked" << int(pw::ErrInUse)
                               << "the database is in use by another program or another copy of Punchwell. Please wait a "
                                  "moment and try again";
    QTest::newRow("file read-only") << "sqlite" << sqlite(SQLITE_READONLY | (8 << 8)) << "" << int(pw::ErrReadOnly)
                                    << "the database file is read-only, so nothing can be stored in it";
    QTest::newRow("file damaged") << "sqlite" << sqlite(SQLITE_CORRUPT) << "" << int(pw::ErrDamaged) << "the database file is damaged";
    QTest::newRow("no such table") << "sqlite" << sqlite(SQLITE_ERROR) << "no such table: Ann" << int(pw::ErrTableMissing)
                                   << "a table cannot be found (no such table: Ann)";
    QTest::newRow("SQLite's own words") << "sqlite" << sqlite(SQLITE_CONSTRAINT) << "kept" << int(pw::ErrGeneral) << "kept";
    QTest::newRow("SQLite without words") << "sqlite" << sqlite(SQLITE_ERROR) << "" << int(pw::ErrGeneral)
                                          << "the database reported an error";
    QTest::newRow("lock not granted") << "server" << "55P03" << "ERROR:  canceling statement due to lock timeout"
                                      << int(pw::ErrInUse)
                                      << "the database is in use: another workstation is changing the same data on " + server
                                             + " and did not finish within 5 seconds. Nothing was stored. Please wait a "
                                               "moment and try again";
    QTest::newRow("statement too slow") << "server" << "57014" << "" << int(pw::ErrTimeout)
                                        << server + " did not finish the action within 30 seconds, so it was stopped";
    QTest::newRow("server stopped") << "server" << "57P01" << "FATAL:  terminating connection\nDETAIL: x"
                                    << int(pw::ErrConnectionLost)
                                    << "the connection to " + server + " was lost: the server stopped or ended it (terminating connection)";
    QTest::newRow("no such database") << "server" << "3D000" << "" << int(pw::ErrNoSuchDatabase)
                                      << "there is no such database: " + server + " does not exist";
    QTest::newRow("no such table on a server") << "server" << "42P01" << "ERROR:  relation \"Ann\" does not exist"
                                               << int(pw::ErrTableMissing) << "a table cannot be found (relation \"Ann\" does not exist)";
    QTest::newRow("not permitted") << "server" << "42501" << "permission denied" << int(pw::ErrReadOnly)
                                   << "the server does not let this user change the company's data in " + server
                                          + " (permission denied)";
    QTest::newRow("a value refused") << "server" << "22007" << "bad date" << int(pw::ErrRefusedValue)
                                     << "the server refused a value (bad date)";
    QTest::newRow("an earlier step failed") << "server" << "25P02" << "" << int(pw::ErrGeneral)
                                            << "an earlier step of this action failed, so the server refused the rest";
    QTest::newRow("the server's own words") << "server" << "P0001" << "ERROR:  kept" << int(pw::ErrGeneral) << "kept";
}

// Each engine's codes in the program's terms: the number to quote, and the words of the box.
void tst_messages::engineFailuresInTheProgramsTerms()
{
    QFETCH(QString, engine);
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, words);
    const pw::PostgresEngine server(QStringLiteral("postgresql://bob@db/acme"));
    const DbError e = engine == QLatin1String("sqlite")
        ? pw::SqliteEngine::fromSqlite(code.toInt(), text)
        : server.fromServer(code, text, false);
    QCOMPARE(e.number, number);
    QCOMPARE(ErrorText::describe(e), words);
}

// A control character in a name (a NUL in a database's name) neither cuts the terminal's line
// short nor acts on the terminal: it shows as its picture.
void tst_messages::controlCharactersInOneLine()
{
    pw::Location server{{}, true, QString::fromUtf16(u"ac\0me\x1b[2J", 9), QStringLiteral("db"), QStringLiteral("5432"), {}};
    const DbError e = DbError::of(DbReason::NoSuchDatabase).at(server);
    QCOMPARE(CommandText::copyFailed(e),
             QStringLiteral("the company was not copied: there is no such database: the database \"ac\u2400me\u241b[2J\" on "
                            "the server at db:5432 does not exist (error 3044)"));
}

// What --copy-company says when it is done, and where it copied rows in the engine's own order.
void tst_messages::copiedLine()
{
    const auto from = pw::Location::ofFile(QStringLiteral("/srv/a.mdb")), to = pw::Location::ofFile(QStringLiteral("/srv/b.mdb"));
    pw::CopyReport report{3, 12, {}};
    const QString done = QStringLiteral("Copied the company from /srv/a.mdb to /srv/b.mdb: 3 tables, 12 rows, read back and "
                                        "found equal.");
    QCOMPARE(CommandText::copied(from, to, report), done);
    report.inEngineOrder = QStringList{QStringLiteral("Handmade"), QStringLiteral("%2 notes")};
    QCOMPARE(CommandText::copied(from, to, report),
             done + QStringLiteral(" Tables made by hand without a stored order were copied in the order the source's "
                                   "database gave their rows: \u201cHandmade\u201d, \u201c%2 notes\u201d."));
    QCOMPARE(CommandText::copied(from, to, pw::CopyReport{3, 1, {}}),
             QStringLiteral("Copied the company from /srv/a.mdb to /srv/b.mdb: 3 tables, 1 row, read back and found equal."));
}

void tst_messages::lostServerInBoxes_data()
{
    QTest::addColumn<DbError>("error");
    QTest::addColumn<QString>("after"); // the caller's words on what was left
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("update"); // the UPDATE action's plain box

    const pw::Location server{{}, true, QStringLiteral("acme"), QStringLiteral("db"), QStringLiteral("5432"), {}};
    const QString lost = QStringLiteral("the connection to the database \"acme\" on the server at db:5432 was lost in the "
                                        "middle of the action");
    const QString what = QStringLiteral("The log of Ann could not be cleared, so it is unchanged: ");
    QTest::newRow("lost: nothing was stored")
        << DbError::of(DbReason::ConnectionLost).at(server) << QString()
        << what + lost + QStringLiteral(" (error 3146).  Nothing was stored.")
        << QStringLiteral("Error number: 3146  has occured:  ") + lost + QStringLiteral(". Nothing was stored. Please try again.");
    QTest::newRow("lost, the caller's words kept")
        << DbError::of(DbReason::ConnectionLost).at(server) << QStringLiteral("  Nothing was changed.")
        << what + lost + QStringLiteral(" (error 3146).  Nothing was changed.")
        << QStringLiteral("Error number: 3146  has occured:  ") + lost + QStringLiteral(". Nothing was stored. Please try again.");
    const QString uncertain = lost + QStringLiteral(". The change was being stored when the connection ended: it may or "
                                                    "may not have been stored. Look at the data again before you repeat it");
    QTest::newRow("commit cut off: may have been stored")
        << DbError::around(DbReason::CommitUncertain, DbError::of(DbReason::ConnectionLost).at(server))
        << QStringLiteral("  Nothing was stored.") << what + uncertain + QStringLiteral(" (error 3146).")
        << QStringLiteral("Error number: 3146  has occured:  ") + uncertain + QStringLiteral(".");
}

// A box for an action the server was lost in says what became of the action: nothing was stored,
// or, for a commit cut off, that it may have been, and then no words of the caller's that say
// otherwise.
void tst_messages::lostServerInBoxes()
{
    QFETCH(DbError, error);
    QFETCH(QString, after);
    QFETCH(QString, box);
    QFETCH(QString, update);
    QCOMPARE(ErrorText::failure(QStringLiteral("The log of Ann could not be cleared, so it is unchanged"), error, after), box);
    QCOMPARE(ErrorText::updateFailure(error), update);
}

QTEST_GUILESS_MAIN(tst_messages)
#include "tst_messages.moc"
