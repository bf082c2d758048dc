#include "ui/addemployeedialog.h"

#include "domain/employees.h"
#include "platform/dialogs.h"
#include "ui/storageerror.h"
#include "ui/widgets.h"
#include "ui/windowing.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pw {

AddEmployeeDialog::AddEmployeeDialog(Database &db, Dialogs &dialogs, QWidget *parent)
    : ModelessDialog(parent), m_db(db), m_dialogs(dialogs)
{
    setUpDialogWindow(this, "frmadd");

    m_frame = named(new QGroupBox(tr("Add a New Employee:"), this), "Frame1");
    // Made in tab order.
    m_nameEdit = named(new QLineEdit(m_frame), "newemployee", tr("Name"));
    m_nameEdit->setMinimumWidth(200);
    m_passwordEdit = named(new QLineEdit(m_frame), "passwrd", tr("Password"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 43"));
    m_wageEdit = named(new QLineEdit(m_frame), "newwage", tr("Wage per hour (required)"));
    m_commentsEdit = named(new QPlainTextEdit(m_frame), "comments", tr("Comments"));
    m_commentsEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_commentsEdit->setTabChangesFocus(true);
    m_commentsEdit->setPlainText(QStringLiteral("  \n"));
    m_commentsEdit->setFixedHeight(m_commentsEdit->fontMetrics().lineSpacing() * 4 + 12);
    m_okButton = makeButton(m_frame, "Command1", tr("OK"));
    m_okButton->setDefault(true);
    m_okButton->setEnabled(false);
    m_cancelButton = makeButton(m_frame, "Command2", tr("Cancel"));

    auto *form = new QFormLayout;
    auto row = [&](const QString &caption, QWidget *box) {
        auto *label = new QLabel(caption, m_frame);
        label->setBuddy(box);
        form->addRow(label, box);
    };
    row(tr("Name:"), m_nameEdit);
    row(tr("Password:"), m_passwordEdit);
    row(tr("Wage/hour: (required)"), m_wageEdit);
    row(tr("Comments:"), m_commentsEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *frame = new QVBoxLayout(m_frame);
    frame->addLayout(form);
    frame->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The only test of the wage: it must not be empty. It need not be a number.
    connect(m_wageEdit, &QLineEdit::textChanged, this,
            [this](const QString &wage) { m_okButton->setEnabled(!wage.isEmpty()); });
    connect(m_okButton, &QPushButton::clicked, this, &AddEmployeeDialog::onOkClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &AddEmployeeDialog::finish);
    centreOnScreen(this);
}

bool AddEmployeeDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Q_EMIT activated();
    return ModelessDialog::event(event);
}

void AddEmployeeDialog::refuse(const QString &text, const QString &title)
{
    m_dialogs.inform(this, text, title.isEmpty() ? tr("Add Error") : title, Dialogs::Icon::Exclamation);
    // Back to the name, ready to be corrected or typed over.
    m_nameEdit->setFocus();
    m_nameEdit->selectAll();
}

void AddEmployeeDialog::onOkClicked()
{
    const NewEmployee employee{m_nameEdit->text(), m_wageEdit->text(), m_passwordEdit->text(),
                               m_commentsEdit->toPlainText()};
    const AddResult result = addEmployee(m_db, employee);
    if (result.error) {
        reportFailure(m_dialogs, this, tr("Add Error"), tr("Sorry, the Employee could not be added"),
                      result.error, tr("  Nothing was stored."));
        return;
    }
    switch (result.refusal) {
    case AddRefusal::None:
        break;
    case AddRefusal::TooLong:
        refuse(tr("Sorry, the name is to long.  Please type in a name with less than 20 characters and "
                  "without special characters (i.e. period, quotation marks, etc.)"),
               tr("Add error"));
        m_nameEdit->clear();
        return;
    case AddRefusal::Exists:
        refuse(tr("Sorry, this Employee already exists."));
        return;
    case AddRefusal::Empty:
        refuse(tr("Sorry, the name is empty.  Please type in the new Employee's name."));
        return;
    case AddRefusal::Blank:
        refuse(tr("Sorry, the name is only blanks.  Please type in the new Employee's name."));
        return;
    case AddRefusal::BadCharacter:
        refuse(tr("Sorry, the name holds a character that cannot be stored.  Please type in the name "
                  "without it."));
        return;
    case AddRefusal::Reserved:
        refuse(tr("Sorry, names beginning with \"sqlite_\" are reserved for the data file itself.  "
                  "Please type in another name."));
        return;
    case AddRefusal::TooLongToStore:
        refuse(tr("Sorry, the name takes more room than the company database keeps for a name.  Please "
                  "type in a shorter name."));
        return;
    case AddRefusal::TableTaken:
        refuse(tr("Sorry, the data file already holds a table of this name (capital and small letters "
                  "count as the same there).  Please type in another name."));
        return;
    }

    m_added = true;
    Q_EMIT employeeAdded(employee.name);
    m_dialogs.inform(this, tr("Employee has been added!"), tr("Information"),
                     Dialogs::Icon::Information);
    finish();
}

} // namespace pw
