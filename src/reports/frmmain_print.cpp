// The main window's time-card printing: the "Print Log" button (one employee or all, through an
// ending date) and the menu item "&Print Log" (the logged-on employee's whole log).
#include "clock/frmmain.h"

#include "db/database.h"
#include "db/employeelist.h"
#include "db/logtable.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "platform/dialogs.h"
#include "reports/reportdialogs.h"
#include "reports/timecard.h"
#include "startup/forms.h"

#include <QLabel>
#include <QLineEdit>

using pw::Dialogs;
namespace rd = pw::reportdialogs;

namespace {

const QString kPrint = QStringLiteral("Print");

// Moves the employee browser onto a row of the list, from its first row unless it is there already.
void moveOnto(pw::RecordSet &list, qint64 rowid)
{
    if (list.currentRowid() == rowid)
        return;
    list.moveFirst();
    while (!list.eof() && list.currentRowid() != rowid)
        list.moveNext();
}

} // namespace

void frmmain::Command3_Click()
{
    const Dialogs::Button answer =
        m_forms.dialogs().message(this,
                                  QStringLiteral("Would you like to print all employees? (default:  print current "
                                                 "employee only)"),
                                  kPrint, Dialogs::Icon::None, Dialogs::Yes | Dialogs::No | Dialogs::Cancel,
                                  Dialogs::Yes);
    if (answer != Dialogs::Yes && answer != Dialogs::No)
        return;
    const QString ending =
        rd::askEndingDate(m_forms, this, QStringLiteral("Print Punchwell through this ending date: "), now());
    if (ending.isEmpty())
        return;
    // Refused before any card is printed.
    if (!rd::readEndingDate(m_forms, this, ending, kPrint, now()))
        return;

    if (answer == Dialogs::No) {
        manprintlog(ending);
        return;
    }
    pw::RecordSet &list = mandata->records();
    list.moveFirst();
    while (!list.eof()) {
        // The card's lookup leaves the browser on the employee's row; the walk goes on after the row
        // it was on, whatever the lookup found.
        const qint64 row = list.currentRowid();
        manprintlog(ending);
        moveOnto(list, row);
        list.moveNext();
    }
    list.moveFirst();
}

void frmmain::manprintlog(const QString &endingDate)
{
    const QString name = manlist->text();
    const pw::LocalDateTime printedAt = now();
    const auto ending = rd::readEndingDate(m_forms, this, endingDate, kPrint, printedAt);
    if (!ending)
        return;

    // The employee must be in the list; a name that is not is refused rather than printed with
    // another employee's log.
    const auto listed = pw::EmployeeList(m_forms.db()).find(name);
    if (!listed) {
        reportLogFailure(name, listed.error(), kPrint);
        return;
    }
    if (!listed->has_value()) {
        rd::refuseName(m_forms, this);
        return;
    }
    moveOnto(mandata->records(), (*listed)->rowid);

    if (pw::DbError e = openManagedLog(name)) {
        reportLogFailure(name, e, kPrint);
        return;
    }
    if (manuse->eof())
        return; // an empty log prints no card

    pw::timecard::CardRequest card;
    card.heading = {pw::timecard::kDataFor, company->text(), name};
    card.table = name;
    card.ending = ending;
    card.now = printedAt;
    rd::printCard(m_forms, this, card, kPrint);

    manuse->moveLast();
    fxngettotal(nameemp->text());
}

void frmmain::prntdata_Click()
{
    m_forms.dialogs().message(this, QStringLiteral("The data is being sent to the default printer"),
                              QStringLiteral("Punchwell"), Dialogs::Icon::None, Dialogs::Ok, Dialogs::Ok);

    const QString name = nameemp->text();
    const QString table = database->records().recordSource();
    const auto last = pw::LogTable(m_forms.db(), table).last();
    if (!last) {
        reportLogFailure(name, last.error(), QStringLiteral("Punchwell"));
        return;
    }
    if (!last->has_value())
        return; // nothing to print

    // An open shift is closed at this moment, for the card only: the log is not written.
    const bool clockedIn = !(*last)->inoutfx.isNull() && (*last)->status() == pw::kClockedIn;
    pw::timecard::CardRequest card;
    card.heading = {clockedIn ? pw::timecard::kLogForIn : pw::timecard::kLogForOut, company->text(), name};
    card.table = table;
    card.now = now();
    rd::printCard(m_forms, this, card, QStringLiteral("Punchwell"));

    database->records().moveLast();
    fxngettotal(name);
}
