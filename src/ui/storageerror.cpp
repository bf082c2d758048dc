#include "ui/storageerror.h"

namespace pw {

QString failureText(const QString &what, const DbError &error, const QString &after)
{
    return what + QStringLiteral(": ") + error.text() + QLatin1Char('.') + after;
}

void reportFailure(Dialogs &dialogs, QWidget *parent, const QString &title, const QString &what, const DbError &error,
                   const QString &after)
{
    dialogs.inform(parent, failureText(what, error, after), title, Dialogs::Icon::Exclamation);
}

void reportLogFailure(Dialogs &dialogs, QWidget *parent, const QString &name, const DbError &error,
                      const QString &title)
{
    reportFailure(dialogs, parent, title, QStringLiteral("The time log of %1 cannot be used").arg(name), error);
}

void reportUpdateFailure(Dialogs &dialogs, QWidget *parent, const DbError &error)
{
    const QString text = error.number == ErrRefusedValue
        ? QStringLiteral("Invalid Date / Time.  Please correct the entry and try again")
        : QStringLiteral("Error number: %1  has occured:  %2. Please try again.").arg(error.number).arg(error.description);
    dialogs.message(parent, text, QStringLiteral("Punchwell"), Dialogs::Icon::None, Dialogs::Ok);
}

} // namespace pw
