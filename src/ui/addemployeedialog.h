#pragma once

#include "ui/modelessdialog.h"

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pw {

class Database;
class Dialogs;

// The add dialog (objectName "frmadd"): a new employee's name, password, wage and comments. "OK"
// stores the list row and the employee's log table together, says so, and closes the dialog.
class AddEmployeeDialog : public ModelessDialog {
    Q_OBJECT

public:
    AddEmployeeDialog(Database &db, Dialogs &dialogs, QWidget *parent = nullptr);

    // Whether an employee was added before the dialog closed.
    bool added() const { return m_added; }

Q_SIGNALS:
    // Stored: the employee can log on at once. Sent before the dialog says so.
    void employeeAdded(const QString &name);
    // The dialog became the active window.
    void activated();

protected:
    bool event(QEvent *event) override;

private:
    void onOkClicked();
    // A refusal in a box, titled "Add Error" unless another title is given.
    void refuse(const QString &text, const QString &title = {});

    Database &m_db;
    Dialogs &m_dialogs;
    QGroupBox *m_frame;
    QLineEdit *m_nameEdit;
    QLineEdit *m_passwordEdit;
    QLineEdit *m_wageEdit;
    QPlainTextEdit *m_commentsEdit;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
    bool m_added = false;
};

} // namespace pw
