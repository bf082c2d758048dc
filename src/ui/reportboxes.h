#pragma once

#include "domain/timecard.h"
#include "platform/datetimecodec.h"

#include <QString>

#include <optional>

class QWidget;

namespace pw {

class Database;
class Dialogs;
class PrinterFactory;

// The boxes that printing and clearing share.
namespace reportboxes {

// The input box for an ending date: the prompt "Enter an ending date:" and, as its default text,
// "now" in the general date format. Returns the typed text, empty when cancelled or cleared.
QString askEndingDate(Dialogs &dialogs, QWidget *parent, const QString &title, const LocalDateTime &now);

// The typed ending date read as a date-time. Text that does not read as one is refused with a box
// (exclamation icon, the given title) and nothing comes back.
std::optional<LocalDateTime> readEndingDate(Dialogs &dialogs, QWidget *parent, const QString &text,
                                            const QString &title, const LocalDateTime &now);

// The refusal of a name that the employee list does not hold.
void refuseName(Dialogs &dialogs, QWidget *parent);

// Prints one time card as a print job of its own on the default printer. When there is no default
// printer, or the printer fails, a box says so and offers to save the card as a PDF file instead
// (boxes titled as given). Nothing is written to the database either way. Failed: the log could
// not be read, and a box has said so.
enum class CardSent { Printed, SavedAsPdf, NotPrinted, Failed };
CardSent sendCard(Dialogs &dialogs, Database &db, PrinterFactory &printers, QWidget *parent,
                  const timecard::CardRequest &request, const QString &title);

// The box that says a card was not printed because its log cannot be read.
void reportUnreadable(Dialogs &dialogs, QWidget *parent, const QString &employee, const DbError &error,
                      const QString &title);

} // namespace reportboxes
} // namespace pw
