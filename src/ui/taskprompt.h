#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pw {

class Dialogs;

// The task prompt of a clock-in (objectName "frmsub"). Modeless; "OK" hands the typed task on,
// closing the window cancels the clock-in.
class TaskPrompt : public QDialog {
    Q_OBJECT

public:
    explicit TaskPrompt(Dialogs &dialogs, QWidget *parent = nullptr);

    // The refusal of a task longer than the field takes.
    static QString taskTooLong();

    QString task() const;
    void clearTask();
    // Shows the prompt in front, with the focus in its box.
    void open();

Q_SIGNALS:
    // "OK" with a task of at most 30 characters.
    void taskEntered(const QString &task);
    // The window was closed: the clock-in is cancelled.
    void cancelled();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void onOkClicked();

    Dialogs &m_dialogs;
    QGroupBox *m_frame;
    QLineEdit *m_taskEdit;
    QPushButton *m_okButton;
};

} // namespace pw
