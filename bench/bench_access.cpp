// Bringing an Access-format company over (100 employees x 10 000 entries): the conversion into a
// new Punchwell file, written, read back and compared, beside mdbtools' own mdb-export of the same
// tables into CSV files, and beside the reading alone.
#include "benchutil.h"

#include "access/accessconversion.h"
#include "access/jetreader.h"
#include "testlib/accessfixture.h"
#include "messages/errortext.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kEmployees = 100;
constexpr int kEntries = 10000;

struct Company {
    QTemporaryDir dir;
    QString file;
    QStringList tables;
    qint64 rows = 0;
};

// The old file, written once for every benchmark of the run; its folder goes at the end.
const Company &company()
{
    static Company made;
    if (made.file.isEmpty()) {
        made.file = made.dir.filePath(QStringLiteral("Employee.mdb"));
        const auto fixture = pw::test::AccessCompanyFixture::make(kEmployees, kEntries);
        QString error;
        if (!fixture.save(made.file, &error)) {
            std::fprintf(stderr, "cannot write the company: %s\n", qPrintable(error));
            std::abort();
        }
        made.tables = QStringList{QStringLiteral("Company Data"), QStringLiteral("datalist")} + fixture.logOrder;
        made.rows = 1 + kEmployees + qint64(kEmployees) * kEntries;
    }
    return made;
}

// Seconds one mdb-export of every table took, for the conversion's ratio.
double g_exportSeconds = 0;

} // namespace

// mdb-export of every table into a CSV file of its own, as a person would export them all.
static void BM_MdbExport(benchmark::State &state)
{
    const Company &c = company();
    QTemporaryDir out;
    double total = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (const QString &table : c.tables) {
            QProcess process;
            process.setStandardOutputFile(out.filePath(table + QStringLiteral(".csv")));
            process.start(QStringLiteral("mdb-export"), {c.file, table});
            if (!process.waitForFinished(120000) || process.exitCode() != 0) {
                state.SkipWithError("mdb-export failed");
                return;
            }
        }
        total += double(timer.nsecsElapsed()) / 1e9;
    }
    g_exportSeconds = total / double(state.iterations());
    state.SetItemsProcessed(state.iterations() * c.rows);
}
BENCHMARK(BM_MdbExport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The Jet reader alone: every row of every table, values as the conversion gets them.
static void BM_JetRead(benchmark::State &state)
{
    const Company &c = company();
    for (auto _ : state) {
        pw::JetReader reader;
        if (reader.open(c.file)) {
            state.SkipWithError("the reader cannot open the file");
            return;
        }
        qint64 rows = 0;
        for (const QString &table : c.tables)
            reader.readRows(table, [&](qint64, const QVariantList &values) {
                rows += values.size();
                return true;
            });
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * c.rows);
}
BENCHMARK(BM_JetRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The conversion into a new Punchwell file, as --copy-company makes it: written in one
// transaction, both sides read again and compared, the file checked and given its name.
static void BM_Convert(benchmark::State &state)
{
    const Company &c = company();
    QTemporaryDir out;
    const QString target = out.filePath(QStringLiteral("Employee.mdb"));
    double total = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const pw::AccessOutcome done = pw::convertAccessCompanyToFile(c.file, target);
        total += double(timer.nsecsElapsed()) / 1e9;
        if (!done) {
            state.SkipWithError(qPrintable(pw::ErrorText::accessFailure(done.error())));
            return;
        }
        state.PauseTiming();
        QFile::remove(target);
        state.ResumeTiming();
    }
    if (g_exportSeconds > 0)
        state.counters["x_mdb_export"] = total / double(state.iterations()) / g_exportSeconds;
    state.SetItemsProcessed(state.iterations() * c.rows);
}
BENCHMARK(BM_Convert)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

PW_BENCH_MAIN()
