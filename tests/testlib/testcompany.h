#pragma once

#include "db/database.h"
#include "testlib/fakes.h"
#include "testlib/pgserver.h"
#include "testlib/recordingprinter.h"

#include <QTemporaryDir>
#include <QVariant>

#include <memory>

namespace pw::test {

// The engine this test process runs on. PUNCHWELL_TEST_ENGINE=postgresql puts every test company
// on a private PostgreSQL server of the process (started on first use, stopped when the process
// ends); otherwise each company is an SQLite file of its own.
bool onServer();
// The process's private server, started on first use; qFatal when it cannot be started.
PgServer &testServer();
// A new empty database on that server, for tests that need one of their own; its URI.
QString freshServerDatabase();

// Skips the current test (or data row) on the engine it does not concern, saying why.
#define PW_FILE_ONLY(why)                                                                                          \
    do {                                                                                                           \
        if (pw::test::onServer())                                                                                  \
            QSKIP("only the SQLite file: " why);                                                                   \
    } while (false)
#define PW_SERVER_ONLY(why)                                                                                        \
    do {                                                                                                           \
        if (!pw::test::onServer())                                                                                 \
            QSKIP("only a database server: " why);                                                                 \
    } while (false)

// Data rows of names a new employee may bear that are awkward to store, for a "name" column of
// QString: the longest in several scripts, the other case of a kept log ("DANA" beside a log
// "Dana"), quotes, an injection, dots, brackets, blanks at either end.
void newEmployeeNameRows();

// A test's own company, without windows: a copy of the delivered database in a temporary folder,
// or a fresh company on the process's server, opened; and the fakes of the seams that need no
// widgets, for the domain's operations (the clock, the boxes and progress windows, the printers).
class TestCompany {
public:
    // A company name makes the settings row; a null QString leaves the database as delivered.
    explicit TestCompany(const QString &company = QStringLiteral("Acme Widgets"));
    ~TestCompany();
    TestCompany(const TestCompany &) = delete;
    TestCompany &operator=(const TestCompany &) = delete;

    QString dir() const { return m_dir.path(); }
    // The company's file, or its postgresql:// URI on a server.
    QString path() const { return m_path; }
    Database &db() { return *m_db; }
    // The column that gives a table's stored order (SQL text), and a date-time column read as the
    // stored text "YYYY-MM-DD HH:MM:SS".
    QString orderKey() const { return m_db->orderKey(); }
    QString dateTimeText(const QString &column) const { return m_db->engine().dateTimeAsText(column); }

    FakeDialogs dialogs;
    FakeClock clock;
    RecordingPrinterFactory printers;

    // SQL on the test's database, for setting up and looking at it. Table names in it are quoted
    // ("Ann"): a server takes an unquoted name in small letters.
    void exec(const QString &sql, const QVariantList &values = {});
    QList<QVariantList> rows(const QString &sql, const QVariantList &values = {});
    QVariant value(const QString &sql, const QVariantList &values = {});

    // An employee row and a log table, as the add dialog makes them.
    void addEmployee(const QString &name, const QVariant &wage = QStringLiteral("10"),
                     const QVariant &password = QString(), const QVariant &comment = QString());
    void createLog(const QString &table);
    // One log entry; the date-time as stored ("YYYY-MM-DD HH:MM:SS").
    void addEntry(const QString &table, const QString &when, const QString &inoutfx,
                  const QVariant &activity = QVariant(), const QString &ename = QString());
    // On a server: a connection of another workstation to the same company.
    PgConnection otherWorkstation();
    // A trigger that fails every delete from the table (of the rows for which the SQL condition on
    // old holds, when one is given) with the message "kept".
    void keepRowsOnDelete(const QString &table, const QString &condition = QString());
    // A log's rows in stored order: Ename, datetime (as stored text), inoutfx, activity.
    QList<QVariantList> log(const QString &table);

    // Closes the connection and opens a new one on the same company; the boxes shown are forgotten.
    void restart();
    // Closes the connection and makes one on the company at another location (a file's path or a
    // URI), which is not opened.
    void restartAt(const QString &location);

private:
    void makeServerCompany();
    void open();

    QTemporaryDir m_dir;
    QString m_path;
    QString m_schema; // of the company on a server
    std::unique_ptr<Database> m_db;
};

} // namespace pw::test
