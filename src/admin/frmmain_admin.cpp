// The main window's administration buttons and menu item.
#include "clock/frmmain.h"

#include "admin/employees.h"
#include "admin/frmadd.h"
#include "admin/frmpass.h"
#include "admin/frmprop.h"
#include "db/employeelist.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "platform/dialogs.h"
#include "startup/forms.h"
#include "startup/frmlogon.h"

#include <QLineEdit>

using pw::Dialogs;

namespace {

void showModeless(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

const QString kDeleteError = QStringLiteral("Delete Error");

} // namespace

void frmmain::Command5_Click()
{
    manlist->setEnabled(false);
    showModeless(m_forms.add());
}

void frmmain::Deleteemp_Click()
{
    if (manlist->text() == QLatin1String("Manager")) {
        m_forms.dialogs().inform(this, QStringLiteral("Sorry, cannot delete the Manager"), kDeleteError,
                                 Dialogs::Icon::Exclamation);
        return;
    }
    const QString name = manlist->text();

    auto listed = pw::EmployeeList(m_forms.db()).find(name);
    if (!listed) {
        m_forms.dialogs().inform(this,
                                 QStringLiteral("Sorry, the list of employees cannot be read: %1 (error %2).")
                                     .arg(listed.error().description)
                                     .arg(listed.error().number),
                                 kDeleteError, Dialogs::Icon::Exclamation);
        return;
    }
    if (!listed->has_value()) {
        m_forms.dialogs().inform(this, QStringLiteral("Sorry, the Name doesn't appear to exist.  Try again."),
                                 kDeleteError, Dialogs::Icon::Exclamation);
        return;
    }

    const Dialogs::Button answer = m_forms.dialogs().message(
        this,
        QStringLiteral("Deleting an employee is permanent.  He/She will no longer be able to use the Punchwell "
                       "Program unless you add them again. Do you want to continue ?"),
        QStringLiteral("Punchwell Warning"), Dialogs::Icon::Critical, Dialogs::Yes | Dialogs::No, Dialogs::No);
    if (answer != Dialogs::Yes)
        return;

    // The log is emptied and the list rows removed together, or nothing changes at all.
    if (pw::DbError e = pw::deleteEmployee(m_forms.db(), name)) {
        m_forms.dialogs().inform(this,
                                 QStringLiteral("Sorry, the Employee could not be deleted: %1 (error %2).  Nothing "
                                                "was changed.")
                                     .arg(e.description)
                                     .arg(e.number),
                                 kDeleteError, Dialogs::Icon::Exclamation);
        return;
    }
    if (m_forms.hasLogon())
        m_forms.logon()->removeName(name);
    m_forms.dialogs().inform(this, QStringLiteral("Employee has been deleted."), QStringLiteral("Information"),
                             Dialogs::Icon::Information);
    if (pw::DbError e = mandata->records().refresh())
        reportUpdateError(e);
    // The grid stays on the emptied log; a log that was missing leaves it empty.
    openManagedLog(name);
}

void frmmain::ChgPass_Click()
{
    frmpass *pass = m_forms.pass();
    pass->showEmployeePanel();
    showModeless(pass);
}

void frmmain::chpass_Click()
{
    showModeless(m_forms.pass());
}

void frmmain::Command2_Click()
{
    showModeless(m_forms.prop());
}
