#include "admin/frmpass.h"

#include "admin/employees.h"
#include "clock/frmmain.h"
#include "platform/dialogs.h"
#include "platform/windowing.h"
#include "startup/forms.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using pw::Dialogs;

namespace {

QLineEdit *passwordBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 43"));
    box->setAccessibleName(QStringLiteral("New password"));
    box->setMinimumWidth(180);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

frmpass::frmpass(pw::Forms &forms) : QDialog(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmpass"));
    setWindowTitle(QStringLiteral("Punchwell"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    // Own-password mode: the frame with its box, "OK" and "Cancel".
    m_ownPanel = new QWidget(this);
    m_ownPanel->setObjectName(QStringLiteral("ownPanel"));
    Frame1 = new QGroupBox(QStringLiteral("Enter New Password:"), m_ownPanel);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    newpasswrd = passwordBox(Frame1, "newpasswrd");
    (new QVBoxLayout(Frame1))->addWidget(newpasswrd);
    Command1 = button(m_ownPanel, "Command1", QStringLiteral("OK"));
    Command2 = button(m_ownPanel, "Command2", QStringLiteral("Cancel"));
    auto *own = new QVBoxLayout(m_ownPanel);
    own->setContentsMargins(0, 0, 0, 0);
    own->addWidget(Frame1);
    auto *ownButtons = new QHBoxLayout;
    ownButtons->addStretch();
    ownButtons->addWidget(Command1);
    ownButtons->addWidget(Command2);
    own->addLayout(ownButtons);

    // Employee-password mode: a panel lying over all of the above, with no "Cancel".
    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    Frame2 = new QGroupBox(QStringLiteral("Enter New Password:"), Picture1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Text1 = passwordBox(Frame2, "Text1");
    Text1->setAccessibleName(QStringLiteral("Employee's new password"));
    (new QVBoxLayout(Frame2))->addWidget(Text1);
    Command3 = button(Picture1, "Command3", QStringLiteral("OK"));
    auto *panel = new QVBoxLayout(Picture1);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(Frame2);
    auto *panelButtons = new QHBoxLayout;
    panelButtons->addStretch();
    panelButtons->addWidget(Command3);
    panel->addLayout(panelButtons);
    Picture1->hide();
    Picture1->installEventFilter(this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_ownPanel, 0, 0);
    grid->addWidget(Picture1, 0, 0);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    Command1->setDefault(true);

    // Enter presses the OK of the mode in use.
    connect(newpasswrd, &QLineEdit::textChanged, this, [this] { Command1->setDefault(true); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Command3->setDefault(true); });
    connect(Command1, &QPushButton::clicked, this, &frmpass::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmpass::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmpass::Command3_Click);
}

void frmpass::Form_Load()
{
    pw::centreOnScreen(this);
}

void frmpass::showEmployeePanel()
{
    m_ownPanel->hide();
    Picture1->show();
}

bool frmpass::isEmployeeMode() const
{
    return !Picture1->isHidden();
}

void frmpass::Picture1_Shown()
{
    Text1->setFocus();
    Command3->setDefault(true);
}

bool frmpass::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1 && event->type() == QEvent::Show)
        Picture1_Shown();
    return QDialog::eventFilter(watched, event);
}

bool frmpass::event(QEvent *event)
{
    // The panel takes the focus again whenever the dialog comes back to the front.
    if (event->type() == QEvent::WindowActivate && isEmployeeMode())
        Picture1_Shown();
    return QDialog::event(event);
}

void frmpass::changePassword(const QString &name, const QString &password)
{
    auto found = pw::changePassword(m_forms.db(), name, password);
    if (!found)
        m_forms.dialogs().inform(this,
                                 QStringLiteral("The password could not be stored: %1 (error %2).  Nothing was "
                                                "changed.")
                                     .arg(found.error().description)
                                     .arg(found.error().number),
                                 QStringLiteral("Change Pass Error"), Dialogs::Icon::Exclamation);
    else if (*found)
        m_forms.dialogs().inform(this, QStringLiteral("Password Successfully Changed."), QStringLiteral("Successful!"),
                                 Dialogs::Icon::Information);
    else
        m_forms.dialogs().inform(
            this, QStringLiteral("Sorry, their was a problem with the data file. Check with your system administrator."),
            QStringLiteral("Change Pass Error"), Dialogs::Icon::Exclamation);
    unload();
}

void frmpass::unload()
{
    // Only the loaded dialog is unloaded: one that is already on its way out just stays hidden.
    if (m_forms.hasPass() && m_forms.pass() == this)
        m_forms.unloadPass();
    else
        hide();
}

void frmpass::Command1_Click()
{
    changePassword(m_forms.main()->nameemp->text(), newpasswrd->text());
}

void frmpass::Command3_Click()
{
    changePassword(m_forms.main()->manlist->text(), Text1->text());
}

void frmpass::Command2_Click()
{
    unload();
}

void frmpass::reject()
{
    // Esc closes the dialog like its close box.
    unload();
}

void frmpass::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload();
}
