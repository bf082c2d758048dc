#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pw {
class Forms;
}

// The first-run window: asks once for the company name, stores it and ends the program.
class frmstartup : public QDialog {
    Q_OBJECT

public:
    explicit frmstartup(pw::Forms &forms);
    void Form_Load();

    QLabel *Label1;
    QGroupBox *Frame1;
    QLineEdit *Companyname;
    QPushButton *Command1;

    void Command1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool event(QEvent *event) override;

private:
    pw::Forms &m_forms;
};
