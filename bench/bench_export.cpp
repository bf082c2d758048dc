// The hours file for payroll (--export-hours) of one log, beside a raw SQLite scan of the same rows;
// in a company with its journal too, whose seal the export reads, beside a raw scan that also reads
// every journal row.
#include "benchutil.h"

#include "db/database.h"
#include "db/journal.h"
#include "domain/hoursexport.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

using pw::bench::BenchDb;
using pw::bench::companyWith;

namespace {

// Later than every entry of the filled log, which holds one shift a day for up to 500 000 days.
const pw::LocalDateTime kNow = *pw::LocalDateTime::fromParts(9999, 12, 31, 23, 59, 59);

long scanDatesAndTasks(BenchDb &db)
{
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db.raw(), "SELECT datetime, activity FROM \"Employee 000001\" ORDER BY rowid", -1, &st, nullptr);
    long bytes = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const unsigned char *text = sqlite3_column_text(st, 0);
        bytes += sqlite3_column_bytes(st, 0) + text[0] + sqlite3_column_bytes(st, 1);
    }
    sqlite3_finalize(st);
    return bytes;
}

} // namespace

// The floor: every entry's date-time and task read once, in stored order.
static void BM_RawScanDatesAndTasks(benchmark::State &state)
{
    BenchDb &db = companyWith(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(scanDatesAndTasks(db));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The floor with a journal: the same, and every column of every journal row (which the seal hashes).
static void BM_RawScanDatesTasksAndJournal(benchmark::State &state)
{
    BenchDb &db = companyWith(state.range(0), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(scanDatesAndTasks(db) + db.scanEveryColumn(pw::kJournalTable));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

static void BM_ExportHours(benchmark::State &state)
{
    const bool journal = state.range(1) != 0;
    BenchDb &db = companyWith(state.range(0), journal);
    // Read as the command reads a company: never written to.
    const auto database = pw::Database::fromLocation(db.path(), pw::OpenFor::Reading);
    database->open();
    const QString file = QDir::temp().filePath(QStringLiteral("punchwell-bench-hours.csv"));
    qint64 shifts = 0;
    bool sealed = true;
    for (auto _ : state) {
        const auto done = pw::hoursexport::exportHours(*database, file, kNow, kNow);
        shifts = done.shifts;
        sealed = sealed && done.seal.status == (journal ? pw::history::Seal::Sealed : pw::history::Seal::NoJournal);
        benchmark::DoNotOptimize(shifts);
    }
    QFile::remove(file);
    if (shifts != state.range(0) / 2)
        state.SkipWithError("the export did not find every shift");
    else if (!sealed)
        state.SkipWithError("the export did not read the seal");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The second argument: 1 for the company with its journal.
BENCHMARK(BM_RawScanDatesAndTasks)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHours)->Args({10000, 0})->Args({1000000, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawScanDatesTasksAndJournal)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHours)->Args({1000000, 1})->Unit(benchmark::kMillisecond);

PW_BENCH_MAIN()
