#pragma once

#include "db/companydata.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;

namespace pw {
class Forms;
}

// The company-wide switches. A click takes effect at once: the switch is stored, then the main
// window changes. The check boxes are the live switches of the running program; each load ticks
// them from the stored switches, so closing the dialog (which unloads it) loses nothing.
class frmprop : public QDialog {
    Q_OBJECT

public:
    explicit frmprop(pw::Forms &forms);
    void Form_Load();

    QGroupBox *Frame1;
    QCheckBox *edits;
    QCheckBox *money;
    QCheckBox *subs;

    QCheckBox *box(pw::Switch which) const;
    // Ticks or unticks a box from the stored value and applies it to the main window, without
    // storing it again.
    void applyStoredSwitch(pw::Switch which, bool on);
    // Puts one switch's effect on the main window.
    void applyToMainWindow(pw::Switch which, bool on);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void unload();
    void switchClicked(pw::Switch which, bool on);

    pw::Forms &m_forms;
    bool m_applyingStored = false;
};
