#pragma once

#include "platform/seams.h"
#include "testlib/fakes.h"
#include "testlib/recordingprinter.h"

#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace pw {
class Database;
}

namespace pw::bench {

// A company database in a temporary folder, filled quickly through SQLite itself.
class BenchDb {
public:
    BenchDb();
    ~BenchDb();
    QString path() const { return m_path; }
    sqlite3 *raw() const { return m_raw; }

    void exec(const std::string &sql);
    // n employees named "Employee 000001"...; each with an empty log table unless noLogs.
    void addEmployees(int n, bool withLogs = false);
    // n alternating entries (clock in, clock out) in a log, one shift a day of 8 hours.
    void fillLog(const QString &table, long n);
    // Gives the company its journal as the program does on first opening it: a seal row, then one
    // row for every row the company holds.
    void startJournal();
    // Reads every row of a table once, in stored order, touching every column's bytes; gives the
    // number of bytes read.
    long scanEveryColumn(const QString &table) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    sqlite3 *m_raw = nullptr;
};

// A company of one employee ("Employee 000001") whose log holds this many entries, with or without
// its journal; made once a program and shared by the benchmarks that ask for it.
BenchDb &companyWith(long entries, bool journal = false);

// Prepares Qt (offscreen, en_US) for benchmarks that make windows.
void prepareQt(int &argc, char **argv);

// The seams the windows need, all fakes: boxes answer by themselves, the clock stands at
// 7 December 2026 17:00, and print jobs are recorded.
struct FakeSeams {
    test::FakeDialogs dialogs;
    test::FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(17, 0, 0))};
    test::FakeProgramEnd end;
    test::RecordingPrinterFactory printers;
    Seams seams() { return {dialogs, clock, end, printers}; }
};

// Times clock-ins of `name` as the employee makes them: logged on through the logon window, the
// task prompt switched off, then the Clock In button pressed once an iteration (each entry taken
// away again outside the timing). A message box ends the benchmark with its text.
void timeClockIns(benchmark::State &state, Database &database, FakeSeams &seams, const QString &name);

} // namespace pw::bench

// main() of a benchmark program that makes windows.
#define PW_BENCH_MAIN()                                                                                            \
    int main(int argc, char **argv)                                                                                \
    {                                                                                                              \
        pw::bench::prepareQt(argc, argv);                                                                          \
        benchmark::Initialize(&argc, argv);                                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                                       \
        benchmark::Shutdown();                                                                                     \
        return 0;                                                                                                  \
    }

namespace pw::bench {

// A control of a window, found by its outward name; the benchmark stops when it is missing.
template <typename T>
T *control(QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found) {
        std::fprintf(stderr, "no control %s\n", name);
        std::abort();
    }
    return found;
}

} // namespace pw::bench
