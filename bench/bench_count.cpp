// The count of a log (totals) and a whole clock-in, beside a raw SQLite scan of the same rows.
#include "benchutil.h"

#include "db/database.h"
#include "domain/totals.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using pw::bench::BenchDb;

namespace {

const QString kName = QStringLiteral("Employee 000001");

// One database per log size, made once and shared by the benchmarks of that size.
BenchDb &dbWith(long entries)
{
    static std::map<long, std::unique_ptr<BenchDb>> made;
    auto &slot = made[entries];
    if (!slot) {
        slot = std::make_unique<BenchDb>();
        slot->addEmployees(1, true);
        slot->fillLog(kName, entries);
    }
    return *slot;
}

const pw::LocalDateTime kNow = *pw::LocalDateTime::fromParts(2026, 12, 7, 17, 0, 0);

} // namespace

static void BM_RawScan(benchmark::State &state)
{
    BenchDb &db = dbWith(state.range(0));
    for (auto _ : state) {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db.raw(), "SELECT datetime FROM \"Employee 000001\" ORDER BY rowid", -1, &st, nullptr);
        long bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            const unsigned char *text = sqlite3_column_text(st, 0);
            bytes += sqlite3_column_bytes(st, 0) + text[0];
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

static void BM_Count(benchmark::State &state)
{
    BenchDb &db = dbWith(state.range(0));
    pw::Database database(db.path());
    database.open();
    float minutes = 0;
    for (auto _ : state) {
        auto count = pw::countLog(database, kName, kNow);
        // The whole result is kept in memory; a float alone handed to DoNotOptimize can be lost
        // between registers with this compiler.
        benchmark::DoNotOptimize(count);
        minutes = count ? count->totalMinutes : 0.0f;
    }
    if (minutes <= 0)
        state.SkipWithError("the count found no hours");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_RawScan)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Count)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A clock-in as the employee makes it: the request (with the task prompt switched off), the entry
// stored and committed, the log view moved and the totals counted and shown.
static void BM_ClockIn(benchmark::State &state)
{
    BenchDb &db = dbWith(state.range(0));
    pw::Database database(db.path());
    database.open();
    pw::bench::FakeSeams seams;
    pw::bench::timeClockIns(state, database, seams, kName);
}
BENCHMARK(BM_ClockIn)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The floor under a clock-in: one row appended and committed, nothing else.
static void BM_RawAppendCommit(benchmark::State &state)
{
    BenchDb &db = dbWith(state.range(0));
    for (auto _ : state) {
        db.exec("BEGIN IMMEDIATE");
        db.exec("INSERT INTO \"Employee 000001\" VALUES ('Employee 000001', '2026-12-07 17:00:00', 'Clocked In', ' ')");
        db.exec("COMMIT");
        state.PauseTiming();
        db.exec("DELETE FROM \"Employee 000001\" WHERE rowid = (SELECT max(rowid) FROM \"Employee 000001\")");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RawAppendCommit)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

PW_BENCH_MAIN()
