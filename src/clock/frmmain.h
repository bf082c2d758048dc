#pragma once

#include <QMainWindow>

class ClickLabel;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace pw {
class Forms;
class LocalDateTime;
class LogGridModel;
class RecordBrowser;
class RecordSet;
struct DbError;
} // namespace pw

// The main window: the clock, the employee's own log and totals, and (for the Manager) the
// management functions. It is loaded once, hidden, and then only shown and hidden.
class frmmain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmmain(pw::Forms &forms);
    ~frmmain() override;
    void Form_Load();

    // Public procedures, each taking the employee's name.
    void fxnclockin(const QString &thisusername);
    void fxnclockout(const QString &username);
    void fxngettotal(const QString &username);
    void mangettotal(const QString &manuser);
    void manprintlog(const QString &endingDate);
    void manclearlog(const QString &endingDate);

    // Always visible, below the tabs.
    QGroupBox *Frame1;
    QLabel *lbldate;
    QLabel *lbltime;
    QTimer *Timer1;

    QTabWidget *SSTab1;

    // "Time Functions"
    QLabel *nameemp;
    ClickLabel *Label12;
    ClickLabel *Label11;
    QGroupBox *Frame2;
    QLineEdit *lgndatetime;
    QLabel *Label5;
    QLabel *Lastlogonvalue;
    pw::RecordBrowser *database;
    QPushButton *clockin;
    QPushButton *clockout;
    QGroupBox *Frame7;
    QLabel *currhours;
    QGroupBox *frmmoney;
    QLabel *currmoney;
    QFrame *Picture2;
    QLabel *Label13;

    // "Management"
    QFrame *Picture1;
    QGroupBox *Frame3;
    pw::RecordBrowser *mandata;
    QLineEdit *manlist;
    QLineEdit *emoney;
    QPlainTextEdit *Text1;
    QLabel *manehours;
    QLabel *manemoney;
    ClickLabel *Label8;
    QFrame *Picture3;
    QTableView *DBGrid1;
    QGroupBox *Frame4;
    QPushButton *Command5;
    QPushButton *Deleteemp;
    QPushButton *Command4;
    QPushButton *Command3;
    QPushButton *ChgPass;
    QPushButton *Command1;
    QPushButton *Command2;

    // "About"
    QGroupBox *Frame5;
    QLabel *cmpname;
    QLabel *company;

    // Hidden from the user.
    QLabel *Thismoney;
    pw::RecordSet *manuse;

    // Menu "&Tools".
    QMenu *usermenu;
    QAction *Clkin;
    QAction *clkout;
    QAction *prntdata;
    QAction *dltdata;
    QAction *dltlast;
    QAction *chpass;
    QAction *exitmain;

    // Handlers.
    void Timer1_Timer();
    void Label8_Click();
    void UPDATE_Click();
    void lgndatetime_Change();
    void exitmain_Click();
    void clockin_Click();
    void clockout_Click();
    void dltlast_Click();
    void prntdata_Click();
    void dltdata_Click();
    void chpass_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void ChgPass_Click();
    void Deleteemp_Click();

    // Sets the employee's log as the source of the log view and re-reads it.
    pw::DbError openLog(const QString &name);
    // Points manuse (and the grid) at an employee's log and re-reads both.
    pw::DbError openManagedLog(const QString &name);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Counts a log into the hours and wage labels of one tab. Returns a failure to open or read
    // the log; what the count had to leave out (an unreadable entry, a wage that is not a number)
    // comes back through problem.
    pw::DbError showTotals(bool management, const QString &name, pw::DbError *problem);
    // Tells the user that an employee's log could not be used.
    void reportLogFailure(const QString &name, const pw::DbError &error, const QString &title);
    pw::LocalDateTime now() const;

    void buildTimeFunctions(QWidget *tab);
    void buildManagement(QWidget *tab);
    void buildAbout(QWidget *tab);
    void buildMenu();
    void leave(const QString &namePrompt);
    // The plain report of the UPDATE action, also used when a browse button cannot store an edit.
    void reportUpdateError(const pw::DbError &error);

    pw::Forms &m_forms;
    pw::RecordSet *m_databaseRecords;
    pw::RecordSet *m_mandataRecords;
    pw::LogGridModel *m_gridModel;
    QWidget *m_employeeFields;
};
