#pragma once

#include "platform/datetimecodec.h"
#include "db/dberror.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace pw {

class Database;
class LinePrinter;
class PrinterFactory;

// Time cards: one employee's entries paired into shifts, with each shift's hours and the total.
namespace timecard {

// The heading words of line 1, in English: a card prints them in the user's language. The "Print
// Log" button's, and the menu's for an employee clocked in and for one clocked out.
inline const QString kDataFor = QStringLiteral(QT_TRANSLATE_NOOP("pw::timecard", "Punchwell Data for:  "));
inline const QString kLogForIn = QStringLiteral(QT_TRANSLATE_NOOP("pw::timecard", "Punchwell Log for  "));
inline const QString kLogForOut = QStringLiteral(QT_TRANSLATE_NOOP("pw::timecard", "Punchwell Log for:  "));

// The character columns of the shift lines and their headings.
inline constexpr int kClockInColumn = 5;
inline constexpr int kClockOutColumn = 40;
inline constexpr int kActivityColumn = 70;
inline constexpr int kSubTotalColumn = 110;

// One printed item: text at a character column, or (column 0) right after the item before it.
struct Item {
    int column = 0;
    QString text;
    bool underlined = false;

    friend bool operator==(const Item &, const Item &) = default;
};
using Line = QList<Item>;

// One log entry as the card reads it.
struct Entry {
    QVariant datetime; // as stored
    QVariant activity; // as stored; Null prints as an empty column

    std::optional<LocalDateTime> when() const;
};

struct Heading {
    QString word;     // kDataFor, kLogForIn or kLogForOut (printed translated)
    QString company;
    QString employee;
};

// One shift of a card: the entry taken as its clock-in, and its end.
struct Shift {
    Entry in;
    std::optional<LocalDateTime> start; // the clock-in's reading; nothing when it cannot be read
    std::optional<LocalDateTime> end;   // the clock-out's reading, or "now"; nothing when unreadable
    QVariant endStored;                 // the clock-out as stored; Null when the shift ends "now"
    bool endsNow = false;               // closed at "now": no clock-out, or one after the ending

    // Minutes between start and end; nothing when either cannot be read.
    std::optional<qint64> minutes() const;
};

// The card's rule for choosing and closing shifts, as the entries come in stored order. Entries
// pair by position: each entry taken as a clock-in is paired with the entry after it, whatever
// their status words. With an ending date-time, an entry later than it is passed over in the
// clock-in place, and a clock-out later than it is replaced by "now", as is a missing last
// clock-out. The rule needs only each entry's reading; the caller keeps the entries.
class ShiftRule {
public:
    enum class Step {
        PassedOver, // later than the ending, in the clock-in place: no shift
        Opens,      // taken as a clock-in: the next entry closes its shift
        Closes,     // the clock-out of the open shift
        ClosesNow,  // the clock-out of the open shift, later than the ending: the shift ends "now"
    };

    explicit ShiftRule(std::optional<LocalDateTime> ending) : m_ending(ending) {}
    // What the next entry, by its reading (nothing when it cannot be read), does.
    Step next(const std::optional<LocalDateTime> &when);
    // At the end of the entries: whether a shift is open (it ends "now"); it is closed.
    bool finish() { return std::exchange(m_open, false); }

private:
    std::optional<LocalDateTime> m_ending;
    bool m_open = false;
};

// The rule's shifts, with their entries, handed on one by one.
class ShiftPairing {
public:
    using Emit = std::function<void(const Shift &)>;

    ShiftPairing(std::optional<LocalDateTime> ending, LocalDateTime now, Emit sink)
        : m_rule(ending), m_now(now), m_sink(std::move(sink))
    {
    }
    void add(const Entry &entry);
    // Closes a last shift that has no clock-out at "now".
    void finish();

private:
    ShiftRule m_rule;
    LocalDateTime m_now;
    Emit m_sink;
    std::optional<Entry> m_pending;
};

// Builds a card's lines while the entries come in stored order, handing each finished line on.
// The shifts are ShiftPairing's. Sub-totals are the shift's minutes / 60; the total comes from
// the summed minutes.
class CardBuilder {
public:
    using Emit = std::function<void(const Line &)>;

    CardBuilder(Heading heading, std::optional<LocalDateTime> ending, LocalDateTime now, Emit sink,
                const QLocale &locale = QLocale());

    // Lines 1 to 6: the heading, the employee's name and the underlined column headings.
    void begin();
    void add(const Entry &entry);
    // The last shift, two empty lines and the total line.
    void finish();

    float totalMinutes() const { return m_total; }
    int shifts() const { return m_shifts; }

private:
    void shift(const Shift &s);
    QString dateText(const Entry &e, const std::optional<LocalDateTime> &when) const;
    QString general(const LocalDateTime &when) const;

    Heading m_heading;
    LocalDateTime m_now;
    Emit m_sink;
    QLocale m_locale;
    QString m_dateFormat, m_timeFormat; // the general date format's two halves
    ShiftPairing m_pairing;
    float m_total = 0.0f;
    int m_shifts = 0;
};

// The whole card of these entries.
QList<Line> cardLines(const QList<Entry> &entries, const Heading &heading,
                      const std::optional<LocalDateTime> &ending, const LocalDateTime &now,
                      const QLocale &locale = QLocale());

// Prints one line: items at their columns, underlining switched on before an underlined item and
// off again after it, before the line ends.
void printLine(LinePrinter &printer, const Line &line);

// What to print for one employee.
struct CardRequest {
    Heading heading;
    QString table;                       // the employee's log
    std::optional<LocalDateTime> ending; // nothing: the whole log
    LocalDateTime now;                   // closes a last shift that has no clock-out
};

// Reads the log once, in stored order, and prints its card on the printer, page ended; the job is
// left for the caller to send (endDocument) or drop (abort). Nothing is written to the database:
// an open shift is closed at "now" in memory.
DbError writeCard(Database &db, const CardRequest &request, LinePrinter &printer);

// The card of an employee's own whole log, as the menu prints it: headed "Punchwell Log for  "
// while the employee is clocked in (the open shift closed at "now"), "Punchwell Log for:  "
// otherwise. Nothing for an empty log.
DbResult<std::optional<CardRequest>> ownCard(Database &db, const QString &table, const QString &company,
                                             const QString &employee, const LocalDateTime &now);

// The name of an employee's print job.
QString jobName(const QString &employee);

// How a card left the program. Nothing is written to the database either way.
struct Sent {
    enum Status {
        Printed,    // sent whole
        NotPrinted, // the printer or the file did not take it; why says so in plain words
        Unreadable, // the log could not be read; nothing was sent
    } status = Printed;
    QString why;
    DbError error;
};
// One card as a print job of its own on the system's default printer.
Sent printOnDefault(Database &db, PrinterFactory &printers, const CardRequest &request);
// One card as a PDF file at path (a file of that name is replaced).
Sent saveAsPdf(Database &db, PrinterFactory &printers, const CardRequest &request, const QString &path);

// The cards of a run saved together as one PDF file at path, each card starting on a new page.
class CardFile {
public:
    CardFile(PrinterFactory &printers, const QString &path);
    ~CardFile();
    CardFile(const CardFile &) = delete;
    CardFile &operator=(const CardFile &) = delete;

    // Adds one card; a log that cannot be read adds nothing and says why.
    DbError add(Database &db, const CardRequest &request);
    int cards() const { return m_cards; }
    // Ends the file: Printed when it was saved whole, NotPrinted (with why) when it was not.
    Sent close();

private:
    std::unique_ptr<LinePrinter> m_printer;
    int m_cards = 0;
    bool m_closed = false;
};

} // namespace timecard
} // namespace pw
