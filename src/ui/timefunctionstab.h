#pragma once

#include "domain/companysettings.h"
#include "platform/seams.h"

#include <QPointer>
#include <QWidget>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pw {

class ClickLabel;
class CompanySettings;
class Database;
class LogView;
class RecordBrowser;
class Session;
class TaskPrompt;

// The "Time Functions" tab: the logged-on employee's name, own log with its browser, the clock
// buttons and the totals. It clocks in (with the task prompt) and out, deletes the last entry, and
// prints and clears the employee's own log for the menu.
class TimeFunctionsTab : public QWidget {
    Q_OBJECT

public:
    TimeFunctionsTab(Database &db, const Seams &seams, Session &session, CompanySettings &settings,
                     QWidget *parent = nullptr);
    ~TimeFunctionsTab() override;

    // After a logon: shows the logged-on employee and the own log from its first entry.
    void enter();
    // Points the log view at an employee's log and reads it again.
    DbError openLog(const QString &name);
    // Reads the log view again where it points.
    void refreshLog();
    // Counts a log into the hours and wage labels; a failure is told in a box.
    void countTotals(const QString &name, const QString &wage);
    // The same for the logged-on employee.
    void updateTotals();

    // The clock-in request: refused while the last entry is "Clocked In"; otherwise the task
    // prompt, or at once with the prompt switched off.
    void requestClockIn();
    void clockOut();
    void deleteLastEntry();
    // The menu's print and clear of the logged-on employee's own log.
    void printOwnLog();
    void clearOwnLog();
    void hideTaskPrompt();
    // Closes a task prompt that is shown, as its close box does: the clock-in is cancelled.
    void closeTaskPrompt();
    // Stores a correction typed into the log view. False, after the "Invalid Date / Time" box, when
    // the text does not read as a date and time; a storage failure is told, and does not hold the
    // employee back.
    bool storeCorrection();
    // For leaving with nobody at the window: a typed date and time that does not read as one is
    // dropped, the entry's own shown again, since nobody is there to correct it.
    void dropUnreadableCorrection();

Q_SIGNALS:
    // The log view shows an entry, or none: what the menu's print and clear follow.
    void entryShown(bool shown);
    // A clock-out was stored.
    void clockedOut();

private:
    void buildLayout();
    void clockIn(const QString &task);
    void onUpdateClicked();
    void applySwitch(Switch which, bool on);
    // Counts a log into the labels; returns a failure to open or read it. What the count had to
    // leave out (an unreadable entry, a wage that is not a number) comes back through problem.
    DbError showTotals(const QString &name, const QString &wage, DbError *problem);

    Database &m_db;
    Seams m_seams;
    Session &m_session;
    CompanySettings &m_settings;
    LogView *m_log;
    QPointer<TaskPrompt> m_taskPrompt;
    QString m_promptOpenedFor; // the employee logged on when the prompt was shown

    QLabel *m_nameLabel;
    ClickLabel *m_clickHereLabel;
    ClickLabel *m_updateLabel;
    QGroupBox *m_logFrame;
    QLineEdit *m_entryTimeEdit;
    QLabel *m_taskLabel;
    QLabel *m_statusLabel;
    RecordBrowser *m_logBrowser;
    QPushButton *m_clockInButton;
    QPushButton *m_clockOutButton;
    QGroupBox *m_hoursFrame;
    QLabel *m_hoursLabel;
    QGroupBox *m_wagesFrame;
    QLabel *m_wagesLabel;
    QFrame *m_noWagesPicture;
};

} // namespace pw
