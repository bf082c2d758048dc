#include "app/startup.h"

#include "app/accessstartup.h"

#include "db/database.h"
#include "platform/dialogs.h"
#include "ui/splashwindow.h"
#include "ui/windows.h"

#include <QDir>

namespace pw {

namespace {

const QString kTitle = QStringLiteral("Punchwell");

void refuse(Windows &windows, const DbError &e)
{
    windows.seams().dialogs.inform(nullptr,
                                   QStringLiteral("Punchwell cannot use its company database\n\n%1\n\nbecause %2.\n\n"
                                                  "Nothing in the file has been changed. Punchwell will now close.")
                                       .arg(QDir::toNativeSeparators(windows.db().path()), e.text()),
                                   kTitle, Dialogs::Icon::Critical);
    windows.endProgram(1);
}

} // namespace

void startUp(Windows &windows)
{
    Database &db = windows.db();
    Dialogs &dialogs = windows.seams().dialogs;
    const QString path = QDir::toNativeSeparators(db.path());

    if (!offerAccessConversion(windows))
        return;

    DbError e = db.check();
    if (e.number == ErrFileNotFound) {
        const auto answer = dialogs.message(
            nullptr,
            QStringLiteral("Punchwell cannot find its company database\n\n%1\n\nDo you want to create a new "
                           "company database there? Punchwell will then ask for your company name.")
                .arg(path),
            kTitle, Dialogs::Icon::Question, Dialogs::Yes | Dialogs::No, Dialogs::Yes);
        if (answer != Dialogs::Yes) {
            windows.endProgram(1);
            return;
        }
        if (DbError made = db.createCompany()) {
            dialogs.inform(nullptr,
                           QStringLiteral("A new company database could not be created at\n\n%1\n\nbecause %2. "
                                          "Punchwell will now close.")
                               .arg(path, made.text()),
                           kTitle, Dialogs::Icon::Critical);
            windows.endProgram(1);
            return;
        }
    }

    if ((e = db.open()) || (e = db.verify())) {
        db.close();
        refuse(windows, e);
        return;
    }

    windows.splash()->show();
}

} // namespace pw
