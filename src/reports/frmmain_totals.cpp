// The main window's totals: hours and estimated wages for the logged-on employee ("Time
// Functions") and for the employee chosen on the "Management" tab.
#include "clock/frmmain.h"

#include "db/database.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "reports/totals.h"
#include "startup/forms.h"

#include <QLabel>
#include <QLineEdit>

pw::DbError frmmain::showTotals(bool management, const QString &name, pw::DbError *problem)
{
    QLabel *hours = management ? manehours : currhours;
    QLabel *wages = management ? manemoney : currmoney;
    pw::RecordSet &view = management ? *manuse : database->records();
    const QString wage = management ? emoney->text() : Thismoney->text();

    wages->setText(QStringLiteral("0"));
    if (pw::DbError e = management ? openManagedLog(name) : openLog(name))
        return e;
    if (view.eof()) {
        hours->setText(QStringLiteral("0"));
        return {};
    }
    const auto count = pw::countLog(m_forms.db(), name, now());
    if (!count)
        return count.error();
    const pw::TotalsText text = pw::totalsText(*count, wage, name);
    hours->setText(text.hours);
    wages->setText(text.wage);
    if (problem)
        *problem = text.problem;
    // The view ends on the last entry; the management view, after an open shift, on its first.
    if (!(management && count->openShift))
        view.moveLast();
    return {};
}

void frmmain::fxngettotal(const QString &username)
{
    if (pw::DbError e = showTotals(false, username, nullptr))
        reportLogFailure(username, e, QStringLiteral("Punchwell"));
}

void frmmain::mangettotal(const QString &manuser)
{
    if (pw::DbError e = showTotals(true, manuser, nullptr))
        reportLogFailure(manuser, e, QStringLiteral("Punchwell"));
}

void frmmain::Command1_Click()
{
    mangettotal(manlist->text());
}

void frmmain::UPDATE_Click()
{
    // Stores what was typed into the log view, then counts again; every failure is reported.
    if (pw::DbError e = database->updateRecord()) {
        reportUpdateError(e);
        return;
    }
    pw::DbError problem;
    if (pw::DbError e = showTotals(false, nameemp->text(), &problem))
        reportUpdateError(e);
    else if (problem)
        reportUpdateError(problem);
}
