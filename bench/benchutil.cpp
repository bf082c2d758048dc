#include "benchutil.h"

#include "db/companydata.h"
#include "db/database.h"
#include "db/logtable.h"
#include "domain/journalchain.h"
#include "messages/errortext.h"
#include "ui/logonwindow.h"
#include "ui/mainwindow.h"
#include "ui/windows.h"
#include "db/quoting.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

namespace pw::bench {

BenchDb::BenchDb()
{
    m_path = m_dir.filePath(QStringLiteral("Employee.mdb"));
    if (DbError e = Database::createDelivered(m_path)) {
        std::fprintf(stderr, "cannot make database: %s\n", qPrintable(pw::ErrorText::describe(e)));
        std::abort();
    }
    sqlite3_open(QFile::encodeName(m_path).constData(), &m_raw);
    exec("INSERT INTO \"Company Data\" (company) VALUES ('Bench Co')");
}

BenchDb::~BenchDb()
{
    sqlite3_close(m_raw);
}

void BenchDb::exec(const std::string &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(m_raw, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "sql failed: %s: %s\n", sql.c_str(), err ? err : "?");
        std::abort();
    }
}

void BenchDb::addEmployees(int n, bool withLogs)
{
    exec("BEGIN");
    for (int i = 1; i <= n; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Employee %06d", i);
        exec(std::string("INSERT INTO datalist VALUES ('") + name + "', '12.5', '', '')");
        if (withLogs)
            exec("CREATE TABLE \"" + std::string(name)
                 + "\" (Ename VARCHAR(20), datetime DATETIME, inoutfx VARCHAR(11), activity VARCHAR(30))");
    }
    exec("COMMIT");
}

void BenchDb::fillLog(const QString &table, long n)
{
    exec("BEGIN");
    const std::string sql = "INSERT INTO " + quoteIdentifier(table).toStdString()
        + " (Ename, datetime, inoutfx, activity) VALUES (?, ?, ?, ?)";
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(m_raw, sql.c_str(), -1, &st, nullptr);
    const QByteArray name = table.toUtf8();
    for (long i = 0; i < n; ++i) {
        const long day = i / 2;
        char when[32];
        // Days from 2000-01-01, a shift 08:00 to 16:00 each day.
        const int y = 2000 + int(day / 360), m = 1 + int(day / 30 % 12), d = 1 + int(day % 30) % 28;
        std::snprintf(when, sizeof when, "%04d-%02d-%02d %s", y, m, d, i % 2 ? "16:00:00" : "08:00:00");
        sqlite3_bind_text(st, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, when, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, i % 2 ? "Clocked Out" : "Clocked In", -1, SQLITE_STATIC);
        if (i % 2)
            sqlite3_bind_null(st, 4);
        else
            sqlite3_bind_text(st, 4, "Assembly line", -1, SQLITE_STATIC);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    exec("COMMIT");
}

void BenchDb::startJournal()
{
    Database database(m_path);
    DbError e = database.open();
    if (!e)
        e = pw::startJournal(database);
    if (e) {
        std::fprintf(stderr, "cannot start the journal: %s\n", qPrintable(pw::ErrorText::describe(e)));
        std::abort();
    }
}

long BenchDb::scanEveryColumn(const QString &table) const
{
    const std::string sql = "SELECT * FROM " + quoteIdentifier(table).toStdString() + " ORDER BY rowid";
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(m_raw, sql.c_str(), -1, &st, nullptr);
    const int columns = sqlite3_column_count(st);
    long bytes = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            const unsigned char *text = sqlite3_column_text(st, c);
            bytes += sqlite3_column_bytes(st, c) + (text ? text[0] : 0);
        }
    }
    sqlite3_finalize(st);
    return bytes;
}

BenchDb &companyWith(long entries, bool journal)
{
    static std::map<std::pair<long, bool>, std::unique_ptr<BenchDb>> made;
    auto &slot = made[{entries, journal}];
    if (!slot) {
        slot = std::make_unique<BenchDb>();
        slot->addEmployees(1, true);
        slot->fillLog(QStringLiteral("Employee 000001"), entries);
        if (journal)
            slot->startJournal();
    }
    return *slot;
}

void prepareQt(int &argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept to the end of the process: destroying it among the static objects would outlive Qt's own.
    static QApplication *app = new QApplication(argc, argv);
    Q_UNUSED(app);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void timeClockIns(benchmark::State &state, Database &database, FakeSeams &seams, const QString &name)
{
    CompanyData(database).setSwitch(Switch::Subs, true);
    Windows windows(database, seams.seams());
    QWidget *logon = windows.logon();
    control<QComboBox>(logon, "namechoice")->setEditText(name);
    control<QPushButton>(logon, "Command1")->click();
    QPushButton *clockIn = control<QPushButton>(windows.main(), "clockin");
    LogTable log(database, name);
    for (auto _ : state) {
        clockIn->click();
        state.PauseTiming();
        log.deleteRow((*log.last())->rowid);
        state.ResumeTiming();
    }
    if (seams.dialogs.count() != 0)
        state.SkipWithError(qPrintable(seams.dialogs.last().text));
    CompanyData(database).setSwitch(Switch::Subs, false);
}

} // namespace pw::bench
