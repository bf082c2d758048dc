#pragma once

#include "db/dberror.h"
#include "platform/seams.h"

#include <QWidget>

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
class EmployeeView;
class LogGridModel;
class LogView;
class RecordBrowser;

// The "Management" tab: its panel (objectName "Picture1") is open to the Manager after a password
// logon. An employee browser over "datalist" with the chosen employee's wage and notes, the grid of
// that employee's log, and the functions: add, delete, clear logs, print time cards, change a
// password, the employee's totals and history of changes, the company-wide switches, and the
// hours export.
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
    // The shown employee's history of changes is asked for.
    void historyRequested(const QString &name);
    // Who is clocked in now is asked for.
    void whosInRequested();
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
    void onPrintClicked();
    void onClearClicked();
    void onDeleteClicked();
    void onExportClicked();
    void reportUpdateFailure(const DbError &error);

    Database &m_db;
    Seams m_seams;
    CompanySettings &m_settings;
    EmployeeView *m_employees;
    LogView *m_managedLog;
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
    QPushButton *m_historyButton;
    QPushButton *m_whosInButton;
    QPushButton *m_propertiesButton;
    QPushButton *m_exportButton;
};

} // namespace pw
