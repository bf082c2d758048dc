#pragma once

#include "db/database.h"
#include "platform/seams.h"
#include "testlib/controls.h"
#include "testlib/fakes.h"
#include "testlib/recordingprinter.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

namespace pw {
class Windows;
}

namespace pw::test {

class PgServer;

// The engine this test process runs on. PUNCHWELL_TEST_ENGINE=postgresql puts every TestApp's
// company on a private PostgreSQL server of the process (started on first use, stopped when the
// process ends); otherwise each TestApp has its own SQLite file.
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

// One program run for a test: its own company (a copy of the delivered database in a temporary
// folder, or a fresh company on the process's server), the fake seams, and the windows made on
// demand. Tests reach the windows only as widgets, and their controls only by objectName
// (controls.h).
class TestApp {
public:
    // A company name makes the settings row; a null QString leaves the database as delivered.
    // Print jobs go to the recording printers unless other printers are given.
    explicit TestApp(const QString &company = QStringLiteral("Acme Widgets"), PrinterFactory *printerFactory = nullptr);
    ~TestApp();
    TestApp(const TestApp &) = delete;
    TestApp &operator=(const TestApp &) = delete;

    QString dir() const { return m_dir.path(); }
    // The company's file, or its postgresql:// URI on a server.
    QString path() const { return m_path; }
    Database &db() { return *m_db; }
    // The column that gives a table's stored order (SQL text), and a date-time column read as the
    // stored text "YYYY-MM-DD HH:MM:SS".
    QString orderKey() const { return m_db->orderKey(); }
    QString dateTimeText(const QString &column) const { return m_db->engine().dateTimeAsText(column); }
    // The logon window ("frmlogon") and the main window ("frmmain"), loaded as the program loads
    // them when they are not loaded yet.
    QWidget *logon();
    QWidget *main();
    // A loaded window of that objectName ("frmsub", "frmprop", ...), or nullptr when it is not
    // loaded; nothing is loaded by looking.
    QWidget *window(const char *objectName);
    // Runs the start-up procedure, as the program's start does; queued events are left to the test.
    void startProgram();

    FakeDialogs dialogs;
    FakeClock clock;
    FakeProgramEnd programEnd;
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
    // On a server: a connection of another workstation to the same company, registered under that
    // name (remove it with QSqlDatabase::removeDatabase when done).
    QSqlDatabase otherWorkstation(const QString &connectionName);
    // A trigger that fails every delete from the table (of the rows for which the SQL condition on
    // old holds, when one is given) with the message "kept".
    void keepRowsOnDelete(const QString &table, const QString &condition = QString());
    // A log's rows in stored order: Ename, datetime (as stored text), inoutfx, activity.
    QList<QVariantList> log(const QString &table);

    // Leaves the main window if it is shown, then logs a name on through the logon window (with a
    // password when the panel asks for one). Returns whether the main window is shown afterwards.
    bool logOn(const QString &name, const QString &password = QString());
    // Gives the Manager the password "boss" and logs the Manager on through the password panel, so
    // the "Management" panel is open. Returns the main window.
    QWidget *managerLogOn();
    // The same, with the Management tab moved onto the employee of that name.
    QWidget *managerShowing(const QString &name);

    // Closes the connection and opens a new program run on the same company.
    void restart();
    // A new program run on the company at another location (a file's path or a URI), which is not
    // opened: the start-up procedure opens it.
    void restartAt(const QString &location);

private:
    void openRun();
    void makeServerCompany();

    QTemporaryDir m_dir;
    QString m_path;
    QString m_schema; // of the company on a server
    std::unique_ptr<Database> m_db;
    PrinterFactory *m_printers;
    std::unique_ptr<Windows> m_windows;
};

// Lets queued events (deferred deletes, zero timers) run.
void settle(int rounds = 3);

// Leaves the main window as a user does: by "E&xit", or by its close box.
void leave(QWidget *main, bool closeBox);

// Moves the Management tab's browser onto the employee of that name; false when none is listed.
bool showEmployee(QWidget *main, const QString &name);
// Moves the Management tab onto a name that no row of the list holds, the way a user meets one:
// the row is listed, the tab is moved onto it, and another workstation removes the row. False
// when a row of that name is listed already or the tab could not be moved onto it.
bool showUnlisted(TestApp &app, const QString &name);
// The logon window's name list, in its order.
QStringList listedNames(QWidget *logon);
// Whether the last box shown had this text, title and icon, and only an OK button; what differed
// is told with qWarning.
bool lastBoxIs(const FakeDialogs &dialogs, const QString &text, const QString &title,
               Dialogs::Icon icon = Dialogs::Icon::Exclamation);

} // namespace pw::test
