// The main window's clock functions: clock in (with the task prompt), clock out, delete the last
// entry.
#include "clock/frmmain.h"

#include "admin/frmprop.h"
#include "clock/clocking.h"
#include "clock/frmsub.h"
#include "db/database.h"
#include "db/logtable.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "platform/dialogs.h"
#include "startup/forms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kClockInError = QStringLiteral("Clock In Error");
const QString kClockOutError = QStringLiteral("Clock out Error");

} // namespace

void frmmain::clockin_Click()
{
    // The log is read again first: only a last entry of exactly "Clocked In" is refused here.
    pw::RecordSet &log = database->records();
    if (pw::DbError e = openLog(log.recordSource())) {
        reportLogFailure(nameemp->text(), e, kClockInError);
        return;
    }
    if (!log.eof()) {
        log.moveLast();
        if (log.field(QStringLiteral("inoutfx")).toString() == pw::kClockedIn
            && !log.field(QStringLiteral("inoutfx")).isNull()) {
            m_forms.dialogs().inform(this, QStringLiteral("You must first Clock Out."), kClockInError,
                                     pw::Dialogs::Icon::Exclamation);
            return;
        }
    }
    if (m_forms.prop()->subs->isChecked()) {
        fxnclockin(nameemp->text());
        return;
    }
    frmsub *prompt = m_forms.sub();
    prompt->show();
    prompt->raise();
    prompt->activateWindow();
    prompt->activity->setFocus();
}

void frmmain::fxnclockin(const QString &thisusername)
{
    frmsub *prompt = m_forms.sub(); // made hidden on first use; its box is then empty
    QString task = prompt->activity->text();
    if (task.isEmpty())
        task = QStringLiteral(" ");

    if (pw::DbError e = openLog(thisusername)) {
        reportLogFailure(thisusername, e, kClockInError);
    } else {
        const pw::clocking::Result r = pw::clocking::clockIn(m_forms.db(), thisusername, nameemp->text(), now(), task);
        if (r.error) {
            m_forms.dialogs().inform(this,
                                     QStringLiteral("The clock-in could not be stored, so nothing was written: %1 "
                                                    "(error %2). Please try again.")
                                         .arg(r.error.description)
                                         .arg(r.error.number),
                                     kClockInError, pw::Dialogs::Icon::Exclamation);
        } else if (r.outcome == pw::clocking::Outcome::NotClockedOut) {
            m_forms.dialogs().inform(this, QStringLiteral("You must first Clock Out."), kClockInError,
                                     pw::Dialogs::Icon::Exclamation);
        }
    }
    // The totals follow every attempt, a refused one included.
    fxngettotal(nameemp->text());
    database->records().moveLast();
    prompt->activity->clear();
}

void frmmain::clockout_Click()
{
    fxnclockout(nameemp->text());
}

void frmmain::fxnclockout(const QString &username)
{
    if (pw::DbError e = openLog(username)) {
        reportLogFailure(username, e, kClockOutError);
    } else {
        const pw::clocking::Result r = pw::clocking::clockOut(m_forms.db(), username, nameemp->text(), now());
        if (r.error) {
            m_forms.dialogs().inform(this,
                                     QStringLiteral("The clock-out could not be stored, so nothing was written: %1 "
                                                    "(error %2). Please try again.")
                                         .arg(r.error.description)
                                         .arg(r.error.number),
                                     kClockOutError, pw::Dialogs::Icon::Exclamation);
        } else if (r.outcome == pw::clocking::Outcome::EmptyLog) {
            m_forms.dialogs().inform(this, QStringLiteral("You must first Clock in."), kClockOutError,
                                     pw::Dialogs::Icon::Exclamation);
        } else if (r.outcome == pw::clocking::Outcome::NotClockedIn) {
            m_forms.dialogs().inform(this, QStringLiteral("You must first Clock In."), kClockOutError,
                                     pw::Dialogs::Icon::Exclamation);
        }
    }
    fxngettotal(nameemp->text());
}

void frmmain::dltlast_Click()
{
    // No question and no message: the most recent entry goes. The totals keep their figures
    // until the next count.
    const QString table = database->records().recordSource();
    const auto removed = pw::clocking::deleteLast(m_forms.db(), table);
    if (!removed) {
        m_forms.dialogs().inform(this,
                                 QStringLiteral("The last entry could not be deleted, so the log is unchanged: %1 "
                                                "(error %2).")
                                     .arg(removed.error().description)
                                     .arg(removed.error().number),
                                 QStringLiteral("Punchwell"), pw::Dialogs::Icon::Exclamation);
        return;
    }
    // The view shows the log's first entry afterwards.
    if (pw::DbError e = openLog(table))
        reportLogFailure(table, e, QStringLiteral("Punchwell"));
}
