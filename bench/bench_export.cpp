// The hours file for payroll (--export-hours) of one log, beside a raw SQLite scan of the same rows.
#include "benchutil.h"

#include "db/database.h"
#include "domain/hoursexport.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include <map>
#include <memory>

using pw::bench::BenchDb;

namespace {

const QString kName = QStringLiteral("Employee 000001");
// Later than every entry of the filled log, which holds one shift a day for up to 500 000 days.
const pw::LocalDateTime kNow = *pw::LocalDateTime::fromParts(9999, 12, 31, 23, 59, 59);

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

} // namespace

// The floor: every entry's date-time and task read once, in stored order.
static void BM_RawScanDatesAndTasks(benchmark::State &state)
{
    BenchDb &db = dbWith(state.range(0));
    for (auto _ : state) {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db.raw(), "SELECT datetime, activity FROM \"Employee 000001\" ORDER BY rowid", -1, &st, nullptr);
        long bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            const unsigned char *text = sqlite3_column_text(st, 0);
            bytes += sqlite3_column_bytes(st, 0) + text[0] + sqlite3_column_bytes(st, 1);
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

static void BM_ExportHours(benchmark::State &state)
{
    BenchDb &db = dbWith(state.range(0));
    // Read as the command reads a company: never written to.
    const auto database = pw::Database::fromLocation(db.path(), pw::OpenFor::Reading);
    database->open();
    const QString file = QDir::temp().filePath(QStringLiteral("punchwell-bench-hours.csv"));
    qint64 shifts = 0;
    for (auto _ : state) {
        const auto done = pw::hoursexport::exportHours(*database, file, kNow, kNow);
        shifts = done.shifts;
        benchmark::DoNotOptimize(shifts);
    }
    QFile::remove(file);
    if (shifts != state.range(0) / 2)
        state.SkipWithError("the export did not find every shift");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_RawScanDatesAndTasks)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHours)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

PW_BENCH_MAIN()
