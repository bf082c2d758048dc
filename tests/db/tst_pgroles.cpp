// The two roles of a company on a server, set up as the README says: the owner makes the company
// (or moves one in) and runs data/workstation-role.sql; the workstations' role then does all that
// the program does, and cannot drop or alter what it does not own.
#include "db/database.h"
#include "domain/clocking.h"
#include "domain/journalchain.h"
#include "domain/recordcheck.h"
#include "domain/employees.h"
#include "testlib/pgserver.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

using pw::test::PgServer;
namespace clocking = pw::clocking;

namespace {

const QString kOwner = QStringLiteral("punchwell_owner");
const QString kWorkstation = QStringLiteral("punchwell");
const QString kCompany = QStringLiteral("acme");

struct Psql {
    int exitCode = -1;
    QString errors;
};

} // namespace

class tst_pgroles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void workstationDoesItsWork();
    void workstationCannotChangeWhatItDoesNotOwn_data();
    void workstationCannotChangeWhatItDoesNotOwn();
    void otherRolesCannotConnect();

private:
    QString url(const QString &role) const
    {
        return QStringLiteral("postgresql://%1@/%2?host=%3").arg(role, kCompany, m_server.socketDir());
    }
    Psql psql(const QString &role, const QString &database, const QStringList &arguments) const;

    PgServer m_server;
};

Psql tst_pgroles::psql(const QString &role, const QString &database, const QStringList &arguments) const
{
    QProcess process;
    process.start(PgServer::binDir() + QStringLiteral("/psql"),
                  QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                              QStringLiteral("-h"), m_server.socketDir(), QStringLiteral("-U"), role,
                              QStringLiteral("-d"), database} +
                      arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void tst_pgroles::initTestCase()
{
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    // As the server's administrator, once: the two roles and the owner's empty database.
    QStringList setUp;
    for (const char *statement : {"CREATE ROLE punchwell_owner LOGIN", "CREATE ROLE punchwell LOGIN",
                                  "CREATE ROLE visitor LOGIN", "CREATE DATABASE acme OWNER punchwell_owner"})
        setUp << QStringLiteral("-c") << QString::fromLatin1(statement);
    const Psql admin = psql(QStringLiteral("postgres"), QStringLiteral("postgres"), setUp);
    QVERIFY2(admin.exitCode == 0, qPrintable(admin.errors));

    // The owner makes the company and its first employee, as a company moved in would bring them.
    {
        const auto db = pw::Database::fromLocation(url(kOwner));
        QVERIFY(!db->createCompany());
        QVERIFY(!db->open());
        QVERIFY(pw::addEmployee(*db, {QStringLiteral("Ann"), QStringLiteral("20"), {}, {}}).added());
        QVERIFY(clocking::clockIn(*db, QStringLiteral("Ann"), QStringLiteral("Ann"),
                                  *pw::LocalDateTime::fromStored(u"2026-12-07 08:00:00"), QStringLiteral("Desk"))
                    .stored());
    }
    const Psql grant = psql(kOwner, kCompany, {QStringLiteral("-f"), QStringLiteral(PUNCHWELL_SOURCE_DIR "/data/workstation-role.sql")});
    QVERIFY2(grant.exitCode == 0, qPrintable(grant.errors));
    // The owner's next start makes the journal, after the default privileges were set.
    const auto db = pw::Database::fromLocation(url(kOwner));
    QVERIFY(!db->open());
    QVERIFY(!pw::startJournal(*db));
    // Run again over a company that has its journal, the script keeps it as it is.
    const Psql again = psql(kOwner, kCompany, {QStringLiteral("-f"), QStringLiteral(PUNCHWELL_SOURCE_DIR "/data/workstation-role.sql")});
    QVERIFY2(again.exitCode == 0, qPrintable(again.errors));
}

void tst_pgroles::workstationDoesItsWork()
{
    const auto db = pw::Database::fromLocation(url(kWorkstation));
    QVERIFY(!db->open());
    const auto at = [](const char16_t *text) { return *pw::LocalDateTime::fromStored(QStringView(text)); };
    const qint64 sealed = pw::verifyChain(*db)->rows;
    // A log the owner made, and one the workstation makes.
    QVERIFY(clocking::clockOut(*db, QStringLiteral("Ann"), QStringLiteral("Ann"), at(u"2026-12-07 12:00:00")).stored());
    QVERIFY(pw::addEmployee(*db, {QStringLiteral("Bob"), QStringLiteral("18"), {}, {}}).added());
    QVERIFY(clocking::clockIn(*db, QStringLiteral("Bob"), QStringLiteral("Bob"), at(u"2026-12-07 08:00:00"), {}).stored());
    QCOMPARE(pw::verifyChain(*db)->rows, sealed + 3); // a row for each change
    QCOMPARE(*clocking::deleteLast(*db, QStringLiteral("Bob")), true);
    QCOMPARE(*pw::changePassword(*db, QStringLiteral("Bob"), QStringLiteral("secret")), true);
    QVERIFY(!pw::changeEmployeeDetails(*db, 2, QStringLiteral("19"), std::nullopt));
    QVERIFY(!pw::deleteEmployee(*db, QStringLiteral("Bob")));
    QCOMPARE(*pw::employeeNames(*db), (QStringList{QStringLiteral("Manager"), QStringLiteral("Ann")}));
    QVERIFY(pw::verifyRecords(*db)->verified());
}

void tst_pgroles::workstationCannotChangeWhatItDoesNotOwn_data()
{
    QTest::addColumn<QString>("statement");
    QTest::newRow("drop the employee list") << "DROP TABLE datalist";
    QTest::newRow("drop the company's settings") << "DROP TABLE \"Company Data\"";
    QTest::newRow("drop a log the owner made") << "DROP TABLE \"Ann\"";
    QTest::newRow("alter the list") << "ALTER TABLE datalist ADD COLUMN x integer";
    QTest::newRow("empty a log at one stroke") << "TRUNCATE \"Ann\"";
    QTest::newRow("drop the database") << "DROP DATABASE acme";
    QTest::newRow("make a role") << "CREATE ROLE intruder LOGIN";
    QTest::newRow("change a journal row") << "UPDATE \"Punchwell journal of changes\" SET who = 'Ann'";
    QTest::newRow("remove a journal row") << "DELETE FROM \"Punchwell journal of changes\" WHERE sequence = 2";
    QTest::newRow("empty the journal") << "TRUNCATE \"Punchwell journal of changes\"";
    QTest::newRow("take the list over") << "ALTER TABLE datalist OWNER TO punchwell";
}

void tst_pgroles::workstationCannotChangeWhatItDoesNotOwn()
{
    QFETCH(QString, statement);
    const Psql refused = psql(kWorkstation, kCompany, {QStringLiteral("-c"), statement});
    QVERIFY2(refused.exitCode != 0, qPrintable(statement));
    QVERIFY2(refused.errors.contains(QLatin1String("must be owner")) || refused.errors.contains(QLatin1String("permission denied")),
             qPrintable(refused.errors));
    // Nothing changed: the company still opens, and the list still reads.
    const auto db = pw::Database::fromLocation(url(kWorkstation));
    QVERIFY(!db->open());
    QCOMPARE(pw::employeeNames(*db)->size(), 2);
}

void tst_pgroles::otherRolesCannotConnect()
{
    const Psql visitor = psql(QStringLiteral("visitor"), kCompany, {QStringLiteral("-c"), QStringLiteral("SELECT 1")});
    QVERIFY(visitor.exitCode != 0);
    QVERIFY2(visitor.errors.contains(QLatin1String("permission denied")), qPrintable(visitor.errors));
}

QTEST_GUILESS_MAIN(tst_pgroles)
#include "tst_pgroles.moc"
