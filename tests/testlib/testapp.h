#pragma once

#include "db/database.h"
#include "platform/context.h"
#include "startup/forms.h"
#include "testlib/fakes.h"
#include "testlib/recordingprinter.h"

#include <QTemporaryDir>
#include <QVariant>

#include <memory>

class frmlogon;
class frmmain;

namespace pw::test {

// One program run for a test: its own copy of the delivered database in a temporary folder, the
// fake seams, and the windows made on demand.
class TestApp {
public:
    // A company name makes the settings row; a null QString leaves the database as delivered.
    // Print jobs go to the recording printers unless other printers are given.
    explicit TestApp(const QString &company = QStringLiteral("Acme Widgets"), PrinterFactory *printerFactory = nullptr);
    ~TestApp();
    TestApp(const TestApp &) = delete;
    TestApp &operator=(const TestApp &) = delete;

    QString dir() const { return m_dir.path(); }
    QString path() const { return m_path; }
    Database &db() { return *m_db; }
    Forms &forms() { return *m_forms; }
    frmlogon *logon();
    frmmain *main();

    FakeDialogs dialogs;
    FakeClock clock;
    FakeProgramEnd programEnd;
    RecordingPrinterFactory printers;

    // SQL on the test's database, for setting up and looking at it.
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
    // A log's rows in stored order: Ename, datetime, inoutfx, activity.
    QList<QVariantList> log(const QString &table);

    // Loads the logon window as the start-up does and logs a name on (with a password when the
    // panel asks for one). Returns whether the main window is shown afterwards.
    bool logOn(const QString &name, const QString &password = QString());
    // Gives the Manager the password "boss" and logs the Manager on through the password panel
    // (leaving the main window first if it is shown), so the "Management" panel is open.
    frmmain *managerLogOn();
    // The same, with the Management tab moved onto the employee of that name.
    frmmain *managerShowing(const QString &name);

    // Closes the connection and opens a new program run on the same file.
    void restart();

private:
    void openRun();

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_db;
    AppContext m_ctx;
    std::unique_ptr<Forms> m_forms;
};

// Lets queued events (deferred deletes, zero timers) run.
void settle(int rounds = 3);

// Moves the Management tab's browser onto the employee of that name; false when none is listed.
bool showEmployee(frmmain *main, const QString &name);
// The logon window's name list, in its order.
QStringList listedNames(frmlogon *logon);
// Checks the last box shown: its text, title and icon, and that it had only an OK button.
void expectBox(const FakeDialogs &dialogs, const QString &text, const QString &title,
               Dialogs::Icon icon = Dialogs::Icon::Exclamation);

} // namespace pw::test
