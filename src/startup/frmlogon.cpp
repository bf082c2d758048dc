#include "startup/frmlogon.h"

#include "admin/frmprop.h"
#include "clock/frmmain.h"
#include "db/companydata.h"
#include "db/database.h"
#include "db/employeelist.h"
#include "db/recordbrowser.h"
#include "platform/dialogs.h"
#include "platform/windowing.h"
#include "startup/forms.h"
#include "startup/frmstartup.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using pw::Dialogs;

namespace {

const QString kTitle = QStringLiteral("Punchwell");

// The name list's order: alphabetical with letter case aside, then by case so the order is total.
bool listedBefore(const QString &a, const QString &b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : QString::compare(a, b) < 0;
}

} // namespace

frmlogon::frmlogon(pw::Forms &forms) : QDialog(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmlogon"));
    setWindowTitle(kTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    // The name frame with "OK" and "Exit"; the password panel lies over all three.
    m_choosePanel = new QWidget(this);
    m_choosePanel->setObjectName(QStringLiteral("choosePanel"));
    Frame1 = new QGroupBox(QStringLiteral("Find Your Name"), m_choosePanel);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    namechoice = new QComboBox(Frame1);
    namechoice->setObjectName(QStringLiteral("namechoice"));
    namechoice->setEditable(true);
    namechoice->setInsertPolicy(QComboBox::NoInsert);
    namechoice->setMinimumContentsLength(24);
    namechoice->setAccessibleName(QStringLiteral("Your name"));
    auto *f1 = new QVBoxLayout(Frame1);
    f1->addWidget(namechoice);
    Command1 = new QPushButton(QStringLiteral("OK"), m_choosePanel);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Exit"), m_choosePanel);
    Command2->setObjectName(QStringLiteral("Command2"));
    auto *choose = new QVBoxLayout(m_choosePanel);
    choose->setContentsMargins(0, 0, 0, 0);
    choose->addWidget(Frame1);
    auto *chooseButtons = new QHBoxLayout;
    chooseButtons->addStretch();
    chooseButtons->addWidget(Command1);
    chooseButtons->addWidget(Command2);
    choose->addLayout(chooseButtons);

    passwordbx = new QFrame(this);
    passwordbx->setObjectName(QStringLiteral("passwordbx"));
    passwordbx->setAutoFillBackground(true);
    Frame2 = new QGroupBox(QStringLiteral("Password Required:"), passwordbx);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    txtpass = new QLineEdit(Frame2);
    txtpass->setObjectName(QStringLiteral("txtpass"));
    txtpass->setEchoMode(QLineEdit::Password);
    txtpass->setStyleSheet(QStringLiteral("lineedit-password-character: 43"));
    txtpass->setAccessibleName(QStringLiteral("Password"));
    auto *f2 = new QVBoxLayout(Frame2);
    f2->addWidget(txtpass);
    Command3 = new QPushButton(QStringLiteral("OK"), passwordbx);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4 = new QPushButton(QStringLiteral("Cancel"), passwordbx);
    Command4->setObjectName(QStringLiteral("Command4"));
    auto *pwLayout = new QVBoxLayout(passwordbx);
    pwLayout->setContentsMargins(0, 0, 0, 0);
    pwLayout->addWidget(Frame2);
    auto *pwButtons = new QHBoxLayout;
    pwButtons->addStretch();
    pwButtons->addWidget(Command3);
    pwButtons->addWidget(Command4);
    pwLayout->addLayout(pwButtons);
    passwordbx->hide();
    Command3->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_choosePanel, 0, 0);
    grid->addWidget(passwordbx, 0, 0);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(namechoice, &QComboBox::editTextChanged, this, [this] { Command1->setDefault(true); });
    connect(txtpass, &QLineEdit::textChanged, this, [this] { Command3->setDefault(true); });
    connect(Command1, &QPushButton::clicked, this, &frmlogon::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmlogon::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmlogon::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmlogon::Command4_Click);
}

void frmlogon::reportLoadFailure(const QString &what, int number, const QString &description)
{
    m_forms.dialogs().inform(this,
                             QStringLiteral("Punchwell cannot %1 in the company database\n%2\nbecause %3 "
                                            "(error %4). Punchwell will now close.")
                                 .arg(what, m_forms.db().path(), description)
                                 .arg(number),
                             kTitle, Dialogs::Icon::Critical);
    m_forms.endProgram(1);
}

void frmlogon::Form_Load()
{
    pw::centreOnScreen(this);

    pw::CompanyData companyData(m_forms.db());
    auto settings = companyData.read();
    if (!settings) {
        reportLoadFailure(QStringLiteral("read the company settings"), settings.error().number,
                          settings.error().description);
        return;
    }
    if (!settings->has_value()) {
        // A first run: the first-run window takes over, and the rest of the load is skipped.
        m_firstRun = true;
        m_forms.startup()->Form_Load();
        hide();
        return;
    }
    const pw::Settings &s = **settings;

    frmmain *main = m_forms.main();
    main->company->setText(s.company);

    // The stored switches come into effect before anybody logs on.
    frmprop *prop = m_forms.prop();
    const std::pair<pw::Switch, const QVariant &> switches[] = {
        {pw::Switch::Edits, s.edits}, {pw::Switch::Money, s.money}, {pw::Switch::Subs, s.subs}};
    for (const auto &[which, stored] : switches)
        if (pw::switchIsOn(stored))
            prop->applyStoredSwitch(which, true);

    pw::EmployeeList list(m_forms.db());
    auto names = list.names();
    if (!names) {
        reportLoadFailure(QStringLiteral("read the list of employees"), names.error().number,
                          names.error().description);
        return;
    }
    QStringList sorted = *names;
    std::stable_sort(sorted.begin(), sorted.end(), listedBefore);
    namechoice->addItems(sorted);

    namechoice->setEditText(QString::fromLatin1(kNamePrompt));
}

bool frmlogon::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void frmlogon::Form_Activate()
{
    if (m_activated || m_forms.ended())
        return;
    m_activated = true;
    m_forms.unloadSplash();
    m_forms.main();
    if (m_firstRun && m_forms.hasStartup()) {
        m_forms.startup()->raise();
        m_forms.startup()->activateWindow();
    }
}

void frmlogon::addName(const QString &name)
{
    int low = 0, high = namechoice->count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (listedBefore(name, namechoice->itemText(mid)))
            high = mid;
        else
            low = mid + 1;
    }
    const QString text = namechoice->currentText();
    namechoice->insertItem(low, name);
    namechoice->setEditText(text);
}

void frmlogon::removeName(const QString &name)
{
    const QString text = namechoice->currentText();
    for (int i = namechoice->count() - 1; i >= 0; --i)
        if (namechoice->itemText(i) == name)
            namechoice->removeItem(i);
    namechoice->setEditText(text);
}

void frmlogon::showPasswordPanel(bool shown)
{
    m_choosePanel->setVisible(!shown);
    passwordbx->setVisible(shown);
}

void frmlogon::enterMainWindow()
{
    frmmain *main = m_forms.main();
    hide();
    main->show();
    main->raise();
    main->activateWindow();
    if (pw::DbError e = main->openLog(m_chosenName))
        m_forms.dialogs().inform(main,
                                 QStringLiteral("The time log of %1 cannot be opened: %2 (error %3).")
                                     .arg(m_chosenName, e.description)
                                     .arg(e.number),
                                 kTitle, Dialogs::Icon::Exclamation);
}

void frmlogon::Command1_Click()
{
    frmmain *main = m_forms.main();
    m_chosenName = namechoice->currentText();
    main->nameemp->setText(m_chosenName);

    pw::EmployeeList list(m_forms.db());
    auto found = list.find(m_chosenName);
    if (!found) {
        m_forms.dialogs().inform(this,
                                 QStringLiteral("The list of employees cannot be read: %1 (error %2).")
                                     .arg(found.error().description)
                                     .arg(found.error().number),
                                 QStringLiteral("Log In Error"), Dialogs::Icon::Exclamation);
        return;
    }
    if (!found->has_value()) {
        m_forms.dialogs().inform(this, QStringLiteral("Please enter a valid Name or click on the Combo Box."),
                                 QStringLiteral("Log In Error"), Dialogs::Icon::Exclamation);
        return;
    }
    const pw::Employee &employee = **found;

    // A listed employee whose time log is gone cannot work: say so, and stay on the logon window.
    auto hasLog = m_forms.db().tableExists(m_chosenName);
    if (!hasLog || !*hasLog) {
        m_forms.dialogs().inform(
            this,
            hasLog ? QStringLiteral("The time log of %1 is missing from the company database, so %1 cannot "
                                    "log on. Please ask the Manager to look into it.")
                         .arg(m_chosenName)
                   : QStringLiteral("The time log of %1 cannot be opened: %2 (error %3).")
                         .arg(m_chosenName, hasLog.error().description)
                         .arg(hasLog.error().number),
            QStringLiteral("Log In Error"), Dialogs::Icon::Exclamation);
        return;
    }

    m_storedPassword = employee.storedPassword();
    main->Thismoney->setText(employee.wage.toString());

    if (!m_storedPassword.isEmpty()) {
        showPasswordPanel(true);
        txtpass->setFocus();
    } else {
        enterMainWindow();
        if (m_chosenName == QLatin1String("Manager"))
            m_forms.dialogs().inform(
                main,
                QStringLiteral("You will be unable to use Management functions until you change your password."),
                QStringLiteral("Information"), Dialogs::Icon::Exclamation);
    }
    txtpass->clear();
    main->fxngettotal(main->nameemp->text());
}

void frmlogon::Command3_Click()
{
    if (m_storedPassword != txtpass->text()) {
        m_forms.dialogs().inform(this, QStringLiteral("Incorrect Password, Please retry or Cancel."),
                                 QStringLiteral("Password Error"), Dialogs::Icon::Exclamation);
        txtpass->clear();
        txtpass->setFocus();
        return;
    }
    frmmain *main = m_forms.main();
    showPasswordPanel(false);
    enterMainWindow();
    if (main->nameemp->text() == QLatin1String("Manager"))
        main->Picture1->show();
    txtpass->clear();
}

void frmlogon::Command4_Click()
{
    showPasswordPanel(false);
    namechoice->setEditText(QString::fromLatin1(kNamePrompt));
    namechoice->setFocus();
}

void frmlogon::Command2_Click()
{
    m_forms.endProgram();
}

void frmlogon::reject()
{
    // Esc cancels the password panel; on the name panel it does nothing (Exit ends the program).
    if (passwordbx->isVisibleTo(this))
        Command4_Click();
}

void frmlogon::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_forms.ended())
        m_forms.endProgram();
}
