#pragma once

#include "platform/seams.h"
#include "testlib/controls.h"
#include "testlib/testcompany.h"

#include <chrono>
#include <memory>

namespace pw {
class Windows;
}

namespace pw::test {

// One program run for a test: its own company (TestCompany), the fake seams, and the windows made
// on demand. Tests reach the windows only as widgets, and their controls only by objectName
// (controls.h).
class TestApp : public TestCompany {
public:
    // A company name makes the settings row; a null QString leaves the database as delivered.
    // Print jobs go to the recording printers unless other printers are given, and the boxes to
    // the fake dialogs unless other dialogs are given (the real ones, which a test must answer).
    explicit TestApp(const QString &company = QStringLiteral("Acme Widgets"), PrinterFactory *printerFactory = nullptr,
                     Dialogs *dialogsSeam = nullptr);
    ~TestApp();

    // The logon window ("frmlogon") and the main window ("frmmain"), loaded as the program loads
    // them when they are not loaded yet.
    QWidget *logon();
    QWidget *main();
    // A loaded window of that objectName ("frmsub", "frmprop", ...), or nullptr when it is not
    // loaded; nothing is loaded by looking.
    QWidget *window(const char *objectName);
    // Runs the start-up procedure, as the program's start does; queued events are left to the test.
    void startProgram();

    FakeProgramEnd programEnd;

    // Leaves the main window if it is shown, then logs a name on through the logon window (with a
    // password when the panel asks for one). Returns whether the main window is shown afterwards.
    bool logOn(const QString &name, const QString &password = QString());
    // Gives the Manager the password "boss" and logs the Manager on through the password panel, so
    // the "Management" panel is open. Returns the main window.
    QWidget *managerLogOn();
    // The same, with the Management tab moved onto the employee of that name.
    QWidget *managerShowing(const QString &name);

    // The idle logoff of a workstation by the door, counted in milliseconds so a test need not
    // wait for whole seconds; zero: none, as without the setting.
    void setIdleLogoff(std::chrono::milliseconds after);

    // Closes the connection and opens a new program run on the same company.
    void restart();
    // A new program run on the company at another location (a file's path or a URI), which is not
    // opened: the start-up procedure opens it.
    void restartAt(const QString &location);

private:
    void closeWindows();
    void makeWindows();

    PrinterFactory *m_printers;
    Dialogs *m_dialogs;
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
