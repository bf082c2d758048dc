#include "ui/firstrunwindow.h"

#include "domain/companysettings.h"
#include "platform/dialogs.h"
#include "ui/storageerror.h"
#include "ui/widgets.h"
#include "ui/windowing.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pw {

namespace {

const char *const kStartupScreenTitle = QT_TRANSLATE_NOOP("pw::FirstRunWindow", "Punchwell Startup Screen");

} // namespace

FirstRunWindow::FirstRunWindow(CompanySettings &settings, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_dialogs(dialogs)
{
    setUpDialogWindow(this, "frmstartup", tr(kStartupScreenTitle));
    setModal(false);

    auto *welcome = named(new QLabel(this), "Label1");
    welcome->setWordWrap(true);
    welcome->setText(
        tr("     Welcome to Punchwell startup!  I'm glad your company has chosen to test Punchwell, and hope "
           "you find it as useful as others have.\n"
           "In order for Punchwell to work properly, please supply your company name exactly as you wish for "
           "it to appear throughout Punchwell.  You will NOT be able to change this later."));
    welcome->setTextFormat(Qt::PlainText);
    welcome->setMinimumWidth(420);

    auto *frame = named(new QGroupBox(tr("Company Name:"), this), "Frame1");
    m_companyEdit = named(new QLineEdit(frame), "Companyname", tr("Company Name"));
    m_companyEdit->setMaxLength(32767);
    (new QVBoxLayout(frame))->addWidget(m_companyEdit);
    welcome->setBuddy(m_companyEdit);

    m_okButton = makeButton(this, "Command1", tr("OK"));
    m_okButton->setDefault(true);
    // The name is stored once and can never be changed: it must say something. What is typed is
    // still stored exactly, blanks around it included.
    m_okButton->setEnabled(false);
    connect(m_companyEdit, &QLineEdit::textChanged, this,
            [this](const QString &name) { m_okButton->setEnabled(!name.trimmed().isEmpty()); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(welcome);
    layout->addWidget(frame);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &QPushButton::clicked, this, &FirstRunWindow::onOkClicked);
}

void FirstRunWindow::open()
{
    centreOnScreen(this);
    show();
    m_companyEdit->setFocus();
}

bool FirstRunWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Q_EMIT activated();
    return QDialog::event(event);
}

void FirstRunWindow::onOkClicked()
{
    if (DbError e = m_settings.storeCompany(m_companyEdit->text())) {
        reportFailure(m_dialogs, this, tr(kStartupScreenTitle), tr("The company name could not be stored"), e,
                      tr(" Please try again."));
        return;
    }
    m_dialogs.inform(this, tr("Thank You.  You must now Restart Punchwell."), tr("Please Restart"),
                     Dialogs::Icon::Information);
    m_done = true;
    Q_EMIT companyStored();
}

void FirstRunWindow::reject()
{
    close();
}

void FirstRunWindow::closeEvent(QCloseEvent *event)
{
    // Closing the first-run window ends the program with nothing stored.
    event->accept();
    if (!m_done) {
        m_done = true;
        Q_EMIT cancelled();
    }
}

} // namespace pw
