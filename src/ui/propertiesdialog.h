#pragma once

#include "domain/companysettings.h"
#include "ui/modelessdialog.h"

class QCheckBox;
class QGroupBox;

namespace pw {

class CompanySettings;
class Dialogs;

// The company-wide switches (objectName "frmprop"). A click takes effect at once: the switch is
// stored, then everything that follows it changes. The boxes show the stored switches, read again
// each time the dialog opens; closing it loses nothing.
class PropertiesDialog : public ModelessDialog {
    Q_OBJECT

public:
    PropertiesDialog(CompanySettings &settings, Dialogs &dialogs, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    QCheckBox *box(Switch which) const;
    void showSwitch(Switch which, bool on);
    void onBoxToggled(Switch which, bool on);

    CompanySettings &m_settings;
    Dialogs &m_dialogs;
    QCheckBox *m_editsBox;
    QCheckBox *m_moneyBox;
    QCheckBox *m_subsBox;
};

} // namespace pw
