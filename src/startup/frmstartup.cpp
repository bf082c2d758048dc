#include "startup/frmstartup.h"

#include "db/companydata.h"
#include "db/database.h"
#include "platform/dialogs.h"
#include "platform/windowing.h"
#include "startup/forms.h"
#include "startup/frmlogon.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmstartup::frmstartup(pw::Forms &forms) : QDialog(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmstartup"));
    setWindowTitle(QStringLiteral("Punchwell Startup Screen"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setText(QStringLiteral(
        "     Welcome to Punchwell startup!  I'm glad your company has chosen to test Punchwell, and hope "
        "you find it as useful as others have.\n"
        "In order for Punchwell to work properly, please supply your company name exactly as you wish for "
        "it to appear throughout Punchwell.  You will NOT be able to change this later."));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setMinimumWidth(420);

    Frame1 = new QGroupBox(QStringLiteral("Company Name:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Companyname = new QLineEdit(Frame1);
    Companyname->setObjectName(QStringLiteral("Companyname"));
    Companyname->setAccessibleName(QStringLiteral("Company Name"));
    Companyname->setMaxLength(32767);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Companyname);
    Label1->setBuddy(Companyname);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Frame1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &frmstartup::Command1_Click);
}

void frmstartup::Form_Load()
{
    pw::centreOnScreen(this);
    show();
    Companyname->setFocus();
}

bool frmstartup::event(QEvent *event)
{
    // During the first run the user sees only this window.
    if (event->type() == QEvent::WindowActivate && m_forms.hasLogon())
        m_forms.logon()->hide();
    return QDialog::event(event);
}

void frmstartup::Command1_Click()
{
    pw::CompanyData settings(m_forms.db());
    if (pw::DbError e = settings.storeCompany(Companyname->text())) {
        m_forms.dialogs().inform(this,
                                 QStringLiteral("The company name could not be stored: %1 (error %2). "
                                                "Please try again.")
                                     .arg(e.description)
                                     .arg(e.number),
                                 QStringLiteral("Punchwell Startup Screen"), pw::Dialogs::Icon::Exclamation);
        return;
    }
    m_forms.dialogs().inform(this, QStringLiteral("Thank You.  You must now Restart Punchwell."),
                             QStringLiteral("Please Restart"), pw::Dialogs::Icon::Information);
    m_forms.endProgram();
}

void frmstartup::reject()
{
    close();
}

void frmstartup::closeEvent(QCloseEvent *event)
{
    // Closing the first-run window ends the program with nothing stored.
    event->accept();
    if (!m_forms.ended())
        m_forms.endProgram();
}
