// Printing every time card of 100 employees with 1 000 entries each: through the "Print Log"
// button to the recording printer, the cards alone to the recording printer and to PDF files, and
// beside them a raw SQLite scan of the same rows.
#include "benchutil.h"

#include "db/database.h"
#include "domain/timecard.h"
#include "platform/qt/qtprinter.h"
#include "ui/logonwindow.h"
#include "ui/mainwindow.h"
#include "ui/windows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using pw::bench::BenchDb;

namespace {

constexpr int kEmployees = 100;
constexpr long kEntries = 1000;

QString employee(int i)
{
    return QStringLiteral("Employee %1").arg(i, 6, 10, QLatin1Char('0'));
}

BenchDb &company()
{
    static std::unique_ptr<BenchDb> db;
    if (!db) {
        db = std::make_unique<BenchDb>();
        db->addEmployees(kEmployees, true);
        for (int i = 1; i <= kEmployees; ++i)
            db->fillLog(employee(i), kEntries);
    }
    return *db;
}

const pw::LocalDateTime kNow = *pw::LocalDateTime::fromParts(2026, 12, 7, 17, 0, 0);

pw::timecard::CardRequest request(int i)
{
    pw::timecard::CardRequest r;
    r.heading = {pw::timecard::kDataFor, QStringLiteral("Bench Co"), employee(i)};
    r.table = employee(i);
    r.ending = kNow;
    r.now = kNow;
    return r;
}

} // namespace

// The floor: every row's date-time and activity of the 100 logs, read by SQLite.
static void BM_RawScanAllLogs(benchmark::State &state)
{
    BenchDb &db = company();
    for (auto _ : state) {
        long bytes = 0;
        for (int i = 1; i <= kEmployees; ++i) {
            const QByteArray sql = QStringLiteral("SELECT datetime, activity FROM \"%1\" ORDER BY rowid").arg(employee(i)).toUtf8();
            sqlite3_stmt *st = nullptr;
            sqlite3_prepare_v2(db.raw(), sql.constData(), -1, &st, nullptr);
            while (sqlite3_step(st) == SQLITE_ROW) {
                const unsigned char *when = sqlite3_column_text(st, 0);
                bytes += sqlite3_column_bytes(st, 0) + when[0] + sqlite3_column_bytes(st, 1);
            }
            sqlite3_finalize(st);
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kEmployees * kEntries);
}
BENCHMARK(BM_RawScanAllLogs)->Unit(benchmark::kMillisecond);

// The cards alone, built from the logs and printed on the recording printer.
static void BM_CardsToRecorder(benchmark::State &state)
{
    BenchDb &db = company();
    pw::Database database(db.path());
    database.open();
    pw::test::RecordingPrinterFactory printers;
    bool whole = true;
    for (auto _ : state) {
        for (int i = 1; i <= kEmployees; ++i) {
            QString why;
            auto printer = printers.defaultPrinter(QStringLiteral("card"), &why);
            pw::timecard::writeCard(database, request(i), *printer);
            printer->endDocument();
        }
        state.PauseTiming();
        whole = whole && printers.printed().size() == kEmployees
            && printers.jobs.last().lines().size() == 6 + kEntries / 2 + 3;
        printers.clear();
        state.ResumeTiming();
    }
    if (!whole)
        state.SkipWithError("the cards are not whole");
    state.SetItemsProcessed(state.iterations() * kEmployees * kEntries);
}
BENCHMARK(BM_CardsToRecorder)->Unit(benchmark::kMillisecond);

// The cards alone, each written as a PDF file by QPrinter.
static void BM_CardsToPdf(benchmark::State &state)
{
    BenchDb &db = company();
    pw::Database database(db.path());
    database.open();
    pw::QtPrinterFactory printers;
    QTemporaryDir dir;
    bool whole = true;
    for (auto _ : state) {
        for (int i = 1; i <= kEmployees; ++i) {
            auto printer = printers.pdfFile(dir.filePath(QStringLiteral("card-%1.pdf").arg(i)), QStringLiteral("card"));
            whole = !pw::timecard::writeCard(database, request(i), *printer) && printer->endDocument() && whole;
        }
    }
    if (!whole)
        state.SkipWithError("a PDF file could not be written");
    state.SetItemsProcessed(state.iterations() * kEmployees * kEntries);
}
BENCHMARK(BM_CardsToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole "Print Log" action for all employees as the Manager makes it: the question and the
// ending date answered with their defaults, the list walked, a card per employee on the recording
// printer, the grid and the totals after each card.
static void BM_PrintAllThroughWindow(benchmark::State &state)
{
    BenchDb &db = company();
    pw::Database database(db.path());
    database.open();
    pw::bench::FakeSeams seams;
    pw::test::FakeDialogs &dialogs = seams.dialogs;
    pw::test::RecordingPrinterFactory &printers = seams.printers;
    // The Manager with a password, so the Management tab is open.
    database.exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    pw::Windows windows(database, seams.seams());
    QWidget *logon = windows.logon();
    pw::bench::control<QComboBox>(logon, "namechoice")->setEditText(QStringLiteral("Manager"));
    pw::bench::control<QPushButton>(logon, "Command1")->click();
    pw::bench::control<QLineEdit>(logon, "txtpass")->setText(QStringLiteral("boss"));
    pw::bench::control<QPushButton>(logon, "Command3")->click();
    QPushButton *printLog = pw::bench::control<QPushButton>(windows.main(), "Command3");
    dialogs.clear();
    bool whole = true;
    for (auto _ : state) {
        printLog->click();
        state.PauseTiming();
        whole = whole && printers.printed().size() == kEmployees && dialogs.count() == 2;
        printers.clear();
        dialogs.clear();
        state.ResumeTiming();
    }
    if (!whole)
        state.SkipWithError("not every card was printed, or a box was shown");
    state.SetItemsProcessed(state.iterations() * kEmployees * kEntries);
}
BENCHMARK(BM_PrintAllThroughWindow)->Unit(benchmark::kMillisecond);

PW_BENCH_MAIN()
