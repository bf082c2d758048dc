// The logon window's load with many employees, beside a raw SQLite scan of the same names.
#include "benchutil.h"

#include "db/database.h"
#include "ui/logonwindow.h"
#include "ui/windows.h"

#include <QComboBox>

#include <benchmark/benchmark.h>

using pw::bench::BenchDb;

static void BM_RawNameScan(benchmark::State &state)
{
    BenchDb db;
    db.addEmployees(int(state.range(0)));
    for (auto _ : state) {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db.raw(), "SELECT Ename FROM datalist ORDER BY rowid", -1, &st, nullptr);
        long n = 0;
        while (sqlite3_step(st) == SQLITE_ROW)
            n += sqlite3_column_bytes(st, 0);
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_RawNameScan)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

static void BM_LogonLoad(benchmark::State &state)
{
    BenchDb db;
    db.addEmployees(int(state.range(0)));
    pw::Database database(db.path());
    database.open();
    pw::bench::FakeSeams seams;
    for (auto _ : state) {
        pw::Windows windows(database, seams.seams());
        QWidget *logon = windows.logon();
        benchmark::DoNotOptimize(pw::bench::control<QComboBox>(logon, "namechoice")->count());
    }
}
BENCHMARK(BM_LogonLoad)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

PW_BENCH_MAIN()
