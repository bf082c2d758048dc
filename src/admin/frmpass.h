#pragma once

#include <QDialog>

class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pw {
class Forms;
}

// The password dialog. In the own-password mode the logged-on user sets his or her own password;
// in the employee-password mode (the panel Picture1 shown over the own-password controls) the
// Manager sets the password of the employee shown on the Management tab. The mode is nothing but
// the visibility of Picture1. Every way of closing unloads the dialog.
class frmpass : public QDialog {
    Q_OBJECT

public:
    explicit frmpass(pw::Forms &forms);
    void Form_Load();

    // Own-password mode.
    QGroupBox *Frame1;
    QLineEdit *newpasswrd;
    QPushButton *Command1;
    QPushButton *Command2;
    // Employee-password mode.
    QFrame *Picture1;
    QGroupBox *Frame2;
    QLineEdit *Text1;
    QPushButton *Command3;

    // Switches to the employee-password mode.
    void showEmployeePanel();
    bool isEmployeeMode() const;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void Picture1_Shown();
    void changePassword(const QString &name, const QString &password);
    void unload();

    pw::Forms &m_forms;
    QWidget *m_ownPanel;
};
