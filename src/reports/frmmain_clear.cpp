// The main window's log clearing: the "Clear Log" button (one employee or all, up to an ending
// date) and the menu item "&Clear Log" (the logged-on employee's whole log).
#include "clock/frmmain.h"

#include "db/employeelist.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "platform/dialogs.h"
#include "reports/clearing.h"
#include "reports/reportdialogs.h"
#include "startup/forms.h"

#include <QLabel>
#include <QLineEdit>

using pw::Dialogs;
namespace rd = pw::reportdialogs;

namespace {

const QString kClear = QStringLiteral("Clear");

} // namespace

void frmmain::Command4_Click()
{
    const Dialogs::Button answer =
        m_forms.dialogs().message(this,
                                  QStringLiteral("Would you like to clear the log for all employees? (default: clear "
                                                 "current employee only)"),
                                  kClear, Dialogs::Icon::None, Dialogs::Yes | Dialogs::No | Dialogs::Cancel,
                                  Dialogs::Yes);
    if (answer != Dialogs::Yes && answer != Dialogs::No)
        return;

    pw::RecordSet &list = mandata->records();
    if (answer == Dialogs::Yes)
        list.moveFirst();
    const QString ending = rd::askEndingDate(m_forms, this, QStringLiteral("Clear log until this date: "), now());
    // Refused before anything is deleted.
    if (!ending.isEmpty() && rd::readEndingDate(m_forms, this, ending, kClear, now())) {
        if (answer == Dialogs::No) {
            manclearlog(ending);
        } else {
            while (!list.eof()) {
                manclearlog(ending);
                list.moveNext();
            }
        }
    }
    // The tab shows the first employee afterwards, also when nothing was cleared.
    if (pw::DbError e = list.refresh())
        reportUpdateError(e);
}

void frmmain::manclearlog(const QString &endingDate)
{
    const QString name = manlist->text();
    const auto ending = rd::readEndingDate(m_forms, this, endingDate, kClear, now());
    if (!ending)
        return;

    const auto listed = pw::EmployeeList(m_forms.db()).find(name);
    if (!listed) {
        reportLogFailure(name, listed.error(), kClear);
        return;
    }
    if (!listed->has_value()) {
        rd::refuseName(m_forms, this);
        return;
    }
    if (pw::DbError e = openManagedLog(name)) {
        reportLogFailure(name, e, kClear);
        return;
    }

    // The dated deletion and the removal of a leading clock-out are one change: stored together,
    // or the log stays as it was.
    const auto cleared = pw::clearing::clearBefore(m_forms.db(), name, *ending);
    if (!cleared)
        m_forms.dialogs().inform(this,
                                 QStringLiteral("The log of %1 could not be cleared, so it is unchanged: %2 (error %3).")
                                     .arg(name, cleared.error().description)
                                     .arg(cleared.error().number),
                                 kClear, Dialogs::Icon::Exclamation);

    // Both views of the log show what is left: the logged-on employee's view (it may be the same
    // log) and the Management grid.
    database->records().refresh();
    openManagedLog(name);
}

void frmmain::dltdata_Click()
{
    const Dialogs::Button answer = m_forms.dialogs().message(
        this,
        QStringLiteral("This will delete all clock in and clock out values.  It should only be done at the end of a "
                       "time period.  Are you sure you want to continue ?"),
        QStringLiteral("Punchwell Warning"), Dialogs::Icon::Critical, Dialogs::Yes | Dialogs::No, Dialogs::No);
    if (answer == Dialogs::Yes) {
        const QString table = database->records().recordSource();
        const auto cleared = pw::clearing::clearAll(m_forms.db(), table);
        if (!cleared)
            m_forms.dialogs().inform(this,
                                     QStringLiteral("Your log could not be cleared, so it is unchanged: %1 (error %2).")
                                         .arg(cleared.error().description)
                                         .arg(cleared.error().number),
                                     QStringLiteral("Punchwell"), Dialogs::Icon::Exclamation);
        database->records().refresh();
    }
    fxngettotal(nameemp->text());
}
