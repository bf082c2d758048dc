#include "app/startup.h"

#include "app/accessstartup.h"

#include "db/database.h"
#include "domain/journalchain.h"
#include "platform/dialogs.h"
#include "messages/errortext.h"
#include "ui/splashwindow.h"
#include "ui/windows.h"

#include <QCoreApplication>

namespace pw {

namespace {

void refuse(Windows &windows, const DbError &e)
{
    windows.seams().dialogs.inform(nullptr, ErrorText::startRefused(windows.db().location(), e), kBoxTitle,
                                   Dialogs::Icon::Critical);
    windows.endProgram(1);
}

// There is no company yet: offers to make the delivered one. Whether the start goes on.
bool offerNewCompany(Windows &windows)
{
    Database &db = windows.db();
    Dialogs &dialogs = windows.seams().dialogs;
    const QString question = db.isServer()
        ? QCoreApplication::translate("pw::StartUp",
                                      "Punchwell cannot find its company database in\n\n%1\n\nwhich holds no Punchwell "
                                      "company yet. Do you want to create a new company database there? Punchwell "
                                      "will then ask for your company name.")
        : QCoreApplication::translate("pw::StartUp",
                                      "Punchwell cannot find its company database\n\n%1\n\nDo you want to create a "
                                      "new company database there? Punchwell will then ask for your company name.");
    const auto answer = dialogs.message(nullptr, question.arg(ErrorText::shownLocation(db.location())), kBoxTitle, Dialogs::Icon::Question,
                                        Dialogs::Yes | Dialogs::No, Dialogs::Yes);
    if (answer != Dialogs::Yes) {
        windows.endProgram(1);
        return false;
    }
    if (DbError made = db.createCompany()) {
        dialogs.inform(nullptr, ErrorText::companyNotCreated(db.location(), made), kBoxTitle, Dialogs::Icon::Critical);
        windows.endProgram(1);
        return false;
    }
    return true;
}

} // namespace

void refuseLocation(Dialogs &dialogs, const QString &why)
{
    dialogs.inform(nullptr, ErrorText::locationUnknown(why), kBoxTitle, Dialogs::Icon::Critical);
}

void startUp(Windows &windows)
{
    Database &db = windows.db();

    // An Access-format Employee.mdb is offered to be brought over first.
    if (!offerAccessConversion(windows))
        return;

    // A server that cannot be reached, or refuses us, is told at once: asking it again to open the
    // company would only make the user wait twice.
    DbError e = db.check();
    if (e.number == ErrFileNotFound) {
        if (!offerNewCompany(windows))
            return;
    } else if (e) {
        refuse(windows, e);
        return;
    }

    if ((e = db.open()) || (e = db.verify())) {
        db.close();
        refuse(windows, e);
        return;
    }

    // A company opened to work gets its journal if it has none yet. A company that cannot take the
    // write now (a file made read-only, say) is still opened as before, and gets it at a later start.
    (void)startJournal(db);

    windows.splash()->show();
}

} // namespace pw
