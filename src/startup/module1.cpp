#include "startup/module1.h"

#include "db/database.h"
#include "platform/dialogs.h"
#include "startup/forms.h"
#include "startup/frmsplash.h"

#include <QDir>

namespace Module1 {

namespace {

const QString kTitle = QStringLiteral("Punchwell");

void refuse(pw::Forms &forms, const pw::DbError &e)
{
    forms.dialogs().inform(nullptr,
                           QStringLiteral("Punchwell cannot use its company database\n\n%1\n\nbecause %2 "
                                          "(error %3).\n\nNothing in the file has been changed. Punchwell will "
                                          "now close.")
                               .arg(QDir::toNativeSeparators(forms.db().path()), e.description)
                               .arg(e.number),
                           kTitle, pw::Dialogs::Icon::Critical);
    forms.endProgram(1);
}

} // namespace

void Main(pw::Forms &forms)
{
    pw::Database &db = forms.db();
    const QString path = QDir::toNativeSeparators(db.path());

    pw::DbError e = pw::Database::checkFile(db.path());
    if (e.number == pw::ErrFileNotFound) {
        const auto answer = forms.dialogs().message(
            nullptr,
            QStringLiteral("Punchwell cannot find its company database\n\n%1\n\nDo you want to create a new "
                           "company database there? Punchwell will then ask for your company name.")
                .arg(path),
            kTitle, pw::Dialogs::Icon::Question, pw::Dialogs::Yes | pw::Dialogs::No, pw::Dialogs::Yes);
        if (answer != pw::Dialogs::Yes) {
            forms.endProgram(1);
            return;
        }
        if (pw::DbError made = pw::Database::createDelivered(db.path())) {
            forms.dialogs().inform(nullptr,
                                   QStringLiteral("A new company database could not be created at\n\n%1\n\nbecause "
                                                  "%2 (error %3). Punchwell will now close.")
                                       .arg(path, made.description)
                                       .arg(made.number),
                                   kTitle, pw::Dialogs::Icon::Critical);
            forms.endProgram(1);
            return;
        }
    }

    if ((e = db.open()) || (e = db.verify())) {
        db.close();
        refuse(forms, e);
        return;
    }

    frmsplash *splash = forms.splash();
    splash->show();
}

} // namespace Module1
