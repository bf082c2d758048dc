#include "admin/frmadd.h"

#include "admin/employees.h"
#include "clock/frmmain.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "platform/dialogs.h"
#include "platform/windowing.h"
#include "startup/forms.h"
#include "startup/frmlogon.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using pw::Dialogs;

namespace {

const QString kAddError = QStringLiteral("Add Error");

template <typename W>
W *named(W *widget, const char *name, const QString &accessible)
{
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessible);
    return widget;
}

} // namespace

frmadd::frmadd(pw::Forms &forms) : QDialog(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmadd"));
    setWindowTitle(QStringLiteral("Punchwell"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    Frame1 = new QGroupBox(QStringLiteral("Add a New Employee:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    // Made in tab order.
    newemployee = named(new QLineEdit(Frame1), "newemployee", QStringLiteral("Name"));
    newemployee->setMinimumWidth(200);
    passwrd = named(new QLineEdit(Frame1), "passwrd", QStringLiteral("Password"));
    passwrd->setEchoMode(QLineEdit::Password);
    passwrd->setStyleSheet(QStringLiteral("lineedit-password-character: 43"));
    newwage = named(new QLineEdit(Frame1), "newwage", QStringLiteral("Wage per hour (required)"));
    comments = named(new QPlainTextEdit(Frame1), "comments", QStringLiteral("Comments"));
    comments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comments->setTabChangesFocus(true);
    comments->setPlainText(QStringLiteral("  \n"));
    comments->setFixedHeight(comments->fontMetrics().lineSpacing() * 4 + 12);
    Command1 = new QPushButton(QStringLiteral("OK"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command1->setEnabled(false);
    Command2 = new QPushButton(QStringLiteral("Cancel"), Frame1);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto *form = new QFormLayout;
    auto row = [&](const QString &caption, QWidget *box) {
        auto *label = new QLabel(caption, Frame1);
        label->setBuddy(box);
        form->addRow(label, box);
    };
    row(QStringLiteral("Name:"), newemployee);
    row(QStringLiteral("Password:"), passwrd);
    row(QStringLiteral("Wage/hour: (required)"), newwage);
    row(QStringLiteral("Comments:"), comments);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *frame = new QVBoxLayout(Frame1);
    frame->addLayout(form);
    frame->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(newwage, &QLineEdit::textChanged, this, &frmadd::newwage_Change);
    connect(Command1, &QPushButton::clicked, this, &frmadd::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmadd::Command2_Click);
}

void frmadd::Form_Load()
{
    pw::centreOnScreen(this);
}

bool frmadd::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void frmadd::Form_Activate()
{
    if (m_forms.hasLogon())
        m_forms.logon()->hide();
}

void frmadd::newwage_Change()
{
    // The only test of the wage: it must not be empty. It need not be a number.
    Command1->setEnabled(!newwage->text().isEmpty());
}

void frmadd::refuse(const QString &text)
{
    m_forms.dialogs().inform(this, text, kAddError, Dialogs::Icon::Exclamation);
}

void frmadd::Command1_Click()
{
    const pw::NewEmployee employee{newemployee->text(), newwage->text(), passwrd->text(), comments->toPlainText()};
    const pw::AddResult result = pw::addEmployee(m_forms.db(), employee);
    if (result.error) {
        refuse(QStringLiteral("Sorry, the Employee could not be added: %1 (error %2).  Nothing was stored.")
                   .arg(result.error.description)
                   .arg(result.error.number));
        return;
    }
    switch (result.refusal) {
    case pw::AddRefusal::None:
        break;
    case pw::AddRefusal::TooLong:
        m_forms.dialogs().inform(this,
                                 QStringLiteral("Sorry, the name is to long.  Please type in a name with less than 20 "
                                                "characters and without special characters (i.e. period, quotation "
                                                "marks, etc.)"),
                                 QStringLiteral("Add error"), Dialogs::Icon::Exclamation);
        newemployee->clear();
        return;
    case pw::AddRefusal::Exists:
        refuse(QStringLiteral("Sorry, this Employee already exists."));
        return;
    case pw::AddRefusal::Empty:
        refuse(QStringLiteral("Sorry, the name is empty.  Please type in the new Employee's name."));
        return;
    case pw::AddRefusal::BadCharacter:
        refuse(QStringLiteral("Sorry, the name holds a character that cannot be stored.  Please type in the name "
                              "without it."));
        return;
    case pw::AddRefusal::Reserved:
        refuse(QStringLiteral("Sorry, names beginning with \"sqlite_\" are reserved for the data file itself.  "
                              "Please type in another name."));
        return;
    case pw::AddRefusal::TableTaken:
        refuse(QStringLiteral("Sorry, the data file already holds a table of this name (capital and small letters "
                              "count as the same there).  Please type in another name."));
        return;
    }

    // Stored: the new employee can log on at once.
    if (m_forms.hasLogon())
        m_forms.logon()->addName(employee.name);
    m_forms.dialogs().inform(this, QStringLiteral("Employee has been added!"), QStringLiteral("Information"),
                             Dialogs::Icon::Information);
    frmmain *main = m_forms.main();
    unload(true);
    if (pw::DbError e = main->mandata->records().refresh())
        Q_EMIT main->mandata->failed(e);
}

void frmadd::unload(bool enableList)
{
    // Only the loaded dialog is unloaded: one that is already on its way out just stays hidden.
    if (m_forms.hasAdd() && m_forms.add() == this)
        m_forms.unloadAdd();
    else
        hide();
    if (enableList && m_forms.hasMain())
        m_forms.main()->manlist->setEnabled(true);
    // The dialog hid the logon window when it became active; if nobody is logged on any more, the
    // logon window comes back, or no window would be left to use.
    if (m_forms.hasMain() && !m_forms.main()->isVisible() && m_forms.hasLogon() && !m_forms.ended())
        m_forms.logon()->show();
}

void frmadd::Command2_Click()
{
    unload(true);
}

void frmadd::reject()
{
    // Esc is "Cancel".
    unload(true);
}

void frmadd::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload(true);
}
