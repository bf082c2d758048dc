#pragma once

#include "db/dberror.h"
#include "platform/seams.h"

#include <QWidget>

#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace pw {

class ClickLabel;
class CompanySettings;
class Database;
class LogGridModel;
class RecordBrowser;
class RecordSet;

// The "Management" tab: its panel (objectName "Picture1") is open to the Manager after a password
// logon. An employee browser over "datalist" with the chosen employee's wage and notes, the grid of
// that employee's log, and the functions: add, delete, clear logs, print time cards, change a
// password, the employee's totals, and the company-wide switches.
class ManagementTab : public QWidget {
    Q_OBJECT

public:
    ManagementTab(Database &db, const Seams &seams, CompanySettings &settings, QWidget *parent = nullptr);

    // Opens the employee browser on the list, at its first employee.
    void load();
    void setPanelVisible(bool visible);
    // The name of the employee the browser shows.
    QString shownEmployee() const;
    // After the add dialog closed: the name box can be used again, and the browser sees a new row.
    void addDialogClosed(bool added);

Q_SIGNALS:
    void addRequested();
    void passwordChangeRequested();
    void propertiesRequested();
    void employeeDeleted(const QString &name);
    // A card was printed: the logged-on employee's totals are counted again.
    void cardPrinted();
    // A log was cleared: the logged-on employee's log view is read again (it may be the same log).
    void logCleared();

private:
    void buildLayout();
    DbError openManagedLog(const QString &name);
    DbError showTotals(const QString &name);
    void onGridToggled();
    void onTotalsClicked();
    // What one employee's step of a "Print Log" or "Clear Log" run came to.
    enum class Step {
        Done,    // printed or cleared, or nothing to do for this employee
        Skipped, // refused for this employee alone (told in a box); a run goes on
        Stop,    // a failure of the company database, or the user declined to go on: a run ends
    };
    struct CardRun;

    void onPrintClicked();
    Step printCard(const QString &endingText, CardRun *run);
    void onClearClicked();
    Step clearLog(const QString &endingText);
    // Walks every employee of the list with a progress window; each step's outcome decides whether
    // the run goes on. Returns how many employees were done, and whether the user cancelled.
    struct Walked {
        int done = 0;
        int total = 0;
        bool cancelled = false;
        bool failed = false;
    };
    Walked walkEmployees(const QString &title, const std::function<Step()> &each);
    void onDeleteClicked();
    void reportUpdateFailure(const DbError &error);

    Database &m_db;
    Seams m_seams;
    CompanySettings &m_settings;
    RecordSet *m_listRecords;
    RecordSet *m_logRecords;
    LogGridModel *m_gridModel;

    QFrame *m_panel;
    RecordBrowser *m_listBrowser;
    QWidget *m_employeeFields;
    QLineEdit *m_nameEdit;
    QLineEdit *m_wageEdit;
    QPlainTextEdit *m_notesEdit;
    QLabel *m_hoursLabel;
    QLabel *m_wagesLabel;
    ClickLabel *m_gridToggle;
    QFrame *m_gridPanel;
    QTableView *m_grid;
    QPushButton *m_addButton;
    QPushButton *m_deleteButton;
    QPushButton *m_clearLogButton;
    QPushButton *m_printLogButton;
    QPushButton *m_changePasswordButton;
    QPushButton *m_totalsButton;
    QPushButton *m_propertiesButton;
};

} // namespace pw
