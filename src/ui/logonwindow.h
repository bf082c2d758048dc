#pragma once

#include "domain/logon.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace pw {

class CompanySettings;
class Database;
class Dialogs;

// The logon window (objectName "frmlogon"): where every use of the program begins and ends. An
// employee chooses or types a name and presses "OK"; a password panel asks for the password of an
// employee who has one.
class LogonWindow : public QDialog {
    Q_OBJECT

public:
    // What the name box shows while no name is chosen: at load, after "Cancel" and after "E&xit",
    // and after the main window's close box. The English words; the box shows them translated.
    static constexpr const char *kNamePrompt = QT_TRANSLATE_NOOP("pw::LogonWindow", "Click here for names-->");
    static constexpr const char *kChoicePrompt =
        QT_TRANSLATE_NOOP("pw::LogonWindow", "Click here for choice of Names---->");
    static QString namePrompt() { return tr(kNamePrompt); }
    static QString choicePrompt() { return tr(kChoicePrompt); }

    LogonWindow(Database &db, Dialogs &dialogs, CompanySettings &settings, QWidget *parent = nullptr);

    enum class Loaded {
        Ready,    // the settings are in effect and the names listed
        FirstRun, // no settings row yet: the company must be set up first
        Failed,   // told in a box; the program cannot go on
    };
    // Reads the settings row and lists the employees. Runs once per program run.
    Loaded load();

    // Shows the window again after the main window was left, the name box holding namePrompt.
    void comeBack(const QString &namePrompt);
    // Puts a name into the name list at its sorted place.
    void addName(const QString &name);
    // Takes every item equal to the name out of the name list.
    void removeName(const QString &name);

Q_SIGNALS:
    // A listed employee with a password chose a name: the panel asks for the password.
    void passwordAsked(const QString &name, const QString &wage);
    // The logon succeeded; passwordGiven when it went through the password panel.
    void loggedOn(const QString &name, const QString &wage, bool passwordGiven);
    // "Exit", or the window was closed.
    void exitRequested();
    void activated();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Puts a text into the name box; a prompt is shown from its start.
    void setNameText(const QString &text);
    bool showsPrompt() const;
    void showPasswordPanel(bool shown);
    void onNameOkClicked();
    void onPasswordOkClicked();
    void onPasswordCancelClicked();
    void refuseLogon(const QString &text);

    Database &m_db;
    Dialogs &m_dialogs;
    CompanySettings &m_settings;
    logon::Choice m_choice; // the name chosen last, waiting for its password

    QWidget *m_choosePanel;
    QComboBox *m_nameBox;
    QPushButton *m_nameOkButton;
    QPushButton *m_exitButton;
    QFrame *m_passwordPanel;
    QLineEdit *m_passwordEdit;
    QPushButton *m_passwordOkButton;
    QPushButton *m_passwordCancelButton;
};

} // namespace pw
