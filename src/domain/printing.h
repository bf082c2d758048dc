#pragma once

#include "domain/runs.h"
#include "domain/timecard.h"
#include "platform/datetimecodec.h"

#include <QDate>
#include <QString>

namespace pw {

class Clock;
class Database;
class PrinterFactory;

// Printing time cards: one employee's, the logged-on employee's own, or every employee's in a
// run. Each card is a print job of its own on the default printer; when the printer does not take
// it, the user may have it saved as a PDF file instead. Nothing is ever written to the database.
namespace printing {

// Whoever asked for the cards: where a card the printer did not take goes instead.
class PrintObserver : public RunObserver {
public:
    // One card was not printed (why says why, in plain words): the path of a PDF file to save it
    // as, or an empty text for none.
    virtual QString pdfForCard(const QString &employee, const QString &why) = 0;
    // A run's card was not printed: asked once a run. The path of one PDF file that takes this card
    // and the rest of the run's, or an empty text to stop the run here.
    virtual QString pdfForRun(const QString &employee, const QString &why, const QDate &endingDay) = 0;
};

enum class Sent {
    Nothing,    // an empty log prints no card
    Printed,    // on the default printer
    SavedAsPdf, // the printer did not take it; it was saved as a PDF file
    NotPrinted, // neither printed nor saved
    Failed,     // the log could not be read, or the employee not found; told to the observer
};

// One card on the default printer, or in a PDF file the observer names when the printer fails.
Sent sendCard(Database &db, PrinterFactory &printers, const timecard::CardRequest &card, PrintObserver &observer);

// "Print Log" of the employee the Management tab shows, through the ending date-time: headed
// "Punchwell Data for:  ", each shift after the ending left out.
Sent printEmployee(Database &db, PrinterFactory &printers, const Clock &clock, const QString &company,
                   const QString &employee, const LocalDateTime &ending, PrintObserver &observer);

// The menu's "Print Log" of the logged-on employee's own whole log, headed by the state at this
// moment; an open shift is closed now, on the card only.
Sent printOwn(Database &db, PrinterFactory &printers, const Clock &clock, const QString &company, const QString &employee,
              const QString &table, PrintObserver &observer);

// "Print Log" of every employee of the list, in its order, through the ending date-time. Once the
// default printer fails, the observer is asked once where the rest goes; declining stops the run.
RunOutcome printAll(Database &db, PrinterFactory &printers, const Clock &clock, const QString &company,
                    const LocalDateTime &ending, PrintObserver &observer);

// A PDF file's path as the user typed it, ".pdf" added when it has no suffix.
QString pdfPath(const QString &typed);

} // namespace printing
} // namespace pw
