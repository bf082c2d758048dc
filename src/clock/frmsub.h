#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pw {
class Forms;
}

// The task prompt of a clock-in. Modeless; "OK" clocks in, closing the window cancels.
class frmsub : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxTask = 30;

    explicit frmsub(pw::Forms &forms);
    void Form_Load();

    QGroupBox *Frame1;
    QLineEdit *activity;
    QPushButton *Command1;

    void Command1_Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    pw::Forms &m_forms;
};
