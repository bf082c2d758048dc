#include "ui/propertiesdialog.h"

#include "domain/companysettings.h"
#include "platform/dialogs.h"
#include "ui/storageerror.h"
#include "ui/widgets.h"
#include "ui/windowing.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pw {

PropertiesDialog::PropertiesDialog(CompanySettings &settings, Dialogs &dialogs, QWidget *parent)
    : ModelessDialog(parent), m_settings(settings), m_dialogs(dialogs)
{
    setUpDialogWindow(this, "frmprop");

    auto *frame = named(new QGroupBox(tr("User Properties:"), this), "Frame1");
    m_editsBox = named(new QCheckBox(tr("Disable Employee Edits"), frame), "edits");
    m_moneyBox = named(new QCheckBox(tr("Disable Employee Wages Display"), frame), "money");
    m_subsBox = named(new QCheckBox(tr("Turn off all Login Descriptions"), frame), "subs");
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_editsBox);
    frameLayout->addWidget(m_moneyBox);
    frameLayout->addWidget(m_subsBox);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen(this);

    // The boxes show the stored switches each time the dialog opens, so a dialog that was closed
    // and opened again tells the truth.
    auto stored = m_settings.load();
    if (!stored) {
        reportFailure(m_dialogs, this, QStringLiteral("Punchwell"), tr("The stored settings could not be read"),
                      stored.error(), tr(" The switches are shown as off."));
    } else if (*stored) {
        for (Switch which : {Switch::Edits, Switch::Money, Switch::Subs})
            showSwitch(which, m_settings.isOn(which));
    }

    connect(m_editsBox, &QCheckBox::toggled, this, [this](bool on) { onBoxToggled(Switch::Edits, on); });
    connect(m_moneyBox, &QCheckBox::toggled, this, [this](bool on) { onBoxToggled(Switch::Money, on); });
    connect(m_subsBox, &QCheckBox::toggled, this, [this](bool on) { onBoxToggled(Switch::Subs, on); });
    connect(&m_settings, &CompanySettings::switchChanged, this, &PropertiesDialog::showSwitch);
}

QCheckBox *PropertiesDialog::box(Switch which) const
{
    switch (which) {
    case Switch::Edits: return m_editsBox;
    case Switch::Money: return m_moneyBox;
    case Switch::Subs: return m_subsBox;
    }
    return nullptr;
}

void PropertiesDialog::showSwitch(Switch which, bool on)
{
    const QSignalBlocker block(box(which));
    box(which)->setChecked(on);
}

void PropertiesDialog::onBoxToggled(Switch which, bool on)
{
    // A switch that cannot be stored stays as it was.
    if (DbError e = m_settings.setSwitch(which, on)) {
        showSwitch(which, !on);
        reportFailure(m_dialogs, this, QStringLiteral("Punchwell"), tr("The setting could not be stored"), e,
                      tr(" Nothing was changed."));
    }
}

bool PropertiesDialog::event(QEvent *event)
{
    // Back to the middle of the screen whenever the dialog becomes the active window.
    if (event->type() == QEvent::WindowActivate)
        centreOnScreen(this);
    return ModelessDialog::event(event);
}

} // namespace pw
