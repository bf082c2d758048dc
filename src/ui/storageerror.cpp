#include "ui/storageerror.h"

#include "messages/errortext.h"

#include <QCoreApplication>

namespace pw {

void reportFailure(Dialogs &dialogs, QWidget *parent, const QString &title, const QString &what, const DbError &error,
                   const QString &after)
{
    dialogs.inform(parent, ErrorText::failure(what, error, after), title, Dialogs::Icon::Exclamation);
}

void reportLogFailure(Dialogs &dialogs, QWidget *parent, const QString &name, const DbError &error,
                      const QString &title)
{
    reportFailure(dialogs, parent, title,
                  QCoreApplication::translate("pw::StorageError", "The time log of %1 cannot be used").arg(name), error);
}

QString wagesToolTip(const QString &tip, const DbError &problem)
{
    if (problem.reason != DbReason::WageNotANumber && problem.reason != DbReason::WageTooLarge)
        return tip;
    //: a wages display's tool-tip (%1), then why it shows 0 (%2)
    return QCoreApplication::translate("pw::StorageError", "%1: %2").arg(tip, ErrorText::describe(problem));
}

void reportUpdateFailure(Dialogs &dialogs, QWidget *parent, const DbError &error)
{
    dialogs.message(parent, ErrorText::updateFailure(error), QStringLiteral("Punchwell"), Dialogs::Icon::None, Dialogs::Ok);
}

} // namespace pw
