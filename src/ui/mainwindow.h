#pragma once

#include "platform/seams.h"

#include <QMainWindow>
#include <QPointer>

#include <chrono>

class QAction;
class QLabel;
class QTabWidget;

namespace pw {

class AboutTab;
class AddEmployeeDialog;
class ClockDisplay;
class CompanySettings;
class Database;
class HistoryWindow;
class IdleWatch;
class WhosInWindow;
class ManagementTab;
class PasswordDialog;
class PropertiesDialog;
class Session;
class TimeFunctionsTab;

// The main window (objectName "frmmain"): the clock, the employee's own log and totals, and (for
// the Manager) the management functions, one widget per tab, and the "&Tools" menu. It is made
// once, hidden, and then only shown and hidden. It owns the dialogs opened from it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Database &db, const Seams &seams, Session &session, CompanySettings &settings);
    ~MainWindow() override;

    // Sizes and centres the window, opens the employee browser and starts the clock.
    void load();
    // After a logon: shown, with the logged-on employee's own log, the "Management" panel as the
    // session says.
    void enter();
    // Counts a log into the "Time Functions" totals, with the wage per hour given as text.
    void countTotals(const QString &name, const QString &wage);
    // The same for the logged-on employee.
    void updateTotals();
    // Hides the window and every dialog opened from it, without running their close handling.
    void hideAll();
    // Leaves the window by itself, as "E&xit" does, once nobody has pressed a key or clicked in
    // the program for that long; zero, the default, never.
    void setIdleLogoff(std::chrono::milliseconds after);

Q_SIGNALS:
    // The window was left ("E&xit" or the close box); the logon window shows namePrompt.
    void left(const QString &namePrompt);
    void employeeAdded(const QString &name);
    void employeeDeleted(const QString &name);
    void addDialogActivated();
    void addDialogClosed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void leave(const QString &namePrompt);
    void onIdle();
    void closeDialogs();
    void openAddDialog();
    void openPasswordDialog(bool employeeMode);
    void openPropertiesDialog();
    void openHistoryWindow(const QString &name);
    void openWhosInWindow();
    // Tells an employee who logs on still clocked in from long ago since when.
    void showForgottenClockOut();

    Database &m_db;
    Seams m_seams;
    Session &m_session;
    CompanySettings &m_settings;

    QLabel *m_forgottenNotice;
    QTabWidget *m_tabs;
    TimeFunctionsTab *m_timeTab;
    ManagementTab *m_managementTab;
    AboutTab *m_aboutTab;
    ClockDisplay *m_clockDisplay;

    IdleWatch *m_idleWatch;
    int m_enteredAtLoopLevel = 0; // how deep in event loops the logon ran

    QAction *m_clockInAction;
    QAction *m_clockOutAction;
    QAction *m_printLogAction;
    QAction *m_clearLogAction;
    QAction *m_deleteLastAction;
    QAction *m_changePasswordAction;
    QAction *m_exitAction;

    QPointer<AddEmployeeDialog> m_addDialog;
    QPointer<PasswordDialog> m_passwordDialog;
    QPointer<PropertiesDialog> m_propertiesDialog;
    QPointer<HistoryWindow> m_historyWindow;
    QPointer<WhosInWindow> m_whosInWindow;
};

} // namespace pw
