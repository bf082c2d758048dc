#pragma once

#include <QDialog>

class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pw {
class Forms;
}

// The logon window: where every use of the program begins and ends.
class frmlogon : public QDialog {
    Q_OBJECT

public:
    static constexpr const char *kNamePrompt = "Click here for names-->";

    explicit frmlogon(pw::Forms &forms);

    // Reads the settings row (or starts the first run), puts the switches into effect and lists
    // the employees. Runs once per program run.
    void Form_Load();
    // The first activation closes the splash and loads the main window hidden.
    void Form_Activate();
    bool isFirstRun() const { return m_firstRun; }

    // Puts a name into the name list at its sorted place.
    void addName(const QString &name);
    // Takes every item equal to the name out of the name list.
    void removeName(const QString &name);

    QGroupBox *Frame1;
    QComboBox *namechoice;
    QPushButton *Command1;
    QPushButton *Command2;
    QFrame *passwordbx;
    QGroupBox *Frame2;
    QLineEdit *txtpass;
    QPushButton *Command3;
    QPushButton *Command4;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool event(QEvent *event) override;

private:
    void showPasswordPanel(bool shown);
    void enterMainWindow();
    void reportLoadFailure(const QString &what, int number, const QString &description);

    pw::Forms &m_forms;
    QWidget *m_choosePanel = nullptr;
    QString m_chosenName;
    QString m_storedPassword;
    bool m_firstRun = false;
    bool m_activated = false;
};
