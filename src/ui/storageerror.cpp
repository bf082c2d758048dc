#include "ui/storageerror.h"

#include "messages/errortext.h"

namespace pw {

void reportFailure(Dialogs &dialogs, QWidget *parent, const QString &title, const QString &what, const DbError &error,
                   const QString &after)
{
    dialogs.inform(parent, ErrorText::failure(what, error, after), title, Dialogs::Icon::Exclamation);
}

void reportLogFailure(Dialogs &dialogs, QWidget *parent, const QString &name, const DbError &error,
                      const QString &title)
{
    reportFailure(dialogs, parent, title, QStringLiteral("The time log of %1 cannot be used").arg(name), error);
}

void reportUpdateFailure(Dialogs &dialogs, QWidget *parent, const DbError &error)
{
    dialogs.message(parent, ErrorText::updateFailure(error), QStringLiteral("Punchwell"), Dialogs::Icon::None, Dialogs::Ok);
}

} // namespace pw
