// The journal of changes: what its row adds to a clock-in, and the check of the records against
// it, each beside its baseline (the same clock-in in a company without a journal, a raw SQLite scan
// of the rows the check reads).
#include "benchutil.h"

#include "db/database.h"
#include "db/journal.h"
#include "db/quoting.h"
#include "domain/clocking.h"
#include "domain/history.h"
#include "domain/recordcheck.h"

#include <benchmark/benchmark.h>

using pw::bench::BenchDb;
using pw::bench::companyWith;

namespace {

const QString kName = QStringLiteral("Employee 000001");
const pw::LocalDateTime kNow = *pw::LocalDateTime::fromParts(2026, 12, 7, 17, 0, 0);

// Clock-ins through the domain, each committed; the entry and, with a journal, its row are taken
// away again outside the timing, so every clock-in finds the same company.
void timeClockIns(benchmark::State &state, bool journal)
{
    BenchDb &db = companyWith(state.range(0), journal);
    pw::Database database(db.path());
    database.open();
    const std::string log = pw::quoteIdentifier(kName).toStdString();
    const std::string journalTable = pw::quoteIdentifier(pw::kJournalTable).toStdString();
    const QString task = QStringLiteral("Assembly line");
    bool stored = true;
    for (auto _ : state) {
        stored = pw::clocking::clockIn(database, kName, kName, kNow, task).stored() && stored;
        state.PauseTiming();
        db.exec("DELETE FROM " + log + " WHERE rowid = (SELECT max(rowid) FROM " + log + ")");
        if (journal)
            db.exec("DELETE FROM " + journalTable + " WHERE rowid = (SELECT max(rowid) FROM " + journalTable + ")");
        state.ResumeTiming();
    }
    if (!stored)
        state.SkipWithError("a clock-in was not stored");
}

} // namespace

static void BM_ClockInWithoutJournal(benchmark::State &state)
{
    timeClockIns(state, false);
}
static void BM_ClockInWithJournal(benchmark::State &state)
{
    timeClockIns(state, true);
}
BENCHMARK(BM_ClockInWithoutJournal)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClockInWithJournal)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The floor under the check: the journal's rows and every table's rows read once, every column.
static void BM_RawScanRecords(benchmark::State &state)
{
    BenchDb &db = companyWith(state.range(0), true);
    for (auto _ : state) {
        long bytes = 0;
        for (const QString &table : {pw::kJournalTable, QStringLiteral("Company Data"), QStringLiteral("datalist"),
                                     QStringLiteral("Manager"), kName})
            bytes += db.scanEveryColumn(table);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

static void BM_VerifyRecords(benchmark::State &state)
{
    BenchDb &db = companyWith(state.range(0), true);
    // Read as the command reads a company: never written to.
    const auto database = pw::Database::fromLocation(db.path(), pw::OpenFor::Reading);
    database->open();
    bool verified = true;
    for (auto _ : state) {
        const auto check = pw::verifyRecords(*database);
        verified = check && check->verified() && verified;
    }
    if (!verified)
        state.SkipWithError("the records were not verified");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The seal an export reports: the chain walked and every row's hash computed again.
static void BM_ReadSeal(benchmark::State &state)
{
    BenchDb &db = companyWith(state.range(0), true);
    const auto database = pw::Database::fromLocation(db.path(), pw::OpenFor::Reading);
    database->open();
    qint64 rows = 0;
    for (auto _ : state) {
        const auto seal = pw::history::readSeal(*database);
        rows = seal && seal->status == pw::history::Seal::Sealed ? seal->rows : 0;
    }
    if (rows <= state.range(0))
        state.SkipWithError("the seal did not cover every entry");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_RawScanRecords)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerifyRecords)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSeal)->Arg(1000000)->Unit(benchmark::kMillisecond);

PW_BENCH_MAIN()
