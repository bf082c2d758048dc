// The company on a PostgreSQL server: the count of a log beside a raw libpq scan of the same column
// in the same order, and a whole clock-in through the windows. The server is a private one the
// program starts in a temporary folder (as the tests do) and stops at its end.
#include "benchutil.h"

#include "db/companydata.h"
#include "db/database.h"
#include "db/postgresengine.h"
#include "domain/employees.h"
#include "domain/totals.h"
#include "testlib/pgserver.h"
#include "messages/errortext.h"

#include <QUrlQuery>

#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <map>
#include <memory>

namespace {

const QString kName = QStringLiteral("Employee 000001");
const pw::LocalDateTime kNow = *pw::LocalDateTime::fromParts(2026, 12, 7, 17, 0, 0);

std::unique_ptr<pw::test::PgServer> server;

void fail(const char *what, const QString &why)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(why));
    std::abort();
}

pw::test::PgServer &theServer()
{
    if (!server) {
        server = std::make_unique<pw::test::PgServer>();
        if (!server->start())
            fail("the PostgreSQL server cannot be started", server->errorString());
    }
    return *server;
}

// A database per log size, made once: the delivered company, one employee, and n alternating
// entries, one shift a day of eight hours, written by the server itself.
QString companyWith(long entries)
{
    static std::map<long, QString> made;
    QString &uri = made[entries];
    if (!uri.isEmpty())
        return uri;
    const QString name = QStringLiteral("log%1").arg(entries);
    if (!theServer().createDatabase(name))
        fail("createDatabase", theServer().errorString());
    uri = theServer().url(name);
    pw::Database db(std::make_unique<pw::PostgresEngine>(uri));
    if (pw::DbError e = db.createCompany())
        fail("createCompany", pw::ErrorText::numbered(e));
    if (pw::DbError e = db.open())
        fail("open", pw::ErrorText::numbered(e));
    if (!pw::addEmployee(db, {kName, QStringLiteral("10"), QString(), QString()}).added())
        fail("addEmployee", kName);
    if (pw::DbError e = db.exec(QStringLiteral(
            "INSERT INTO \"Employee 000001\" (ename, datetime, inoutfx, activity) SELECT 'Employee 000001', "
            "timestamp '2000-01-01 08:00:00' + (i / 2) * interval '1 day' + (i % 2) * interval '8 hours', "
            "CASE WHEN i % 2 = 0 THEN 'Clocked In' ELSE 'Clocked Out' END, CASE WHEN i % 2 = 0 THEN ' ' END "
            "FROM generate_series(0, %1) AS i").arg(entries - 1)))
        fail("fill", pw::ErrorText::numbered(e));
    db.exec(QStringLiteral("VACUUM ANALYZE \"Employee 000001\""));
    return uri;
}

// libpq's connection string for the same database.
std::string conninfo(const QString &uri)
{
    const QUrl url(uri);
    return QStringLiteral("host='%1' user=postgres dbname='%2'")
        .arg(QUrlQuery(url).queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded), url.path().mid(1))
        .toStdString();
}

} // namespace

// The floor: the column the count reads, in stored order, through libpq with nothing around it.
static void BM_PgRawScan(benchmark::State &state)
{
    const QString uri = companyWith(state.range(0));
    PGconn *conn = PQconnectdb(conninfo(uri).c_str());
    if (PQstatus(conn) != CONNECTION_OK)
        fail("PQconnectdb", QString::fromLocal8Bit(PQerrorMessage(conn)));
    for (auto _ : state) {
        PGresult *r = PQexec(conn, "SELECT datetime::text FROM \"Employee 000001\" ORDER BY pw_order");
        if (PQresultStatus(r) != PGRES_TUPLES_OK)
            fail("PQexec", QString::fromLocal8Bit(PQerrorMessage(conn)));
        long bytes = 0;
        const int rows = PQntuples(r);
        for (int i = 0; i < rows; ++i)
            bytes += PQgetlength(r, i, 0) + PQgetvalue(r, i, 0)[0];
        PQclear(r);
        benchmark::DoNotOptimize(bytes);
    }
    PQfinish(conn);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

static void BM_PgCount(benchmark::State &state)
{
    pw::Database database(std::make_unique<pw::PostgresEngine>(companyWith(state.range(0))));
    if (pw::DbError e = database.open())
        fail("open", pw::ErrorText::numbered(e));
    float minutes = 0;
    for (auto _ : state) {
        auto count = pw::countLog(database, kName, kNow);
        benchmark::DoNotOptimize(count);
        minutes = count ? count->totalMinutes : 0.0f;
    }
    if (minutes <= 0)
        state.SkipWithError("the count found no hours");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_PgRawScan)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PgCount)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A clock-in as the employee makes it on a workstation of the server: the request (the task prompt
// switched off), the entry stored and committed, the log view moved and the totals shown.
static void BM_PgClockIn(benchmark::State &state)
{
    pw::Database database(std::make_unique<pw::PostgresEngine>(companyWith(state.range(0))));
    if (pw::DbError e = database.open())
        fail("open", pw::ErrorText::numbered(e));
    pw::bench::FakeSeams seams;
    pw::CompanyData(database).storeCompany(QStringLiteral("Acme Widgets"));
    pw::bench::timeClockIns(state, database, seams, kName);
}
BENCHMARK(BM_PgClockIn)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    pw::bench::prepareQt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    server.reset();
    return 0;
}
