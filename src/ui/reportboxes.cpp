#include "ui/reportboxes.h"

#include "platform/dialogs.h"
#include "platform/formats.h"
#include "platform/typeddatetime.h"
#include "ui/storageerror.h"

#include <QDir>
#include <QFileInfo>

namespace pw::reportboxes {

QString askEndingDate(Dialogs &dialogs, QWidget *parent, const QString &title, const LocalDateTime &now)
{
    return dialogs.input(parent, QStringLiteral("Enter an ending date:"), title, formats::generalDate(now));
}

std::optional<LocalDateTime> readEndingDate(Dialogs &dialogs, QWidget *parent, const QString &text,
                                            const QString &title, const LocalDateTime &now)
{
    if (auto ending = formats::parseTypedDateTime(text))
        return ending;
    dialogs.inform(parent,
                   QStringLiteral("\"%1\" is not a date.  Please type the ending date as a date and time, "
                                  "such as %2, or as a date alone.  Nothing was done.")
                       .arg(text, formats::generalDate(now)),
                   title, Dialogs::Icon::Exclamation);
    return std::nullopt;
}

void refuseName(Dialogs &dialogs, QWidget *parent)
{
    dialogs.inform(parent, QStringLiteral("Please enter a valid Name or click on the Combo Box."),
                   QStringLiteral("Log In Error"), Dialogs::Icon::Exclamation);
}

namespace {

// A file name for the card in the home folder; characters that cannot be part of a file name
// become "_".
QString suggestedPdf(const QString &employee)
{
    QString name = employee.trimmed();
    for (QChar &c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    return QDir::home().filePath(QStringLiteral("Time card %1.pdf").arg(name));
}

} // namespace

void reportUnreadable(Dialogs &dialogs, QWidget *parent, const QString &employee, const DbError &e, const QString &title)
{
    reportFailure(dialogs, parent, title,
                  QStringLiteral("The time card of %1 was not printed: the time log cannot be read").arg(employee), e);
}

CardSent sendCard(Dialogs &dialogs, Database &db, PrinterFactory &printers, QWidget *parent,
                  const timecard::CardRequest &request, const QString &title)
{
    const QString employee = request.heading.employee;
    const timecard::Sent printed = timecard::printOnDefault(db, printers, request);
    if (printed.status == timecard::Sent::Printed)
        return CardSent::Printed;
    if (printed.status == timecard::Sent::Unreadable) {
        reportUnreadable(dialogs, parent, employee, printed.error, title);
        return CardSent::Failed;
    }

    const QString text = QStringLiteral("The time card of %1 was not printed: %2.").arg(employee, printed.why);
    if (dialogs.message(parent, text + QStringLiteral("\n\nWould you like to save the time card as a PDF file instead?"),
                        title, Dialogs::Icon::Exclamation, Dialogs::Yes | Dialogs::No, Dialogs::Yes)
        != Dialogs::Yes)
        return CardSent::NotPrinted;
    QString path = dialogs.saveFileName(parent, QStringLiteral("Save the time card of %1 as a PDF file").arg(employee),
                                        suggestedPdf(employee), QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return CardSent::NotPrinted;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");

    const timecard::Sent saved = timecard::saveAsPdf(db, printers, request, path);
    if (saved.status == timecard::Sent::Unreadable) {
        reportUnreadable(dialogs, parent, employee, saved.error, title);
        return CardSent::Failed;
    }
    if (saved.status == timecard::Sent::NotPrinted) {
        dialogs.inform(parent, QStringLiteral("The time card of %1 could not be saved either: %2.").arg(employee, saved.why),
                       title, Dialogs::Icon::Exclamation);
        return CardSent::NotPrinted;
    }
    return CardSent::SavedAsPdf;
}

} // namespace pw::reportboxes
