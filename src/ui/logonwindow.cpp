#include "ui/logonwindow.h"

#include "domain/companysettings.h"
#include "domain/employees.h"
#include "domain/logon.h"
#include "platform/dialogs.h"
#include "messages/errortext.h"
#include "ui/storageerror.h"
#include "ui/widgets.h"
#include "ui/windowing.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace pw {

namespace {

// The name list's order: alphabetical with letter case aside, then by case so the order is total.
bool listedBefore(const QString &a, const QString &b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : QString::compare(a, b) < 0;
}

} // namespace

LogonWindow::LogonWindow(Database &db, Dialogs &dialogs, CompanySettings &settings, QWidget *parent)
    : QDialog(parent), m_db(db), m_dialogs(dialogs), m_settings(settings)
{
    setUpDialogWindow(this, "frmlogon");
    setModal(false);

    // The name frame with "OK" and "Exit"; the password panel lies over all three.
    m_choosePanel = named(new QWidget(this), "choosePanel");
    auto *nameFrame = named(new QGroupBox(tr("Find Your Name"), m_choosePanel), "Frame1");
    m_nameBox = named(new QComboBox(nameFrame), "namechoice", tr("Your name"));
    m_nameBox->setEditable(true);
    m_nameBox->setInsertPolicy(QComboBox::NoInsert);
    // The box keeps what was typed, letter for letter: a completion only adds the rest of a name
    // that begins exactly so. Qt's own completer ignores letter case and, once the box is left,
    // would put the listed spelling in place of the typed one ("bob" would log on as "Bob").
    auto *completer = new QCompleter(m_nameBox->model(), m_nameBox);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    m_nameBox->setCompleter(completer);
    m_nameBox->setMinimumContentsLength(24);
    // As wide as the longest name, known before the window is first shown (and centred).
    m_nameBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_nameBox->installEventFilter(this);
    m_nameBox->lineEdit()->installEventFilter(this);
    (new QVBoxLayout(nameFrame))->addWidget(m_nameBox);
    m_nameOkButton = makeButton(m_choosePanel, "Command1", tr("OK"));
    m_exitButton = makeButton(m_choosePanel, "Command2", tr("Exit"));
    auto *choose = new QVBoxLayout(m_choosePanel);
    choose->setContentsMargins(0, 0, 0, 0);
    choose->addWidget(nameFrame);
    auto *chooseButtons = new QHBoxLayout;
    chooseButtons->addStretch();
    chooseButtons->addWidget(m_nameOkButton);
    chooseButtons->addWidget(m_exitButton);
    choose->addLayout(chooseButtons);

    m_passwordPanel = named(new QFrame(this), "passwordbx");
    m_passwordPanel->setAutoFillBackground(true);
    auto *passwordFrame = named(new QGroupBox(tr("Password Required:"), m_passwordPanel), "Frame2");
    m_passwordEdit = named(new QLineEdit(passwordFrame), "txtpass", tr("Password"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 43"));
    (new QVBoxLayout(passwordFrame))->addWidget(m_passwordEdit);
    m_passwordOkButton = makeButton(m_passwordPanel, "Command3", tr("OK"));
    m_passwordCancelButton = makeButton(m_passwordPanel, "Command4", tr("Cancel"));
    auto *passwordLayout = new QVBoxLayout(m_passwordPanel);
    passwordLayout->setContentsMargins(0, 0, 0, 0);
    passwordLayout->addWidget(passwordFrame);
    auto *passwordButtons = new QHBoxLayout;
    passwordButtons->addStretch();
    passwordButtons->addWidget(m_passwordOkButton);
    passwordButtons->addWidget(m_passwordCancelButton);
    passwordLayout->addLayout(passwordButtons);
    m_passwordPanel->hide();
    m_passwordOkButton->setDefault(true);
    // The two panels share one place, as large as the larger: the window keeps its size when the
    // password panel shows.
    for (QWidget *panel : {m_choosePanel, static_cast<QWidget *>(m_passwordPanel)}) {
        QSizePolicy policy = panel->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        panel->setSizePolicy(policy);
    }

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_choosePanel, 0, 0);
    grid->addWidget(m_passwordPanel, 0, 0);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_nameBox, &QComboBox::editTextChanged, this, [this] { m_nameOkButton->setDefault(true); });
    connect(m_passwordEdit, &QLineEdit::textChanged, this, [this] { m_passwordOkButton->setDefault(true); });
    connect(m_nameOkButton, &QPushButton::clicked, this, &LogonWindow::onNameOkClicked);
    connect(m_exitButton, &QPushButton::clicked, this, &LogonWindow::exitRequested);
    connect(m_passwordOkButton, &QPushButton::clicked, this, &LogonWindow::onPasswordOkClicked);
    connect(m_passwordCancelButton, &QPushButton::clicked, this, &LogonWindow::onPasswordCancelClicked);
}

LogonWindow::Loaded LogonWindow::load()
{
    centreOnScreen(this);

    auto failed = [this](const QString &what, const DbError &e) {
        m_dialogs.inform(this, ErrorText::companyUnusable(what, companyLocation(m_db), e), kBoxTitle, Dialogs::Icon::Critical);
        return Loaded::Failed;
    };

    // The stored switches come into effect before anybody logs on.
    auto settings = m_settings.load();
    if (!settings)
        return failed(tr("read the company settings"), settings.error());
    if (!*settings)
        return Loaded::FirstRun;

    auto names = employeeNames(m_db);
    if (!names)
        return failed(tr("read the list of employees"), names.error());
    QStringList sorted = *names;
    std::stable_sort(sorted.begin(), sorted.end(), listedBefore);
    m_nameBox->addItems(sorted);
    setNameText(namePrompt());
    m_nameBox->setFocus();
    // Centred as it will be shown: a long name in the list widens the name box.
    centreOnScreen(this);
    return Loaded::Ready;
}

bool LogonWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Q_EMIT activated();
    return QDialog::event(event);
}

bool LogonWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || (watched != m_nameBox && watched != m_nameBox->lineEdit()))
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    // Enter in the name box is "OK", whatever the box holds. Left to the box, it would take a
    // completion or the name chosen last instead of pressing the button.
    if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        m_nameOkButton->click();
        return true;
    }
    if (showsPrompt()) {
        switch (key->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            // From a prompt the arrows start at the first name, not beside the one chosen last.
            if (plain && m_nameBox->count() > 0) {
                m_nameBox->setCurrentIndex(0);
                m_nameBox->setEditText(m_nameBox->itemText(0));
                return true;
            }
            break;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            m_nameBox->clearEditText();
            return true;
        default:
            // The prompt is no part of a name: the first character typed or pasted replaces it.
            if (key->matches(QKeySequence::Paste) || (plain && !key->text().isEmpty() && key->text().at(0).isPrint()))
                m_nameBox->clearEditText();
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LogonWindow::setNameText(const QString &text)
{
    // The list's current item follows the text, so no earlier choice stays behind a prompt.
    m_nameBox->setCurrentIndex(m_nameBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_nameBox->setEditText(text);
    // The longer prompt does not fit the box: it is shown from its start.
    if (showsPrompt())
        m_nameBox->lineEdit()->setCursorPosition(0);
}

bool LogonWindow::showsPrompt() const
{
    const QString text = m_nameBox->currentText();
    return text == namePrompt() || text == choicePrompt();
}

void LogonWindow::comeBack(const QString &namePrompt)
{
    setNameText(namePrompt);
    // A name added or removed while the window was hidden may have changed its width: it comes
    // back centred at its new size.
    fitToContents(this);
    show();
    raise();
    activateWindow();
    m_nameBox->setFocus();
}

void LogonWindow::addName(const QString &name)
{
    int low = 0, high = m_nameBox->count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (listedBefore(name, m_nameBox->itemText(mid)))
            high = mid;
        else
            low = mid + 1;
    }
    const QString text = m_nameBox->currentText();
    m_nameBox->insertItem(low, name);
    setNameText(text);
}

void LogonWindow::removeName(const QString &name)
{
    const QString text = m_nameBox->currentText();
    for (int i = m_nameBox->count() - 1; i >= 0; --i)
        if (m_nameBox->itemText(i) == name)
            m_nameBox->removeItem(i);
    setNameText(text);
}

void LogonWindow::showPasswordPanel(bool shown)
{
    m_choosePanel->setVisible(!shown);
    m_passwordPanel->setVisible(shown);
}

void LogonWindow::refuseLogon(const QString &text)
{
    m_dialogs.inform(this, text, tr("Log In Error"), Dialogs::Icon::Exclamation);
    // Back to the name, ready to be typed over.
    m_nameBox->setFocus();
    m_nameBox->lineEdit()->selectAll();
}

void LogonWindow::onNameOkClicked()
{
    const QString name = m_nameBox->currentText();
    const logon::Choice choice = logon::choose(m_db, name);
    switch (choice.outcome) {
    case logon::Choice::ListUnreadable:
        refuseLogon(ErrorText::failure(tr("The list of employees cannot be read"), choice.error));
        return;
    case logon::Choice::NotListed:
        refuseLogon(tr("Please enter a valid Name or click on the Combo Box."));
        return;
    // A listed employee whose time log is gone cannot work: say so, and stay on the logon window.
    case logon::Choice::LogUnusable:
        refuseLogon(ErrorText::failure(tr("The time log of %1 cannot be opened").arg(name), choice.error));
        return;
    case logon::Choice::LogMissing:
        refuseLogon(tr("The time log of %1 is missing from the company database, so %1 cannot log on. "
                       "Please ask the Manager to look into it.")
                        .arg(name));
        return;
    case logon::Choice::PasswordAsked:
        m_choice = choice;
        m_passwordEdit->clear();
        showPasswordPanel(true);
        m_passwordEdit->setFocus();
        Q_EMIT passwordAsked(choice.name, choice.wage);
        return;
    case logon::Choice::LoggedOn:
        m_passwordEdit->clear();
        hide();
        Q_EMIT loggedOn(choice.name, choice.wage, false);
        return;
    }
}

void LogonWindow::onPasswordOkClicked()
{
    if (!logon::passwordAccepted(m_choice, m_passwordEdit->text())) {
        m_dialogs.inform(this, tr("Incorrect Password, Please retry or Cancel."), tr("Password Error"),
                         Dialogs::Icon::Exclamation);
        m_passwordEdit->clear();
        m_passwordEdit->setFocus();
        return;
    }
    showPasswordPanel(false);
    hide();
    m_passwordEdit->clear();
    Q_EMIT loggedOn(m_choice.name, m_choice.wage, true);
}

void LogonWindow::onPasswordCancelClicked()
{
    showPasswordPanel(false);
    setNameText(namePrompt());
    m_nameBox->setFocus();
}

void LogonWindow::reject()
{
    // Esc cancels the password panel; on the name panel it does nothing (Exit ends the program).
    if (m_passwordPanel->isVisibleTo(this))
        onPasswordCancelClicked();
}

void LogonWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT exitRequested();
}

} // namespace pw
