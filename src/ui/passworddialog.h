#pragma once

#include "ui/modelessdialog.h"

#include <functional>

class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pw {

class Database;
class Dialogs;

// The password dialog (objectName "frmpass"). In the own-password mode the logged-on user sets his
// or her own password; in the employee-password mode (the panel "Picture1" shown over the
// own-password controls) the Manager sets the password of the employee shown on the Management
// tab. Whose password is read when "OK" is pressed, not when the dialog opens. Every way of
// closing ends the dialog.
class PasswordDialog : public ModelessDialog {
    Q_OBJECT

public:
    using NameSource = std::function<QString()>;

    PasswordDialog(Database &db, Dialogs &dialogs, NameSource loggedOnName, NameSource shownEmployee,
                   QWidget *parent = nullptr);

    // Switches to the employee-password mode.
    void showEmployeePanel();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isEmployeeMode() const;
    void onEmployeePanelShown();
    void changePassword(const QString &name, const QString &password);

    Database &m_db;
    Dialogs &m_dialogs;
    NameSource m_loggedOnName;
    NameSource m_shownEmployee;

    // Own-password mode.
    QWidget *m_ownPanel;
    QLineEdit *m_ownPasswordEdit;
    QPushButton *m_ownOkButton;
    QPushButton *m_cancelButton;
    // Employee-password mode.
    QFrame *m_employeePanel;
    QLineEdit *m_employeePasswordEdit;
    QPushButton *m_employeeOkButton;
};

} // namespace pw
