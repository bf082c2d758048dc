#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace pw {

class CompanySettings;
class Dialogs;

// The first-run window (objectName "frmstartup"): asks once for the company name and stores it.
class FirstRunWindow : public QDialog {
    Q_OBJECT

public:
    FirstRunWindow(CompanySettings &settings, Dialogs &dialogs, QWidget *parent = nullptr);

    // Shows the window centred, with the focus in the name box.
    void open();

Q_SIGNALS:
    // The company name is stored and the user told to restart: the program ends.
    void companyStored();
    // Closed with nothing stored: the program ends, and the next start is a first run again.
    void cancelled();
    void activated();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool event(QEvent *event) override;

private:
    void onOkClicked();

    CompanySettings &m_settings;
    Dialogs &m_dialogs;
    QLineEdit *m_companyEdit;
    QPushButton *m_okButton;
    bool m_done = false;
};

} // namespace pw
