#include "admin/frmprop.h"

#include "clock/frmmain.h"
#include "db/database.h"
#include "platform/dialogs.h"
#include "platform/windowing.h"
#include "startup/forms.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

frmprop::frmprop(pw::Forms &forms) : QDialog(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmprop"));
    setWindowTitle(QStringLiteral("Punchwell"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    Frame1 = new QGroupBox(QStringLiteral("User Properties:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    edits = new QCheckBox(QStringLiteral("Disable Employee Edits"), Frame1);
    edits->setObjectName(QStringLiteral("edits"));
    money = new QCheckBox(QStringLiteral("Disable Employee Wages Display"), Frame1);
    money->setObjectName(QStringLiteral("money"));
    subs = new QCheckBox(QStringLiteral("Turn off all Login Descriptions"), Frame1);
    subs->setObjectName(QStringLiteral("subs"));
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(edits);
    frameLayout->addWidget(money);
    frameLayout->addWidget(subs);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edits, &QCheckBox::toggled, this, [this](bool on) { switchClicked(pw::Switch::Edits, on); });
    connect(money, &QCheckBox::toggled, this, [this](bool on) { switchClicked(pw::Switch::Money, on); });
    connect(subs, &QCheckBox::toggled, this, [this](bool on) { switchClicked(pw::Switch::Subs, on); });
}

void frmprop::Form_Load()
{
    pw::centreOnScreen(this);
    // The boxes show the stored switches each time the dialog loads, so a dialog that was closed
    // and opened again (or made by the clock-in asking for subs) tells the truth.
    pw::CompanyData settings(m_forms.db());
    auto stored = settings.read();
    if (!stored) {
        m_forms.dialogs().inform(this,
                                 QStringLiteral("The stored settings could not be read: %1 (error %2). The "
                                                "switches are shown as off.")
                                     .arg(stored.error().description)
                                     .arg(stored.error().number),
                                 QStringLiteral("Punchwell"), pw::Dialogs::Icon::Exclamation);
        return;
    }
    if (!stored->has_value())
        return; // a first run: nothing stored yet, every switch off
    const pw::Settings &s = **stored;
    applyStoredSwitch(pw::Switch::Edits, pw::switchIsOn(s.edits));
    applyStoredSwitch(pw::Switch::Money, pw::switchIsOn(s.money));
    applyStoredSwitch(pw::Switch::Subs, pw::switchIsOn(s.subs));
}

bool frmprop::event(QEvent *event)
{
    // Back to the middle of the screen whenever the dialog becomes the active window.
    if (event->type() == QEvent::WindowActivate)
        pw::centreOnScreen(this);
    return QDialog::event(event);
}

void frmprop::unload()
{
    // The switches stay in force: they are stored, and the next load reads them back.
    if (m_forms.hasProp() && m_forms.prop() == this)
        m_forms.unloadProp();
    else
        hide();
}

void frmprop::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload();
}

void frmprop::reject()
{
    // Esc closes the dialog like its close box.
    unload();
}

QCheckBox *frmprop::box(pw::Switch which) const
{
    switch (which) {
    case pw::Switch::Edits: return edits;
    case pw::Switch::Money: return money;
    case pw::Switch::Subs: return subs;
    }
    return nullptr;
}

void frmprop::applyStoredSwitch(pw::Switch which, bool on)
{
    m_applyingStored = true;
    box(which)->setChecked(on);
    m_applyingStored = false;
    applyToMainWindow(which, on);
}

void frmprop::applyToMainWindow(pw::Switch which, bool on)
{
    frmmain *main = m_forms.main();
    switch (which) {
    case pw::Switch::Edits:
        main->lgndatetime->setReadOnly(on);
        break;
    case pw::Switch::Money:
        main->frmmoney->setVisible(!on);
        main->Picture2->setVisible(on);
        break;
    case pw::Switch::Subs:
        break; // read at each clock-in
    }
}

void frmprop::switchClicked(pw::Switch which, bool on)
{
    if (m_applyingStored)
        return;
    // The row is stored before the main window changes; a switch that cannot be stored stays as it was.
    pw::CompanyData settings(m_forms.db());
    if (pw::DbError e = settings.setSwitch(which, on)) {
        {
            const QSignalBlocker block(box(which));
            box(which)->setChecked(!on);
        }
        m_forms.dialogs().inform(this,
                                 QStringLiteral("The setting could not be stored: %1 (error %2). Nothing was "
                                                "changed.")
                                     .arg(e.description)
                                     .arg(e.number),
                                 QStringLiteral("Punchwell"), pw::Dialogs::Icon::Exclamation);
        return;
    }
    applyToMainWindow(which, on);
}
