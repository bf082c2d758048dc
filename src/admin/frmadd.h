#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pw {
class Forms;
}

// The add dialog: a new employee's name, password, wage and comments. "OK" stores the list row
// and the employee's log table together, puts the name into the logon list and closes the dialog.
class frmadd : public QDialog {
    Q_OBJECT

public:
    explicit frmadd(pw::Forms &forms);
    void Form_Load();

    QGroupBox *Frame1;
    QLineEdit *newemployee;
    QLineEdit *passwrd;
    QLineEdit *newwage;
    QPlainTextEdit *comments;
    QPushButton *Command1;
    QPushButton *Command2;

    void Command1_Click();
    void Command2_Click();
    void newwage_Change();
    void Form_Activate();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void refuse(const QString &text);
    // Unloads the dialog; with enableList the main window's name box is enabled again.
    void unload(bool enableList);

    pw::Forms &m_forms;
};
