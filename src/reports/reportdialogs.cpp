#include "reports/reportdialogs.h"

#include "platform/context.h"
#include "platform/dialogs.h"
#include "platform/formats.h"
#include "platform/lineprinter.h"
#include "startup/forms.h"

#include <QDir>
#include <QFileInfo>

namespace pw::reportdialogs {

QString askEndingDate(Forms &forms, QWidget *parent, const QString &title, const LocalDateTime &now)
{
    return forms.dialogs().input(parent, QStringLiteral("Enter an ending date:"), title, formats::generalDate(now));
}

std::optional<LocalDateTime> readEndingDate(Forms &forms, QWidget *parent, const QString &text, const QString &title,
                                            const LocalDateTime &now)
{
    if (auto ending = formats::parseTypedDateTime(text))
        return ending;
    forms.dialogs().inform(parent,
                           QStringLiteral("\"%1\" is not a date.  Please type the ending date as a date and time, "
                                          "such as %2, or as a date alone.  Nothing was done.")
                               .arg(text, formats::generalDate(now)),
                           title, Dialogs::Icon::Exclamation);
    return std::nullopt;
}

void refuseName(Forms &forms, QWidget *parent)
{
    forms.dialogs().inform(parent, QStringLiteral("Please enter a valid Name or click on the Combo Box."),
                           QStringLiteral("Log In Error"), Dialogs::Icon::Exclamation);
}

namespace {

QString jobName(const QString &employee)
{
    return QStringLiteral("Punchwell time card: %1").arg(employee);
}

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

void reportUnreadable(Forms &forms, QWidget *parent, const QString &employee, const DbError &e, const QString &title)
{
    forms.dialogs().inform(parent,
                           QStringLiteral("The time card of %1 was not printed: the time log cannot be read: %2 "
                                          "(error %3).")
                               .arg(employee, e.description)
                               .arg(e.number),
                           title, Dialogs::Icon::Exclamation);
}

} // namespace

CardSent printCard(Forms &forms, QWidget *parent, const timecard::CardRequest &request, const QString &title)
{
    const QString employee = request.heading.employee;
    PrinterFactory *printers = forms.context().printers;
    QString why = QStringLiteral("printing is not set up");
    if (printers) {
        if (std::unique_ptr<LinePrinter> printer = printers->defaultPrinter(jobName(employee), &why)) {
            if (DbError e = timecard::writeCard(forms.db(), request, *printer)) {
                printer->abort();
                reportUnreadable(forms, parent, employee, e, title);
                return CardSent::NotPrinted;
            }
            if (printer->endDocument())
                return CardSent::Printed;
            why = printer->errorString();
        }
    }

    const bool canSave = printers != nullptr;
    const QString text = QStringLiteral("The time card of %1 was not printed: %2.").arg(employee, why);
    if (!canSave) {
        forms.dialogs().inform(parent, text, title, Dialogs::Icon::Exclamation);
        return CardSent::NotPrinted;
    }
    if (forms.dialogs().message(parent, text + QStringLiteral("\n\nWould you like to save the time card as a PDF file instead?"),
                                title, Dialogs::Icon::Exclamation, Dialogs::Yes | Dialogs::No, Dialogs::Yes)
        != Dialogs::Yes)
        return CardSent::NotPrinted;
    QString path = forms.dialogs().saveFileName(parent, QStringLiteral("Save the time card of %1 as a PDF file").arg(employee),
                                                suggestedPdf(employee), QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return CardSent::NotPrinted;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");

    std::unique_ptr<LinePrinter> pdf = printers->pdfFile(path, jobName(employee));
    if (DbError e = timecard::writeCard(forms.db(), request, *pdf)) {
        pdf->abort();
        reportUnreadable(forms, parent, employee, e, title);
        return CardSent::NotPrinted;
    }
    if (!pdf->endDocument()) {
        forms.dialogs().inform(parent,
                               QStringLiteral("The time card of %1 could not be saved either: %2.").arg(employee, pdf->errorString()),
                               title, Dialogs::Icon::Exclamation);
        return CardSent::NotPrinted;
    }
    return CardSent::SavedAsPdf;
}

} // namespace pw::reportdialogs
