#include "ui/passworddialog.h"

#include "domain/employees.h"
#include "platform/dialogs.h"
#include "ui/storageerror.h"
#include "ui/widgets.h"
#include "ui/windowing.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pw {

namespace {

QLineEdit *passwordBox(QWidget *parent, const char *name, const QString &accessible)
{
    auto *box = named(new QLineEdit(parent), name, accessible);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 43"));
    box->setMinimumWidth(180);
    return box;
}

const char *const kChangePassError = QT_TRANSLATE_NOOP("pw::PasswordDialog", "Change Pass Error");

} // namespace

PasswordDialog::PasswordDialog(Database &db, Dialogs &dialogs, NameSource loggedOnName, NameSource shownEmployee,
                               QWidget *parent)
    : ModelessDialog(parent), m_db(db), m_dialogs(dialogs), m_loggedOnName(std::move(loggedOnName)),
      m_shownEmployee(std::move(shownEmployee))
{
    setUpDialogWindow(this, "frmpass");

    // Own-password mode: the frame with its box, "OK" and "Cancel".
    m_ownPanel = named(new QWidget(this), "ownPanel");
    auto *ownFrame = named(new QGroupBox(tr("Enter New Password:"), m_ownPanel), "Frame1");
    m_ownPasswordEdit = passwordBox(ownFrame, "newpasswrd", tr("New password"));
    (new QVBoxLayout(ownFrame))->addWidget(m_ownPasswordEdit);
    m_ownOkButton = makeButton(m_ownPanel, "Command1", tr("OK"));
    m_cancelButton = makeButton(m_ownPanel, "Command2", tr("Cancel"));
    auto *own = new QVBoxLayout(m_ownPanel);
    own->setContentsMargins(0, 0, 0, 0);
    own->addWidget(ownFrame);
    auto *ownButtons = new QHBoxLayout;
    ownButtons->addStretch();
    ownButtons->addWidget(m_ownOkButton);
    ownButtons->addWidget(m_cancelButton);
    own->addLayout(ownButtons);

    // Employee-password mode: a panel lying over all of the above, with no "Cancel".
    m_employeePanel = named(new QFrame(this), "Picture1");
    m_employeePanel->setAutoFillBackground(true);
    auto *employeeFrame = named(new QGroupBox(tr("Enter New Password:"), m_employeePanel), "Frame2");
    m_employeePasswordEdit = passwordBox(employeeFrame, "Text1", tr("Employee's new password"));
    (new QVBoxLayout(employeeFrame))->addWidget(m_employeePasswordEdit);
    m_employeeOkButton = makeButton(m_employeePanel, "Command3", tr("OK"));
    auto *panel = new QVBoxLayout(m_employeePanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(employeeFrame);
    auto *panelButtons = new QHBoxLayout;
    panelButtons->addStretch();
    panelButtons->addWidget(m_employeeOkButton);
    panel->addLayout(panelButtons);
    m_employeePanel->hide();
    m_employeePanel->installEventFilter(this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_ownPanel, 0, 0);
    grid->addWidget(m_employeePanel, 0, 0);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    m_ownOkButton->setDefault(true);

    // Enter presses the OK of the mode in use.
    connect(m_ownPasswordEdit, &QLineEdit::textChanged, this, [this] { m_ownOkButton->setDefault(true); });
    connect(m_employeePasswordEdit, &QLineEdit::textChanged, this, [this] { m_employeeOkButton->setDefault(true); });
    connect(m_ownOkButton, &QPushButton::clicked, this,
            [this] { changePassword(m_loggedOnName(), m_ownPasswordEdit->text()); });
    connect(m_employeeOkButton, &QPushButton::clicked, this,
            [this] { changePassword(m_shownEmployee(), m_employeePasswordEdit->text()); });
    connect(m_cancelButton, &QPushButton::clicked, this, &PasswordDialog::finish);
    centreOnScreen(this);
}

void PasswordDialog::showEmployeePanel()
{
    m_ownPanel->hide();
    m_employeePanel->show();
}

bool PasswordDialog::isEmployeeMode() const
{
    return !m_employeePanel->isHidden();
}

void PasswordDialog::onEmployeePanelShown()
{
    m_employeePasswordEdit->setFocus();
    m_employeeOkButton->setDefault(true);
}

bool PasswordDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_employeePanel && event->type() == QEvent::Show)
        onEmployeePanelShown();
    return ModelessDialog::eventFilter(watched, event);
}

bool PasswordDialog::event(QEvent *event)
{
    // The panel takes the focus again whenever the dialog comes back to the front.
    if (event->type() == QEvent::WindowActivate && isEmployeeMode())
        onEmployeePanelShown();
    return ModelessDialog::event(event);
}

void PasswordDialog::changePassword(const QString &name, const QString &password)
{
    bool opensManagement = false;
    auto found = pw::changePassword(m_db, name, password, &opensManagement);
    if (!found)
        reportFailure(m_dialogs, this, tr(kChangePassError), tr("The password could not be stored"), found.error(),
                      tr("  Nothing was changed."));
    else if (*found)
        // The Manager who logged on without a password has no management functions in this logon;
        // the box says when they come.
        m_dialogs.inform(this,
                         opensManagement ? tr("Password Successfully Changed.  The Management functions "
                                              "open at your next logon.")
                                         : tr("Password Successfully Changed."),
                         tr("Successful!"), Dialogs::Icon::Information);
    else
        m_dialogs.inform(this,
                         tr("Sorry, their was a problem with the data file. Check with your system "
                            "administrator."),
                         tr(kChangePassError), Dialogs::Icon::Exclamation);
    finish();
}

} // namespace pw
